#include "settings/critical_rpm.h"

#include "core/number_rules.h"

#include <cmath>

namespace {

constexpr double kMillisecondsPerMinute = 60000.0;
constexpr double kDwellDischargeMs = 1.2;
constexpr double kBipolarDischargeMs = 2.4;

double decimalOf(const QString& text, const QString& decimalSeparator) {
    return textToDouble(text, decimalSeparator).value_or(std::nan(""));
}

// Halves round away from zero; a value beyond any engine speed shows no number.
QString wholeNumber(double value, int width) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9)
        return {};
    return QStringLiteral("%1").arg(qint64(std::round(value)), width);
}

} // namespace

CriticalRpm computeCriticalRpm(const CoilSettings& s) {
    if (s.operationMode != 0)
        return {MessageId::CoilDischargeLimitCaption,
                wholeNumber(kMillisecondsPerMinute / kBipolarDischargeMs, 5)};
    if (s.coilControlMode == 0) {
        const double charge = decimalOf(s.chargeTime, s.decimalSeparator);
        const double spark = decimalOf(s.sparkTime, s.decimalSeparator);
        const double limit = 120000.0 / (s.cylinders * (charge + spark));
        return {MessageId::SparkPowerLimitCaption, wholeNumber(limit, 0)};
    }
    const std::optional<qint16> dwell = textToWhole16(s.dwellAngle, s.decimalSeparator);
    if (!dwell)
        return {MessageId::CoilDischargeLimitCaption, QString()};
    const double betweenCharges = 360.0 / s.cylinders * 2 - 2.0 * *dwell;
    const double limit = betweenCharges / 360.0 * (kMillisecondsPerMinute / kDwellDischargeMs);
    return {MessageId::CoilDischargeLimitCaption, wholeNumber(limit, 5)};
}

QString criticalRpmCaption(const CoilSettings& settings, const LanguageTexts& texts) {
    const CriticalRpm rpm = computeCriticalRpm(settings);
    return texts.message(rpm.captionEntry) + rpm.number;
}
