#pragma once

#include <QString>
#include <optional>

// Advance cells are held in tenths of a degree; these are the only conversions between
// that number and the degrees and texts the window, files and graphs use.
namespace CellTenths {

// 0.5 degrees, what every cell of a new table holds.
constexpr int kDefault = 5;

// "12.5" for 125, with the given decimal separator, as the cells show a value.
QString text(int tenths, const QString& decimalSeparator);

inline double degrees(int tenths) {
    return tenths / 10.0;
}

// Degrees rounded to one decimal as the window shows them (halves away from zero, from
// the value's shortest text); nullopt for a value too large to be held.
std::optional<int> fromDegrees(double degrees);

} // namespace CellTenths
