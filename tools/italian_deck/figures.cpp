// The court cards: fante, cavallo and re of both decks, each holding its suit's sign.
//
// Every figure is drawn in "head units": the centre of the face is the origin
// and the face is about ten units tall, so the same body, arms and horse serve
// the full-length Neapolitan figures and the Piacentine half figures alike.
#include "figures.h"

#include "ornaments.h"
#include "shapes.h"
#include "suit_signs.h"

#include <functional>

namespace italian_deck {

namespace {

enum class Role { Fante, Cavallo, Re };

struct Costume {
    std::string main;
    std::string second;
    std::string trim;
    std::string horse;
    std::string mane;
    bool dapples = false;
    // How much wider than the head the body is cut: Naples gives its
    // full-length figures a broader, stockier build to fill the card.
    double broad = 1.0;
};

// Each suit dresses its court in its own colours, and rides its own horse.
Costume costume(const Palette& p, Suit suit)
{
    switch (suit) {
    case Suit::Coppe:
        return {p.red, p.blue, p.yellow, "#ebe6da", "#8c8474", true};
    case Suit::Denari:
        return {p.blue, p.red, p.yellow, "#a8622e", "#3b2414"};
    case Suit::Spade:
        return {p.yellow, p.blue, p.red, "#c9c9c9", "#6d6d6d"};
    default:
        return {p.green, p.red, p.yellow, "#5a3a22", "#1f140c"};
    }
}

const Pt leftShoulder{-8.3, 9.8};
const Pt rightShoulder{8.3, 9.8};

// A point on the body, moved out to the costume's breadth.
Pt onBody(const Costume& dress, Pt p) { return {p.x * dress.broad, p.y}; }

// Where a hand grips each sign, in the sign's own coordinates (see drawHeldSign).
Pt holdPoint(Suit suit, double size)
{
    switch (suit) {
    case Suit::Coppe:
        return {0, size * 0.13};
    case Suit::Denari:
        return {0, size * 0.25};
    case Suit::Spade:
        return {0, size * 0.45};
    default:
        return {0, size * 0.42};
    }
}

void drawHeldAt(Canvas& c, const Palette& q, const Costume& dress, Suit suit, Pt hand, double size, double angle)
{
    hand = onBody(dress, hand);
    Pt hold = holdPoint(suit, size);
    Group g(c, translate(hand.x, hand.y) + " " + rotate(angle) + " " + translate(-hold.x, -hold.y));
    drawHeldSign(c, q, suit, size);
}

void drawArm(Canvas& c, const Palette& q, Pt shoulder, Pt elbow, Pt hand, const Costume& dress)
{
    shoulder = onBody(dress, shoulder);
    elbow = onBody(dress, elbow);
    hand = onBody(dress, hand);
    limb(c, {shoulder, elbow, lerp(elbow, hand, 0.82)}, 3.6, dress.second, q.ink, q.line);
    Pt cuff = lerp(elbow, hand, 0.8);
    c.circle(cuff.x, cuff.y, 1.9, filled(dress.trim, q.ink, q.line));
    c.circle(hand.x, hand.y, 1.55, filled(q.flesh, q.ink, q.line));
}

void drawShoulders(Canvas& c, const Palette& q, const Costume& dress)
{
    for (Pt s : {onBody(dress, leftShoulder), onBody(dress, rightShoulder)})
        c.circle(s.x, s.y, 2.9, filled(dress.second, q.ink, q.line));
}

void drawFace(Canvas& c, const Palette& q)
{
    const double lw = q.line;
    c.rect(-1.9, 3.4, 3.8, 4.6, 0, filled(q.flesh, q.ink, lw));
    c.ellipse(0, 0, 4.4, 5.2, filled(q.flesh, q.ink, lw));
    for (double s : {-1.0, 1.0}) {
        c.ellipse(s * 1.65, -0.3, 0.6, 0.75, fillOnly(q.ink));
        Path brow;
        brow.move(s * 2.7, -1.8).quad(s * 1.7, -2.6, s * 0.7, -2.0);
        c.path(brow, stroked(q.ink, lw * 0.9));
        c.circle(s * 2.6, 1.9, 1.0, Paint{q.red, "none", 0, 0.3});
    }
    Path nose;
    nose.move(0.2, -0.3).line(0.7, 1.7).line(-0.2, 1.9);
    c.path(nose, stroked(q.ink, lw * 0.8));
    Path mouth;
    mouth.move(-1.1, 3.1).quad(0, 3.7, 1.1, 3.1);
    c.path(mouth, stroked(q.darkRed, 0.7));
}

void drawHead(Canvas& c, const Palette& q, Role role, const Costume& dress)
{
    const double lw = q.line;
    const std::string beard = q.deck == Deck::Napoletane ? "#e8e2d6" : "#f2f2f2";
    if (role == Role::Fante) {
        // A page's bob, cut level at the jaw.
        Path hair;
        hair.move(-5.5, -1).cubic(-6.6, 3.5, -6.3, 6.2, -4.4, 7.0).line(4.4, 7.0)
            .cubic(6.3, 6.2, 6.6, 3.5, 5.5, -1).cubic(5.5, -7.2, -5.5, -7.2, -5.5, -1).close();
        c.path(hair, filled(q.hair, q.ink, lw));
    } else if (role == Role::Re) {
        Path hair;
        hair.move(-5.0, -2).cubic(-7.4, 3.5, -7.6, 8, -6.6, 9.6).line(6.6, 9.6)
            .cubic(7.6, 8, 7.4, 3.5, 5.0, -2).close();
        c.path(hair, filled(beard, q.ink, lw));
    }
    drawFace(c, q);
    if (role == Role::Re) {
        // A full white beard and moustache, the mouth showing between them.
        Path b;
        b.move(-4.3, 0.8).cubic(-4.7, 7, -1.9, 10.6, 0, 11.2).cubic(1.9, 10.6, 4.7, 7, 4.3, 0.8)
            .cubic(3.6, 3.3, 2.4, 4.4, 1.2, 3.4).line(0, 3.0).line(-1.2, 3.4).cubic(-2.4, 4.4, -3.6, 3.3, -4.3, 0.8)
            .close();
        c.path(b, filled(beard, q.ink, lw));
        for (double s : {-1.0, 1.0}) {
            Path strand;
            strand.move(s * 1.5, 5.5).quad(s * 2.0, 8, s * 0.8, 9.8);
            c.path(strand, stroked("#b7b0a4", lw * 0.8));
        }
        c.ellipse(0, 4.0, 0.9, 0.45, fillOnly(q.darkRed));
        Group crown(c, translate(0, -4.0));
        drawCrown(c, q, 10.6, 8.2);
    } else if (role == Role::Cavallo) {
        Path hair;
        hair.move(-4.4, -0.5).quad(-4.8, -4.5, 0, -5.3).quad(4.8, -4.5, 4.4, -0.5).quad(0, -3.2, -4.4, -0.5).close();
        c.path(hair, filled(q.hair, q.ink, lw));
        Path moustache;
        moustache.move(-2.2, 2.9).quad(0, 1.9, 2.2, 2.9);
        c.path(moustache, stroked(q.hair, 0.9));
        // A round helmet with a plume blowing back.
        for (int i = 0; i < 3; ++i) {
            std::vector<Pt> feather = sampleQuad({0.5, -7.5}, {4.0 + i, -13.0 + i * 1.5}, {9.5 + i * 0.6, -8.5 + i * 2.8}, 8);
            c.path(ribbon(feather, [](double t) { return 2.4 * (1.0 - t * 0.8); }),
                   filled(i == 1 ? dress.trim : dress.second, q.ink, lw * 0.8));
        }
        Path helmet;
        helmet.move(-5.0, -2.2).cubic(-5.4, -9.6, 5.4, -9.6, 5.0, -2.2).close();
        c.path(helmet, filled(q.steel, q.ink, lw));
        c.path(Path().move(0, -8.2).line(0, -2.4), stroked(q.darkBlue, lw * 1.6));
        c.rect(-5.4, -3.2, 10.8, 1.8, 0.6, filled(dress.trim, q.ink, lw));
    } else {
        // A beret worn aslant, with a long feather.
        std::vector<Pt> feather = sampleQuad({3.0, -6.0}, {9.5, -8.0}, {10.5, -14.5}, 10);
        c.path(ribbon(feather, [](double t) { return 2.6 * (1.0 - t * 0.7); }), filled(q.white, q.ink, lw * 0.8));
        c.path(openPolyline(std::vector<Pt>(feather.begin() + 2, feather.end())), stroked(dress.trim, 0.5));
        Path cap;
        cap.move(-6.2, -3.0).cubic(-7.4, -6.8, -2.0, -9.2, 2.6, -8.8).cubic(7.2, -8.4, 8.8, -5.6, 6.6, -2.8)
            .cubic(3.0, -4.0, -2.0, -4.1, -6.2, -3.0).close();
        c.path(cap, filled(dress.second, q.ink, lw));
        Path band;
        band.move(-6.0, -3.2).cubic(-2.0, -4.5, 3.0, -4.4, 6.5, -3.0);
        c.path(band, stroked(dress.trim, 1.0));
    }
}

// Doublet with a bright front panel, a white collar and a belt.
void drawDoublet(Canvas& c, const Palette& q, const Costume& dress)
{
    const double lw = q.line;
    Path body;
    body.move(-8.5, 8.6).cubic(-9.6, 14, -7.6, 20, -6.2, 24).line(6.2, 24).cubic(7.6, 20, 9.6, 14, 8.5, 8.6)
        .cubic(4, 6.6, -4, 6.6, -8.5, 8.6).close();
    c.path(body, filled(dress.main, q.ink, lw));
    c.rect(-1.5, 7.6, 3.0, 16.4, 0, filled(dress.trim, q.ink, lw * 0.8));
    for (int i = 0; i < 4; ++i)
        c.circle(0, 10.5 + i * 3.6, 0.6, fillOnly(q.ink));
    c.ellipse(0, 7.8, 3.4, 1.4, filled(q.white, q.ink, lw));
    c.rect(-6.6, 22.8, 13.2, 2.0, 0, filled(q.darkWood, q.ink, lw));
    c.rect(-1.1, 22.6, 2.2, 2.4, 0, filled(q.yellow, q.ink, lw * 0.7));
}

// The page: short pleated tunic, short cape, parti-coloured hose.
void drawFante(Canvas& c, const Palette& q, Suit suit, const Costume& dress)
{
    const double lw = q.line;
    {
    Group body(c, scale(dress.broad, 1));
    Path cape;
    cape.move(-8, 8.5).cubic(-14, 14, -14.5, 28, -13, 37).line(13, 37).cubic(14.5, 28, 14, 14, 8, 8.5).close();
    c.path(cape, filled(dress.second, q.ink, lw));
    c.path(Path().move(-12.4, 33).line(12.4, 33), stroked(dress.trim, 1.0));
    // Legs and shoes.
    limb(c, {{-3.3, 33}, {-3.9, 50}, {-4.3, 65.5}}, 4.2, dress.second, q.ink, lw);
    limb(c, {{3.3, 33}, {3.9, 50}, {4.3, 65.5}}, 4.2, dress.trim, q.ink, lw);
    c.ellipse(-5.6, 67, 3.1, 1.6, filled(q.ink, q.ink, lw));
    c.ellipse(5.6, 67, 3.1, 1.6, filled(q.ink, q.ink, lw));
    Path skirt;
    skirt.move(-6.4, 24.4).line(-10.2, 35).quad(0, 37.6, 10.2, 35).line(6.4, 24.4).close();
    c.path(skirt, filled(dress.main, q.ink, lw));
    for (double x : {-4.0, 0.0, 4.0}) {
        Path pleat;
        pleat.move(x * 0.7, 25.5).line(x * 1.4, 35.8);
        c.path(pleat, stroked(q.ink, lw * 0.7));
    }
    Path hem;
    hem.move(-9.8, 34.2).quad(0, 36.6, 9.8, 34.2);
    c.path(hem, stroked(dress.trim, 1.1));
    drawDoublet(c, q, dress);
    }
    drawShoulders(c, q, dress);
    drawHead(c, q, Role::Fante, dress);

    // The hand on the hip, then the hand with the sign.
    drawArm(c, q, rightShoulder, {12.5, 17.5}, {7.4, 23.0}, dress);
    switch (suit) {
    case Suit::Coppe:
        // Raised, but not into the numeral's corner.
        drawHeldAt(c, q, dress, suit, {-12.6, 6.8}, 15, 0);
        drawArm(c, q, leftShoulder, {-14.6, 16}, {-12.6, 6.8}, dress);
        break;
    case Suit::Denari:
        drawArm(c, q, leftShoulder, {-12.5, 19}, {-5.0, 18.5}, dress);
        drawHeldAt(c, q, dress, suit, {-5.0, 18.5}, 19, 0);
        c.circle(onBody(dress, {-5.0, 18.5}).x, 18.5, 1.55, filled(q.flesh, q.ink, lw));
        break;
    case Suit::Spade:
        drawHeldAt(c, q, dress, suit, {-12.5, 24}, 40, -6);
        drawArm(c, q, leftShoulder, {-12.8, 17.5}, {-12.5, 24}, dress);
        break;
    case Suit::Bastoni:
        // Leaning on a long staff planted beside the left foot.
        drawBaton(c, q, onBody(dress, {-13.5, 67}), onBody(dress, {-12.0, 4}), 4.6);
        drawArm(c, q, leftShoulder, {-13.0, 16}, {-12.5, 21}, dress);
        break;
    }
}

// The king: a long robe trimmed with ermine under a cloak.
void drawRe(Canvas& c, const Palette& q, Suit suit, const Costume& dress)
{
    const double lw = q.line;
    {
    Group body(c, scale(dress.broad, 1));
    Path cloak;
    cloak.move(-7.5, 8.5).cubic(-16, 20, -17, 50, -17.5, 66.5).line(17.5, 66.5).cubic(17, 50, 16, 20, 7.5, 8.5).close();
    c.path(cloak, filled(dress.second, q.ink, lw));
    Path lining;
    lining.move(-16.2, 66).cubic(-16, 50, -15, 26, -10.5, 14);
    c.path(lining, stroked(dress.trim, 1.2));
    lining = Path();
    lining.move(16.2, 66).cubic(16, 50, 15, 26, 10.5, 14);
    c.path(lining, stroked(dress.trim, 1.2));
    c.ellipse(-4, 67.2, 2.8, 1.4, filled(q.ink, q.ink, lw));
    c.ellipse(4, 67.2, 2.8, 1.4, filled(q.ink, q.ink, lw));
    Path robe;
    robe.move(-8.5, 8.6).cubic(-9.6, 20, -13, 45, -13.5, 66).line(13.5, 66).cubic(13, 45, 9.6, 20, 8.5, 8.6)
        .cubic(4, 6.6, -4, 6.6, -8.5, 8.6).close();
    c.path(robe, filled(dress.main, q.ink, lw));
    // Ermine down the front and round the hem.
    c.path(polygon({{-1.8, 9}, {1.8, 9}, {3.4, 66}, {-3.4, 66}}), filled(q.white, q.ink, lw));
    Path hem;
    hem.move(-13.4, 62.4).quad(0, 64.0, 13.4, 62.4).line(13.5, 66).line(-13.5, 66).close();
    c.path(hem, filled(q.white, q.ink, lw));
    for (int i = 0; i < 9; ++i) {
        double y = 14 + i * 6;
        c.path(Path().move(0, y).line(0, y + 1.4), stroked(q.ink, 0.7));
    }
    for (int i = -5; i <= 5; ++i)
        c.path(Path().move(i * 2.4, 63.8).line(i * 2.4, 65.2), stroked(q.ink, 0.7));
    // Gold belt.
    c.path(Path().move(-7.2, 26).quad(0, 27.6, 7.2, 26), stroked(q.darkYellow, 1.8));
    c.path(Path().move(-7.2, 26).quad(0, 27.6, 7.2, 26), stroked(q.yellow, 1.0));
    }
    drawShoulders(c, q, dress);
    {
    // Ermine tippet over the shoulders.
    Group body(c, scale(dress.broad, 1));
    Path tippet;
    tippet.move(-9.6, 9.0).quad(0, 18.5, 9.6, 9.0).quad(0, 5.4, -9.6, 9.0).close();
    c.path(tippet, filled(q.white, q.ink, lw));
    for (double x : {-5.0, -2.0, 2.0, 5.0})
        c.path(Path().move(x, 10.6).line(x, 11.8), stroked(q.ink, 0.7));
    }
    drawHead(c, q, Role::Re, dress);

    switch (suit) {
    case Suit::Coppe:
        // The cup offered in both hands before his chest.
        drawArm(c, q, leftShoulder, {-11.5, 20}, {-3.6, 20.5}, dress);
        drawHeldAt(c, q, dress, suit, {-1.2, 20.5}, 14, 0);
        drawArm(c, q, rightShoulder, {11.5, 20}, {1.6, 21.5}, dress);
        c.circle(onBody(dress, {-3.6, 20.5}).x, 20.5, 1.55, filled(q.flesh, q.ink, lw));
        break;
    case Suit::Denari:
        drawArm(c, q, rightShoulder, {11.5, 19}, {4.5, 21}, dress);
        // Held low enough to keep clear of the numeral in the corner.
        drawHeldAt(c, q, dress, suit, {-13.6, 9.5}, 21, 0);
        drawArm(c, q, leftShoulder, {-15.0, 17}, {-13.6, 9.5}, dress);
        break;
    case Suit::Spade:
        drawArm(c, q, rightShoulder, {11.5, 19}, {4.5, 21}, dress);
        drawHeldAt(c, q, dress, suit, {-12.5, 23}, 42, 0);
        drawArm(c, q, leftShoulder, {-12.8, 17}, {-12.5, 23}, dress);
        break;
    case Suit::Bastoni:
        // The baton borne like a sceptre.
        drawArm(c, q, rightShoulder, {11.5, 19}, {4.5, 21}, dress);
        drawHeldAt(c, q, dress, suit, {-9.0, 22}, 34, -20);
        drawArm(c, q, leftShoulder, {-13.0, 18}, {-9.0, 22}, dress);
        break;
    }
}

// A horse walking to the left under a scalloped caparison, one foreleg raised.
void drawHorse(Canvas& c, const Palette& q, const Costume& dress)
{
    const double lw = q.line;
    // Far legs first, a shade darker.
    limb(c, {{-7, 40}, {-9, 50}, {-8.5, 58}, {-9.5, 66}}, 3.0, dress.mane, q.ink, lw);
    limb(c, {{15, 40}, {17.5, 50}, {16, 58}, {17, 66}}, 3.0, dress.mane, q.ink, lw);
    // Tail.
    std::vector<Pt> tail = sampleQuad({20.5, 29}, {26, 36}, {22.5, 53}, 10);
    c.path(ribbon(tail, [](double t) { return 4.0 * (1.0 - t * 0.6); }), filled(dress.mane, q.ink, lw));
    // Body, neck and head.
    Path body;
    body.move(-14, 31).cubic(-15, 24, -6, 23.5, 4, 24.5).cubic(12, 25, 20, 25, 21, 30).cubic(22.5, 36, 20, 42, 14, 42)
        .line(-8, 42).cubic(-14, 42, -15, 37, -14, 31).close();
    c.path(body, filled(dress.horse, q.ink, lw));
    // A shadow under the belly rounds the barrel, and lets a white horse
    // stand off white paper.
    Path belly;
    belly.move(-13.2, 36).cubic(-8, 39.6, 12, 39.8, 20.6, 35).cubic(20, 40, 17.5, 41.6, 14, 41.6).line(-8, 41.6)
        .cubic(-11.5, 41.6, -13, 39.5, -13.2, 36).close();
    c.path(belly, Paint{q.ink, "none", 0, 0.16});
    if (dress.dapples)
        for (Pt d : {Pt{-13.5, 15.5}, Pt{-15.6, 20.5}, Pt{-12.2, 22}, Pt{-15, 27}, Pt{-3.5, 39.5}, Pt{9.5, 39.5}})
            c.circle(d.x, d.y, 1.2, Paint{q.ink, "none", 0, 0.18});
    Path neck;
    neck.move(-2, 26).cubic(-5, 20, -8, 14, -10.5, 9.5).line(-17.5, 12.5).cubic(-18.5, 20, -17, 28, -14.5, 35).close();
    c.path(neck, filled(dress.horse, q.ink, lw));
    Path head;
    head.move(-10.5, 9.5).cubic(-12.5, 7, -15.5, 7.2, -17.2, 8.6).cubic(-20, 11.5, -23, 15.5, -25, 19.2)
        .cubic(-26, 21.2, -25, 23.2, -23, 23.1).cubic(-21, 23, -19.4, 21.6, -18, 19).cubic(-17.6, 17, -17.5, 14.5, -17.5, 12.5)
        .close();
    c.path(head, filled(dress.horse, q.ink, lw));
    c.path(polygon({{-12.6, 8.4}, {-11.6, 4.4}, {-14.4, 7.8}}), filled(dress.horse, q.ink, lw));
    c.circle(-16.3, 12.2, 0.7, fillOnly(q.ink));
    c.ellipse(-23.8, 20.6, 0.6, 0.4, fillOnly(q.ink));
    std::vector<Pt> mane = sampleQuad({-11.5, 8}, {-6.5, 15}, {-3, 25}, 8);
    c.path(ribbon(mane, [](double t) { return 2.6 + t; }), filled(dress.mane, q.ink, lw));
    // Bridle.
    c.path(Path().move(-13.5, 9.2).line(-18.8, 19.4).line(-24.5, 19.8), stroked(q.darkRed, 0.8));
    c.path(Path().move(-13.4, 9.4).line(-14.5, 15.0).line(-18.8, 19.4), stroked(q.darkRed, 0.8));
    // Near legs: one standing, one foreleg lifted.
    limb(c, {{-11, 40}, {-12.5, 50}, {-11.5, 58}, {-12.5, 66}}, 3.2, dress.horse, q.ink, lw);
    limb(c, {{-6, 39}, {-12, 46}, {-16.5, 49}, {-17.5, 52}}, 3.2, dress.horse, q.ink, lw);
    limb(c, {{13, 40}, {14.5, 50}, {13, 58}, {14, 66}}, 3.2, dress.horse, q.ink, lw);
    for (Pt hoof : {Pt{-12.6, 66.6}, Pt{14.1, 66.6}, Pt{-9.6, 66.4}, Pt{17.1, 66.4}})
        c.ellipse(hoof.x, hoof.y, 2.0, 1.0, filled(q.ink, q.ink, lw));
    c.ellipse(-17.8, 52.8, 1.4, 1.8, filled(q.ink, q.ink, lw));
    // Caparison: Naples hangs it to the knees; Piacenza, whose half figure is
    // cut at the horse's belly, has a short saddle cloth so that no solid band
    // of colour meets its mirror image across the middle of the card.
    const bool full = q.deck == Deck::Napoletane;
    const double hem = full ? 46 : 36.5;
    const double notch = full ? 3.5 : 2.6;
    const double front = full ? -12.5 : -9.0;
    const double back = full ? 20.5 : 16.5;
    const int scallops = full ? 8 : 6;
    const double step = (back - front) / scallops;
    Path drape;
    drape.move(front, 28).cubic(front + 8.5, 24.5, back - 10.5, 24.5, back, 28);
    for (int i = 0; i < scallops; ++i) {
        double x = back - i * step;
        drape.line(x - step / 2, hem).line(x - step, hem - notch);
    }
    drape.close();
    c.path(drape, filled(dress.second, q.ink, lw));
    Path border;
    border.move(front + 0.2, hem - notch - 1.7).line(back + 0.1, hem - notch - 1.7);
    c.path(border, stroked(dress.trim, 1.2));
    const int studs = full ? 6 : 4;
    const double firstStud = full ? front + 4.5 : front + 3.5;
    const double studStep = full ? 5.6 : (back - front - 7) / (studs - 1);
    for (int i = 0; i < studs; ++i)
        c.circle(firstStud + i * studStep, full ? 34.5 : 30.5, 0.9, fillOnly(dress.trim));
    // Saddle.
    c.path(Path().move(-4.5, 25.5).quad(1, 28.5, 7.5, 24.2).line(8.2, 21.8).quad(1, 26, -4.5, 23).close(),
           filled(q.darkWood, q.ink, lw));
}

void drawCavallo(Canvas& c, const Palette& q, Suit suit, const Costume& dress)
{
    const double lw = q.line;
    // A short cape flying behind the rider.
    Path cape;
    cape.move(4, 8.5).cubic(12, 10, 17, 16, 20, 24).line(10.5, 25).cubic(10, 18, 8, 12, 4, 8.5).close();
    c.path(cape, filled(dress.trim, q.ink, lw));
    drawHorse(c, q, dress);
    // The rider's near leg in the stirrup.
    limb(c, {{0.5, 24.5}, {-4.5, 32.5}, {-3.5, 42.5}}, 4.0, dress.second, q.ink, lw);
    c.path(Path().move(-5.8, 44).quad(-3, 42.6, -0.4, 43.8).line(-0.6, 45.4).line(-6, 45.4).close(),
           filled(q.ink, q.ink, lw));
    c.path(Path().move(-6.5, 46).line(-0.5, 46), stroked(q.yellow, 0.8));
    {
        Group body(c, scale(dress.broad, 1));
        drawDoublet(c, q, dress);
    }
    drawShoulders(c, q, dress);
    drawHead(c, q, Role::Cavallo, dress);

    // The left hand holds the reins; the right raises the sign.
    drawArm(c, q, leftShoulder, {-11.5, 17}, {-6.0, 20.5}, dress);
    c.path(Path().move(-6.0, 20.5).quad(-15, 24, -24.2, 20.2), stroked(q.darkRed, 0.7));
    // Piacenza's half figure has less room above the rider, so the sword and
    // the baton are held lower and upright to stay inside the rule.
    struct Raised {
        Pt elbow;
        Pt hand;
        double size;
        double angle;
    };
    const bool naples = q.deck == Deck::Napoletane;
    Raised raised{};
    switch (suit) {
    case Suit::Coppe:
        raised = {{14.5, 13}, {13.8, 3.5}, 14, 0};
        break;
    case Suit::Denari:
        raised = {{14.5, 13}, {13.8, 3.5}, 19, 0};
        break;
    case Suit::Spade:
        raised = naples ? Raised{{15.5, 15}, {14.5, 7}, 29, 8} : Raised{{15.5, 17}, {14.0, 11}, 26, 3};
        break;
    case Suit::Bastoni:
        raised = naples ? Raised{{15.5, 15.5}, {14.0, 8}, 30, 12} : Raised{{15.5, 17}, {14.0, 11}, 27, 8};
        break;
    }
    drawHeldAt(c, q, dress, suit, raised.hand, raised.size, raised.angle);
    drawArm(c, q, rightShoulder, raised.elbow, raised.hand, dress);
}

void drawRole(Canvas& c, const Palette& p, Suit suit, int rank, Pt head, double k)
{
    Group g(c, translate(head.x, head.y) + " " + scale(k));
    Palette q = p;
    q.line = p.line / k;
    Costume dress = costume(p, suit);
    if (p.deck == Deck::Napoletane)
        dress.broad = rank == 9 ? 1.08 : 1.18;
    if (rank == 8)
        drawFante(c, q, suit, dress);
    else if (rank == 9)
        drawCavallo(c, q, suit, dress);
    else
        drawRe(c, q, suit, dress);
}

} // namespace

void paintFigure(Canvas& canvas, const Palette& p, Suit suit, int rank, double width, double height)
{
    const double cx = width / 2;
    if (p.deck == Deck::Napoletane) {
        // Full length, standing on a patch of ground.
        const Pt head = rank == 9 ? Pt{cx + 1.5, 19.0} : Pt{cx + 1.0, rank == 10 ? 18.5 : 18.0};
        const double k = rank == 9 ? 1.0 : 1.15;
        canvas.ellipse(cx, head.y + 68.0 * k, 23, 3.2, Paint{p.green, "none", 0, 0.35});
        Group clip(canvas, "", canvas.clipRect(0.8, 0.8, width - 1.6, height - 1.6));
        drawRole(canvas, p, suit, rank, head, k);
        return;
    }
    // Double-headed: the top half is drawn, clipped at the middle, and turned
    // about the centre for the bottom half.
    const double mid = height / 2;
    const std::string clipId = canvas.clipRect(2.4, 2.4, width - 4.8, mid - 2.4);
    for (int half = 0; half < 2; ++half) {
        Group turned(canvas, half == 0 ? "" : "rotate(180 " + num(cx) + " " + num(mid) + ")", clipId);
        if (rank == 9)
            drawRole(canvas, p, suit, rank, {cx + 4.5, 14.0}, 0.78);
        else
            drawRole(canvas, p, suit, rank, {cx + 1.5, rank == 10 ? 16.0 : 14.5}, 1.15);
    }
    canvas.path(Path().move(2.4, mid).line(width - 2.4, mid), stroked(p.ink, 0.6));
}

} // namespace italian_deck
