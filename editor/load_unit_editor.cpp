#include "editor/load_unit_editor.h"

#include "core/decimal_format.h"
#include "core/load_header_text.h"
#include "editor/field_events.h"
#include "editor/key_codes.h"
#include "editor/map_max_check.h"

#include <QComboBox>
#include <QLineEdit>

LoadUnitEditor::LoadUnitEditor(GridWidgets& widgets, GridState& state, FormState& form,
                               const LanguageTexts& texts, Dialogs& dialogs, TableSignals& notices)
    : m_widgets(widgets), m_state(state), m_form(form), m_texts(texts), m_dialogs(dialogs),
      m_notices(notices) {
    m_events = new FieldEvents({[this](QLineEdit*) { onMapFieldClicked(); },
                                [this](QLineEdit*, int key) { return onMapFieldKey(key); },
                                [this](QLineEdit*) { checkMapMaximum(); },
                                [this](QLineEdit*) { onMapFieldEntered(); }},
                               m_widgets.mapMaximum);
    m_events->watch(m_widgets.mapMaximum);
}

double LoadUnitEditor::mapMaximumValue() const {
    return DecimalFormat::toDouble(m_state.mapMaxPressure, m_form.decimalSeparator);
}

void LoadUnitEditor::setMapMaximum(const QString& text) {
    m_state.mapMaxPressure = text;
    m_widgets.mapMaximum->setText(text);
}

QString LoadUnitEditor::headerText(int unit, int column) const {
    return LoadHeaderText::text(unit, m_state.loadBreakpoints[column + 1], mapMaximumValue(),
                                m_form.decimalSeparator);
}

void LoadUnitEditor::showHeaders(int unit) {
    for (int i = 0; i < m_state.columnCount; ++i)
        m_widgets.headers[i]->setText(headerText(unit, i));
}

void LoadUnitEditor::applyLoadUnit(int unit) {
    QLineEdit* field = m_widgets.mapMaximum;
    if (unit == LoadHeaderText::Volt || unit == LoadHeaderText::Percent) {
        setMapMaximum(QString());
        field->setEnabled(false);
    } else {
        setMapMaximum(DecimalFormat::fixed(1.0, 1, m_form.decimalSeparator));
        field->setEnabled(true);
    }
    showHeaders(unit);
    m_state.appliedLoadUnit = unit;
    fillColumnChooser();
    if (!m_state.loadInputUsed)
        selectLastColumn();
}

void LoadUnitEditor::applyLoadedUnit(int unit) {
    QLineEdit* field = m_widgets.mapMaximum;
    const bool bar = unit != LoadHeaderText::Volt && unit != LoadHeaderText::Percent;
    if (!bar)
        setMapMaximum(QString());
    field->setEnabled(bar);
    showHeaders(unit);
    m_state.appliedLoadUnit = unit;
}

void LoadUnitEditor::fillColumnChooser() {
    QComboBox* chooser = m_widgets.columnChooser;
    const int unit = m_widgets.loadUnit->currentIndex();
    chooser->clear();
    for (int i = 0; i < m_state.columnCount; ++i)
        chooser->addItem(headerText(unit, i));
    if (m_state.selectedColumn >= chooser->count())
        m_state.selectedColumn = 0;
    chooser->setCurrentIndex(m_state.selectedColumn);
}

void LoadUnitEditor::selectLastColumn() {
    m_state.selectedColumn = m_widgets.columnChooser->count() - 1;
    m_widgets.columnChooser->setCurrentIndex(m_state.selectedColumn);
}

void LoadUnitEditor::onUnitChosen(int index) {
    if (m_form.documentReady && index != m_state.appliedLoadUnit)
        applyLoadUnit(index);
}

void LoadUnitEditor::onColumnChosen(int index) {
    if (m_form.documentReady)
        m_state.selectedColumn = index;
}

void LoadUnitEditor::onMapFieldEntered() {
    m_form.entryText = m_widgets.mapMaximum->text();
}

void LoadUnitEditor::onMapFieldClicked() {
    onMapFieldEntered();
    FieldEvents::selectWholeText(m_widgets.mapMaximum);
}

bool LoadUnitEditor::onMapFieldKey(int keyCode) {
    if (keyCode == KeyCode::Enter) {
        checkMapMaximum();
        return true;
    }
    if (keyCode == KeyCode::Escape) {
        m_widgets.mapMaximum->setText(m_form.entryText);
        return true;
    }
    return false;
}

void LoadUnitEditor::checkMapMaximum() {
    // An input box of this check may move the focus; that must not start a second one.
    if (m_checking)
        return;
    m_checking = true;
    QLineEdit* field = m_widgets.mapMaximum;
    if (m_form.documentReady) {
        while (const auto failure = MapMaxCheck::firstFailure(field->text(), m_form)) {
            if (field->text().isEmpty())
                field->setText(m_form.entryText);
            field->setText(m_dialogs.askAgain(*failure, m_texts));
        }
    }
    m_checking = false;
    relabel();
    emit m_notices.stepComplete();
}

void LoadUnitEditor::relabel() {
    const QString typed = m_widgets.mapMaximum->text();
    if (typed.isEmpty())
        return;
    setMapMaximum(DecimalFormat::fixed(DecimalFormat::toDouble(typed, m_form.decimalSeparator), 1,
                                       m_form.decimalSeparator));
    showHeaders(LoadHeaderText::Bar);
    fillColumnChooser();
    if (!m_state.loadInputUsed)
        selectLastColumn();
}
