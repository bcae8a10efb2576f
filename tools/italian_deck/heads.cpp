// Heads of the court figures: the face with its gaze, the hair and beard, and the
// head-dress each suit and rank wear, so no two figures of a deck share one head.
#include "figure_parts.h"

#include "ornaments.h"

namespace italian_deck {

namespace {

void drawFace(Canvas& c, const Palette& q, int gaze)
{
    const double lw = q.line;
    const double g = gaze * 0.9;
    c.rect(-1.9, 3.4, 3.8, 4.6, 0, filled(q.flesh, q.ink, lw));
    c.ellipse(0, 0, 4.4, 5.2, filled(q.flesh, q.ink, lw));
    for (double s : {-1.0, 1.0}) {
        c.ellipse(s * 1.65 + g, -0.3, 0.75, 0.6, fillOnly(q.white));
        c.ellipse(s * 1.65 + g * 1.25, -0.3, 0.5, 0.6, fillOnly(q.ink));
        Path brow;
        brow.move(s * 2.7 + g, -1.8).quad(s * 1.7 + g, -2.6, s * 0.7 + g, -2.0);
        c.path(brow, stroked(q.ink, lw * 0.9));
        c.circle(s * 2.6 + g * 0.5, 1.9, 1.0, Paint{q.red, "none", 0, 0.3});
    }
    // The nose points the way the figure looks.
    const double side = gaze == 0 ? 1.0 : gaze;
    Path nose;
    nose.move(g + 0.1 * side, -0.4).line(g + 0.9 * side, 1.7).line(g - 0.1 * side, 1.9);
    c.path(nose, stroked(q.ink, lw * 0.8));
    Path mouth;
    mouth.move(-1.1 + g * 0.6, 3.1).quad(g * 0.6, 3.7, 1.1 + g * 0.6, 3.1);
    c.path(mouth, stroked(q.darkRed, 0.7));
}

void pageHair(Canvas& c, const Palette& q, const std::string& colour)
{
    Path hair;
    hair.move(-5.5, -1).cubic(-6.6, 3.5, -6.3, 6.2, -4.4, 7.0).line(4.4, 7.0)
        .cubic(6.3, 6.2, 6.6, 3.5, 5.5, -1).cubic(5.5, -7.2, -5.5, -7.2, -5.5, -1).close();
    c.path(hair, filled(colour, q.ink, q.line));
}

void feather(Canvas& c, const Palette& q, Pt from, Pt bend, Pt to, double width, const std::string& fill,
             const std::string& quill)
{
    std::vector<Pt> f = sampleQuad(from, bend, to, 10);
    c.path(ribbon(f, [width](double t) { return width * (1.0 - t * 0.7); }), filled(fill, q.ink, q.line * 0.8));
    c.path(openPolyline(std::vector<Pt>(f.begin() + 2, f.end())), stroked(quill, 0.5));
}

void fanteHeadDress(Canvas& c, const Palette& q, Suit suit, const Costume& dress)
{
    const double lw = q.line;
    switch (suit) {
    case Suit::Coppe: {
        // A beret worn aslant, with a long white feather.
        feather(c, q, {3.0, -6.0}, {9.5, -8.0}, {10.5, -14.5}, 2.6, q.white, dress.trim);
        Path cap;
        cap.move(-6.2, -3.0).cubic(-7.4, -6.8, -2.0, -9.2, 2.6, -8.8).cubic(7.2, -8.4, 8.8, -5.6, 6.6, -2.8)
            .cubic(3.0, -4.0, -2.0, -4.1, -6.2, -3.0).close();
        c.path(cap, filled(dress.second, q.ink, lw));
        c.path(Path().move(-6.0, -3.2).cubic(-2.0, -4.5, 3.0, -4.4, 6.5, -3.0), stroked(dress.trim, 1.0));
        break;
    }
    case Suit::Denari: {
        // A round cap with a rolled brim and a jewel at the front.
        c.path(Path().move(-5.2, -3.4).cubic(-5.6, -10.5, 5.6, -10.5, 5.2, -3.4).close(), filled(dress.main, q.ink, lw));
        c.rect(-6.4, -4.6, 12.8, 2.6, 1.3, filled(dress.trim, q.ink, lw));
        c.circle(0, -3.3, 0.9, filled(q.red, q.ink, lw * 0.7));
        break;
    }
    case Suit::Spade: {
        // A broad hat tilted back, a red feather laid along its brim.
        Group tilt(c, rotate(-10));
        c.path(Path().move(-4.4, -4.2).cubic(-4.4, -10, 4.4, -10, 4.4, -4.2).close(), filled(dress.second, q.ink, lw));
        c.ellipse(0, -4.0, 9.2, 1.9, filled(dress.second, q.ink, lw));
        c.path(Path().move(-4.3, -5.3).line(4.3, -5.3), stroked(dress.trim, 1.1));
        feather(c, q, {-3.0, -6.5}, {-9.0, -9.5}, {-12.0, -5.0}, 2.2, q.red, q.white);
        break;
    }
    case Suit::Bastoni: {
        // A soft hood whose point falls forward over the brow.
        c.path(Path().move(-5.8, 1.5).cubic(-7.5, -6, -4, -10.5, 2, -10).cubic(6.5, -9.6, 8.2, -7, 6.4, -4.4)
                   .line(5.4, -6.2).cubic(4, -4.6, 5.6, -1.5, 5.8, 1.5).cubic(4.5, -3.4, -4.5, -3.4, -5.8, 1.5).close(),
               filled(dress.second, q.ink, lw));
        c.path(Path().move(-5.4, -1.6).cubic(-2, -4.2, 2, -4.2, 5.4, -1.6), stroked(dress.trim, 1.0));
        break;
    }
    }
}

void cavalloHeadDress(Canvas& c, const Palette& q, Suit suit, const Costume& dress)
{
    const double lw = q.line;
    switch (suit) {
    case Suit::Coppe: {
        // A wide hat turned up at the front, three plumes on top.
        for (int i = 0; i < 3; ++i)
            feather(c, q, {0.5, -7.5}, {3.0 + i, -13.0 + i * 1.5}, {8.5 + i * 0.6, -9.5 + i * 2.8}, 2.4,
                    i == 1 ? dress.trim : q.white, dress.second);
        c.path(Path().move(-4.6, -3.5).cubic(-4.6, -9.5, 4.6, -9.5, 4.6, -3.5).close(), filled(dress.main, q.ink, lw));
        c.path(Path().move(-8.5, -2.8).quad(-7.5, -5.8, -4, -4.6).line(4, -4.6).quad(7.5, -5.8, 8.5, -2.8)
                   .quad(0, -4.2, -8.5, -2.8).close(), filled(dress.second, q.ink, lw));
        break;
    }
    case Suit::Denari: {
        // A round helmet with a plume blowing back.
        for (int i = 0; i < 3; ++i)
            feather(c, q, {0.5, -7.5}, {4.0 + i, -13.0 + i * 1.5}, {9.5 + i * 0.6, -8.5 + i * 2.8}, 2.4,
                    i == 1 ? dress.trim : dress.second, dress.main);
        c.path(Path().move(-5.0, -2.2).cubic(-5.4, -9.6, 5.4, -9.6, 5.0, -2.2).close(), filled(q.steel, q.ink, lw));
        c.path(Path().move(0, -8.2).line(0, -2.4), stroked(q.darkBlue, lw * 1.6));
        c.rect(-5.4, -3.2, 10.8, 1.8, 0.6, filled(dress.trim, q.ink, lw));
        break;
    }
    case Suit::Spade: {
        // A crested helmet with cheek guards, the crest in the suit's colour.
        c.path(Path().move(-5.2, 2.2).line(-5.2, -3).cubic(-5.4, -9.6, 5.4, -9.6, 5.2, -3).line(5.2, 2.2).line(3.8, 2.2)
                   .line(3.8, -2.6).line(-3.8, -2.6).line(-3.8, 2.2).close(),
               filled(q.steel, q.ink, lw));
        c.path(Path().move(-6.5, -6).cubic(-4.5, -12.5, 4.5, -13, 7.5, -8.5).cubic(3.5, -10, -2.5, -9.5, -6.5, -6).close(),
               filled(dress.second, q.ink, lw));
        c.path(Path().move(-5.0, -3.4).line(5.0, -3.4), stroked(dress.trim, 0.9));
        break;
    }
    case Suit::Bastoni: {
        // A turban wound round, a jewel and a short plume at the front.
        feather(c, q, {0, -8}, {-1.5, -12}, {2.5, -14.5}, 2.0, q.white, dress.trim);
        c.ellipse(0, -5.6, 6.4, 4.4, filled(q.white, q.ink, lw));
        for (double y : {-7.4, -5.2, -3.0})
            c.path(Path().move(-5.8, y + 1).quad(0, y - 1.2, 5.8, y + 1), stroked(dress.second, 0.9));
        c.circle(0, -6.8, 1.1, filled(q.red, q.ink, lw * 0.7));
        break;
    }
    }
}

void reHeadDress(Canvas& c, const Palette& q, Suit suit, const Costume& dress)
{
    const double lw = q.line;
    switch (suit) {
    case Suit::Coppe: {
        Group crown(c, translate(0, -4.0));
        drawCrown(c, q, 10.6, 8.2);
        break;
    }
    case Suit::Denari: {
        // A closed crown: two arches over a cap, an orb and cross on top.
        c.path(Path().move(-5, -4).cubic(-5, -10.5, 5, -10.5, 5, -4).close(), filled(q.red, q.ink, lw));
        c.path(Path().move(-4.8, -4.4).cubic(-3.6, -10.4, 3.6, -10.4, 4.8, -4.4), stroked(q.ink, 1.6));
        c.path(Path().move(-4.8, -4.4).cubic(-3.6, -10.4, 3.6, -10.4, 4.8, -4.4), stroked(q.yellow, 1.0));
        c.path(Path().move(0, -9.4).line(0, -4.4), stroked(q.ink, 1.6));
        c.path(Path().move(0, -9.4).line(0, -4.4), stroked(q.yellow, 1.0));
        c.circle(0, -10.6, 1.3, filled(q.yellow, q.ink, lw));
        c.path(Path().move(0, -11.8).line(0, -13.8).move(-0.9, -12.9).line(0.9, -12.9), stroked(q.ink, 0.6));
        c.rect(-5.4, -4.8, 10.8, 2.6, 0, filled(q.darkYellow, q.ink, lw));
        c.circle(0, -3.5, 0.7, fillOnly(q.blue));
        break;
    }
    case Suit::Spade: {
        // A red cap rising through a crown of pointed leaves.
        c.path(Path().move(-4.6, -4).cubic(-5.2, -12, 5.2, -12, 4.6, -4).close(), filled(dress.second, q.ink, lw));
        Path points;
        points.move(-5.4, -2.4).line(-5.4, -6.5).line(-3.6, -5).line(-1.8, -8).line(0, -5.2).line(1.8, -8).line(3.6, -5)
            .line(5.4, -6.5).line(5.4, -2.4).close();
        c.path(points, filled(q.yellow, q.ink, lw));
        c.rect(-5.4, -3.6, 10.8, 1.6, 0, filled(q.darkYellow, q.ink, lw * 0.8));
        break;
    }
    case Suit::Bastoni: {
        // A tall crown of three lilies over a fur rim.
        Path lilies;
        lilies.move(-5.4, -4).line(-5.4, -7).cubic(-6.6, -9.5, -4.2, -10.5, -3.8, -8.6).line(-2.4, -7)
            .cubic(-2.2, -10, -1.2, -12.2, 0, -12.8).cubic(1.2, -12.2, 2.2, -10, 2.4, -7).line(3.8, -8.6)
            .cubic(4.2, -10.5, 6.6, -9.5, 5.4, -7).line(5.4, -4).close();
        c.path(lilies, filled(q.yellow, q.ink, lw));
        c.rect(-6.0, -4.6, 12.0, 2.6, 1.2, filled(q.white, q.ink, lw));
        for (double x : {-3.6, 0.0, 3.6})
            c.path(Path().move(x, -4.0).line(x, -2.8), stroked(q.ink, 0.6));
        break;
    }
    }
}

} // namespace

void drawHead(Canvas& c, const Palette& q, Role role, Suit suit, const Costume& dress, int gaze)
{
    const double lw = q.line;
    const std::string white = q.deck == Deck::Napoletane ? "#e8e2d6" : "#f2f2f2";
    // The king of swords is the younger, dark-bearded one.
    const std::string beard = role == Role::Re && suit == Suit::Spade ? q.hair : white;
    if (role == Role::Fante) {
        pageHair(c, q, suit == Suit::Denari ? "#b8762e" : q.hair);
    } else if (role == Role::Re) {
        Path hair;
        hair.move(-5.0, -2).cubic(-7.4, 3.5, -7.6, 8, -6.6, 9.6).line(6.6, 9.6)
            .cubic(7.6, 8, 7.4, 3.5, 5.0, -2).close();
        c.path(hair, filled(beard, q.ink, lw));
    }
    drawFace(c, q, gaze);
    if (role == Role::Re) {
        // A full beard and moustache, the mouth showing between them; the king of
        // batons wears his forked.
        const bool forked = suit == Suit::Bastoni;
        Path b;
        b.move(-4.3, 0.8).cubic(-4.7, 7, -1.9, 10.6, forked ? -1.2 : 0, 11.2);
        if (forked)
            b.line(0, 9.2).line(1.2, 11.2);
        b.cubic(1.9, 10.6, 4.7, 7, 4.3, 0.8)
            .cubic(3.6, 3.3, 2.4, 4.4, 1.2, 3.4).line(0, 3.0).line(-1.2, 3.4).cubic(-2.4, 4.4, -3.6, 3.3, -4.3, 0.8)
            .close();
        c.path(b, filled(beard, q.ink, lw));
        for (double s : {-1.0, 1.0}) {
            Path strand;
            strand.move(s * 1.5, 5.5).quad(s * 2.0, 8, s * 0.8, 9.8);
            c.path(strand, stroked(beard == white ? "#b7b0a4" : q.ink, lw * 0.8));
        }
        c.ellipse(gaze * 0.5, 4.0, 0.9, 0.45, fillOnly(q.darkRed));
        reHeadDress(c, q, suit, dress);
    } else if (role == Role::Cavallo) {
        Path hair;
        hair.move(-4.4, -0.5).quad(-4.8, -4.5, 0, -5.3).quad(4.8, -4.5, 4.4, -0.5).quad(0, -3.2, -4.4, -0.5).close();
        c.path(hair, filled(q.hair, q.ink, lw));
        Path moustache;
        moustache.move(-2.2 + gaze * 0.5, 2.9).quad(gaze * 0.5, 1.9, 2.2 + gaze * 0.5, 2.9);
        c.path(moustache, stroked(q.hair, 0.9));
        cavalloHeadDress(c, q, suit, dress);
    } else {
        fanteHeadDress(c, q, suit, dress);
    }
}

} // namespace italian_deck
