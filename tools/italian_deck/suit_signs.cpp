// The four Italian suit signs, drawn in either deck's manner, for pips, aces and figures' hands.
#include "suit_signs.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace italian_deck {

namespace {
constexpr double pi = std::numbers::pi;
}

void drawCup(Canvas& canvas, const Palette& p, double height)
{
    const double u = height / 100.0;
    const double lw = p.line;
    const bool naples = p.deck == Deck::Napoletane;
    Group g(canvas, scale(u));
    const double w = lw / u;

    // Foot: a bell flaring out to a wide base.
    canvas.path(profile(28, 46, [](double y) { return 5.0 + 17.0 * std::pow((y - 28.0) / 18.0, 1.6); }, 12),
                filled(p.yellow, p.ink, w));
    canvas.ellipse(0, 46, 22, 3.6, filled(p.darkYellow, p.ink, w));
    if (!naples)
        canvas.path(profile(38, 44, [](double y) { return 9.0 + 11.0 * std::pow((y - 28.0) / 18.0, 1.6) - 2.0; }, 6),
                    filled(p.blue, p.ink, w * 0.8));
    // Stem with two knots.
    canvas.rect(-4, -9, 8, 38, 0, filled(p.yellow, p.ink, w));
    canvas.ellipse(0, 24, 8.5, 4.2, filled(naples ? p.red : p.blue, p.ink, w));
    canvas.ellipse(0, 2, 11, 6.5, filled(naples ? p.blue : p.red, p.ink, w));
    canvas.ellipse(0, 2, 4, 3, fillOnly(p.yellow));
    // Bowl: a half sphere under a broad lip.
    auto bowl = [](double y) { double t = (y + 44.0) / 36.0; return 30.0 * std::sqrt(std::max(0.0, 1.0 - t * t)) + 2.0 * (1 - t); };
    canvas.path(profile(-44, -7, bowl, 20), filled(p.yellow, p.ink, w));
    // The band round the bowl, red in Naples and blue in Piacenza.
    {
        std::vector<Pt> band;
        for (int i = 0; i <= 8; ++i) {
            double y = -34.0 + 8.0 * i / 8.0;
            band.push_back({bowl(y), y});
        }
        for (int i = 8; i >= 0; --i) {
            double y = -34.0 + 8.0 * i / 8.0;
            band.push_back({-bowl(y), y});
        }
        canvas.path(polygon(band), filled(naples ? p.red : p.blue, p.ink, w * 0.8));
        for (int i = -2; i <= 2; ++i)
            canvas.circle(i * 9.5, -30 + std::abs(i) * 0.4, 2.0, fillOnly(p.yellow));
    }
    // Lip, with the dark inside of the cup.
    canvas.ellipse(0, -44, 31, 5.5, filled(p.yellow, p.ink, w));
    canvas.ellipse(0, -44, 26, 3.3, fillOnly(naples ? p.darkRed : p.darkBlue));
    // Light on the left of the bowl.
    Path shine;
    shine.move(-22, -36).quad(-22, -22, -12, -15);
    canvas.path(shine, stroked(p.white, 2.6));
}

void drawCoin(Canvas& canvas, const Palette& p, double diameter)
{
    const double u = diameter / 100.0;
    Group g(canvas, scale(u));
    const double w = p.line / u;
    const bool naples = p.deck == Deck::Napoletane;

    canvas.circle(0, 0, 50, filled(p.yellow, p.ink, w));
    // A ring of beads stamped round the rim.
    const int beads = 16;
    for (int i = 0; i < beads; ++i) {
        double a = 2 * pi * i / beads;
        canvas.circle(43 * std::cos(a), 43 * std::sin(a), 3.4,
                      filled(naples ? p.darkYellow : p.red, naples ? "none" : p.ink, naples ? 0 : w * 0.6));
    }
    canvas.circle(0, 0, 36, filled(naples ? p.red : p.blue, p.ink, w));
    // The rose in the middle: eight petals.
    for (int i = 0; i < 8; ++i) {
        Group petal(canvas, rotate(45.0 * i + (naples ? 0.0 : 22.5)));
        Path leaf;
        if (naples)
            leaf.move(0, -6).cubic(9, -14, 7, -26, 0, -31).cubic(-7, -26, -9, -14, 0, -6).close();
        else
            leaf.move(0, -5).line(7, -16).line(0, -32).line(-7, -16).close();
        canvas.path(leaf, filled(p.yellow, p.ink, w * 0.8));
        if (naples)
            canvas.ellipse(0, -19, 2, 6, fillOnly(p.green));
    }
    canvas.circle(0, 0, 9, filled(naples ? p.green : p.red, p.ink, w));
    canvas.circle(0, 0, 3.5, fillOnly(p.yellow));
    // Light on the upper left of the rim.
    Path shine;
    shine.move(-40, -16).arc(43, 43, false, true, -18, -39);
    canvas.path(shine, stroked(p.white, 3.0));
}

