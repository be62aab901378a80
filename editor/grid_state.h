#pragma once

#include "core/map_document.h"
#include "core/table_shape.h"

#include <QString>
#include <QtGlobal>
#include <array>

// A cell of the grid by row and 0-based column. The start-up marks point past the
// table on purpose: they name no cell, so the first entry is never mistaken for a
// repeated one.
struct GridCell {
    int row = 0;
    int column = 0;
    bool operator==(const GridCell& o) const { return row == o.row && column == o.column; }
    bool operator!=(const GridCell& o) const { return !(*this == o); }
};

// The form-level state of the table editor: the map it edits, the shape it shows, and
// the marks the cell editor keeps between events.
struct GridState {
    explicit GridState(MapDocument& document) : doc(document) {}

    // The window's map. The editor changes its table, axes, cut levels, transparent rows,
    // load input, load unit and MAP maximum in place, each together with what shows it.
    MapDocument& doc;
    int rowCount = shapeOfResolution(kDefaultResolution).rowCount;
    int columnCount = shapeOfResolution(kDefaultResolution).columnCount;
    int selectedColumn = 0;

    GridCell currentCell{rowCount + 1, kMaxColumns};
    GridCell clickedCell{rowCount, kMaxColumns};
    int checkCount = 0;
    // The cell and text of the last check that passed: a repeated check of that very
    // text may be skipped, a changed text never.
    GridCell checkedCell{rowCount + 1, kMaxColumns};
    QString checkedText;
    QString headerEntryText;
    QString rowLabelEntryText;

    bool columnToolBusy = false;
    // Counts the tables put in place (a shape chosen, a map loaded) and the window's
    // close: a wait begun on one table ends, changing nothing, once this moves on.
    int tableNumber = 0;

    void setResolution(int index) {
        doc.resolution = index;
        const TableShape shape = shapeOfResolution(index);
        rowCount = shape.rowCount;
        columnCount = shape.columnCount;
    }
    bool isRealCell(const GridCell& cell) const {
        return cell.row >= 0 && cell.row < rowCount && cell.column >= 0 &&
               cell.column < kMaxColumns;
    }
    // After a document was put in place no cell counts as entered, so no check is skipped.
    void forgetEnteredCell() { clickedCell = {rowCount, columnCount}; }
};
