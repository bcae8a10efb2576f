// Small drawing pieces shared by cards and pictures: numerals, laurel, crowns, rays.
#include "ornaments.h"

#include <cmath>
#include <numbers>

namespace italian_deck {

namespace {

// Digits in a 4 x 7 box, as pen strokes.
Path digitPath(int d, double x, double y, double s)
{
    auto X = [=](double v) { return x + v * s; };
    auto Y = [=](double v) { return y + v * s; };
    Path p;
    switch (d) {
    case 0:
        p.move(X(2), Y(0)).cubic(X(4.5), Y(0), X(4.5), Y(7), X(2), Y(7)).cubic(X(-0.5), Y(7), X(-0.5), Y(0), X(2), Y(0)).close();
        break;
    case 1:
        p.move(X(0.9), Y(1.5)).line(X(2.5), Y(0)).line(X(2.5), Y(7));
        break;
    case 2:
        p.move(X(0.3), Y(1.6)).cubic(X(0.6), Y(-0.4), X(3.8), Y(-0.4), X(3.8), Y(1.9))
            .cubic(X(3.8), Y(3.5), X(1.0), Y(4.6), X(0.2), Y(7)).line(X(4), Y(7));
        break;
    case 3:
        p.move(X(0.4), Y(0.7)).cubic(X(1.5), Y(-0.3), X(3.7), Y(0), X(3.7), Y(1.7))
            .cubic(X(3.7), Y(3.0), X(2.6), Y(3.4), X(1.6), Y(3.4))
            .cubic(X(2.8), Y(3.4), X(4.0), Y(4.0), X(4.0), Y(5.2))
            .cubic(X(4.0), Y(7.4), X(1.2), Y(7.4), X(0.2), Y(6.4));
        break;
    case 4:
        p.move(X(3), Y(7)).line(X(3), Y(0)).line(X(0), Y(4.8)).line(X(4.2), Y(4.8));
        break;
    case 5:
        p.move(X(3.8), Y(0)).line(X(0.8), Y(0)).line(X(0.4), Y(3.2))
            .cubic(X(1.6), Y(2.4), X(4.0), Y(2.6), X(4.0), Y(4.9))
            .cubic(X(4.0), Y(7.4), X(1.0), Y(7.5), X(0.2), Y(6.3));
        break;
    case 6:
        p.move(X(3.5), Y(0.6)).cubic(X(2.2), Y(-0.4), X(0.2), Y(0.4), X(0.2), Y(3.8))
            .cubic(X(0.2), Y(7.5), X(4.0), Y(7.6), X(4.0), Y(5.0))
            .cubic(X(4.0), Y(2.8), X(1.2), Y(2.6), X(0.3), Y(4.4));
        break;
    case 7:
        p.move(X(0.2), Y(0)).line(X(4), Y(0)).cubic(X(2.6), Y(2), X(1.6), Y(4.4), X(1.4), Y(7));
        break;
    case 8:
        p.move(X(2), Y(3.4)).cubic(X(-0.4), Y(3.0), X(0.4), Y(0), X(2), Y(0))
            .cubic(X(3.6), Y(0), X(4.4), Y(3.0), X(2), Y(3.4))
            .cubic(X(-0.6), Y(3.8), X(0), Y(7), X(2), Y(7))
            .cubic(X(4), Y(7), X(4.6), Y(3.8), X(2), Y(3.4)).close();
        break;
    default:
        p.move(X(0.5), Y(6.4)).cubic(X(1.8), Y(7.4), X(3.8), Y(6.6), X(3.8), Y(3.2))
            .cubic(X(3.8), Y(-0.5), X(0), Y(-0.6), X(0), Y(2))
            .cubic(X(0), Y(4.2), X(2.8), Y(4.4), X(3.7), Y(2.6));
        break;
    }
    return p;
}

} // namespace

double numeralWidth(int value, double height)
{
    const double s = height / 7.0;
    return value >= 10 ? 9.0 * s : 4.0 * s;
}

void drawNumeral(Canvas& canvas, int value, double x, double y, double height, const std::string& colour,
                 double strokeWidth)
{
    const double s = height / 7.0;
    if (value >= 10) {
        // "10" is set tighter so it fits the same corner.
        canvas.path(digitPath(1, x - 0.6 * s, y, s), stroked(colour, strokeWidth));
        canvas.path(digitPath(0, x + 4.4 * s, y, s), stroked(colour, strokeWidth));
    } else {
        canvas.path(digitPath(value, x, y, s), stroked(colour, strokeWidth));
    }
}

void drawLaurel(Canvas& canvas, const Palette& p, const std::vector<Pt>& stem, double leafLength)
{
    canvas.path(openPolyline(stem), stroked(p.darkGreen, leafLength * 0.16));
    for (std::size_t i = 1; i + 1 < stem.size(); ++i) {
        Pt dir = normalised(stem[i + 1] - stem[i - 1]);
        double side = i % 2 == 0 ? 1.0 : -1.0;
        double a = angleOf(dir) + side * 40.0;
        Group g(canvas, translate(stem[i].x, stem[i].y) + " " + rotate(a));
        Path leaf;
        leaf.move(0, 0).quad(leafLength * 0.5, -leafLength * 0.32, leafLength, 0)
            .quad(leafLength * 0.5, leafLength * 0.32, 0, 0).close();
        canvas.path(leaf, filled(p.green, p.darkGreen, p.line * 0.7));
    }
}

void drawCrown(Canvas& canvas, const Palette& p, double width, double height)
{
    const double w = width / 2.0;
    const double band = height * 0.32;
    Path crown;
    crown.move(-w, band).line(-w, -height * 0.2);
    const int points = 5;
    for (int i = 0; i < points; ++i) {
        double x0 = -w + 2.0 * w * i / (points - 1);
        double tipY = (i % 2 == 0) ? -height * 0.68 : -height * 0.5;
        if (i > 0)
            crown.line(x0 - w / (points - 1), -height * 0.12);
        crown.line(x0, tipY);
    }
    crown.line(w, band).close();
    canvas.path(crown, filled(p.yellow, p.ink, p.line));
    for (int i = 0; i < points; ++i) {
        double x0 = -w + 2.0 * w * i / (points - 1);
        double tipY = (i % 2 == 0) ? -height * 0.68 : -height * 0.5;
        canvas.circle(x0, tipY, height * 0.085, filled(p.yellow, p.ink, p.line * 0.8));
    }
    canvas.rect(-w, 0, 2 * w, band, 0, filled(p.darkYellow, p.ink, p.line));
    for (int i = -1; i <= 1; ++i)
        canvas.ellipse(i * w * 0.6, band / 2, band * 0.28, band * 0.32,
                       fillOnly(i == 0 ? p.red : p.blue));
}

void drawRays(Canvas& canvas, int count, double r0, double r1, const std::string& straight,
              const std::string& wavy, const std::string& ink, double line)
{
    const double pi = std::numbers::pi;
    for (int i = 0; i < count; ++i) {
        double a = 2 * pi * i / count;
        Pt dir{std::cos(a), std::sin(a)};
        Pt n = perpendicular(dir);
        double halfW = r0 * pi / count * 0.55;
        if (i % 2 == 0) {
            Pt b0 = dir * r0 + n * halfW, b1 = dir * r0 - n * halfW, tip = dir * r1;
            canvas.path(polygon({b0, tip, b1}), filled(straight, ink, line));
        } else {
            std::vector<Pt> c;
            for (int k = 0; k <= 12; ++k) {
                double t = k / 12.0;
                double r = r0 + (r1 * 0.9 - r0) * t;
                c.push_back(dir * r + n * (std::sin(t * pi * 3) * halfW * 0.7));
            }
            canvas.path(ribbon(c, [halfW](double t) { return 2 * halfW * (1 - t) + 0.3; }), filled(wavy, ink, line));
        }
    }
}

} // namespace italian_deck
