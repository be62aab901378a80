#include "core/table_shape.h"

TableShape shapeOfResolution(int resolution) {
    static constexpr TableShape shapes[kResolutionCount] = {
        {60, 1}, {60, 4}, {40, 6}, {30, 8}, {20, 12}};
    if (resolution < 0 || resolution >= kResolutionCount)
        return shapes[kDefaultResolution];
    return shapes[resolution];
}
