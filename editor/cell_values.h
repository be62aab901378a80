#pragma once

#include "core/form_state.h"
#include "core/map_document.h"
#include "editor/grid_widgets.h"

// The advance values of the grid. A cell field shows its value and holds only the text
// being typed; a value changes only here, so that the number and what the field shows
// after it never part.
class CellValues {
  public:
    // `table` is the map's table, which this changes in place.
    CellValues(GridWidgets& widgets, const FormState& form, AdvanceTable& table);

    int at(int row, int column) const { return m_table[row][column]; }
    const AdvanceTable& table() const { return m_table; }

    // The value in tenths of a degree; the field shows it, and any typing is gone.
    void set(int row, int column, int tenths);
    // The cells of the first `rows` rows and `columns` columns; the others stay, as no
    // shape shows them before it sets them.
    void setAll(const AdvanceTable& table, int rows, int columns);
    void fill(int tenths, int rows, int columns);

  private:
    void show(int row, int column, const QString& text);

    GridWidgets& m_widgets;
    const FormState& m_form;
    AdvanceTable& m_table;
};
