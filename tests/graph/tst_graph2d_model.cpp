#include "graph/graph2d_model.h"
#include "graph/graph_numbers.h"
#include "graph_test_maps.h"

#include <QtTest>

namespace {

// A fixed measure makes the label placement exact: 100 twips per character, 200 high.
QSizeF fixedMeasure(const QFont&, const QString& text) {
    return QSizeF(100.0 * text.size(), 200);
}

double expectedX(const MapDocument& doc, int row) {
    const double first = doc.rpmBreakpoints[0];
    const double last = doc.rpmBreakpoints[doc.rowCount() - 1];
    return 480 + 6840 * (doc.rpmBreakpoints[row] - first) / (last - first);
}

double expectedY(double degrees) {
    return 4800 - degrees * 4680 / 63.5;
}

using Ends = QList<QPointF>;
Ends curveEnds(const Graph2DModel& model, int curve) {
    Ends ends;
    for (int s = 0; s < Graph2DModel::kSegments; ++s)
        ends << model.curveSegment(curve, s).p1 << model.curveSegment(curve, s).p2;
    return ends;
}

} // namespace

class Graph2DModelTest : public QObject {
    Q_OBJECT
  private slots:
    void rpmTicksStandAtEveryTenthOfTheRows_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<QList<int>>("tickRows"); // rows of ticks 1..10
        QTest::newRow("60x1") << 0 << QList<int>{5, 11, 17, 23, 29, 35, 41, 47, 53, 59};
        QTest::newRow("40x6") << 2 << QList<int>{3, 7, 11, 15, 19, 23, 27, 31, 35, 39};
        QTest::newRow("30x8") << 3 << QList<int>{2, 5, 8, 11, 14, 17, 20, 23, 26, 29};
        QTest::newRow("20x12") << 4 << QList<int>{1, 3, 5, 7, 9, 11, 13, 15, 17, 19};
    }
    void rpmTicksStandAtEveryTenthOfTheRows() {
        QFETCH(int, resolution);
        QFETCH(QList<int>, tickRows);
        const MapDocument doc = chartDocument(resolution, ".", slopedDegrees);
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(doc, ".");
        QCOMPARE(model.rpmTick(0).p1, QPointF(480, 4800));
        QCOMPARE(model.rpmTick(0).p2, QPointF(480, 4920));
        for (int i = 1; i <= 10; ++i) {
            const GraphLine& tick = model.rpmTick(i);
            QCOMPARE(tick.p1, QPointF(expectedX(doc, tickRows[i - 1]), 4800));
            QCOMPARE(tick.p2, QPointF(tick.p1.x(), 4920));
            QCOMPARE(model.verticalGridLine(i).p1, QPointF(tick.p1.x(), 120));
            QCOMPARE(model.verticalGridLine(i).p2, QPointF(tick.p1.x(), 4800));
            QVERIFY(model.rpmTick(i).visible && model.verticalGridLine(i).visible);
            const QString expected = FormatRpmThousands(doc.rpmBreakpoints[tickRows[i - 1]], ".");
            QCOMPARE(model.rpmLabel(i).text, expected);
        }
        QCOMPARE(model.rpmTick(10).p1.x(), 7320.0);
    }

    void eachShapeShowsItsCurvesInThePaletteColours_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("curves");
        QTest::addColumn<QColor>("first");
        QTest::addColumn<QColor>("last");
        QTest::newRow("60x1") << 0 << 1 << QColor(192, 0, 0) << QColor(192, 0, 0);
        QTest::newRow("60x4") << 1 << 4 << QColor(0, 0, 192) << QColor(192, 0, 0);
        QTest::newRow("40x6") << 2 << 6 << QColor(0, 0, 192) << QColor(192, 0, 0);
        QTest::newRow("30x8") << 3 << 8 << QColor(0, 0, 192) << QColor(128, 0, 0);
        QTest::newRow("20x12") << 4 << 12 << QColor(0, 0, 128) << QColor(192, 0, 0);
    }
    void eachShapeShowsItsCurvesInThePaletteColours() {
        QFETCH(int, resolution);
        QFETCH(int, curves);
        QFETCH(QColor, first);
        QFETCH(QColor, last);
        const MapDocument doc = chartDocument(resolution, ".", slopedDegrees);
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(doc, ".");
        const QList<QColor> legend = model.headerColours();
        QCOMPARE(legend.size(), curves);
        QCOMPARE(legend.first(), first);
        QCOMPARE(legend.last(), last);
        const int segments = doc.rowCount() - 1;
        for (int c = 0; c < Graph2DModel::kCurves; ++c) {
            for (int s = 0; s < Graph2DModel::kSegments; ++s) {
                const GraphLine& segment = model.curveSegment(c, s);
                const bool shown = c < curves && s < segments;
                QVERIFY2(segment.visible == shown,
                         qPrintable(QStringLiteral("curve %1 segment %2").arg(c).arg(s)));
                if (shown)
                    QCOMPARE(segment.colour, legend[c]);
            }
        }
    }

    void curvesJoinTheCellValues_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<QString>("separator");
        QTest::newRow("60x4 point") << 1 << ".";
        QTest::newRow("20x12 comma") << 4 << ",";
    }
    void curvesJoinTheCellValues() {
        QFETCH(int, resolution);
        QFETCH(QString, separator);
        const MapDocument doc = chartDocument(resolution, separator, slopedDegrees);
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(doc, separator);
        for (int c = 0; c < doc.columnCount(); ++c) {
            for (int s = 0; s < doc.rowCount() - 1; ++s) {
                const GraphLine& segment = model.curveSegment(c, s);
                QCOMPARE(segment.p1, QPointF(expectedX(doc, s), expectedY(slopedDegrees(s, c))));
                QCOMPARE(segment.p2,
                         QPointF(expectedX(doc, s + 1), expectedY(slopedDegrees(s + 1, c))));
            }
        }
    }

    void advanceAxisSpansZeroTo63Point5Degrees_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("y");
        QTest::newRow("0 on the RPM axis") << 0.0 << 4800.0;
        QTest::newRow("63.5 at the top") << 63.5 << 120.0;
        QTest::newRow("above the axis") << 70.0 << 4800 - 70 * 4680 / 63.5;
        QTest::newRow("below the RPM axis") << -5.0 << 4800 + 5 * 4680 / 63.5;
    }
    void advanceAxisSpansZeroTo63Point5Degrees() {
        QFETCH(double, degrees);
        QFETCH(double, y);
        const MapDocument doc = chartDocument(0, ".", [&](int, int) { return degrees; });
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(doc, ".");
        QCOMPARE(model.curveSegment(0, 0).p1.y(), y);
        QCOMPARE(model.curveSegment(0, 58).p2.y(), y);
    }

    void gridAndAdvanceLabelsMarkEveryFiveDegrees() {
        const MapDocument doc = chartDocument(2, ".", slopedDegrees);
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(doc, ".");
        QCOMPARE(model.advanceTick(0).p1, QPointF(480, 4800));
        QCOMPARE(model.advanceTick(0).p2, QPointF(360, 4800));
        // One box for all: as wide as "60" (200), so they line up right-aligned.
        const double left = 480 - 1.7 * 200;
        for (int i = 0; i <= 12; ++i) {
            const double y = expectedY(5.0 * i);
            QCOMPARE(model.advanceTick(i).p1, QPointF(480, y));
            QCOMPARE(model.horizontalGridLine(i).p1, QPointF(480, y));
            QCOMPARE(model.horizontalGridLine(i).p2, QPointF(7320, y));
            const GraphLabel& label = model.advanceLabel(i);
            QCOMPARE(label.text, QString::number(5 * i));
            QCOMPARE(label.topLeft, QPointF(left, y - 100));
            QVERIFY(label.alignment & Qt::AlignRight);
        }
    }

    void rpmLabelsAlternateInHeightUnderTheirTicks() {
        const MapDocument doc = chartDocument(0, ".", slopedDegrees);
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(doc, ".");
        for (int i = 0; i <= 10; ++i) {
            const GraphLabel& label = model.rpmLabel(i);
            const double width = 100.0 * label.text.size();
            QCOMPARE(label.topLeft.x(), model.rpmTick(i).p1.x() - width / 2);
            QCOMPARE(label.topLeft.y(), 4920 + (i % 2) * 200 * 0.6);
        }
        QCOMPARE(model.rpmLabel(0).text, FormatRpmThousands(doc.rpmBreakpoints[0], "."));
    }

    void rpmThousandsKeepOneToThreeDecimals_data() {
        QTest::addColumn<int>("rpm");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("6000 point") << 6000 << "."
                                    << "6.0";
        QTest::newRow("6000 comma") << 6000 << ","
                                    << "6,0";
        QTest::newRow("6500") << 6500 << "."
                              << "6.5";
        QTest::newRow("750") << 750 << "."
                             << "0.75";
        QTest::newRow("1125") << 1125 << "."
                              << "1.125";
        QTest::newRow("12250 comma") << 12250 << ","
                                     << "12,25";
        QTest::newRow("10000 keeps its zeros") << 10000 << "."
                                               << "10.0";
        QTest::newRow("0") << 0 << "."
                           << "0.0";
        QTest::newRow("32767") << 32767 << "."
                               << "32.767";
    }
    void rpmThousandsKeepOneToThreeDecimals() {
        QFETCH(int, rpm);
        QFETCH(QString, separator);
        QFETCH(QString, text);
        QCOMPARE(FormatRpmThousands(rpm, separator), text);
    }

    void cellTextsConvertWithTheLocaleSeparator_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<double>("degrees");
        QTest::newRow("comma") << "12,5"
                               << "," << 12.5;
        QTest::newRow("point") << "12.5"
                               << "." << 12.5;
        QTest::newRow("no decimals") << "30"
                                     << "," << 30.0;
        QTest::newRow("empty while typing") << ""
                                            << "." << 0.0;
        QTest::newRow("lone separator") << ","
                                        << "," << 0.0;
        QTest::newRow("not a number") << "abc"
                                      << "." << 0.0;
    }
    void cellTextsConvertWithTheLocaleSeparator() {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(double, degrees);
        QCOMPARE(CellDegrees(text, separator), degrees);
    }

    void smallerShapeHidesEveryLeftoverSegment() {
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(chartDocument(4, ".", slopedDegrees), ".");
        model.DrawGraph2D(chartDocument(1, ".", slopedDegrees), ".");
        for (int c = 0; c < Graph2DModel::kCurves; ++c)
            for (int s = 0; s < Graph2DModel::kSegments; ++s)
                QCOMPARE(model.curveSegment(c, s).visible, c < 4);
    }

    void cellUpdateMovesOnlyItsSegmentEnds_data() {
        QTest::addColumn<int>("resolution");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("first row") << 2 << 0 << 3;
        QTest::newRow("middle row") << 2 << 17 << 0;
        QTest::newRow("last row") << 2 << 39 << 5;
        QTest::newRow("last row of 60x1") << 0 << 59 << 0;
    }
    void cellUpdateMovesOnlyItsSegmentEnds() {
        QFETCH(int, resolution);
        QFETCH(int, row);
        QFETCH(int, column);
        MapDocument doc = chartDocument(resolution, ".", slopedDegrees);
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(doc, ".");
        QList<Ends> before;
        for (int c = 0; c < Graph2DModel::kCurves; ++c)
            before << curveEnds(model, c);

        model.UpdateGraph2DPoint(row, column, 40.0);

        QList<Ends> expected = before;
        const double y = expectedY(40.0);
        if (row > 0)
            expected[column][2 * (row - 1) + 1].setY(y);
        if (row < doc.rowCount() - 1)
            expected[column][2 * row].setY(y);
        for (int c = 0; c < Graph2DModel::kCurves; ++c)
            QCOMPARE(curveEnds(model, c), expected[c]);

        // A full redraw of the edited document agrees with the update.
        doc.cells[row][column] = QStringLiteral("40.0");
        model.DrawGraph2D(doc, ".");
        for (int c = 0; c < Graph2DModel::kCurves; ++c)
            QCOMPARE(curveEnds(model, c), expected[c]);
    }

    void updatesOutsideTheTableChangeNothing_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("row past the shape") << 40 << 0;
        QTest::newRow("negative row") << -1 << 0;
        QTest::newRow("column past the shape") << 0 << 6;
        QTest::newRow("column past the array") << 0 << 12;
    }
    void updatesOutsideTheTableChangeNothing() {
        QFETCH(int, row);
        QFETCH(int, column);
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(chartDocument(2, ".", slopedDegrees), ".");
        QList<Ends> before;
        for (int c = 0; c < Graph2DModel::kCurves; ++c)
            before << curveEnds(model, c);
        model.UpdateGraph2DPoint(row, column, 40.0);
        for (int c = 0; c < Graph2DModel::kCurves; ++c)
            QCOMPARE(curveEnds(model, c), before[c]);
    }

    void equalFirstAndLastRpmDrawAtTheAxisStart() {
        MapDocument doc = chartDocument(2, ".", slopedDegrees);
        doc.rpmBreakpoints.fill(3000);
        Graph2DModel model(fixedMeasure);
        model.DrawGraph2D(doc, ".");
        for (int i = 0; i <= 10; ++i)
            QCOMPARE(model.rpmTick(i).p1.x(), 480.0);
        for (int s = 0; s < doc.rowCount() - 1; ++s) {
            QCOMPARE(model.curveSegment(5, s).p1.x(), 480.0);
            QCOMPARE(model.curveSegment(5, s).p2.x(), 480.0);
            QVERIFY(qIsFinite(model.curveSegment(5, s).p1.y()));
        }
        model.UpdateGraph2DPoint(39, 5, 20.0);
        QCOMPARE(model.curveSegment(5, 38).p2, QPointF(480, expectedY(20.0)));
    }
};

QTEST_MAIN(Graph2DModelTest)
#include "tst_graph2d_model.moc"
