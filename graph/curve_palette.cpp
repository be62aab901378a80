#include "graph/curve_palette.h"

#include <vector>

namespace {

const std::vector<QColor>& paletteFor(int columnCount) {
    static const std::vector<QColor> one{{192, 0, 0}};
    static const std::vector<QColor> four{{0, 0, 192}, {0, 192, 0}, {255, 255, 0}, {192, 0, 0}};
    static const std::vector<QColor> six{{0, 0, 192}, {128, 128, 255}, {0, 128, 128},
                                         {0, 255, 0}, {255, 255, 0},   {192, 0, 0}};
    static const std::vector<QColor> eight{{0, 0, 192},   {128, 128, 255}, {0, 128, 128},
                                           {0, 192, 0},   {0, 255, 0},     {255, 255, 0},
                                           {255, 128, 0}, {128, 0, 0}};
    static const std::vector<QColor> twelve{
        {0, 0, 128}, {0, 0, 255}, {128, 128, 255}, {0, 192, 192}, {0, 128, 128}, {0, 128, 0},
        {0, 192, 0}, {0, 255, 0}, {192, 192, 0},   {255, 255, 0}, {255, 128, 0}, {192, 0, 0}};
    switch (columnCount) {
    case 1:
        return one;
    case 4:
        return four;
    case 6:
        return six;
    case 8:
        return eight;
    default:
        return twelve;
    }
}

} // namespace

QColor CurvePalette(int columnCount, int column) {
    const std::vector<QColor>& palette = paletteFor(columnCount);
    if (column < 1 || column > int(palette.size()))
        return palette.back();
    return palette[column - 1];
}
