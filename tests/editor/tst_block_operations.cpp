#include "editor/block_operations.h"
#include "editor/block_selection.h"

#include <QtTest>

using namespace BlockOperations;

namespace {
const CellBlock kBlock{0, 0, 2, 2};

// 20 x 12 with rows at 1000, 2000, 4000 RPM and columns up to 1, 2, 4 V, so a third of
// the way lies at the middle row and the middle column. Cells as "r0c0 r0c1 r0c2/r1c0 ..".
MapDocument table(const QString& cells, const QString& separator = ".") {
    MapDocument doc = MapDocument::startupDefaults(separator);
    doc.resolution = 4;
    doc.rpmBreakpoints[0] = 1000, doc.rpmBreakpoints[1] = 2000, doc.rpmBreakpoints[2] = 4000;
    doc.loadBreakpoints[1] = 1.0, doc.loadBreakpoints[2] = 2.0, doc.loadBreakpoints[3] = 4.0;
    const QStringList rows = cells.split('/');
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList values = rows[r].split(' ');
        for (int c = 0; c < values.size(); ++c)
            doc.cells[r][c] = values[c];
    }
    return doc;
}

FormState form(const QString& separator) {
    FormState f;
    f.documentReady = true;
    f.decimalSeparator = separator;
    f.otherSeparator = separator == "." ? "," : ".";
    return f;
}
} // namespace

