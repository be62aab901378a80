#include "core/find_widget.h"
#include "core/form_state.h"
#include "core/twips.h"
#include "graph/graph2d_view.h"
#include "graph/graph3d_view.h"
#include "graph/graph_panel.h"
#include "graph_test_maps.h"
#include "ui/main_form.h"

#include <QLineEdit>
#include <QtTest>

namespace {

QPoint pixelOf(QPointF twips) {
    return QPoint(Twips::toPixels(qRound(twips.x())), Twips::toPixels(qRound(twips.y())));
}

bool near(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
           qAbs(a.blue() - b.blue()) < 24;
}

// Anti-aliasing may blend the edge pixels, so any pixel right around a line's middle counts.
bool paintedInItsColour(const QImage& image, const GraphLine& line) {
    const QPoint middle = pixelOf((line.p1 + line.p2) / 2);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (near(image.pixelColor(middle + QPoint(dx, dy)), line.colour))
                return true;
    return false;
}

QImage paintedPanel(QWidget& panel) {
    panel.resize(Twips::toPixels(7575), Twips::toPixels(5295));
    return panel.grab().toImage();
}

QColor headerColour(QWidget* form, int index) {
    return findNamed<QLineEdit>(form, arrayName("TextLabel1", index))
        ->palette()
        .color(QPalette::Text);
}

} // namespace

class GraphViewsTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { Twips::setLogicalDpi(96); }

    void chartPaintsCurvesWhereTheModelPutsThem() {
        QWidget panel;
        Graph2DModel model;
        Graph2DView view(&panel, model);
        model.DrawGraph2D(chartDocument(1, ".", slopedDegrees), ".");
        const QImage image = paintedPanel(panel);
        QCOMPARE(view.size(), panel.size());
        for (int c = 0; c < 4; ++c) {
            for (int s : {3, 30, 57})
                QVERIFY2(paintedInItsColour(image, model.curveSegment(c, s)),
                         qPrintable(QStringLiteral("curve %1 segment %2").arg(c).arg(s)));
        }
        QCOMPARE(image.pixelColor(pixelOf({7000, 300})), QColor(Qt::black));
    }

    void wireFramePaintsRibbonsInTheirAdvanceColours() {
        // At twice the usual density the thin wire-frame lines are two pixels wide, so
        // their colour shows unblended.
        Twips::setLogicalDpi(192);
        QWidget panel;
        Graph3DModel model;
        Graph3DView view(&panel, model);
        model.DrawGraph3D(chartDocument(2, ".", slopedDegrees), ".");
        const QImage image = paintedPanel(panel);
        for (int c : {0, 5})
            for (int i : {2, 20, 37})
                QVERIFY2(paintedInItsColour(image, model.frontEdge(c, i)) &&
                             paintedInItsColour(image, model.crossLine(c, i)),
                         qPrintable(QStringLiteral("column %1 row %2").arg(c).arg(i)));
        // Beyond the last load boundary nothing is drawn.
        QCOMPARE(image.pixelColor(pixelOf({500, 4800})), QColor(Qt::black));
    }

    // A cell update goes to the view shown only; the hidden one is redrawn when chosen.
    void choosingAViewSwapsPanelsLegendAndUpdates() {
        QWidget form;
        buildMainForm(&form);
        form.show();
        FormState state;
        state.decimalSeparator = QStringLiteral(",");
        GraphPanel graphs(&form, state);
        const MapDocument doc = chartDocument(1, ",", slopedDegrees);
        MapDocument edited = doc;
        edited.cells[10][2] = QStringLiteral("63,5");
        auto* panel2D = findNamed<QWidget>(&form, "Frame18");
        auto* panel3D = findNamed<QWidget>(&form, "Frame7");
        const QColor plain = headerColour(&form, 12);

        graphs.select2D(doc);
        QVERIFY(panel2D->isVisible() && !panel3D->isVisible());
        // Made after the window was shown, the view still shows and fills its panel.
        auto* view = panel2D->findChild<Graph2DView*>();
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->geometry(), panel2D->rect());
        QCOMPARE(headerColour(&form, 0), QColor(0, 0, 192));
        QCOMPARE(headerColour(&form, 3), QColor(192, 0, 0));
        const QPointF frameBefore = graphs.model3D().frontEdge(2, 10).p1;
        graphs.updateCell(10, 2, edited);
        QCOMPARE(graphs.model2D().curveSegment(2, 10).p1.y(), 120.0);
        QCOMPARE(graphs.model3D().frontEdge(2, 10).p1, frameBefore);

        graphs.select3D(doc);
        QVERIFY(!panel2D->isVisible() && panel3D->isVisible());
        for (int i = 0; i < 12; ++i)
            QCOMPARE(headerColour(&form, i), plain);
        const QPointF frameShown = graphs.model3D().frontEdge(1, 20).p1;
        const QPointF chartHidden = graphs.model2D().curveSegment(1, 20).p1;
        edited.cells[20][1] = QStringLiteral("63,5");
        graphs.updateCell(20, 1, edited);
        QCOMPARE(graphs.model3D().frontEdge(1, 20).p1.y(),
                 frameShown.y() - 2040 * (63.5 - slopedDegrees(20, 1)) / 63.5);
        QCOMPARE(graphs.model2D().curveSegment(1, 20).p1, chartHidden);

        graphs.select2D(doc);
        QCOMPARE(headerColour(&form, 1), QColor(0, 192, 0));
        QVERIFY(graphs.model2D().curveSegment(2, 10).p1.y() > 120.0);
    }
};

QTEST_MAIN(GraphViewsTest)
#include "tst_graph_views.moc"
