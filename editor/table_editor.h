#pragma once

#include "core/form_state.h"
#include "core/map_document.h"
#include "editor/block_editor.h"
#include "editor/breakpoint_editor.h"
#include "editor/cell_editor.h"
#include "editor/cell_values.h"
#include "editor/column_tool.h"
#include "editor/grid_editor.h"
#include "editor/grid_keyboard.h"
#include "editor/grid_state.h"
#include "editor/grid_widgets.h"
#include "editor/header_fields.h"
#include "editor/load_unit_editor.h"
#include "editor/table_signals.h"
#include "language/dialogs.h"
#include "language/language_texts.h"

#include <QObject>

class QWidget;

// The advance table editor of the main window: attaches its parts to the form's widgets
// and wires their events. The window calls buildGrid and applyResolution once at
// start-up, and applyDocument followed by applyLoadedLayout for a loaded map.
class TableEditor : public QObject {
  public:
    // The editor changes the table part of the model's map in place and announces it.
    TableEditor(const FormWidgets& design, DocumentModel& model, FormState& form,
                const LanguageTexts& texts, Dialogs& dialogs, QObject* parent);

    void buildGrid();
    void applyResolution() { m_grid.applyResolution(); }
    // A block chosen in the table shown before means nothing in the loaded one.
    void applyLoadedLayout() {
        m_blocks.clearSelection();
        m_grid.applyLoadedLayout();
    }

    void applyDocument(const MapDocument& doc) { m_grid.applyDocument(doc); }
    // One cell's value put back by the history, scrolled into view; the next entry into it
    // is a new one.
    void showCell(int row, int column, int tenths);

    const GridState& state() const { return m_state; }
    const GridWidgets& widgets() const { return m_widgets; }
    TableSignals& pacing() { return m_pacing; }
    // The window closes: a press of "+" or "-" waiting for a cell ends without a change.
    void endWaits() { ++m_state.tableNumber; }
    // The grid's context menu with the block actions.
    QMenu& gridMenu() { return m_blocks.menu(); }

    // Runs the check of `field` as its focus loss does, when it is a checked field of the
    // table editor (an advance cell or the MAP maximum); returns whether it was one.
    bool checkField(const QWidget* field);

  private:
    void wireChoices();
    void wireRows();

    FormState& m_form;
    DocumentModel& m_notices;
    TableSignals m_pacing;
    GridWidgets m_widgets;
    GridState m_state;
    CellValues m_values;
    LoadUnitEditor m_units;
    GridEditor m_grid;
    CellEditor m_cells;
    GridKeyboard m_keyboard;
    HeaderFields m_headers;
    BreakpointEditor m_axes;
    ColumnTool m_columnTool;
    BlockEditor m_blocks;
};
