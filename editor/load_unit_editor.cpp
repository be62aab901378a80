#include "editor/load_unit_editor.h"

#include "core/decimal_format.h"
#include "core/load_header_text.h"
#include "editor/checked_fields.h"
#include "editor/map_max_check.h"

#include <QComboBox>
#include <QLineEdit>

LoadUnitEditor::LoadUnitEditor(GridWidgets& widgets, GridState& state, FormState& form,
                               const LanguageTexts& texts, Dialogs& dialogs, DocumentModel& notices)
    : m_widgets(widgets), m_state(state), m_form(form), m_notices(notices) {
    m_field = new CheckedFields(form, texts, dialogs, m_widgets.mapMaximum);
    CheckedFields::Rules rules;
    rules.check = [this](const QString& text) -> FieldVerdict {
        if (auto failure = MapMaxCheck::firstFailure(text, m_form))
            return {failure, QString()};
        const QString& separator = m_form.decimalSeparator;
        return {std::nullopt,
                DecimalFormat::fixed(DecimalFormat::toDouble(text, separator), 1, separator)};
    };
    rules.commit = [this](const QString& text) { relabel(text); };
    rules.emptyShowsEntryText = true;
    m_field->attach(m_widgets.mapMaximum, std::move(rules));
}

double LoadUnitEditor::mapMaximumValue() const {
    return DecimalFormat::toDouble(m_state.doc.mapMaxPressure, m_form.decimalSeparator);
}

void LoadUnitEditor::setMapMaximum(const QString& text) {
    m_state.doc.mapMaxPressure = text;
    m_widgets.mapMaximum->setText(text);
}

QString LoadUnitEditor::headerText(int unit, int column) const {
    return LoadHeaderText::text(unit, m_state.doc.loadBreakpoints[column + 1], mapMaximumValue(),
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
    m_state.doc.loadUnit = unit;
    fillColumnChooser();
    if (!m_state.doc.loadInputUsed)
        selectLastColumn();
}

void LoadUnitEditor::applyLoadedUnit(int unit) {
    QLineEdit* field = m_widgets.mapMaximum;
    const bool bar = unit != LoadHeaderText::Volt && unit != LoadHeaderText::Percent;
    if (!bar)
        setMapMaximum(QString());
    field->setEnabled(bar);
    showHeaders(unit);
    m_state.doc.loadUnit = unit;
}

void LoadUnitEditor::fillColumnChooser() {
    QComboBox* chooser = m_widgets.columnChooser;
    const int unit = m_state.doc.loadUnit;
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
    if (m_form.documentReady && index != m_state.doc.loadUnit)
        applyLoadUnit(index);
}

void LoadUnitEditor::onColumnChosen(int index) {
    if (m_form.documentReady)
        m_state.selectedColumn = index;
}

void LoadUnitEditor::checkMapMaximum() {
    m_field->check(m_widgets.mapMaximum);
}

// The checked maximum labels the headers and the column chooser in bar.
void LoadUnitEditor::relabel(const QString& maximum) {
    setMapMaximum(maximum);
    showHeaders(LoadHeaderText::Bar);
    fillColumnChooser();
    if (!m_state.doc.loadInputUsed)
        selectLastColumn();
    emit m_notices.stepComplete();
}
