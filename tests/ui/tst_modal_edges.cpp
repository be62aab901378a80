#include "core/twips.h"
#include "editor/block_operations.h"
#include "graph/graph_panel.h"
#include "tests/support/test_window.h"
#include "ui/document_owner.h"
#include "ui/serial_actions.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>

namespace {
// The real window with really modal boxes; a release that comes while a box is open is
// blocked as on a desktop.
struct Window : TestWindow {
    explicit Window(const QString& separator)
        : TestWindow(true,
                     [separator](TestWindow& w) {
                         QDir::setCurrent(w.dir.path()); // the trace log
                         QLocale::setDefault(separator == "," ? QLocale::German : QLocale::English);
                     }),
          separator(separator) {
        main->serialActions().setPortResolver([](int) { return QStringLiteral("/no/such/port"); });
        if (!show())
            qFatal("The window did not become active");
    }
    // The focus moves on its own, as the user's press comes before the click.
    QWidget* focus(const QString& name) const {
        named(name)->setFocus();
        QCoreApplication::processEvents();
        return named(name);
    }
    QString number(QString text) const { return text.replace('#', separator); }
    // The press moves the focus and starts a check; the release comes while its box is open.
    void clickIntoCheck(QWidget* w) {
        QWindow* handle = main->windowHandle();
        const QPoint pos = at(w);
        dialogs.whileOpen([handle, pos] { QTest::mouseRelease(handle, Qt::LeftButton, {}, pos); });
        QTest::mousePress(handle, Qt::LeftButton, {}, pos);
        QCoreApplication::processEvents();
        QApplication::setActiveWindow(main.get()); // as a desktop does when the box has gone
    }
    void type(QWidget* w, const QString& text) {
        click(w);
        QTest::keyClicks(w, text);
    }
    void keys(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QApplication::setActiveWindow(main.get()); // as a desktop does when a box has gone
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // A few distinct values in the table, and nothing to undo yet.
    void seed() {
        MapDocument doc = document();
        doc.cells[3][1] = 100, doc.cells[3][2] = 75, doc.cells[4][1] = 305, doc.cells[5][3] = 200;
        main->applyLoadedDocument(doc);
        main->owner().restart();
    }
    // A committed cell, then typing not yet checked in the next one; the document between.
    MapDocument commitAndType(bool settle) {
        QTest::mouseClick(cell(7, 2), Qt::LeftButton);
        QTest::keyClicks(cell(7, 2), "33");
        keys(Qt::Key_Return, Qt::NoModifier);
        if (settle)
            QCoreApplication::processEvents();
        const MapDocument committed = document();
        QTest::keyClicks(QApplication::focusWidget(), "4");
        return committed;
    }
    QStringList log() const {
        return QString::fromLocal8Bit(contents(path("log.txt"))).split('\n');
    }

    QString separator;
};

// A typed text in a focused field, the action that must check it, the answer given and
// the value then shown.
struct Action {
    QString separator, action, field, typed, answer, shown;
};
} // namespace
Q_DECLARE_METATYPE(Action)

class ModalEdgesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }

    // The clicked control acts once the previous cell's check has passed, without a
    // second click.
    void clickedControlActsAfterTheCheck() {
        for (const QString target : {"Combo7", "Command8"}) {
            Window w(".");
            w.type(w.field("Text2(2)"), "abc");
            w.dialogs.answerInput(w.number("7#5"));

            w.clickIntoCheck(w.named(target));

            QCOMPARE(w.field("Text2(2)")->text(), w.number("7#5"));
            if (target == "Combo7") {
                QVERIFY(QApplication::activePopupWidget());
                QApplication::activePopupWidget()->close();
            } else {
                QCOMPARE(w.field("Text1(0)")->text(), w.number("1#0"));
            }
        }
    }

    // A clicked cell is entered once the previous cell's check has passed: its text is
    // selected, typing replaces it, Escape brings back its own text. Each click enters its
    // cell, so every bad text is checked however often it happens.
    void clickedCellIsEnteredAfterEveryCheck() {
        Window w(",");
        w.click(w.field("Text2(0)"));
        for (int row = 1; row <= 5; ++row) {
            QTest::keyClicks(QApplication::focusWidget(), "abc");
            w.dialogs.answerInput(w.number("1#5"));
            QLineEdit* clicked = w.cell(row, 1);
            const QString own = clicked->text();
            w.clickIntoCheck(clicked);
            QCOMPARE(w.cell(row - 1, 1)->text(), w.number("1#5"));
            QCOMPARE(QApplication::focusWidget(), clicked);
            QCOMPARE(clicked->selectedText(), own);
            QVERIFY(w.log().contains(QString("Text_Click_Uni(%1,%2,1)").arg(row).arg(own)));
        }
        QLineEdit* last = w.cell(5, 1);
        QTest::keyClicks(last, "12");
        QCOMPARE(last->text(), QStringLiteral("12"));
        QTest::keyClick(last, Qt::Key_Escape);
        QCOMPARE(last->text(), w.number("0#5"));
        QCOMPARE(w.dialogs.calls().size(), 5);
    }

    // A greyed field (a row made transparent) takes no click: nothing is checked or
    // entered, and Escape in the focused cell still brings back that cell's own text.
    void disabledFieldTakesNoClick() {
        Window w(".");
        w.field("Text3(1)")->setText("9.0");
        w.choose("Combo11", 3);
        QLineEdit* current = w.field("Text6(5)");
        w.type(current, "20");
        QVERIFY(!w.named("Text3(1)")->isEnabled());

        w.click(w.named("Text3(1)"));

        QCOMPARE(QApplication::focusWidget(), current);
        QCOMPARE(current->text(), QStringLiteral("20"));
        QTest::keyClick(current, Qt::Key_Escape);
        QCOMPARE(current->text(), QStringLiteral("0.5"));
        for (const QString& line : w.log())
            QVERIFY(!line.startsWith("Text_Click_Uni(") || !line.endsWith(",2)"));
        QVERIFY(w.dialogs.calls().isEmpty());
    }

    // Exit, a flag, a resolution and Save check the focused field first, as if it had
    // been left, and then go on with the value that passed.
    void actionsCheckTheFocusedFieldFirst_data() {
        QTest::addColumn<Action>("a");
        const auto row = [](const char* name, const Action& a) { QTest::newRow(name) << a; };
        row("exit, spark 9 back by Escape", {".", "exit", "Text15", "9", "1#8", "1#8"});
        row("flag, cell 99", {".", "flag", "Text2(2)", "99", "9", "9#0"});
        row("resolution, spark x", {",", "resolution", "Text15", "x", "1#8", "1#8"});
        row("save, spark x", {",", "save", "Text15", "x", "1#2", "1#2"});
    }
    void actionsCheckTheFocusedFieldFirst() {
        QFETCH(Action, a);
        Window w(a.separator);
        QLineEdit* edit = w.field(a.field);
        w.type(edit, a.typed);
        if (a.typed == "9") { // corrected on Enter, then Escape brings the 9 back
            w.dialogs.answerInput(w.number("1#5"));
            QTest::keyClick(edit, Qt::Key_Return);
            QTest::keyClick(edit, Qt::Key_Escape);
            QCOMPARE(edit->text(), a.typed);
        }
        const int asked = w.dialogs.calls().size();
        const QString path = w.path("map.klv");
        w.dialogs.answerInput(w.number(a.answer));
        if (a.action == "exit")
            w.dialogs.answerMessage(Dialogs::Answer::Yes);
        if (a.action == "exit" || a.action == "save")
            w.dialogs.answerSaveFile(path);

        if (a.action == "exit")
            w.main->close();
        else if (a.action == "flag")
            w.click(w.named("Picture3"));
        else if (a.action == "resolution")
            w.choose("Combo6", 3);
        else
            w.clickIntoCheck(w.named("Command2"));

        QCOMPARE(w.dialogs.calls()[asked].title, QStringLiteral("Attention!"));
        QCOMPARE(edit->text(), w.number(a.shown));
        if (a.action == "flag" || a.action == "resolution")
            QVERIFY(w.main->uiLanguage() == "hun" || w.field("Text8(29)")->isVisible());
        else // what is saved is the shown map, which the session player checks at every save
            QVERIFY(QFile::exists(path));
    }

    // A dragged block goes to the clipboard as a spreadsheet takes it and comes back at
    // another cell; the paste is one step to undo and redo. Escape after the paste and
    // after the undo puts back the cell's text as it now stands.
    void copyPasteRoundTripAndUndo() {
        Window w(",");
        w.seed();
        QWindow* handle = w.main->windowHandle(); // the pressed cell holds the mouse
        QTest::mousePress(handle, Qt::LeftButton, {}, w.at(w.cell(3, 1)));
        QTest::mouseMove(handle, w.at(w.cell(4, 2)));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, w.at(w.cell(4, 2)));
        w.keys(Qt::Key_C);
        const QString copied = "10,0\t7,5\n30,5\t0,5\n";
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QTest::mouseClick(w.cell(10, 3), Qt::LeftButton);
        const MapDocument before = w.document();
        w.keys(Qt::Key_V);
        w.keys(Qt::Key_Escape, Qt::NoModifier);
        const MapDocument after = w.document();
        QCOMPARE(BlockOperations::copyText(after, {10, 3, 11, 4}, ","), copied);
        w.keys(Qt::Key_Z);
        w.keys(Qt::Key_Escape, Qt::NoModifier);
        QCOMPARE(w.document(), before);
        w.keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.document(), after);
        // A bad value pastes nothing and says where it is.
        QGuiApplication::clipboard()->setText("7\tabc\n");
        w.dialogs.answerMessage(Dialogs::Answer::Ok);
        w.keys(Qt::Key_V);
        QCOMPARE(w.document(), after);
        QVERIFY(w.dialogs.lastCall().text.startsWith(
            "Nothing was pasted: the value 'abc' for row 11, column 5 is wrong."));
    }

    // Each operation on a Shift+click block, and each committed change elsewhere, is
    // one step; typing in the focused field is undone by the field first.
    // Focus that moved on while the window was not the active one (Tab left a field whose
    // check opened a box) still enters the field it reached: Escape there brings back that
    // field's own text, not the one of the field left.
    void escapeAfterTheFocusMovedOnBehindABox() {
        Window w(".");
        QLineEdit* spark = w.field("Text15");
        QLineEdit* charge = w.field("Text16");
        QTest::mouseClick(spark, Qt::LeftButton);
        // Qt hands the focus to the next field before the check of the one left runs.
        QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(charge, &deactivated);
        QFocusEvent activated(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(charge, &activated);
        QTest::keyClicks(charge, "7");
        QTest::keyClick(charge, Qt::Key_Escape);
        QCOMPARE(charge->text(), QStringLiteral("5"));
    }

    // Without a window manager nothing makes the window active again once an input box
    // has gone, yet the keys still reach its focused field: Ctrl+Z there undoes the value
    // the box made good.
    void undoAfterAnInputBoxWithoutAnActiveWindow() {
        Window w(".");
        auto* revLimit = qobject_cast<QLineEdit*>(w.focus("Text17"));
        QTest::keyClicks(revLimit, "abc");
        w.dialogs.answerInput("6000");
        QTest::keyClick(revLimit, Qt::Key_Return);
        QCOMPARE(w.document().revLimit, QStringLiteral("6000"));
        QApplication::setActiveWindow(nullptr);
        QTest::keyClick(w.main->focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(revLimit->text(), QString());
        QCOMPARE(w.document().revLimit, QString());
    }

    void everyChangeIsOneStep_data() {
        QTest::addColumn<QString>("change");
        for (const char* change : {"add", "shape", "spark", "note"})
            QTest::newRow(change) << QString(change);
    }
    void everyChangeIsOneStep() {
        QFETCH(QString, change);
        Window w(".");
        w.seed();
        QTest::mouseClick(w.cell(3, 1), Qt::LeftButton);
        QTest::mouseClick(w.cell(5, 3), Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::processEvents(); // as between the user's actions
        // The fields, the read-out and the chart follow the map, whatever part a step puts back.
        const auto state = [&] {
            return std::tuple(w.document(), w.named("Label11")->property("text"),
                              w.field("Text15")->text(), w.cell(7, 2)->text(),
                              w.main->graphs().model2D().curveSegment(2, 6).p2.y());
        };
        const auto before = state();
        if (change == "add") {
            w.dialogs.answerInput("2");
            w.keys(Qt::Key_D);
        } else if (change == "shape") {
            w.choose("Combo6", 4);
            // The block chosen in the table of the old shape is gone with it.
            QCOMPARE(w.cell(4, 2)->palette(), w.cell(9, 2)->palette());
        } else if (change == "spark") {
            auto* spark = qobject_cast<QLineEdit*>(w.focus("Text15"));
            spark->selectAll();
            QTest::keyClicks(spark, "1.5");
            w.keys(Qt::Key_Return, Qt::NoModifier);
        } else {
            QTest::keyClicks(w.focus("Text13"), "abc");
        }
        QCoreApplication::processEvents();
        const auto after = state();
        QVERIFY(std::get<0>(after) != std::get<0>(before));
        w.commitAndType(false);
        w.keys(Qt::Key_Z);
        w.keys(Qt::Key_Z);
        QVERIFY(state() == after);
        w.keys(Qt::Key_Z);
        QVERIFY(state() == before);
        w.keys(Qt::Key_Y);
        QVERIFY(state() == after);
    }

    // Undoing one cell brings it back into view.
    void undoneCellComesIntoView() {
        Window w(".");
        QTest::mouseClick(w.cell(35, 2), Qt::LeftButton);
        QTest::keyClicks(w.cell(35, 2), "33");
        w.keys(Qt::Key_Return, Qt::NoModifier);
        w.named<QScrollBar>("VScroll")->setValue(0);
        QVERIFY(w.main->childAt(w.at(w.cell(35, 2))) != w.cell(35, 2));
        w.keys(Qt::Key_Z);
        QCOMPARE(w.cell(35, 2)->text(), QStringLiteral("0.5"));
        QCOMPARE(w.main->childAt(w.at(w.cell(35, 2))), w.cell(35, 2));
    }

    // The grid menu's Undo checks the typing instead, which then is the step undone.
    void menuUndoChecksTheTypingFirst() {
        Window w(".");
        w.seed();
        auto* menu = w.main->form()->findChild<QMenu*>();
        const auto choose = [&](int entry) { // as the user opens the menu and picks the entry
            emit menu->aboutToShow();
            menu->actions().value(entry)->trigger();
        };
        const MapDocument before = w.document();
        const MapDocument typed = w.commitAndType(true);
        choose(0);
        choose(0);
        QCOMPARE(w.document(), before);
        choose(1);
        QCOMPARE(w.document(), typed);
    }

    // A right click on another cell checks the cell left and opens the menu in one event.
    void menuOpenedWithTheChangeOffersItsUndo() {
        Window w(".");
        auto* menu = w.main->form()->findChild<QMenu*>();
        QTest::mouseClick(w.cell(7, 2), Qt::LeftButton);
        QTest::keyClicks(w.cell(7, 2), "33");
        QTest::mouseClick(w.cell(9, 2), Qt::LeftButton);
        emit menu->aboutToShow();
        QVERIFY(menu->actions().value(0)->isEnabled());
    }
};

QTEST_MAIN(ModalEdgesTest)
#include "tst_modal_edges.moc"
