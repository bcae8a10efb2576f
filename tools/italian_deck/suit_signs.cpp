// The four Italian suit signs, each deck in its own hand: Naples draws with a fine line,
// round-bellied cups, slim sabres and knotty green clubs; Piacenza with a bold line and
// flat colour, angular chalices, broad blades and heavy smooth cudgels.
#include "suit_signs.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace italian_deck {

namespace {

constexpr double pi = std::numbers::pi;

// The Neapolitan goblet: a round bowl on a slender stem with two knots and a bell foot.
void naplesCup(Canvas& canvas, const Palette& p, double w)
{
    canvas.path(profile(30, 46, [](double y) { return 4.0 + 16.0 * std::pow((y - 30.0) / 16.0, 1.8); }, 12),
                filled(p.yellow, p.ink, w));
    canvas.ellipse(0, 46, 20, 3.4, filled(p.darkYellow, p.ink, w));
    canvas.rect(-3.2, -2, 6.4, 33, 0, filled(p.yellow, p.ink, w));
    canvas.ellipse(0, 25, 7.5, 4.0, filled(p.red, p.ink, w));
    canvas.ellipse(0, 6, 9.5, 5.5, filled(p.blue, p.ink, w));
    canvas.ellipse(0, 5, 3.5, 2.4, fillOnly(p.white));
    // The bowl is nearly a ball, narrowing a little to the lip.
    auto bowl = [](double y) {
        double t = (y + 22.0) / 24.0;
        double r = 29.0 * std::sqrt(std::max(0.0, 1.0 - t * t));
        return y < -40 ? std::max(r, 24.0) : r;
    };
    canvas.path(profile(-42, 1.5, bowl, 24), filled(p.yellow, p.ink, w));
    {
        std::vector<Pt> band;
        for (int i = 0; i <= 8; ++i) {
            double y = -30.0 + 9.0 * i / 8.0;
            band.push_back({bowl(y), y});
        }
        for (int i = 8; i >= 0; --i) {
            double y = -30.0 + 9.0 * i / 8.0;
            band.push_back({-bowl(y), y});
        }
        canvas.path(polygon(band), filled(p.red, p.ink, w * 0.8));
        for (int i = -2; i <= 2; ++i)
            canvas.circle(i * 9.5, -25.5 + std::abs(i) * 0.6, 1.8, fillOnly(p.yellow));
    }
    canvas.ellipse(0, -42, 25, 4.6, filled(p.yellow, p.ink, w));
    canvas.ellipse(0, -42, 20.5, 2.6, fillOnly(p.darkRed));
    Path shine;
    shine.move(-21, -18).quad(-20, -6, -10, -1);
    canvas.path(shine, stroked(p.white, 3.0));
}

// The Piacentine chalice: a straight-sided cone of a bowl, a short stem, a broad
// stepped foot, all in flat colour under a heavy line.
void piacenzaCup(Canvas& canvas, const Palette& p, double w)
{
    canvas.path(polygon({{-6, 30}, {6, 30}, {22, 42}, {22, 47}, {-22, 47}, {-22, 42}}), filled(p.yellow, p.ink, w));
    canvas.path(polygon({{-15, 38}, {15, 38}, {19, 42}, {-19, 42}}), filled(p.blue, p.ink, w * 0.8));
    canvas.rect(-4.5, -8, 9, 39, 0, filled(p.yellow, p.ink, w));
    canvas.rect(-10, 14, 20, 7, 1.5, filled(p.red, p.ink, w));
    // The bowl: straight flared sides, then a short rounded base onto the stem.
    Path bowl;
    bowl.move(-31, -46).line(31, -46).line(25, -22).cubic(22, -12, 14, -7, 5, -6).line(-5, -6)
        .cubic(-14, -7, -22, -12, -25, -22).close();
    canvas.path(bowl, filled(p.yellow, p.ink, w));
    canvas.path(polygon({{-29.5, -40}, {29.5, -40}, {27.4, -31}, {-27.4, -31}}), filled(p.blue, p.ink, w * 0.8));
    for (int i = -2; i <= 2; ++i)
        canvas.rect(i * 10.5 - 2.2, -37.7, 4.4, 4.4, 0, fillOnly(p.white));
    canvas.rect(-33, -50, 66, 5, 1, filled(p.yellow, p.ink, w));
}

// Naples: a gold coin with a beaded rim round an eight-petalled rose.
void naplesCoin(Canvas& canvas, const Palette& p, double w)
{
    canvas.circle(0, 0, 50, filled(p.yellow, p.ink, w));
    for (int i = 0; i < 20; ++i) {
        double a = 2 * pi * i / 20;
        canvas.circle(43.5 * std::cos(a), 43.5 * std::sin(a), 2.8, fillOnly(p.darkYellow));
    }
    canvas.circle(0, 0, 37, filled(p.red, p.ink, w));
    for (int i = 0; i < 8; ++i) {
        Group petal(canvas, rotate(45.0 * i));
        Path leaf;
        leaf.move(0, -6).cubic(10, -14, 8, -27, 0, -32).cubic(-8, -27, -10, -14, 0, -6).close();
        canvas.path(leaf, filled(p.yellow, p.ink, w * 0.8));
        canvas.ellipse(0, -19, 2, 6, fillOnly(p.green));
    }
    canvas.circle(0, 0, 9, filled(p.green, p.ink, w));
    canvas.circle(0, 0, 3.5, fillOnly(p.yellow));
    Path shine;
    shine.move(-40, -16).arc(43, 43, false, true, -18, -39);
    canvas.path(shine, stroked(p.white, 3.4));
}

// Piacenza: a flat disc, a red ring of square studs and a blue field with a pointed star.
void piacenzaCoin(Canvas& canvas, const Palette& p, double w)
{
    canvas.circle(0, 0, 50, filled(p.yellow, p.ink, w));
    canvas.circle(0, 0, 41, filled(p.red, p.ink, w * 0.8));
    for (int i = 0; i < 12; ++i) {
        Group stud(canvas, rotate(30.0 * i));
        canvas.rect(-3.2, -45.5, 6.4, 6.4, 0, filled(p.yellow, p.ink, w * 0.5));
    }
    canvas.circle(0, 0, 30, filled(p.blue, p.ink, w * 0.8));
    std::vector<Pt> star;
    for (int i = 0; i < 16; ++i) {
        double a = 2 * pi * i / 16 - pi / 2;
        double r = i % 2 == 0 ? 28.0 : 12.0;
        star.push_back({r * std::cos(a), r * std::sin(a)});
    }
    canvas.path(polygon(star), filled(p.yellow, p.ink, w * 0.7));
    canvas.circle(0, 0, 7, filled(p.red, p.ink, w * 0.7));
}

} // namespace

