#include "core/find_widget.h"
#include "core/twips.h"
#include "editor/block_operations.h"
#include "storage/map_file.h"
#include "tests/support/modal_dialogs.h"
#include "ui/document_history.h"
#include "ui/main_window.h"
#include "ui/serial_actions.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

namespace {
// The real window with really modal boxes; clicks go through the window system, so a
// release that comes while a box is open is blocked as on a desktop.
struct Window {
    explicit Window(const QString& separator) : separator(separator) {
        QDir::setCurrent(dir.path()); // the trace log
        QLocale::setDefault(QLocale(separator == "," ? QLocale::German : QLocale::English));
        main = std::make_unique<MainWindow>(dialogs, dir.filePath("kelvor-310.ini"));
        main->serialActions().setPortResolver([](int) { return QStringLiteral("/no/such/port"); });
        main->show();
        QApplication::setActiveWindow(main.get());
        active = QTest::qWaitForWindowActive(main.get());
    }
    QWidget* named(const QString& name) const { return findNamed<QWidget>(main->form(), name); }
    QLineEdit* field(const QString& name) const { return qobject_cast<QLineEdit*>(named(name)); }
    // The focus moves on its own, as the user's press comes before the click.
    QWidget* focus(const QString& name) const {
        named(name)->setFocus();
        QCoreApplication::processEvents();
        return named(name);
    }
    QString number(QString text) const { return text.replace('#', separator); }

    QPoint at(QWidget* w) const { return w->mapTo(main.get(), w->rect().center()); }
    void click(QWidget* w) {
        QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, at(w));
        QCoreApplication::processEvents();
    }
    // The press moves the focus and starts a check; the release comes while its box is open.
    void clickIntoCheck(QWidget* w) {
        QWindow* handle = main->windowHandle();
        const QPoint pos = at(w);
        dialogs.whileOpen([handle, pos] { QTest::mouseRelease(handle, Qt::LeftButton, {}, pos); });
        QTest::mousePress(handle, Qt::LeftButton, {}, pos);
        QCoreApplication::processEvents();
        // As a desktop does when the box has gone.
        QApplication::setActiveWindow(main.get());
    }
    void type(QWidget* w, const QString& text) {
        click(w);
        QTest::keyClicks(w, text);
    }
    QLineEdit* cell(int row, int column) const {
        return field(arrayName(qPrintable(QStringLiteral("Text%1").arg(column + 1)), row));
    }
    // The pressed cell holds the mouse as on a desktop.
    void drag(QWidget* from, QWidget* to) {
        QWindow* handle = main->windowHandle();
        QTest::mousePress(handle, Qt::LeftButton, {}, at(from));
        QTest::mouseMove(handle, at(to));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, at(to));
    }
    void keys(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QApplication::setActiveWindow(main.get()); // as a desktop does when a box has gone
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    MapDocument document() const { return main->collectDocument(); }
    // A few distinct values in the table, and nothing to undo yet.
    void seed() {
        MapDocument doc = document();
        doc.cells[3][1] = number("10#0"), doc.cells[3][2] = number("7#5");
        doc.cells[4][1] = number("30#5"), doc.cells[5][3] = number("20#0");
        main->applyLoadedDocument(doc);
        main->history().restart();
    }
    QStringList log() const {
        QFile file(dir.filePath("log.txt"));
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()).split('\n')
                                              : QStringList();
    }

    QTemporaryDir dir;
    QString separator;
    bool active = false;
    ModalDialogs dialogs;
    std::unique_ptr<MainWindow> main;
};

// Rows of a separator and a widget name, and of a focused-field check before an action.
void row(const char* name, const char* separator, const char* widget) {
    QTest::newRow(name) << QString(separator) << QString(widget);
}
void row(const char* name, const char* separator, const char* action, const char* field,
         const char* typed, const char* answer) {
    QTest::newRow(name) << QString(separator) << QString(action) << QString(field) << QString(typed)
                        << QString(answer);
}

