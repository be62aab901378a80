#include "core/number_rules.h"

#include <QLocale>
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
    if (!std::isfinite(x))
        return QString::number(x);
    // The shortest text that reads back as x is what the user or the file wrote. Rounding
    // its digits instead of the binary value keeps a typed 1.15 at 1.2 although it is
    // held as 1.1499..., and never lifts 1.2499999999 to 1.3.
    const QString shortest = QString::number(std::fabs(x), 'f', QLocale::FloatingPointShortest);
    const int point = shortest.indexOf(QLatin1Char('.'));
    const QString fraction = point < 0 ? QString() : shortest.mid(point + 1);
    QString digits = (point < 0 ? shortest : shortest.left(point)) +
                     fraction.left(decimals).leftJustified(decimals, QLatin1Char('0'));
    if (fraction.size() > decimals && fraction[decimals] >= QLatin1Char('5')) {
        int i = digits.size() - 1;
        for (; i >= 0 && digits[i] == QLatin1Char('9'); --i)
            digits[i] = QLatin1Char('0');
        if (i < 0)
            digits.prepend(QLatin1Char('1'));
        else
            digits[i] = QChar(digits[i].unicode() + 1);
    }
    const bool zero = digits.count(QLatin1Char('0')) == digits.size();
    QString text = (x < 0 && !zero) ? QStringLiteral("-") : QString();
    text += digits.left(digits.size() - decimals);
    if (decimals > 0)
        text += decimalSeparator + digits.right(decimals);
    return text;
}

double checkedDecimalValue(const QString& text, const QString& decimalSeparator) {
    if (const std::optional<double> value = textToDouble(text, decimalSeparator))
        return *value;
    // Only a number beyond a double's range or below its precision fails here: digits
    // before the separator other than zeros mean it is too large.
    QString whole = text.trimmed();
    const bool negative = whole.startsWith(QLatin1Char('-'));
    whole = whole.left(whole.indexOf(decimalSeparator));
    const bool large = whole.contains(QRegularExpression(QStringLiteral("[1-9]")));
    if (!large)
        return 0.0;
    const double infinity = std::numeric_limits<double>::infinity();
    return negative ? -infinity : infinity;
}