void drawCup(Canvas& canvas, const Palette& p, double height)
{
    const double u = height / 100.0;
    Group g(canvas, scale(u));
    if (p.deck == Deck::Napoletane)
        naplesCup(canvas, p, p.line / u);
    else
        piacenzaCup(canvas, p, p.line * 1.25 / u);
}

void drawCoin(Canvas& canvas, const Palette& p, double diameter)
{
    const double u = diameter / 100.0;
    Group g(canvas, scale(u));
    if (p.deck == Deck::Napoletane)
        naplesCoin(canvas, p, p.line / u);
    else
        piacenzaCoin(canvas, p, p.line * 1.25 / u);
}

void drawSword(Canvas& canvas, const Palette& p, Pt hilt, Pt control, Pt tip, double bladeWidth)
{
    const bool naples = p.deck == Deck::Napoletane;
    const double lw = naples ? p.line : p.line * 1.2;
    const double bw = bladeWidth;
    std::vector<Pt> blade = sampleQuad(hilt, control, tip, 24);
    const Pt along = normalised(control - hilt);
    const Pt across = perpendicular(along);
    if (naples) {
        // A slim sabre narrowing to its point, a bright fuller down its middle.
        canvas.path(ribbon(blade, [bw](double t) { return t < 0.88 ? bw * (1.0 - 0.35 * t) : bw * 0.69 * (1.0 - t) / 0.12; }),
                    filled(p.steel, p.ink, lw));
        std::vector<Pt> fuller(blade.begin() + 2, blade.end() - 5);
        canvas.path(openPolyline(fuller), stroked(p.white, bw * 0.28));
        Pt gripEnd = hilt - along * (bw * 3.2);
        limb(canvas, {hilt, gripEnd}, bw * 0.8, p.red, p.ink, lw);
        Pt pommel = hilt - along * (bw * 4.0);
        canvas.circle(pommel.x, pommel.y, bw * 0.7, filled(p.yellow, p.ink, lw));
        // The guard's arms curl back towards the blade.
        Pt a = hilt + across * (bw * 2.0);
        Pt b = hilt - across * (bw * 2.0);
        Path guard;
        guard.move(a.x + along.x * bw * 1.1, a.y + along.y * bw * 1.1)
            .quad(a.x, a.y, hilt.x, hilt.y)
            .quad(b.x, b.y, b.x + along.x * bw * 1.1, b.y + along.y * bw * 1.1);
        canvas.path(guard, stroked(p.ink, bw * 0.75 + 2 * lw));
        canvas.path(guard, stroked(p.yellow, bw * 0.75));
        canvas.circle(hilt.x, hilt.y, bw * 0.5, filled(p.red, p.ink, lw * 0.8));
        return;
    }
    // A broad blade, flat steel with a dark fuller, a straight cross-bar with
    // round ends, a blue grip and a big round pommel.
    canvas.path(ribbon(blade, [bw](double t) { return t < 0.85 ? bw * (1.0 - 0.15 * t) : bw * 0.87 * (1.0 - t) / 0.15; }),
                filled(p.steel, p.ink, lw));
    std::vector<Pt> fuller(blade.begin() + 2, blade.end() - 6);
    canvas.path(openPolyline(fuller), stroked(p.darkBlue, bw * 0.16));
    Pt gripEnd = hilt - along * (bw * 2.4);
    limb(canvas, {hilt, gripEnd}, bw * 0.75, p.darkBlue, p.ink, lw);
    Pt pommel = hilt - along * (bw * 3.0);
    canvas.circle(pommel.x, pommel.y, bw * 0.62, filled(p.yellow, p.ink, lw));
    Pt a = hilt + across * (bw * 1.5);
    Pt b = hilt - across * (bw * 1.5);
    canvas.path(Path().move(a.x, a.y).line(b.x, b.y), stroked(p.ink, bw * 0.55 + 2 * lw));
    canvas.path(Path().move(a.x, a.y).line(b.x, b.y), stroked(p.yellow, bw * 0.55));
    for (Pt e : {a, b})
        canvas.circle(e.x, e.y, bw * 0.38, filled(p.red, p.ink, lw * 0.8));
}

