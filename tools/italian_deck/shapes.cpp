// Geometry shared by the drawings: points, curves sampled into outlines, tapered strokes.
#include "shapes.h"

#include <cmath>
#include <numbers>

namespace italian_deck {

Pt normalised(Pt v)
{
    double len = std::hypot(v.x, v.y);
    return len > 0.0 ? Pt{v.x / len, v.y / len} : Pt{0.0, -1.0};
}

Pt lerp(Pt a, Pt b, double t) { return a + (b - a) * t; }

double angleOf(Pt v) { return std::atan2(v.y, v.x) * 180.0 / std::numbers::pi; }

std::vector<Pt> sampleQuad(Pt p0, Pt c, Pt p1, int steps)
{
    std::vector<Pt> out;
    for (int i = 0; i <= steps; ++i) {
        double t = double(i) / steps;
        out.push_back(lerp(lerp(p0, c, t), lerp(c, p1, t), t));
    }
    return out;
}

Path ribbon(const std::vector<Pt>& centre, const std::function<double(double)>& widthAt)
{
    std::vector<Pt> left, right;
    const std::size_t n = centre.size();
    for (std::size_t i = 0; i < n; ++i) {
        Pt a = centre[i == 0 ? 0 : i - 1];
        Pt b = centre[i + 1 < n ? i + 1 : n - 1];
        Pt normal = perpendicular(normalised(b - a));
        double half = widthAt(n > 1 ? double(i) / double(n - 1) : 0.0) / 2.0;
        left.push_back(centre[i] + normal * half);
        right.push_back(centre[i] - normal * half);
    }
    std::vector<Pt> all = left;
    all.insert(all.end(), right.rbegin(), right.rend());
    return polygon(all);
}

Path profile(double y0, double y1, const std::function<double(double)>& halfWidth, int steps)
{
    std::vector<Pt> pts;
    for (int i = 0; i <= steps; ++i) {
        double y = y0 + (y1 - y0) * i / steps;
        pts.push_back({halfWidth(y), y});
    }
    for (int i = steps; i >= 0; --i) {
        double y = y0 + (y1 - y0) * i / steps;
        pts.push_back({-halfWidth(y), y});
    }
    return polygon(pts);
}

Path polygon(const std::vector<Pt>& points)
{
    Path p = openPolyline(points);
    p.close();
    return p;
}

Path openPolyline(const std::vector<Pt>& points)
{
    Path p;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i == 0)
            p.move(points[i].x, points[i].y);
        else
            p.line(points[i].x, points[i].y);
    }
    return p;
}

void limb(Canvas& canvas, const std::vector<Pt>& points, double width, const std::string& fill,
          const std::string& ink, double line)
{
    Path p = openPolyline(points);
    canvas.path(p, stroked(ink, width + 2.0 * line));
    canvas.path(p, stroked(fill, width));
}

} // namespace italian_deck
