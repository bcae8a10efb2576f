// The emblems that mark the decks' best-known cards: the crowned eagle, the coat of arms,
// the leafy mask, the little landscape and the ribbon bow.
#include "emblems.h"

#include "ornaments.h"

#include <cmath>
#include <numbers>

namespace italian_deck {

void drawEagle(Canvas& canvas, const Palette& p, double width, const std::string& plumage,
               const std::string& feather, bool crowned)
{
    // Drawn 100 units across the wings.
    const double u = width / 100.0;
    Group g(canvas, scale(u));
    const double w = p.line / u;
    for (double side : {-1.0, 1.0}) {
        Group mirror(canvas, scale(side, 1));
        // The wing rises from the shoulder and ends in five long pinions.
        Path wing;
        wing.move(6, -10).cubic(14, -30, 30, -44, 44, -46).cubic(49, -46, 51, -40, 49, -34);
        const Pt tips[] = {{50, -22}, {49, -10}, {45, 1}, {39, 11}, {31, 18}};
        Pt last{49, -34};
        for (Pt t : tips) {
            Pt notch = lerp(last, t, 0.5) + Pt{-6, -1};
            wing.quad(notch.x + 3, notch.y, notch.x, notch.y).line(t.x, t.y);
            last = t;
        }
        wing.cubic(22, 14, 12, 8, 7, 6).close();
        canvas.path(wing, filled(plumage, p.ink, w));
        // Feather lines spread from the shoulder.
        for (Pt t : tips) {
            Pt from{14, -14};
            canvas.path(Path().move(from.x, from.y).quad(lerp(from, t, 0.5).x, lerp(from, t, 0.5).y - 4, t.x - 5, t.y - 2),
                        stroked(feather, w * 1.3));
        }
        canvas.path(Path().move(10, -20).cubic(22, -34, 34, -40, 44, -40), stroked(feather, w * 1.3));
        // Leg and claws.
        canvas.path(Path().move(5, 16).line(9, 26), stroked(p.ink, 4.6 + 2 * w));
        canvas.path(Path().move(5, 16).line(9, 26), stroked(p.yellow, 4.6));
        for (double a : {-30.0, 10.0, 50.0}) {
            double r = a * std::numbers::pi / 180;
            canvas.path(Path().move(9, 26).line(9 + 6 * std::sin(r), 26 + 6 * std::cos(r)), stroked(p.ink, 1.6));
        }
    }
    // The tail fans out below the body.
    canvas.path(polygon({{-5, 14}, {5, 14}, {13, 34}, {6, 31}, {0, 36}, {-6, 31}, {-13, 34}}), filled(plumage, p.ink, w));
    for (double x : {-6.0, 0.0, 6.0})
        canvas.path(Path().move(x * 0.3, 18).line(x, 31), stroked(feather, w * 1.3));
    canvas.ellipse(0, 0, 10, 19, filled(plumage, p.ink, w));
    for (int i = 0; i < 3; ++i)
        canvas.path(Path().move(-5, -2 + i * 6).quad(0, 2 + i * 6, 5, -2 + i * 6), stroked(feather, w * 1.3));
    // Neck and head turned to the left, a hooked beak and a red tongue.
    canvas.path(Path().move(-6, -12).cubic(-7, -20, -6, -25, -2, -28).line(6, -24).cubic(6, -20, 6, -16, 6, -12).close(),
                filled(plumage, p.ink, w));
    canvas.circle(-1, -29, 7.5, filled(plumage, p.ink, w));
    canvas.path(Path().move(-14, -30).line(-19, -27.5).line(-13, -27.2).close(), filled(p.red, p.ink, w * 0.7));
    canvas.path(Path().move(-7, -33).cubic(-12, -34, -17, -33, -19, -28.5).cubic(-16, -30, -12, -29.5, -8, -27).close(),
                filled(p.yellow, p.ink, w));
    canvas.circle(-3, -31, 1.8, filled(p.white, p.ink, w * 0.6));
    canvas.circle(-3.3, -31, 0.8, fillOnly(p.ink));
    if (crowned) {
        Group c(canvas, translate(-1, -38));
        drawCrown(canvas, p, 16, 12);
    }
}

void drawCoatOfArms(Canvas& canvas, const Palette& p, double height)
{
    // Drawn 100 units tall.
    const double u = height / 100.0;
    Group g(canvas, scale(u));
    Palette q = p;
    q.line = p.line / u;
    const double w = q.line;
    if (p.deck == Deck::Napoletane) {
        // An oval cartouche with curled scrolls, quartered red and gold, crowned.
        for (double side : {-1.0, 1.0}) {
            Path scroll;
            scroll.move(side * 20, -24).cubic(side * 40, -28, side * 40, -8, side * 30, -6).cubic(side * 24, -5, side * 24, -13, side * 30, -14);
            canvas.path(scroll, stroked(q.ink, 7 + 2 * w));
            canvas.path(scroll, stroked(q.yellow, 7));
            Path low;
            low.move(side * 18, 26).cubic(side * 36, 30, side * 38, 12, side * 28, 10).cubic(side * 22, 10, side * 22, 17, side * 28, 18);
            canvas.path(low, stroked(q.ink, 7 + 2 * w));
            canvas.path(low, stroked(q.yellow, 7));
        }
        canvas.ellipse(0, 4, 25, 32, filled(q.yellow, q.ink, w));
        canvas.ellipse(0, 4, 20, 27, filled(q.red, q.ink, w));
        for (Pt corner : {Pt{-20, 4}, Pt{0, -23}}) {
            Group quarter(canvas, "", canvas.clipRect(corner.x, corner.y, 20, 27));
            canvas.ellipse(0, 4, 20, 27, fillOnly(q.yellow));
        }
        canvas.ellipse(0, 4, 20, 27, stroked(q.ink, w));
        canvas.path(Path().move(0, -23).line(0, 31).move(-20, 4).line(20, 4), stroked(q.ink, w));
        canvas.circle(0, 4, 5, filled(q.blue, q.ink, w));
        Group crown(canvas, translate(0, -32));
        drawCrown(canvas, q, 36, 26);
        return;
    }
    // A pointed shield, red with a white cross, under a crown, between two palms.
    for (double side : {-1.0, 1.0}) {
        std::vector<Pt> stem = sampleQuad({side * 6, 48}, {side * 40, 30}, {side * 28, -22}, 8);
        drawLaurel(canvas, q, stem, 14);
    }
    Path shield;
    shield.move(-24, -20).line(24, -20).line(24, 12).cubic(24, 30, 10, 40, 0, 46).cubic(-10, 40, -24, 30, -24, 12).close();
    canvas.path(shield, filled(q.red, q.ink, w * 1.2));
    canvas.rect(-5, -20, 10, 60, 0, fillOnly(q.white));
    canvas.rect(-24, 0, 48, 10, 0, fillOnly(q.white));
    canvas.path(shield, stroked(q.ink, w * 1.2));
    canvas.rect(-27, -26, 54, 7, 1, filled(q.yellow, q.ink, w));
    Group crown(canvas, translate(0, -30));
    drawCrown(canvas, q, 40, 28);
}

void drawLeafMask(Canvas& canvas, const Palette& p, double size)
{
    const double u = size / 100.0;
    Group g(canvas, scale(u));
    const double w = p.line / u;
    // Acanthus leaves radiating round the face.
    for (int i = 0; i < 10; ++i) {
        Group leaf(canvas, rotate(36.0 * i + 18));
        Path l;
        l.move(0, -24).cubic(14, -30, 10, -44, 0, -50).cubic(-10, -44, -14, -30, 0, -24).close();
        canvas.path(l, filled(i % 2 ? p.green : p.darkGreen, p.ink, w));
        canvas.path(Path().move(0, -26).line(0, -46), stroked(p.darkGreen, w * 1.4));
    }
    canvas.circle(0, 0, 31, filled(p.yellow, p.ink, w));
    canvas.ellipse(0, 2, 24, 27, filled(p.flesh, p.ink, w));
    for (double s : {-1.0, 1.0}) {
        canvas.ellipse(s * 9, -6, 5, 3.4, filled(p.white, p.ink, w));
        canvas.circle(s * 9, -6, 2.2, fillOnly(p.ink));
        canvas.path(Path().move(s * 16, -14).quad(s * 9, -19, s * 3, -13), stroked(p.ink, w * 2.5));
        // A moustache curling out to the leaves.
        canvas.path(Path().move(0, 10).cubic(s * 8, 6, s * 16, 10, s * 19, 4), stroked(p.hair, 3.6));
        canvas.circle(s * 14, 3, 3.6, Paint{p.red, "none", 0, 0.4});
    }
    canvas.path(Path().move(0, -8).line(2, 6).line(-2, 7), stroked(p.ink, w * 1.6));
    canvas.ellipse(0, 17, 7, 4.2, filled(p.darkRed, p.ink, w));
    canvas.path(Path().move(-6, 16).line(6, 16), stroked(p.white, 1.4));
}

void drawLittleScene(Canvas& canvas, const Palette& p, double width, double height)
{
    const double rx = width / 2, ry = height / 2;
    canvas.ellipse(0, 0, rx + 1.2, ry + 1.2, filled(p.yellow, p.ink, p.line));
    {
    Group clip(canvas, "", canvas.clipEllipse(0, 0, rx, ry));
    canvas.ellipse(0, 0, rx, ry, fillOnly("#bfdcf0"));
    // A far hill, a near hill with a tower on it, and a road.
    canvas.path(Path().move(-rx, ry * 0.1).quad(-rx * 0.2, -ry * 0.5, rx, ry * 0.05).line(rx, ry).line(-rx, ry).close(),
                fillOnly(p.darkGreen));
    canvas.path(Path().move(-rx, ry * 0.5).quad(0, ry * 0.05, rx, ry * 0.45).line(rx, ry).line(-rx, ry).close(),
                fillOnly(p.green));
    canvas.path(Path().move(-rx * 0.1, ry).quad(rx * 0.05, ry * 0.55, rx * 0.3, ry * 0.3), stroked("#e9d7a8", width * 0.07));
    const double tw = width * 0.18;
    canvas.rect(-rx * 0.45 - tw / 2, -ry * 0.45, tw, ry * 0.75, 0, filled("#e8dcc4", p.ink, p.line * 0.6));
    canvas.path(polygon({{-rx * 0.45 - tw * 0.65, -ry * 0.45}, {-rx * 0.45, -ry * 0.8}, {-rx * 0.45 + tw * 0.65, -ry * 0.45}}),
                filled(p.red, p.ink, p.line * 0.6));
    canvas.rect(-rx * 0.45 - tw * 0.15, -ry * 0.2, tw * 0.3, ry * 0.25, 0, fillOnly(p.ink));
    canvas.circle(rx * 0.45, -ry * 0.45, width * 0.09, fillOnly(p.yellow));
    }
    canvas.ellipse(0, 0, rx, ry, stroked(p.ink, p.line));
}

void drawBow(Canvas& canvas, const Palette& p, double size, const std::string& colour)
{
    const double u = size / 20.0;
    Group g(canvas, scale(u));
    const double w = p.line / u;
    for (double s : {-1.0, 1.0}) {
        Path loop;
        loop.move(0, 0).cubic(s * 4, -6, s * 10, -5, s * 9, 0).cubic(s * 9, 3, s * 4, 3, 0, 0).close();
        canvas.path(loop, filled(colour, p.ink, w));
        Path end;
        end.move(s * 0.8, 0.8).cubic(s * 3, 4, s * 5, 6, s * 9, 9).line(s * 6.5, 9.6).line(s * 7, 11.5)
            .cubic(s * 3.5, 8, s * 1.5, 5, -s * 0.8, 1.2).close();
        canvas.path(end, filled(colour, p.ink, w));
    }
    canvas.ellipse(0, 0, 2.2, 2.0, filled(colour, p.ink, w));
}

} // namespace italian_deck
