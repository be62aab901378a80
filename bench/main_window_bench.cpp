// The user's actions on the real main window, each timed up to and including the repaint
// it causes: start-up to the first complete picture, resolution changes, map loads (one
// with a note of megabytes) and an accepted cell edit.
#include "bench/bench_support.h"
#include "storage/map_file.h"
#include "tests/support/find_named.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/main_window.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

// Finishes the repaint the last action asked for, as the event loop would.
void repaintNow() {
    QApplication::processEvents();
}

// A started, shown and active window with its own settings file; nothing may ask.
struct ShownWindow {
    ShownWindow() : window(dialogs, dir.filePath("kelvor-310.ini")) {
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the window did not become active");
        repaintNow();
    }
    QLineEdit* cell(int row, int column) {
        return findNamed<QLineEdit>(
            window.form(), arrayName(qPrintable(QStringLiteral("Text%1").arg(column + 1)), row));
    }
    void chooseResolution(int index) {
        auto* list = findNamed<QComboBox>(window.form(), QStringLiteral("Combo6"));
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainWindow window;
};

void startUpToFirstPaint(benchmark::State& state) {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    for (auto _ : state) {
        auto window = std::make_unique<MainWindow>(dialogs, dir.filePath("kelvor-310.ini"));
        window->show();
        const QImage picture = window->grab().toImage();
        benchmark::DoNotOptimize(picture.constBits());
        state.PauseTiming();
        window.reset();
        repaintNow();
        state.ResumeTiming();
    }
}
BENCHMARK(startUpToFirstPaint)->Unit(benchmark::kMillisecond);

// Arg: the resolution chosen, always from another one.
void resolutionChange(benchmark::State& state) {
    ShownWindow shown;
    const int target = int(state.range(0));
    const int other = target == 2 ? 1 : 2;
    for (auto _ : state) {
        state.PauseTiming();
        shown.chooseResolution(other);
        repaintNow();
        state.ResumeTiming();
        shown.chooseResolution(target);
        repaintNow();
    }
}
BENCHMARK(resolutionChange)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// Each timed load starts again from the 40 x 6 start-up map, untimed.
void timeLoads(benchmark::State& state, ShownWindow& shown, const QString& path) {
    const MapDocument startup = MapDocument::startupDefaults(".");
    for (auto _ : state) {
        state.PauseTiming();
        shown.window.applyLoadedDocument(startup);
        repaintNow();
        state.ResumeTiming();
        shown.window.openCommandLineMap(path);
        repaintNow();
    }
}

// The load button's work without its dialog: read the file, apply it, redraw, repaint.
// Each load replaces the 40 x 6 start-up map, so the grid changes shape every time.
void loadMap(benchmark::State& state, const char* file) {
    ShownWindow shown;
    const QString path = goldenMapPath(file);
    timeLoads(state, shown, path);
    if (shown.window.document() != goldenMap(file))
        state.SkipWithError("the map was not loaded");
}
BENCHMARK_CAPTURE(loadMap, 60x4, "shape1_time.klv")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadMap, 20x12, "shape4_time.klv")->Unit(benchmark::kMillisecond);

// A map whose note is one line of the arg's megabytes (the 4 MB one just within the
// largest file the reader takes), loaded as the load button does and shown.
void loadLongNote(benchmark::State& state) {
    ShownWindow shown;
    const qsizetype noteSize = state.range(0) * 1024 * 1024 - 64 * 1024;
    MapDocument document = MapDocument::startupDefaults(".");
    QString words;
    while (words.size() < noteSize)
        words += QStringLiteral("note%1 ").arg(words.size() % 7);
    document.note = words;
    const QString path = shown.dir.filePath("long note.klv");
    if (!saveMapFile(path, document, ".").saved)
        qFatal("the map with the long note could not be written");
    timeLoads(state, shown, path);
    if (shown.window.document().note != words)
        state.SkipWithError("the note was not loaded");
}
BENCHMARK(loadLongNote)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

// A value typed into an entered cell and Enter: the check, the one-cell graph update and
// the move to the next row; with the repaint that follows when the arg is 1.
void cellEdit(benchmark::State& state) {
    ShownWindow shown;
    const bool repaint = state.range(0) == 1;
    const QString values[] = {QStringLiteral("12.5"), QStringLiteral("23.5")};
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QLineEdit* cell = shown.cell(4, 2);
        QTest::mouseClick(cell, Qt::LeftButton);
        cell->setText(values[i++ % 2]);
        repaintNow();
        state.ResumeTiming();
        QTest::keyClick(cell, Qt::Key_Return);
        if (repaint)
            repaintNow();
    }
    if (QApplication::focusWidget() != shown.cell(5, 2) || shown.dialogs.calls().size() != 0)
        state.SkipWithError("Enter did not accept the value");
}
BENCHMARK(cellEdit)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A whole table selected (Shift+click from its first open cell to its last one) and set
// to a value by Ctrl+E, with the full redraw and repaint; or, once set, that step undone
// and redone by turns.
void wholeTableBlock(benchmark::State& state, const char* file, bool undo) {
    ShownWindow shown;
    // The sample maps hold 0.0 where nothing is used; entering such a cell would ask.
    MapDocument sample = goldenMap(file);
    for (auto& row : sample.cells)
        for (int& cell : row)
            cell = std::max(cell, 5);
    shown.window.applyLoadedDocument(sample);
    const MapDocument loaded = shown.window.document();
    QTest::mouseClick(shown.cell(loaded.transparentIntervals, 0), Qt::LeftButton);
    QTest::mouseClick(shown.cell(loaded.rowCount() - 1, loaded.columnCount() - 1), Qt::LeftButton,
                      Qt::ShiftModifier);
    QWidget* focus = QApplication::focusWidget();
    const QString values[] = {QStringLiteral("12"), QStringLiteral("23.5")};
    if (undo) {
        shown.dialogs.answerInput(values[0]);
        QTest::keyClick(focus, Qt::Key_E, Qt::ControlModifier);
    }
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!undo)
            shown.dialogs.answerInput(values[i % 2]);
        repaintNow();
        state.ResumeTiming();
        const Qt::Key key = !undo ? Qt::Key_E : i % 2 ? Qt::Key_Y : Qt::Key_Z;
        QTest::keyClick(focus, key, Qt::ControlModifier);
        repaintNow();
        ++i;
    }
    if ((!undo && shown.window.document() == loaded) || shown.dialogs.pendingAnswers() != 0)
        state.SkipWithError("the block was not changed");
}
BENCHMARK_CAPTURE(wholeTableBlock, set20x12, "shape4_time.klv", false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeTableBlock, set60x4, "shape1_time.klv", false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeTableBlock, undo20x12, "shape4_time.klv", true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(wholeTableBlock, undo60x4, "shape1_time.klv", true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    useOffscreenUnlessSet();
    QApplication app(argc, argv);
    // The grid writes its trace log into the working folder.
    QTemporaryDir logFolder;
    QDir::setCurrent(logFolder.path());
    return runBenchmarks(argc, argv);
}
