// The five cards of a Poker hand: marking them for "Scarta", the deal and the draw.
#pragma once

#include "games/poker/poker_step.h"
#include "shell/cards.h"

#include <array>
#include <vector>

class Random;

class PokerHand {
public:
    static constexpr int size = 5;

    explicit PokerHand(Random& random);

    // Every position is replaced at the next carica, and no card is marked to go.
    void ripulisci();
    // "Scarta" on or off for the card at position; returns whether it is now marked to go.
    bool toggleMark(int position);
    bool isMarked(int position) const { return marked_[position]; }
    // Whether the card at position stays at the next carica.
    bool keeps(int position) const { return keep_[position]; }

    // Replaces every position not kept: the backs appear left to right, then the new faces.
    // A new card never repeats a card of the hand nor one thrown away in this same draw.
    std::vector<PokerStep> carica();

    // The card at position; empty before the first deal.
    const Card& card(int position) const { return cards_[position]; }
    // The five ranks in ascending order, the ace counted as 1.
    std::array<int, size> sortedRanks() const;
    std::array<int, size> suits() const;

private:
    Card drawCard(int position, const std::array<Card, size>& discarded);

    Random& random_;
    std::array<Card, size> cards_{};
    std::array<bool, size> keep_{};
    std::array<bool, size> marked_{};
};
