#include "editor/breakpoint_editor.h"

#include "core/decimal_format.h"
#include "core/load_header_text.h"
#include "editor/breakpoint_checks.h"
#include "editor/load_unit_editor.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QColor kEditingText(192, 0, 0);

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// The colour a widget shows when enabled; the cells it is taken from may be disabled.
QColor colourOf(const QWidget* widget, QPalette::ColorRole role) {
    return widget->palette().color(QPalette::Active, role);
}
} // namespace

BreakpointEditor::BreakpointEditor(GridWidgets& widgets, GridState& state, const FormState& form,
                                   const LanguageTexts& texts, Dialogs& dialogs,
                                   LoadUnitEditor& units, DocumentModel& notices)
    : m_widgets(widgets), m_state(state), m_form(form), m_texts(texts), m_dialogs(dialogs),
      m_units(units),
      m_notices(notices), m_fileButtons{widgets.send, widgets.save, widgets.load, widgets.version},
      m_lockedCorner(widgets.lockedCorner) {
    connect(m_widgets.rpmButton, &QPushButton::clicked, this, [this] { onRpmPressed(); });
    connect(m_widgets.mapButton, &QPushButton::clicked, this, [this] { onMapPressed(); });
}

void BreakpointEditor::onRpmPressed() {
    if (!m_form.documentReady)
        return;
    if (m_widgets.rpmButton->text() == m_texts.message(MessageId::RpmButtonCaption))
        startRpmEditing();
    else
        finishRpmEditing();
}

void BreakpointEditor::onMapPressed() {
    if (!m_form.documentReady)
        return;
    if (m_widgets.mapButton->text() == m_texts.message(MessageId::MapButtonCaption))
        startLoadEditing();
    else
        finishLoadEditing();
}

void BreakpointEditor::startRpmEditing() {
    m_dialogs.inform(m_texts.message(MessageId::RpmEditInfoMessage) + QStringLiteral("\r\n\r\n") +
                         m_texts.message(MessageId::RpmLockedMessage),
                     m_texts.message(MessageId::BreakpointEditTitle));
    disableAll();
    m_widgets.rpmButton->setEnabled(true);
    m_widgets.mapButton->setEnabled(false);
    for (int r = 0; r < m_state.rowCount; ++r)
        setColour(m_widgets.rowLabels[r], QPalette::Text, kEditingText);
    m_widgets.rpmButton->setText(m_texts.message(MessageId::RpmButtonEditingCaption));
    const QColor cellBackground = colourOf(m_widgets.cell(0, 0), QPalette::Base);
    for (int r = 0; r < m_state.rowCount; ++r) {
        m_widgets.rowLabels[r]->setReadOnly(false);
        setColour(m_widgets.rowLabels[r], QPalette::Base, cellBackground);
    }
}

void BreakpointEditor::finishRpmEditing() {
    QStringList texts;
    for (int r = 0; r < m_state.rowCount; ++r)
        texts.append(m_widgets.rowLabels[r]->text());
    const BreakpointChecks::RpmAxis axis = BreakpointChecks::checkRpm(texts);
    if (showFailure(axis.failure))
        return;
    enableAll();
    m_widgets.mapButton->setEnabled(hasLoadAxis());
    const QColor normalText = colourOf(m_widgets.headers[kMaxColumns], QPalette::Text);
    for (int r = 0; r < m_state.rowCount; ++r)
        setColour(m_widgets.rowLabels[r], QPalette::Text, normalText);
    m_widgets.rpmButton->setText(m_texts.message(MessageId::RpmButtonCaption));
    const QColor lockedBackground = colourOf(m_lockedCorner, QPalette::Window);
    for (int r = 0; r < m_state.rowCount; ++r) {
        m_widgets.rowLabels[r]->setReadOnly(true);
        setColour(m_widgets.rowLabels[r], QPalette::Base, lockedBackground);
        m_state.doc.rpmBreakpoints[r] = axis.rpm[r];
    }
    emit m_notices.tableChanged();
}

