#include "graph/label_measure.h"

#include "core/twips.h"

#include <QFontMetrics>

LabelMeasure fontLabelMeasure() {
    return [](const QFont& font, const QString& text) {
        const QFontMetrics metrics(font);
        return QSizeF(Twips::fromPixels(metrics.horizontalAdvance(text)),
                      Twips::fromPixels(metrics.height()));
    };
}

QFont chartLabelFont() {
    QFont font(QStringLiteral("Lucida Sans Unicode"));
    font.setPointSizeF(8.25);
    return font;
}
