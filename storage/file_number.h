#pragma once

#include <QString>
#include <optional>

// Numbers as map files hold them.

// The shortest text of at most 15 significant digits, without exponent or trailing
// zeros, with the locale's separator when there is a fraction: 214.99999999999997 -> "215".
// It is appended to `text`.
void appendFileNumber(QString& text, double value, const QString& decimalSeparator);

// A number line of a map file. Files carry scaled whole numbers, so a fraction is rare;
// when there is one, either separator is taken as the decimal mark, because a file may
// come from a computer with the other locale.
std::optional<double> fileNumberValue(QStringView line);
