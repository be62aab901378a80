#include "editor_fixture.h"

namespace {
struct Move {
    int resolution;
    int transparent;
    bool loadInputUsed;
    GridCell from;
    Qt::Key key;
    GridCell to;
    int scroll = 0; // after the move
    int scrolledBefore = 0;
};
} // namespace

class CellEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_folder = std::make_unique<InTemporaryFolder>(); }
    void cleanup() { m_folder.reset(); }

    // Enter checks and re-asks until the value passes, then moves down (the last row
    // keeps the focus). Four checks of an unchanged text use up the entry's checks, but
    // a text changed after them is checked all the same.
    void typedValueIsCheckedAndReasked_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("entersBefore");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<QString>("shown");
        const QString empty = "Empty field is not allowed on the Ignition Values table! Type again!";
        QTest::newRow("above largest") << "." << 4 << 0 << "63#51" << QStringList{"12#34"}
                                       << QStringList{"Maximal value is 63#5 degree! Type again:"} << "12#3";
        QTest::newRow("cancel keeps asking")
            << "," << 4 << 0 << "abc" << QStringList{"", "", "-1", "0#5"}
            << QStringList{"Only number is accepted! Type again:", empty, empty,
                           "Minimal value is 0#5 degree! Type again:"}
            << "0#5";
        for (const char* separator : {".", ","})
            QTest::addRow("changed after four checks %s", separator)
                << separator << 39 << 4 << "44#0abc" << QStringList{"4#5"}
                << QStringList{"Only number is accepted! Type again:"} << "4#5";
    }
    void typedValueIsCheckedAndReasked() {
        QFETCH(QString, separator);
        QFETCH(int, row);
        QFETCH(int, entersBefore);
        QFETCH(QString, typed);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, prompts);
        QFETCH(QString, shown);
        EditorFixture f(separator);
        QVERIFY(f.activate());
        f.enter(f.cell(row, 2));
        for (int i = 0; i < entersBefore; ++i)
            QTest::keyClick(f.cell(row, 2), Qt::Key_Return);
        for (const QString& answer : answers)
            f.dialogs.answerInput(f.number(answer));
        f.cell(row, 2)->setText(f.number(typed));
        QTest::keyClick(f.cell(row, 2), Qt::Key_Return);

        QCOMPARE(f.cell(row, 2)->text(), f.number(shown));
        QCOMPARE(f.dialogs.calls().size(), prompts.size());
        for (int i = 0; i < prompts.size(); ++i) {
            QCOMPARE(f.dialogs.calls()[i].text, f.number(prompts[i]));
            QCOMPARE(f.dialogs.calls()[i].title, QStringLiteral("Attention!"));
        }
        QCOMPARE(f.window.focusWidget(), f.cell(qMin(row + 1, 39), 2));
        QVERIFY(!f.updates.isEmpty());
        QCOMPARE(f.updates.last().value, QString(shown).replace('#', '.').toDouble());
    }

    void lastColumnIsCopiedAlongTheRowWithoutLoadInput() {
        EditorFixture f;
        QVERIFY(f.activate());
        f.choose("Combo6", 1);
        f.click("Option2");
        f.updates.clear();
        f.type(f.cell(5, 3), "20", Qt::Key_Return);
        QSet<int> updatedColumns;
        for (const auto& update : f.updates) {
            QCOMPARE(f.cell(update.row, update.column)->text(), QStringLiteral("20.0"));
            updatedColumns.insert(update.row * 10 + update.column);
        }
        QCOMPARE(updatedColumns, (QSet<int>{50, 51, 52, 53}));
    }

    void keyboardMoves_data() {
        QTest::addColumn<Move>("move");
        QTest::newRow("down") << Move{2, 0, true, {3, 1}, Qt::Key_Down, {4, 1}};
        QTest::newRow("down past the viewport") << Move{2, 0, true, {25, 1}, Qt::Key_Down, {26, 1}, 360};
        QTest::newRow("enter in the last row") << Move{2, 0, true, {39, 1}, Qt::Key_Return, {39, 1}};
        QTest::newRow("up") << Move{2, 3, true, {4, 1}, Qt::Key_Up, {3, 1}};
        QTest::newRow("up from the lowest open row") << Move{2, 3, true, {3, 1}, Qt::Key_Up, {3, 1}};
        QTest::newRow("page up from 26 of 60") << Move{1, 0, true, {26, 0}, Qt::Key_PageUp, {26, 0}};
        QTest::newRow("page up from 27 of 60") << Move{1, 0, true, {27, 0}, Qt::Key_PageUp, {1, 0}};
        QTest::newRow("page down from 33 of 60") << Move{1, 0, true, {33, 0}, Qt::Key_PageDown, {59, 0}, 9360};
        QTest::newRow("page down from 34 of 60") << Move{1, 0, true, {34, 0}, Qt::Key_PageDown, {34, 0}};
        QTest::newRow("up from a dragged position") << Move{1, 0, true, {1, 0}, Qt::Key_Up, {0, 0}, 0, 200};
        QTest::newRow("page down clamps") << Move{1, 0, true, {30, 0}, Qt::Key_PageDown, {56, 0}, 12240, 9360};
        QTest::newRow("page up clamps") << Move{1, 0, true, {30, 0}, Qt::Key_PageUp, {4, 0}, 0, 2880};
        QTest::newRow("page up onto transparent rows") << Move{2, 15, true, {30, 2}, Qt::Key_PageUp, {15, 2}};
        QTest::newRow("left") << Move{2, 0, true, {5, 3}, Qt::Key_Left, {5, 2}};
        QTest::newRow("left without load input") << Move{2, 0, false, {5, 5}, Qt::Key_Left, {5, 5}};
        QTest::newRow("right in the last column") << Move{2, 0, true, {5, 5}, Qt::Key_Right, {5, 5}};
    }
    void keyboardMoves() {
        QFETCH(Move, move);
        EditorFixture f;
        QVERIFY(f.activate());
        f.choose("Combo6", move.resolution);
        f.choose("Combo11", move.transparent);
        if (!move.loadInputUsed)
            f.click("Option2");
        f.named<QScrollBar>("VScroll")->setValue(move.scrolledBefore);
        QLineEdit* start = f.cell(move.from.row, move.from.column);
        f.type(start, "7", move.key);
        QCOMPARE(QApplication::focusWidget(), f.cell(move.to.row, move.to.column));
        QCOMPARE(f.editor->state().currentCell, move.to);
        // A move checks the cell it leaves; Enter in the last row checks without moving.
        const bool checked = move.to != move.from || move.key == Qt::Key_Return;
        QCOMPARE(start->text(), QLatin1String(checked ? "7.0" : "7"));
        QCOMPARE(f.named<QScrollBar>("VScroll")->value(), move.scroll);
    }

    // Clicking the current cell only selects: an input box here would abort. Without a
    // ready document nothing is checked.
    void currentCellOrUnreadyDocumentIsNotChecked() {
        EditorFixture f;
        QVERIFY(f.activate());
        f.enter(f.cell(3, 1));
        f.cell(3, 1)->setText("abc");
        f.enter(f.cell(3, 1));
        QCOMPARE(f.cell(3, 1)->selectedText(), QStringLiteral("abc"));
        f.form.documentReady = false;
        QTest::keyClick(f.cell(3, 1), Qt::Key_Return);
        QCOMPARE(f.cell(3, 1)->text(), QStringLiteral("abc"));
        QVERIFY(f.dialogs.calls().isEmpty());
    }

    void tabEntersTheCellItReaches() {
        EditorFixture f;
        QVERIFY(f.activate());
        f.enter(f.cell(5, 0));
        // Four focus losses would use up the checks of a cell that was never entered.
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(f.editor->state().currentCell, (GridCell{5, 4}));
        f.cell(5, 4)->setText("abc");
        f.dialogs.answerInput("4");
        QTest::keyClick(f.cell(5, 4), Qt::Key_Tab);
        QCOMPARE(f.cell(5, 4)->text(), QStringLiteral("4.0"));
    }

    // The input box takes the focus from the cell; that must not start a second check.
    void inputBoxTakingTheFocusStartsNoSecondCheck() {
        EditorFixture f;
        QVERIFY(f.activate());
        f.enter(f.cell(2, 1));
        f.cell(2, 1)->setText("abc");
        f.dialogs.answerInput("5"); // a second input box would abort the test
        QTest::keyClick(f.cell(2, 1), Qt::Key_Return);
        QCOMPARE(f.cell(2, 1)->text(), QStringLiteral("5.0"));
        // The next keystroke lands in the entered cell, replacing its selected text.
        QVERIFY(f.activate());
        QTest::keyClicks(QApplication::focusWidget(), "7");
        QCOMPARE(f.cell(3, 1)->text(), QStringLiteral("7"));
    }

    void traceLines() {
        EditorFixture f(",");
        QVERIFY(f.activate());
        f.enter(f.cell(2, 1));
        QTest::keyClick(f.cell(2, 1), Qt::Key_Return);
        f.enter(f.header(0));
        QTest::keyClick(f.header(0), Qt::Key_Right);
        f.enter(f.rowLabel(4)); // locked: no trace
        const QStringList lines = m_folder->logLines();
        QCOMPARE(lines.mid(0, 3), (QStringList{"Text_Click_Uni(2,0,5,1)", "Text_Keydown_Uni(2): 13",
                                               "Text_LostFocusOwn_Uni(2,0,5,1)"}));
        QVERIFY(lines.contains("Text_Click_Uni(3,0,5,1)"));
        QCOMPARE(lines.mid(lines.size() - 3),
                 (QStringList{"TextLabel1_Click(0,)", "TextLabel1_Keydown(0): 39", "TextLabel1_Click(1,)"}));
    }

private:
    std::unique_ptr<InTemporaryFolder> m_folder;
};

QTEST_MAIN(CellEditorTest)
#include "tst_cell_editor.moc"
