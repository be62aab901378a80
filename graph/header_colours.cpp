#include "graph/header_colours.h"

#include <QLineEdit>
#include <QPalette>

namespace {

constexpr int kLoadHeaders = 12;

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

} // namespace

void applyHeaderColours(const HeaderCells& headers, const QList<QColor>& colours) {
    for (int i = 0; i < colours.size() && i < kLoadHeaders; ++i)
        setTextColour(headers[i], colours[i]);
}

void resetHeaderColours(const HeaderCells& headers) {
    const QColor colour = headers[kLoadHeaders]->palette().color(QPalette::Text);
    for (int i = 0; i < kLoadHeaders; ++i)
        setTextColour(headers[i], colour);
}
