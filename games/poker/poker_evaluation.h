// What a Poker hand is worth: its combination, the points it pays and the message that tells it.
#pragma once

#include <array>
#include <string>

// The codes are ordered by what they pay, as the pay table lists them from the bottom up.
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
