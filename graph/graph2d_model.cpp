#include "graph/graph2d_model.h"

#include "core/cell_tenths.h"
#include "core/map_document.h"
#include "graph/curve_palette.h"
#include "graph/graph_numbers.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

constexpr double kAdvanceAxisRange = 63.5;
constexpr double kTickLength = 120;
constexpr int kGridLayer = 0;
constexpr int kFrameLayer = 1;
constexpr int kCurveLayer = 2;

QColor buttonFace() {
    if (qGuiApp)
        return QGuiApplication::palette().color(QPalette::Button);
    return QColor(240, 240, 240);
}

GraphLine line(QPointF p1, QPointF p2, QColor colour, int width, int layer) {
    GraphLine made;
    made.p1 = p1;
    made.p2 = p2;
    made.colour = colour;
    made.width = width;
    made.visible = true;
    made.layer = layer;
    return made;
}

// The row shown at RPM tick i (1..10); tick 10 is always the last row.
int tickRow(int i, int rowCount) {
    return qMax(0, i * rowCount / 10 - 1);
}

} // namespace

Graph2DModel::Graph2DModel(LabelMeasure measure) : m_measure(std::move(measure)) {
    CreateGraph2DElements();
}

void Graph2DModel::CreateGraph2DElements() {
    const QColor face = buttonFace();
    const QColor grid(64, 64, 64);
    m_rpmAxis = line({480, 4800}, {7320, 4800}, face, 2, kFrameLayer);
    m_advanceAxis = line({480, 120}, {480, 4800}, face, 2, kFrameLayer);
    m_rpmTicks.fill(line({480, 4800}, {480, 4800 + kTickLength}, face, 2, kFrameLayer));
    m_advanceTicks.fill(line({480, 4800}, {480 - kTickLength, 4800}, face, 2, kFrameLayer));
    m_verticalGrid.fill(line({}, {}, grid, 1, kGridLayer));
    m_horizontalGrid.fill(line({}, {}, grid, 1, kGridLayer));

    GraphLabel label;
    label.colour = face;
    label.font = chartLabelFont();
    label.visible = true;
    label.layer = kFrameLayer;
    label.alignment = Qt::AlignHCenter | Qt::AlignTop;
    m_rpmLabels.fill(label);

    // The advance labels share one box, right-aligned, so their right edges line up.
    label.alignment = Qt::AlignRight | Qt::AlignVCenter;
    QSizeF box;
    for (int i = 0; i < kAdvanceTicks; ++i) {
        m_advanceLabels[i] = label;
        m_advanceLabels[i].text = QString::number(5 * i);
        box = box.expandedTo(measure(m_advanceLabels[i]));
    }
    for (GraphLabel& advance : m_advanceLabels)
        advance.size = box;

    GraphLine segment = line({}, {}, Qt::black, 2, kCurveLayer);
    segment.visible = false;
    for (auto& curve : m_curves)
        curve.fill(segment);
}

void Graph2DModel::DrawGraph2D(const MapDocument& document, const QString& decimalSeparator) {
    const int rowCount = document.rowCount();
    const int columnCount = document.columnCount();
    m_rowCount = rowCount;
    m_columnCount = columnCount;
    m_firstRpm = document.rpmBreakpoints[0];
    m_lastRpm = document.rpmBreakpoints[rowCount - 1];

    ColorCurves2D(rowCount, columnCount);
    placeTicksAndGrid(document);
    placeLabels(document, decimalSeparator);
    HideUnusedCurves2D(rowCount, columnCount);

    for (int c = 0; c < columnCount; ++c) {
        auto& curve = m_curves[c];
        QPointF start(xOfRpm(document.rpmBreakpoints[0]),
                      yOfAdvance(CellTenths::degrees(document.cells[0][c])));
        for (int s = 0; s < rowCount - 1; ++s) {
            const QPointF end(xOfRpm(document.rpmBreakpoints[s + 1]),
                              yOfAdvance(CellTenths::degrees(document.cells[s + 1][c])));
            curve[s].p1 = start;
            curve[s].p2 = end;
            curve[s].visible = true;
            start = end;
        }
    }
}

void Graph2DModel::placeTicksAndGrid(const MapDocument& document) {
    const double left = m_rpmAxis.p1.x();
    const double right = m_rpmAxis.p2.x();
    const double top = m_advanceAxis.p1.y();
    const double bottom = m_advanceAxis.p2.y();

    m_rpmTicks[0].p1.setX(left);
    m_rpmTicks[0].p2.setX(left);
    for (int i = 1; i < kRpmTicks; ++i) {
        const double x = xOfRpm(document.rpmBreakpoints[tickRow(i, m_rowCount)]);
        m_rpmTicks[i].p1 = {x, m_rpmTicks[0].p1.y()};
        m_rpmTicks[i].p2 = {x, m_rpmTicks[0].p2.y()};
    }

    m_advanceTicks[0].p1.setY(bottom);
    m_advanceTicks[0].p2.setY(m_rpmTicks[0].p1.y());
    for (int i = 1; i < kAdvanceTicks; ++i) {
        const double y = yOfAdvance(5.0 * i);
        m_advanceTicks[i].p1 = {m_advanceTicks[0].p1.x(), y};
        m_advanceTicks[i].p2 = {m_advanceTicks[0].p2.x(), y};
    }

    for (int i = 0; i < kRpmTicks; ++i) {
        const double x = m_rpmTicks[i].p1.x();
        m_verticalGrid[i].p1 = {x, top};
        m_verticalGrid[i].p2 = {x, bottom};
    }
    for (int i = 0; i < kAdvanceTicks; ++i) {
        const double y = m_advanceTicks[i].p1.y();
        m_horizontalGrid[i].p1 = {left, y};
        m_horizontalGrid[i].p2 = {right, y};
    }
}

