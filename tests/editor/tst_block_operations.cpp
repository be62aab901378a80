#include "core/cell_tenths.h"
#include "editor/block_operations.h"
#include "editor/block_selection.h"

#include <QtTest>

using namespace BlockOperations;

namespace {
// 20 x 12 with rows at 1000, 2000, 4000 RPM and columns up to 1, 2, 4 V, so a third of
// the way lies at the middle row and the middle column. Cells as "r0c0 r0c1 r0c2/r1c0 ..";
// a row not given repeats the last one, a row of one value is filled with it.
MapDocument table(const QString& cells) {
    MapDocument doc = MapDocument::startupDefaults(".");
    doc.resolution = 4;
    doc.rpmBreakpoints[0] = 1000, doc.rpmBreakpoints[1] = 2000, doc.rpmBreakpoints[2] = 4000;
    doc.loadBreakpoints[1] = 1.0, doc.loadBreakpoints[2] = 2.0, doc.loadBreakpoints[3] = 4.0;
    const QStringList rows = cells.split('/');
    for (int r = 0; r < 3; ++r) {
        const QStringList row = rows.value(r, rows.last()).split(' ');
        for (int c = 0; c < 3; ++c)
            doc.cells[r][c] = *CellTenths::fromDegrees(row.value(c, row.last()).toDouble());
    }
    return doc;
}
struct Operation {
    QString name;
    double amount;
    QString before, after;
    bool clamped;
};
struct Drag {
    int resolution, transparent;
    bool loadInputUsed;
    GridCell anchor, corner;
    CellBlock selected;
};
} // namespace

class BlockOperationsTest : public QObject {
    Q_OBJECT
  private slots:
    void operations_data() {
        QTest::addColumn<Operation>("operation");
        QTest::newRow("set, a half rounds up") << Operation{"set", 1.25, "9.0", "1.3", false};
        QTest::newRow("scale, halves up, above the range")
            << Operation{"scale", 110.0, "12.5 60.0 1.5/1.5", "13.8 63.5 1.7/1.7", true};
        QTest::newRow("both from the corners")
            << Operation{"both", 0, "10.0 0.5 40.0/0.5/40.0 0.5 10.0",
                         "10.0 20.0 40.0/20.0 23.3 30.0/40.0 30.0 10.0", false};
    }
    void operations() {
        QFETCH(Operation, operation);
        const auto& [name, amount, before, after, clamped] = operation;
        const CellBlock block{0, 0, 2, 2};
        const MapDocument doc = table(before);
        const Result result = name == "set"     ? set(doc, block, amount)
                              : name == "add"   ? add(doc, block, amount)
                              : name == "scale" ? scale(doc, block, amount)
                                                : interpolate(doc, block, Direction::Both);
        QCOMPARE(result.document, table(after));
        QCOMPARE(result.clamped, clamped);
    }

    // Transparent rows, columns beyond the shape and, without the load input, every
    // column but the last are cut away.
    void selectionKeepsToEditableCells_data() {
        QTest::addColumn<Drag>("drag");
        QTest::newRow("over transparent rows") << Drag{4, 3, true, {1, 1}, {5, 2}, {3, 1, 5, 2}};
        QTest::newRow("load input not used") << Drag{1, 2, false, {0, 0}, {5, 3}, {2, 3, 5, 3}};
    }
    void selectionKeepsToEditableCells() {
        QFETCH(Drag, drag);
        MapDocument doc = MapDocument::startupDefaults(".");
        doc.resolution = drag.resolution, doc.transparentIntervals = drag.transparent;
        doc.loadInputUsed = drag.loadInputUsed;
        const auto selected = BlockSelection::between(drag.anchor, drag.corner, doc);
        QVERIFY(selected && *selected == drag.selected);
    }

    // A paste goes in whole or not at all: a value for a transparent row refuses it,
    // naming that cell. What reaches beyond the table is cut off, here a clipboard of
    // megabytes; the rest goes in.
    void pasteKeepsToTheTable() {
        MapDocument doc = table("1.0");
        const FormState form{true, {}, ".", ","};
        doc.transparentIntervals = 2;
        const Paste refused = paste(doc, {1, 0}, parseBlockText("5\n6\n"), form);
        QCOMPARE(refused.document, doc);
        QVERIFY(refused.refusedCell == GridCell({1, 0}) && refused.refusedValue == "5" &&
                !refused.reason);

        doc.transparentIntervals = 0;
        const QString huge = (QString("7\t").repeated(5000) + "\r\n").repeated(200);
        const Paste filled = paste(doc, {0, 0}, parseBlockText(huge), form);
        QVERIFY(filled.cut && filled.document.cells[19][11] == 70);
    }
};

QTEST_GUILESS_MAIN(BlockOperationsTest)
#include "tst_block_operations.moc"
