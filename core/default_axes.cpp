#include "core/default_axes.h"

#include <initializer_list>

namespace {

struct StepRange {
    int lastRow;
    int step;
};

// Each range lists the last row it covers; rows start at 1 after the fixed 650.
void fillSteps(std::array<qint16, 61>& rpm, std::initializer_list<StepRange> ranges) {
    rpm[0] = 650;
    int row = 1;
    for (const StepRange& range : ranges)
        for (; row <= range.lastRow; ++row)
            rpm[row] = static_cast<qint16>(rpm[row - 1] + range.step);
}

void fillLoad(std::array<double, 13>& load, std::initializer_list<double> upperBounds) {
    load[0] = 0.0;
    int i = 1;
    for (double v : upperBounds)
        load[i++] = v;
}

} // namespace

void DefaultRpmBreakpoints(std::array<qint16, 61>& rpm, int rowCount) {
    switch (rowCount) {
    case 20:
        fillSteps(rpm, {{4, 250},
                        {5, 300},
                        {7, 350},
                        {9, 400},
                        {10, 450},
                        {14, 500},
                        {16, 600},
                        {17, 700},
                        {19, 850}});
        break;
    case 30:
        fillSteps(rpm, {{9, 150},
                        {12, 200},
                        {14, 250},
                        {16, 300},
                        {18, 350},
                        {21, 400},
                        {24, 450},
                        {29, 500}});
        break;
    case 40:
        fillSteps(rpm,
                  {{1, 150}, {13, 100}, {17, 150}, {19, 200}, {23, 250}, {27, 300}, {39, 350}});
        break;
    case 60:
        fillSteps(rpm, {{1, 150}, {33, 100}, {37, 150}, {49, 200}, {59, 250}});
        break;
    default:
        break;
    }
}

void DefaultLoadBreakpoints(std::array<double, 13>& load, int columnCount) {
    switch (columnCount) {
    case 1:
        fillLoad(load, {5.0});
        break;
    case 4:
        fillLoad(load, {2.2, 2.9, 3.8, 5.0});
        break;
    case 6:
        fillLoad(load, {2.0, 2.4, 2.9, 3.5, 4.2, 5.0});
        break;
    case 8:
        fillLoad(load, {1.85, 2.15, 2.5, 2.9, 3.35, 3.85, 4.4, 5.0});
        break;
    case 12:
        fillLoad(load, {1.75, 2.0, 2.25, 2.5, 2.75, 3.0, 3.3, 3.6, 3.95, 4.3, 4.65, 5.0});
        break;
    default:
        break;
    }
}
