// The pip cards 2 to 7. Each deck lays its signs out in its own way: Naples in
// the old rows and columns, its swords bowing in pairs with their hilts below and
// its clubs in a lattice; Piacenza in figures turned about the centre, as its cards
// are read either way up, with leafy sprigs between the signs, swords hilt to tip
// and clubs gathered in a sheaf under a tie.
#include "card_parts.h"

#include "emblems.h"
#include "ornaments.h"
#include "suit_signs.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace italian_deck {

namespace {

struct Spot {
    double fx, fy;
};

std::vector<Spot> naplesSpots(Suit suit, int rank)
{
    const double l = 0.25, r = 0.75;
    switch (rank) {
    case 2:
        return {{0.5, 0.2}, {0.5, 0.8}};
    case 3:
        if (suit == Suit::Denari)
            return {{0.24, 0.14}, {0.5, 0.5}, {0.76, 0.86}};
        return {{0.5, 0.18}, {0.27, 0.78}, {0.73, 0.78}};
    case 4:
        if (suit == Suit::Denari)
            return {{0.22, 0.12}, {0.78, 0.12}, {0.22, 0.88}, {0.78, 0.88}};
        return {{l, 0.22}, {r, 0.22}, {l, 0.78}, {r, 0.78}};
    case 5:
        return {{l, 0.16}, {r, 0.16}, {0.5, 0.5}, {l, 0.84}, {r, 0.84}};
    case 6:
        return {{l, 0.14}, {r, 0.14}, {l, 0.5}, {r, 0.5}, {l, 0.86}, {r, 0.86}};
    default:
        return {{l, 0.1}, {r, 0.1}, {0.5, 0.36}, {l, 0.62}, {r, 0.62}, {l, 0.9}, {r, 0.9}};
    }
}

std::vector<Spot> piacenzaSpots(Suit suit, int rank)
{
    switch (rank) {
    case 2:
        if (suit == Suit::Denari)
            return {{0.3, 0.19}, {0.7, 0.81}};
        return {{0.27, 0.5}, {0.73, 0.5}};
    case 3:
        if (suit == Suit::Denari)
            return {{0.5, 0.15}, {0.5, 0.5}, {0.5, 0.85}};
        return {{0.27, 0.2}, {0.73, 0.2}, {0.5, 0.78}};
    case 4:
        if (suit == Suit::Denari)
            return {{0.5, 0.12}, {0.14, 0.5}, {0.86, 0.5}, {0.5, 0.88}};
        return {{0.5, 0.14}, {0.22, 0.5}, {0.78, 0.5}, {0.5, 0.86}};
    case 5:
        return {{0.5, 0.13}, {0.17, 0.5}, {0.5, 0.5}, {0.83, 0.5}, {0.5, 0.87}};
    case 6:
        return {{0.5, 0.1}, {0.25, 0.31}, {0.75, 0.31}, {0.25, 0.69}, {0.75, 0.69}, {0.5, 0.9}};
    default:
        return {{0.5, 0.1}, {0.25, 0.31}, {0.75, 0.31}, {0.5, 0.5}, {0.25, 0.69}, {0.75, 0.69}, {0.5, 0.9}};
    }
}

// A short stem with three leaves and a red bud, pointing along `angle` degrees from up.
void sprig(Canvas& canvas, const Palette& p, Pt at, double length, double angle)
{
    Group g(canvas, translate(at.x, at.y) + " " + rotate(angle));
    std::vector<Pt> stem = sampleQuad({0, length / 2}, {length * 0.25, 0}, {0, -length / 2}, 4);
    drawLaurel(canvas, p, stem, length * 0.42);
    canvas.circle(0, -length / 2, length * 0.11, filled(p.red, p.ink, p.line));
}

void paintRoundPips(Canvas& canvas, const Palette& p, Suit suit, int rank)
{
    const bool naples = p.deck == Deck::Napoletane;
    Box b = pipBox(p.deck);
    static const double naplesCoin[] = {0, 0, 26, 21, 17, 19, 18, 16.5};
    static const double naplesCup[] = {0, 0, 36, 28, 32, 27, 25, 20};
    static const double piacenzaCoin[] = {0, 0, 24, 20, 15, 14.5, 16, 15.5};
    static const double piacenzaCup[] = {0, 0, 26, 25, 24, 19, 16.5, 16.5};
    const bool coins = suit == Suit::Denari;
    const double size = naples ? (coins ? naplesCoin : naplesCup)[rank] : (coins ? piacenzaCoin : piacenzaCup)[rank];

    if (!naples) {
        // Piacenza fills the gaps between its signs with leafy sprigs.
        switch (rank) {
        case 2:
            if (coins) {
                Path vine;
                vine.move(b.x(0.3), b.y(0.19)).cubic(b.x(1.0), b.y(0.35), b.x(0.0), b.y(0.65), b.x(0.7), b.y(0.81));
                canvas.path(vine, stroked(p.darkGreen, 1.3));
                sprig(canvas, p, {b.x(0.72), b.y(0.4)}, 10, 40);
                sprig(canvas, p, {b.x(0.28), b.y(0.6)}, 10, 220);
            } else {
                // Two cups side by side, a spray of flowers above and below them.
                for (double fy : {0.25, 0.75}) {
                    sprig(canvas, p, {b.x(0.5), b.y(fy)}, 14, fy < 0.5 ? 0 : 180);
                    sprig(canvas, p, {b.x(0.3), b.y(fy)}, 10, fy < 0.5 ? -40 : 220);
                    sprig(canvas, p, {b.x(0.7), b.y(fy)}, 10, fy < 0.5 ? 40 : 140);
                }
            }
            break;
        case 3:
            if (coins) {
                for (double fy : {0.33, 0.67})
                    for (double side : {-1.0, 1.0})
                        sprig(canvas, p, {b.x(0.5 + side * 0.3), b.y(fy)}, 9, side * 50 + (fy > 0.5 ? 180 : 0));
            } else {
                sprig(canvas, p, {b.x(0.5), b.y(0.32)}, 10, 0);
            }
            break;
        case 5:
            for (double fx : {0.22, 0.78})
                for (double fy : {0.27, 0.73})
                    sprig(canvas, p, {b.x(fx), b.y(fy)}, 10, (fx < 0.5 ? -1 : 1) * (fy < 0.5 ? 30 : 150));
            break;
        case 6:
            sprig(canvas, p, {b.x(0.5), b.y(0.5)}, 12, 0);
            break;
        default:
            break;
        }
    }
    if (coins && rank == 4) {
        // The four of coins carries a coat of arms between them.
        Group g(canvas, translate(b.cx(), b.cy()));
        drawCoatOfArms(canvas, p, naples ? 46 : 40);
    }
    const std::vector<Spot> spots = naples ? naplesSpots(suit, rank) : piacenzaSpots(suit, rank);
    for (std::size_t i = 0; i < spots.size(); ++i) {
        Spot s = spots[i];
        // The middle sign of Piacenza's cross stands out larger.
        double k = !naples && rank == 5 && i == 2 ? 1.2 : 1.0;
        Group g(canvas, translate(b.x(s.fx), b.y(s.fy)));
        if (coins)
            drawCoin(canvas, p, size * k);
        else
            drawCup(canvas, p, size * k);
    }
}

// A pair of sabres bowing across each other into a long oval, meeting near
// their ends; `hiltLeftDown` and `hiltRightDown` say which end each hilt is at.
void sabrePair(Canvas& canvas, const Palette& p, double cx, double top, double bottom, double end, double bulge,
               bool hiltLeftDown, bool hiltRightDown, double width)
{
    const double mid = (top + bottom) / 2;
    for (double side : {-1.0, 1.0}) {
        // side -1 starts on the right and bows to the left, side +1 the other way.
        const double x = cx - side * end;
        const bool down = side < 0 ? hiltRightDown : hiltLeftDown;
        const Pt c{x + side * 2.0 * bulge, mid};
        if (down)
            drawSword(canvas, p, {x, bottom}, c, {x, top - 1}, width);
        else
            drawSword(canvas, p, {x, top}, c, {x, bottom + 1}, width);
    }
}

// Where the lower pair of blades cross: the ribbon is tied there.
double crossingY(double top, double bottom, double end, double bulge)
{
    // x(t) = end - 4 bulge t (1 - t) is zero where t (1 - t) = end / (4 bulge).
    const double q = end / (4 * bulge);
    const double t = (1 - std::sqrt(std::max(0.0, 1 - 4 * q))) / 2;
    return bottom - t * (bottom - top);
}

void paintNaplesSwords(Canvas& canvas, const Palette& p, int rank)
{
    Box b = pipBox(p.deck);
    const double cx = b.cx();
    const double top = b.y0 + 3, bottom = b.y1 - 7;
    const double mid = (top + bottom) / 2;
    const double blade = rank <= 3 ? 2.7 : rank <= 5 ? 2.4 : 2.1;
    struct Pair {
        double end, bulge;
        bool leftDown, rightDown;
    };
    // Up to five, the outer pair has its hilts below and the inner above; the six
    // and seven turn each pair hilt to tip, three hilts at each end, so that none
    // is hidden where the blades cross.
    std::vector<Pair> pairs;
    if (rank <= 3)
        pairs = {{10, 28, true, true}};
    else if (rank <= 5)
        pairs = {{15.5, 31, true, true}, {8, 17, false, false}};
    else
        pairs = {{18.5, 36, true, false}, {11, 24.5, false, true}, {4.5, 11, true, false}};
    for (const Pair& pr : pairs)
        sabrePair(canvas, p, cx, top, bottom, pr.end, pr.bulge, pr.leftDown, pr.rightDown, blade);
    if (rank == 5) {
        // The five keeps a little landscape in the oval between its blades.
        drawSword(canvas, p, {cx, bottom}, {cx, mid}, {cx, top - 1}, blade);
        Group g(canvas, translate(cx, mid));
        drawLittleScene(canvas, p, 13, 19);
    } else if (rank == 3) {
        drawSword(canvas, p, {cx, top + 1}, {cx, mid}, {cx, bottom + 1}, blade);
    } else if (rank == 7) {
        // Set lower than the row of hilts above it, so it is counted on its own.
        drawSword(canvas, p, {cx, top + 11}, {cx, mid}, {cx, bottom - 2}, blade);
    }
    if (rank <= 3) {
        // The two and the three are bound with a ribbon where the blades cross.
        Group g(canvas, translate(cx, crossingY(top, bottom, 10, 28) - 1));
        drawBow(canvas, p, 15, p.red);
    }
}

// Piacenza turns each pair hilt to tip, so either end of the card shows the same.
void paintPiacenzaSwords(Canvas& canvas, const Palette& p, int rank)
{
    Box b = pipBox(p.deck);
    const double cx = b.cx();
    const double top = b.y0 + 4, bottom = b.y1 - 4;
    const double mid = (top + bottom) / 2;
    const double blade = rank <= 3 ? 3.8 : rank <= 5 ? 3.2 : 2.6;
    // One wide oval for the two and three; from the four on, narrow ovals stand
    // side by side, so every hilt has a place of its own at the top or the bottom.
    if (rank <= 3) {
        sabrePair(canvas, p, cx, top, bottom, 12, 24, false, true, blade);
    } else {
        const int lenses = rank / 2;
        // Neighbouring ovals bow into each other, so the blades interlace.
        const double gap = lenses == 2 ? 14.0 : 14.5;
        for (int i = 0; i < lenses; ++i) {
            const double x = cx + (i - (lenses - 1) / 2.0) * gap;
            sabrePair(canvas, p, x, top, bottom, 2.0, lenses == 2 ? 12.0 : 10.0, true, false, blade);
        }
    }
    if (rank % 2 == 1) {
        // The odd sword lies across the middle, where it reads the same either way up.
        drawSword(canvas, p, {b.x0 + 12, mid}, {cx, mid}, {b.x1 - 1, mid}, blade);
    }
}

// Naples crosses its clubs in a lattice, half leaning each way, spaced so that no
// two share an end; an odd count lays one upright on top, and the three wears a
// leafy mask where its clubs cross.
void paintNaplesBatons(Canvas& canvas, const Palette& p, int rank)
{
    Box b = pipBox(p.deck);
    const double cx = b.cx();
    const double top = b.y0 + 3, bottom = b.y1 - 3;
    const int perSide = rank / 2;
    // `lean` is half the horizontal travel of a leaning club and `spacing` the gap
    // between neighbours, chosen so that the heads fall evenly across the top.
    double spacing = 16.0, lean = 14.0;
    switch (rank) {
    case 4: spacing = 13.0; lean = 13.0; break;
    case 5: spacing = 9.5; lean = 14.25; break;
    case 6: spacing = 8.0; lean = 12.0; break;
    case 7: spacing = 6.6; lean = 13.2; break;
    default: break;
    }
    const double width = rank <= 3 ? 5.2 : rank <= 5 ? 4.2 : 3.4;
    const int stubs = rank >= 6 ? 0 : rank == 5 ? 2 : 4;
    for (double side : {-1.0, 1.0}) {
        for (int i = 0; i < perSide; ++i) {
            double o = (i - (perSide - 1) / 2.0) * spacing;
            drawBaton(canvas, p, {cx - side * lean + o, bottom}, {cx + side * lean + o, top}, width, stubs);
        }
    }
    if (rank % 2 == 1)
        drawBaton(canvas, p, {cx, bottom}, {cx, top}, width, stubs);
    if (rank == 3) {
        Group g(canvas, translate(cx, (top + bottom) / 2));
        drawLeafMask(canvas, p, 24);
    }
}

// Piacenza gathers its clubs in a sheaf through the middle, heads alternately up
// and down, bound with a red tie; the ends fan out so each one can be counted.
void paintPiacenzaBatons(Canvas& canvas, const Palette& p, int rank)
{
    Box b = pipBox(p.deck);
    const double cx = b.cx(), cy = b.cy();
    const double spread = rank == 2 ? 30.0 : rank == 3 ? 34.0 : rank <= 5 ? 40.0 : 43.0;
    const double width = rank <= 3 ? 6.4 : rank <= 5 ? 5.6 : 4.8;
    // The sheaf is shorter than the card, leaving room for a sprig at each end.
    const double reach = (b.y1 - b.y0) * (rank <= 5 ? 0.36 : 0.4);
    for (int i = 0; i < rank; ++i) {
        const double a = (-spread + 2 * spread * i / (rank - 1)) * std::numbers::pi / 180;
        const Pt dir{std::sin(a), -std::cos(a)};
        const Pt up{cx + dir.x * reach, cy + dir.y * reach};
        const Pt down{cx - dir.x * reach, cy - dir.y * reach};
        if (i % 2 == 0)
            drawBaton(canvas, p, down, up, width, 2);
        else
            drawBaton(canvas, p, up, down, width, 2);
    }
    const double tie = rank <= 3 ? 11 : 13;
    canvas.rect(cx - tie / 2, cy - 3.2, tie, 6.4, 1.2, filled(p.red, p.ink, p.line * 1.2));
    canvas.path(Path().move(cx - tie / 2, cy).line(cx + tie / 2, cy), stroked(p.yellow, 1.0));
    sprig(canvas, p, {cx, b.y0 + 4}, 9, 0);
    sprig(canvas, p, {cx, b.y1 - 4}, 9, 180);
}

} // namespace

void paintPips(Canvas& canvas, const Palette& p, Suit suit, int rank)
{
    const bool naples = p.deck == Deck::Napoletane;
    switch (suit) {
    case Suit::Coppe:
    case Suit::Denari:
        paintRoundPips(canvas, p, suit, rank);
        break;
    case Suit::Spade:
        if (naples)
            paintNaplesSwords(canvas, p, rank);
        else
            paintPiacenzaSwords(canvas, p, rank);
        break;
    case Suit::Bastoni:
        if (naples)
            paintNaplesBatons(canvas, p, rank);
        else
            paintPiacenzaBatons(canvas, p, rank);
        break;
    }
}

} // namespace italian_deck
