#include "editor/grid_scroll.h"

#include "editor/grid_geometry.h"

#include <algorithm>

namespace {
constexpr int kPitch = GridGeometry::kRowPitch;
constexpr int kPage = GridGeometry::kPageRows * GridGeometry::kRowPitch;

GridScroll::State shifted(GridScroll::State s, int delta) {
    // Clamped rather than skipped, so the bar never disagrees with the rows shown,
    // even after the thumb was dragged to a position between two rows.
    s.value = std::clamp(s.value + delta, 0, s.maximum);
    return s;
}
} // namespace

GridScroll::State GridScroll::rowDown(State s, int top, int sourceRowTop, int viewportHeight) {
    const int targetBottom = top + sourceRowTop + 2 * kPitch;
    if (targetBottom <= viewportHeight)
        return s;
    return shifted(s, targetBottom - viewportHeight);
}

GridScroll::State GridScroll::rowUp(State s, int top, int sourceRowTop) {
    const int targetTop = top + sourceRowTop - kPitch;
    if (targetTop >= 0)
        return s;
    return shifted(s, targetTop);
}

GridScroll::State GridScroll::byRows(State s, int rows) {
    return shifted(s, rows * kPitch);
}

GridScroll::State GridScroll::pageUp(State s) {
    return shifted(s, -kPage);
}

GridScroll::State GridScroll::pageDown(State s) {
    return shifted(s, kPage);
}
