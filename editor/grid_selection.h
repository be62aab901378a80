#pragma once

#include "core/map_document.h"
#include "editor/cell_block.h"
#include "editor/grid_state.h"
#include "editor/grid_widgets.h"

#include <QHash>
#include <QObject>
#include <QPalette>
#include <optional>

class CellEditor;
class QLineEdit;
class QMouseEvent;

// A block of cells chosen with the mouse: Shift+click spans from the current cell to the
// clicked one, a drag from the pressed cell to the cell under the mouse; either way the
// cell the mouse went down on is entered as a click enters it, after the current cell's
// check. The block is
// shown by the cells' background only, so nothing of the layout moves. A plain click
// clears it.
class GridSelection : public QObject {
  public:
    GridSelection(GridWidgets& widgets, GridState& state, CellEditor& cells);
    void watch(QLineEdit* cell);

    // The selected block cut to the cells `doc` lets be edited; none when nothing is.
    std::optional<CellBlock> block(const MapDocument& doc) const;
    void clear();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool onPress(const GridCell& cell, const QMouseEvent& press);
    bool onMove(QLineEdit* field, const QMouseEvent& move);
    bool onRelease();
    void select(const GridCell& anchor, const GridCell& corner);
    void paint();

    GridWidgets& m_widgets;
    GridState& m_state;
    CellEditor& m_cells;
    std::optional<GridCell> m_anchor;
    GridCell m_corner;
    std::optional<GridCell> m_pressed;
    bool m_dragging = false;
    QHash<QLineEdit*, QPalette> m_plainPalettes;
};
