// Faces and backs of the Neapolitan and Piacentine cards, drawn in card pixels.
#include "card_faces.h"

#include "figures.h"
#include "ornaments.h"
#include "suit_signs.h"

#include <cmath>
#include <vector>

namespace italian_deck {

namespace {

struct Box {
    double x0, y0, x1, y1;
    double x(double f) const { return x0 + (x1 - x0) * f; }
    double y(double f) const { return y0 + (y1 - y0) * f; }
    double cx() const { return (x0 + x1) / 2; }
    double cy() const { return (y0 + y1) / 2; }
};

// Where the pips may go: Piacenza keeps the corners free for its numerals.
Box pipBox(Deck deck)
{
    CardSize s = cardSize(deck);
    return deck == Deck::Napoletane ? Box{4, 5, s.width - 4, s.height - 5} : Box{5, 10, s.width - 5, s.height - 10};
}

void paintPaper(Canvas& canvas, const Palette& p)
{
    CardSize s = cardSize(p.deck);
    canvas.rect(0, 0, s.width, s.height, 0, fillOnly(p.paper));
    if (p.deck == Deck::Piacentine) {
        // A black rule inside the edge, broken at the numeral corners.
        canvas.rect(2.2, 2.2, s.width - 4.4, s.height - 4.4, 1.5, stroked(p.ink, 0.45));
    }
    canvas.rect(0.4, 0.4, s.width - 0.8, s.height - 0.8, 0, stroked(p.ink, 0.8));
}

void paintIndices(Canvas& canvas, const Palette& p, int rank)
{
    if (p.deck == Deck::Napoletane) {
        // A small red number in the top corner only: the figures stand one way up.
        drawNumeral(canvas, rank, 2.4, 2.2, 4.8, p.darkRed, 0.75);
        return;
    }
    CardSize s = cardSize(p.deck);
    const double h = 6.4;
    const double w = numeralWidth(rank, h);
    // Paper behind the numeral cuts the inner rule, as on the printed cards.
    canvas.rect(1.2, 1.2, w + 3.6, h + 3.2, 0, fillOnly(p.paper));
    drawNumeral(canvas, rank, 3.0, 2.8, h, p.ink, 0.95);
    Group turned(canvas, translate(s.width, s.height) + " " + rotate(180));
    canvas.rect(1.2, 1.2, w + 3.6, h + 3.2, 0, fillOnly(p.paper));
    drawNumeral(canvas, rank, 3.0, 2.8, h, p.ink, 0.95);
}

struct Spot {
    double fx, fy;
};

std::vector<Spot> spots(Suit suit, int rank)
{
    const double l = 0.25, r = 0.75;
    switch (rank) {
    case 2:
        return {{0.5, 0.22}, {0.5, 0.78}};
    case 3:
        if (suit == Suit::Denari)
            return {{0.24, 0.17}, {0.5, 0.5}, {0.76, 0.83}};
        return {{0.5, 0.2}, {0.27, 0.76}, {0.73, 0.76}};
    case 4:
        return {{l, 0.24}, {r, 0.24}, {l, 0.76}, {r, 0.76}};
    case 5:
        return {{l, 0.18}, {r, 0.18}, {0.5, 0.5}, {l, 0.82}, {r, 0.82}};
    case 6:
        return {{l, 0.15}, {r, 0.15}, {l, 0.5}, {r, 0.5}, {l, 0.85}, {r, 0.85}};
    default:
        return {{l, 0.11}, {r, 0.11}, {0.5, 0.37}, {l, 0.63}, {r, 0.63}, {l, 0.89}, {r, 0.89}};
    }
}

void paintRoundPips(Canvas& canvas, const Palette& p, Suit suit, int rank)
{
    Box b = pipBox(p.deck);
    static const double coinSize[] = {0, 0, 27, 22, 21, 19.5, 18.5, 17};
    static const double cupSize[] = {0, 0, 35, 27, 31, 25.5, 25, 19.5};
    for (Spot s : spots(suit, rank)) {
        Group g(canvas, translate(b.x(s.fx), b.y(s.fy)));
        if (suit == Suit::Denari)
            drawCoin(canvas, p, coinSize[rank]);
        else
            drawCup(canvas, p, cupSize[rank]);
    }
}

// Six and seven swords would bunch their hilts together as nested pairs, so
// they stand side by side instead, hilts alternately up and down and each tip
// stopping short of the hilts at the other end. The six is three columns, each
// a hilt-up and a hilt-down sabre bowing apart into a narrow oval; the seven
// has four hilts above and three below, the blades flaring gently outwards.
void paintSwordSheaf(Canvas& canvas, const Palette& p, int rank, double cx, double top, double bottom)
{
    struct Blade {
        double x, bow;
        bool hiltUp;
    };
    std::vector<Blade> blades;
    if (rank == 6) {
        for (double x : {-15.0, 0.0, 15.0}) {
            blades.push_back({x, -3.6, true});
            blades.push_back({x, 3.6, false});
        }
    } else {
        for (double x : {-16.0, -5.4, 5.4, 16.0})
            blades.push_back({x, x / 16.0 * 1.8, true});
        for (double x : {-10.7, 0.0, 10.7})
            blades.push_back({x, x / 10.7 * 1.8, false});
    }
    const double width = 2.2;
    for (const Blade& b : blades) {
        const double end = b.x + b.bow * 0.7;
        const Pt hilt{cx + b.x, b.hiltUp ? top + 3.5 : bottom};
        const Pt tip{cx + end, b.hiltUp ? bottom - 4 : top + 7};
        // The control point that puts the blade's middle `bow` to one side.
        const double peak = b.x + b.bow;
        drawSword(canvas, p, hilt, {cx + 2 * peak - (b.x + end) / 2, (hilt.y + tip.y) / 2}, tip, width);
    }
}

// Curved blades bowing out in pairs, crossing near their ends; an odd count
// adds a straight sword down the middle.
void paintSwordPips(Canvas& canvas, const Palette& p, int rank)
{
    Box b = pipBox(p.deck);
    const double cx = b.cx();
    const double top = b.y0 + 3, bottom = b.y1 - 5;
    const double mid = (top + bottom) / 2;
    struct Pair {
        double end, bulge;
    };
    if (rank >= 6) {
        paintSwordSheaf(canvas, p, rank, cx, top, bottom);
        return;
    }
    std::vector<Pair> pairs;
    if (rank <= 3)
        pairs = {{10, 28}};
    else if (rank <= 5)
        pairs = {{12, 31}, {5, 15}};
    else
        pairs = {{12, 31}, {5, 15}};
    const double blade = rank <= 3 ? 3.2 : 2.8;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const Pair& pr = pairs[i];
        // Inner pairs are turned the other way up so hilts stand at both ends.
        bool hiltDown = i % 2 == 0;
        for (double side : {-1.0, 1.0}) {
            Pt a{cx - side * pr.end, bottom};
            Pt c{cx - side * pr.end + side * 2.0 * pr.bulge, mid};
            Pt t{cx - side * pr.end, top};
            if (hiltDown)
                drawSword(canvas, p, a, c, t, blade);
            else
                drawSword(canvas, p, Pt{t.x, t.y + 3}, c, Pt{a.x, a.y + 3}, blade);
        }
    }
    // The upright sword turns its hilt to whichever end has fewer.
    if (rank == 3 || rank == 7)
        drawSword(canvas, p, {cx, top + 4.6 * blade}, {cx, mid}, {cx, bottom + 1}, blade);
    else if (rank == 5)
        drawSword(canvas, p, {cx, bottom}, {cx, mid}, {cx, top - 1}, blade);
}

// Batons cross in a lattice, half leaning each way; an odd count adds one
// upright. The leaning ones are spaced so that no two share an end, which is
// what the eye counts on a small card.
void paintBatonPips(Canvas& canvas, const Palette& p, int rank)
{
    Box b = pipBox(p.deck);
    const double cx = b.cx();
    const double top = b.y0 + 4, bottom = b.y1 - 4;
    const int perSide = rank / 2;
    const bool upright = rank % 2 == 1;
    // lean is half the horizontal travel of a leaning baton, spacing the gap
    // between neighbours; both chosen so the ends fall evenly across the card.
    double spacing = 16.0, lean = 15.0;
    switch (rank) {
    case 4: spacing = 16.0; lean = 13.0; break;
    case 5: spacing = 14.0; lean = 15.0; break;
    case 6: spacing = 9.0; lean = 13.5; break;
    case 7: spacing = 7.5; lean = 14.5; break;
    default: break;
    }
    const double width = rank <= 3 ? 6.2 : rank <= 5 ? 5.4 : 4.3;
    const int stubs = rank >= 6 ? 2 : 4;
    for (double side : {-1.0, 1.0}) {
        for (int i = 0; i < perSide; ++i) {
            double o = (i - (perSide - 1) / 2.0) * spacing;
            drawBaton(canvas, p, {cx - side * lean + o, bottom}, {cx + side * lean + o, top}, width, stubs);
        }
    }
    // The upright lies on top of the lattice, so it is counted at a glance.
    if (upright)
        drawBaton(canvas, p, {cx, bottom}, {cx, top}, width, stubs);
}

// The aces are each deck's show pieces.
void paintAce(Canvas& canvas, const Palette& p, Suit suit)
{
    const bool naples = p.deck == Deck::Napoletane;
    CardSize s = cardSize(p.deck);
    const double cx = s.width / 2, cy = s.height / 2;
    switch (suit) {
    case Suit::Denari: {
        Group g(canvas, translate(cx, cy));
        if (naples) {
            // The great coin inside a laurel wreath tied with a red bow.
            for (double side : {-1.0, 1.0}) {
                std::vector<Pt> stem;
                for (int i = 0; i <= 12; ++i) {
                    double a = (90 + side * (20 + 13.5 * i)) * 3.14159265 / 180;
                    stem.push_back({24.5 * std::cos(a), 24.5 * std::sin(a)});
                }
                drawLaurel(canvas, p, stem, 7.0);
            }
            drawCoin(canvas, p, 38);
            Path bow;
            bow.move(0, 25).cubic(-7, 20, -9, 29, -3, 30).line(0, 25).cubic(7, 20, 9, 29, 3, 30).close();
            canvas.path(bow, filled(p.red, p.ink, p.line));
            canvas.path(polygon({{-1, 26}, {-5, 36}, {-2, 35}, {0, 27}, {2, 35}, {5, 36}, {1, 26}}),
                        filled(p.red, p.ink, p.line));
        } else {
            // A blazing sun behind the coin.
            drawRays(canvas, 20, 17, 26, p.red, p.yellow, p.ink, p.line * 0.7);
            drawCoin(canvas, p, 34);
        }
        break;
    }
    case Suit::Coppe: {
        if (naples) {
            // A covered cup: the lid's dome and finial stand above the lip.
            Group g(canvas, translate(cx, cy + 8));
            drawCup(canvas, p, 62);
            Path lid;
            lid.move(-19, -27.5).cubic(-19, -44, 19, -44, 19, -27.5).close();
            canvas.path(lid, filled(p.yellow, p.ink, p.line));
            canvas.path(profile(-35, -30, [](double) { return 13.0; }, 1), filled(p.red, p.ink, p.line * 0.8));
            for (int i = -2; i <= 2; ++i)
                canvas.circle(i * 5.0, -32.5, 1.1, fillOnly(p.yellow));
            canvas.ellipse(0, -27.5, 20, 2.5, filled(p.darkYellow, p.ink, p.line));
            canvas.circle(0, -41.5, 3, filled(p.blue, p.ink, p.line));
            Path finial;
            finial.move(0, -44.5).cubic(-3, -48, -1, -51, 0, -53).cubic(1, -51, 3, -48, 0, -44.5).close();
            canvas.path(finial, filled(p.red, p.ink, p.line));
        } else {
            // The Piacenza ace is a fountain: jets spill from the cup on both sides.
            Group g(canvas, translate(cx, cy + 12));
            for (double side : {-1.0, 1.0}) {
                for (int k = 0; k < 3; ++k) {
                    double spread = 5 + k * 5;
                    Path jet;
                    jet.move(side * 4, -32).cubic(side * 2, -50 - k * 3, side * (spread + 4), -48 + k * 2,
                                                  side * (spread + 6), -30 + k * 6);
                    canvas.path(jet, stroked(p.ink, 2.6));
                    canvas.path(jet, stroked(p.blue, 1.5));
                }
            }
            Path spout;
            spout.move(0, -31).cubic(-3, -42, 3, -42, 0, -53);
            canvas.path(spout, stroked(p.ink, 3));
            canvas.path(spout, stroked(p.steel, 1.8));
            drawCup(canvas, p, 58);
        }
        break;
    }
    case Suit::Spade: {
        if (naples) {
            // A broad sword upright between crossed laurel branches.
            for (double side : {-1.0, 1.0}) {
                std::vector<Pt> stem = sampleQuad({cx + side * 4, cy + 38}, {cx + side * 22, cy + 4},
                                                  {cx - side * 3, cy - 36}, 12);
                drawLaurel(canvas, p, stem, 6.5);
            }
            drawSword(canvas, p, {cx, cy + 21}, {cx, cy}, {cx, cy - 45}, 6.0);
        } else {
            // The sword thrust through a crown.
            drawSword(canvas, p, {cx, cy + 18}, {cx, cy}, {cx, cy - 42}, 5.6);
            Group g(canvas, translate(cx, cy - 16));
            drawCrown(canvas, p, 24, 17);
        }
        break;
    }
    case Suit::Bastoni: {
        if (naples) {
            // A great knotty club with fresh leaves sprouting from its knots.
            for (int i = 0; i < 3; ++i) {
                double side = i % 2 ? -1.0 : 1.0;
                double y = cy + 18 - i * 18;
                std::vector<Pt> stem = sampleQuad({cx + side * 4, y}, {cx + side * 14, y - 4}, {cx + side * 20, y - 14}, 4);
                drawLaurel(canvas, p, stem, 6);
            }
            drawBaton(canvas, p, {cx - 2, cy + 44}, {cx + 2, cy - 42}, 12);
        } else {
            drawBaton(canvas, p, {cx - 3, cy + 38}, {cx + 3, cy - 36}, 11);
            // A red ribbon winding round it.
            for (int i = 0; i < 4; ++i) {
                double y = cy + 18 - i * 14;
                Path band;
                band.move(cx - 9, y + 3).cubic(cx - 3, y - 4, cx + 3, y - 4, cx + 9, y - 9);
                canvas.path(band, stroked(p.ink, 3.8));
                canvas.path(band, stroked(p.red, 2.6));
            }
            std::vector<Pt> stem = sampleQuad({cx + 2, cy - 30}, {cx + 12, cy - 40}, {cx + 19, cy - 36}, 5);
            drawLaurel(canvas, p, stem, 6);
        }
        break;
    }
    }
}

// Naples: a red damask of lozenges with gold flowers at the crossings, inside
// a beaded gold border, round a medallion with a rose in a sunburst.
void paintNaplesBack(Canvas& canvas, const Palette& p)
{
    CardSize s = cardSize(p.deck);
    const double cx = s.width / 2, cy = s.height / 2;
    canvas.rect(0, 0, s.width, s.height, 0, fillOnly(p.paper));
    // The beaded border band.
    canvas.rect(2.2, 2.2, s.width - 4.4, s.height - 4.4, 0, filled(p.darkRed, p.ink, 0.5));
    {
        Path beads;
        const double inset = 4.1;
        const double w = s.width - 2 * inset, h = s.height - 2 * inset;
        const int across = 12, down = 22;
        for (int i = 0; i <= across; ++i)
            for (double y : {inset, s.height - inset}) {
                double x = inset + w * i / across;
                beads.move(x - 0.55, y).arc(0.55, 0.55, false, true, x + 0.55, y).arc(0.55, 0.55, false, true, x - 0.55, y);
            }
        for (int j = 1; j < down; ++j)
            for (double x : {inset, s.width - inset}) {
                double y = inset + h * j / down;
                beads.move(x - 0.55, y).arc(0.55, 0.55, false, true, x + 0.55, y).arc(0.55, 0.55, false, true, x - 0.55, y);
            }
        canvas.path(beads, fillOnly(p.yellow));
    }
    const double x0 = 6, y0 = 6, x1 = s.width - 6, y1 = s.height - 6;
    canvas.rect(x0, y0, x1 - x0, y1 - y0, 0, fillOnly(p.darkRed));
    {
        // Lozenges of lighter red, centred on the card so the pattern is symmetric.
        Group field(canvas, "", canvas.clipRect(x0, y0, x1 - x0, y1 - y0));
        const double step = 8.0;
        const int n = int(s.height / step) + 2;
        Path lattice;
        for (int m = -n; m <= n; ++m) {
            double c = m * step;
            lattice.move(cx + c - s.height, cy - s.height).line(cx + c + s.height, cy + s.height);
            lattice.move(cx + c - s.height, cy + s.height).line(cx + c + s.height, cy - s.height);
        }
        canvas.path(lattice, stroked(p.red, 1.1));
        // A gold flower at every crossing, a dot in every lozenge.
        Path flowers, dots;
        for (int a = -n; a <= n; ++a)
            for (int b = -n; b <= n; ++b) {
                double x = cx + (a + b) * step / 2, y = cy + (b - a) * step / 2;
                if (x < x0 - 2 || x > x1 + 2 || y < y0 - 2 || y > y1 + 2)
                    continue;
                for (Pt d : {Pt{0, -1.1}, Pt{1.1, 0}, Pt{0, 1.1}, Pt{-1.1, 0}})
                    flowers.move(x + d.x - 0.7, y + d.y)
                        .arc(0.7, 0.7, false, true, x + d.x + 0.7, y + d.y)
                        .arc(0.7, 0.7, false, true, x + d.x - 0.7, y + d.y);
                double dx = x + step / 2;
                dots.move(dx - 0.45, y).arc(0.45, 0.45, false, true, dx + 0.45, y).arc(0.45, 0.45, false, true, dx - 0.45, y);
            }
        canvas.path(flowers, fillOnly(p.yellow));
        canvas.path(dots, fillOnly(p.darkYellow));
        // Gold fans spread from the corners.
        for (double fx : {0.0, 1.0})
            for (double fy : {0.0, 1.0}) {
                Pt corner{fx == 0 ? x0 : x1, fy == 0 ? y0 : y1};
                double base = fx == 0 ? (fy == 0 ? 0.0 : -90.0) : (fy == 0 ? 90.0 : 180.0);
                Group g(canvas, translate(corner.x, corner.y) + " " + rotate(base));
                canvas.path(Path().move(0, 0).line(9.5, 0).arc(9.5, 9.5, false, true, 0, 9.5).close(),
                            filled(p.darkRed, p.darkYellow, 0.6));
                for (int k = 0; k < 5; ++k) {
                    Group petal(canvas, rotate(9.0 + 18.0 * k));
                    canvas.path(Path().move(1, 0).quad(5, -1.6, 8.6, 0).quad(5, 1.6, 1, 0).close(),
                                filled(p.yellow, p.ink, 0.3));
                }
            }
    }
    canvas.rect(x0, y0, x1 - x0, y1 - y0, 0, stroked(p.yellow, 0.7));
    canvas.rect(2.2, 2.2, s.width - 4.4, s.height - 4.4, 0, stroked(p.darkYellow, 0.6));
    // The medallion: a pearled gold frame, a blue ground, a sunburst and the rose.
    canvas.ellipse(cx, cy, 17, 23, filled(p.darkRed, p.darkYellow, 1.6));
    canvas.ellipse(cx, cy, 15, 21, filled(p.paper, p.ink, 0.4));
    {
        Path pearls;
        for (int i = 0; i < 28; ++i) {
            double a = 2 * 3.14159265358979 * i / 28;
            double x = cx + 15 * std::cos(a), y = cy + 21 * std::sin(a);
            pearls.move(x - 0.6, y).arc(0.6, 0.6, false, true, x + 0.6, y).arc(0.6, 0.6, false, true, x - 0.6, y);
        }
        canvas.path(pearls, fillOnly(p.darkYellow));
    }
    canvas.ellipse(cx, cy, 13, 19, filled(p.blue, p.ink, 0.5));
    {
        Group g(canvas, translate(cx, cy));
        {
            Group tall(canvas, scale(1, 19.0 / 13.0));
            drawRays(canvas, 24, 8.5, 12.6, p.yellow, p.darkYellow, p.ink, 0.2);
        }
        for (int i = 0; i < 8; ++i) {
            Group petal(canvas, rotate(45.0 * i));
            Path leaf;
            leaf.move(0, -2.5).cubic(4.2, -5.8, 3.4, -10, 0, -12).cubic(-3.4, -10, -4.2, -5.8, 0, -2.5).close();
            canvas.path(leaf, filled(p.yellow, p.ink, 0.4));
            canvas.ellipse(0, -7.2, 0.8, 2.2, fillOnly(p.red));
        }
        canvas.circle(0, 0, 3.4, filled(p.red, p.ink, 0.4));
        canvas.circle(0, 0, 1.3, fillOnly(p.yellow));
    }
    canvas.rect(0.4, 0.4, s.width - 0.8, s.height - 0.8, 0, stroked(p.ink, 0.8));
}

// Piacenza: blue and white checks crossed by a red tartan, studded where the
// red lines meet, inside a red and white chequered border, round a sun.
void paintPiacenzaBack(Canvas& canvas, const Palette& p)
{
    CardSize s = cardSize(p.deck);
    canvas.rect(0, 0, s.width, s.height, 0, fillOnly(p.white));
    const double cx = s.width / 2, cy = s.height / 2;
    // A border of alternate red and white squares.
    const double b0 = 2.2, b1 = 5.4;
    {
        canvas.rect(b0, b0, s.width - 2 * b0, s.height - 2 * b0, 0, fillOnly(p.red));
        Path squares;
        const double side = b1 - b0;
        const int across = int((s.width - 2 * b0) / side + 0.5), down = int((s.height - 2 * b0) / side + 0.5);
        const double sx = (s.width - 2 * b0) / across, sy = (s.height - 2 * b0) / down;
        for (int i = 0; i < across; i += 2)
            for (double y : {b0, s.height - b0 - side})
                squares.move(b0 + i * sx, y).line(b0 + (i + 1) * sx, y).line(b0 + (i + 1) * sx, y + side)
                    .line(b0 + i * sx, y + side).close();
        for (int j = 1; j < down - 1; j += 2)
            for (double x : {b0, s.width - b0 - side})
                squares.move(x, b0 + j * sy).line(x + side, b0 + j * sy).line(x + side, b0 + (j + 1) * sy)
                    .line(x, b0 + (j + 1) * sy).close();
        canvas.path(squares, fillOnly(p.white));
        canvas.rect(b0, b0, s.width - 2 * b0, s.height - 2 * b0, 0, stroked(p.ink, 0.6));
    }
    const double x0 = b1 + 0.6, y0 = b1 + 0.6, x1 = s.width - x0, y1 = s.height - y0;
    const double step = 4.9;
    {
        Group field(canvas, "", canvas.clipRect(x0, y0, x1 - x0, y1 - y0));
        canvas.rect(x0, y0, x1 - x0, y1 - y0, 0, fillOnly(p.blue));
        // White checks on alternate squares of a grid turned by 45 degrees.
        Path checks;
        for (int i = -12; i <= 12; ++i)
            for (int j = -12; j <= 12; ++j) {
                if ((i + j) % 2 != 0)
                    continue;
                double cxp = cx + (i - j) * step / 2;
                double cyp = cy + (i + j) * step / 2;
                if (cxp < x0 - step || cxp > x1 + step || cyp < y0 - step || cyp > y1 + step)
                    continue;
                checks.move(cxp, cyp - step / 2).line(cxp + step / 2, cyp).line(cxp, cyp + step / 2)
                    .line(cxp - step / 2, cyp).close();
            }
        canvas.path(checks, fillOnly(p.white));
        // The red tartan: doubled lines, symmetric about the centre.
        Path reds, studs;
        std::vector<double> ys, xs;
        for (double d : {7.0, 20.0, 33.0})
            for (double sign : {-1.0, 1.0})
                ys.push_back(cy + sign * d);
        for (double d : {6.5, 18.5})
            for (double sign : {-1.0, 1.0})
                xs.push_back(cx + sign * d);
        for (double y : ys)
            for (double d : {-0.9, 0.9})
                reds.move(x0, y + d).line(x1, y + d);
        for (double x : xs)
            for (double d : {-0.9, 0.9})
                reds.move(x + d, y0).line(x + d, y1);
        canvas.path(reds, Paint{"none", p.red, 0.75, 0.9, false});
        for (double y : ys)
            for (double x : xs)
                studs.move(x - 1.1, y).arc(1.1, 1.1, false, true, x + 1.1, y).arc(1.1, 1.1, false, true, x - 1.1, y);
        canvas.path(studs, filled(p.yellow, p.ink, 0.35));
    }
    canvas.rect(x0, y0, x1 - x0, y1 - y0, 0, stroked(p.ink, 0.6));
    // The sun in a white oval ringed with red and blue beads.
    canvas.ellipse(cx, cy, 15, 19.5, filled(p.white, p.ink, 0.7));
    {
        Path redBeads, blueBeads;
        for (int i = 0; i < 24; ++i) {
            double a = 2 * 3.14159265358979 * i / 24;
            double x = cx + 13.3 * std::cos(a), y = cy + 17.8 * std::sin(a);
            (i % 2 ? blueBeads : redBeads).move(x - 0.8, y).arc(0.8, 0.8, false, true, x + 0.8, y)
                .arc(0.8, 0.8, false, true, x - 0.8, y);
        }
        canvas.path(redBeads, fillOnly(p.red));
        canvas.path(blueBeads, fillOnly(p.blue));
    }
    canvas.ellipse(cx, cy, 11.5, 15.5, filled(p.red, p.ink, 0.5));
    {
        Group g(canvas, translate(cx, cy));
        {
            Group tall(canvas, scale(1, 15.5 / 11.5));
            drawRays(canvas, 16, 4.5, 10.6, p.yellow, p.yellow, p.ink, 0.3);
        }
        canvas.circle(0, 0, 4.8, filled(p.yellow, p.ink, 0.5));
        canvas.circle(0, 0, 2.2, filled(p.darkYellow, "none", 0));
    }
    canvas.rect(0.4, 0.4, s.width - 0.8, s.height - 0.8, 0, stroked(p.ink, 0.8));
}

} // namespace

CardSize cardSize(Deck deck) { return deck == Deck::Napoletane ? CardSize{55, 101} : CardSize{55, 102}; }

void paintFace(Canvas& canvas, Deck deck, Suit suit, int rank)
{
    const Palette& p = palette(deck);
    paintPaper(canvas, p);
    if (rank == 1)
        paintAce(canvas, p, suit);
    else if (rank <= 7) {
        if (suit == Suit::Coppe || suit == Suit::Denari)
            paintRoundPips(canvas, p, suit, rank);
        else if (suit == Suit::Spade)
            paintSwordPips(canvas, p, rank);
        else
            paintBatonPips(canvas, p, rank);
    } else {
        CardSize s = cardSize(deck);
        paintFigure(canvas, p, suit, rank, s.width, s.height);
    }
    paintIndices(canvas, p, rank);
}

void paintBack(Canvas& canvas, Deck deck)
{
    const Palette& p = palette(deck);
    if (deck == Deck::Napoletane)
        paintNaplesBack(canvas, p);
    else
        paintPiacenzaBack(canvas, p);
}

} // namespace italian_deck
