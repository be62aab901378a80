#include "editor/table_editor.h"

#include "editor/field_events.h"
#include "editor/grid_wheel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

TableEditor::TableEditor(const FormWidgets& design, DocumentModel& model, FormState& form,
                         const LanguageTexts& texts, Dialogs& dialogs, QObject* parent)
    : QObject(parent), m_form(form), m_notices(model), m_widgets(design), m_state(model.map()),
      m_values(m_widgets, form, model.map().cells),
      m_units(m_widgets, m_state, form, texts, dialogs, model),
      m_grid(m_widgets, m_state, form, m_values, m_units, model, m_pacing),
      m_cells(m_widgets, m_state, form, m_values, texts, dialogs, model),
      m_keyboard(m_widgets, m_state, form, m_cells, m_grid), m_headers(m_widgets, m_state, m_grid),
      m_axes(m_widgets, m_state, form, texts, dialogs, m_units, model),
      m_columnTool(m_widgets, m_state, form, m_values, texts, dialogs, model),
      m_blocks(m_widgets, m_state, form, m_values, texts, dialogs, m_cells, model) {
    wireChoices();
}

void TableEditor::wireChoices() {
    GridWidgets& w = m_widgets;
    // The resolution list accepts typing, but only its five shapes are choices.
    w.resolution->setInsertPolicy(QComboBox::NoInsert);
    connect(w.resolution, &QComboBox::activated, this, [this](int index) {
        const int shape = m_state.doc.resolution;
        m_grid.onResolutionChosen(index);
        if (m_state.doc.resolution != shape)
            m_blocks.clearSelection();
    });
    connect(w.transparentCount, &QComboBox::activated, this,
            [this](int count) { m_grid.onTransparentCountChosen(count); });
    connect(w.loadInputUsed, &QRadioButton::clicked, this, [this] { m_grid.onLoadInputUsed(); });
    connect(w.loadInputNotUsed, &QRadioButton::clicked, this,
            [this] { m_grid.onLoadInputNotUsed(); });
    connect(w.scrollBar, &QScrollBar::valueChanged, this,
            [this](int value) { m_grid.onScrolled(value); });
    connect(w.loadUnit, &QComboBox::activated, this,
            [this](int index) { m_units.onUnitChosen(index); });
    connect(w.columnChooser, &QComboBox::activated, this,
            [this](int index) { m_units.onColumnChosen(index); });
}

void TableEditor::showCell(int row, int column, int tenths) {
    m_values.set(row, column, tenths);
    m_grid.scrollToRow(row);
    m_state.forgetEnteredCell();
    emit m_notices.cellChanged(row, column, tenths);
}

bool TableEditor::checkField(const QWidget* field) {
    if (field == m_widgets.mapMaximum) {
        m_units.checkMapMaximum();
        return true;
    }
    const std::optional<GridCell> cell = m_widgets.cellOf(field);
    if (cell)
        m_cells.onFocusLost(cell->row, cell->column);
    return cell.has_value();
}

void TableEditor::buildGrid() {
    m_grid.buildGrid();
    wireRows();
}

void TableEditor::wireRows() {
    GridWidgets& w = m_widgets;
    auto* cellEvents =
        new FieldEvents({[this](QLineEdit* f) {
                             const GridCell c = *m_widgets.cellOf(f);
                             m_cells.enterCell(c.row, c.column);
                         },
                         [this](QLineEdit* f, int key) {
                             const GridCell c = *m_widgets.cellOf(f);
                             return m_keyboard.onKeyDown(c.row, key, f->text(), c.column);
                         },
                         [this](QLineEdit* f) {
                             const GridCell c = *m_widgets.cellOf(f);
                             m_cells.onFocusLost(c.row, c.column);
                         },
                         [this](QLineEdit* f) { m_form.entryText = f->text(); }},
                        this);
    auto* headerEvents = new FieldEvents(
        {[this](QLineEdit* f) {
             m_headers.onHeaderClicked(GridWidgets::indexOf(m_widgets.headers, f));
         },
         [this](QLineEdit* f, int key) {
             return m_headers.onHeaderKey(GridWidgets::indexOf(m_widgets.headers, f), key);
         },
         {},
         {}},
        this);
    auto* rowLabelEvents = new FieldEvents(
        {[this](QLineEdit* f) {
             m_headers.onRowLabelClicked(GridWidgets::indexOf(m_widgets.rowLabels, f));
         },
         [this](QLineEdit* f, int key) {
             return m_headers.onRowLabelKey(GridWidgets::indexOf(m_widgets.rowLabels, f), key);
         },
         {},
         {}},
        this);
    new GridWheel(w.rows, [this](int rows) { m_grid.scrollRows(rows); });
    for (int i = 0; i < kMaxColumns; ++i)
        headerEvents->watch(w.headers[i]);
    for (int r = 0; r < kMaxRows; ++r) {
        rowLabelEvents->watch(w.rowLabels[r]);
        for (int c = 0; c < kMaxColumns; ++c) {
            cellEvents->watch(w.cell(r, c));
            m_blocks.watch(w.cell(r, c));
        }
        connect(w.cutCombos[r], &QComboBox::activated, this,
                [this, r] { m_grid.onCutLevelChosen(r); });
    }
}
