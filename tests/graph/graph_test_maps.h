#pragma once

#include "core/cell_tenths.h"
#include "core/default_axes.h"
#include "core/map_document.h"

#include <QFont>
#include <QSizeF>
#include <functional>

// A fixed measure makes label placement exact: 100 twips per character, 200 high.
inline QSizeF fixedMeasure(const QFont&, const QString& text) {
    return QSizeF(100.0 * text.size(), 200);
}

// Documents for the chart tests: a shape, its default axes and cell values from a rule.
inline MapDocument chartDocument(int resolution, const QString& separator,
                                 const std::function<double(int, int)>& degrees) {
    MapDocument doc = MapDocument::startupDefaults(separator);
    doc.resolution = resolution;
    DefaultRpmBreakpoints(doc.rpmBreakpoints, doc.rowCount());
    DefaultLoadBreakpoints(doc.loadBreakpoints, doc.columnCount());
    for (int r = 0; r < doc.rowCount(); ++r)
        for (int c = 0; c < doc.columnCount(); ++c)
            doc.cells[r][c] = *CellTenths::fromDegrees(degrees(r, c));
    return doc;
}

// A non-flat map: advance rising with RPM, falling with load.
inline double slopedDegrees(int row, int column) {
    return 5.0 + row * 0.8 - column * 1.5;
}
