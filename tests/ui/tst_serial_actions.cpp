#include "tests/support/test_window.h"
#include "ui/serial_actions.h"

#include <QLabel>
#include <QRadioButton>

namespace {
// The real window on a recorded line; Com1 is "port1".
struct Window : TestWindow {
    Window() : TestWindow(false, {}, true) {
        main->serialActions().setPortResolver(
            [](int n) { return QStringLiteral("port%1").arg(n); });
        show();
    }
    QWidget* progress() const { return main->findChild<QWidget*>(QStringLiteral("Form2")); }
    QLabel* label(const char* name) const {
        return progress()->findChild<QLabel*>(QLatin1String(name));
    }
    // Whether a click reaches a plain control of the window (the 3D option).
    bool takesClicks() {
        auto* option = named<QRadioButton>("Option6");
        option->setChecked(false);
        click(option);
        return option->isChecked();
    }
    void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
} // namespace

class TestSerialActions : public QObject {
    Q_OBJECT
  private slots:
    // An upload shows its progress once the break is over; it leaves no window, open line
    // or busy state behind, also when the port is missing or the line dies mid-frame.
    void uploadLeavesNothingBehind_data() {
        QTest::addColumn<QString>("op"); // the line operation that fails; none: the map is sent
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<QString>("messageEnd");
        QTest::newRow("sent") << QString() << 0 << QString();
        QTest::newRow("port missing") << "open" << 0 << "Choose another one!";
        QTest::newRow("line dies mid-frame") << "write" << 40 << "Error Code: 8109";
    }
    void uploadLeavesNothingBehind() {
        QFETCH(QString, op);
        QFETCH(int, occurrence);
        QFETCH(QString, messageEnd);
        Window w;
        if (!op.isEmpty()) {
            w.link.failAt(op, occurrence,
                          SerialError{op == "open" ? 8002 : 8109, QStringLiteral("Gone")});
            w.dialogs.answerMessage(Dialogs::Answer::Ok);
        }
        w.click(w.named("Command1"));
        if (op.isEmpty()) {
            QCOMPARE(w.link.portName(), QStringLiteral("port1"));
            QVERIFY(!w.progress() || !w.progress()->isVisible()); // not before the break is over
            QVERIFY(w.clock.step());                              // break over, first packet
            QVERIFY(w.progress() && w.progress()->isVisible());
            QCOMPARE(w.label("Label2")->text(), QStringLiteral("0%"));
            QCOMPARE(w.progress()->windowTitle(), QStringLiteral("Sending Data — port1"));
            while (!w.label("Label3")->isVisible())
                QVERIFY(w.clock.step());
            for (int i = 0; i < 16; ++i)
                QVERIFY(w.progress()->findChild<QWidget*>(arrayName("Shape1", i))->isVisible());
            QVERIFY(!w.label("Label2")->isVisible());
            QVERIFY(!w.link.isOpen());
        }
        w.clock.run();
        w.flushDeletes();
        QCOMPARE(w.dialogs.calls().size(), op.isEmpty() ? 0 : 1);
        if (op.isEmpty()) {
            QCOMPARE(w.link.written().size(), 768);
        } else {
            QVERIFY2(w.dialogs.lastCall().text.endsWith(messageEnd),
                     qPrintable(w.dialogs.lastCall().text));
            QCOMPARE(w.dialogs.lastCall().title, QStringLiteral("VORTAMIX"));
        }
        QVERIFY(!w.progress());
        QVERIFY(!w.link.isOpen());
        QVERIFY(!w.main->serialActions().isBusy());
    }

    // While a transfer runs the window takes no input; only a close request of the main
    // window and one press of Version? are held and carried out when it ends (the close
    // after a flash the press started). The progress window refuses to be closed.
    void heldInputRunsWhenTheTransferEnds_data() {
        QTest::addColumn<bool>("upload");
        QTest::newRow("two presses during the flash") << false;
        QTest::newRow("press and close during the upload") << true;
    }
    void heldInputRunsWhenTheTransferEnds() {
        QFETCH(bool, upload);
        Window w;
        QWidget* version = w.named("Command4");
        if (upload) {
            w.click(w.named("Command1"));
            w.clock.step();
            QVERIFY(!w.progress()->windowHandle()->close());
            QVERIFY(w.progress()->isVisible());
        } else {
            w.click(version);
        }
        QVERIFY(!w.takesClicks());
        for (int i = 0; i < (upload ? 1 : 2); ++i)
            w.click(version);
        if (upload) {
            w.main->windowHandle()->close();
            w.dialogs.answerMessage(Dialogs::Answer::No); // the exit question, once it ends
        }
        QVERIFY(w.main->isVisible());

        w.clock.run();
        QCOMPARE(w.main->isVisible(), !upload);
        QStringList lineOps; // each of the two transfers opens, breaks and closes the port
        for (const QString& op : w.link.ops())
            if (op != "configure" && op != "write")
                lineOps << op;
        const QStringList transfer{"open", "break on", "break off", "close"};
        QCOMPARE(lineOps, transfer + transfer);
        QCOMPARE(w.clock.realWaits().count(1500), 2);
        QVERIFY(upload || w.takesClicks());
    }
};

QTEST_MAIN(TestSerialActions)
#include "tst_serial_actions.moc"
