#include "editor/grid_widgets.h"

#include "core/array_name.h"
#include "core/twips.h"
#include "editor/grid_geometry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
QString cellArray(int column) {
    return QStringLiteral("Text%1").arg(column + 1);
}

// A new element of a control array looks like element 0, one row further down.
template <class T> T* copyBelow(T* first, const QString& array, int row) {
    auto* widget = new T(first->parentWidget());
    widget->setObjectName(arrayName(qPrintable(array), row));
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

GridWidgets::GridWidgets(const FormWidgets& form) : FormWidgets(form) {
    cells[0] = firstRowCells;
    rowLabels[0] = firstRowLabel;
    cutCombos[0] = firstCutCombo;
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
