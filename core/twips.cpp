#include "core/twips.h"

#include <cmath>

namespace {
double g_pixelsPerTwip = 96.0 / 1440.0;
}

void Twips::setLogicalDpi(double dpi) {
    if (dpi > 0)
        g_pixelsPerTwip = dpi / 1440.0;
}

int Twips::toPixels(int twips) {
    return int(std::lround(twips * g_pixelsPerTwip));
}

int Twips::fromPixels(int pixels) {
    return int(std::lround(pixels / g_pixelsPerTwip));
}

QRect Twips::rect(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
