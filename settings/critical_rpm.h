#pragma once

#include "language/language_texts.h"

#include <QString>

// The coil settings the read-out depends on, as the panel's fields hold them.
struct CoilSettings {
    int operationMode = 0;   // 0 Normal, 1 Bipolar
    int coilControlMode = 0; // 0 Time, 1 Dwell
    int cylinders = 4;
    QString sparkTime;
    QString chargeTime;
    QString dwellAngle;
    QString decimalSeparator = QStringLiteral(".");
};

// The highest engine speed at which the coil still has enough time: the caption entry
// to show and the number after it (already padded where the caption wants it).
struct CriticalRpm {
    MessageId captionEntry;
    QString number;
};

// The number is empty when a field it reads holds no usable value, which happens only
// while that field is being corrected.
CriticalRpm computeCriticalRpm(const CoilSettings& settings);
QString criticalRpmCaption(const CoilSettings& settings, const LanguageTexts& texts);