void Graph2DModel::placeLabels(const MapDocument& document, const QString& decimalSeparator) {
    const QSizeF box = m_advanceLabels[0].size;
    const double left = m_advanceTicks[0].p1.x() - 1.7 * box.width();
    for (int i = 0; i < kAdvanceTicks; ++i)
        m_advanceLabels[i].topLeft = {left, m_advanceTicks[i].p1.y() - box.height() / 2};

    double top = m_rpmTicks[0].p2.y();
    for (int i = 0; i < kRpmTicks; ++i) {
        GraphLabel& label = m_rpmLabels[i];
        const int row = i == 0 ? 0 : tickRow(i, m_rowCount);
        label.text = FormatRpmThousands(document.rpmBreakpoints[row], decimalSeparator);
        label.size = measure(label);
        // Odd labels sit lower so that neighbours never overlap.
        const double labelTop = top + (i % 2) * label.size.height() * 0.6;
        label.topLeft = {m_rpmTicks[i].p1.x() - label.size.width() / 2, labelTop};
    }
}

void Graph2DModel::ColorCurves2D(int rowCount, int columnCount) {
    m_headerColours.clear();
    for (int c = 0; c < columnCount; ++c) {
        const QColor colour = CurvePalette(columnCount, c + 1);
        m_headerColours.append(colour);
        for (int s = 0; s < rowCount - 1; ++s)
            m_curves[c][s].colour = colour;
    }
}

void Graph2DModel::HideUnusedCurves2D(int rowCount, int columnCount) {
    for (int c = 0; c < kCurves; ++c) {
        const bool active = c < columnCount;
        const int from = active ? rowCount - 1 : 0;
        const int to = active ? kSegments - 1 : rowCount - 2;
        for (int s = from; s <= to; ++s)
            m_curves[c][s].visible = false;
    }
}

void Graph2DModel::UpdateGraph2DPoint(int row, int column, double degrees) {
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columnCount)
        return;
    const double y = yOfAdvance(degrees);
    auto& curve = m_curves[column];
    if (row > 0)
        curve[row - 1].p2.setY(y);
    if (row < m_rowCount - 1)
        curve[row].p1.setY(y);
}

QList<const GraphLine*> Graph2DModel::linesThrough(int row, int column) const {
    QList<const GraphLine*> through;
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columnCount)
        return through;
    if (row > 0)
        through.append(&m_curves[column][row - 1]);
    if (row < m_rowCount - 1)
        through.append(&m_curves[column][row]);
    return through;
}

std::optional<std::pair<int, int>> Graph2DModel::cellNear(QPointF at, double radius) const {
    std::optional<std::pair<int, int>> nearest;
    double best = radius * radius;
    for (int c = 0; c < m_columnCount; ++c)
        for (int r = 0; r < m_rowCount && m_rowCount > 1; ++r) {
            const auto& curve = m_curves[c];
            const QPointF d = (r < m_rowCount - 1 ? curve[r].p1 : curve[r - 1].p2) - at;
            const double distance = QPointF::dotProduct(d, d);
            if (distance <= best) {
                best = distance;
                nearest = std::make_pair(r, c);
            }
        }
    return nearest;
}

double Graph2DModel::xOfRpm(double rpm) const {
    const double left = m_rpmAxis.p1.x();
    const double span = m_lastRpm - m_firstRpm;
    // Equal first and last breakpoints leave the scale undefined: everything sits at
    // the axis start rather than at a division by zero.
    if (span == 0)
        return left;
    return left + (m_rpmAxis.p2.x() - left) * (rpm - m_firstRpm) / span;
}

double Graph2DModel::yOfAdvance(double degrees) const {
    const double bottom = m_advanceAxis.p2.y();
    const double unit = (bottom - m_advanceAxis.p1.y()) / kAdvanceAxisRange;
    return bottom - degrees * unit;
}

QSizeF Graph2DModel::measure(const GraphLabel& label) const {
    return m_measure ? m_measure(label.font, label.text) : QSizeF();
}

QList<const GraphLine*> Graph2DModel::lines() const {
    QList<const GraphLine*> all{&m_rpmAxis, &m_advanceAxis};
    for (const auto* group : {&m_rpmTicks, &m_verticalGrid})
        for (const GraphLine& l : *group)
            all.append(&l);
    for (const auto* group : {&m_advanceTicks, &m_horizontalGrid})
        for (const GraphLine& l : *group)
            all.append(&l);
    for (const auto& curve : m_curves)
        for (const GraphLine& l : curve)
            all.append(&l);
    return all;
}

QList<const GraphLabel*> Graph2DModel::labels() const {
    QList<const GraphLabel*> all;
    for (const GraphLabel& l : m_advanceLabels)
        all.append(&l);
    for (const GraphLabel& l : m_rpmLabels)
        all.append(&l);
    return all;
}
