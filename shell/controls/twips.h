// Positions and sizes in twips, fifteen to a pixel at 96 dots per inch.
#pragma once

#include <QRect>

inline constexpr int twipsPerPixel = 15;

inline constexpr int twipsToPixels(int twips) { return (twips + twipsPerPixel / 2) / twipsPerPixel; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}
