#include "editor/column_tool.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <utility>

ColumnTool::ColumnTool(GridWidgets& widgets, GridState& state, const FormState& form,
                       CellValues& values, const LanguageTexts& texts, Dialogs& dialogs,
                       DocumentModel& notices)
    : m_widgets(widgets), m_state(state), m_form(form), m_values(values), m_texts(texts),
      m_dialogs(dialogs), m_notices(notices) {
    watch(m_widgets.increaseColumn, ColumnCheck::Step::Increase);
    watch(m_widgets.decreaseColumn, ColumnCheck::Step::Decrease);
}

// The button's own pressed signal comes after the press has gone down on it, so the
// button looks pressed as usual; the filter tells a mouse press from the space key.
void ColumnTool::watch(QPushButton* button, ColumnCheck::Step step) {
    button->installEventFilter(this);
    connect(button, &QPushButton::pressed, this, [this, step] {
        if (std::exchange(m_leftButtonGoingDown, false))
            press(step);
    });
}

bool ColumnTool::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_leftButtonGoingDown = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
        m_leftButtonGoingDown = false;
        break;
    default:
        break;
    }
    return false;
}

void ColumnTool::press(ColumnCheck::Step step) {
    // A press that comes while the first one waits for a cell is ignored, not queued.
    if (!m_form.documentReady || m_state.columnToolBusy)
        return;
    m_state.columnToolBusy = true;
    const int column = m_widgets.columnChooser->currentIndex();
    if (column >= 0 && column < m_state.columnCount && allRowsCanStep(column, step)) {
        stepAllRows(column, step);
        emit m_notices.tableChanged();
    }
    m_state.columnToolBusy = false;
}

bool ColumnTool::allRowsCanStep(int column, ColumnCheck::Step step) {
    const int table = m_state.tableNumber;
    for (int r = 0; r < m_state.rowCount; ++r) {
        const QLineEdit* cell = m_widgets.cell(r, column);
        // A cell check still asking for its value sets the value once answered. A new
        // table or a closed window ends the wait: the press then belongs to nothing.
        while (cell->text().isEmpty()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (m_state.tableNumber != table)
                return false;
        }
        if (const auto refusal =
                ColumnCheck::refusal(m_values.at(r, column), step, m_form.decimalSeparator)) {
            m_dialogs.inform(m_texts.message(*refusal), m_texts.title(*refusal));
            return false;
        }
    }
    return true;
}

// Without the load input every column of a row holds the same value, so all of them
// take the step; each cell is stepped once whichever column is chosen.
void ColumnTool::stepAllRows(int column, ColumnCheck::Step step) {
    const int last = m_state.columnCount - 1;
    for (int r = 0; r < m_state.rowCount; ++r)
        for (int c = 0; c <= last; ++c)
            if (c == column || (!m_state.doc.loadInputUsed && c < last))
                m_values.set(r, c, ColumnCheck::stepped(m_values.at(r, c), step));
}
