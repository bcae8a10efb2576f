// Geometry shared by the drawings: points, curves sampled into outlines, tapered strokes.
#pragma once

#include "svg_canvas.h"

#include <functional>
#include <vector>

namespace italian_deck {

struct Pt {
    double x = 0.0;
    double y = 0.0;
};

inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double s) { return {a.x * s, a.y * s}; }
Pt normalised(Pt v);
inline Pt perpendicular(Pt v) { return {-v.y, v.x}; }
Pt lerp(Pt a, Pt b, double t);
double angleOf(Pt v); // degrees, for rotate()

std::vector<Pt> sampleQuad(Pt p0, Pt c, Pt p1, int steps);

// A closed outline around a centre line, widthAt(t) being the full width at t in [0, 1].
Path ribbon(const std::vector<Pt>& centre, const std::function<double(double)>& widthAt);

// A shape symmetric about x = 0, given its right half as halfWidth(y) from y0 to y1.
Path profile(double y0, double y1, const std::function<double(double)>& halfWidth, int steps);

Path polygon(const std::vector<Pt>& points);
Path openPolyline(const std::vector<Pt>& points);

// A limb, sleeve or staff: a round-capped thick stroke with an outline.
void limb(Canvas& canvas, const std::vector<Pt>& points, double width, const std::string& fill,
          const std::string& ink, double line);

} // namespace italian_deck
