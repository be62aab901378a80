#include "core/language_texts.h"
#include "device/upload_sequence.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_progress.h"
#include "tests/support/recording_serial_link.h"
#include "tests/support/scripted_dialogs.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(SerialError)
Q_DECLARE_METATYPE(FrameBuild)

namespace {
FrameBuild sampleFrame() {
    FrameBuild build;
    for (int k = 0; k < 256; ++k)
        build.frame[k] = (k * 7 + 3) % 256;
    return build;
}

QByteArray packetsOf(const DeviceFrame& frame, int count) {
    QByteArray bytes;
    for (int k = 0; k < count; ++k)
        bytes += QByteArray(1, static_cast<char>(frame[k])) + "\xFF\xFF";
    return bytes;
}

// One upload against the doubles, with every wait fired at once.
struct Bench {
    FakeClock clock;
    RecordingSerialLink link{&clock};
    RecordingProgress progress;
    ScriptedDialogs dialogs;
    LanguageTexts texts;
    UploadSequence upload{link, clock, progress, dialogs, texts};
    QSignalSpy finished{&upload, &UploadSequence::finished};

    UploadSequence::Outcome run(const FrameBuild& build) {
        upload.start(QStringLiteral("/dev/ttyUSB0"), build);
        clock.run();
        if (finished.size() != 1)
            qFatal("upload did not finish exactly once");
        return finished.takeFirst().at(0).value<UploadSequence::Outcome>();
    }

    qint64 timeOf(const QString& op) const {
        for (const RecordingSerialLink::Call& call : link.calls())
            if (call.op == op)
                return call.timeMs;
        return -1;
    }
};
} // namespace

class TestUploadSequence : public QObject {
    Q_OBJECT
private slots:
    void sendsFrameInOrder();
    void progressAfterPacket_data();
    void progressAfterPacket();
    void serialErrors_data();
    void serialErrors();
    void refusedFrames_data();
    void refusedFrames();
    void ignoresSecondStartWhileRunning();
};

void TestUploadSequence::sendsFrameInOrder() {
    Bench bench;
    const FrameBuild build = sampleFrame();
    QCOMPARE(bench.run(build), UploadSequence::Outcome::Sent);

    QStringList expected = {"configure", "open", "break on", "break off"};
    for (int k = 0; k < 256; ++k)
        expected << "write";
    expected << "close";
    QCOMPARE(bench.link.ops(), expected);
    QCOMPARE(bench.link.portName(), QStringLiteral("/dev/ttyUSB0"));
    const LineSettings settings = bench.link.settings();
    QCOMPARE(settings.baudRate, 2400);
    QCOMPARE(settings.parity, 'n');
    QCOMPARE(settings.dataBits, 8);
    QCOMPARE(settings.stopBits, 1);
    QVERIFY(settings.dataTerminalReady);
    QVERIFY(!settings.requestToSend);

    // Every write is one packet of three bytes.
    for (const RecordingSerialLink::Call& call : bench.link.calls())
        if (call.op == "write")
            QCOMPARE(call.bytes.size(), 3);
    QCOMPARE(bench.link.written(), packetsOf(build.frame, 256));

    QCOMPARE(bench.timeOf("break off") - bench.timeOf("break on"), qint64(500));
    QCOMPARE(bench.clock.realWaits(), (QList<int>{500, 300, 1500}));
    // The progress appears once the break is over and ends with the confirmation.
    QCOMPARE(bench.progress.events().first(), QStringLiteral("show"));
    QCOMPARE(bench.progress.events().mid(bench.progress.events().size() - 2),
             (QStringList{"done", "close"}));
    QVERIFY(!bench.progress.isShown());
    QVERIFY(!bench.link.isOpen());
    QVERIFY(bench.dialogs.calls().isEmpty());
}

void TestUploadSequence::progressAfterPacket_data() {
    QTest::addColumn<int>("packet");
    QTest::addColumn<int>("squares");
    QTest::addColumn<QString>("percent");
    QTest::newRow("first packet") << 0 << 0 << "0%";
    QTest::newRow("second packet") << 1 << 0 << "1%";
    QTest::newRow("eighth packet, half rounds down") << 7 << 0 << "3%";
    QTest::newRow("ninth packet shows the first square") << 8 << 1 << "4%";
    QTest::newRow("23rd packet") << 22 << 1 << "9%";
    QTest::newRow("24th packet, half rounds up to even") << 23 << 2 << "9%";
    QTest::newRow("32nd packet, 12.5 rounds to 12") << 31 << 2 << "12%";
    QTest::newRow("40th packet, 2.5 rounds to 2") << 39 << 2 << "16%";
    QTest::newRow("41st packet") << 40 << 3 << "16%";
    QTest::newRow("96th packet, 37.5 rounds to 38") << 95 << 6 << "38%";
    QTest::newRow("128th packet") << 127 << 8 << "50%";
    QTest::newRow("last packet") << 255 << 16 << "100%";
}

void TestUploadSequence::progressAfterPacket() {
    QFETCH(int, packet);
    QFETCH(int, squares);
    QFETCH(QString, percent);
    Bench bench;
    bench.run(sampleFrame());

    // The percentage is set once per packet; count the squares shown before it.
    int packetsSeen = 0;
    QList<int> shown;
    for (const QString& event : bench.progress.events()) {
        if (event.startsWith("square "))
            shown.append(event.mid(7).toInt());
        if (!event.startsWith("percent "))
            continue;
        if (packetsSeen++ == packet) {
            QCOMPARE(event, "percent " + percent);
            break;
        }
    }
    QCOMPARE(shown.size(), squares);
    for (int i = 0; i < shown.size(); ++i)
        QCOMPARE(shown[i], i);
}

