#include "core/advance_color.h"
#include "graph/graph2d_model.h"
#include "graph/graph3d_model.h"
#include "graph/graph_numbers.h"
#include "graph_test_maps.h"

#include <QtTest>
#include <cmath>

namespace {
QColor colourOf(double degrees) {
    const RgbColor rgb = AdvanceColor(degrees);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The 2D chart or the 3D wire frame, behind one face for the checks they share.
struct Chart {
    bool threeD;
    Graph2DModel flat{fixedMeasure};
    Graph3DModel frame{fixedMeasure};

    void draw(const MapDocument& doc, const QString& separator) {
        threeD ? frame.DrawGraph3D(doc) : flat.DrawGraph2D(doc, separator);
    }
    QList<const GraphLine*> lines() const { return threeD ? frame.lines() : flat.lines(); }
    // What is shown: hidden lines may keep any geometry and colour.
    QStringList shown() const {
        QStringList all;
        for (const GraphLine* line : lines())
            all << (line->visible ? QString::asprintf("%g,%g %g,%g ", line->p1.x(), line->p1.y(),
                                                      line->p2.x(), line->p2.y()) +
                                        line->colour.name()
                                  : QString());
        return all;
    }
};
} // namespace

class GraphModelsTest : public QObject {
    Q_OBJECT
  private slots:
    // A chart drawn over a larger shape and then updated in one cell shows what a fresh
    // drawing of the edited map shows; an update outside the shape changes nothing. The 3D
    // frame differs in one colour: an edited last row gives its closing cross line the new
    // value's colour, a fresh drawing that of the row before. The 2D curves take their
    // legend colours, the 3D cross lines the colour of their cell's advance.
    void drawingsAndUpdatesAgreeWithAFreshDrawing_data() {
        QTest::addColumn<QList<int>>("update"); // 3D (0 or 1), resolution, row, column
        QTest::newRow("2D: last row of 60x1") << QList<int>{0, 0, 59, 0};
        QTest::newRow("3D: last row, last column") << QList<int>{1, 2, 39, 5};
        QTest::newRow("3D: row past the shape") << QList<int>{1, 3, 30, 0};
    }
    void drawingsAndUpdatesAgreeWithAFreshDrawing() {
        QFETCH(QList<int>, update);
        const bool threeD = update[0];
        const int resolution = update[1], row = update[2], column = update[3];
        MapDocument doc = chartDocument(resolution, ",", slopedDegrees);
        Chart chart{threeD}, fresh{threeD};
        chart.draw(chartDocument(4, ".", slopedDegrees), "."); // 20 x 12
        chart.draw(doc, ",");
        threeD ? chart.frame.UpdateGraph3DPoint(row, column, 35.0)
               : chart.flat.UpdateGraph2DPoint(row, column, 35.0);
        if (row >= 0 && row < doc.rowCount() && column < doc.columnCount())
            doc.cells[row][column] = 350;
        fresh.draw(doc, ",");
        QStringList expected = fresh.shown();
        if (threeD && row == doc.rowCount() - 1) {
            const int k = chart.lines().indexOf(&chart.frame.crossLine(column, row));
            expected[k].replace(QRegularExpression("#.*"), colourOf(35.0).name());
        }
        QCOMPARE(chart.shown(), expected);
        const QList<QColor> legend = chart.flat.headerColours();
        QCOMPARE(legend.size(), threeD ? 0 : doc.columnCount());
        for (int c = 0; c < doc.columnCount(); ++c)
            for (int i = 0; i + 1 < doc.rowCount(); ++i)
                QCOMPARE(threeD ? chart.frame.crossLine(c, i).colour
                                : chart.flat.curveSegment(c, i).colour,
                         threeD ? colourOf(CellTenths::degrees(doc.cells[i][c])) : legend[c]);
    }

    // RPM labels are thousands with one to three decimals. Of the advance colours, not a
    // number is navy, and the ramp turns a darker red at 34 degrees.
    void chartNumbersAndColours() {
        QCOMPARE(QStringList({FormatRpmThousands(6000, ","), FormatRpmThousands(1125, "."),
                              FormatRpmThousands(12250, ",")}),
                 QStringList({"6,0", "1.125", "12,25"}));
        QCOMPARE((QList<QColor>{colourOf(std::nan("")), colourOf(33.99), colourOf(34.0)}),
                 (QList<QColor>{QColor(0, 0, 128), QColor(192, 0, 0), QColor(128, 0, 0)}));
    }
};

QTEST_MAIN(GraphModelsTest)
#include "tst_graph_models.moc"
