#include "editor/grid_selection.h"

#include "editor/block_selection.h"
#include "editor/cell_editor.h"

#include <QLineEdit>
#include <QMouseEvent>

namespace {
const QColor kSelectedBackground(204, 228, 255);
}

GridSelection::GridSelection(GridWidgets& widgets, GridState& state, CellEditor& cells)
    : m_widgets(widgets), m_state(state), m_cells(cells) {}

void GridSelection::watch(QLineEdit* cell) {
    cell->installEventFilter(this);
}

std::optional<CellBlock> GridSelection::block(const MapDocument& doc) const {
    if (!m_anchor)
        return std::nullopt;
    return BlockSelection::between(*m_anchor, m_corner, doc);
}

void GridSelection::clear() {
    m_anchor.reset();
    paint();
}

void GridSelection::select(const GridCell& anchor, const GridCell& corner) {
    m_anchor = anchor;
    m_corner = corner;
    paint();
}

void GridSelection::paint() {
    for (auto it = m_plainPalettes.begin(); it != m_plainPalettes.end(); ++it)
        it.key()->setPalette(it.value());
    m_plainPalettes.clear();
    const auto chosen = block(m_state.doc);
    if (!chosen)
        return;
    for (int r = chosen->top; r <= chosen->bottom; ++r)
        for (int c = chosen->left; c <= chosen->right; ++c) {
            QLineEdit* field = m_widgets.cell(r, c);
            m_plainPalettes.insert(field, field->palette());
            QPalette palette = field->palette();
            palette.setColor(QPalette::Base, kSelectedBackground);
            field->setPalette(palette);
        }
}

// Cells see many events (shows, hides, paints); only the mouse's are worth finding the
// cell for.
bool GridSelection::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto cell = m_widgets.cellOf(watched);
        return cell && onPress(*cell, *static_cast<QMouseEvent*>(event));
    }
    case QEvent::MouseMove: {
        auto* field = qobject_cast<QLineEdit*>(watched);
        return field && onMove(field, *static_cast<QMouseEvent*>(event));
    }
    case QEvent::MouseButtonRelease:
        return onRelease();
    default:
        return false;
    }
}

// The press gives the clicked cell the focus before any filter sees it, so a Shift+click
// goes on as a click: the current cell is checked and the clicked one entered. A further
// Shift+click keeps the block's first corner.
bool GridSelection::onPress(const GridCell& cell, const QMouseEvent& press) {
    if (press.button() != Qt::LeftButton)
        return false;
    const GridCell current = m_state.currentCell;
    if (press.modifiers() & Qt::ShiftModifier && m_state.isRealCell(current) &&
        current.column < m_state.columnCount) {
        select(m_anchor ? *m_anchor : current, cell);
        return false;
    }
    clear();
    m_pressed = cell;
    return false;
}

bool GridSelection::onMove(QLineEdit* field, const QMouseEvent& move) {
    if (!m_pressed || !(move.buttons() & Qt::LeftButton))
        return false;
    const QPoint at = field->mapTo(m_widgets.rows, move.position().toPoint());
    const auto under = m_widgets.cellOf(m_widgets.rows->childAt(at));
    if (under && (m_dragging || *under != *m_pressed)) {
        m_dragging = true;
        select(*m_pressed, *under);
    }
    return m_dragging;
}

bool GridSelection::onRelease() {
    const auto pressed = std::exchange(m_pressed, std::nullopt);
    if (!std::exchange(m_dragging, false) || !pressed)
        return false;
    m_cells.enterCell(pressed->row, pressed->column);
    return true;
}
