#pragma once

#include "core/table_shape.h"
#include "editor/grid_state.h"

#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QObject;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

// The widgets of the table editor, found once by their layout names. Rows 1..59 of the
// grid arrays do not exist in the design; createRows makes them as copies of row 0.
struct GridWidgets {
    explicit GridWidgets(QWidget* root);
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

    QWidget* root;
    std::array<std::array<QLineEdit*, kMaxColumns>, kMaxRows> cells{};
    std::array<QLineEdit*, kMaxRows> rowLabels{};
    std::array<QComboBox*, kMaxRows> cutCombos{};
    std::array<QLineEdit*, kMaxColumns + 1> headers{}; // [12] is the cut header
    QWidget* picture;                                  // Picture1, the rows' container
    QGroupBox* viewport;                               // Frame1
    QScrollBar* scrollBar;                             // VScroll
    QComboBox* resolution;                             // Combo6
    QComboBox* transparentCount;                       // Combo11
    QComboBox* chargeCorrectionCount;                  // Combo10
    QRadioButton* loadInputUsed;                       // Option1
    QRadioButton* loadInputNotUsed;                    // Option2
    QComboBox* loadUnit;                               // Combo5
    QLineEdit* mapMaximum;                             // Text18
    QComboBox* columnChooser;                          // Combo8
    QPushButton* increaseColumn;                       // Command8
    QPushButton* decreaseColumn;                       // Command9
    QPushButton* rpmButton;                            // Command5
    QPushButton* mapButton;                            // Command10
};
