// The four Italian suit signs, drawn in either deck's manner, for pips, aces and figures' hands.
#pragma once

#include "palette.h"
#include "shapes.h"

namespace italian_deck {

// A goblet standing upright, centred on the origin, `height` tall.
void drawCup(Canvas& canvas, const Palette& p, double height);

// A coin centred on the origin.
void drawCoin(Canvas& canvas, const Palette& p, double diameter);

// A sword from its hilt to its tip along a quadratic curve; a straight sword
// has its control point on the line between them.
void drawSword(Canvas& canvas, const Palette& p, Pt hilt, Pt control, Pt tip, double bladeWidth);

// A knotty baton from its grip end to its head end; crowded pip cards ask for
// fewer lopped stubs so the lattice stays readable.
void drawBaton(Canvas& canvas, const Palette& p, Pt grip, Pt head, double width, int stubCount = 4);

// The suit sign a figure holds, centred on the origin and about `size` tall
// (swords and batons upright, grip down).
void drawHeldSign(Canvas& canvas, const Palette& p, Suit suit, double size);

} // namespace italian_deck
