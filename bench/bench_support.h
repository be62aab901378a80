#pragma once

#include "core/map_document.h"
#include "storage/map_file.h"

#include <QApplication>
#include <QString>
#include <benchmark/benchmark.h>

// The window programs run headless unless a display was asked for.
inline void useOffscreenUnlessSet() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The stored sample map files: shape1 is 60 x 4, shape4 is 20 x 12.
inline QString goldenMapPath(const char* name) {
    return QStringLiteral(KELVOR_SOURCE_DIR "/tests/storage/golden/") + QLatin1String(name);
}

inline MapDocument goldenMap(const char* name) {
    const Outcome<MapDocument> loaded =
        loadMapFile(goldenMapPath(name), MapDocument::startupDefaults("."), ".");
    if (!loaded.ok())
        qFatal("sample map %s does not load: %s", name, qPrintable(loaded.reason()));
    return loaded.value();
}

// The body of every bench program's main(), once its application object exists.
inline int runBenchmarks(int& argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
