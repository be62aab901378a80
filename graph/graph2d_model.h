#pragma once

#include "graph/graph_element.h"
#include "graph/label_measure.h"

#include <QList>
#include <array>
#include <optional>

struct MapDocument;

// The 2D chart: advance (vertical, 0 to 63.5 degrees) over RPM (horizontal, first to
// last breakpoint), one curve per load column, on a fixed grid with tick labels. Every
// element exists from construction on; drawing only moves, colours, shows and hides.
class Graph2DModel {
  public:
    static constexpr int kRpmTicks = 11;
    static constexpr int kAdvanceTicks = 13;
    static constexpr int kCurves = 12;
    static constexpr int kSegments = 59;

    explicit Graph2DModel(LabelMeasure measure = fontLabelMeasure());

    // Full redraw from the table of `document`.
    void DrawGraph2D(const MapDocument& document, const QString& decimalSeparator);
    // After one accepted cell edit: moves only the segment ends of that cell.
    // `column` is 0-based (0 = load column 1); cells outside the drawn table are ignored.
    void UpdateGraph2DPoint(int row, int column, double degrees);

    // Text colours of the column headers 0..ColumnCount-1 (the legend) of the last draw.
    QList<QColor> headerColours() const { return m_headerColours; }

    const GraphLine& rpmAxis() const { return m_rpmAxis; }
    const GraphLine& advanceAxis() const { return m_advanceAxis; }
    const GraphLine& rpmTick(int i) const { return m_rpmTicks[i]; }
    const GraphLine& advanceTick(int i) const { return m_advanceTicks[i]; }
    const GraphLine& verticalGridLine(int i) const { return m_verticalGrid[i]; }
    const GraphLine& horizontalGridLine(int i) const { return m_horizontalGrid[i]; }
    const GraphLabel& rpmLabel(int i) const { return m_rpmLabels[i]; }
    const GraphLabel& advanceLabel(int i) const { return m_advanceLabels[i]; }
    // `curve` is 0-based (0 = load column 1).
    const GraphLine& curveSegment(int curve, int segment) const { return m_curves[curve][segment]; }

    // The cell (row, 0-based column) whose curve point is within `radius` twips of `at`.
    std::optional<std::pair<int, int>> cellNear(QPointF at, double radius) const;

    QList<const GraphLine*> lines() const;
    QList<const GraphLabel*> labels() const;
    // The curve segments that meet at a cell's point: they move when its value changes.
    QList<const GraphLine*> linesThrough(int row, int column) const;

  private:
    void CreateGraph2DElements();
    void ColorCurves2D(int rowCount, int columnCount);
    void HideUnusedCurves2D(int rowCount, int columnCount);
    void placeTicksAndGrid(const MapDocument& document);
    void placeLabels(const MapDocument& document, const QString& decimalSeparator);
    double xOfRpm(double rpm) const;
    double yOfAdvance(double degrees) const;
    QSizeF measure(const GraphLabel& label) const;

    LabelMeasure m_measure;
    GraphLine m_rpmAxis;
    GraphLine m_advanceAxis;
    std::array<GraphLine, kRpmTicks> m_rpmTicks;
    std::array<GraphLine, kAdvanceTicks> m_advanceTicks;
    std::array<GraphLine, kRpmTicks> m_verticalGrid;
    std::array<GraphLine, kAdvanceTicks> m_horizontalGrid;
    std::array<GraphLabel, kRpmTicks> m_rpmLabels;
    std::array<GraphLabel, kAdvanceTicks> m_advanceLabels;
    std::array<std::array<GraphLine, kSegments>, kCurves> m_curves;
    QList<QColor> m_headerColours;
    // Of the last draw; the one-cell update needs them.
    int m_rowCount = 0;
    int m_columnCount = 0;
    double m_firstRpm = 0;
    double m_lastRpm = 0;
};
