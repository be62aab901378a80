#pragma once

#include "core/check_failure.h"
#include "core/dwell_limits.h"

#include <QString>
#include <QStringList>
#include <optional>

// The five checked text fields of the settings panel.
enum class SettingsField { InputChargeDwell, SparkTime, ChargeTime, DwellAngle, RevLimit };

// What a field's limits depend on besides its own text.
struct FieldContext {
    int cylinders = 4;
    bool bipolar = false; // Text19 is the dwell correction instead of the charge dwell
    QString decimalSeparator = QStringLiteral(".");
    QString otherSeparator = QStringLiteral(",");
};

// Runs the field's tests in their fixed order; the first failing one wins.
FieldVerdict checkSettingsField(SettingsField field, const QString& text,
                                const FieldContext& context);

// A number as the user sees it: shortest form, the locale's decimal separator.
QString formatSettingNumber(double value, const QString& decimalSeparator);
