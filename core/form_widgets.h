#pragma once

#include "core/table_shape.h"

#include <array>

class ClickablePicture;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

// The grid's column headers TextLabel1(0..12); [12] is the cut header.
using HeaderCells = std::array<QLineEdit*, kMaxColumns + 1>;

// The design widgets of the main window that code works with, typed, as the form builder
// makes them. Their layout names stay their objectNames; the comments give them.
struct FormWidgets {
    // The grid: its panel and the design's row 0, from which the other rows are copied.
    QGroupBox* gridPanel = nullptr; // Frame2
    QLabel* lockedCorner = nullptr; // Label100
    HeaderCells headers{};
    QScrollBar* scrollBar = nullptr;                     // VScroll
    QGroupBox* viewport = nullptr;                       // Frame1
    QWidget* rows = nullptr;                             // Picture1
    QLineEdit* firstRowLabel = nullptr;                  // TextLabel2(0)
    std::array<QLineEdit*, kMaxColumns> firstRowCells{}; // Text1(0)..Text12(0)
    QComboBox* firstCutCombo = nullptr;                  // Combo9(0)
    QPlainTextEdit* note = nullptr;                      // Text13

    // The buttons and lists around the grid.
    QPushButton* send = nullptr;                // Command1
    QPushButton* save = nullptr;                // Command2
    QPushButton* load = nullptr;                // Command3
    QPushButton* version = nullptr;             // Command4
    QPushButton* rpmButton = nullptr;           // Command5
    QPushButton* increaseColumn = nullptr;      // Command8
    QPushButton* decreaseColumn = nullptr;      // Command9
    QPushButton* mapButton = nullptr;           // Command10
    QComboBox* columnChooser = nullptr;         // Combo8
    QComboBox* resolution = nullptr;            // Combo6
    QRadioButton* loadInputUsed = nullptr;      // Option1
    QRadioButton* loadInputNotUsed = nullptr;   // Option2
    QComboBox* loadUnit = nullptr;              // Combo5
    QLineEdit* mapMaximum = nullptr;            // Text18
    QComboBox* transparentCount = nullptr;      // Combo11
    QComboBox* chargeCorrectionCount = nullptr; // Combo10

    // The ignition settings.
    QLineEdit* inputDwell = nullptr;       // Text14
    QLineEdit* spark = nullptr;            // Text15
    QLineEdit* charge = nullptr;           // Text16
    QLineEdit* revLimit = nullptr;         // Text17
    QLineEdit* dwell = nullptr;            // Text19
    QComboBox* port = nullptr;             // Combo1
    QComboBox* outputPolarity = nullptr;   // Combo2
    QComboBox* inputPolarity = nullptr;    // Combo3
    QComboBox* coilControl = nullptr;      // Combo4
    QComboBox* cylinders = nullptr;        // Combo7
    QComboBox* operationMode = nullptr;    // Combo12
    QRadioButton* inputDwellOff = nullptr; // Option3
    QRadioButton* inputDwellOn = nullptr;  // Option4
    QLabel* sparkLabel = nullptr;          // Label3
    QLabel* chargeLabel = nullptr;         // Label4
    QLabel* limitLabel = nullptr;          // Label11
    QLabel* correctionLabel = nullptr;     // Label16
    QLabel* dwellLabel = nullptr;          // Label18

    // The graphs, the flags and the logo.
    QWidget* graph2D = nullptr;                // Frame18
    QWidget* graph3D = nullptr;                // Frame7
    QRadioButton* view2D = nullptr;            // Option5
    QRadioButton* view3D = nullptr;            // Option6
    ClickablePicture* hungarianFlag = nullptr; // Picture3
    ClickablePicture* englishFlag = nullptr;   // Picture4
    ClickablePicture* logo = nullptr;          // Picture2
};
