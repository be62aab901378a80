#include "editor/cell_value_check.h"

#include "core/cell_tenths.h"
#include "core/decimal_format.h"
#include "core/number_rules.h"
#include "core/numeric_text.h"

std::optional<CheckFailure> CellValueCheck::firstFailure(const QString& text,
                                                         const FormState& form) {
    if (text.isEmpty())
        return CheckFailure{MessageId::CellEmptyMessage, {}};
    if (!IsDecimalText(text))
        return CheckFailure{MessageId::CellNumberOnlyMessage, {}};
    if (text.contains(form.otherSeparator))
        return CheckFailure{form.otherSeparator == QLatin1String(",")
                                ? MessageId::CellPointOnlyMessage
                                : MessageId::CellCommaOnlyMessage,
                            {}};
    const double value = checkedDecimalValue(text, form.decimalSeparator);
    if (value > kMaximum)
        return CheckFailure{MessageId::CellMaxMessage,
                            {DecimalFormat::fixed(kMaximum, 1, form.decimalSeparator)}};
    if (value < kMinimum)
        return CheckFailure{MessageId::CellMinMessage,
                            {DecimalFormat::fixed(kMinimum, 1, form.decimalSeparator)}};
    return std::nullopt;
}

int CellValueCheck::tenths(const QString& text, const QString& decimalSeparator) {
    return CellTenths::fromDegrees(DecimalFormat::toDouble(text, decimalSeparator)).value_or(0);
}
