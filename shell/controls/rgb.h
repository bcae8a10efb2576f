// A colour as a window's listing gives it: red, green, blue (and opacity) from 0 to 255.
#pragma once

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    int alpha = 255;
    bool operator==(const Rgb&) const = default;
};
