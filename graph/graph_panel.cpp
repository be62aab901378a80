#include "graph/graph_panel.h"

#include "core/cell_tenths.h"
#include "core/form_state.h"
#include "core/map_document.h"
#include "graph/header_colours.h"
#include "messages/map_comparison.h"

#include <QWidget>

namespace {
// How near the mouse must come to a point for its values to show, about six pixels.
constexpr double kHoverRadius = 90;
} // namespace

GraphPanel::GraphPanel(const FormWidgets& form, const FormState& state)
    : m_headers(form.headers), m_state(state), m_panel2D(form.graph2D), m_panel3D(form.graph3D),
      m_view2D(new Graph2DView(m_panel2D, m_model2D)),
      m_view3D(new Graph3DView(m_panel3D, m_model3D)) {
    showPanels();
    m_view2D->setToolTipSource(
        [this](QPointF at) { return pointText(m_model2D.cellNear(at, kHoverRadius)); });
    m_view3D->setToolTipSource(
        [this](QPointF at) { return pointText(m_model3D.cellNear(at, kHoverRadius)); });
}

// The views paint the models held here, so they go first; a form deleted earlier has
// already taken them along.
GraphPanel::~GraphPanel() {
    delete m_view2D;
    delete m_view3D;
}

void GraphPanel::select2D(const MapDocument& document) {
    m_shows3D = false;
    showPanels();
    redraw(document);
}

void GraphPanel::select3D(const MapDocument& document) {
    m_shows3D = true;
    showPanels();
    resetHeaderColours(m_headers);
    redraw(document);
}

void GraphPanel::redraw(const MapDocument& document) {
    m_document = document;
    if (m_shows3D) {
        m_model3D.DrawGraph3D(document);
        m_view3D->update();
    } else {
        m_model2D.DrawGraph2D(document, m_state.decimalSeparator);
        applyHeaderColours(m_headers, m_model2D.headerColours());
        m_view2D->update();
    }
}

void GraphPanel::updateCell(int row, int column, int tenths) {
    if (row < 0 || row >= kMaxRows || column < 0 || column >= kMaxColumns)
        return;
    m_document.cells[row][column] = tenths;
    const double degrees = CellTenths::degrees(tenths);
    if (m_shows3D) {
        m_model3D.UpdateGraph3DPoint(row, column, degrees);
        m_view3D->update();
    } else {
        const QList<const GraphLine*> moved = m_model2D.linesThrough(row, column);
        m_view2D->updateLines(moved);
        m_model2D.UpdateGraph2DPoint(row, column, degrees);
        m_view2D->updateLines(moved);
    }
}

void GraphPanel::setAxisTitles(const GraphAxisTitles& titles) {
    m_language = titles.language;
    m_model3D.setAxisTitles(titles);
    m_view3D->update();
}

QString GraphPanel::pointText(std::optional<std::pair<int, int>> cell) const {
    if (!cell)
        return QString();
    const auto [row, column] = *cell;
    LanguageTexts texts;
    texts.setLanguage(m_language);
    return texts.message(
        MessageId::GraphPointToolTip,
        {QString::number(m_document.rpmBreakpoints[row]),
         columnLoadText(m_document, column, m_state.decimalSeparator),
         CellTenths::text(m_document.cells[row][column], m_state.decimalSeparator)});
}

void GraphPanel::showPanels() {
    m_panel2D->setVisible(!m_shows3D);
    m_panel3D->setVisible(m_shows3D);
}
