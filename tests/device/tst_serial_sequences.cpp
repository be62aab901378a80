#include "device/upload_sequence.h"
#include "device/version_flash.h"
#include "language/language_texts.h"
#include "messages/serial_messages.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_progress.h"
#include "tests/support/recording_serial_link.h"
#include "tests/support/scripted_dialogs.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

namespace {
FrameBuild sampleFrame() {
    FrameBuild build;
    for (int k = 0; k < 256; ++k)
        build.frame[k] = (k * 7 + 3) % 256;
    return build;
}

// The first `count` packets: frame byte, 0xFF, 0xFF.
QByteArrayList packetsOf(const DeviceFrame& frame, int count) {
    QByteArrayList packets;
    for (int k = 0; k < count; ++k)
        packets << QByteArray(1, static_cast<char>(frame[k])) + "\xFF\xFF";
    return packets;
}

// The doubles around both sequences, with every wait fired at once; what ends either
// without success is told as the window tells it.
struct Bench {
    Bench() {
        QObject::connect(&upload, &UploadSequence::finished, [this] {
            if (upload.problem())
                tellSerialProblem(*upload.problem(), dialogs, texts);
        });
        QObject::connect(&flash, &VersionFlash::finished, [this] {
            if (flash.problem())
                tellSerialProblem({std::nullopt, *flash.problem()}, dialogs, texts);
        });
    }

    FakeClock clock;
    RecordingSerialLink link{&clock};
    RecordingProgress progress;
    ScriptedDialogs dialogs;
    LanguageTexts texts;
    UploadSequence upload{link, clock, progress};
    VersionFlash flash{link, clock};
    QSignalSpy sent{&upload, &UploadSequence::finished};
    QSignalSpy flashed{&flash, &VersionFlash::finished};

    UploadSequence::Outcome send(const FrameBuild& build) {
        upload.start(QStringLiteral("/dev/ttyUSB0"), build);
        return takeEnd(sent).value<UploadSequence::Outcome>();
    }
    bool flashVersion() {
        flash.start(QStringLiteral("COM2"));
        return takeEnd(flashed).toBool();
    }
    QVariant takeEnd(QSignalSpy& spy) {
        clock.run();
        if (spy.size() != 1)
            qFatal("the sequence did not finish exactly once");
        return spy.takeFirst().at(0);
    }

    QByteArrayList writes() const {
        QByteArrayList list;
        for (const RecordingSerialLink::Call& call : link.calls())
            if (call.op == "write")
                list << call.bytes;
        return list;
    }
};
} // namespace

class TestSerialSequences : public QObject {
    Q_OBJECT
  private slots:
    // One send, with a second start while it runs that must change nothing.
    void sendsFrameInOrder() {
        Bench bench;
        const FrameBuild build = sampleFrame();
        QVERIFY(bench.upload.start(QStringLiteral("/dev/ttyUSB0"), build));
        QVERIFY(!bench.upload.start(QStringLiteral("/dev/ttyUSB0"), build));
        bench.clock.run();
        QCOMPARE(bench.sent.size(), 1);
        QCOMPARE(bench.sent[0][0].value<UploadSequence::Outcome>(), UploadSequence::Outcome::Sent);

        const QStringList expected = QStringList{"configure", "open", "break on", "break off"} +
                                     QStringList(256, "write") + QStringList{"close"};
        QCOMPARE(bench.link.ops(), expected);
        const LineSettings s = bench.link.settings();
        QCOMPARE((QList<int>{s.baudRate, s.parity, s.dataBits, s.stopBits, s.dataTerminalReady,
                             s.requestToSend}),
                 (QList<int>{2400, 'n', 8, 1, 1, 0}));
        QCOMPARE(bench.writes(), packetsOf(build.frame, 256));
        QCOMPARE(bench.link.calls()[3].timeMs - bench.link.calls()[2].timeMs, qint64(500));
        QCOMPARE(bench.clock.realWaits(), (QList<int>{500, 300, 1500}));

        // After each packet the percentage is set, halves rounding to even.
        const QStringList percents =
            bench.progress.events().filter(QRegularExpression("^percent "));
        QCOMPARE(percents.size(), 256);
        QCOMPARE((QStringList{percents[8], percents[23], percents[39], percents[255]}),
                 (QStringList{"percent 4%", "percent 9%", "percent 16%", "percent 100%"}));
    }

    // Every fault ends with one message, the port closed and no progress left; the next
    // attempt then goes through.
    void serialErrors_data() {
        QTest::addColumn<bool>("version");
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("number");
        QTest::newRow("break refused") << false << "break on" << 8015;
        QTest::newRow("version: break not cleared") << true << "break off" << 8021;
    }
    void serialErrors() {
        QFETCH(bool, version);
        QFETCH(QString, op);
        QFETCH(int, number);
        const QString message =
            QStringLiteral("[ERROR: Serial Port]: 'Line fault.' Error Code: %1").arg(number);
        Bench bench;
        bench.link.failAt(op, 0, SerialError{number, "Line fault"});
        bench.dialogs.answerMessage(Dialogs::Answer::Ok);
        const FrameBuild build = sampleFrame();

        QVERIFY(version ? !bench.flashVersion()
                        : bench.send(build) == UploadSequence::Outcome::Failed);
        QCOMPARE(bench.dialogs.lastCall().text, message);
        QCOMPARE(bench.dialogs.lastCall().title, QStringLiteral("VORTAMIX"));
        QVERIFY(bench.writes().isEmpty());
        QVERIFY(!bench.link.isOpen());
        QVERIFY(!bench.progress.isShown());

        bench.link.clear();
        QVERIFY(version ? bench.flashVersion()
                        : bench.send(build) == UploadSequence::Outcome::Sent);
        QCOMPARE(bench.writes(), packetsOf(build.frame, version ? 0 : 256));
    }

    // A hang-up during the break ends either sequence at once with one message; the
    // break's end then does nothing (a second message would end the test).
    void lineLostDuringTheBreak() {
        for (const bool version : {false, true}) {
            Bench bench;
            bench.dialogs.answerMessage(Dialogs::Answer::Ok);
            version ? bench.flash.start("COM2") : bench.upload.start("COM2", sampleFrame());
            bench.link.loseLine(SerialError{8106, LocalText::entry("LineLostDetail")});
            QCOMPARE(bench.dialogs.lastCall().text,
                     "[ERROR: Serial Port]: 'The device was disconnected.' Error Code: 8106");
            bench.clock.run();
            QCOMPARE(bench.sent.size() + bench.flashed.size(), 1);
            QVERIFY(bench.writes().isEmpty() && !bench.progress.isShown());
        }
    }

    // The version request is a 1.5 s break and not a byte.
    void versionFlashIsABreakOnly() {
        Bench bench;
        QVERIFY(bench.flashVersion());
        QCOMPARE(bench.link.ops(),
                 (QStringList{"configure", "open", "break on", "break off", "close"}));
        QCOMPARE(bench.link.calls()[3].timeMs - bench.link.calls()[2].timeMs, qint64(1500));
        QCOMPARE(bench.clock.realWaits(), QList<int>{1500});
    }
};

QTEST_GUILESS_MAIN(TestSerialSequences)
#include "tst_serial_sequences.moc"
