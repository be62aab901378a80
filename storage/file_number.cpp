#include "storage/file_number.h"

#include "core/number_rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>

void appendFileNumber(QString& text, double value, const QString& decimalSeparator) {
    if (value == 0 || !std::isfinite(value)) {
        text += u'0';
        return;
    }
    // Files hold scaled values, so most are whole numbers: those are their own text, made
    // without an allocation of its own as a map file writes hundreds of them.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        char whole[24];
        text += QLatin1String(whole, std::to_chars(whole, whole + sizeof whole, qint64(value)).ptr);
        return;
    }
    // "d.dddddddddddddde+XX": the 15 significant digits and the power of ten. Qt's
    // formatting rounds exact halves up, as files written so far do.
    const QString scientific = QString::asprintf("%.14e", std::fabs(value));
    const qsizetype e = scientific.indexOf(u'e');
    const int exponent = QStringView(scientific).sliced(e + 1).toInt();
    char digits[16];
    int count = 0;
    digits[count++] = char(scientific[0].unicode());
    for (qsizetype d = 2; d < e; ++d)
        digits[count++] = char(scientific[d].unicode());
    while (count > 1 && digits[count - 1] == '0')
        --count;

    if (value < 0)
        text += u'-';
    if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        text += QLatin1String(digits, std::min(count, integerDigits));
        if (count <= integerDigits)
            text.resize(text.size() + integerDigits - count, u'0');
        else
            text += decimalSeparator + QLatin1String(digits + integerDigits, count - integerDigits);
    } else {
        text += u'0';
        text += decimalSeparator;
        text.resize(text.size() - exponent - 1, u'0');
        text += QLatin1String(digits, count);
    }
}

std::optional<double> fileNumberValue(QStringView line) {
    if (const std::optional<double> value = textToDouble(line, u"."))
        return value;
    return textToDouble(line, u",");
}
