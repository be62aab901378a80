#pragma once

#include <QString>

// An RPM breakpoint in thousands for the chart's axis labels, with at least one and at
// most three decimals: 6000 -> "6.0", 750 -> "0.75", 12250 -> "12.25".
QString FormatRpmThousands(int rpm, const QString& decimalSeparator);
