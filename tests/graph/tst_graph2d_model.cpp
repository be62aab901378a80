#include "graph/graph2d_model.h"
#include "graph/graph_numbers.h"
#include "graph_test_maps.h"

#include <QtTest>

namespace {

double expectedX(const MapDocument& doc, int row) {
    const double first = doc.rpmBreakpoints[0];
    const double last = doc.rpmBreakpoints[doc.rowCount() - 1];
    return 480 + 6840 * (doc.rpmBreakpoints[row] - first) / (last - first);
}

double expectedY(double degrees) {
    return 4800 - degrees * 4680 / 63.5;
}

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
    // Ticks and labels stand at every tenth of the rows, labels alternating in height
    // under their ticks; advance ticks mark every five degrees.
    void axes_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<QList<int>>("tickRows"); // rows of ticks 0..10
        QTest::newRow("60x1") << 0 << QList<int>{0, 5, 11, 17, 23, 29, 35, 41, 47, 53, 59};
        QTest::newRow("20x12") << 4 << QList<int>{0, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19};
    }
    void axes() {
        QFETCH(int, resolution);
        QFETCH(QList<int>, tickRows);
        const MapDocument doc = chartDocument(resolution, ".", slopedDegrees);
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(doc, ".");
        for (int i = 0; i <= 10; ++i) {
            const QPointF tick = model.rpmTick(i).p1;
            QCOMPARE(tick, QPointF(expectedX(doc, tickRows[i]), 4800));
            const GraphLabel& label = model.rpmLabel(i);
            QCOMPARE(label.text, FormatRpmThousands(doc.rpmBreakpoints[tickRows[i]], "."));
            QCOMPARE(label.topLeft,
                     QPointF(tick.x() - 50.0 * label.text.size(), 4920 + (i % 2) * 120));
        }
        // One box for all advance labels: as wide as "60", so they line up right-aligned.
        for (int i = 0; i <= 12; ++i) {
            QCOMPARE(model.advanceTick(i).p1, QPointF(480, expectedY(5.0 * i)));
            QCOMPARE(model.advanceLabel(i).topLeft,
                     QPointF(480 - 1.7 * 200, expectedY(5.0 * i) - 100));
        }
    }

    // Larger shapes drawn before must leave no segment behind.
    void eachShapeShowsItsCurvesAtTheCellValues_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("curves");
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("last");
        QTest::newRow("60x1") << 0 << "." << 1 << QColor(192, 0, 0) << QColor(192, 0, 0);
        QTest::newRow("60x4") << 1 << "," << 4 << QColor(0, 0, 192) << QColor(192, 0, 0);
        QTest::newRow("40x6") << 2 << "." << 6 << QColor(0, 0, 192) << QColor(192, 0, 0);
        QTest::newRow("30x8") << 3 << "," << 8 << QColor(0, 0, 192) << QColor(128, 0, 0);
        QTest::newRow("20x12") << 4 << "," << 12 << QColor(0, 0, 128) << QColor(192, 0, 0);
    }
    void eachShapeShowsItsCurvesAtTheCellValues() {
        QFETCH(int, resolution);
        QFETCH(QString, separator);
        QFETCH(int, curves);
        QFETCH(QColor, first);
        QFETCH(QColor, last);
        const MapDocument doc = chartDocument(resolution, separator, slopedDegrees);
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(chartDocument(4, ".", slopedDegrees), ".");
        model.DrawGraph2D(doc, separator);
        const QList<QColor> legend = model.headerColours();
        QCOMPARE(legend.size(), curves);
        QCOMPARE(legend.first(), first);
        QCOMPARE(legend.last(), last);
        for (int c = 0; c < Graph2DModel::kCurves; ++c) {
            for (int s = 0; s < Graph2DModel::kSegments; ++s) {
                const GraphLine& segment = model.curveSegment(c, s);
                QCOMPARE(segment.visible, c < curves && s < doc.rowCount() - 1);
                if (!segment.visible)
                    continue;
                QCOMPARE(segment.colour, legend[c]);
                QCOMPARE(segment.p1, QPointF(expectedX(doc, s), expectedY(slopedDegrees(s, c))));
                QCOMPARE(segment.p2,
                         QPointF(expectedX(doc, s + 1), expectedY(slopedDegrees(s + 1, c))));
            }
        }
    }

    // RPM labels are thousands with one to three decimals; a cell being typed counts as 0.
    void chartNumbers() {
        const QList<std::tuple<int, QString, QString>> rpm = {
            {6000, ",", "6,0"}, {1125, ".", "1.125"}, {12250, ",", "12,25"}};
        for (const auto& [value, separator, text] : rpm)
            QCOMPARE(FormatRpmThousands(value, separator), text);
        const QList<std::tuple<QString, QString, double>> cells = {
            {"12,5", ",", 12.5}, {"", ".", 0.0}, {"abc", ".", 0.0}};
        for (const auto& [text, separator, degrees] : cells)
            QCOMPARE(CellDegrees(text, separator), degrees);
    }

    // An update agrees with a full redraw; one outside the shape changes nothing.
    void cellUpdates_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("first row") << 2 << 0 << 3;
        QTest::newRow("last row of 60x1") << 0 << 59 << 0;
        QTest::newRow("negative row") << 2 << -1 << 0;
        QTest::newRow("column past the shape") << 2 << 0 << 6;
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

    void equalFirstAndLastRpmDrawAtTheAxisStart() {
        MapDocument doc = chartDocument(2, ".", slopedDegrees);
        doc.rpmBreakpoints.fill(3000);
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(doc, ".");
        for (int i = 0; i <= 10; ++i)
            QCOMPARE(model.rpmTick(i).p1.x(), 480.0);
        for (int s = 0; s < doc.rowCount() - 1; ++s)
            QCOMPARE(model.curveSegment(5, s).p2, QPointF(480, expectedY(slopedDegrees(s + 1, 5))));
    }
};

QTEST_MAIN(Graph2DModelTest)
#include "tst_graph2d_model.moc"
