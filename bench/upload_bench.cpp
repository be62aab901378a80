// The upload's own cost: once over the recording double with waits that take no time,
// and once over a pseudo-terminal pair with the real clock, timed without the fixed
// 0.5 s break, 300 ms and 1.5 s waits.
#include "bench/bench_support.h"
#include "device/qt_serial_link.h"
#include "device/real_clock.h"
#include "device/upload_sequence.h"
#include "tests/support/fake_clock.h"
#include "tests/support/pty_pair.h"
#include "tests/support/recording_progress.h"
#include "tests/support/recording_serial_link.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSerialPort>
#include <benchmark/benchmark.h>

namespace {
constexpr double kFixedWaitsSeconds = 0.5 + 0.3 + 1.5;

FrameBuild sampleFrame() {
    FrameBuild build;
    for (int k = 0; k < 256; ++k)
        build.frame[k] = (k * 7 + 3) % 256;
    return build;
}

void uploadOverRecordingLink(benchmark::State& state) {
    const FrameBuild build = sampleFrame();
    RecordingProgress progress;
    for (auto _ : state) {
        FakeClock clock;
        RecordingSerialLink link(&clock);
        UploadSequence upload(link, clock, progress);
        upload.start(QStringLiteral("bench"), build);
        clock.run();
        benchmark::DoNotOptimize(link.calls().size());
        progress.clear();
    }
}
BENCHMARK(uploadOverRecordingLink);

void uploadOverPty(benchmark::State& state) {
    PtyPair pair;
    if (!pair.isReady()) {
        state.SkipWithError("socat could not make a pseudo-terminal pair");
        return;
    }
    QSerialPort far(pair.far());
    if (!far.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the far end would not open");
        return;
    }
    const FrameBuild build = sampleFrame();
    RecordingProgress progress;
    QtSerialLink link;
    RealClock clock;
    for (auto _ : state) {
        UploadSequence upload(link, clock, progress);
        QEventLoop loop;
        QObject::connect(&upload, &UploadSequence::finished, &loop, &QEventLoop::quit);
        QElapsedTimer timer;
        timer.start();
        upload.start(pair.near(), build);
        if (upload.isRunning())
            loop.exec();
        const double seconds = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds - kFixedWaitsSeconds);
        state.counters["total_s"] = seconds;
        far.readAll();
        progress.clear();
    }
}
BENCHMARK(uploadOverPty)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
