// What a Poker hand is worth: its combination, the points it pays and the pay table shown above the cards.
#pragma once

#include <array>
#include <string>

// The codes are ordered by what they pay; code C lights the highlight maspo(C - 1).
enum class HandCode {
    None = 0,
    CoppiaVestita = 1, // one pair of jacks, queens, kings or aces
    DoppiaCoppia = 2,
    Tris = 3,
    Scala = 4,
    Full = 5,
    Colore = 6,
    Poker = 7,
    ScalaReale = 8, // any straight flush
};

using FiveInts = std::array<int, 5>;

// Five cards of one suit.
bool isFlush(const FiveInts& suits);
// Five ranks in a row with the ace as 1, or a run through the ace from king to two
// (10-J-Q-K-A, J-Q-K-A-2, Q-K-A-2-3, K-A-2-3-4).
bool isStraight(const FiveInts& ranks);
// A pair of jacks, queens, kings or aces; lower pairs pay nothing.
bool hasCourtPair(const FiveInts& ranks);
// Ranks and suits in any order, paired by position.
HandCode evaluateHand(const FiveInts& ranks, const FiveInts& suits);

int handPoints(HandCode code);
// "Vinci 50 Punti" for a paying hand, "HAI PERSO!" otherwise.
std::string handMessage(HandCode code);
// The index of the highlight maspo over the paid row, -1 for a hand that pays nothing.
int highlightIndex(HandCode code);

// The eight captions of the pay table, top ("Scala Reale") to bottom ("Coppia Vestita");
// highlight k lies on row 7 - k.
const std::array<std::string, 8>& payTableCaptions();
