#pragma once

#include "core/document_model.h"
#include "core/form_state.h"
#include "editor/cell_values.h"
#include "editor/grid_state.h"
#include "editor/grid_widgets.h"
#include "language/dialogs.h"
#include "language/language_texts.h"

// Entering an advance cell and checking its value. A value is checked when the cell is
// left, re-asked through an input box until it passes, rewritten with one decimal and,
// while the load input is not used, copied along the row from the last column.
//
// At most four checks started by keys or focus losses run for the same text of the cell
// last entered; a changed text is always checked, and entering another cell always
// checks the previous one.
class CellEditor {
  public:
    CellEditor(GridWidgets& widgets, GridState& state, FormState& form, CellValues& values,
               const LanguageTexts& texts, Dialogs& dialogs, DocumentModel& notices);

    // Entering the cell by click or keyboard.
    void enterCell(int row, int column);
    // The value check with its re-ask loop; returns the text the cell was given.
    QString checkCell(int row, int column, const QString& text);
    // A check started by a key or a focus loss, counted against the entered cell.
    void countedCheck(int row, int column, const QString& text);
    void onFocusLost(int row, int column);

  private:
    QString checkOne(int row, int column, const QString& text);

    GridWidgets& m_widgets;
    GridState& m_state;
    FormState& m_form;
    CellValues& m_values;
    const LanguageTexts& m_texts;
    Dialogs& m_dialogs;
    DocumentModel& m_notices;
    // True while a check runs; an input box it opens can take the focus from a cell,
    // and that focus loss must not start a second check.
    bool m_checking = false;
};
