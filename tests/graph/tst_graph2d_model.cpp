#include "graph/graph2d_model.h"
#include "graph/graph_numbers.h"
#include "graph_test_maps.h"

#include <QtTest>

namespace {
QList<QPointF> allEnds(const Graph2DModel& model) {
    QList<QPointF> ends;
    for (const GraphLine* line : model.lines())
        ends << line->p1 << line->p2;
    return ends;
}
} // namespace

class Graph2DModelTest : public QObject {
    Q_OBJECT
  private slots:
    // Larger shapes drawn before must leave no segment behind.
    void eachShapeShowsItsCurves_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("curves");
        QTest::newRow("30x8") << 3 << 8;
    }
    void eachShapeShowsItsCurves() {
        QFETCH(int, resolution);
        QFETCH(int, curves);
        const MapDocument doc = chartDocument(resolution, ",", slopedDegrees);
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(chartDocument(4, ".", slopedDegrees), ".");
        model.DrawGraph2D(doc, ",");
        const QList<QColor> legend = model.headerColours();
        QCOMPARE(legend.size(), curves);
        for (int c = 0; c < Graph2DModel::kCurves; ++c)
            for (int s = 0; s < Graph2DModel::kSegments; ++s) {
                const GraphLine& segment = model.curveSegment(c, s);
                QCOMPARE(segment.visible, c < curves && s < doc.rowCount() - 1);
                QVERIFY(!segment.visible || segment.colour == legend[c]);
            }
    }

    // Equal first and last RPM draw at the axis start instead of dividing by zero.
    void equalRpmEndsDrawAtTheAxisStart() {
        Graph2DModel model(fixedMeasure);
        MapDocument flat = chartDocument(2, ".", [](int, int) { return 0.0; });
        flat.rpmBreakpoints.fill(3000);
        model.DrawGraph2D(flat, ".");
        for (int i = 0; i <= 10; ++i)
            QCOMPARE(model.rpmTick(i).p1.x(), 480.0);
        QCOMPARE(model.curveSegment(5, 38).p2, QPointF(480, 4800));
    }

    // RPM labels are thousands with one to three decimals; a cell being typed counts as 0.
    void chartNumbers() {
        QCOMPARE(FormatRpmThousands(6000, ",") + FormatRpmThousands(1125, ".") +
                     FormatRpmThousands(12250, ","),
                 QStringLiteral("6,01.12512,25"));
        QCOMPARE(QList<double>(
                     {CellDegrees("12,5", ","), CellDegrees("", "."), CellDegrees("abc", ".")}),
                 QList<double>({12.5, 0.0, 0.0}));
    }

    // An update agrees with a full redraw; one outside the shape changes nothing.
    void cellUpdates_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("last row of 60x1") << 0 << 59 << 0;
        QTest::newRow("negative row") << 2 << -1 << 0;
    }
    void cellUpdates() {
        QFETCH(int, resolution);
        QFETCH(int, row);
        QFETCH(int, column);
        MapDocument doc = chartDocument(resolution, ".", slopedDegrees);
        Graph2DModel updated(fixedMeasure);
        updated.DrawGraph2D(doc, ".");
        updated.UpdateGraph2DPoint(row, column, 40.0);
        if (row >= 0 && row < doc.rowCount() && column < doc.columnCount())
            doc.cells[row][column] = QStringLiteral("40.0");
        Graph2DModel redrawn(fixedMeasure);
        redrawn.DrawGraph2D(doc, ".");
        QCOMPARE(allEnds(updated), allEnds(redrawn));
    }
};

QTEST_MAIN(Graph2DModelTest)
#include "tst_graph2d_model.moc"
