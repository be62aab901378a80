#include "editor/grid_wheel.h"

#include <QWheelEvent>
#include <QWidget>

namespace {
constexpr int kNotch = QWheelEvent::DefaultDeltasPerStep;
constexpr int kRowsPerNotch = 3;
constexpr int kDeltaPerRow = kNotch / kRowsPerNotch;
} // namespace

GridWheel::GridWheel(QWidget* rows, std::function<void(int rows)> scroll)
    : QObject(rows), m_scroll(std::move(scroll)) {
    rows->installEventFilter(this);
}

bool GridWheel::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return false;
    // A turn away from the user (a positive delta) scrolls back towards the first row.
    m_partialDelta += static_cast<QWheelEvent*>(event)->angleDelta().y();
    const int rows = m_partialDelta / kDeltaPerRow;
    m_partialDelta -= rows * kDeltaPerRow;
    if (rows != 0)
        m_scroll(-rows);
    event->accept();
    return true;
}
