#pragma once

#include "core/form_state.h"
#include "editor/grid_state.h"
#include "editor/grid_widgets.h"

class CellEditor;
class GridEditor;

// Moving through the advance cells by keyboard. Every move checks the cell it leaves
// first, then enters the target cell and scrolls it into view.
class GridKeyboard {
  public:
    GridKeyboard(GridWidgets& widgets, GridState& state, FormState& form, CellEditor& cells,
                 GridEditor& grid);

    // Returns true when the key was acted on; other keys keep their effect in the field.
    bool onKeyDown(int row, int keyCode, const QString& text, int column);

  private:
    void goTo(int row, int column);

    GridWidgets& m_widgets;
    GridState& m_state;
    FormState& m_form;
    CellEditor& m_cells;
    GridEditor& m_grid;
};