void BreakpointEditor::startLoadEditing() {
    disableAll();
    m_widgets.rpmButton->setEnabled(false);
    for (int i = 0; i < m_state.columnCount; ++i)
        setColour(m_widgets.headers[i], QPalette::Text, kEditingText);
    // Boundaries are edited in volts whatever unit the headers showed.
    if (m_state.doc.loadUnit != LoadHeaderText::Volt) {
        m_widgets.loadUnit->setCurrentIndex(LoadHeaderText::Volt);
        m_units.applyLoadUnit(LoadHeaderText::Volt);
    }
    m_widgets.loadUnit->setEnabled(false);
    m_widgets.mapMaximum->setEnabled(false);
    m_widgets.mapButton->setText(m_texts.message(MessageId::MapButtonEditingCaption));
    // The top boundary is 5 V by definition and stays locked.
    const QColor cellBackground = colourOf(m_widgets.cell(0, 0), QPalette::Base);
    for (int i = 0; i < m_state.columnCount - 1; ++i) {
        m_widgets.headers[i]->setReadOnly(false);
        setColour(m_widgets.headers[i], QPalette::Base, cellBackground);
    }
}

void BreakpointEditor::finishLoadEditing() {
    QStringList texts;
    for (int i = 0; i < m_state.columnCount; ++i)
        texts.append(m_widgets.headers[i]->text());
    const BreakpointChecks::VoltAxis axis = BreakpointChecks::checkVolts(texts, m_form);
    if (showFailure(axis.failure))
        return;
    enableAll();
    m_widgets.rpmButton->setEnabled(true);
    const QColor normalText = colourOf(m_widgets.rowLabels[0], QPalette::Text);
    for (int i = 0; i < m_state.columnCount; ++i)
        setColour(m_widgets.headers[i], QPalette::Text, normalText);
    m_widgets.mapButton->setText(m_texts.message(MessageId::MapButtonCaption));
    const QColor lockedBackground = colourOf(m_lockedCorner, QPalette::Window);
    for (int i = 0; i < m_state.columnCount - 1; ++i) {
        QLineEdit* header = m_widgets.headers[i];
        header->setReadOnly(true);
        setColour(header, QPalette::Base, lockedBackground);
        header->setText(DecimalFormat::fixed(axis.volts[i], 2, m_form.decimalSeparator));
        m_state.doc.loadBreakpoints[i + 1] = axis.volts[i];
    }
    emit m_notices.tableChanged();
    m_widgets.loadUnit->setEnabled(true);
    m_units.fillColumnChooser();
}

bool BreakpointEditor::showFailure(const std::optional<CheckFailure>& failure) {
    if (!failure)
        return false;
    m_dialogs.inform(m_texts.message(*failure), m_texts.title(*failure));
    return true;
}

void BreakpointEditor::setEditingControlsEnabled(bool enabled) {
    const int firstOpenRow = m_state.doc.transparentIntervals;
    for (int r = firstOpenRow; r < m_state.rowCount; ++r)
        m_widgets.cutCombos[r]->setEnabled(enabled);
    m_widgets.transparentCount->setEnabled(enabled);
    m_widgets.resolution->setEnabled(enabled);
    m_widgets.loadInputUsed->setEnabled(enabled && hasLoadAxis());
    m_widgets.loadInputNotUsed->setEnabled(enabled && hasLoadAxis());
    for (QPushButton* button : m_fileButtons)
        button->setEnabled(enabled);
    // Without the load input the tool works on the last column only; its chooser stays off.
    m_widgets.columnChooser->setEnabled(enabled && m_state.doc.loadInputUsed);
    m_widgets.increaseColumn->setEnabled(enabled);
    m_widgets.decreaseColumn->setEnabled(enabled);
    const int last = m_state.columnCount - 1;
    const int firstColumn = m_state.doc.loadInputUsed && hasLoadAxis() ? 0 : last;
    for (int r = firstOpenRow; r < m_state.rowCount; ++r)
        for (int c = firstColumn; c <= last; ++c)
            m_widgets.cell(r, c)->setEnabled(enabled);
}
