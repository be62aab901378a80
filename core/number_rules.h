#pragma once

#include <QString>
#include <QtGlobal>
#include <cmath>
#include <limits>
#include <optional>

// The number conventions every part of the program shares. Conversions that can fail
// answer std::nullopt instead of raising: callers turn that into their own message.

// Inline, as the device image calls these for every cell.

// Round(x): to the nearest whole number, halves to the even neighbour (2.5 -> 2).
inline double roundHalfEven(double x) {
    // nearbyint honours the current rounding mode, which is round-to-nearest-even unless
    // someone changes it; nothing in this program does.
    return std::nearbyint(x);
}

// Int(x): the floor (Int(-1.3) is -2).
inline double intFloor(double x) {
    return std::floor(x);
}

// A double as a 16-bit signed whole number, rounding halves to even; nullopt when the
// value is not finite or does not fit.
inline std::optional<qint16> toWhole16(double x) {
    if (!std::isfinite(x))
        return std::nullopt;
    const double r = roundHalfEven(x);
    if (r < std::numeric_limits<qint16>::min() || r > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(r);
}

// Text in the locale's notation (optional sign, digits, at most one decimal separator,
// surrounding blanks ignored) as a double; nullopt for anything else, including the
// other separator and exponents.
std::optional<double> textToDouble(QStringView text, QStringView decimalSeparator);

// Text -> double -> 16-bit whole number, as toWhole16.
std::optional<qint16> textToWhole16(const QString& text, const QString& decimalSeparator);

// x on the 0.5 grid: fractions up to 0.25 go down, from 0.75 up, the rest to .5.
inline double RoundToHalf(double x) {
    const double whole = intFloor(x);
    const double fraction = x - whole;
    if (fraction <= 0.25)
        return whole;
    if (fraction < 0.75)
        return whole + 0.5;
    return whole + 1;
}

// The quotient truncated towards zero, (a - a mod b) / b. b must not be 0.
int IntDiv(int a, int b);

// b when a >= b, else a.
double MinOf(double a, double b);

// x with exactly `decimals` digits after the given separator, as the "0.0"-style
// patterns of the window show numbers: the shortest decimal text of x is rounded, halves
// away from zero (1.25 -> "1.3", 1.15 -> "1.2", 1.2499999999 -> "1.2"), and a result
// that shows only zeros carries no minus sign.
QString formatFixed(double x, int decimals, const QString& decimalSeparator);

// The value of a text the checks found to be a decimal number written with the locale's
// separator. Digits too many for a double give an infinity of the text's sign, so such a
// number is above every maximum (below every minimum when negative).
double checkedDecimalValue(const QString& text, const QString& decimalSeparator);
