#include "editor/grid_editor.h"

#include "core/cell_tenths.h"
#include "core/default_axes.h"
#include "core/twips.h"
#include "editor/cut_level_walk.h"
#include "editor/grid_geometry.h"
#include "editor/grid_scroll.h"
#include "editor/load_unit_editor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {
constexpr int kCutLevels = 4;
const QStringList& cutLevelItems() {
    static const QStringList items = {QStringLiteral("0%"), QStringLiteral("25%"),
                                      QStringLiteral("50%"), QStringLiteral("100%")};
    return items;
}

void setHeight(QWidget* widget, int twips) {
    widget->resize(widget->width(), Twips::toPixels(twips));
}

void setLeft(QWidget* widget, int twips) {
    widget->move(Twips::toPixels(twips), widget->y());
}
} // namespace

GridEditor::GridEditor(GridWidgets& widgets, GridState& state, FormState& form, CellValues& values,
                       LoadUnitEditor& units, DocumentModel& notices, TableSignals& pacing)
    : m_widgets(widgets), m_state(state), m_form(form), m_values(values), m_units(units),
      m_notices(notices), m_pacing(pacing) {}

int GridEditor::scrollMaximum() const {
    return GridGeometry::scrollMaximum(m_state.rowCount, m_visibleGridHeight);
}

void GridEditor::setScrollRange() {
    setHeight(m_widgets.rows, GridGeometry::containerHeight(m_state.rowCount));
    setHeight(m_widgets.viewport, m_visibleGridHeight);
    QScrollBar* bar = m_widgets.scrollBar;
    const int maximum = scrollMaximum();
    bar->setRange(0, maximum); // keeps the position, clamped to the new range
    bar->setVisible(maximum > 0);
    onScrolled(bar->value());
}

void GridEditor::onScrolled(int value) {
    m_widgets.rows->move(m_widgets.rows->x(), Twips::toPixels(m_gridTop - value));
}

void GridEditor::scrollAfterRowDown(int sourceRow) {
    QScrollBar* bar = m_widgets.scrollBar;
    const GridScroll::State s{bar->value(), bar->maximum()};
    bar->setValue(GridScroll::rowDown(s, m_gridTop - s.value, GridGeometry::rowTop(sourceRow),
                                      m_visibleGridHeight)
                      .value);
}

void GridEditor::scrollAfterRowUp(int sourceRow) {
    QScrollBar* bar = m_widgets.scrollBar;
    const GridScroll::State s{bar->value(), bar->maximum()};
    bar->setValue(GridScroll::rowUp(s, m_gridTop - s.value, GridGeometry::rowTop(sourceRow)).value);
}

void GridEditor::scrollPageUp() {
    QScrollBar* bar = m_widgets.scrollBar;
    bar->setValue(GridScroll::pageUp({bar->value(), bar->maximum()}).value);
}

void GridEditor::scrollPageDown() {
    QScrollBar* bar = m_widgets.scrollBar;
    bar->setValue(GridScroll::pageDown({bar->value(), bar->maximum()}).value);
}

void GridEditor::scrollToRow(int row) {
    scrollAfterRowDown(row - 1);
    scrollAfterRowUp(row + 1);
}

void GridEditor::scrollRows(int rows) {
    QScrollBar* bar = m_widgets.scrollBar;
    bar->setValue(GridScroll::byRows({bar->value(), bar->maximum()}, rows).value);
}

