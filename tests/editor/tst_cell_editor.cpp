#include "editor_fixture.h"

namespace {
struct Move {
    int resolution, transparent;
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
        const QString empty =
            "Empty field is not allowed on the Ignition Values table! Type again!";
        QTest::newRow("cancel keeps asking")
            << "," << 4 << 0 << "abc" << QStringList{"", "", "-1", "0#5"}
            << QStringList{"Only number is accepted! Type again:", empty, empty,
                           "Minimal value is 0#5 degree! Type again:"};
        QTest::newRow("changed after four checks")
            << "." << 39 << 4 << "44#0abc" << QStringList{"0#5"}
            << QStringList{"Only number is accepted! Type again:"};
    }
    void typedValueIsCheckedAndReasked() {
        QFETCH(QString, separator);
        QFETCH(int, row);
        QFETCH(int, entersBefore);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, prompts);
        EditorFixture f(separator);
        QVERIFY(f.activate());
        f.enter(f.cell(row, 2));
        for (int i = 0; i < entersBefore; ++i)
            QTest::keyClick(f.cell(row, 2), Qt::Key_Return);
        for (const QString& answer : answers)
            f.dialogs.answerInput(f.number(answer));
        QFETCH(QString, typed);
        f.cell(row, 2)->setText(f.number(typed));
        QTest::keyClick(f.cell(row, 2), Qt::Key_Return);

        QCOMPARE(f.cell(row, 2)->text(), f.number("0#5"));
        QStringList asked;
        for (const auto& call : f.dialogs.calls())
            asked << call.text;
        QCOMPARE(asked, prompts.replaceInStrings("#", separator));
        QCOMPARE(f.window.focusWidget(), f.cell(qMin(row + 1, 39), 2));
        QCOMPARE(f.updates.last().value, 0.5);
    }

    void lastColumnIsCopiedAlongTheRowWithoutLoadInput() {
        EditorFixture f;
        QVERIFY(f.activate());
        f.choose("Combo6", 1);
        f.click("Option2");
        f.updates.clear();
        f.type(f.cell(5, 3), "20", Qt::Key_Return);
        QStringList updated;
        for (const auto& update : f.updates)
            updated << QString("%1,%2 %3")
                           .arg(update.row)
                           .arg(update.column)
                           .arg(f.cell(update.row, update.column)->text());
        updated.sort();
        updated.removeDuplicates();
        QCOMPARE(updated.join(' '), "5,0 20.0 5,1 20.0 5,2 20.0 5,3 20.0");
    }

    // A move checks the cell it leaves; Enter in the last row checks without moving.
    void keyboardMoves_data() {
        QTest::addColumn<Move>("move");
        QTest::newRow("down past the viewport") << Move{2, 0, {25, 1}, Qt::Key_Down, {26, 1}, 360};
        QTest::newRow("up from the lowest open row") << Move{2, 3, {3, 1}, Qt::Key_Up, {3, 1}};
        QTest::newRow("page down clamps")
            << Move{1, 0, {30, 0}, Qt::Key_PageDown, {56, 0}, 12240, 9360};
        QTest::newRow("page up onto transparent rows")
            << Move{2, 15, {30, 2}, Qt::Key_PageUp, {15, 2}};
    }
    void keyboardMoves() {
        QFETCH(Move, move);
        EditorFixture f;
        QVERIFY(f.activate());
        f.choose("Combo6", move.resolution);
        f.choose("Combo11", move.transparent);
        f.named<QScrollBar>("VScroll")->setValue(move.scrolledBefore);
        QLineEdit* start = f.cell(move.from.row, move.from.column);
        f.type(start, "7", move.key);
        QCOMPARE(QApplication::focusWidget(), f.cell(move.to.row, move.to.column));
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
        QVERIFY(f.cell(3, 1)->text() == "abc" && f.dialogs.calls().isEmpty());
    }

    void tabEntersTheCellItReaches() {
        EditorFixture f;
        QVERIFY(f.activate());
        f.enter(f.cell(5, 0));
        // Four focus losses would use up the checks of a cell that was never entered.
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        f.cell(5, 4)->setText("abc");
        f.dialogs.answerInput("4");
        QTest::keyClick(f.cell(5, 4), Qt::Key_Tab);
        QCOMPARE(f.cell(5, 4)->text(), QStringLiteral("4.0"));
    }
};

QTEST_MAIN(CellEditorTest)
#include "tst_cell_editor.moc"
