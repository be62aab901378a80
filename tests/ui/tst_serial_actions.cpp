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
    // What a transfer leaves behind once deferred deletes are done; empty when nothing.
    QString leftBehind() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return QString(progress() ? "progress window " : "") + (link.isOpen() ? "open line " : "") +
               (main->serialActions().isBusy() ? "busy" : "");
    }
    // Whether a click reaches a plain control of the window (the 3D option).
    bool takesClicks() {
        named<QRadioButton>("Option5")->setChecked(true); // the 2D option lets go of the 3D one
        click(named("Option6"));
        return named<QRadioButton>("Option6")->isChecked();
    }
};
} // namespace

class TestSerialActions : public QObject {
    Q_OBJECT
  private slots:
    // An upload shows its progress once the break is over; it leaves no window, open line
    // or busy state behind, also when the port is missing or the line dies mid-frame.
    void uploadLeavesNothingBehind() {
        Window w;
        struct Fault { // the line operation that fails, and the end of the message then
            const char* op;
            int occurrence, code;
            QString messageEnd;
        };
        for (const Fault& f : {Fault{"open", 0, 8002, "Choose another one!"},
                               Fault{"write", 40, 8109, "Error Code: 8109"}}) {
            w.link.clear();
            w.link.failAt(f.op, f.occurrence, SerialError{f.code, QStringLiteral("Gone")});
            w.dialogs.answerMessage(Dialogs::Answer::Ok);
            w.click(w.named("Command1"));
            w.clock.run();
            QCOMPARE(w.leftBehind(), QString());
            QVERIFY2(w.dialogs.lastCall().text.endsWith(f.messageEnd),
                     qPrintable(w.dialogs.lastCall().text));
            QCOMPARE(w.dialogs.lastCall().title, QStringLiteral("VORTAMIX"));
        }
        w.link.clear();
        w.click(w.named("Command1"));
        QCOMPARE(w.link.portName(), QStringLiteral("port1"));
        QVERIFY(!w.progress() || !w.progress()->isVisible()); // not before the break is over
        QVERIFY(w.clock.step());                              // break over, first packet
        QVERIFY(w.progress() && w.progress()->isVisible());
        QCOMPARE(w.label("Label2")->text() + ' ' + w.progress()->windowTitle(),
                 QStringLiteral("0% Sending Data — port1"));
        while (!w.label("Label3")->isVisible())
            QVERIFY(w.clock.step());
        QVERIFY(!w.label("Label2")->isVisible() && !w.link.isOpen());
        w.clock.run();
        QCOMPARE(w.leftBehind(), QString());
        QCOMPARE(w.dialogs.calls().size(), 2);
        QCOMPARE(w.link.written().size(), 768);
    }

    // While a transfer runs the window takes no input; only a close request of the main
    // window and one press of Version? are held and carried out when it ends (the close
    // after a flash the press started). The progress window refuses to be closed.
    void heldInputRunsWhenTheTransferEnds() {
        Window w;
        QWidget* version = w.named("Command4");
        const auto lineOps = [&] { // each transfer opens, breaks and closes the port
            QStringList ops;
            for (const QString& op : w.link.ops())
                if (op != "configure" && op != "write")
                    ops << op;
            return ops.join(", ");
        };
        const QString transfer = "open, break on, break off, close";
        // Two presses during a flash: one flash follows.
        w.click(version);
        QVERIFY(!w.takesClicks());
        w.click(version);
        w.click(version);
        w.clock.run();
        QCOMPARE(lineOps(), transfer + ", " + transfer);
        QCOMPARE(w.leftBehind(), QString());
        QVERIFY(w.takesClicks());
        // A press and a close during an upload: the flash, then the exit question.
        w.click(w.named("Command1"));
        w.clock.step();
        QVERIFY(!w.progress()->windowHandle()->close());
        QVERIFY(w.progress()->isVisible());
        QVERIFY(!w.takesClicks());
        w.click(version);
        w.main->windowHandle()->close();
        w.dialogs.answerMessage(Dialogs::Answer::No); // the exit question, once it ends
        QVERIFY(w.main->isVisible());
        w.clock.run();
        QVERIFY(!w.main->isVisible());
        QCOMPARE(lineOps(), QStringList(4, transfer).join(", "));
        QCOMPARE(w.clock.realWaits().count(1500), 4);
    }
};

QTEST_MAIN(TestSerialActions)
#include "tst_serial_actions.moc"
