#include "editor/grid_keyboard.h"

#include "core/trace_log.h"
#include "editor/cell_editor.h"
#include "editor/grid_editor.h"
#include "editor/grid_geometry.h"
#include "editor/key_codes.h"

#include <QLineEdit>

namespace {
constexpr int kPage = GridGeometry::kPageRows;
// Paging needs more rows than a page and a bit; only the 40- and 60-row shapes page.
constexpr int kMinRowsToPage = 32;
} // namespace

GridKeyboard::GridKeyboard(GridWidgets& widgets, GridState& state, FormState& form,
                           CellEditor& cells, GridEditor& grid)
    : m_widgets(widgets), m_state(state), m_form(form), m_cells(cells), m_grid(grid) {}

void GridKeyboard::goTo(int row, int column) {
    m_widgets.cell(row, column)->setFocus();
    m_cells.enterCell(row, column);
}

bool GridKeyboard::onKeyDown(int row, int keyCode, const QString& text, int column) {
    WriteLog(QStringLiteral("Text_Keydown_Uni(") + QString::number(row) + QStringLiteral("): ") +
             QString::number(keyCode));
    const int rows = m_state.rowCount;
    switch (keyCode) {
    case KeyCode::Enter:
    case KeyCode::Down:
        if (row < rows - 1) {
            m_cells.countedCheck(row, column, text);
            goTo(row + 1, column);
            m_grid.scrollAfterRowDown(row);
            return true;
        }
        if (keyCode == KeyCode::Enter) {
            m_cells.countedCheck(row, column, text);
            return true;
        }
        return false;
    case KeyCode::Up:
        if (row > 0 && row > m_state.doc.transparentIntervals) {
            m_cells.countedCheck(row, column, text);
            goTo(row - 1, column);
            m_grid.scrollAfterRowUp(row);
            return true;
        }
        return false;
    case KeyCode::PageUp:
        if (row - kPage > 0 && rows > kMinRowsToPage) {
            m_cells.countedCheck(row, column, text);
            // A transparent row cannot take the focus; the lowest open row can.
            goTo(qMax(row - kPage, m_state.doc.transparentIntervals), column);
            m_grid.scrollPageUp();
            return true;
        }
        return false;
    case KeyCode::PageDown:
        if (row < rows - kPage && rows > kMinRowsToPage) {
            m_cells.countedCheck(row, column, text);
            goTo(row + kPage, column);
            m_grid.scrollPageDown();
            return true;
        }
        return false;
    case KeyCode::Escape:
        m_widgets.cell(row, column)->setText(m_form.entryText);
        return true;
    case KeyCode::Right:
        if (column < m_state.columnCount - 1) {
            m_cells.countedCheck(row, column, text);
            goTo(row, column + 1);
            return true;
        }
        return false;
    case KeyCode::Left:
        if (column > 0 && m_state.doc.loadInputUsed) {
            m_cells.countedCheck(row, column, text);
            goTo(row, column - 1);
            return true;
        }
        return false;
    default:
        return false;
    }
}
