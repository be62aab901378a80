#include "core/advance_color.h"
#include "graph/graph3d_model.h"
#include "graph_test_maps.h"

#include <QtTest>

namespace {
QColor colourOf(double degrees) {
    const RgbColor rgb = AdvanceColor(degrees);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// What is shown: hidden lines may keep any geometry and colour.
QStringList shown(const Graph3DModel& model) {
    QStringList all;
    for (const GraphLine* line : model.lines())
        all << (line->visible ? QStringLiteral("%1,%2 %3,%4 %5")
                                    .arg(line->p1.x())
                                    .arg(line->p1.y())
                                    .arg(line->p2.x())
                                    .arg(line->p2.y())
                                    .arg(line->colour.name())
                              : QString());
    return all;
}
} // namespace

class Graph3DModelTest : public QObject {
    Q_OBJECT
  private slots:
    // Larger shapes drawn before must leave no line behind; cross lines take the colour
    // of their cell's advance.
    void ribbonsFollowTheCellsInEveryShape_data() {
        QTest::addColumn<int>("resolution");
        QTest::newRow("30x8 after 20x12") << 3;
    }
    void ribbonsFollowTheCellsInEveryShape() {
        QFETCH(int, resolution);
        const MapDocument doc = chartDocument(resolution, ",", slopedDegrees);
        Graph3DModel model(fixedMeasure);
        model.DrawGraph3D(chartDocument(4, ".", slopedDegrees), ".");
        model.DrawGraph3D(doc, ",");
        const int rows = doc.rowCount();
        const int columns = doc.columnCount();
        for (int c = 0; c < Graph3DModel::kColumns; ++c)
            for (int i = 0; i < Graph3DModel::kSegments; ++i) {
                QCOMPARE(model.backEdge(c, i).visible, c < columns && i < rows - 1);
                QCOMPARE(model.crossLine(c, i).visible, c < columns && i < rows);
                if (c < Graph3DModel::kJoints)
                    QCOMPARE(model.joint(c, i).visible, c + 1 < columns && i < rows);
                if (c < columns && i < rows - 1)
                    QCOMPARE(model.crossLine(c, i).colour, colourOf(slopedDegrees(i, c)));
            }
    }

    // An update agrees with a full redraw but for one colour: an edited last row gives
    // its closing cross line the new value's colour, a redraw that of the row before.
    // One outside the shape changes nothing.
    void cellUpdateAgreesWithAFullRedraw_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("last row, last column") << 2 << 39 << 5;
        QTest::newRow("row past the shape") << 2 << 40 << 0;
    }
    void cellUpdateAgreesWithAFullRedraw() {
        QFETCH(int, resolution);
        QFETCH(int, row);
        QFETCH(int, column);
        MapDocument doc = chartDocument(resolution, ".", slopedDegrees);
        Graph3DModel updated(fixedMeasure);
        updated.DrawGraph3D(doc, ".");
        updated.UpdateGraph3DPoint(row, column, 35.0);
        if (row < doc.rowCount() && column < doc.columnCount())
            doc.cells[row][column] = QStringLiteral("35.0");
        Graph3DModel redrawn(fixedMeasure);
        redrawn.DrawGraph3D(doc, ".");
        QStringList expected = shown(redrawn);
        if (row == doc.rowCount() - 1) {
            const int k = updated.lines().indexOf(&updated.crossLine(column, row));
            expected[k].replace(QRegularExpression("#.*"), colourOf(35.0).name());
        }
        QCOMPARE(shown(updated), expected);
    }
};

QTEST_MAIN(Graph3DModelTest)
#include "tst_graph3d_model.moc"
