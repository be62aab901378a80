#include "core/advance_color.h"

#include <iterator>

RgbColor AdvanceColor(double degrees) {
    struct Band {
        double upperBound;
        RgbColor color;
    };
    static constexpr Band bands[] = {{1, {0, 0, 128}},     {2, {0, 0, 192}},    {4, {0, 0, 255}},
                                     {6, {128, 128, 255}}, {8, {0, 192, 192}},  {10, {0, 128, 128}},
                                     {13, {0, 128, 0}},    {16, {0, 192, 0}},   {19, {0, 255, 0}},
                                     {22, {192, 192, 0}},  {25, {255, 255, 0}}, {28, {255, 128, 0}},
                                     {31, {192, 64, 0}},   {34, {192, 0, 0}}};
    // Written as "not at least the bound" so that NaN stops at the first band.
    for (const Band& band : bands)
        if (!(degrees >= band.upperBound))
            return band.color;
    return {128, 0, 0};
}
