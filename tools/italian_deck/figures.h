// The court cards: fante, cavallo and re of both decks, each holding its suit's sign.
#pragma once

#include "palette.h"
#include "svg_canvas.h"

namespace italian_deck {

// Paints the figure of rank 8 (fante), 9 (cavallo) or 10 (re) onto a card of the
// given size: full length in Naples, double-headed in Piacenza.
void paintFigure(Canvas& canvas, const Palette& p, Suit suit, int rank, double width, double height);

} // namespace italian_deck
