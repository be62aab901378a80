#include "core/load_header_text.h"

#include "core/decimal_format.h"

namespace {
constexpr double kFullRangeVolts = 5.0;
}

QString LoadHeaderText::text(int unit, double volts, double mapMaximum, const QString& separator) {
    switch (unit) {
    case Volt:
        return DecimalFormat::fixed(volts, 2, separator);
    case Percent:
        return DecimalFormat::fixed(volts / kFullRangeVolts * 100.0, 0, separator) +
               QLatin1Char('%');
    default:
        return DecimalFormat::fixed(mapMaximum * volts / kFullRangeVolts, 2, separator);
    }
}
