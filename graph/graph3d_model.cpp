#include "graph/graph3d_model.h"

#include "core/advance_color.h"
#include "core/cell_tenths.h"
#include "core/map_document.h"

namespace {

constexpr double kAdvanceAxisRange = 63.5;
constexpr double kLoadAxisRange = 5.0;
constexpr int kAxisLayer = 0;
constexpr int kWireLayer = 1;

QColor colourOf(double degrees) {
    const RgbColor rgb = AdvanceColor(degrees);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The design's axes: origin and ends in twips, and where their titles stand.
const AxisFrame kAxes{{2400, 2160}, {5040, 1680}, {-2280, 1320}, {0, -2040}};
const QPointF kTitlePlaces[] = {{2520, 0}, {120, 3720}, {7200, 4080}};
// In a turned view a title stands just beyond its axis end.
const QPointF kTurnedTitleOffset(60, 60);
const char* const kLoadUnits[] = {" (V)", " (%)", " (Bar)"};

GraphLine axis(QPointF from, QPointF to) {
    GraphLine made;
    made.p1 = from;
    made.p2 = to;
    made.colour = QColor(64, 64, 64);
    made.width = 2;
    made.visible = true;
    made.layer = kAxisLayer;
    return made;
}

} // namespace

Graph3DModel::Graph3DModel(LabelMeasure measure) : m_measure(std::move(measure)) {
    CreateGraph3DElements();
}

void Graph3DModel::CreateGraph3DElements() {
    const QFont font = chartLabelFont();
    for (int i = 0; i < 3; ++i) {
        m_titles[i].colour = QColor(128, 128, 128);
        m_titles[i].font = font;
        m_titles[i].visible = true;
        m_titles[i].layer = kAxisLayer;
    }
    setAxisTitles(graphAxisTitles(Language::Hungarian));

    GraphLine segment;
    segment.layer = kWireLayer;
    for (auto* wires : {&m_front, &m_back, &m_cross})
        for (Wire& wire : *wires)
            wire.fill(segment);
    for (Wire& wire : m_joints)
        wire.fill(segment);
}

void Graph3DModel::setAxisTitles(const GraphAxisTitles& titles) {
    m_titleTexts = titles;
    placeAxes();
}

void Graph3DModel::setTurn(const ViewTurn& turn) {
    m_turn = turn;
    placeAxes();
    drawFrame();
}

// The axes and titles of the view: the design's in the standard view; in a turned one
// the turned unit axes, with each title beyond its axis end and its unit added (the RPM
// title is its unit already).
void Graph3DModel::placeAxes() {
    const bool standard = m_turn.isStandard();
    const auto end = [this](double x, double y, double z) {
        return projectTurned(kAxes, m_turn, x, y, z);
    };
    const QPointF origin = end(0, 0, 0);
    m_rpmAxis = axis(origin, standard ? QPointF(7440, 3840) : end(1, 0, 0));
    m_loadAxis = axis(origin, standard ? QPointF(120, 3480) : end(0, 1, 0));
    m_advanceAxis = axis(origin, standard ? QPointF(2400, 120) : end(0, 0, 1));

    const QString units[] = {QStringLiteral(" (°)"),
                             QLatin1String(kLoadUnits[qBound(0, m_loadUnit, 2)]), QString()};
    const QString texts[] = {m_titleTexts.advance, m_titleTexts.load, m_titleTexts.rpm};
    const GraphLine* axes[] = {&m_advanceAxis, &m_loadAxis, &m_rpmAxis};
    for (int i = 0; i < 3; ++i) {
        m_titles[i].text = standard ? texts[i] : texts[i] + units[i];
        m_titles[i].topLeft = standard ? kTitlePlaces[i] : axes[i]->p2 + kTurnedTitleOffset;
        m_titles[i].size = m_measure ? m_measure(m_titles[i].font, m_titles[i].text) : QSizeF();
    }
}

void Graph3DModel::HideGraph3D() {
    for (auto* wires : {&m_front, &m_back, &m_cross})
        for (Wire& wire : *wires)
            for (GraphLine& segment : wire)
                segment.visible = false;
    for (Wire& wire : m_joints)
        for (GraphLine& segment : wire)
            segment.visible = false;
}

void Graph3DModel::DrawGraph3D(const MapDocument& document) {
    m_rowCount = document.rowCount();
    m_columnCount = document.columnCount();
    for (int r = 0; r < m_rowCount; ++r)
        m_rpm[r] = document.rpmBreakpoints[r];
    for (int k = 0; k <= kColumns; ++k)
        m_load[k] = document.loadBreakpoints[k];
    for (int r = 0; r < m_rowCount; ++r)
        for (int c = 0; c < m_columnCount; ++c)
            m_degrees[r][c] = CellTenths::degrees(document.cells[r][c]);
    if (m_loadUnit != document.loadUnit) {
        m_loadUnit = document.loadUnit;
        placeAxes();
    }
    drawFrame();
}

void Graph3DModel::drawFrame() {
    HideGraph3D();
    if (m_rowCount < 2)
        return;
    for (int c = 0; c < m_columnCount; ++c)
        drawColumn(c);
    DrawGraph23D();
}

void Graph3DModel::drawColumn(int c) {
    Wire& front = m_front[c];
    Wire& back = m_back[c];
    Wire& cross = m_cross[c];
    const int last = m_rowCount - 1;
    for (int i = 0; i < last; ++i) {
        const double from = m_degrees[i][c];
        const double to = m_degrees[i + 1][c];
        const QColor colour = colourOf(from);
        front[i].p1 = project(i, m_load[c], from);
        front[i].p2 = project(i + 1, m_load[c], to);
        back[i].p1 = project(i, m_load[c + 1], from);
        back[i].p2 = project(i + 1, m_load[c + 1], to);
        cross[i].p1 = front[i].p1;
        cross[i].p2 = back[i].p1;
        for (GraphLine* segment : {&front[i], &back[i], &cross[i]}) {
            segment->colour = colour;
            segment->visible = true;
        }
    }
    cross[last].p1 = front[last - 1].p2;
    cross[last].p2 = back[last - 1].p2;
    cross[last].colour = front[last - 1].colour;
    cross[last].visible = true;
}

void Graph3DModel::DrawGraph23D() {
    for (int j = 0; j + 1 < m_columnCount; ++j) {
        for (int i = 0; i < m_rowCount; ++i) {
            joinColumns(j, i);
            // The last row has no segment of its own; it takes the colour of the one before.
            m_joints[j][i].colour = m_back[j][qMin(i, m_rowCount - 2)].colour;
            m_joints[j][i].visible = true;
        }
    }
}

void Graph3DModel::joinColumns(int j, int row) {
    m_joints[j][row].p1 = pointAt(m_back[j], row);
    m_joints[j][row].p2 = pointAt(m_front[j + 1], row);
}

QPointF Graph3DModel::pointAt(const Wire& edge, int row) const {
    return row < m_rowCount - 1 ? edge[row].p1 : edge[row - 1].p2;
}

void Graph3DModel::UpdateGraph3DPoint(int row, int column, double degrees) {
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columnCount)
        return;
    const int last = m_rowCount - 1;
    m_degrees[row][column] = degrees;
    const QPointF atFront = project(row, m_load[column], degrees);
    const QPointF atBack = project(row, m_load[column + 1], degrees);
    Wire& front = m_front[column];
    Wire& back = m_back[column];
    if (row < last) {
        front[row].p1 = atFront;
        back[row].p1 = atBack;
    }
    if (row > 0) {
        front[row - 1].p2 = atFront;
        back[row - 1].p2 = atBack;
    }
    GraphLine& cross = m_cross[column][row];
    cross.p1 = pointAt(front, row);
    cross.p2 = pointAt(back, row);
    cross.visible = true;

