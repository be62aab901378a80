#pragma once

// A colour as the three 0..255 components; core stays free of the GUI module.
struct RgbColor {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const RgbColor& o) const {
        return red == o.red && green == o.green && blue == o.blue;
    }
};

// The colour ramp of advance values in degrees, dark blue for the smallest through
// green and yellow to dark red; a value that is not a number takes the first colour.
RgbColor AdvanceColor(double degrees);
