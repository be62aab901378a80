#include "core/dwell_limits.h"

#include <algorithm>

double maxChargeDwell(int cylinders) {
    return 360.0 / cylinders - 1;
}

double maxInputChargeDwell(int cylinders) {
    return std::min(maxChargeDwell(cylinders), 60.0);
}

double defaultChargeDwell(int cylinders) {
    return std::min(55.0, maxChargeDwell(cylinders));
}
