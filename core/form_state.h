#pragma once

#include <QString>

// A cell of the grid by row and column (1-based column, as the cell arrays Text1..Text12
// are named). The start-up marks point past the table on purpose: they name no cell.
struct CellMark {
    int row = 0;
    int column = 0;
    bool operator==(const CellMark& o) const { return row == o.row && column == o.column; }
};

// The little form-level state that the panels of the main window share.
struct FormState {
    // False while widgets are filled from code; every change handler then does nothing.
    bool documentReady = false;
    // The text of the field last entered; Escape in that field puts it back.
    QString entryText;
    // The locale's decimal separator and the one the user must not type.
    QString decimalSeparator = QStringLiteral(".");
    QString otherSeparator = QStringLiteral(",");
};
