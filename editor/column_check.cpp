#include "editor/column_check.h"

#include "core/decimal_format.h"
#include "editor/cell_value_check.h"

std::optional<CheckFailure> ColumnCheck::refusal(int tenths, Step step,
                                                 const QString& decimalSeparator) {
    if (step == Step::Increase && tenths > kHighestToRaise)
        return CheckFailure{MessageId::ColumnMaxMessage,
                            {DecimalFormat::fixed(CellValueCheck::kMaximum, 1, decimalSeparator)}};
    if (step == Step::Decrease && tenths < kLowestToLower)
        return CheckFailure{MessageId::ColumnMinMessage,
                            {DecimalFormat::fixed(CellValueCheck::kMinimum, 1, decimalSeparator)}};
    return std::nullopt;
}
