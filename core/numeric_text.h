#pragma once

#include <QString>

// Character-level checks of what the user typed; they never fail, they answer false.
// Whether the separator is the locale's one is the caller's business.

// Digits with at most one "." or "," and an optional leading "-"; at least one digit.
bool IsDecimalText(QStringView text);

// Every character is a digit; the empty text passes (callers test for it first).
bool IsIntegerText(QStringView text);
