#pragma once

#include "core/document_model.h"
#include "core/form_state.h"
#include "editor/cell_values.h"
#include "editor/column_check.h"
#include "editor/grid_state.h"
#include "editor/grid_widgets.h"
#include "language/dialogs.h"
#include "language/language_texts.h"

#include <QObject>

class QPushButton;

// The "+" (Command8) and "-" (Command9) buttons: every value of the chosen column one
// half degree up or down, refused as a whole when any value would leave the cell range.
// They act when the left mouse button goes down on them; the keyboard does not press them.
class ColumnTool : public QObject {
  public:
    ColumnTool(GridWidgets& widgets, GridState& state, const FormState& form, CellValues& values,
               const LanguageTexts& texts, Dialogs& dialogs, DocumentModel& notices);

    void press(ColumnCheck::Step step);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void watch(QPushButton* button, ColumnCheck::Step step);
    // The range test over every row; false when the press is refused (or the table was
    // replaced or the window closed while a cell was still empty).
    bool allRowsCanStep(int column, ColumnCheck::Step step);
    void stepAllRows(int column, ColumnCheck::Step step);

    GridWidgets& m_widgets;
    GridState& m_state;
    const FormState& m_form;
    CellValues& m_values;
    const LanguageTexts& m_texts;
    Dialogs& m_dialogs;
    DocumentModel& m_notices;
    // Set while a left mouse button press is being delivered to one of the buttons.
    bool m_leftButtonGoingDown = false;
};
