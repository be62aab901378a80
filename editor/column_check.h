#pragma once

#include "core/check_failure.h"

#include <optional>

// Whether one advance value of a column can take a half-degree step, and the text it
// gets from the step. A refused step names the cell range's end it would leave.
class ColumnCheck {
  public:
    enum class Step { Increase, Decrease };

    static constexpr double kStep = 0.5;
    static constexpr double kHighestToRaise = 63.0;
    static constexpr double kLowestToLower = 1.0;

    // A text that is no number in the locale's notation cannot be stepped either.
    static std::optional<CheckFailure> refusal(const QString& text, Step step,
                                               const QString& decimalSeparator);
    // The value half a degree up or down, with one decimal.
    static QString stepped(const QString& text, Step step, const QString& decimalSeparator);
};
