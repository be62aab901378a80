#pragma once

#include "graph/graph_element.h"

#include <QList>
#include <QWidget>
#include <functional>

// Paints a chart's elements over black, lower layers first, filling the panel it is
// placed in. Elements are twips within the panel; the panel's caption, if it has one,
// stays readable on top.
class ElementView : public QWidget {
    Q_OBJECT
  public:
    using Lines = std::function<QList<const GraphLine*>()>;
    using Labels = std::function<QList<const GraphLabel*>()>;

    // The tool tip for a place of the panel in twips; empty for none.
    using ToolTip = std::function<QString(QPointF twips)>;

    ElementView(QWidget* panel, Lines lines, Labels labels);
    void setToolTipSource(ToolTip source) { m_toolTip = std::move(source); }

    // Asks for a repaint of where these lines are drawn now; called before and after a
    // few lines move, it repaints only what they covered and cover.
    void updateLines(const QList<const GraphLine*>& lines);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void paintCaption(QPainter& painter);

    Lines m_lines;
    Labels m_labels;
    ToolTip m_toolTip;
};
