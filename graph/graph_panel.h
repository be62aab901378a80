#pragma once

#include "core/form_widgets.h"
#include "core/map_document.h"
#include "graph/graph2d_model.h"
#include "graph/graph2d_view.h"
#include "graph/graph3d_model.h"
#include "graph/graph3d_view.h"
#include "graph/header_colours.h"

#include <QPointer>

struct FormState;

// The 2D chart and the 3D wire frame of the main window: what the other panels call.
// The main window wires "2 D" (Option5) and "3 D" (Option6) to select2D/select3D, and
// the document model's table and replacement notices to redraw, its cell notice to
// updateCell. The 2D view is shown at first; nothing is drawn until the first call. It
// must not outlive the form.
class GraphPanel {
  public:
    // Fills the panels Frame18 (2D) and Frame7 (3D) of the form with the two views.
    GraphPanel(const FormWidgets& form, const FormState& state);
    ~GraphPanel();
    GraphPanel(const GraphPanel&) = delete;
    GraphPanel& operator=(const GraphPanel&) = delete;

    // Shows the 2D panel, hides the 3D one and draws the chart; the column headers
    // take the curve colours as the legend.
    void select2D(const MapDocument& document);
    // Shows the 3D panel, hides the 2D one, gives the headers back their plain colour
    // and draws the wire frame.
    void select3D(const MapDocument& document);
    bool shows3D() const { return m_shows3D; }

    // Full redraw of the view shown: after a load, a shape, axis or column change.
    void redraw(const MapDocument& document);
    // After one accepted cell edit: moves only that cell's points in the view shown.
    // `column` is 0-based (0 = load column 1); the value is in tenths of a degree.
    void updateCell(int row, int column, int tenths);

    // The 3D axis titles in the window's language.
    void setAxisTitles(const GraphAxisTitles& titles);

    const Graph2DModel& model2D() const { return m_model2D; }
    const Graph3DModel& model3D() const { return m_model3D; }

  private:
    void showPanels();
    // "RPM: 1500", "Load: 2.40 V", "Advance: 12.5°" of a cell of the map drawn last.
    QString pointText(std::optional<std::pair<int, int>> cell) const;

    HeaderCells m_headers;
    const FormState& m_state;
    Graph2DModel m_model2D;
    Graph3DModel m_model3D;
    QWidget* m_panel2D;
    QWidget* m_panel3D;
    QPointer<Graph2DView> m_view2D;
    QPointer<Graph3DView> m_view3D;
    bool m_shows3D = false;
    MapDocument m_document;
    Language m_language = Language::Hungarian;
};