    if (column > 0)
        m_joints[column - 1][row].p2 = pointAt(front, row);
    if (column < kJoints)
        joinColumns(column, row);

    const QColor colour = colourOf(degrees);
    front[row].colour = colour;
    back[row].colour = colour;
    cross.colour = colour;
    if (row < last && column < kJoints)
        m_joints[column][row].colour = colour;
}

QPointF Graph3DModel::project(int row, double load, double degrees) const {
    const double span = m_rpm[m_rowCount - 1] - m_rpm[0];
    // Equal first and last breakpoints leave the RPM scale undefined: every point
    // stays at the start of the RPM axis rather than at a division by zero.
    const double along = span == 0 ? 0.0 : (m_rpm[row] - m_rpm[0]) / span;
    return projectTurned(kAxes, m_turn, along, load / kLoadAxisRange, degrees / kAdvanceAxisRange);
}

std::optional<std::pair<int, int>> Graph3DModel::cellNear(QPointF at, double radius) const {
    std::optional<std::pair<int, int>> nearest;
    double best = radius * radius;
    for (int c = 0; c < m_columnCount; ++c)
        for (int r = 0; r < m_rowCount; ++r)
            for (const Wire* edge : {&m_front[c], &m_back[c]}) {
                const QPointF d = pointAt(*edge, r) - at;
                const double distance = QPointF::dotProduct(d, d);
                if (distance <= best) {
                    best = distance;
                    nearest = std::make_pair(r, c);
                }
            }
    return nearest;
}

QList<const GraphLine*> Graph3DModel::lines() const {
    QList<const GraphLine*> all{&m_rpmAxis, &m_loadAxis, &m_advanceAxis};
    for (const auto* wires : {&m_front, &m_back, &m_cross})
        for (const Wire& wire : *wires)
            for (const GraphLine& segment : wire)
                all.append(&segment);
    for (const Wire& wire : m_joints)
        for (const GraphLine& segment : wire)
            all.append(&segment);
    return all;
}

QList<const GraphLabel*> Graph3DModel::labels() const {
    return {&m_titles[0], &m_titles[1], &m_titles[2]};
}
