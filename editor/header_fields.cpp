#include "editor/header_fields.h"

#include "core/trace_log.h"
#include "editor/field_events.h"
#include "editor/grid_editor.h"
#include "editor/key_codes.h"

#include <QLineEdit>

HeaderFields::HeaderFields(GridWidgets& widgets, GridState& state, GridEditor& grid)
    : m_widgets(widgets), m_state(state), m_grid(grid) {}

void HeaderFields::onHeaderClicked(int index) {
    QLineEdit* field = m_widgets.headers[index];
    WriteLog(QStringLiteral("TextLabel1_Click(") + QString::number(index) + QStringLiteral(",)"));
    m_state.headerEntryText = field->text();
    FieldEvents::selectWholeText(field);
}

bool HeaderFields::onHeaderKey(int index, int keyCode) {
    WriteLog(QStringLiteral("TextLabel1_Keydown(") + QString::number(index) +
             QStringLiteral("): ") + QString::number(keyCode));
    int target = -1;
    switch (keyCode) {
    case KeyCode::Enter:
        return true;
    case KeyCode::Escape:
        m_widgets.headers[index]->setText(m_state.headerEntryText);
        return true;
    case KeyCode::Right:
        if (index < m_state.columnCount - 2)
            target = index + 1;
        break;
    case KeyCode::Left:
        if (index > 0)
            target = index - 1;
        break;
    default:
        break;
    }
    if (target < 0)
        return false;
    m_widgets.headers[target]->setFocus();
    onHeaderClicked(target);
    return true;
}

void HeaderFields::onRowLabelClicked(int row) {
    QLineEdit* field = m_widgets.rowLabels[row];
    if (field->isReadOnly())
        return;
    WriteLog(QStringLiteral("TextLabel2_Click(") + QString::number(row) + QStringLiteral(",)"));
    m_state.rowLabelEntryText = field->text();
    FieldEvents::selectWholeText(field);
}

bool HeaderFields::onRowLabelKey(int row, int keyCode) {
    QLineEdit* field = m_widgets.rowLabels[row];
    if (field->isReadOnly())
        return false;
    WriteLog(QStringLiteral("TextLabel2_Keydown(") + QString::number(row) + QStringLiteral("): ") +
             QString::number(keyCode));
    switch (keyCode) {
    case KeyCode::Enter:
        return true;
    case KeyCode::Escape:
        field->setText(m_state.rowLabelEntryText);
        return true;
    case KeyCode::Down:
        if (row >= m_state.rowCount - 1)
            return false;
        m_widgets.rowLabels[row + 1]->setFocus();
        onRowLabelClicked(row + 1);
        m_grid.scrollAfterRowDown(row);
        return true;
    case KeyCode::Up:
        if (row <= 0)
            return false;
        m_widgets.rowLabels[row - 1]->setFocus();
        onRowLabelClicked(row - 1);
        m_grid.scrollAfterRowUp(row);
        return true;
    default:
        return false;
    }
}
