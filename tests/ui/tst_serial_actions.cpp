#include "core/language_texts.h"
#include "core/map_document.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_serial_link.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/serial_actions.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
// A stand-in main window with one button, to see whether input reaches it.
struct Window {
    QWidget main;
    QPushButton* button = new QPushButton(QStringLiteral("x"), &main);
    FakeClock clock;
    RecordingSerialLink link{&clock};
    ScriptedDialogs dialogs;
    LanguageTexts texts;
    SerialActions actions{&main, dialogs, texts, link, clock};

    Window() {
        main.setGeometry(100, 100, 800, 600);
        main.show();
        actions.setPortResolver([](int n) { return QStringLiteral("port%1").arg(n); });
    }
    QWidget* progress() const { return main.findChild<QWidget*>(QStringLiteral("Form2")); }
    QLabel* label(const char* name) const {
        return progress()->findChild<QLabel*>(QLatin1String(name));
    }
    int squaresShown() const {
        int shown = 0;
        for (int i = 0; i < 16; ++i)
            if (progress()->findChild<QWidget*>(QStringLiteral("Shape1(%1)").arg(i))->isVisible())
                ++shown;
        return shown;
    }
    bool buttonTakesClicks() {
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::mouseClick(button, Qt::LeftButton);
        return clicked.size() == 1;
    }
    void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

MapDocument document() { return MapDocument::startupDefaults(QStringLiteral(".")); }
} // namespace

class TestSerialActions : public QObject {
    Q_OBJECT
private slots:
    void uploadShowsProgressAndBlocksInput_data() {
        QTest::addColumn<bool>("hungarian");
        QTest::addColumn<QStringList>("texts"); // title with the port, "sent" label, closing note
        QTest::newRow("English") << false
                                 << QStringList{"Sending Data — port3", "Sent:", "Data has been sent!"};
        QTest::newRow("Hungarian") << true << QStringList{"Adatállomány elküldése — port3", "Elküldve:",
                                                          "Adatállomány elküldve!"};
    }
    void uploadShowsProgressAndBlocksInput() {
        QFETCH(bool, hungarian);
        QFETCH(QStringList, texts);
        Window w;
        w.texts.setLanguage(hungarian ? Language::Hungarian : Language::English);
        QSignalSpy finished(&w.actions, &SerialActions::sendFinished);
        w.actions.send(document(), QStringLiteral("."), 3);
        QCOMPARE(w.link.portName(), QStringLiteral("port3"));
        QVERIFY(!w.buttonTakesClicks());
        QVERIFY(!w.progress() || !w.progress()->isVisible()); // not before the break is over

        QVERIFY(w.clock.step()); // break over, first packet
        QWidget* progress = w.progress();
        QVERIFY(progress && progress->isVisible());
        const QRect main = w.main.geometry();
        QCOMPARE(progress->x(), main.left() + main.width() / 2 - progress->width() / 2);
        QCOMPARE(progress->y(), main.top() + main.height() / 2 - progress->height() / 2);
        QCOMPARE(w.label("Label2")->text(), QStringLiteral("0%"));
        QCOMPARE((QStringList{progress->windowTitle(), w.label("Label1")->text(),
                              w.label("Label3")->text()}),
                 texts);
        QCOMPARE(w.squaresShown(), 0);
        for (int i = 0; i < 8; ++i)
            w.clock.step();
        QCOMPARE(w.squaresShown(), 1);

        while (!w.label("Label3")->isVisible())
            QVERIFY(w.clock.step());
        QCOMPARE(w.squaresShown(), 16);
        QVERIFY(!w.label("Label2")->isVisible());
        QVERIFY(!w.link.isOpen());

        w.clock.run();
        w.flushDeletes();
        QVERIFY(!w.progress());
        QCOMPARE(finished.size(), 1);
        QVERIFY(w.buttonTakesClicks());

        QCOMPARE(w.link.written().size(), 768);
    }

    void errorsLeaveNoWindowBehind_data() {
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("occurrence");
        QTest::addColumn<bool>("emptyCell");
        QTest::addColumn<QString>("messageEnd");
        QTest::newRow("port missing") << "open" << 0 << false << "Choose another one!";
        QTest::newRow("line dies mid-frame") << "write" << 40 << false << "Error Code: 8109";
        QTest::newRow("empty cell") << "" << 0 << true << "Error Code: 13";
    }

    void errorsLeaveNoWindowBehind() {
        QFETCH(QString, op);
        QFETCH(int, occurrence);
        QFETCH(bool, emptyCell);
        QFETCH(QString, messageEnd);
        Window w;
        w.link.failAt(op, occurrence,
                      SerialError{op == "open" ? 8002 : 8109, QStringLiteral("Gone")});
        MapDocument doc = document();
        if (emptyCell)
            doc.cells[3][2].clear();
        w.dialogs.answerMessage(Dialogs::Answer::Ok);

        w.actions.send(doc, QStringLiteral("."), 1);
        w.clock.run();
        w.flushDeletes();
        QCOMPARE(w.dialogs.calls().size(), 1);
        QVERIFY2(w.dialogs.lastCall().text.endsWith(messageEnd), qPrintable(w.dialogs.lastCall().text));
        QCOMPARE(w.dialogs.lastCall().title, QStringLiteral("VORTAMIX"));
        QVERIFY(!w.progress());
        QVERIFY(!w.link.isOpen());
        QVERIFY(!w.actions.isBusy());
        QVERIFY(w.buttonTakesClicks());
        if (emptyCell)
            QVERIFY(w.link.ops().isEmpty());
    }

    void versionFlashBlocksInputForItsBreak() {
        Window w;
        QSignalSpy finished(&w.actions, &SerialActions::versionFinished);
        w.actions.flashVersion(16);
        QCOMPARE(w.link.portName(), QStringLiteral("port16"));
        QVERIFY(!w.buttonTakesClicks());
        w.clock.run();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(w.clock.realWaits(), QList<int>{1500});
        QVERIFY(w.buttonTakesClicks());
    }
};

QTEST_MAIN(TestSerialActions)
#include "tst_serial_actions.moc"
