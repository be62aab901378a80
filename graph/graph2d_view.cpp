#include "graph/graph2d_view.h"

#include "graph/graph2d_model.h"

Graph2DView::Graph2DView(QWidget* panel, const Graph2DModel& model)
    : ElementView(
          panel, [&model] { return model.lines(); }, [&model] { return model.labels(); }) {}
