#pragma once

#include "core/document_model.h"
#include "core/form_state.h"
#include "core/map_document.h"
#include "editor/cell_values.h"
#include "editor/grid_state.h"
#include "editor/grid_widgets.h"
#include "editor/table_signals.h"

class LoadUnitEditor;

// The advance grid's layout: building the rows once, re-laying them out for a shape or
// a loaded document, scrolling, the enabled state of the rows, the transparent rows, the
// load input choice and the ordered cut levels.
//
// After every operation the rows keep one rule: transparent rows are wholly disabled;
// the other rows have their cut combo enabled and, with the load input used, every used
// cell, otherwise only the last used column's cell.
class GridEditor {
  public:
    GridEditor(GridWidgets& widgets, GridState& state, FormState& form, CellValues& values,
               LoadUnitEditor& units, DocumentModel& notices, TableSignals& pacing);

    void buildGrid();
    // A default document of the current shape: cells 0.5 and default axes.
    void applyResolution();
    // Re-lays out for the document applyDocument put in place; sets DocumentReady.
    void applyLoadedLayout();

    void onResolutionChosen(int index);
    void onTransparentCountChosen(int count);
    void onLoadInputUsed();
    void onLoadInputNotUsed();
    void onCutLevelChosen(int row);
    void onScrolled(int value);

    // Keyboard moves keep the target row in view (sourceRow: the row the key was in).
    void scrollAfterRowDown(int sourceRow);
    void scrollAfterRowUp(int sourceRow);
    void scrollPageUp();
    void scrollPageDown();
    void scrollRows(int rows);
    // Scrolls as little as brings `row` wholly into view.
    void scrollToRow(int row);

    void applyDocument(const MapDocument& doc);

    // The rows' enabled state as the rule above wants it.
    void applyEnabledState();
    int scrollMaximum() const;

  private:
    void setScrollRange();
    void layOutShape();
    void showRowLabels();
    void applyShapeRuleToLoadInput();

    GridWidgets& m_widgets;
    GridState& m_state;
    FormState& m_form;
    CellValues& m_values;
    LoadUnitEditor& m_units;
    DocumentModel& m_notices;
    TableSignals& m_pacing;
    int m_visibleGridHeight = 0;
    int m_gridTop = 0;
};