void TestUploadSequence::serialErrors_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<SerialError>("error");
    QTest::addColumn<bool>("hungarian");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("packetsSent");

    const QString missing = "The selected 'Com Port' does not exist! Choose another one!";
    QTest::newRow("port missing") << "open" << 0 << SerialError{8002, "No such file or directory"}
                                  << false << missing << 0;
    QTest::newRow("port missing, Hungarian")
        << "open" << 0 << SerialError{8002, "No such file or directory"} << true
        << "A megadott számú 'Com Port' nem létezik a számítógépen! Válasszon másikat!" << 0;
    QTest::newRow("port busy") << "open" << 0 << SerialError{8005, "Permission denied"} << false
                               << "[ERROR: Serial Port]: 'Permission denied.' Error Code: 8005"
                               << 0;
    QTest::newRow("port busy, Hungarian")
        << "open" << 0 << SerialError{8005, "Permission denied"} << true
        << "[HIBA: Soros port]: 'Permission denied.' Hibakód: 8005" << 0;
    QTest::newRow("break refused") << "break on" << 0 << SerialError{8015, "Break failed"}
                                   << false
                                   << "[ERROR: Serial Port]: 'Break failed.' Error Code: 8015"
                                   << 0;
    QTest::newRow("write fails mid-frame")
        << "write" << 100 << SerialError{8020, "Input/output error"} << false
        << "[ERROR: Serial Port]: 'Input/output error.' Error Code: 8020" << 100;
    QTest::newRow("last write fails")
        << "write" << 255 << SerialError{8020, "Input/output error"} << false
        << "[ERROR: Serial Port]: 'Input/output error.' Error Code: 8020" << 255;
}

void TestUploadSequence::serialErrors() {
    QFETCH(QString, op);
    QFETCH(int, occurrence);
    QFETCH(SerialError, error);
    QFETCH(bool, hungarian);
    QFETCH(QString, message);
    QFETCH(int, packetsSent);
    Bench bench;
    bench.texts.setLanguage(hungarian ? Language::Hungarian : Language::English);
    bench.link.failAt(op, occurrence, error);
    bench.dialogs.answerMessage(Dialogs::Answer::Ok);
    const FrameBuild build = sampleFrame();

    QCOMPARE(bench.run(build), UploadSequence::Outcome::Failed);
    QCOMPARE(bench.dialogs.calls().size(), 1);
    const ScriptedDialogs::Call call = bench.dialogs.lastCall();
    QCOMPARE(call.text, message);
    QCOMPARE(call.title, QStringLiteral("VORTAMIX"));
    QCOMPARE(call.buttons, Dialogs::Buttons::Ok);
    QCOMPARE(call.icon, Dialogs::Icon::None);
    QCOMPARE(bench.link.written(), packetsOf(build.frame, packetsSent));
    QVERIFY(!bench.link.isOpen());
    QVERIFY(!bench.progress.isShown());

    // Nothing of the failed attempt lingers: the next one goes through.
    bench.link.clear();
    QCOMPARE(bench.run(build), UploadSequence::Outcome::Sent);
    QCOMPARE(bench.link.written(), packetsOf(build.frame, 256));
    QCOMPARE(bench.dialogs.calls().size(), 1);
}

void TestUploadSequence::refusedFrames_data() {
    QTest::addColumn<FrameBuild>("build");
    QTest::addColumn<QString>("message");

    const QString overflow = "[ERROR: Serial Port]: 'Overflow.' Error Code: 6";
    FrameBuild revLimit = sampleFrame();
    revLimit.frame[250] = 271;
    QTest::newRow("byte above 255 late in the frame") << revLimit << overflow;
    FrameBuild negative = sampleFrame();
    negative.frame[0] = -1;
    QTest::newRow("negative first byte") << negative << overflow;
    FrameBuild last = sampleFrame();
    last.frame[255] = 256;
    QTest::newRow("last byte 256") << last << overflow;
    FrameBuild empty = sampleFrame();
    empty.conversionError = SerialError{13, "Type mismatch"};
    QTest::newRow("empty field") << empty << "[ERROR: Serial Port]: 'Type mismatch.' Error Code: 13";
}

void TestUploadSequence::refusedFrames() {
    QFETCH(FrameBuild, build);
    QFETCH(QString, message);
    Bench bench;
    bench.dialogs.answerMessage(Dialogs::Answer::Ok);

    QCOMPARE(bench.run(build), UploadSequence::Outcome::Refused);
    QCOMPARE(bench.dialogs.lastCall().text, message);
    QCOMPARE(bench.dialogs.lastCall().title, QStringLiteral("VORTAMIX"));
    // The port is never touched, so not a single byte of a damaged frame leaves.
    QVERIFY(bench.link.ops().isEmpty());
    QVERIFY(!bench.progress.isShown());
}

void TestUploadSequence::ignoresSecondStartWhileRunning() {
    Bench bench;
    const FrameBuild build = sampleFrame();
    QVERIFY(bench.upload.start("/dev/ttyUSB0", build));
    QVERIFY(!bench.upload.start("/dev/ttyUSB0", build));
    bench.clock.run();
    QCOMPARE(bench.finished.size(), 1);
    QCOMPARE(bench.link.ops().count("open"), 1);
    QCOMPARE(bench.link.written(), packetsOf(build.frame, 256));
    QVERIFY(!bench.upload.isRunning());
}

QTEST_GUILESS_MAIN(TestUploadSequence)
#include "tst_upload_sequence.moc"