void GridEditor::buildGrid() {
    m_visibleGridHeight =
        GridGeometry::visibleGridHeight(Twips::fromPixels(m_widgets.rows->height()));
    m_gridTop = Twips::fromPixels(m_widgets.rows->y());
    QScrollBar* bar = m_widgets.scrollBar;
    bar->setSingleStep(GridGeometry::kRowPitch);
    bar->setPageStep(m_visibleGridHeight);
    setScrollRange();

    m_widgets.createRows();
    (m_state.doc.loadInputUsed ? m_widgets.loadInputUsed : m_widgets.loadInputNotUsed)
        ->setChecked(true);
    DefaultRpmBreakpoints(m_state.doc.rpmBreakpoints, m_state.rowCount);
    DefaultLoadBreakpoints(m_state.doc.loadBreakpoints, m_state.columnCount);
    m_values.fill(CellTenths::kDefault, m_state.rowCount, m_state.columnCount);
    for (int i = 0; i < kMaxColumns; ++i)
        m_widgets.headers[i]->show();
    for (int r = 0; r < kMaxRows; ++r) {
        m_widgets.rowLabels[r]->setText(QString::number(m_state.doc.rpmBreakpoints[r]));
        QComboBox* combo = m_widgets.cutCombos[r];
        QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                         [this, r](int level) { m_state.doc.revCutLevel[r] = level; });
        combo->clear();
        combo->addItems(cutLevelItems());
        combo->setCurrentIndex(0);
    }
    emit m_notices.rpmAxisChanged();
}

void GridEditor::showRowLabels() {
    for (int r = 0; r < m_state.rowCount; ++r)
        m_widgets.rowLabels[r]->setText(QString::number(m_state.doc.rpmBreakpoints[r]));
}

void GridEditor::layOutShape() {
    for (int r = 0; r < kMaxRows; ++r) {
        const bool rowShown = r < m_state.rowCount;
        m_widgets.rowLabels[r]->setVisible(rowShown);
        for (int c = 0; c < kMaxColumns; ++c)
            m_widgets.cell(r, c)->setVisible(rowShown && c < m_state.columnCount);
        m_widgets.cutCombos[r]->setVisible(rowShown);
        setLeft(m_widgets.cutCombos[r], GridGeometry::cutComboLeft(m_state.columnCount));
    }
    for (int i = 0; i < kMaxColumns; ++i)
        m_widgets.headers[i]->setVisible(i < m_state.columnCount);
    setLeft(m_widgets.headers[kMaxColumns], GridGeometry::cutHeaderLeft(m_state.columnCount));
}

void GridEditor::applyResolution() {
    ++m_state.tableNumber;
    setScrollRange();
    DefaultLoadBreakpoints(m_state.doc.loadBreakpoints, m_state.columnCount);
    m_units.fillColumnChooser();
    m_units.applyLoadUnit(m_state.doc.loadUnit);
    m_values.fill(CellTenths::kDefault, m_state.rowCount, m_state.columnCount);
    DefaultRpmBreakpoints(m_state.doc.rpmBreakpoints, m_state.rowCount);
    showRowLabels();
    layOutShape();
}

void GridEditor::applyShapeRuleToLoadInput() {
    // A single column has no load axis: the load input cannot be used.
    const bool hasLoadAxis = m_state.columnCount > 1;
    m_widgets.loadInputUsed->setEnabled(hasLoadAxis);
    m_widgets.loadInputNotUsed->setEnabled(hasLoadAxis);
    m_widgets.mapButton->setEnabled(hasLoadAxis);
}

void GridEditor::onResolutionChosen(int index) {
    if (!m_form.documentReady || index == m_state.doc.resolution || index < 0 ||
        index >= kResolutionCount)
        return;
    emit m_pacing.tableReplacing();
    m_state.setResolution(index);
    m_widgets.chargeCorrectionCount->setCurrentIndex(0);
    m_widgets.transparentCount->setCurrentIndex(0);
    onTransparentCountChosen(0);
    for (int r = 0; r < m_state.rowCount; ++r)
        m_widgets.cutCombos[r]->setCurrentIndex(0);
    applyShapeRuleToLoadInput();
    m_state.doc.loadInputUsed = m_state.columnCount > 1;
    (m_state.doc.loadInputUsed ? m_widgets.loadInputUsed : m_widgets.loadInputNotUsed)
        ->setChecked(true);
    applyResolution();
    if (m_state.doc.loadInputUsed) {
        onLoadInputUsed();
    } else {
        onLoadInputNotUsed();
        m_units.selectLastColumn();
    }
    emit m_notices.tableChanged();
}

