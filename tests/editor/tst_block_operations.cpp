#include "editor/block_operations.h"
#include "editor/block_selection.h"

#include <QtTest>

using namespace BlockOperations;

namespace {
// 20 x 12 with rows at 1000, 2000, 4000 RPM and columns up to 1, 2, 4 V, so a third of
// the way lies at the middle row and the middle column. Cells as "r0c0 r0c1 r0c2/r1c0 ..".
MapDocument table(const QString& cells, const QString& separator = ".") {
    MapDocument doc = MapDocument::startupDefaults(separator);
    doc.resolution = 4;
    doc.rpmBreakpoints[0] = 1000, doc.rpmBreakpoints[1] = 2000, doc.rpmBreakpoints[2] = 4000;
    doc.loadBreakpoints[1] = 1.0, doc.loadBreakpoints[2] = 2.0, doc.loadBreakpoints[3] = 4.0;
    const QStringList rows = QString(cells).replace('.', separator).split('/');
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 3; ++c)
            doc.cells[r][c] = rows[r].split(' ')[c];
    return doc;
}

// "top,left bottom,right", or empty for no block.
QString named(const std::optional<CellBlock>& b) {
    return b ? QString("%1,%2 %3,%4").arg(b->top).arg(b->left).arg(b->bottom).arg(b->right) : "";
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
        const auto row = [](const char* name, const char* operation, double amount,
                            const char* before, const char* after, bool clamped) {
            QTest::newRow(name) << QString(operation) << amount << QString(before) << QString(after)
                                << clamped;
        };
        const char* nines = "9.0 9.0 9.0/9.0 9.0 9.0/9.0 9.0 9.0";
        row("set, a half rounds up", "set", 1.25, nines, "1.3 1.3 1.3/1.3 1.3 1.3/1.3 1.3 1.3",
            false);
        row("add below the range", "add", -9.7, "10.0 20.0 9.5/1.0 1.0 1.0/1.0 1.0 1.0",
            "0.5 10.3 0.5/0.5 0.5 0.5/0.5 0.5 0.5", true);
        row("scale, halves up, above the range", "scale", 110.0,
            "12.5 60.0 1.5/1.5 1.5 1.5/1.5 1.5 1.5", "13.8 63.5 1.7/1.7 1.7 1.7/1.7 1.7 1.7", true);
        row("both from the corners", "both", 0, "10.0 0.5 40.0/0.5 0.5 0.5/40.0 0.5 10.0",
            "10.0 20.0 40.0/20.0 23.3 30.0/40.0 30.0 10.0", false);
    }
    void operations() {
        QFETCH(QString, operation);
        QFETCH(double, amount);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, clamped);
        const CellBlock block{0, 0, 2, 2};
        for (const QString separator : {".", ","}) {
            const MapDocument doc = table(before, separator);
            const Direction direction = operation == "rows"      ? Direction::Rows
                                        : operation == "columns" ? Direction::Columns
                                                                 : Direction::Both;
            const Result result = operation == "set"   ? set(doc, block, amount, separator)
                                  : operation == "add" ? add(doc, block, amount, separator)
                                  : operation == "scale"
                                      ? scale(doc, block, amount, separator)
                                      : interpolate(doc, block, direction, separator);
            QCOMPARE(result.document, table(after, separator));
            QCOMPARE(result.clamped, clamped);
        }
    }

    // Transparent rows, columns beyond the shape and, without the load input, every
    // column but the last are cut away.
    void selectionKeepsToEditableCells_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("transparent");
        QTest::addColumn<bool>("loadInputUsed");
        QTest::addColumn<QPoint>("anchor"); // x column, y row
        QTest::addColumn<QPoint>("corner");
        QTest::addColumn<QString>("selected");
        QTest::newRow("past the edges")
            << 2 << 0 << true << QPoint(5, 45) << QPoint(0, 0) << "0,0 39,5";
        QTest::newRow("over transparent rows")
            << 4 << 3 << true << QPoint(1, 1) << QPoint(2, 5) << "3,1 5,2";
        QTest::newRow("load input not used")
            << 1 << 2 << false << QPoint(0, 0) << QPoint(3, 5) << "2,3 5,3";
    }
    void selectionKeepsToEditableCells() {
        QFETCH(int, resolution);
        QFETCH(int, transparent);
        QFETCH(bool, loadInputUsed);
        QFETCH(QPoint, anchor);
        QFETCH(QPoint, corner);
        MapDocument doc = MapDocument::startupDefaults(".");
        doc.resolution = resolution, doc.transparentIntervals = transparent;
        doc.loadInputUsed = loadInputUsed;
        QTEST(
            named(BlockSelection::between({anchor.y(), anchor.x()}, {corner.y(), corner.x()}, doc)),
            "selected");
    }

    // A paste goes in whole or not at all; a refusal names the first bad cell and rule.
    void pasteAllOrNothing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("at"); // x column, y row
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("refused"); // "row,column value rule"
        QTest::addColumn<int>("transparent");
        const QString before = "1.0 1.0 1.0/1.0 1.0 1.0/1.0 1.0 1.0";
        QTest::newRow("the other separator")
            << "5,5\n"
            << QPoint(0, 0) << before << "0,0 5,5 CellPointOnlyMessage" << 0;
        QTest::newRow("over a transparent row") << "5\n6\n"
                                                << QPoint(0, 1) << before << "1,0 5 " << 2;
    }
    void pasteAllOrNothing() {
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        QFETCH(QString, after);
        QFETCH(int, transparent);
        FormState form;
        form.documentReady = true;
        MapDocument doc = table("1.0 1.0 1.0/1.0 1.0 1.0/1.0 1.0 1.0");
        doc.transparentIntervals = transparent;
        const Paste pasted = paste(doc, {at.y(), at.x()}, parseBlockText(text), form);
        MapDocument expected = table(after);
        expected.transparentIntervals = transparent;
        QCOMPARE(pasted.document, expected);
        const auto cell = pasted.refusedCell;
        QTEST(cell ? QString("%1,%2 %3 %4")
                         .arg(cell->row)
                         .arg(cell->column)
                         .arg(pasted.refusedValue, pasted.reason ? pasted.reason->entry : "")
                   : "",
              "refused");
    }

    // What reaches beyond the table is cut off, a clipboard of megabytes too; the rest
    // goes in.
    void pasteCutAtTheEdge() {
        const MapDocument doc = table("1.0 1.0 1.0/1.0 1.0 1.0/1.0 1.0 1.0");
        const FormState form{true, {}, ".", ","};
        const Paste pasted = paste(doc, {19, 10}, parseBlockText("2\t3\n4\t5"), form);
        QVERIFY(pasted.cut && !pasted.refusedCell);
        QCOMPARE(copyText(pasted.document, {19, 10, 19, 11}), "2.0\t3.0\n");
        const QString huge = (QString("7\t").repeated(5000) + "\r\n").repeated(200);
        const Paste filled = paste(doc, {0, 0}, parseBlockText(huge), form);
        QVERIFY(filled.cut && filled.document.cells[19][11] == "7.0");
    }
};

QTEST_GUILESS_MAIN(BlockOperationsTest)
#include "tst_block_operations.moc"
