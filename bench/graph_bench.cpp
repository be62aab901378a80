// A full redraw of each graph: the model computed from the whole map and the panel
// painted into an image; and the painting alone, which every one-cell update also costs.
#include "bench/bench_support.h"
#include "core/form_state.h"
#include "graph/graph_panel.h"
#include "tests/support/find_named.h"
#include "ui/main_form.h"

#include <QImage>
#include <QMouseEvent>
#include <QWidget>

namespace {

void redraw(benchmark::State& state, bool threeD, const char* file, bool computeModel) {
    QWidget form;
    FormState formState;
    formState.decimalSeparator = QStringLiteral(".");
    formState.otherSeparator = QStringLiteral(",");
    GraphPanel graphs(buildMainForm(&form), formState);
    const MapDocument document = goldenMap(file);
    if (threeD)
        graphs.select3D(document);
    else
        graphs.select2D(document);
    QWidget* panel =
        findNamed<QWidget>(&form, threeD ? QStringLiteral("Frame7") : QStringLiteral("Frame18"));
    for (auto _ : state) {
        if (computeModel)
            graphs.redraw(document);
        const QImage picture = panel->grab().toImage();
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK_CAPTURE(redraw, full_2D_60x4, false, "shape1_time.klv", true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw, full_2D_20x12, false, "shape4_time.klv", true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw, full_3D_60x4, true, "shape1_time.klv", true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw, full_3D_20x12, true, "shape4_time.klv", true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw, paintOnly_2D_20x12, false, "shape4_time.klv", false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw, paintOnly_3D_20x12, true, "shape4_time.klv", false)
    ->Unit(benchmark::kMillisecond);

// One step of a drag in the 3D view: the turn, the frame drawn again and the panel
// painted, which must fit in one frame (16 ms).
void rotate3D(benchmark::State& state, const char* file) {
    QWidget form;
    FormState formState;
    GraphPanel graphs(buildMainForm(&form), formState);
    graphs.select3D(goldenMap(file));
    QWidget* panel = findNamed<QWidget>(&form, QStringLiteral("Frame7"));
    QWidget* view = panel->findChild<Graph3DView*>();
    const QPointF start(200, 150);
    QMouseEvent press(QEvent::MouseButtonPress, start, view->mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &press);
    int step = 0;
    for (auto _ : state) {
        ++step;
        const QPointF to = start + QPointF(step % 200, step % 50);
        QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(view, &move);
        const QImage picture = panel->grab().toImage();
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK_CAPTURE(rotate3D, turn_3D_60x4, "shape1_time.klv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rotate3D, turn_3D_20x12, "shape4_time.klv")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    useOffscreenUnlessSet();
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
