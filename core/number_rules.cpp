#include "core/number_rules.h"

#include <QLocale>
#include <QRegularExpression>
#include <QVarLengthArray>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

std::optional<double> textToDouble(QStringView text, QStringView decimalSeparator) {
    // Copied into a C-notation buffer while checking its shape, so that the many numbers
    // of a map or an image cost no allocation: [+-]?([0-9]+.?[0-9]*|.[0-9]+)
    text = text.trimmed();
    QVarLengthArray<char, 64> plain;
    int digits = 0;
    int fractionDigits = 0;
    bool pointSeen = false;
    quint64 mantissa = 0;
    const char16_t separatorStart = decimalSeparator.isEmpty() ? 0 : decimalSeparator[0].unicode();
    for (qsizetype i = 0; i < text.size();) {
        const char16_t c = text[i].unicode();
        if (c == separatorStart && text.sliced(i).startsWith(decimalSeparator)) {
            if (pointSeen)
                return std::nullopt;
            pointSeen = true;
            plain.append('.');
            i += decimalSeparator.size();
            continue;
        }
        if (c >= u'0' && c <= u'9') {
            if (++digits <= 15)
                mantissa = mantissa * 10 + (c - u'0');
            fractionDigits += pointSeen;
        } else if (!((c == u'+' || c == u'-') && i == 0)) {
            return std::nullopt;
        }
        if (c != u'+')
            plain.append(char(c));
        ++i;
    }
    if (digits == 0)
        return std::nullopt;
    // Up to 15 digits the quotient of two exact doubles is the correctly rounded value.
    if (digits <= 15) {
        static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const double value = double(mantissa) / kPowersOfTen[fractionDigits];
        return plain[0] == '-' ? -value : value;
    }
    double value = 0;
    const std::from_chars_result read =
        std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (read.ec == std::errc() && read.ptr == plain.data() + plain.size())
        return value;
    // Beyond a double's range or below its precision: Qt's reading decides, as it always has.
    bool ok = false;
    value = QString::fromLatin1(plain.data(), plain.size()).toDouble(&ok);
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

int IntDiv(int a, int b) {
    Q_ASSERT(b != 0);
    return (a - a % b) / b;
}

double MinOf(double a, double b) {
    return a >= b ? b : a;
}

namespace {

// The shortest decimal text that reads back as x >= 0, without exponent ("1e+20" is
// "100000000000000000000"), made without allocating: a map file formats every cell.
QVarLengthArray<char, 64> shortestFixed(double x) {
    char scientific[32]; // "d.ddde-XXX"
    const char* end =
        std::to_chars(scientific, scientific + sizeof scientific, x, std::chars_format::scientific)
            .ptr;
    const char* e = std::find(static_cast<const char*>(scientific), end, 'e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    QVarLengthArray<char, 32> digits;
    for (const char* d = scientific; d < e; ++d)
        if (*d != '.')
            digits.append(*d);
    QVarLengthArray<char, 64> text;
    if (exponent < 0) {
        text.append("0.", 2);
        text.insert(text.cend(), -exponent - 1, '0');
        text.append(digits.data(), digits.size());
        return text;
    }
    const qsizetype whole = exponent + 1;
    text.append(digits.data(), std::min(whole, digits.size()));
    text.insert(text.cend(), std::max<qsizetype>(whole - digits.size(), 0), '0');
    if (digits.size() > whole) {
        text.append('.');
        text.append(digits.data() + whole, digits.size() - whole);
    }
    return text;
}

} // namespace

QString formatFixed(double x, int decimals, const QString& decimalSeparator) {
    if (!std::isfinite(x))
        return QString::number(x);
    // The shortest text that reads back as x is what the user or the file wrote. Rounding
    // its digits instead of the binary value keeps a typed 1.15 at 1.2 although it is
    // held as 1.1499..., and never lifts 1.2499999999 to 1.3.
    const QVarLengthArray<char, 64> shortest = shortestFixed(std::fabs(x));
    const std::string_view text(shortest.data(), shortest.size());
    const size_t point = std::min(text.find('.'), text.size());
    const std::string_view fraction = text.substr(std::min(point + 1, text.size()));
    QVarLengthArray<char16_t, 32> digits(text.begin(), text.begin() + point);
    for (size_t i = 0; i < size_t(decimals); ++i)
        digits.append(i < fraction.size() ? fraction[i] : '0');
    if (fraction.size() > size_t(decimals) && fraction[decimals] >= '5') {
        qsizetype i = digits.size() - 1;
        for (; i >= 0 && digits[i] == u'9'; --i)
            digits[i] = u'0';
        if (i < 0)
            digits.insert(digits.cbegin(), u'1');
        else
            ++digits[i];
    }
    const bool zero =
        std::all_of(digits.cbegin(), digits.cend(), [](char16_t d) { return d == u'0'; });
    const QStringView shown(digits.data(), digits.size());
    QString result;
    result.reserve(shown.size() + decimalSeparator.size() + 1);
    if (x < 0 && !zero)
        result += u'-';
    result += shown.first(shown.size() - decimals);
    if (decimals > 0) {
        result += decimalSeparator;
        result += shown.last(decimals);
    }
    return result;
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
