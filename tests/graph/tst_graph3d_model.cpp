#include "core/advance_color.h"
#include "graph/graph3d_model.h"
#include "graph_test_maps.h"

#include <QtTest>

namespace {

QColor rampColour(double degrees) {
    const RgbColor rgb = AdvanceColor(degrees);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The projection worked out with the design axes: O = (2400, 2160), R = (5040, 1680),
// L = (-2280, 1320), A = (0, -2040).
QPointF expectedPoint(const MapDocument& doc, int row, double load, double degrees) {
    const double first = doc.rpmBreakpoints[0];
    const double last = doc.rpmBreakpoints[doc.rowCount() - 1];
    const double t = (doc.rpmBreakpoints[row] - first) / (last - first);
    return QPointF(2400 + 5040 * t - 2280 * load / 5.0,
                   2160 + 1680 * t + 1320 * load / 5.0 - 2040 * degrees / 63.5);
}

struct Snapshot {
    // Hidden lines may keep any geometry and colour; only what is shown counts.
    QList<QPointF> points;
    QList<bool> shown;
    QList<QColor> colours;
};

Snapshot snapshot(const Graph3DModel& model) {
    Snapshot s;
    for (const GraphLine* line : model.lines()) {
        s.points << (line->visible ? line->p1 : QPointF())
                 << (line->visible ? line->p2 : QPointF());
        s.shown << line->visible;
        s.colours << (line->visible ? line->colour : QColor());
    }
    return s;
}

} // namespace

class Graph3DModelTest : public QObject {
    Q_OBJECT
  private slots:
    void ribbonsFollowTheCellsInEveryShape_data() {
        QTest::addColumn<int>("resolution");
        QTest::newRow("60x1") << 0;
        QTest::newRow("60x4") << 1;
        QTest::newRow("40x6") << 2;
        QTest::newRow("30x8") << 3;
        QTest::newRow("20x12") << 4;
    }
    void ribbonsFollowTheCellsInEveryShape() {
        QFETCH(int, resolution);
        const MapDocument doc = chartDocument(resolution, ",", slopedDegrees);
        Graph3DModel model(fixedMeasure);
        // Larger shapes drawn before must leave no line behind.
        model.DrawGraph3D(chartDocument(0, ".", slopedDegrees), ".");
        model.DrawGraph3D(chartDocument(4, ".", slopedDegrees), ".");
        model.DrawGraph3D(doc, ",");
        const int rows = doc.rowCount();
        const int columns = doc.columnCount();
        for (int c = 0; c < Graph3DModel::kColumns; ++c) {
            const bool active = c < columns;
            for (int i = 0; i < Graph3DModel::kSegments; ++i) {
                const bool segmentShown = active && i < rows - 1;
                QCOMPARE(model.frontEdge(c, i).visible, segmentShown);
                QCOMPARE(model.backEdge(c, i).visible, segmentShown);
                QCOMPARE(model.crossLine(c, i).visible, active && i < rows);
                if (c < Graph3DModel::kJoints)
                    QCOMPARE(model.joint(c, i).visible, c + 1 < columns && i < rows);
                if (!segmentShown)
                    continue;
                const double from = slopedDegrees(i, c);
                const double to = slopedDegrees(i + 1, c);
                const double front = doc.loadBreakpoints[c];
                const double back = doc.loadBreakpoints[c + 1];
                QCOMPARE(model.frontEdge(c, i).p1, expectedPoint(doc, i, front, from));
                QCOMPARE(model.frontEdge(c, i).p2, expectedPoint(doc, i + 1, front, to));
                QCOMPARE(model.backEdge(c, i).p1, expectedPoint(doc, i, back, from));
                QCOMPARE(model.backEdge(c, i).p2, expectedPoint(doc, i + 1, back, to));
                QCOMPARE(model.crossLine(c, i).p1, model.frontEdge(c, i).p1);
                QCOMPARE(model.crossLine(c, i).p2, model.backEdge(c, i).p1);
                QCOMPARE(model.frontEdge(c, i).colour, rampColour(from));
                QCOMPARE(model.backEdge(c, i).colour, rampColour(from));
                QCOMPARE(model.crossLine(c, i).colour, rampColour(from));
            }
            if (!active)
                continue;
            // The last cross line closes the ribbon in the colour of the row before.
            const GraphLine& closing = model.crossLine(c, rows - 1);
            QCOMPARE(closing.p1, model.frontEdge(c, rows - 2).p2);
            QCOMPARE(closing.p2, model.backEdge(c, rows - 2).p2);
            QCOMPARE(closing.colour, rampColour(slopedDegrees(rows - 2, c)));
        }
        // Joints step from one ribbon's back edge to the next one's front edge.
        for (int j = 0; j + 1 < columns; ++j) {
            QCOMPARE(model.joint(j, 0).p1, model.backEdge(j, 0).p1);
            QCOMPARE(model.joint(j, 0).p2, model.frontEdge(j + 1, 0).p1);
            QCOMPARE(model.joint(j, 0).colour, model.backEdge(j, 0).colour);
            QCOMPARE(model.joint(j, rows - 1).p1, model.backEdge(j, rows - 2).p2);
            QCOMPARE(model.joint(j, rows - 1).p2, model.frontEdge(j + 1, rows - 2).p2);
            QCOMPARE(model.joint(j, rows - 1).colour, model.backEdge(j, rows - 2).colour);
        }
    }

