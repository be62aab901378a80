#include "storage/file_number.h"

#include "core/number_rules.h"

#include <cmath>

QString fileNumberText(double value, const QString& decimalSeparator) {
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    // "d.dddddddddddddde+XX": the 15 significant digits and the power of ten.
    const QString scientific = QString::asprintf("%.14e", value);
    const bool negative = scientific.startsWith(QLatin1Char('-'));
    const QString body = negative ? scientific.mid(1) : scientific;
    const int e = body.indexOf(QLatin1Char('e'));
    QString digits = body.left(1) + body.mid(2, e - 2);
    const int exponent = body.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);

    QString integerPart;
    QString fraction;
    if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        if (digits.size() <= integerDigits) {
            integerPart = digits + QString(integerDigits - digits.size(), QLatin1Char('0'));
        } else {
            integerPart = digits.left(integerDigits);
            fraction = digits.mid(integerDigits);
        }
    } else {
        integerPart = QStringLiteral("0");
        fraction = QString(-exponent - 1, QLatin1Char('0')) + digits;
    }
    QString text = negative ? QStringLiteral("-") : QString();
    text += integerPart;
    if (!fraction.isEmpty())
        text += decimalSeparator + fraction;
    return text;
}

std::optional<double> fileNumberValue(const QString& line) {
    if (const std::optional<double> value = textToDouble(line, QStringLiteral(".")))
        return value;
    return textToDouble(line, QStringLiteral(","));
}
