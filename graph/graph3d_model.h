#pragma once

#include "graph/graph_element.h"
#include "graph/label_measure.h"
#include "graph/view_turn.h"
#include "language/widget_texts.h"

#include <QList>
#include <array>
#include <optional>

struct MapDocument;

// The 3D wire frame: each load column is a stepped ribbon between its two load
// boundaries, seen in a fixed oblique projection built from the three axis lines (RPM
// down-right, load down-left, advance up). Segments are coloured by advance. Every
// element exists from construction on; drawing only moves, colours, shows and hides.
class Graph3DModel {
  public:
    static constexpr int kColumns = 12;
    static constexpr int kJoints = 11;
    static constexpr int kSegments = 60;

    explicit Graph3DModel(LabelMeasure measure = fontLabelMeasure());

    // Full redraw from the table of `document`.
    void DrawGraph3D(const MapDocument& document);
    void HideGraph3D();
    // After one accepted cell edit: recomputes only the points of that cell.
    // `column` is 0-based (0 = load column 1); cells outside the drawn table are ignored.
    void UpdateGraph3DPoint(int row, int column, double degrees);

    // The axis titles follow the window's language; Hungarian at first, as designed.
    void setAxisTitles(const GraphAxisTitles& titles);

    // Turns the whole view, axes and titles included; the wire frame drawn last is drawn
    // again from its values. The turn stays through every later draw and edit. In a
    // turned view the titles carry their units; the standard view is the fixed one.
    void setTurn(const ViewTurn& turn);
    const ViewTurn& turn() const { return m_turn; }

    // The cell (row, 0-based column) with an edge point within `radius` twips of `at`.
    std::optional<std::pair<int, int>> cellNear(QPointF at, double radius) const;

    const GraphLine& rpmAxis() const { return m_rpmAxis; }
    const GraphLine& loadAxis() const { return m_loadAxis; }
    const GraphLine& advanceAxis() const { return m_advanceAxis; }
    const GraphLabel& advanceTitle() const { return m_titles[0]; }
    const GraphLabel& loadTitle() const { return m_titles[1]; }
    const GraphLabel& rpmTitle() const { return m_titles[2]; }
    // Columns are 0-based; joint j joins the back edge of column j to the front of j + 1.
    const GraphLine& frontEdge(int column, int row) const { return m_front[column][row]; }
    const GraphLine& backEdge(int column, int row) const { return m_back[column][row]; }
    const GraphLine& crossLine(int column, int row) const { return m_cross[column][row]; }
    const GraphLine& joint(int joint, int row) const { return m_joints[joint][row]; }

    QList<const GraphLine*> lines() const;
    QList<const GraphLabel*> labels() const;

  private:
    using Wire = std::array<GraphLine, kSegments>;

    void CreateGraph3DElements();
    void DrawGraph23D();
    void drawFrame();
    void drawColumn(int column);
    void placeAxes();
    QPointF project(int row, double load, double degrees) const;
    // Where the edge of a column meets row r: the start of segment r, or in the last
    // row the end of the segment before.
    QPointF pointAt(const Wire& edge, int row) const;
    void joinColumns(int joint, int row);

    LabelMeasure m_measure;
    GraphLine m_rpmAxis;
    GraphLine m_loadAxis;
    GraphLine m_advanceAxis;
    std::array<GraphLabel, 3> m_titles;
    std::array<Wire, kColumns> m_front;
    std::array<Wire, kColumns> m_back;
    std::array<Wire, kColumns> m_cross;
    std::array<Wire, kJoints> m_joints;
    // Of the last draw; the one-cell update needs them.
    int m_rowCount = 0;
    int m_columnCount = 0;
    std::array<double, kSegments> m_rpm{};
    std::array<double, kColumns + 1> m_load{};
    std::array<std::array<double, kColumns>, kSegments> m_degrees{};
    int m_loadUnit = 0;
    GraphAxisTitles m_titleTexts;
    ViewTurn m_turn;
};
