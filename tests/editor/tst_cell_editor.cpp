#include "editor_fixture.h"

namespace {
struct Reask {
    QString separator;
    int row, entersBefore;
    QString typed;
    QStringList answers, prompts;
};
struct Move {
    int resolution, transparent;
    GridCell from;
    Qt::Key key;
    GridCell to;
    int scroll = 0, scrolledBefore = 0; // after the move, before it
};
} // namespace

class CellEditorTest : public QObject {
    Q_OBJECT
  private slots:
    // Enter checks and re-asks until the value passes, then moves down (the last row
    // keeps the focus). Four checks of an unchanged text use up the entry's checks, but
    // a text changed after them is checked all the same.
    void typedValueIsCheckedAndReasked_data() {
        QTest::addColumn<Reask>("reask");
        const QString number = "Only number is accepted! Type again:";
        const QString empty =
            "Empty field is not allowed on the Ignition Values table! Type again!";
        const QStringList prompts{number, empty, empty, "Minimal value is 0#5 degree! Type again:"};
        QTest::newRow("cancel keeps asking")
            << Reask{",", 4, 0, "abc", {"", "", "-1", "0#5"}, prompts};
        QTest::newRow("changed after four checks")
            << Reask{".", 39, 4, "44#0abc", {"0#5"}, {number}};
    }
    void typedValueIsCheckedAndReasked() {
        QFETCH(Reask, reask);
        auto [separator, row, entersBefore, typed, answers, prompts] = reask;
        EditorFixture f(separator);
        QVERIFY(f.activate());
        f.enter(f.cell(row, 2));
        for (int i = 0; i < entersBefore; ++i)
            QTest::keyClick(f.cell(row, 2), Qt::Key_Return);
        for (const QString& answer : answers)
            f.dialogs.answerInput(f.number(answer));
        f.cell(row, 2)->setText(f.number(typed));
        QTest::keyClick(f.cell(row, 2), Qt::Key_Return);

        QCOMPARE(f.cell(row, 2)->text(), f.number("0#5"));
        QCOMPARE(f.asked(), prompts.replaceInStrings("#", separator));
        QCOMPARE(f.window.focusWidget(), f.cell(qMin(row + 1, 39), 2));
        QCOMPARE(f.updates.last(), QStringLiteral("%1,2 0.5").arg(row));
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

    // A cell reached with Tab is entered as a clicked one is (the trace names it), and a
    // bad text there is checked when Tab leaves it. Clicking the current cell only
    // selects: an input box here would abort. Without a ready document nothing is checked.
    void enteringACell() {
        QTemporaryDir dir;
        const QString home = QDir::currentPath();
        QDir::setCurrent(dir.path()); // a trace log of this test only
        EditorFixture f;
        QVERIFY(f.activate());
        f.enter(f.cell(5, 0));
        // Four focus losses would use up the checks of a cell that was never entered.
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        f.cell(5, 4)->setText("abc");
        f.dialogs.answerInput("4");
        QTest::keyClick(f.cell(5, 4), Qt::Key_Tab);
        QCOMPARE(f.cell(5, 4)->text(), "4.0");
        QFile log(dir.filePath("log.txt"));
        QVERIFY(log.open(QIODevice::ReadOnly) && log.readAll().contains("Text_Click_Uni(5,0.5,4)"));
        QDir::setCurrent(home);

        f.enter(f.cell(3, 1));
        f.cell(3, 1)->setText("abc");
        f.enter(f.cell(3, 1));
        QCOMPARE(f.cell(3, 1)->selectedText(), "abc");
        f.form.documentReady = false;
        QTest::keyClick(f.cell(3, 1), Qt::Key_Return);
        QVERIFY(f.cell(3, 1)->text() == "abc" && f.dialogs.calls().size() == 1); // Tab's only
    }
};

QTEST_MAIN(CellEditorTest)
#include "tst_cell_editor.moc"
