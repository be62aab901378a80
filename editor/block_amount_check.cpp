#include "editor/block_amount_check.h"

#include "core/decimal_format.h"
#include "editor/cell_value_check.h"

#include <cmath>

namespace {
constexpr double kLargestChange = 63.0;
constexpr double kSmallestPercent = 1.0;
constexpr double kLargestPercent = 1000.0;

bool isRangeFailure(const CheckFailure& failure) {
    return failure.entry == MessageId::CellMaxMessage || failure.entry == MessageId::CellMinMessage;
}
} // namespace

std::optional<CheckFailure> BlockAmountCheck::firstFailure(const QString& text, Kind kind,
                                                           const FormState& form) {
    const auto failure = CellValueCheck::firstFailure(text, form);
    if (kind == Kind::Value || (failure && !isRangeFailure(*failure)))
        return failure;
    const QString& separator = form.decimalSeparator;
    const double value = DecimalFormat::toDouble(text, separator);
    if (kind == Kind::Degrees && std::abs(value) > kLargestChange)
        return CheckFailure{MessageId::BlockChangeRangeMessage,
                            {DecimalFormat::fixed(-kLargestChange, 1, separator),
                             DecimalFormat::fixed(kLargestChange, 1, separator)}};
    if (kind == Kind::Percent && (value < kSmallestPercent || value > kLargestPercent))
        return CheckFailure{MessageId::BlockPercentRangeMessage,
                            {QString::number(kSmallestPercent), QString::number(kLargestPercent)}};
    return std::nullopt;
}
