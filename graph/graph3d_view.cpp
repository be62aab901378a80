#include "graph/graph3d_view.h"

#include "graph/graph3d_model.h"

Graph3DView::Graph3DView(QWidget* panel, const Graph3DModel& model)
    : ElementView(
          panel, [&model] { return model.lines(); }, [&model] { return model.labels(); }) {}