void GridEditor::applyEnabledState() {
    const int last = m_state.columnCount - 1;
    for (int r = 0; r < m_state.rowCount; ++r) {
        const bool open = r >= m_state.doc.transparentIntervals;
        m_widgets.cutCombos[r]->setEnabled(open);
        for (int c = 0; c <= last; ++c)
            m_widgets.cell(r, c)->setEnabled(open && (m_state.doc.loadInputUsed || c == last));
    }
}

void GridEditor::onTransparentCountChosen(int count) {
    if (!m_form.documentReady || count == m_state.doc.transparentIntervals)
        return;
    m_state.doc.transparentIntervals = count;
    applyEnabledState();
}

void GridEditor::onLoadInputUsed() {
    if (!m_form.documentReady)
        return;
    m_state.doc.loadInputUsed = true;
    m_widgets.columnChooser->setEnabled(true);
    applyEnabledState();
}

void GridEditor::onLoadInputNotUsed() {
    if (!m_form.documentReady)
        return;
    m_state.doc.loadInputUsed = false;
    m_widgets.columnChooser->setEnabled(false);
    const int last = m_state.columnCount - 1;
    for (int r = 0; r < m_state.rowCount; ++r)
        for (int c = 0; c < last; ++c)
            m_values.set(r, c, m_values.at(r, last));
    applyEnabledState();
    emit m_notices.tableChanged();
    m_units.selectLastColumn();
}

void GridEditor::onCutLevelChosen(int row) {
    if (!m_form.documentReady || row < 0 || row >= m_state.rowCount)
        return;
    QList<int> levels;
    for (int r = 0; r < m_state.rowCount; ++r)
        levels.append(m_state.doc.revCutLevel[r]);
    levels = CutLevelWalk::apply(levels, row);
    for (int r = 0; r < m_state.rowCount; ++r)
        m_widgets.cutCombos[r]->setCurrentIndex(levels[r]);
}

void GridEditor::applyLoadedLayout() {
    showRowLabels();
    layOutShape();
    applyShapeRuleToLoadInput();
    m_units.applyLoadedUnit(m_state.doc.loadUnit);
    m_units.fillColumnChooser();
    const bool used = m_state.doc.loadInputUsed;
    if (used) {
        m_state.selectedColumn = 0;
        m_widgets.columnChooser->setCurrentIndex(0);
    } else {
        m_units.selectLastColumn();
    }
    emit m_pacing.loadedModesReady();
    emit m_notices.rpmAxisChanged();
    m_state.forgetEnteredCell();
    m_form.documentReady = true;
    if (used)
        onLoadInputUsed();
    else
        onLoadInputNotUsed();
    emit m_pacing.loadedInputDwellReady();
}

void GridEditor::applyDocument(const MapDocument& doc) {
    ++m_state.tableNumber;
    m_state.setResolution(qBound(0, doc.resolution, kResolutionCount - 1));
    m_widgets.resolution->setCurrentIndex(m_state.doc.resolution);
    // The grid takes its new height before its cells change: Qt then repaints the resized
    // grid as one area instead of tracking each changed cell on its own.
    setScrollRange();
    m_values.setAll(doc.cells, m_state.rowCount, m_state.columnCount);
    for (int r = 0; r < m_state.rowCount; ++r)
        m_widgets.cutCombos[r]->setCurrentIndex(qBound(0, doc.revCutLevel[r], kCutLevels - 1));
    m_state.doc.rpmBreakpoints = doc.rpmBreakpoints;
    m_state.doc.loadBreakpoints = doc.loadBreakpoints;
    m_state.doc.transparentIntervals =
        qBound(0, doc.transparentIntervals, m_widgets.transparentCount->count() - 1);
    m_widgets.transparentCount->setCurrentIndex(m_state.doc.transparentIntervals);
    m_state.doc.loadInputUsed = doc.loadInputUsed;
    (doc.loadInputUsed ? m_widgets.loadInputUsed : m_widgets.loadInputNotUsed)->setChecked(true);
    m_state.doc.loadUnit = qBound(0, doc.loadUnit, 2);
    m_widgets.loadUnit->setCurrentIndex(m_state.doc.loadUnit);
    m_units.setMapMaximum(doc.mapMaxPressure);
}
