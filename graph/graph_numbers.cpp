#include "graph/graph_numbers.h"

#include "core/number_rules.h"

QString FormatRpmThousands(int rpm, const QString& decimalSeparator) {
    QString text = formatFixed(rpm / 1000.0, 3, decimalSeparator);
    const QString keep = decimalSeparator + QLatin1Char('0');
    while (text.endsWith(QLatin1Char('0')) && !text.endsWith(keep))
        text.chop(1);
    return text;
}
