#include "core/numeric_text.h"

namespace {
bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

bool IsDecimalText(QStringView text) {
    bool digitSeen = false;
    int separators = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isAsciiDigit(c)) {
            digitSeen = true;
        } else if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (++separators > 1)
                return false;
        } else if (c == QLatin1Char('-')) {
            if (i != 0)
                return false;
        } else {
            return false;
        }
    }
    return digitSeen;
}

bool IsIntegerText(QStringView text) {
    for (const QChar c : text)
        if (!isAsciiDigit(c))
            return false;
    return true;
}
