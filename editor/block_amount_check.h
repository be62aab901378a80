#pragma once

#include "core/check_failure.h"
#include "core/form_state.h"

#include <optional>

// The amounts asked for by the block operations pass the text rules of a typed cell
// value; a value to set must also lie in the cell range, a change of degrees and a
// percentage in ranges of their own.
namespace BlockAmountCheck {

enum class Kind { Value, Degrees, Percent };

std::optional<CheckFailure> firstFailure(const QString& text, Kind kind, const FormState& form);

} // namespace BlockAmountCheck
