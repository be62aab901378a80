#include "editor/grid_widgets.h"

#include "core/find_widget.h"
#include "core/twips.h"
#include "editor/grid_geometry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
template <class T> T* named(QWidget* root, const char* name) {
    return findNamed<T>(root, QLatin1String(name));
}

QString cellArray(int column) {
    return QStringLiteral("Text%1").arg(column + 1);
}

// A new element of a control array looks like element 0, one row further down.
template <class T> T* copyBelow(T* first, const QString& array, int row) {
    auto* widget = new T(first->parentWidget());
    widget->setObjectName(QStringLiteral("%1(%2)").arg(array).arg(row));
    widget->setFont(first->font());
    widget->setPalette(first->palette());
    widget->setAutoFillBackground(first->autoFillBackground());
    const QRect at = first->geometry();
    widget->setGeometry(at.left(), at.top() + Twips::toPixels(GridGeometry::rowTop(row)),
                        at.width(), at.height());
    widget->show();
    return widget;
}

QLineEdit* copyField(QLineEdit* first, const QString& array, int row) {
    QLineEdit* field = copyBelow(first, array, row);
    field->setAlignment(first->alignment());
    field->setReadOnly(first->isReadOnly());
    return field;
}
} // namespace

GridWidgets::GridWidgets(QWidget* rootWidget)
    : root(rootWidget), picture(named<QWidget>(root, "Picture1")),
      viewport(named<QGroupBox>(root, "Frame1")), scrollBar(named<QScrollBar>(root, "VScroll")),
      resolution(named<QComboBox>(root, "Combo6")),
      transparentCount(named<QComboBox>(root, "Combo11")),
      chargeCorrectionCount(named<QComboBox>(root, "Combo10")),
      loadInputUsed(named<QRadioButton>(root, "Option1")),
      loadInputNotUsed(named<QRadioButton>(root, "Option2")),
      loadUnit(named<QComboBox>(root, "Combo5")), mapMaximum(named<QLineEdit>(root, "Text18")),
      columnChooser(named<QComboBox>(root, "Combo8")),
      increaseColumn(named<QPushButton>(root, "Command8")),
      decreaseColumn(named<QPushButton>(root, "Command9")),
      rpmButton(named<QPushButton>(root, "Command5")),
      mapButton(named<QPushButton>(root, "Command10")) {
    for (int c = 0; c < kMaxColumns; ++c)
        cells[0][c] = findNamed<QLineEdit>(root, arrayName(qPrintable(cellArray(c)), 0));
    rowLabels[0] = findNamed<QLineEdit>(root, arrayName("TextLabel2", 0));
    cutCombos[0] = findNamed<QComboBox>(root, arrayName("Combo9", 0));
    for (int i = 0; i <= kMaxColumns; ++i)
        headers[i] = findNamed<QLineEdit>(root, arrayName("TextLabel1", i));
}

void GridWidgets::createRows() {
    for (int r = 1; r < kMaxRows; ++r) {
        rowLabels[r] = copyField(rowLabels[0], QStringLiteral("TextLabel2"), r);
        for (int c = 0; c < kMaxColumns; ++c)
            cells[r][c] = copyField(cells[0][c], cellArray(c), r);
        cutCombos[r] = copyBelow(cutCombos[0], QStringLiteral("Combo9"), r);
    }
}

std::optional<GridCell> GridWidgets::cellOf(const QObject* field) const {
    for (int r = 0; r < kMaxRows; ++r) {
        const int column = indexOf(cells[r], field);
        if (column >= 0)
            return GridCell{r, column};
    }
    return std::nullopt;
}
