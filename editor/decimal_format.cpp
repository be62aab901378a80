#include "editor/decimal_format.h"

#include <cmath>

QString DecimalFormat::fixed(double value, int decimals, const QString& separator) {
    const double scale = std::pow(10.0, decimals);
    // A typed 1.15 is stored as 1.1499999...; the nudge lets it round as it was typed.
    const double nudge = value < 0 ? -1e-9 : 1e-9;
    const double rounded = std::round(value * scale + nudge) / scale;
    QString text = QString::number(rounded == 0.0 ? 0.0 : rounded, 'f', decimals);
    return text.replace(QLatin1Char('.'), separator);
}

double DecimalFormat::toDouble(const QString& text, const QString& separator) {
    QString plain = text;
    if (separator != QLatin1String("."))
        plain.replace(separator, QLatin1String("."));
    return plain.toDouble();
}