void drawSword(Canvas& canvas, const Palette& p, Pt hilt, Pt control, Pt tip, double bladeWidth)
{
    const double lw = p.line;
    const double bw = bladeWidth;
    std::vector<Pt> blade = sampleQuad(hilt, control, tip, 24);
    // The blade narrows a little along its length and comes to a point.
    canvas.path(ribbon(blade, [bw](double t) { return t < 0.9 ? bw * (1.0 - 0.3 * t) : bw * 0.73 * (1.0 - t) / 0.1; }),
                filled(p.steel, p.ink, lw));
    std::vector<Pt> fuller(blade.begin() + 2, blade.end() - 5);
    canvas.path(openPolyline(fuller), stroked(p.white, bw * 0.28));

    const Pt along = normalised(control - hilt);
    const Pt across = perpendicular(along);
    const bool naples = p.deck == Deck::Napoletane;
    // Grip and pommel behind the guard.
    Pt gripEnd = hilt - along * (bw * 3.4);
    limb(canvas, {hilt, gripEnd}, bw * 0.85, naples ? p.red : p.darkBlue, p.ink, lw);
    Pt pommel = hilt - along * (bw * 4.3);
    canvas.circle(pommel.x, pommel.y, bw * 0.75, filled(p.yellow, p.ink, lw));
    // The guard, its arms curling towards the blade.
    Pt a = hilt + across * (bw * 2.3);
    Pt b = hilt - across * (bw * 2.3);
    Path guard;
    guard.move(a.x + along.x * bw * 0.9, a.y + along.y * bw * 0.9)
        .quad(a.x, a.y, hilt.x, hilt.y)
        .quad(b.x, b.y, b.x + along.x * bw * 0.9, b.y + along.y * bw * 0.9);
    canvas.path(guard, stroked(p.ink, bw * 0.9 + 2 * lw));
    canvas.path(guard, stroked(p.yellow, bw * 0.9));
    canvas.circle(hilt.x, hilt.y, bw * 0.55, filled(p.red, p.ink, lw * 0.8));
}

void drawBaton(Canvas& canvas, const Palette& p, Pt grip, Pt head, double width, int stubCount)
{
    const double length = std::hypot(head.x - grip.x, head.y - grip.y);
    const Pt mid = lerp(grip, head, 0.5);
    Group g(canvas, translate(mid.x, mid.y) + " " + rotate(angleOf(head - grip) + 90.0));
    // Local frame: the head is at -length/2 (up), the grip at +length/2.
    const double half = length / 2.0;
    const double lw = p.line;
    const bool naples = p.deck == Deck::Napoletane;

    // Stubs of lopped branches, alternately left and right.
    const double stubs[] = {0.18, 0.36, 0.54, 0.72};
    const int count = std::clamp(stubCount, 0, 4);
    const int first = (4 - count) / 2;
    for (int i = first; i < first + count; ++i) {
        double y = half - stubs[i] * length;
        double side = i % 2 == 0 ? 1.0 : -1.0;
        double wAt = width * (1.0 - 0.3 * stubs[i]) / 2.0;
        Path stub;
        stub.move(side * wAt * 0.6, y + width * 0.45)
            .line(side * (wAt + width * 0.45), y - width * 0.25)
            .line(side * (wAt + width * 0.38), y - width * 0.7)
            .line(side * wAt * 0.6, y - width * 0.35)
            .close();
        canvas.path(stub, filled(p.wood, p.ink, lw));
        canvas.ellipse(side * (wAt + width * 0.42), y - width * 0.47, width * 0.13, width * 0.24,
                       fillOnly(p.yellow));
    }
    // The staff: thick at the head, slightly wavy like a cut branch.
    std::vector<Pt> centre;
    for (int i = 0; i <= 16; ++i) {
        double t = double(i) / 16;
        centre.push_back({std::sin(t * 7.0) * width * 0.05, half - t * length});
    }
    canvas.path(ribbon(centre, [width](double t) { return width * (0.78 + 0.28 * t + 0.06 * std::sin(t * 23.0)); }),
                filled(p.wood, p.ink, lw));
    // A darker side gives it roundness.
    std::vector<Pt> shade;
    for (int i = 0; i <= 16; ++i) {
        double t = double(i) / 16;
        shade.push_back({std::sin(t * 7.0) * width * 0.05 + width * (0.22 + 0.09 * t), half - t * length});
    }
    canvas.path(openPolyline(shade), stroked(p.darkWood, width * 0.25));
    // Knots on the bark.
    for (int i = 0; i < 3; ++i) {
        double y = half - (0.27 + 0.18 * i) * length;
        canvas.ellipse((i % 2 ? 1 : -1) * width * 0.12, y, width * 0.13, width * 0.2, fillOnly(p.darkWood));
    }
    // Band where the hand holds it.
    canvas.rect(-width * 0.42, half - length * 0.1, width * 0.84, width * 0.45, 0,
                filled(naples ? p.red : p.blue, p.ink, lw * 0.8));
    // Sawn head showing the pale wood inside.
    double headW = width * (0.78 + 0.28 + 0.06 * std::sin(23.0)) / 2.0;
    canvas.ellipse(0, -half, headW, width * 0.28, filled(p.yellow, p.ink, lw));
    canvas.ellipse(0, -half, headW * 0.4, width * 0.1, fillOnly(p.darkWood));
    canvas.ellipse(0, half, width * 0.4, width * 0.2, filled(p.darkWood, p.ink, lw));
}

void drawHeldSign(Canvas& canvas, const Palette& p, Suit suit, double size)
{
    switch (suit) {
    case Suit::Coppe:
        drawCup(canvas, p, size);
        break;
    case Suit::Denari:
        drawCoin(canvas, p, size * 0.62);
        break;
    case Suit::Spade:
        drawSword(canvas, p, {0, size * 0.3}, {0, 0}, {0, -size * 0.5}, size * 0.07);
        break;
    case Suit::Bastoni:
        drawBaton(canvas, p, {0, size * 0.5}, {0, -size * 0.5}, size * 0.13);
        break;
    }
}

} // namespace italian_deck
