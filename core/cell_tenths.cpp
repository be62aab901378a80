#include "core/cell_tenths.h"

#include "core/number_rules.h"

#include <cmath>

namespace {
// Far beyond any advance angle, and safely inside an int once in tenths.
constexpr double kLargestDegrees = 1e8;
} // namespace

namespace CellTenths {

QString text(int tenths, const QString& decimalSeparator) {
    const qint64 magnitude = qAbs(qint64(tenths)); // the lowest int has no positive twin
    return (tenths < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / 10) +
           decimalSeparator + QChar(char16_t(u'0' + magnitude % 10));
}

std::optional<int> fromDegrees(double degrees) {
    if (!std::isfinite(degrees) || std::fabs(degrees) > kLargestDegrees)
        return std::nullopt;
    // The window's own rounding, so that a value reads the same as a cell shows it.
    QString shown = formatFixed(degrees, 1, QStringLiteral("."));
    return shown.remove(shown.size() - 2, 1).toInt(); // "-12.5" -> -125
}

} // namespace CellTenths
