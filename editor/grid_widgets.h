#pragma once

#include "core/form_widgets.h"
#include "core/table_shape.h"
#include "editor/grid_state.h"

#include <array>
#include <optional>

class QComboBox;
class QLineEdit;
class QObject;

// The widgets of the table editor: the design's, and the grid's cells, row labels and cut
// lists of every row. Rows 1..59 do not exist in the design; createRows makes them as
// copies of row 0.
struct GridWidgets : FormWidgets {
    explicit GridWidgets(const FormWidgets& form);
    void createRows();

    QLineEdit* cell(int row, int column) const { return cells[row][column]; }
    std::optional<GridCell> cellOf(const QObject* field) const;
    // Index of a field in an array of header fields, or -1.
    template <class Array> static int indexOf(const Array& fields, const QObject* field) {
        for (int i = 0; i < int(fields.size()); ++i)
            if (fields[i] == field)
                return i;
        return -1;
    }

    std::array<std::array<QLineEdit*, kMaxColumns>, kMaxRows> cells{};
    std::array<QLineEdit*, kMaxRows> rowLabels{};
    std::array<QComboBox*, kMaxRows> cutCombos{};
};
