#pragma once

#include <QLocale>
#include <QString>

// The locale's decimal separator and the one the user must not type.
struct Separators {
    QString decimal;
    QString other;
};

// Formats one half with the locale's rules and takes the character after the "0".
Separators separatorsFor(const QLocale& locale);

// "," for every separator but ",", which gets ".".
QString otherSeparatorOf(const QString& decimalSeparator);
