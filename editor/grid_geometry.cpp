#include "editor/grid_geometry.h"

#include <cmath>

int GridGeometry::visibleGridHeight(int designHeight) {
    return kRowPitch * int(std::lround(double(designHeight) / kRowPitch));
}

int GridGeometry::scrollMaximum(int rowCount, int visibleGridHeight) {
    const int full = containerHeight(rowCount);
    return visibleGridHeight >= full ? 0 : full - visibleGridHeight;
}
