#pragma once

#include "editor/grid_state.h"

#include <algorithm>

// A rectangle of grid cells, its corner rows and columns included.
struct CellBlock {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;

    static CellBlock spanning(const GridCell& a, const GridCell& b) {
        return {std::min(a.row, b.row), std::min(a.column, b.column), std::max(a.row, b.row),
                std::max(a.column, b.column)};
    }
    bool contains(int row, int column) const {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    bool operator==(const CellBlock& o) const {
        return top == o.top && left == o.left && bottom == o.bottom && right == o.right;
    }
};
