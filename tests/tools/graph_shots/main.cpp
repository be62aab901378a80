// Usage: graph_shots DIRECTORY
// Paints the 2D chart and the 3D wire frame of a typical ignition map (30 x 8) into
// DIRECTORY/graph-2d.png and DIRECTORY/graph-3d.png.

#include "core/default_axes.h"
#include "core/map_document.h"
#include "core/number_rules.h"
#include "core/twips.h"
#include "graph/graph2d_model.h"
#include "graph/graph2d_view.h"
#include "graph/graph3d_model.h"
#include "graph/graph3d_view.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <algorithm>

namespace {

// Advance climbs with speed up to about 4000 RPM and is taken back as the load rises.
MapDocument sampleMap() {
    MapDocument doc = MapDocument::startupDefaults(QStringLiteral("."));
    doc.resolution = 3;
    DefaultRpmBreakpoints(doc.rpmBreakpoints, doc.rowCount());
    DefaultLoadBreakpoints(doc.loadBreakpoints, doc.columnCount());
    for (int r = 0; r < doc.rowCount(); ++r) {
        const double speed = std::min(1.0, (doc.rpmBreakpoints[r] - 650) / 3500.0);
        for (int c = 0; c < doc.columnCount(); ++c) {
            const double load = doc.loadBreakpoints[c + 1] / 5.0;
            const double degrees = 8 + 30 * speed * (1.1 - 0.6 * load) - 4 * load;
            doc.cells[r][c] =
                formatFixed(RoundToHalf(std::clamp(degrees, 0.5, 63.5)), 1, QStringLiteral("."));
        }
    }
    return doc;
}

bool save(QWidget& panel, const QString& path) {
    panel.resize(Twips::toPixels(7575), Twips::toPixels(5295));
    return panel.grab().save(path);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "Usage: graph_shots DIRECTORY\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const MapDocument doc = sampleMap();

    QWidget panel2D;
    Graph2DModel chart;
    Graph2DView chartView(&panel2D, chart);
    chart.DrawGraph2D(doc, QStringLiteral("."));

    QWidget panel3D;
    Graph3DModel frame;
    Graph3DView frameView(&panel3D, frame);
    frame.setAxisTitles(graphAxisTitles(Language::English));
    frame.DrawGraph3D(doc, QStringLiteral("."));

    if (!save(panel2D, dir.filePath(QStringLiteral("graph-2d.png"))) ||
        !save(panel3D, dir.filePath(QStringLiteral("graph-3d.png")))) {
        err << "Cannot write the pictures into " << dir.path() << "\n";
        return 1;
    }
    return 0;
}