void drawBaton(Canvas& canvas, const Palette& p, Pt grip, Pt head, double width, int stubCount)
{
    const double length = std::hypot(head.x - grip.x, head.y - grip.y);
    const Pt mid = lerp(grip, head, 0.5);
    Group g(canvas, translate(mid.x, mid.y) + " " + rotate(angleOf(head - grip) + 90.0));
    // Local frame: the head is at -length/2 (up), the grip at +length/2.
    const double half = length / 2.0;
    const bool naples = p.deck == Deck::Napoletane;
    const double lw = naples ? p.line : p.line * 1.25;

    if (naples) {
        // A slim knotty branch: lopped stubs, one of them sprouting a leaf.
        const double stubs[] = {0.18, 0.36, 0.54, 0.72};
        const int count = std::clamp(stubCount, 0, 4);
        const int first = (4 - count) / 2;
        for (int i = first; i < first + count; ++i) {
            double y = half - stubs[i] * length;
            double side = i % 2 == 0 ? 1.0 : -1.0;
            double wAt = width * (1.0 - 0.3 * stubs[i]) / 2.0;
            Path stub;
            stub.move(side * wAt * 0.6, y + width * 0.4)
                .line(side * (wAt + width * 0.4), y - width * 0.25)
                .line(side * (wAt + width * 0.32), y - width * 0.62)
                .line(side * wAt * 0.6, y - width * 0.3)
                .close();
            canvas.path(stub, filled(p.wood, p.ink, lw));
            if (i == first && count >= 2) {
                Path leaf;
                Pt base{side * (wAt + width * 0.38), y - width * 0.5};
                leaf.move(base.x, base.y)
                    .quad(base.x + side * width * 0.9, base.y - width * 0.1, base.x + side * width * 1.3, base.y - width * 0.9)
                    .quad(base.x + side * width * 0.3, base.y - width * 0.8, base.x, base.y)
                    .close();
                canvas.path(leaf, filled(p.green, p.darkGreen, lw * 0.7));
            }
        }
        std::vector<Pt> centre;
        for (int i = 0; i <= 16; ++i) {
            double t = double(i) / 16;
            centre.push_back({std::sin(t * 7.0) * width * 0.06, half - t * length});
        }
        canvas.path(ribbon(centre, [width](double t) { return width * (0.7 + 0.3 * t + 0.07 * std::sin(t * 23.0)); }),
                    filled(p.wood, p.ink, lw));
        std::vector<Pt> shade;
        for (int i = 0; i <= 16; ++i) {
            double t = double(i) / 16;
            shade.push_back({std::sin(t * 7.0) * width * 0.06 + width * (0.2 + 0.09 * t), half - t * length});
        }
        canvas.path(openPolyline(shade), stroked(p.darkWood, width * 0.22));
        for (int i = 0; i < 3; ++i) {
            double y = half - (0.27 + 0.18 * i) * length;
            canvas.ellipse((i % 2 ? 1 : -1) * width * 0.1, y, width * 0.12, width * 0.2, fillOnly(p.darkWood));
        }
        canvas.rect(-width * 0.4, half - length * 0.1, width * 0.8, width * 0.4, 0, filled(p.red, p.ink, lw * 0.8));
        double headW = width * (0.7 + 0.3 + 0.07 * std::sin(23.0)) / 2.0;
        canvas.ellipse(0, -half, headW, width * 0.28, filled(p.yellow, p.ink, lw));
        canvas.ellipse(0, -half, headW * 0.4, width * 0.1, fillOnly(p.darkWood));
        canvas.ellipse(0, half, width * 0.35, width * 0.18, filled(p.darkWood, p.ink, lw));
        return;
    }
    // A heavy straight cudgel swelling to a round head, flat brown with two
    // short stubs, a blue grip band and a pale sawn end.
    const int count = std::clamp(stubCount, 0, 2);
    for (int i = 0; i < count; ++i) {
        double y = half - (0.38 + 0.26 * i) * length;
        double side = i % 2 == 0 ? 1.0 : -1.0;
        double wAt = width * (0.8 + 0.2 * (0.38 + 0.26 * i)) / 2.0;
        canvas.path(polygon({{side * wAt * 0.5, y + width * 0.3}, {side * (wAt + width * 0.35), y - width * 0.2},
                             {side * wAt * 0.5, y - width * 0.35}}),
                    filled(p.wood, p.ink, lw));
    }
    canvas.path(profile(-half, half, [half, length, width](double y) {
                    double t = (half - y) / length; // 0 at the grip, 1 at the head
                    return width * (0.36 + 0.16 * t * t);
                }, 12),
                filled(p.wood, p.ink, lw));
    canvas.rect(-width * 0.42, half - length * 0.16, width * 0.84, width * 0.5, 0, filled(p.blue, p.ink, lw * 0.8));
    canvas.ellipse(0, -half, width * 0.52, width * 0.26, filled(p.yellow, p.ink, lw));
    canvas.ellipse(0, half, width * 0.36, width * 0.16, filled(p.darkWood, p.ink, lw));
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
