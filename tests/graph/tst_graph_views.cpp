#include "core/find_widget.h"
#include "core/form_state.h"
#include "core/twips.h"
#include "graph/graph2d_view.h"
#include "graph/graph3d_view.h"
#include "graph/graph_panel.h"
#include "graph_test_maps.h"
#include "ui/main_form.h"

#include <QLineEdit>
#include <QScreen>
#include <QToolTip>
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

QColor headerColour(QWidget* form, int index) {
    return findNamed<QLineEdit>(form, arrayName("TextLabel1", index))
        ->palette()
        .color(QPalette::Text);
}

// Every coordinate of the frame and its titles, compared exactly.
std::vector<double> geometry(const Graph3DModel& model) {
    std::vector<double> all;
    for (const GraphLine* line : model.lines())
        all.insert(all.end(), {line->p1.x(), line->p1.y(), line->p2.x(), line->p2.y()});
    for (const GraphLabel* label : model.labels())
        all.insert(all.end(), {label->topLeft.x(), label->topLeft.y()});
    return all;
}

} // namespace

class GraphViewsTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { Twips::setLogicalDpi(96); }

    // At twice the usual density the thin lines are two pixels wide, so their colour
    // shows unblended.
    void viewsPaintTheLinesInTheirColours_data() {
        QTest::addColumn<bool>("threeD");
        QTest::newRow("2D chart") << false;
        QTest::newRow("3D wire frame") << true;
    }
    void viewsPaintTheLinesInTheirColours() {
        QFETCH(bool, threeD);
        Twips::setLogicalDpi(192);
        QWidget panel;
        Graph2DModel chart;
        Graph3DModel frame;
        const MapDocument doc = chartDocument(threeD ? 2 : 1, ".", slopedDegrees);
        Graph3DView view3D(&panel, frame);
        Graph2DView view2D(&panel, chart);
        view2D.setVisible(!threeD);
        view3D.setVisible(threeD);
        threeD ? frame.DrawGraph3D(doc, ".") : chart.DrawGraph2D(doc, ".");
        panel.resize(Twips::toPixels(7575), Twips::toPixels(5295));
        const QImage image = panel.grab().toImage();
        const QList<const GraphLine*> lines = threeD ? frame.lines() : chart.lines();
        for (int k = 0; k < lines.size(); k += 17)
            if (lines[k]->visible && lines[k]->layer > 0)
                QVERIFY2(paintedInItsColour(image, *lines[k]), qPrintable(QString::number(k)));
        // Beyond the last load boundary (3D) and above the curves (2D) nothing is drawn.
        QCOMPARE(image.pixelColor(pixelOf(threeD ? QPointF(500, 4800) : QPointF(7000, 300))),
                 QColor(Qt::black));
    }

    // A cell update goes to the view shown only; the hidden one is redrawn when chosen.
    // The header legend shows with the chart only.
    void choosingAViewSwapsLegendAndUpdates() {
        QWidget form;
        buildMainForm(&form);
        form.show();
        FormState state;
        GraphPanel graphs(&form, state);
        const MapDocument doc = chartDocument(1, ".", slopedDegrees);
        MapDocument edited = doc;
        edited.cells[10][2] = QStringLiteral("63.5");
        const QColor plain = headerColour(&form, 12);
        graphs.select2D(doc);
        // Made after the window was shown, the view still shows.
        QVERIFY(findNamed<QWidget>(&form, "Frame18")->findChild<Graph2DView*>()->isVisible());
        QCOMPARE(headerColour(&form, 0), QColor(0, 0, 192));
        const QPointF frameBefore = graphs.model3D().frontEdge(2, 10).p1;
        graphs.updateCell(10, 2, edited);
        QCOMPARE(graphs.model3D().frontEdge(2, 10).p1, frameBefore);
        graphs.select3D(doc);
        QCOMPARE(headerColour(&form, 1), plain);
    }

    // An edit repaints only around its point, and the window then shows what a full
    // repaint of the edited map shows: here a peak above both neighbours is levelled.
    void anEditRepaintsAsAFullRedrawWould() {
        QWidget form;
        buildMainForm(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        FormState state;
        GraphPanel graphs(&form, state);
        const MapDocument edited = chartDocument(1, ".", slopedDegrees);
        MapDocument peaked = edited;
        peaked.cells[10][2] = QStringLiteral("63.5");
        const auto* view = findNamed<QWidget>(&form, "Frame18")->findChild<Graph2DView*>();
        const auto shown = [&] {
            QApplication::processEvents();
            return form.screen()
                ->grabWindow(form.winId())
                .toImage()
                .copy(QRect(view->mapTo(&form, QPoint()), view->size()));
        };
        graphs.select2D(peaked);
        const QImage before = shown();
        graphs.updateCell(10, 2, edited);
        const QImage afterEdit = shown();
        graphs.select2D(edited);
        QCOMPARE(afterEdit, shown());
        QVERIFY(afterEdit != before);
    }

    // The turn stays through redraws and edits; a double-click gives back the standard
    // view exactly, titles and their places included.
    void dragTurnsWheelZoomsDoubleClickRestores() {
        QWidget panel;
        panel.resize(Twips::toPixels(7575), Twips::toPixels(5295));
        Graph3DModel model(fixedMeasure);
        Graph3DView view(&panel, model);
        model.setAxisTitles(graphAxisTitles(Language::English));
        MapDocument doc = chartDocument(2, ".", slopedDegrees);
        doc.loadUnit = 1;
        model.DrawGraph3D(doc, ".");
        const std::vector<double> standard = geometry(model);
        QCOMPARE(model.loadTitle().text, QStringLiteral("LOAD"));

        QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(200, 150));
        QTest::mouseMove(&view, QPoint(260, 170));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(260, 170));
        const std::vector<double> turned = geometry(model);
        QVERIFY(turned != standard);
        QCOMPARE(model.loadTitle().text, QStringLiteral("LOAD (%)"));
        QCOMPARE(model.advanceTitle().text, QStringLiteral("IGNITION (°)"));
        model.DrawGraph3D(doc, ".");
        QVERIFY(geometry(model) == turned);

        const double spanBefore = QLineF(model.rpmAxis().p1, model.rpmAxis().p2).length();
        QWheelEvent wheel(QPointF(200, 150), view.mapToGlobal(QPointF(200, 150)), {}, {0, 240},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
        QVERIFY(QLineF(model.rpmAxis().p1, model.rpmAxis().p2).length() > spanBefore);

        doc.cells[5][2] = QStringLiteral("40.0");
        model.UpdateGraph3DPoint(5, 2, 40.0);
        QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(200, 150));
        Graph3DModel fresh(fixedMeasure);
        fresh.setAxisTitles(graphAxisTitles(Language::English));
        fresh.DrawGraph3D(doc, ".");
        QVERIFY(geometry(model) == geometry(fresh));
        QCOMPARE(model.loadTitle().text, QStringLiteral("LOAD"));
    }

    void hoverShowsTheValuesOfAPoint_data() { viewsPaintTheLinesInTheirColours_data(); }
    void hoverShowsTheValuesOfAPoint() {
        QFETCH(bool, threeD);
        QWidget form;
        buildMainForm(&form);
        form.show();
        FormState state;
        GraphPanel graphs(&form, state);
        graphs.setAxisTitles(graphAxisTitles(Language::English));
        const MapDocument doc = chartDocument(2, ".", slopedDegrees);
        threeD ? graphs.select3D(doc) : graphs.select2D(doc);
        QWidget* view =
            findNamed<QWidget>(&form, threeD ? "Frame7" : "Frame18")->findChild<ElementView*>();
        const QPointF point =
            threeD ? graphs.model3D().backEdge(1, 3).p1 : graphs.model2D().curveSegment(1, 3).p1;
        const QPoint at = pixelOf(point) + QPoint(2, 1);
        QHelpEvent help(QEvent::ToolTip, at, view->mapToGlobal(at));
        QApplication::sendEvent(view, &help);
        QCOMPARE(QToolTip::text(), QStringLiteral("RPM: 1000\nLoad: 2.40 V\nAdvance: 5.9°"));
    }
};

QTEST_MAIN(GraphViewsTest)
#include "tst_graph_views.moc"
