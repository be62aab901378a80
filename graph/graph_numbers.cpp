#include "graph/graph_numbers.h"

#include <QLocale>
#include <cstdlib>

double CellDegrees(const QString& text, const QString& decimalSeparator) {
    QString plain = text.trimmed();
    if (!decimalSeparator.isEmpty())
        plain.replace(decimalSeparator, QStringLiteral("."));
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    return ok ? value : 0.0;
}

QString FormatRpmThousands(int rpm, const QString& decimalSeparator) {
    // Whole-number arithmetic keeps the digits exact, as "0.000" formatting would show.
    const int magnitude = std::abs(rpm);
    QString text = QStringLiteral("%1%2%3%4")
                       .arg(rpm < 0 ? QStringLiteral("-") : QString())
                       .arg(magnitude / 1000)
                       .arg(decimalSeparator)
                       .arg(magnitude % 1000, 3, 10, QLatin1Char('0'));
    const QString keep = decimalSeparator + QLatin1Char('0');
    while (text.endsWith(QLatin1Char('0')) && !text.endsWith(keep))
        text.chop(1);
    return text;
}
