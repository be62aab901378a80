// The controller frame made from a whole map: the image of words, then the packed bytes.
#include "bench/bench_support.h"
#include "device/device_frame.h"
#include "device/device_image.h"
#include "device/frame_build.h"

namespace {

void buildImage(benchmark::State& state, const char* file) {
    const MapDocument document = goldenMap(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildDeviceImage(document, "."));
}
BENCHMARK_CAPTURE(buildImage, 60x4, "shape1_time.klv");
BENCHMARK_CAPTURE(buildImage, 20x12, "shape4_time.klv");

void packImage(benchmark::State& state) {
    const DeviceImageResult built = BuildDeviceImage(goldenMap("shape4_time.klv"), ".");
    if (!built.ok()) {
        state.SkipWithError("the sample map gives no image");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(PackDeviceImage(*built.image));
}
BENCHMARK(packImage);

void buildAndPack(benchmark::State& state, const char* file) {
    const MapDocument document = goldenMap(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(buildFrame(document, "."));
}
BENCHMARK_CAPTURE(buildAndPack, 60x4, "shape1_time.klv");
BENCHMARK_CAPTURE(buildAndPack, 20x12, "shape4_time.klv");

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