class BlockOperationsTest : public QObject {
    Q_OBJECT
  private slots:
    void operations_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("clamped");
        const QString flat = "10.0 10.0 10.0/10.0 10.0 10.0/10.0 10.0 10.0";
        QTest::newRow("set, a half rounds up")
            << "set" << 1.25 << flat << "1.3 1.3 1.3/1.3 1.3 1.3/1.3 1.3 1.3" << false;
        QTest::newRow("add below the range")
            << "add" << -9.7 << "10.0 20.0 9.5/1.0 1.0 1.0/1.0 1.0 1.0"
            << "0.5 10.3 0.5/0.5 0.5 0.5/0.5 0.5 0.5" << true;
        QTest::newRow("add rounding into the range")
            << "add" << 0.04 << "63.5 1.0 1.0/1.0 1.0 1.0/1.0 1.0 1.0"
            << "63.5 1.0 1.0/1.0 1.0 1.0/1.0 1.0 1.0" << false;
        QTest::newRow("scale, halves up, above the range")
            << "scale" << 110.0 << "12.5 60.0 1.5/1.5 1.5 1.5/1.5 1.5 1.5"
            << "13.8 63.5 1.7/1.7 1.7 1.7/1.7 1.7 1.7" << true;
        QTest::newRow("rows by RPM") << "rows" << 0.0 << "10.0 10.0 40.0/0.5 0.5 0.5/40.0 20.0 10.0"
                                     << "10.0 10.0 40.0/20.0 13.3 30.0/40.0 20.0 10.0" << false;
        QTest::newRow("columns by load")
            << "columns" << 0.0 << "10.0 0.5 40.0/40.0 0.5 10.0/20.0 0.5 20.0"
            << "10.0 20.0 40.0/40.0 30.0 10.0/20.0 20.0 20.0" << false;
        QTest::newRow("both from the corners")
            << "both" << 0.0 << "10.0 0.5 40.0/0.5 0.5 0.5/40.0 0.5 10.0"
            << "10.0 20.0 40.0/20.0 23.3 30.0/40.0 30.0 10.0" << false;
    }
    void operations() {
        QFETCH(QString, operation);
        QFETCH(double, amount);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, clamped);
        for (const QString separator : {".", ","}) {
            const MapDocument doc = table(QString(before).replace('.', separator), separator);
            const Result result = operation == "set"   ? set(doc, kBlock, amount, separator)
                                  : operation == "add" ? add(doc, kBlock, amount, separator)
                                  : operation == "scale"
                                      ? scale(doc, kBlock, amount, separator)
                                      : interpolate(doc, kBlock,
                                                    operation == "rows"      ? Direction::Rows
                                                    : operation == "columns" ? Direction::Columns
                                                                             : Direction::Both,
                                                    separator);
            QCOMPARE(result.document, table(QString(after).replace('.', separator), separator));
            QCOMPARE(result.clamped, clamped);
        }
    }

    // Transparent rows, columns beyond the shape and, without the load input, every
    // column but the last are cut away.
    void selectionKeepsToEditableCells_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("transparent");
        QTest::addColumn<bool>("loadInputUsed");
        QTest::addColumn<QRect>("drawn"); // from anchor (x column, y row) to corner
        QTest::addColumn<QRect>("selected");
        QTest::newRow("past the edges") << 2 << 0 << true << QRect(QPoint(5, 45), QPoint(0, 0))
                                        << QRect(QPoint(0, 0), QPoint(5, 39));
        QTest::newRow("over transparent rows")
            << 4 << 3 << true << QRect(QPoint(1, 1), QPoint(2, 5))
            << QRect(QPoint(1, 3), QPoint(2, 5));
        QTest::newRow("only transparent rows")
            << 4 << 3 << true << QRect(QPoint(0, 0), QPoint(11, 2)) << QRect();
        QTest::newRow("load input not used") << 1 << 2 << false << QRect(QPoint(0, 0), QPoint(3, 5))
                                             << QRect(QPoint(3, 2), QPoint(3, 5));
        QTest::newRow("not used, last column missed")
            << 1 << 0 << false << QRect(QPoint(0, 0), QPoint(2, 5)) << QRect();
    }
    void selectionKeepsToEditableCells() {
        QFETCH(int, resolution);
        QFETCH(int, transparent);
        QFETCH(bool, loadInputUsed);
        QFETCH(QRect, drawn);
        QFETCH(QRect, selected);
        MapDocument doc = MapDocument::startupDefaults(".");
        doc.resolution = resolution, doc.transparentIntervals = transparent,
        doc.loadInputUsed = loadInputUsed;
        const auto block = BlockSelection::between({drawn.top(), drawn.left()},
                                                   {drawn.bottom(), drawn.right()}, doc);
        QCOMPARE(block.has_value(), !selected.isNull());
        if (block)
            QCOMPARE(QRect(QPoint(block->left, block->top), QPoint(block->right, block->bottom)),
                     selected);
    }

    // Without the load input an operation on the last column is copied along its rows.
    void withoutLoadInputRowsFollowTheLastColumn() {
        MapDocument doc = MapDocument::startupDefaults(".");
        doc.resolution = 1, doc.loadInputUsed = false;
        const MapDocument raised = add(doc, {1, 3, 2, 3}, 2, ".").document;
        for (int c = 0; c < 4; ++c)
            QVERIFY(raised.cells[0][c] == "0.5" && raised.cells[1][c] == "2.5" &&
                    raised.cells[2][c] == "2.5");
    }

    // A paste goes in whole or not at all; the refusal names the first bad cell.
    void pasteAllOrNothing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("at"); // x column, y row
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("cut");
        QTest::addColumn<QString>("refused"); // "row,column value rule"
        const QString before = "1.0 1.0 1.0/1.0 1.0 1.0/1.0 1.0 1.0";
        QTest::newRow("a spreadsheet block")
            << "5\t6.25\r\n7.5\t8\r\n"
            << QPoint(1, 1) << "1.0 1.0 1.0/1.0 5.0 6.3/1.0 7.5 8.0" << false << "";
        QTest::newRow("one bad value")
            << "5\t6\n7\t64\n"
            << QPoint(0, 0) << before << false << "1,1 64 CellMaxMessage";
        QTest::newRow("the other separator")
            << "5,5\n"
            << QPoint(0, 0) << before << false << "0,0 5,5 CellPointOnlyMessage";
        QTest::newRow("over a transparent row") << "5\n6\n"
                                                << QPoint(0, 1) << before << false << "1,0 5 ";
        QTest::newRow("beyond the last row") << "2\t3\n4\t5\n"
                                             << QPoint(10, 19) << before << true << "";
    }
    void pasteAllOrNothing() {
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        QFETCH(QString, after);
        QFETCH(bool, cut);
        QFETCH(QString, refused);
        MapDocument doc = table("1.0 1.0 1.0/1.0 1.0 1.0/1.0 1.0 1.0");
        doc.transparentIntervals =
            QTest::currentDataTag() == QLatin1String("over a transparent row") ? 2 : 0;
        const Paste pasted = paste(doc, {at.y(), at.x()}, parseBlockText(text), form("."));
        MapDocument expected = table(after);
        expected.transparentIntervals = doc.transparentIntervals;
        if (cut)
            expected.cells[19][10] = "2.0", expected.cells[19][11] = "3.0";
        QCOMPARE(pasted.document, expected);
        QCOMPARE(pasted.cut, cut);
        const QString got =
            !pasted.refusedCell
                ? QString()
                : QString("%1,%2 %3 %4")
                      .arg(pasted.refusedCell->row)
                      .arg(pasted.refusedCell->column)
                      .arg(pasted.refusedValue, pasted.reason ? pasted.reason->entry : "");
        QCOMPARE(got, refused);
    }
};

QTEST_GUILESS_MAIN(BlockOperationsTest)
#include "tst_block_operations.moc"
