#include "core/form_state.h"
#include "core/twips.h"
#include "graph/graph2d_view.h"
#include "graph/graph3d_view.h"
#include "graph/graph_panel.h"
#include "graph_test_maps.h"
#include "tests/support/find_named.h"
#include "ui/main_form.h"

#include <QLineEdit>
#include <QScreen>
#include <QToolTip>
#include <QtTest>

namespace {

QPoint pixelOf(QPointF twips) {
    return QPoint(Twips::toPixels(qRound(twips.x())), Twips::toPixels(qRound(twips.y())));
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

// Pictures alike up to the rounding of antialiased edges, which depends on where a
// repaint is clipped.
bool alike(QImage a, QImage b) {
    a = a.convertToFormat(QImage::Format_RGB32);
    b = b.convertToFormat(QImage::Format_RGB32);
    return a.size() == b.size() &&
           std::equal(a.constBits(), a.constBits() + a.sizeInBytes(), b.constBits(),
                      [](uchar x, uchar y) { return std::abs(x - y) <= 4; });
}

// The main form shown, with the graph panel made after it as the window makes it.
struct Window {
    QWidget form;
    FormState state;
    GraphPanel graphs{[this] {
                          const FormWidgets design = buildMainForm(&form);
                          form.show();
                          return design;
                      }(),
                      state};

    QWidget* view(bool threeD) {
        return findNamed<QWidget>(&form, threeD ? "Frame7" : "Frame18")->findChild<ElementView*>();
    }
    // What the view shows: the tool tip over a point near the second curve's or ribbon's
    // fourth point; "painted" when nothing is painted beyond the last load boundary (3D) or
    // above the curves (2D); and the colour of the first column header, the legend of the
    // 2D curves.
    QString shown(bool threeD) {
        const QPoint at = pixelOf(threeD ? graphs.model3D().backEdge(1, 3).p1
                                         : graphs.model2D().curveSegment(1, 3).p1) +
                          QPoint(2, 1);
        QHelpEvent help(QEvent::ToolTip, at, view(threeD)->mapToGlobal(at));
        QApplication::sendEvent(view(threeD), &help);
        const QImage image = view(threeD)->grab().toImage();
        const bool painted = image.pixelColor(pixelOf(threeD ? QPointF(500, 4800)
                                                             : QPointF(7000, 300))) == Qt::black;
        return QToolTip::text() + (painted ? " painted " : " unpainted ") +
               findNamed<QLineEdit>(&form, "TextLabel1(0)")->palette().color(QPalette::Text).name();
    }
    QImage shownChart() {
        QApplication::processEvents();
        return form.screen()
            ->grabWindow(form.winId())
            .toImage()
            .copy(QRect(view(false)->mapTo(&form, QPoint()), view(false)->size()));
    }
};

} // namespace

class GraphViewsTest : public QObject {
    Q_OBJECT
  private slots:
    // The header legend shows with the chart only. A cell update repaints only around its
    // point; the window then shows what a full repaint of the edited map shows: here a peak
    // above both neighbours is levelled. Hovering a point shows its values in either view.
    void panelSwapsLegendFollowsEditsAndNamesPoints() {
        Window w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.graphs.setAxisTitles(graphAxisTitles(Language::English));
        const MapDocument edited = chartDocument(2, ".", slopedDegrees);
        MapDocument peaked = edited;
        peaked.cells[10][2] = 635;
        w.graphs.select2D(peaked);
        // Made after the window was shown, the view still shows.
        QVERIFY(w.view(false)->isVisible());
        const QImage before = w.shownChart();
        w.graphs.updateCell(10, 2, edited.cells[10][2]);
        const QImage afterEdit = w.shownChart();
        w.graphs.select2D(edited);
        QVERIFY(alike(afterEdit, w.shownChart()));
        QVERIFY(!alike(afterEdit, before));
        const QString pointText = "RPM: 1000\nLoad: 2.40 V\nAdvance: 5.9° painted ";
        QCOMPARE(w.shown(false), pointText + "#0000c0");
        w.graphs.select3D(edited);
        QCOMPARE(w.shown(true), pointText + QLineEdit().palette().color(QPalette::Text).name());
    }

    // The turn stays through redraws and edits; a double-click gives back the standard
    // view exactly, titles and their places included.
    void dragTurnsWheelZoomsDoubleClickRestores() {
        QWidget panel;
        panel.resize(Twips::toPixels(7575), Twips::toPixels(5295));
        Graph3DModel model(fixedMeasure), fresh(fixedMeasure);
        Graph3DView view(&panel, model);
        model.setAxisTitles(graphAxisTitles(Language::English));
        fresh.setAxisTitles(graphAxisTitles(Language::English));
        MapDocument doc = chartDocument(2, ".", slopedDegrees);
        doc.loadUnit = 1;
        model.DrawGraph3D(doc);
        const std::vector<double> standard = geometry(model);

        QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(200, 150));
        QTest::mouseMove(&view, QPoint(260, 170));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(260, 170));
        const std::vector<double> turned = geometry(model);
        QVERIFY(turned != standard);
        QCOMPARE(model.loadTitle().text + " / " + model.advanceTitle().text,
                 "LOAD (%) / IGNITION (°)");
        model.DrawGraph3D(doc);
        QVERIFY(geometry(model) == turned);

        const double spanBefore = QLineF(model.rpmAxis().p1, model.rpmAxis().p2).length();
        QWheelEvent wheel(QPointF(200, 150), view.mapToGlobal(QPointF(200, 150)), {}, {0, 240},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
        QVERIFY(QLineF(model.rpmAxis().p1, model.rpmAxis().p2).length() > spanBefore);

        doc.cells[5][2] = 400;
        model.UpdateGraph3DPoint(5, 2, 40.0);
        QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(200, 150));
        fresh.DrawGraph3D(doc);
        QVERIFY(geometry(model) == geometry(fresh));
        QCOMPARE(model.loadTitle().text, QStringLiteral("LOAD"));
    }
};

QTEST_MAIN(GraphViewsTest)
#include "tst_graph_views.moc"
