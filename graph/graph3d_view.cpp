#include "graph/graph3d_view.h"

#include "graph/graph3d_model.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {
// A drag across the whole panel turns the frame by about two thirds of a turn.
constexpr double kRadiansPerPixel = 0.008;
constexpr double kZoomPerWheelStep = 1.15;
constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 4.0;
} // namespace

Graph3DView::Graph3DView(QWidget* panel, Graph3DModel& model)
    : ElementView(
          panel, [&model] { return model.lines(); }, [&model] { return model.labels(); }),
      m_model(model) {}

void Graph3DView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return ElementView::mousePressEvent(event);
    m_dragStart = event->position().toPoint();
    m_turnAtDragStart = m_model.turn();
}

void Graph3DView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return ElementView::mouseMoveEvent(event);
    const QPoint moved = event->position().toPoint() - m_dragStart;
    if (moved.isNull())
        return;
    ViewTurn turn = m_turnAtDragStart;
    turn.yaw += moved.x() * kRadiansPerPixel;
    turn.pitch += moved.y() * kRadiansPerPixel;
    turnTo(turn);
}

void Graph3DView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        turnTo(ViewTurn{});
}

void Graph3DView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0)
        return;
    ViewTurn turn = m_model.turn();
    turn.zoom = std::clamp(turn.zoom * std::pow(kZoomPerWheelStep, steps), kMinZoom, kMaxZoom);
    turnTo(turn);
    event->accept();
}

void Graph3DView::turnTo(const ViewTurn& turn) {
    m_model.setTurn(turn);
    update();
}
