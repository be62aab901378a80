#include "language/language_texts.h"
#include "settings/critical_rpm.h"
#include "settings/field_checks.h"

#include <cstdint>
#include <cstdlib>

// Any text in any settings field, with any listed cylinder count, mode and separator: the
// check names a message with a text, a text it accepts passes again unchanged (so the
// re-ask loop ends), and the limit read-out copes with whatever the fields hold.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    static const int counts[] = {2, 3, 4, 5, 6, 8};
    const SettingsField field = SettingsField(data[0] % 5);
    const bool comma = data[0] & 0x10;
    const bool bipolar = data[0] & 0x20;
    const int cylinders = counts[data[1] % 6];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 2), int(size - 2));
    const FieldContext context{cylinders, bipolar,
                               comma ? QStringLiteral(",") : QStringLiteral("."),
                               comma ? QStringLiteral(".") : QStringLiteral(",")};

    const LanguageTexts texts;
    const FieldVerdict verdict = checkSettingsField(field, text, context);
    if (verdict.ok()) {
        const FieldVerdict again = checkSettingsField(field, verdict.accepted, context);
        if (!again.ok() || again.accepted != verdict.accepted)
            std::abort();
    } else if (texts.message(*verdict.failure).isEmpty()) {
        std::abort();
    }

    const int coilControlMode = data[1] & 0x40 ? 1 : 0;
    criticalRpmCaption(
        {bipolar ? 1 : 0, coilControlMode, cylinders, text, text, text, context.decimalSeparator},
        texts);
    return 0;
}
