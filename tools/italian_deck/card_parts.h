// What the card faces share between their pieces: the pip area and the painters of
// pip cards, aces and backs.
#pragma once

#include "card_faces.h"

namespace italian_deck {

struct Box {
    double x0, y0, x1, y1;
    double x(double f) const { return x0 + (x1 - x0) * f; }
    double y(double f) const { return y0 + (y1 - y0) * f; }
    double cx() const { return (x0 + x1) / 2; }
    double cy() const { return (y0 + y1) / 2; }
};

// Where the pips may go, clear of each deck's numerals.
Box pipBox(Deck deck);

// Ranks 2 to 7.
void paintPips(Canvas& canvas, const Palette& p, Suit suit, int rank);
void paintAce(Canvas& canvas, const Palette& p, Suit suit);
void paintNaplesBack(Canvas& canvas, const Palette& p);
void paintPiacenzaBack(Canvas& canvas, const Palette& p);

} // namespace italian_deck
