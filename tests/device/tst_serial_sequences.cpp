#include "device/upload_sequence.h"
#include "device/version_flash.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_progress.h"
#include "tests/support/recording_serial_link.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

class TestSerialSequences : public QObject {
    Q_OBJECT
  private slots:
    // Each sequence is first cut short by a hang-up during its break, then run through.
    // The upload wakes the controller with a 0.5 s break; the version request is a 1.5 s
    // break and not a byte.
    void sequencesInOrder_data() {
        QTest::addColumn<bool>("version");
        QTest::addColumn<QList<int>>("waits"); // the first is the break
        QTest::newRow("upload") << false << QList<int>{500, 300, 1500};
        QTest::newRow("version") << true << QList<int>{1500};
    }
    void sequencesInOrder() {
        QFETCH(bool, version);
        const int packetCount = version ? 0 : 256;
        QFETCH(QList<int>, waits);
        // The doubles around both sequences, with every wait fired at once.
        FakeClock clock;
        RecordingSerialLink link{&clock};
        RecordingProgress progress;
        UploadSequence upload{link, clock, progress};
        VersionFlash flash{link, clock};
        QSignalSpy sent{&upload, &UploadSequence::finished};
        QSignalSpy flashed{&flash, &VersionFlash::finished};
        FrameBuild build;
        QByteArray packets; // each frame byte, 0xFF, 0xFF
        for (int k = 0; k < 256; ++k) {
            build.frame[k] = (k * 7 + 3) % 256;
            packets += QByteArray(1, static_cast<char>(build.frame[k])) + "\xFF\xFF";
        }
        const auto start = [&] {
            return version ? flash.start("COM2") : upload.start("/dev/ttyUSB0", build);
        };
        // Runs the sequence to its end, which must come exactly once; true when it went well.
        const auto succeeds = [&] {
            clock.run();
            if (sent.size() + flashed.size() != 1)
                qFatal("the sequence did not finish exactly once");
            return sent.isEmpty() ? flashed.takeFirst()[0].toBool()
                                  : sent.takeFirst()[0].value<UploadSequence::Outcome>() ==
                                        UploadSequence::Outcome::Sent;
        };
        QVERIFY(start());
        link.loseLine(SerialError{8106, LocalText::entry(MessageId::LineLostDetail)});
        QCOMPARE(sent.size() + flashed.size(), 1);
        QCOMPARE(version ? flash.problem()->number : upload.problem()->error.number, 8106);
        QVERIFY(!succeeds());
        QVERIFY(link.written().isEmpty() && !link.isOpen() && !progress.isShown());

        // The next attempt goes through; a second start while it runs changes nothing.
        link.clear();
        QVERIFY(start());
        QVERIFY(!start());
        QVERIFY(succeeds());
        QCOMPARE(link.ops(), QStringList({"configure", "open", "break on", "break off"}) +
                                 QStringList(packetCount, "write") + QStringList{"close"});
        const LineSettings s = link.settings();
        QCOMPARE((QList<int>{s.baudRate, s.parity, s.dataBits, s.stopBits, s.dataTerminalReady,
                             s.requestToSend}),
                 (QList<int>{2400, 'n', 8, 1, 1, 0}));
        QCOMPARE(link.written(), packets.left(3 * packetCount));
        QCOMPARE(link.calls()[3].timeMs - link.calls()[2].timeMs, qint64(waits[0]));
        QCOMPARE(clock.realWaits(), waits.mid(0, 1) + waits);

        // After each packet the percentage is set, halves rounding to even.
        const QStringList percents = progress.events().filter(QRegularExpression("^percent "));
        QCOMPARE(percents.size(), packetCount);
        const QStringList expected = {"percent 4%", "percent 9%", "percent 16%", "percent 100%"};
        QCOMPARE(percents.mid(8, 1) + percents.mid(23, 1) + percents.mid(39, 1) + percents.mid(255),
                 packetCount ? expected : QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSerialSequences)
#include "tst_serial_sequences.moc"
