#include "settings/field_checks.h"

#include "core/number_rules.h"
#include "core/numeric_text.h"

namespace {

// Whole-number fields are compared exactly in 64 bits, saturating far above every
// limit: a digit text too long for the controller's 16- or 32-bit arithmetic is simply
// above the maximum and gets the maximal message instead of wrapping around.
qint64 digitsValue(const QString& digits) {
    constexpr qint64 ceiling = qint64(1) << 40;
    qint64 value = 0;
    for (const QChar c : digits) {
        value = value * 10 + (c.unicode() - '0');
        if (value > ceiling)
            return ceiling;
    }
    return value;
}

// Callers have ruled out the other separator and anything but a decimal text.
double decimalValue(const QString& text, const FieldContext& context) {
    return checkedDecimalValue(text, context.decimalSeparator);
}

FieldVerdict fail(MessageId entry, const QStringList& values = {}) {
    return {CheckFailure{entry, values}, {}};
}

FieldVerdict pass(const QString& text) {
    return {std::nullopt, text};
}

// Which of an entry pair names the separator the user must use.
MessageId separatorEntry(const FieldContext& context, MessageId pointOnly, MessageId commaOnly) {
    return context.otherSeparator == QLatin1String(",") ? pointOnly : commaOnly;
}

FieldVerdict checkInputChargeDwell(const QString& text, const FieldContext& context) {
    if (text.isEmpty())
        return fail(MessageId::InputDwellEmptyMessage);
    if (!IsIntegerText(text))
        return fail(MessageId::InputDwellWholeMessage);
    const double maximum = maxInputChargeDwell(context.cylinders);
    const qint64 value = digitsValue(text);
    if (value > maximum)
        return fail(MessageId::InputDwellMaxMessage,
                    {formatSettingNumber(maximum, context.decimalSeparator)});
    if (value < 15)
        return fail(MessageId::InputDwellMinMessage);
    return pass(text);
}

// Spark and charge time share their shape: decimal milliseconds within fixed limits.
struct TimeRules {
    MessageId empty;
    MessageId number;
    MessageId pointOnly;
    MessageId commaOnly;
    MessageId max;
    MessageId min;
    double low;
    double high;
};

FieldVerdict checkTime(const QString& text, const FieldContext& context, const TimeRules& rules,
                       const QStringList& emptyValues, const QStringList& minValues) {
    if (text.isEmpty())
        return fail(rules.empty, emptyValues);
    if (!IsDecimalText(text))
        return fail(rules.number);
    if (text.contains(context.otherSeparator))
        return fail(separatorEntry(context, rules.pointOnly, rules.commaOnly));
    const double value = decimalValue(text, context);
    if (value > rules.high)
        return fail(rules.max);
    if (value < rules.low)
        return fail(rules.min, minValues);
    return pass(formatFixed(value, 1, context.decimalSeparator));
}

FieldVerdict checkSparkTime(const QString& text, const FieldContext& context) {
    static const TimeRules rules{MessageId::SparkEmptyMessage,
                                 MessageId::SparkNumberMessage,
                                 MessageId::SparkPointOnlyMessage,
                                 MessageId::SparkCommaOnlyMessage,
                                 MessageId::SparkMaxMessage,
                                 MessageId::SparkMinMessage,
                                 0.5,
                                 2.0};
    return checkTime(text, context, rules, {formatSettingNumber(1.2, context.decimalSeparator)},
                     {formatSettingNumber(0.5, context.decimalSeparator)});
}

FieldVerdict checkChargeTime(const QString& text, const FieldContext& context) {
    static const TimeRules rules{MessageId::ChargeEmptyMessage,
                                 MessageId::ChargeNumberMessage,
                                 MessageId::ChargePointOnlyMessage,
                                 MessageId::ChargeCommaOnlyMessage,
                                 MessageId::ChargeMaxMessage,
                                 MessageId::ChargeMinMessage,
                                 2.0,
                                 8.0};
    return checkTime(text, context, rules, {}, {});
}

FieldVerdict checkChargeDwell(const QString& text, const FieldContext& context) {
    if (!IsIntegerText(text))
        return fail(MessageId::DwellWholeMessage);
    const double perCylinder = 360.0 / context.cylinders;
    // Doubled so that the limit holds for a fractional angle per cylinder as well.
    if (2 * digitsValue(text) > 2 * perCylinder - 1)
        return fail(
            MessageId::DwellMaxMessage,
            {formatSettingNumber(maxChargeDwell(context.cylinders), context.decimalSeparator)});
    if (digitsValue(text) < 30)
        return fail(MessageId::DwellMinMessage);
    return pass(text);
}

FieldVerdict checkDwellCorrection(const QString& text, const FieldContext& context) {
    if (!IsDecimalText(text))
        return fail(MessageId::DwellCorrWholeMessage);
    if (text.contains(context.otherSeparator))
        return fail(separatorEntry(context, MessageId::DwellPointOnlyMessage,
                                   MessageId::DwellCommaOnlyMessage));
    const double value = decimalValue(text, context);
    if (value > 181.5)
        return fail(MessageId::DwellCorrMaxMessage,
                    {formatSettingNumber(181.5, context.decimalSeparator)});
    if (value < 178.5)
        return fail(MessageId::DwellCorrMinMessage,
                    {formatSettingNumber(178.5, context.decimalSeparator)});
    return pass(text);
}

FieldVerdict checkDwellAngle(const QString& text, const FieldContext& context) {
    if (text.isEmpty())
        return fail(MessageId::DwellCorrEmptyMessage);
    return context.bipolar ? checkDwellCorrection(text, context) : checkChargeDwell(text, context);
}

FieldVerdict checkRevLimit(const QString& text) {
    if (text.isEmpty())
        return pass(text);
    if (!IsIntegerText(text))
        return fail(MessageId::RevLimitWholeMessage);
    const qint64 value = digitsValue(text);
    if (value > 30000)
        return fail(MessageId::RevLimitMaxMessage);
    if (value < 600)
        return fail(MessageId::RevLimitMinMessage);
    return pass(text);
}

} // namespace

FieldVerdict checkSettingsField(SettingsField field, const QString& text,
                                const FieldContext& context) {
    switch (field) {
    case SettingsField::InputChargeDwell:
        return checkInputChargeDwell(text, context);
    case SettingsField::SparkTime:
        return checkSparkTime(text, context);
    case SettingsField::ChargeTime:
        return checkChargeTime(text, context);
    case SettingsField::DwellAngle:
        return checkDwellAngle(text, context);
    case SettingsField::RevLimit:
        return checkRevLimit(text);
    }
    return pass(text);
}

QString formatSettingNumber(double value, const QString& decimalSeparator) {
    QString text = QString::number(value, 'g', 15);
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}
