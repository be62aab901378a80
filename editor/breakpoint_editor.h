#pragma once

#include "core/check_failure.h"
#include "core/document_model.h"
#include "core/form_state.h"
#include "editor/grid_state.h"
#include "editor/grid_widgets.h"
#include "language/dialogs.h"
#include "language/language_texts.h"

#include <QObject>
#include <array>
#include <optional>

class LoadUnitEditor;
class QLabel;
class QPushButton;

// Editing of the two axes in place: the "RPM" button (Command5) unlocks the row labels,
// the "MAP" button (Command10) the load boundaries in the column headers. The second
// press checks the whole axis and takes it over only when every value passes; until
// then the other editing controls stay disabled. A button's caption tells whether its
// mode is on: the normal caption of the current language means it is off.
class BreakpointEditor : public QObject {
  public:
    BreakpointEditor(GridWidgets& widgets, GridState& state, const FormState& form,
                     const LanguageTexts& texts, Dialogs& dialogs, LoadUnitEditor& units,
                     DocumentModel& notices);

    void onRpmPressed();
    void onMapPressed();

  private:
    void startRpmEditing();
    void finishRpmEditing();
    void startLoadEditing();
    void finishLoadEditing();

    // The controls that must not change while an axis is being edited: the cut combos
    // and cells of the non-transparent rows, the table choices, the file and send
    // buttons and the column tool.
    void disableAll() { setEditingControlsEnabled(false); }
    void enableAll() { setEditingControlsEnabled(true); }
    void setEditingControlsEnabled(bool enabled);
    // A single column has no load axis, so its choices stay off whatever the editing.
    bool hasLoadAxis() const { return m_state.columnCount > 1; }
    bool showFailure(const std::optional<CheckFailure>& failure);

    GridWidgets& m_widgets;
    GridState& m_state;
    const FormState& m_form;
    const LanguageTexts& m_texts;
    Dialogs& m_dialogs;
    LoadUnitEditor& m_units;
    DocumentModel& m_notices;
    std::array<QPushButton*, 4> m_fileButtons; // Command1..Command4: send, save, load, version
    QLabel* m_lockedCorner;                    // Label100, coloured like a locked axis cell
};
