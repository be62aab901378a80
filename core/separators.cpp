#include "core/separators.h"

Separators separatorsFor(const QLocale& locale) {
    const QString half = locale.toString(0.5);
    const QString decimal = half.size() > 1 ? half.mid(1, 1) : QStringLiteral(".");
    return {decimal, otherSeparatorOf(decimal)};
}

QString otherSeparatorOf(const QString& decimalSeparator) {
    return decimalSeparator == QLatin1String(",") ? QStringLiteral(".") : QStringLiteral(",");
}
