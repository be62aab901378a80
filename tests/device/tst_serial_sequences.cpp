#include "device/upload_sequence.h"
#include "device/version_flash.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_progress.h"
#include "tests/support/recording_serial_link.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

namespace {
// The doubles around both sequences, with every wait fired at once. How the window and
// the command line tell a fault is tested with them.
struct Bench {
    FakeClock clock;
    RecordingSerialLink link{&clock};
    RecordingProgress progress;
    UploadSequence upload{link, clock, progress};
    VersionFlash flash{link, clock};
    QSignalSpy sent{&upload, &UploadSequence::finished};
    QSignalSpy flashed{&flash, &VersionFlash::finished};
    FrameBuild build;

    Bench() {
        for (int k = 0; k < 256; ++k)
            build.frame[k] = (k * 7 + 3) % 256;
    }
    bool start(bool version) {
        return version ? flash.start(QStringLiteral("COM2"))
                       : upload.start(QStringLiteral("/dev/ttyUSB0"), build);
    }
    // Runs the sequence to its end, which must come exactly once; true when it went well.
    bool succeeds() {
        clock.run();
        if (sent.size() + flashed.size() != 1)
            qFatal("the sequence did not finish exactly once");
        return sent.isEmpty() ? flashed.takeFirst()[0].toBool()
                              : sent.takeFirst()[0].value<UploadSequence::Outcome>() ==
                                    UploadSequence::Outcome::Sent;
    }
    // The packets of the first `count` frame bytes: each byte, 0xFF, 0xFF.
    QByteArray packets(int count) const {
        QByteArray bytes;
        for (int k = 0; k < count; ++k)
            bytes += QByteArray(1, static_cast<char>(build.frame[k])) + "\xFF\xFF";
        return bytes;
    }
};
} // namespace

class TestSerialSequences : public QObject {
    Q_OBJECT
  private slots:
    // The upload wakes the controller with a 0.5 s break; the version request is a 1.5 s
    // break and not a byte. A second start while one runs changes nothing.
    void sequencesInOrder_data() {
        QTest::addColumn<bool>("version");
        QTest::addColumn<int>("packets");
        QTest::addColumn<QList<int>>("waits"); // the first is the break
        QTest::newRow("upload") << false << 256 << QList<int>{500, 300, 1500};
        QTest::newRow("version") << true << 0 << QList<int>{1500};
    }
    void sequencesInOrder() {
        QFETCH(bool, version);
        QFETCH(int, packets);
        QFETCH(QList<int>, waits);
        Bench bench;
        QVERIFY(bench.start(version));
        QVERIFY(!bench.start(version));
        QVERIFY(bench.succeeds());
        QCOMPARE(bench.link.ops(), QStringList({"configure", "open", "break on", "break off"}) +
                                       QStringList(packets, "write") + QStringList{"close"});
        const LineSettings s = bench.link.settings();
        QCOMPARE((QList<int>{s.baudRate, s.parity, s.dataBits, s.stopBits, s.dataTerminalReady,
                             s.requestToSend}),
                 (QList<int>{2400, 'n', 8, 1, 1, 0}));
        QCOMPARE(bench.link.written(), bench.packets(packets));
        QCOMPARE(bench.link.calls()[3].timeMs - bench.link.calls()[2].timeMs, qint64(waits[0]));
        QCOMPARE(bench.clock.realWaits(), waits);

        // After each packet the percentage is set, halves rounding to even.
        const QStringList percents =
            bench.progress.events().filter(QRegularExpression("^percent "));
        QCOMPARE(percents.size(), packets);
        if (packets)
            QCOMPARE((QStringList{percents[8], percents[23], percents[39], percents[255]}),
                     (QStringList{"percent 4%", "percent 9%", "percent 16%", "percent 100%"}));
    }

    // A hang-up during the break ends either sequence at once, with the port closed,
    // nothing written and no progress left; the break's end then does nothing, and the
    // next attempt goes through.
    void lineLostDuringTheBreak() {
        for (const bool version : {false, true}) {
            Bench bench;
            QVERIFY(bench.start(version));
            bench.link.loseLine(SerialError{8106, LocalText::entry("LineLostDetail")});
            QCOMPARE(bench.sent.size() + bench.flashed.size(), 1);
            QCOMPARE(version ? bench.flash.problem()->number : bench.upload.problem()->error.number,
                     8106);
            QVERIFY(!bench.succeeds());
            QVERIFY(bench.link.written().isEmpty() && !bench.link.isOpen() &&
                    !bench.progress.isShown());
            bench.link.clear();
            QVERIFY(bench.start(version) && bench.succeeds());
            QCOMPARE(bench.link.written(), bench.packets(version ? 0 : 256));
        }
    }
};

QTEST_GUILESS_MAIN(TestSerialSequences)
#include "tst_serial_sequences.moc"
