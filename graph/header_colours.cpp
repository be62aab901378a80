#include "graph/header_colours.h"

#include "core/find_widget.h"

#include <QPalette>
#include <QWidget>

namespace {

constexpr int kLoadHeaders = 12;

QWidget* header(QWidget* formRoot, int index) {
    return findNamed<QWidget>(formRoot, arrayName("TextLabel1", index));
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

} // namespace

void applyHeaderColours(QWidget* formRoot, const QList<QColor>& colours) {
    for (int i = 0; i < colours.size() && i < kLoadHeaders; ++i)
        setTextColour(header(formRoot, i), colours[i]);
}

void resetHeaderColours(QWidget* formRoot) {
    const QColor colour = header(formRoot, kLoadHeaders)->palette().color(QPalette::Text);
    for (int i = 0; i < kLoadHeaders; ++i)
        setTextColour(header(formRoot, i), colour);
}
