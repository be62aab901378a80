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

    ElementView(QWidget* panel, Lines lines, Labels labels);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void paintCaption(QPainter& painter);

    Lines m_lines;
    Labels m_labels;
};
