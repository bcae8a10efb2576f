// Small drawing pieces shared by cards and pictures: numerals, laurel, crowns, rays.
#pragma once

#include "palette.h"
#include "shapes.h"

namespace italian_deck {

// A numeral 1..10 drawn as strokes, `height` tall, its box's top-left at (x, y).
void drawNumeral(Canvas& canvas, int value, double x, double y, double height, const std::string& colour,
                 double strokeWidth);
double numeralWidth(int value, double height);

// Laurel leaves along a curve, alternately on each side.
void drawLaurel(Canvas& canvas, const Palette& p, const std::vector<Pt>& stem, double leafLength);

// A crown of five points on a band, centred on (0, 0): band from y = 0 down, points up.
void drawCrown(Canvas& canvas, const Palette& p, double width, double height);

// Straight and wavy rays round the origin between radii r0 and r1.
void drawRays(Canvas& canvas, int count, double r0, double r1, const std::string& straight,
              const std::string& wavy, const std::string& ink, double line);

} // namespace italian_deck
