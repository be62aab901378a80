#pragma once

#include "core/document_model.h"
#include "core/form_state.h"
#include "editor/grid_state.h"
#include "editor/grid_widgets.h"
#include "language/dialogs.h"
#include "language/language_texts.h"

class CheckedFields;

// The load unit of the column headers (Combo5), the MAP sensor's upper range that the
// bar unit scales by (Text18), and the column chooser (Combo8), whose items repeat the
// header texts.
class LoadUnitEditor {
  public:
    LoadUnitEditor(GridWidgets& widgets, GridState& state, FormState& form,
                   const LanguageTexts& texts, Dialogs& dialogs, DocumentModel& notices);

    // Headers, MAP field and chooser for a unit; the bar unit starts from 1.0 bar.
    void applyLoadUnit(int unit);
    // Headers for a just-loaded unit: the loaded MAP maximum stays.
    void applyLoadedUnit(int unit);
    void fillColumnChooser();
    // With the load input not used, the tool works on the last column only.
    void selectLastColumn();

    // The MAP maximum's value, shown in its field.
    void setMapMaximum(const QString& text);

    void onUnitChosen(int index);
    void onColumnChosen(int index);
    // The MAP field's check with its re-ask loop, then the relabel step.
    void checkMapMaximum();

  private:
    QString headerText(int unit, int column) const;
    double mapMaximumValue() const;
    void showHeaders(int unit);
    void relabel(const QString& maximum);

    GridWidgets& m_widgets;
    GridState& m_state;
    FormState& m_form;
    DocumentModel& m_notices;
    CheckedFields* m_field;
};
