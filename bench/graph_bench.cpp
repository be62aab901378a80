// A full redraw of each graph: the model computed from the whole map and the panel
// painted into an image; and the painting alone, which every one-cell update also costs.
#include "bench/bench_support.h"
#include "core/find_widget.h"
#include "core/form_state.h"
#include "graph/graph_panel.h"
#include "ui/main_form.h"

#include <QImage>
#include <QWidget>

namespace {

void redraw(benchmark::State& state, bool threeD, const char* file, bool computeModel) {
    QWidget form;
    buildMainForm(&form);
    FormState formState;
    formState.decimalSeparator = QStringLiteral(".");
    formState.otherSeparator = QStringLiteral(",");
    GraphPanel graphs(&form, formState);
    const MapDocument document = goldenMap(file);
    if (threeD)
        graphs.select3D(document);
    else
        graphs.select2D(document);
    QWidget* panel = findNamed<QWidget>(&form, threeD ? QStringLiteral("Frame7")
                                                      : QStringLiteral("Frame18"));
    for (auto _ : state) {
        if (computeModel)
            graphs.redraw(document);
        const QImage picture = panel->grab().toImage();
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK_CAPTURE(redraw, full_2D_60x4, false, "shape1_time.klv", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw, full_2D_20x12, false, "shape4_time.klv", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw, full_3D_60x4, true, "shape1_time.klv", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw, full_3D_20x12, true, "shape4_time.klv", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw, paintOnly_2D_20x12, false, "shape4_time.klv", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw, paintOnly_3D_20x12, true, "shape4_time.klv", false)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    useOffscreenUnlessSet();
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
