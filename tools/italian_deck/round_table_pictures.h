// The five pictures of the round-table series: castle, table, crown, sword in the stone, grail.
#pragma once

#include "svg_canvas.h"

namespace italian_deck {

// The pictures are composed on a 300 x 400 sheet, the shape of the board they
// lie under, and stretched to whatever pixel size the catalogue gives them.
constexpr double pictureSheetWidth = 300.0;
constexpr double pictureSheetHeight = 400.0;

// `index` 0..4 stands for pictures 211..215.
void paintRoundTablePicture(Canvas& canvas, int index);

} // namespace italian_deck
