// Catalogue numbers of the card faces and backs: games keep card values and ask here for the picture.
#pragma once

namespace pictures {
inline constexpr int blueBack = 101;
inline constexpr int redBack = 102;
inline constexpr int emptyPlace = 168;
inline constexpr int menuBackground = 169;
inline constexpr int neapolitanBack = 210;
inline constexpr int piacentineBack = 256;
} // namespace pictures

// French deck: rank 1 (ace) to 13 (king), suit 1 hearts, 2 spades, 3 diamonds, 4 clubs.
inline constexpr int frenchCardPicture(int rank, int suit) { return 114 + rank + 13 * (suit - 1); }

// Italian decks: suit 0 coppe, 1 denari, 2 spade, 3 bastoni; rank 1 to 10 (8 fante, 9 cavallo, 10 re).
inline constexpr int neapolitanCardPicture(int rank, int suit) { return 170 + 10 * suit + (rank - 1); }
inline constexpr int piacentineCardPicture(int rank, int suit) { return 216 + 10 * suit + (rank - 1); }