void chooseFrom(Window& w, const char* list, int index) {
    auto* combo = qobject_cast<QComboBox*>(w.named(QLatin1String(list)));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}
} // namespace

class ModalEdgesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Twips::setLogicalDpi(96); }

    // The clicked field or control acts once the previous cell's check has passed,
    // without a second click. A field is entered: its text is selected, typing replaces
    // it, Escape brings back its own text.
    void clickedTargetActsAfterTheCheck_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("target");
        row("cell ,", ",", "Text4(5)");
        row("list", ".", "Combo7");
        row("option", ",", "Option4");
        row("column tool", ".", "Command8");
    }
    void clickedTargetActsAfterTheCheck() {
        QFETCH(QString, separator);
        QFETCH(QString, target);
        Window w(separator);
        QVERIFY(w.active);
        QLineEdit* clicked = w.field(target);
        const QString own = clicked ? clicked->text() : QString();
        w.type(w.field("Text2(2)"), "abc");
        w.dialogs.answerInput(w.number("7#5"));

        w.clickIntoCheck(w.named(target));

        QCOMPARE(w.field("Text2(2)")->text(), w.number("7#5"));
        QCOMPARE(w.dialogs.pendingAnswers(), 0);
        if (clicked) {
            QCOMPARE(QApplication::focusWidget(), clicked);
            QCOMPARE(clicked->selectedText(), own);
            QTest::keyClicks(clicked, "12");
            QCOMPARE(clicked->text(), QStringLiteral("12"));
            QTest::keyClick(clicked, Qt::Key_Escape);
            QCOMPARE(clicked->text(), own);
            QVERIFY(target != "Text4(5)" || w.log().contains("Text_Click_Uni(5," + own + ",3)"));
            QCOMPARE(w.dialogs.calls().size(), 1);
        }
        if (target == "Combo7") {
            QVERIFY(QApplication::activePopupWidget());
            QApplication::activePopupWidget()->close();
        }
        if (target == "Option4")
            QVERIFY(qobject_cast<QRadioButton*>(w.named(target))->isChecked());
        if (target == "Command8")
            QCOMPARE(w.field("Text1(0)")->text(), w.number("1#0"));
    }

    // Each click enters its cell, so every bad text is checked however often it happens.
    void everyRoundOfClicksIsChecked() {
        Window w(",");
        QVERIFY(w.active);
        for (int row = 1; row <= 5; ++row) {
            if (row == 1)
                w.type(w.field("Text1(0)"), "abc");
            else
                QTest::keyClicks(QApplication::focusWidget(), "abc");
            w.dialogs.answerInput(w.number("1#5"));
            w.clickIntoCheck(w.field(QStringLiteral("Text1(%1)").arg(row)));
            QCOMPARE(w.field(QStringLiteral("Text1(%1)").arg(row - 1))->text(), w.number("1#5"));
        }
        QCOMPARE(w.dialogs.calls().size(), 5);
    }

    // A greyed field (a row made transparent) takes no click: nothing is checked or
    // entered, and Escape in the focused cell still brings back that cell's own text.
    void disabledFieldTakesNoClick() {
        Window w(".");
        QVERIFY(w.active);
        w.field("Text3(1)")->setText(w.number("9#0"));
        chooseFrom(w, "Combo11", 3);
        QLineEdit* current = w.field("Text6(5)");
        w.type(current, "20");
        QVERIFY(!w.named("Text3(1)")->isEnabled());

        w.click(w.named("Text3(1)"));

        QCOMPARE(QApplication::focusWidget(), current);
        QCOMPARE(current->text(), QStringLiteral("20"));
        QTest::keyClick(current, Qt::Key_Escape);
        QCOMPARE(current->text(), w.number("0#5"));
        for (const QString& line : w.log())
            QVERIFY(!line.startsWith("Text_Click_Uni(") || !line.endsWith(",2)"));
        QVERIFY(w.dialogs.calls().isEmpty());
    }

    // Exit, a flag and Save check the focused field first, as if it had been left, and
    // then go on with the value that passed.
    void actionsCheckTheFocusedFieldFirst_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        row("exit, cell abc", ".", "exit", "Text2(2)", "abc", "7#5");
        row("exit, spark 9 back by Escape", ".", "exit", "Text15", "9", "1#8");
        row("flag, cell 99", ".", "flag", "Text2(2)", "99", "9");
        row("resolution, spark x", ",", "resolution", "Text15", "x", "1#8");
        row("save, spark x", ",", "save", "Text15", "x", "1#2");
    }
    void actionsCheckTheFocusedFieldFirst() {
        QFETCH(QString, separator);
        QFETCH(QString, action);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        Window w(separator);
        QVERIFY(w.active);
        QLineEdit* edit = w.field(field);
        w.type(edit, typed);
        if (typed == "9") { // corrected on Enter, then Escape brings the 9 back
            w.dialogs.answerInput(w.number("1#5"));
            QTest::keyClick(edit, Qt::Key_Return);
            QTest::keyClick(edit, Qt::Key_Escape);
            QCOMPARE(edit->text(), typed);
        }
        const int asked = w.dialogs.calls().size();
        const QString path = w.dir.filePath("map.klv");
        w.dialogs.answerInput(w.number(answer));
        if (action == "exit")
            w.dialogs.answerMessage(Dialogs::Answer::Yes);
        if (action == "exit" || action == "save")
            w.dialogs.answerSaveFile(path);

        if (action == "exit")
            w.main->close();
        else if (action == "flag")
            w.click(w.named("Picture3"));
        else if (action == "resolution")
            chooseFrom(w, "Combo6", 3);
        else
            w.clickIntoCheck(w.named("Command2"));

        QCOMPARE(w.dialogs.calls()[asked].title, QStringLiteral("Attention!"));
        QCOMPARE(w.dialogs.pendingAnswers(), 0);
        const QString shown =
            w.number(field == "Text15" || answer.contains('#') ? answer : answer + "#0");
        QCOMPARE(edit->text(), shown);
        if (action == "flag" || action == "resolution") {
            QVERIFY(w.main->uiLanguage() == "hun" || w.field("Text8(29)")->isVisible());
            return;
        }
        const auto saved = loadMapFile(path, MapDocument(), separator);
        QVERIFY(saved.ok());
        QCOMPARE(field == "Text15" ? saved.value().sparkTime : saved.value().cells[2][1], shown);
    }

    // A dragged block goes to the clipboard as a spreadsheet takes it and comes back at
    // another cell; the paste is one step to undo and redo.
    void copyPasteRoundTripAndUndo() {
        Window w(",");
        w.seed();
        w.drag(w.cell(3, 1), w.cell(4, 2));
        w.keys(Qt::Key_C);
        const QString copied = w.number("10#0\t7#5\n30#5\t0#5\n");
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QTest::mouseClick(w.cell(10, 3), Qt::LeftButton);
        const MapDocument before = w.document();
        w.keys(Qt::Key_V);
        w.keys(Qt::Key_Escape, Qt::NoModifier); // puts back the cell's text as changed
        const MapDocument after = w.document();
        QCOMPARE(BlockOperations::copyText(after, {10, 3, 11, 4}), copied);
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
    void everyChangeIsOneStep_data() {
        // 0: a checked cell, 1: a column press, 2: a shape, 3: a settings field, 6: the
        // note; else the block operation's key
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("answer");
        QTest::newRow("add") << int(Qt::Key_D) << "2";
        QTest::newRow("both") << int(Qt::Key_B) << "";
        QTest::newRow("checked cell") << 0 << "";
        QTest::newRow("column press") << 1 << "";
        QTest::newRow("shape") << 2 << "";
        QTest::newRow("settings field") << 3 << "";
        QTest::newRow("note") << 6 << "";
    }
    void everyChangeIsOneStep() {
        QFETCH(int, key);
        QFETCH(QString, answer);
        Window w(".");
        w.seed();
        QTest::mouseClick(w.cell(3, 1), Qt::LeftButton);
        QTest::mouseClick(w.cell(5, 3), Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::processEvents(); // as between the user's actions
        auto* readOut = qobject_cast<QLabel*>(w.named("Label11"));
        const MapDocument before = w.document();
        const QString readOutBefore = readOut->text();
        if (!answer.isEmpty())
            w.dialogs.answerInput(answer);
        if (key == 0) {
            w.cell(5, 3)->setText("42");
            w.keys(Qt::Key_Return, Qt::NoModifier);
        } else if (key == 1) {
            QTest::mouseClick(w.named("Command8"), Qt::LeftButton);
        } else if (key == 2) {
            chooseFrom(w, "Combo6", 4);
            // The block chosen in the table of the old shape is gone with it.
            QCOMPARE(w.cell(4, 2)->palette(), w.cell(9, 2)->palette());
        } else if (key == 3) {
            auto* spark = qobject_cast<QLineEdit*>(w.focus("Text15"));
            spark->selectAll();
            QTest::keyClicks(spark, "1.5");
            w.keys(Qt::Key_Return, Qt::NoModifier);
        } else if (key == 6) {
            QTest::keyClicks(w.focus("Text13"), "abc");
        } else {
            w.keys(Qt::Key(key));
        }
        QCoreApplication::processEvents();
        const MapDocument after = w.document();
        const QString readOutAfter = readOut->text();
        QVERIFY(after != before);
        // A committed cell after the change, then typing in the next one.
        QTest::mouseClick(w.cell(7, 2), Qt::LeftButton);
        QTest::keyClicks(w.cell(7, 2), "33");
        w.keys(Qt::Key_Return, Qt::NoModifier);
        QTest::keyClicks(QApplication::focusWidget(), "4");
        w.keys(Qt::Key_Z);
        w.keys(Qt::Key_Z);
        QCOMPARE(w.document(), after);
        w.keys(Qt::Key_Z);
        QCOMPARE(w.document(), before);
        QCOMPARE(readOut->text(), readOutBefore);
        w.keys(Qt::Key_Y);
        QCOMPARE(w.document(), after);
        QCOMPARE(readOut->text(), readOutAfter);
        QCOMPARE(w.dialogs.pendingAnswers(), 0);
    }

    // The grid's menu offers the history's steps as far as there are any.
    void menuOffersUndoAndRedo() {
        Window w(".");
        auto* menu = w.main->form()->findChild<QMenu*>();
        QAction* undo = menu->actions().value(0);
        QAction* redo = menu->actions().value(1);
        auto enabled = [&] {
            emit menu->aboutToShow();
            return QList<bool>{undo->isEnabled(), redo->isEnabled()};
        };
        QCOMPARE(enabled(), (QList<bool>{false, false}));
        const MapDocument before = w.document();
        QTest::mouseClick(w.cell(7, 2), Qt::LeftButton);
        QTest::keyClicks(w.cell(7, 2), "33");
        w.keys(Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::processEvents();
        const MapDocument typed = w.document();
        QTest::keyClicks(QApplication::focusWidget(), "4");
        QCOMPARE(enabled(), (QList<bool>{true, false}));
        undo->trigger(); // the value being typed is checked and is the step undone
        undo->trigger();
        QCOMPARE(w.document(), before);
        QCOMPARE(enabled(), (QList<bool>{false, true}));
        redo->trigger();
        QCOMPARE(w.document(), typed);
    }
};

QTEST_MAIN(ModalEdgesTest)
#include "tst_modal_edges.moc"
