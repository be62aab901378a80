#pragma once

#include "editor/grid_state.h"
#include "editor/grid_widgets.h"

class GridEditor;
class QLineEdit;

// The column headers (load boundaries) and row labels (RPM) behave like cells without
// a value check: entering selects the text, Escape puts back the entry text, arrows
// move along the axis. Row labels react only while they are unlocked for editing.
class HeaderFields {
  public:
    HeaderFields(GridWidgets& widgets, GridState& state, GridEditor& grid);

    void onHeaderClicked(int index);
    bool onHeaderKey(int index, int keyCode);
    void onRowLabelClicked(int row);
    bool onRowLabelKey(int row, int keyCode);

  private:
    GridWidgets& m_widgets;
    GridState& m_state;
    GridEditor& m_grid;
};
