// The emblems that mark the decks' best-known cards: the crowned eagle, the coat of arms,
// the leafy mask, the little landscape and the ribbon bow.
#pragma once

#include "palette.h"
#include "shapes.h"

namespace italian_deck {

// A spread eagle facing left, centred on the origin and `width` across the wings;
// crowned when asked. Body and feathers in `plumage`, beak and claws in gold.
void drawEagle(Canvas& canvas, const Palette& p, double width, const std::string& plumage,
               const std::string& feather, bool crowned);

// A crowned coat of arms centred on the origin, `height` tall: an oval cartouche
// with scrolls in Naples, a pointed shield in Piacenza.
void drawCoatOfArms(Canvas& canvas, const Palette& p, double height);

// A mask of leaves round a broad face, `size` across, centred on the origin.
void drawLeafMask(Canvas& canvas, const Palette& p, double size);

// An oval vignette, `width` by `height`, of a tower on a hill under a sky.
void drawLittleScene(Canvas& canvas, const Palette& p, double width, double height);

// A bow with two trailing ends, `size` across, knotted at the origin.
void drawBow(Canvas& canvas, const Palette& p, double size, const std::string& colour);

} // namespace italian_deck
