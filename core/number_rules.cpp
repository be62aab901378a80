#include "core/number_rules.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

double roundHalfEven(double x) {
    // nearbyint honours the current rounding mode, which is round-to-nearest-even unless
    // someone changes it; nothing in this program does.
    return std::nearbyint(x);
}

double intFloor(double x) {
    return std::floor(x);
}

std::optional<qint16> toWhole16(double x) {
    if (!std::isfinite(x))
        return std::nullopt;
    const double r = roundHalfEven(x);
    if (r < std::numeric_limits<qint16>::min() || r > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(r);
}

std::optional<double> textToDouble(const QString& text, const QString& decimalSeparator) {
    static const QRegularExpression shape(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    QString plain = text.trimmed();
    if (decimalSeparator != QLatin1String(".")) {
        if (plain.contains(QLatin1Char('.')))
            return std::nullopt;
        plain.replace(decimalSeparator, QStringLiteral("."));
    }
    if (!shape.match(plain).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint16> textToWhole16(const QString& text, const QString& decimalSeparator) {
    const std::optional<double> value = textToDouble(text, decimalSeparator);
    if (!value)
        return std::nullopt;
    return toWhole16(*value);
}

double RoundToHalf(double x) {
    const double whole = intFloor(x);
    const double fraction = x - whole;
    if (fraction <= 0.25)
        return whole;
    if (fraction < 0.75)
        return whole + 0.5;
    return whole + 1;
}

int IntDiv(int a, int b) {
    Q_ASSERT(b != 0);
    return (a - a % b) / b;
}

double MinOf(double a, double b) {
    return a >= b ? b : a;
}

QString formatFixed(double x, int decimals, const QString& decimalSeparator) {
    const double scale = std::pow(10.0, decimals);
    // A typed 1.15 is held as 1.1499999...; the nudge lets it round as it was typed.
    const double nudge = x < 0 ? -1e-9 : 1e-9;
    const double rounded = std::round(x * scale + nudge) / scale;
    QString text = QString::number(rounded == 0.0 ? 0.0 : rounded, 'f', decimals);
    return text.replace(QLatin1Char('.'), decimalSeparator);
}
