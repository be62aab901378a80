#include "messages/range_summary.h"

#include "core/document_ranges.h"
#include "device/device_image.h"
#include "language/language_texts.h"

namespace {
constexpr int kListedInSummary = 8;
} // namespace

QString outOfRangeSummary(const MapDocument& doc, const QString& decimalSeparator,
                          const LanguageTexts& texts) {
    const QList<CheckFailure> failures = valuesOutOfRange(doc, decimalSeparator);
    QStringList lines;
    for (int i = 0; i < failures.size() && i < kListedInSummary; ++i)
        lines << texts.message(failures[i]);
    if (failures.size() > kListedInSummary)
        lines << texts.message(MessageId::MoreOutOfRangeMessage,
                               {QString::number(failures.size() - kListedInSummary)});
    // A hand-edited text that is no number keeps the map from being sent just as well;
    // the ranges leave it to the conversion, which names it.
    if (failures.isEmpty()) {
        const DeviceImageResult image = BuildDeviceImage(doc, decimalSeparator);
        if (!image.ok())
            lines << texts.words(image.errorDescription);
    }
    if (lines.isEmpty())
        return QString();
    return texts.message(MessageId::LoadOutOfRangeMessage) + QLatin1Char('\n') +
           lines.join(QLatin1Char('\n'));
}
