#pragma once

#include "core/check_failure.h"
#include "core/form_state.h"

#include <optional>

// The rules an advance cell's text must pass, in their fixed order, and the value an
// accepted text stands for.
class CellValueCheck {
  public:
    static constexpr double kMinimum = 0.5;
    static constexpr double kMaximum = 63.5;

    static std::optional<CheckFailure> firstFailure(const QString& text, const FormState& form);
    // The accepted text's value in tenths of a degree, rounded as the cell shows it.
    static int tenths(const QString& text, const QString& decimalSeparator);
};
