#include "core/language_texts.h"
#include "device/version_flash.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_serial_link.h"
#include "tests/support/scripted_dialogs.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(SerialError)

namespace {
struct Bench {
    FakeClock clock;
    RecordingSerialLink link{&clock};
    ScriptedDialogs dialogs;
    LanguageTexts texts;
    VersionFlash flash{link, clock, dialogs, texts};
    QSignalSpy finished{&flash, &VersionFlash::finished};

    bool run() {
        flash.start(QStringLiteral("COM2"));
        clock.run();
        if (finished.size() != 1)
            qFatal("version request did not finish exactly once");
        return finished.takeFirst().at(0).toBool();
    }
};
} // namespace

class TestVersionFlash : public QObject {
    Q_OBJECT
private slots:
    void holdsBreakForOneAndAHalfSeconds();
    void twoRequestsAreTwoBreaks();
    void errors_data();
    void errors();
};

void TestVersionFlash::holdsBreakForOneAndAHalfSeconds() {
    Bench bench;
    QVERIFY(bench.run());
    QCOMPARE(bench.link.ops(), (QStringList{"configure", "open", "break on", "break off", "close"}));
    QCOMPARE(bench.link.calls()[3].timeMs - bench.link.calls()[2].timeMs, qint64(1500));
    QCOMPARE(bench.link.portName(), QStringLiteral("COM2"));
    QCOMPARE(bench.link.settings().baudRate, 2400);
    QVERIFY(bench.link.written().isEmpty());
    QVERIFY(!bench.link.isOpen());
}

void TestVersionFlash::twoRequestsAreTwoBreaks() {
    Bench bench;
    QVERIFY(bench.run());
    QVERIFY(bench.run());
    const QStringList one = {"configure", "open", "break on", "break off", "close"};
    QCOMPARE(bench.link.ops(), one + one);
    QCOMPARE(bench.clock.realWaits(), (QList<int>{1500, 1500}));
}

void TestVersionFlash::errors_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<SerialError>("error");
    QTest::addColumn<QString>("message");
    QTest::newRow("port missing") << "open" << SerialError{8002, "No such file or directory"}
                                  << "The selected 'Com Port' does not exist! Choose another one!";
    QTest::newRow("break not cleared") << "break off" << SerialError{8021, "Device removed"}
                                       << "[ERROR: Serial Port]: 'Device removed.' Error Code: 8021";
}

void TestVersionFlash::errors() {
    QFETCH(QString, op);
    QFETCH(SerialError, error);
    QFETCH(QString, message);
    Bench bench;
    bench.link.failAt(op, 0, error);
    bench.dialogs.answerMessage(Dialogs::Answer::Ok);

    QVERIFY(!bench.run());
    QCOMPARE(bench.dialogs.calls().size(), 1);
    QCOMPARE(bench.dialogs.lastCall().text, message);
    QCOMPARE(bench.dialogs.lastCall().title, QStringLiteral("VORTAMIX"));
    QCOMPARE(bench.dialogs.lastCall().icon, Dialogs::Icon::None);
    QVERIFY(!bench.link.isOpen());
    QVERIFY(!bench.flash.isRunning());
}

QTEST_GUILESS_MAIN(TestVersionFlash)
#include "tst_version_flash.moc"
