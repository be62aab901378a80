#pragma once

#include "core/check_failure.h"
#include "core/form_state.h"

#include <optional>

// The rules of the MAP sensor's upper range field, in their fixed order: 1 to 10 bar.
class MapMaxCheck {
  public:
    static constexpr double kMinimum = 1.0;
    static constexpr double kMaximum = 10.0;

    static std::optional<CheckFailure> firstFailure(const QString& text, const FormState& form);
};
