#include "editor/cell_editor.h"

#include "core/trace_log.h"
#include "editor/cell_value_check.h"
#include "editor/field_events.h"

#include <QLineEdit>

namespace {
constexpr int kChecksPerEntry = 4;

QString traceLine(const char* routine, int row, const QString& text, int column) {
    return QLatin1String(routine) + QLatin1Char('(') + QString::number(row) + QLatin1Char(',') +
           text + QLatin1Char(',') + QString::number(column) + QLatin1Char(')');
}
} // namespace

CellEditor::CellEditor(GridWidgets& widgets, GridState& state, FormState& form, CellValues& values,
                       const LanguageTexts& texts, Dialogs& dialogs, DocumentModel& notices)
    : m_widgets(widgets), m_state(state), m_form(form), m_values(values), m_texts(texts),
      m_dialogs(dialogs), m_notices(notices) {}

void CellEditor::enterCell(int row, int column) {
    QLineEdit* field = m_widgets.cell(row, column);
    WriteLog(traceLine("Text_Click_Uni", row, field->text(), column));
    m_state.checkCount = 0;
    m_form.entryText = field->text();
    FieldEvents::selectWholeText(field);
    const GridCell entered{row, column};
    if (entered == m_state.currentCell)
        return;
    const GridCell previous = m_state.currentCell;
    if (m_state.isRealCell(previous))
        checkCell(previous.row, previous.column,
                  m_widgets.cell(previous.row, previous.column)->text());
    m_state.clickedCell = entered;
    m_state.currentCell = entered;
}

QString CellEditor::checkCell(int row, int column, const QString& text) {
    const bool wasChecking = m_checking;
    m_checking = true;
    const QString accepted = checkOne(row, column, text);
    if (!accepted.isNull()) {
        m_state.checkedCell = {row, column};
        m_state.checkedText = accepted;
    }
    const int last = m_state.columnCount - 1;
    if (!accepted.isNull() && !m_state.doc.loadInputUsed && last >= 1 && column == last)
        for (int c = 0; c < last; ++c)
            checkOne(row, c, accepted);
    m_checking = wasChecking;
    return accepted;
}

// Returns the null text when the check could not run (document not ready).
QString CellEditor::checkOne(int row, int column, const QString& text) {
    const std::optional<QString> kept = m_dialogs.askUntilKept(
        text, [this](const QString& t) { return CellValueCheck::firstFailure(t, m_form); },
        [&](const QString& t) {
            WriteLog(traceLine("Text_LostFocusOwn_Uni", row, t, column));
            return m_form.documentReady;
        },
        m_texts);
    if (!kept)
        return QString();
    const int tenths = CellValueCheck::tenths(*kept, m_form.decimalSeparator);
    m_values.set(row, column, tenths);
    emit m_notices.cellChanged(row, column, tenths);
    return m_widgets.cell(row, column)->text();
}

void CellEditor::countedCheck(int row, int column, const QString& text) {
    const bool unchanged =
        m_state.checkedCell == GridCell{row, column} && m_state.checkedText == text;
    if (unchanged && m_state.currentCell == m_state.clickedCell &&
        m_state.checkCount >= kChecksPerEntry)
        return;
    checkCell(row, column, text);
    ++m_state.checkCount;
}

void CellEditor::onFocusLost(int row, int column) {
    if (m_checking)
        return;
    countedCheck(row, column, m_widgets.cell(row, column)->text());
}
