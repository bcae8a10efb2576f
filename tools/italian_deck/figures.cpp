// The court cards: fante, cavallo and re of both decks, each holding its suit's sign.
//
// Every figure is drawn in "head units": the centre of the face is the origin
// and the face is about ten units tall, so the same body, arms and horse serve
// the full-length Neapolitan figures and the Piacentine half figures alike.
#include "figures.h"

#include "figure_parts.h"

#include "ornaments.h"
#include "shapes.h"
#include "suit_signs.h"

#include <functional>

namespace italian_deck {

namespace {

// Each suit dresses its court in its own colours, and rides its own horse.
Costume costume(const Palette& p, Suit suit)
{
    switch (suit) {
    case Suit::Coppe:
        return {p.red, p.blue, p.yellow, "#f7f4ee", "#b9b1a2", true};
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
void drawFante(Canvas& c, const Palette& q, Suit suit, const Costume& dress, int gaze)
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
    drawHead(c, q, Role::Fante, suit, dress, gaze);

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
void drawRe(Canvas& c, const Palette& q, Suit suit, const Costume& dress, int gaze)
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
    drawHead(c, q, Role::Re, suit, dress, gaze);

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

void drawCavallo(Canvas& c, const Palette& q, Suit suit, const Costume& dress, int gaze)
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
    drawHead(c, q, Role::Cavallo, suit, dress, gaze);

    // The left hand holds the reins; the right raises the sign.
    drawArm(c, q, leftShoulder, {-11.5, 17}, {-6.0, 20.5}, dress);
    c.path(Path().move(-6.0, 20.5).quad(-15, 24, -21.8, 21.0), stroked(q.darkRed, 0.7));
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

// Which way each figure turns and looks, so that no two of a deck stand alike;
// Piacenza turns the other way from Naples wherever Naples faces front.
struct Pose {
    bool mirrored;
    int gaze;
};

Pose pose(Deck deck, Suit suit, int rank)
{
    // Indexed by suit, then fante, cavallo, re.
    static const Pose naples[4][3] = {
        {{false, -1}, {false, -1}, {false, 0}},
        {{true, 1}, {true, -1}, {true, 1}},
        {{false, 1}, {false, 0}, {true, -1}},
        {{true, -1}, {true, 1}, {false, 1}},
    };
    Pose chosen = naples[int(suit)][rank - 8];
    if (deck == Deck::Piacentine) {
        chosen.mirrored = !chosen.mirrored;
        chosen.gaze = -chosen.gaze;
    }
    return chosen;
}

void drawRole(Canvas& c, const Palette& p, Suit suit, int rank, Pt head, double k)
{
    const Pose turn = pose(p.deck, suit, rank);
    Group g(c, translate(head.x, head.y) + " " + scale(turn.mirrored ? -k : k, k));
    Palette q = p;
    q.line = p.line / k;
    Costume dress = costume(p, suit);
    if (p.deck == Deck::Napoletane)
        dress.broad = rank == 9 ? 1.08 : 1.18;
    if (rank == 8)
        drawFante(c, q, suit, dress, turn.gaze);
    else if (rank == 9)
        drawCavallo(c, q, suit, dress, turn.gaze);
    else
        drawRe(c, q, suit, dress, turn.gaze);
}


// The colour each suit is known by: it paints the base the Neapolitan figures
// stand on and the band between the Piacentine half figures.
const std::string& suitColour(const Palette& p, Suit suit)
{
    switch (suit) {
    case Suit::Coppe: return p.red;
    case Suit::Denari: return p.yellow;
    case Suit::Spade: return p.blue;
    default: return p.green;
    }
}

} // namespace

void paintFigure(Canvas& canvas, const Palette& p, Suit suit, int rank, double width, double height)
{
    const double cx = width / 2;
    // The figures are drawn a little off centre, towards the side the body leans.
    const double lean = pose(p.deck, suit, rank).mirrored ? -1.0 : 1.0;
    if (p.deck == Deck::Napoletane) {
        // Full length, standing on a base in the suit's colour.
        // The cavallo is drawn smaller and set lower, so every base is as tall.
        const Pt head = rank == 9 ? Pt{cx + 1.5 * lean, 24.0} : Pt{cx + 1.0 * lean, rank == 10 ? 17.5 : 17.0};
        const double k = rank == 9 ? 1.0 : 1.13;
        const double baseTop = rank == 9 ? 91.0 : head.y + 66.8 * k;
        canvas.rect(2.2, baseTop, width - 4.4, height - 2.2 - baseTop, 0, filled(suitColour(p, suit), p.ink, p.line));
        canvas.path(Path().move(2.2, baseTop + 1.3).line(width - 2.2, baseTop + 1.3), stroked(p.white, 0.5));
        Group clip(canvas, "", canvas.clipRect(0.8, 0.8, width - 1.6, height - 1.6));
        drawRole(canvas, p, suit, rank, head, k);
        return;
    }
    // Double-headed: the top half is drawn, clipped above the band across the
    // middle, and turned about the centre for the bottom half.
    const double mid = height / 2;
    const double band = 1.6;
    const std::string clipId = canvas.clipRect(2.4, 2.4, width - 4.8, mid - band - 2.4);
    for (int half = 0; half < 2; ++half) {
        Group turned(canvas, half == 0 ? "" : "rotate(180 " + num(cx) + " " + num(mid) + ")", clipId);
        if (rank == 9)
            drawRole(canvas, p, suit, rank, {cx + 0.5 * lean, 14.0}, 0.74);
        else
            drawRole(canvas, p, suit, rank, {cx + 1.5 * lean, rank == 10 ? 16.0 : 14.5}, 1.12);
    }
    canvas.rect(2.4, mid - band, width - 4.8, 2 * band, 0, filled(suitColour(p, suit), p.ink, p.line));
    canvas.path(Path().move(2.4, mid).line(width - 2.4, mid), stroked(p.white, 0.5));
}

} // namespace italian_deck
