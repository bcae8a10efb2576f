// Faces and backs of the Neapolitan and Piacentine cards, drawn in card pixels.
#pragma once

#include "palette.h"
#include "svg_canvas.h"

namespace italian_deck {

struct CardSize {
    double width;
    double height;
};

// The size each deck is drawn at; other picture sizes scale the same drawing.
CardSize cardSize(Deck deck);

// Paints a face (rank 1..10) or the back into a box of cardSize(deck) at the origin.
void paintFace(Canvas& canvas, Deck deck, Suit suit, int rank);
void paintBack(Canvas& canvas, Deck deck);

} // namespace italian_deck
