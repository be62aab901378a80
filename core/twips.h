#pragma once

#include <QRect>

// Layout positions are kept in twips (1/1440 inch) as the window design gives them and
// are turned into pixels only here: 15 twips are one pixel at 96 dpi, scaled by the
// screen's logical DPI, which the window sets once at start-up.
class Twips {
  public:
    static void setLogicalDpi(double dpi);
    static int toPixels(int twips);
    static int fromPixels(int pixels);
    static QRect rect(int left, int top, int width, int height);
};
