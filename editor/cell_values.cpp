#include "editor/cell_values.h"

#include "core/cell_tenths.h"

#include <QLineEdit>

CellValues::CellValues(GridWidgets& widgets, const FormState& form, AdvanceTable& table)
    : m_widgets(widgets), m_form(form), m_table(table) {}

void CellValues::set(int row, int column, int tenths) {
    m_table[row][column] = tenths;
    show(row, column, CellTenths::text(tenths, m_form.decimalSeparator));
}

void CellValues::fill(int tenths, int rows, int columns) {
    AdvanceTable table;
    for (auto& row : table)
        row.fill(tenths);
    setAll(table, rows, columns);
}

// Neighbouring cells often hold one value; they share its text.
void CellValues::setAll(const AdvanceTable& table, int rows, int columns) {
    int shownValue = table[0][0];
    QString text = CellTenths::text(shownValue, m_form.decimalSeparator);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            if (table[r][c] != shownValue) {
                shownValue = table[r][c];
                text = CellTenths::text(shownValue, m_form.decimalSeparator);
            }
            m_table[r][c] = shownValue;
            // A field already showing the text is left alone: laying out a text again is
            // most of what a new shape costs, and most of its cells keep theirs.
            QLineEdit* field = m_widgets.cell(r, c);
            if (field->text() != text || field->isUndoAvailable())
                field->setText(text);
        }
}

void CellValues::show(int row, int column, const QString& text) {
    m_widgets.cell(row, column)->setText(text);
}
