#include "core/decimal_format.h"

#include "core/number_rules.h"

QString DecimalFormat::fixed(double value, int decimals, const QString& separator) {
    return formatFixed(value, decimals, separator);
}

double DecimalFormat::toDouble(const QString& text, const QString& separator) {
    return textToDouble(text, separator).value_or(0.0);
}
