#pragma once

#include <QString>

// Numbers as the window shows them: a fixed count of decimals with the locale's
// separator, halves rounded away from zero as the value was typed (1.25 -> "1.3",
// 1.15 -> "1.2" although 1.15 is stored as 1.1499...).
class DecimalFormat {
  public:
    static QString fixed(double value, int decimals, const QString& separator);
    // Reads a text written with the locale's separator; 0 when it is no number.
    static double toDouble(const QString& text, const QString& separator);
};
