#pragma once

#include "core/check_failure.h"

#include <optional>

// Whether one advance value of a column can take a half-degree step, and the value it
// gets from the step. A refused step names the cell range's end it would leave. Values
// are in tenths of a degree.
class ColumnCheck {
  public:
    enum class Step { Increase, Decrease };

    static constexpr int kStep = 5;
    static constexpr int kHighestToRaise = 630;
    static constexpr int kLowestToLower = 10;

    static std::optional<CheckFailure> refusal(int tenths, Step step,
                                               const QString& decimalSeparator);
    static int stepped(int tenths, Step step) {
        return step == Step::Increase ? tenths + kStep : tenths - kStep;
    }
};
