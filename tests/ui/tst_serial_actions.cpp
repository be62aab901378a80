#include "core/map_document.h"
#include "language/language_texts.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_serial_link.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/serial_actions.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

namespace {
// A stand-in main window with a plain button, to see whether input reaches it, and a
// version button that asks for a flash on port 16.
struct Window {
    QWidget main;
    QPushButton* button = new QPushButton(QStringLiteral("x"), &main);
    QPushButton* version = new QPushButton(QStringLiteral("Version?"), &main);
    FakeClock clock;
    RecordingSerialLink link{&clock};
    ScriptedDialogs dialogs;
    LanguageTexts texts;
    SerialActions actions{&main, dialogs, texts, link, clock};

    Window() {
        main.setGeometry(100, 100, 800, 600);
        version->setGeometry(300, 10, 80, 25);
        main.show();
        actions.setPortResolver([](int n) { return QStringLiteral("port%1").arg(n); });
        actions.setVersionButton(version);
        QObject::connect(version, &QPushButton::clicked, &actions,
                         [this] { actions.flashVersion(16); });
    }
    QWidget* progress() const { return main.findChild<QWidget*>(QStringLiteral("Form2")); }
    QLabel* label(const char* name) const {
        return progress()->findChild<QLabel*>(QLatin1String(name));
    }
    int squaresShown() const {
        int shown = 0;
        for (int i = 0; i < 16; ++i)
            shown += progress()->findChild<QWidget*>(QString("Shape1(%1)").arg(i))->isVisible();
        return shown;
    }
    bool buttonTakesClicks() {
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::mouseClick(button, Qt::LeftButton);
        return clicked.size() == 1;
    }
    void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

MapDocument document() {
    return MapDocument::startupDefaults(QStringLiteral("."));
}
} // namespace

class TestSerialActions : public QObject {
    Q_OBJECT
  private slots:
    void uploadShowsProgress() {
        Window w;
        w.actions.send(document(), QStringLiteral("."), 3);
        QCOMPARE(w.link.portName(), QStringLiteral("port3"));
        QVERIFY(!w.progress() || !w.progress()->isVisible()); // not before the break is over

        QVERIFY(w.clock.step()); // break over, first packet
        QVERIFY(w.progress() && w.progress()->isVisible());
        QCOMPARE(w.label("Label2")->text(), QStringLiteral("0%"));
        QCOMPARE(w.progress()->windowTitle(), QStringLiteral("Sending Data — port3"));
        while (!w.label("Label3")->isVisible())
            QVERIFY(w.clock.step());
        QCOMPARE(w.squaresShown(), 16);
        QVERIFY(!w.label("Label2")->isVisible());
        QVERIFY(!w.link.isOpen());
        w.clock.run();
        w.flushDeletes();
        QVERIFY(!w.progress());
        QCOMPARE(w.link.written().size(), 768);
    }

    void errorsLeaveNoWindowBehind_data() {
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<QString>("messageEnd");
        QTest::newRow("port missing") << "open" << 0 << "Choose another one!";
        QTest::newRow("line dies mid-frame") << "write" << 40 << "Error Code: 8109";
    }
    void errorsLeaveNoWindowBehind() {
        QFETCH(QString, op);
        QFETCH(int, occurrence);
        QFETCH(QString, messageEnd);
        Window w;
        w.link.failAt(op, occurrence,
                      SerialError{op == "open" ? 8002 : 8109, QStringLiteral("Gone")});
        w.dialogs.answerMessage(Dialogs::Answer::Ok);

        w.actions.send(document(), QStringLiteral("."), 1);
        w.clock.run();
        w.flushDeletes();
        QCOMPARE(w.dialogs.calls().size(), 1);
        QVERIFY2(w.dialogs.lastCall().text.endsWith(messageEnd),
                 qPrintable(w.dialogs.lastCall().text));
        QCOMPARE(w.dialogs.lastCall().title, QStringLiteral("VORTAMIX"));
        QVERIFY(!w.progress());
        QVERIFY(!w.link.isOpen());
        QVERIFY(!w.actions.isBusy());
    }

    // While a transfer runs the window takes no input; only a close request of the main
    // window and one press of Version? are held and carried out when it ends (the close
    // after a flash the press started). The progress window refuses to be closed.
    void heldInputRunsWhenTheTransferEnds_data() {
        QTest::addColumn<bool>("upload");
        QTest::addColumn<int>("versionPresses");
        QTest::addColumn<bool>("close");
        QTest::addColumn<int>("transfers");
        QTest::newRow("two presses during the flash") << false << 2 << false << 2;
        QTest::newRow("press and close during the upload") << true << 1 << true << 2;
    }
    void heldInputRunsWhenTheTransferEnds() {
        QFETCH(bool, upload);
        QFETCH(int, versionPresses);
        QFETCH(bool, close);
        QFETCH(int, transfers);
        Window w;
        QWindow* window = w.main.windowHandle();
        if (upload) {
            w.actions.send(document(), QStringLiteral("."), 16);
            w.clock.step();
            QVERIFY(!w.progress()->windowHandle()->close());
            QVERIFY(w.progress()->isVisible());
        } else {
            w.version->click();
        }
        QVERIFY(!w.buttonTakesClicks());
        for (int i = 0; i < versionPresses; ++i)
            QTest::mouseClick(window, Qt::LeftButton, {}, w.version->geometry().center());
        if (close)
            window->close();
        QVERIFY(w.main.isVisible());

        w.clock.run();
        QCOMPARE(w.main.isVisible(), !close);
        QStringList lineOps; // each transfer opens, breaks and closes the port on its own
        for (const QString& op : w.link.ops())
            if (op != "configure" && op != "write")
                lineOps << op;
        QStringList expected;
        for (int i = 0; i < transfers; ++i)
            expected += QStringList{"open", "break on", "break off", "close"};
        QCOMPARE(lineOps, expected);
        QCOMPARE(w.link.portName(), QStringLiteral("port16"));
        QCOMPARE(w.clock.realWaits().count(1500), transfers);
        QVERIFY(w.buttonTakesClicks());
    }
};

QTEST_MAIN(TestSerialActions)
#include "tst_serial_actions.moc"
