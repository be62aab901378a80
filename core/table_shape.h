#pragma once

// The five table shapes, indexed by the resolution list (Combo6).
struct TableShape {
    int rowCount;
    int columnCount;
};

constexpr int kResolutionCount = 5;
constexpr int kMaxRows = 60;
constexpr int kMaxColumns = 12;
constexpr int kDefaultResolution = 2;

// Falls back to the start-up shape for an index outside 0..4.
TableShape shapeOfResolution(int resolution);
