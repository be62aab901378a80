#pragma once

#include "graph/element_view.h"

class Graph3DModel;

// The 3D wire frame painted into its panel (the form's Frame7).
class Graph3DView : public ElementView {
    Q_OBJECT
  public:
    Graph3DView(QWidget* panel, const Graph3DModel& model);
};
