#include "editor/column_check.h"

#include "core/decimal_format.h"
#include "core/number_rules.h"
#include "editor/cell_value_check.h"

std::optional<CheckFailure> ColumnCheck::refusal(const QString& text, Step step,
                                                 const QString& decimalSeparator) {
    const std::optional<double> value = textToDouble(text, decimalSeparator);
    if (step == Step::Increase) {
        if (!value || *value > kHighestToRaise)
            return CheckFailure{
                "ColumnMaxMessage",
                {DecimalFormat::fixed(CellValueCheck::kMaximum, 1, decimalSeparator)}};
    } else if (!value || *value < kLowestToLower) {
        return CheckFailure{"ColumnMinMessage",
                            {DecimalFormat::fixed(CellValueCheck::kMinimum, 1, decimalSeparator)}};
    }
    return std::nullopt;
}

QString ColumnCheck::stepped(const QString& text, Step step, const QString& decimalSeparator) {
    const double delta = step == Step::Increase ? kStep : -kStep;
    return DecimalFormat::fixed(DecimalFormat::toDouble(text, decimalSeparator) + delta, 1,
                                decimalSeparator);
}
