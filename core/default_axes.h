#pragma once

#include <QtGlobal>
#include <array>

// Fill entries 0..rowCount-1 for 20, 30, 40 or 60 rows; any other count leaves the
// array untouched.
void DefaultRpmBreakpoints(std::array<qint16, 61>& rpm, int rowCount);

// Sets entry 0 and entries 1..columnCount for 1, 4, 6, 8 or 12 columns; any other
// count changes nothing, and entries above columnCount keep what they held.
void DefaultLoadBreakpoints(std::array<double, 13>& load, int columnCount);
