// The aces, each deck's show pieces: Naples has the covered cup, the eagle on a
// coin in a laurel wreath, the sword between laurels and the sprouting club;
// Piacenza the fountain cup, the crowned eagle holding the coin, the great sword
// through a crown with a scroll wound round it, and the club bound with a ribbon.
#include "card_parts.h"

#include "emblems.h"
#include "ornaments.h"
#include "suit_signs.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace italian_deck {

namespace {

constexpr double pi = std::numbers::pi;

void naplesCoinAce(Canvas& canvas, const Palette& p)
{
    // A tall laurel wreath, crowned, tied below with a red bow, round a great
    // coin struck with a spread eagle.
    for (double side : {-1.0, 1.0}) {
        std::vector<Pt> stem;
        for (int i = 0; i <= 14; ++i) {
            double a = (90 + side * (16 + 11.5 * i)) * pi / 180;
            stem.push_back({23.5 * std::cos(a), 33 * std::sin(a) + 2});
        }
        drawLaurel(canvas, p, stem, 7.0);
    }
    {
        Group crown(canvas, translate(0, -34));
        drawCrown(canvas, p, 20, 14);
    }
    canvas.circle(0, 0, 22, filled(p.yellow, p.ink, p.line));
    for (int i = 0; i < 24; ++i) {
        double a = 2 * pi * i / 24;
        canvas.circle(19.6 * std::cos(a), 19.6 * std::sin(a), 1.0, fillOnly(p.darkYellow));
    }
    canvas.circle(0, 0, 17.5, filled(p.red, p.ink, p.line));
    {
        Group eagle(canvas, translate(0, 2.5));
        drawEagle(canvas, p, 36, p.yellow, p.darkYellow, false);
    }
    {
        Group bow(canvas, translate(0, 37));
        drawBow(canvas, p, 14, p.red);
    }
}

void piacenzaCoinAce(Canvas& canvas, const Palette& p)
{
    // The crowned eagle, wings spread to the rule, holding the coin in its claws
    // above two crossed palms.
    for (double side : {-1.0, 1.0}) {
        std::vector<Pt> stem = sampleQuad({side * 3, 44}, {side * 22, 38}, {side * 21, 14}, 7);
        drawLaurel(canvas, p, stem, 7.5);
    }
    {
        Group eagle(canvas, translate(0, -12));
        drawEagle(canvas, p, 54, "#222222", "#6b6b6b", true);
    }
    Group coin(canvas, translate(0, 16.5));
    drawCoin(canvas, p, 27);
}

void naplesCupAce(Canvas& canvas, const Palette& p)
{
    // A covered cup: the lid's dome and finial stand above the lip.
    Group g(canvas, translate(0, 10));
    drawCup(canvas, p, 66);
    Path lid;
    lid.move(-17, -27.5).cubic(-17, -46, 17, -46, 17, -27.5).close();
    canvas.path(lid, filled(p.yellow, p.ink, p.line));
    canvas.path(profile(-37, -31.5, [](double) { return 12.0; }, 1), filled(p.red, p.ink, p.line * 0.8));
    for (int i = -2; i <= 2; ++i)
        canvas.circle(i * 4.6, -34.3, 1.0, fillOnly(p.yellow));
    canvas.ellipse(0, -27.5, 18, 2.4, filled(p.darkYellow, p.ink, p.line));
    canvas.circle(0, -43.5, 3, filled(p.blue, p.ink, p.line));
    Path finial;
    finial.move(0, -46.5).cubic(-3, -50, -1, -53, 0, -55).cubic(1, -53, 3, -50, 0, -46.5).close();
    canvas.path(finial, filled(p.red, p.ink, p.line));
}

void piacenzaCupAce(Canvas& canvas, const Palette& p)
{
    // A fountain: jets spill from the cup on both sides.
    Group g(canvas, translate(0, 13));
    for (double side : {-1.0, 1.0}) {
        for (int k = 0; k < 3; ++k) {
            double spread = 6 + k * 5.5;
            Path jet;
            jet.move(side * 4, -33).cubic(side * 2, -54 - k * 3, side * (spread + 5), -52 + k * 2, side * (spread + 7),
                                          -33 + k * 6);
            canvas.path(jet, stroked(p.ink, 3.0));
            canvas.path(jet, stroked(p.blue, 1.7));
        }
    }
    Path spout;
    spout.move(0, -32).cubic(-3, -45, 3, -45, 0, -57);
    canvas.path(spout, stroked(p.ink, 3.4));
    canvas.path(spout, stroked(p.steel, 2.0));
    drawCup(canvas, p, 64);
}

void naplesSwordAce(Canvas& canvas, const Palette& p)
{
    // A broad sword upright between crossed laurel branches.
    for (double side : {-1.0, 1.0}) {
        std::vector<Pt> stem = sampleQuad({side * 4, 44}, {side * 26, 6}, {-side * 2, -42}, 14);
        drawLaurel(canvas, p, stem, 7.0);
    }
    drawSword(canvas, p, {0, 24}, {0, 0}, {0, -47}, 6.4);
}

void piacenzaSwordAce(Canvas& canvas, const Palette& p)
{
    // The great sword through a crown, a red scroll wound about the blade and
    // palms spreading from the hilt.
    for (double side : {-1.0, 1.0}) {
        std::vector<Pt> stem = sampleQuad({side * 3, 30}, {side * 24, 18}, {side * 18, -22}, 9);
        drawLaurel(canvas, p, stem, 7.5);
    }
    drawSword(canvas, p, {0, 26}, {0, 0}, {0, -46}, 7.4);
    for (int i = 0; i < 3; ++i) {
        double y = 10 - i * 13;
        Path band;
        band.move(-10, y + 4).cubic(-4, y - 3, 4, y - 3, 10, y - 7);
        canvas.path(band, stroked(p.ink, 4.4));
        canvas.path(band, stroked(p.red, 3.0));
    }
    Group crown(canvas, translate(0, -30));
    drawCrown(canvas, p, 26, 18);
}

void naplesBatonAce(Canvas& canvas, const Palette& p)
{
    // A great knotty club with fresh leaves sprouting from its knots.
    for (int i = 0; i < 3; ++i) {
        double side = i % 2 ? -1.0 : 1.0;
        double y = 20 - i * 19;
        std::vector<Pt> stem = sampleQuad({side * 4, y}, {side * 15, y - 4}, {side * 22, y - 15}, 4);
        drawLaurel(canvas, p, stem, 6.5);
    }
    drawBaton(canvas, p, {-2, 46}, {2, -44}, 13);
}

void piacenzaBatonAce(Canvas& canvas, const Palette& p)
{
    // A heavy club bound with a red ribbon, a green shoot at its head.
    std::vector<Pt> stem = sampleQuad({2, -38}, {13, -46}, {21, -41}, 5);
    drawLaurel(canvas, p, stem, 7);
    stem = sampleQuad({-2, -36}, {-12, -44}, {-19, -40}, 5);
    drawLaurel(canvas, p, stem, 6);
    drawBaton(canvas, p, {-3, 44}, {3, -40}, 15);
    for (int i = 0; i < 5; ++i) {
        double y = 30 - i * 14;
        Path band;
        band.move(-10, y + 3).cubic(-3, y - 4, 3, y - 4, 10, y - 9);
        canvas.path(band, stroked(p.ink, 4.2));
        canvas.path(band, stroked(p.red, 2.8));
    }
}

} // namespace

void paintAce(Canvas& canvas, const Palette& p, Suit suit)
{
    const bool naples = p.deck == Deck::Napoletane;
    CardSize s = cardSize(p.deck);
    Group g(canvas, translate(s.width / 2, s.height / 2 + (naples ? 2.5 : 0)));
    switch (suit) {
    case Suit::Denari:
        naples ? naplesCoinAce(canvas, p) : piacenzaCoinAce(canvas, p);
        break;
    case Suit::Coppe:
        naples ? naplesCupAce(canvas, p) : piacenzaCupAce(canvas, p);
        break;
    case Suit::Spade:
        naples ? naplesSwordAce(canvas, p) : piacenzaSwordAce(canvas, p);
        break;
    case Suit::Bastoni:
        naples ? naplesBatonAce(canvas, p) : piacenzaBatonAce(canvas, p);
        break;
    }
}

} // namespace italian_deck
