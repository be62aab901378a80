#include "editor/map_max_check.h"

#include "core/decimal_format.h"
#include "core/number_rules.h"
#include "core/numeric_text.h"

std::optional<CheckFailure> MapMaxCheck::firstFailure(const QString& text, const FormState& form) {
    if (text.isEmpty())
        return CheckFailure{MessageId::MapRangeEmptyMessage, {}};
    if (!IsDecimalText(text))
        return CheckFailure{MessageId::MapRangeNumberMessage, {}};
    if (text.contains(form.otherSeparator))
        return CheckFailure{form.otherSeparator == QLatin1String(".")
                                ? MessageId::MapCommaOnlyMessage
                                : MessageId::MapPointOnlyMessage,
                            {}};
    const double value = checkedDecimalValue(text, form.decimalSeparator);
    if (value > kMaximum)
        return CheckFailure{MessageId::MapRangeHighMessage, {}};
    if (value < kMinimum)
        return CheckFailure{MessageId::MapRangeLowMessage, {}};
    return std::nullopt;
}
