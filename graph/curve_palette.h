#pragma once

#include <QColor>

// The colour of load column `column` (1-based) in the 2D chart and of its column header,
// which makes the headers the chart's legend. The palettes for 1, 4, 6 and 8 columns
// spread over the advance ramp; any other count uses the 12-column palette.
QColor CurvePalette(int columnCount, int column);
