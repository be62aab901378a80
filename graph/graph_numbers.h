#pragma once

#include <QString>

// The advance of a cell in degrees. Cells hold what the user typed, written with the
// locale's decimal separator; a text that is not a number (an empty cell while typing)
// counts as 0 so that a chart can always be drawn.
double CellDegrees(const QString& text, const QString& decimalSeparator);

// An RPM breakpoint in thousands for the chart's axis labels, with at least one and at
// most three decimals: 6000 -> "6.0", 750 -> "0.75", 12250 -> "12.25".
QString FormatRpmThousands(int rpm, const QString& decimalSeparator);
