#include "editor/breakpoint_checks.h"

#include "core/decimal_format.h"
#include "core/numeric_text.h"

#include <limits>

namespace {
QString position(int index) {
    return QString::number(index + 1);
}

// Digits only and within the 16-bit range; an empty text is no number either.
std::optional<qint16> rpmValue(const QString& text) {
    if (text.isEmpty() || !IsIntegerText(text))
        return std::nullopt;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(value);
}

// The text a boundary is kept as: two decimals.
QString storedText(const QString& text, const QString& separator) {
    return DecimalFormat::fixed(DecimalFormat::toDouble(text, separator), 2, separator);
}

std::optional<CheckFailure> firstNotAscending(const QList<double>& values,
                                              const QStringList& texts) {
    for (int i = 0; i + 1 < values.size(); ++i)
        if (values[i + 1] <= values[i])
            return CheckFailure{MessageId::VoltNotAscendingMessage,
                                {position(i + 1), texts[i + 1], position(i), texts[i]}};
    return std::nullopt;
}
} // namespace

BreakpointChecks::RpmAxis BreakpointChecks::checkRpm(const QStringList& texts) {
    QList<qint16> rpm;
    for (int r = 0; r < texts.size(); ++r) {
        const std::optional<qint16> value = rpmValue(texts[r]);
        if (!value)
            return {CheckFailure{MessageId::RpmNotNumberMessage, {position(r), texts[r]}}, {}};
        if (*value <= 0)
            return {CheckFailure{MessageId::RpmNotPositiveMessage, {position(r), texts[r]}}, {}};
        rpm.append(*value);
    }
    if (!rpm.isEmpty() && rpm[0] < kFirstRpmMinimum)
        return {CheckFailure{MessageId::RpmFirstTooLowMessage, {texts[0]}}, {}};
    for (int r = 0; r + 1 < rpm.size(); ++r)
        if (rpm[r + 1] <= rpm[r])
            return {CheckFailure{MessageId::RpmNotAscendingMessage,
                                 {position(r + 1), texts[r + 1], position(r), texts[r]}},
                    {}};
    return {std::nullopt, rpm};
}

BreakpointChecks::VoltAxis BreakpointChecks::checkVolts(const QStringList& texts,
                                                        const FormState& form) {
    const int editable = int(texts.size()) - 1;
    if (editable < 0)
        return {};
    QList<double> typed;
    for (int i = 0; i < editable; ++i) {
        const QString& t = texts[i];
        const QStringList named{position(i), t};
        if (!IsDecimalText(t))
            return {CheckFailure{MessageId::VoltNotNumberMessage, named}, {}};
        if (t.contains(form.otherSeparator))
            return {CheckFailure{form.otherSeparator == QLatin1String(".")
                                     ? MessageId::VoltCommaOnlyMessage
                                     : MessageId::VoltPointOnlyMessage,
                                 named},
                    {}};
        const double value = DecimalFormat::toDouble(t, form.decimalSeparator);
        if (value <= 0)
            return {CheckFailure{MessageId::VoltNotPositiveMessage, named}, {}};
        if (value > kTopVolts)
            return {CheckFailure{MessageId::VoltAbove5VMessage, named}, {}};
        if (i == 0 && value > kFirstVoltMaximum)
            return {
                CheckFailure{MessageId::VoltFirstTooHighMessage,
                             {DecimalFormat::fixed(kFirstVoltMaximum, 1, form.decimalSeparator)}},
                {}};
        typed.append(value);
    }
    typed.append(DecimalFormat::toDouble(texts[editable], form.decimalSeparator));
    if (auto failure = firstNotAscending(typed, texts))
        return {failure, {}};
    // The same rules once more on the values as they are kept, two decimals, so that no
    // boundary is stored as 0.00 or equal to its neighbour; the message quotes those.
    QStringList stored;
    QList<double> volts;
    for (const QString& t : texts) {
        stored.append(storedText(t, form.decimalSeparator));
        volts.append(DecimalFormat::toDouble(stored.last(), form.decimalSeparator));
    }
    for (int i = 0; i < editable; ++i)
        if (volts[i] <= 0)
            return {CheckFailure{MessageId::VoltNotPositiveMessage, {position(i), stored[i]}}, {}};
    if (auto failure = firstNotAscending(volts, stored))
        return {failure, {}};
    volts.removeLast();
    return {std::nullopt, volts};
}
