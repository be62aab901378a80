#include "ui/design_panel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
// The outline runs this far below the top, through the middle of the caption.
constexpr int kOutlineTop = 7;
constexpr int kCaptionLeft = 6;
constexpr int kCaptionPadding = 4;
constexpr double kCornerRadius = 2;
} // namespace

void DesignPanel::paintEvent(QPaintEvent* event) {
    const QRect caption(
        kCaptionLeft, 0,
        title().isEmpty() ? 0 : fontMetrics().horizontalAdvance(title()) + 2 * kCaptionPadding,
        fontMetrics().height());
    // Most repaints are of a field inside the panel: the outline and the caption are not
    // in them, and filling the ring would still cost a pass over the whole panel.
    const QRect inside = rect().adjusted(2, kOutlineTop + 2, -2, -2);
    if (inside.contains(event->rect()) && !caption.intersects(event->rect()))
        return;
    QPainter painter(this);
    // A one-pixel rounded ring, broken where the caption sits. Path operations would cost
    // more than the whole panel; an even-odd fill and a clip make the same pixels.
    const QRectF outer = QRectF(rect()).adjusted(0, kOutlineTop, 0, 0);
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addRoundedRect(outer, kCornerRadius, kCornerRadius);
    ring.addRoundedRect(outer.adjusted(1, 1, -1, -1), kCornerRadius - 1, kCornerRadius - 1);
    painter.setClipRegion(QRegion(rect()).subtracted(caption));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(ring, palette().color(QPalette::Mid));
    painter.setClipping(false);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption.adjusted(kCaptionPadding, 0, -kCaptionPadding, 0), Qt::AlignCenter,
                     title());
}
