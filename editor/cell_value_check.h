#pragma once

#include "core/check_failure.h"
#include "core/form_state.h"

#include <optional>

// The rules an advance cell's text must pass, in their fixed order, and the form the
// accepted value is shown in.
class CellValueCheck {
  public:
    static constexpr double kMinimum = 0.5;
    static constexpr double kMaximum = 63.5;

    static std::optional<CheckFailure> firstFailure(const QString& text, const FormState& form);
    // The accepted text rewritten with one decimal.
    static QString formatted(const QString& text, const QString& decimalSeparator);
};
