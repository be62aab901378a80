#include "graph/element_view.h"

#include "core/twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <set>

namespace {

// Advance values are not clamped by the charts; a wild one is still painted off the
// panel, but within whole-number range.
int wholeTwips(double twips) {
    return int(std::lround(std::clamp(twips, -1e6, 1e6)));
}

QPointF toPixels(QPointF twips) {
    return QPointF(Twips::toPixels(wholeTwips(twips.x())), Twips::toPixels(wholeTwips(twips.y())));
}

// Through pixel centres, so that thin lines are not smeared over two pixels.
QPointF toPixelCentre(QPointF twips) {
    return toPixels(twips) + QPointF(0.5, 0.5);
}

// Widths are design pixels at 96 dpi, 15 twips each.
int penWidth(const GraphLine& line) {
    return std::max(1, Twips::toPixels(15 * line.width));
}

// Where a line's pixels may fall: between its ends, widened by the caps and the
// antialiasing.
QRect pixelBounds(const GraphLine& line) {
    const double reach = penWidth(line) / 2.0 + 2;
    return QRectF(toPixelCentre(line.p1), toPixelCentre(line.p2))
        .normalized()
        .adjusted(-reach, -reach, reach, reach)
        .toAlignedRect();
}

void paintLine(QPainter& painter, const GraphLine& line) {
    QPen pen(line.colour, penWidth(line));
    // Qt strokes a wide line with round caps as an outline of arcs, which made the curves
    // most of a chart's paint; with square caps it draws the line directly, several times
    // faster. On a line two pixels wide the two caps differ by a fraction of a corner pixel.
    pen.setCapStyle(pen.width() > 1 ? Qt::SquareCap : Qt::RoundCap);
    painter.setPen(pen);
    // A thin line along a pixel row or column covers whole pixels, so antialiasing adds
    // nothing to it; skipping it halves the cost of the chart's grid.
    const bool alongPixels =
        pen.width() == 1 && (line.p1.x() == line.p2.x() || line.p1.y() == line.p2.y());
    painter.setRenderHint(QPainter::Antialiasing, !alongPixels);
    painter.drawLine(toPixelCentre(line.p1), toPixelCentre(line.p2));
}

void paintLabel(QPainter& painter, const GraphLabel& label) {
    painter.setFont(label.font);
    painter.setPen(label.colour);
    const QRectF box(toPixels(label.topLeft),
                     toPixels(label.topLeft + QPointF(label.size.width(), label.size.height())));
    painter.drawText(box, int(label.alignment) | Qt::TextDontClip, label.text);
}

} // namespace

ElementView::ElementView(QWidget* panel, Lines lines, Labels labels)
    : QWidget(panel), m_lines(std::move(lines)), m_labels(std::move(labels)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(panel->rect());
    panel->installEventFilter(this);
    raise();
    // A child made after its window was shown stays hidden unless told otherwise.
    show();
}

bool ElementView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || !m_toolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QPoint at = help->pos();
    const QString text = m_toolTip(QPointF(Twips::fromPixels(at.x()), Twips::fromPixels(at.y())));
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

bool ElementView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void ElementView::updateLines(const QList<const GraphLine*>& lines) {
    for (const GraphLine* line : lines)
        update(pixelBounds(*line));
}

void ElementView::paintEvent(QPaintEvent* event) {
    // Stroking is most of a paint's cost, so a partial repaint strokes only the lines that
    // reach into it; Qt clips everything else to it.
    const QRect dirty = event->rect();
    QPainter painter(this);
    painter.fillRect(dirty, Qt::black);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QList<const GraphLine*> lines = m_lines();
    const QList<const GraphLabel*> labels = m_labels();
    std::set<int> layers;
    for (const GraphLine* line : lines)
        layers.insert(line->layer);
    for (const GraphLabel* label : labels)
        layers.insert(label->layer);
    for (int layer : layers) {
        for (const GraphLine* line : lines)
            if (line->visible && line->layer == layer && pixelBounds(*line).intersects(dirty))
                paintLine(painter, *line);
        for (const GraphLabel* label : labels)
            if (label->visible && label->layer == layer)
                paintLabel(painter, *label);
    }
    paintCaption(painter);
}

void ElementView::paintCaption(QPainter& painter) {
    const auto* box = qobject_cast<const QGroupBox*>(parentWidget());
    if (!box || box->title().isEmpty())
        return;
    painter.setFont(box->font());
    painter.setPen(box->palette().color(QPalette::WindowText));
    painter.drawText(QPointF(Twips::toPixels(120), painter.fontMetrics().ascent()), box->title());
}
