#include "ui/design_font.h"

#include <QFontDatabase>

namespace {

struct Fallback {
    const char* family;
    const char* substitute;
};

// Substitutes no wider than the originals, so that captions sized for the design fonts
// still fit.
const Fallback kFallbacks[] = {
    {"Lucida Sans Unicode", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
};

QString availableFamily(const QString& family) {
    if (QFontDatabase::hasFamily(family))
        return family;
    for (const Fallback& f : kFallbacks)
        if (family == QLatin1String(f.family) && QFontDatabase::hasFamily(f.substitute))
            return QString::fromLatin1(f.substitute);
    return family;
}

} // namespace

QFont designFont(const QString& family, qreal pointSize, bool bold) {
    QFont font(availableFamily(family));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
