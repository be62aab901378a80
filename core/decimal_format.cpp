#include "core/decimal_format.h"

#include "core/number_rules.h"

#include <cmath>

QString DecimalFormat::fixed(double value, int decimals, const QString& separator) {
    const double scale = std::pow(10.0, decimals);
    const double nudge = value < 0 ? -1e-9 : 1e-9;
    return formatFixed(std::round(value * scale + nudge) / scale, decimals, separator);
}

double DecimalFormat::toDouble(const QString& text, const QString& separator) {
    return textToDouble(text, separator).value_or(0.0);
}