    // Two corners worked out from the design axes pin the projection.
    void pointsLandWhereTheAxesPutThem() {
        Graph3DModel model(fixedMeasure);
        model.DrawGraph3D(chartDocument(2, ".", [](int, int) { return 63.5; }), ".");
        QCOMPARE(model.frontEdge(0, 0).p1, QPointF(2400, 120));
        model.DrawGraph3D(chartDocument(4, ".", [](int, int) { return 0.0; }), ".");
        QCOMPARE(model.backEdge(11, 18).p2, QPointF(5160, 5160));
    }

    // An update agrees with a full redraw; one outside the shape changes nothing.
    void cellUpdateAgreesWithAFullRedraw_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("first row, first column") << 2 << 0 << 0;
        QTest::newRow("last row, middle column") << 2 << 39 << 3;
        QTest::newRow("last row, last column") << 2 << 39 << 5;
        QTest::newRow("last column of 20x12") << 4 << 7 << 11;
        QTest::newRow("row past the shape") << 2 << 40 << 0;
        QTest::newRow("negative column") << 2 << 0 << -1;
        QTest::newRow("column past the shape") << 2 << 0 << 6;
    }
    void cellUpdateAgreesWithAFullRedraw() {
        QFETCH(int, resolution);
        QFETCH(int, row);
        QFETCH(int, column);
        MapDocument doc = chartDocument(resolution, ".", slopedDegrees);
        Graph3DModel updated(fixedMeasure);
        updated.DrawGraph3D(doc, ".");
        const Snapshot before = snapshot(updated);
        updated.UpdateGraph3DPoint(row, column, 35.0);
        if (row < 0 || row >= doc.rowCount() || column < 0 || column >= doc.columnCount()) {
            QCOMPARE(snapshot(updated).points, before.points);
            QCOMPARE(snapshot(updated).colours, before.colours);
            return;
        }

        doc.cells[row][column] = QStringLiteral("35.0");
        Graph3DModel redrawn(fixedMeasure);
        redrawn.DrawGraph3D(doc, ".");

        const Snapshot a = snapshot(updated);
        const Snapshot b = snapshot(redrawn);
        QCOMPARE(a.points, b.points);
        QCOMPARE(a.shown, b.shown);
        const int last = doc.rowCount() - 1;
        const QList<const GraphLine*> lines = updated.lines();
        for (int k = 0; k < lines.size(); ++k) {
            // The one difference: an edited last row gives its closing cross line the
            // colour of the new value, a redraw that of the row before.
            if (row == last && lines[k] == &updated.crossLine(column, last)) {
                QCOMPARE(a.colours[k], rampColour(35.0));
                QCOMPARE(b.colours[k], rampColour(slopedDegrees(last - 1, column)));
            } else {
                QCOMPARE(a.colours[k], b.colours[k]);
            }
        }
    }

    void equalFirstAndLastRpmDrawAtTheAxisStart() {
        MapDocument doc = chartDocument(1, ".", [](int, int) { return 0.0; });
        doc.rpmBreakpoints.fill(2500);
        Graph3DModel model(fixedMeasure);
        model.DrawGraph3D(doc, ".");
        model.UpdateGraph3DPoint(59, 3, 10.0);
        for (const GraphLine* line : model.lines()) {
            QVERIFY(qIsFinite(line->p1.x()) && qIsFinite(line->p1.y()));
            QVERIFY(qIsFinite(line->p2.x()) && qIsFinite(line->p2.y()));
        }
        // Every point of the first ribbon lies on the load axis.
        for (int i = 0; i < 59; ++i)
            QCOMPARE(model.frontEdge(0, i).p2, QPointF(2400, 2160));
        QCOMPARE(model.backEdge(3, 0).p1, QPointF(120, 3480));
    }

    void axisTitlesFollowTheLanguage() {
        Graph3DModel model(fixedMeasure);
        QCOMPARE(model.advanceTitle().text, QStringLiteral("Előgyújtás"));
        QCOMPARE(model.loadTitle().topLeft, QPointF(120, 3720));
        model.setAxisTitles(graphAxisTitles(Language::English));
        QCOMPARE(model.advanceTitle().text, QStringLiteral("IGNITION"));
        QCOMPARE(model.advanceTitle().size, QSizeF(800, 200));
        QCOMPARE(model.loadTitle().text, QStringLiteral("LOAD"));
    }
};

QTEST_MAIN(Graph3DModelTest)
#include "tst_graph3d_model.moc"
