#pragma once

#include "graph/element_view.h"
#include "graph/view_turn.h"

class Graph3DModel;

// The 3D wire frame painted into its panel (the form's Frame7). A drag with the left
// button turns it, the wheel zooms it, and a double-click brings back the standard view.
class Graph3DView : public ElementView {
    Q_OBJECT
  public:
    Graph3DView(QWidget* panel, Graph3DModel& model);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void turnTo(const ViewTurn& turn);

    Graph3DModel& m_model;
    QPoint m_dragStart;
    ViewTurn m_turnAtDragStart;
};
