#pragma once

#include "graph/element_view.h"

class Graph2DModel;

// The 2D chart painted into its panel (the form's Frame18).
class Graph2DView : public ElementView {
    Q_OBJECT
  public:
    Graph2DView(QWidget* panel, const Graph2DModel& model);
};
