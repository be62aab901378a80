#include "messages/range_summary.h"

#include "core/document_ranges.h"
#include "language/language_texts.h"

namespace {
constexpr int kListedInSummary = 8;
} // namespace

QString outOfRangeSummary(const MapDocument& doc, const QString& decimalSeparator,
                          const LanguageTexts& texts) {
    const QList<CheckFailure> failures = valuesOutOfRange(doc, decimalSeparator);
    if (failures.isEmpty())
        return QString();
    QString text = texts.message(MessageId::LoadOutOfRangeMessage);
    for (int i = 0; i < failures.size() && i < kListedInSummary; ++i)
        text += QLatin1Char('\n') + texts.message(failures[i]);
    if (failures.size() > kListedInSummary)
        text += QLatin1Char('\n') +
                texts.message(MessageId::MoreOutOfRangeMessage,
                              {QString::number(failures.size() - kListedInSummary)});
    return text;
}
