// Decks for Napoleone's tests: a table laid out card by card, a table won by clicking, and a random that deals a chosen deck.
#pragma once

#include "games/napoleone/napoleone_rules.h"
#include "shell/random.h"

#include <algorithm>
#include <deque>
#include <map>
#include <utility>
#include <vector>

namespace napoleone_decks {

using Deck = NapoleoneRules::Deck;

constexpr Card coppe(int rank) { return {rank, 1}; }
constexpr Card denari(int rank) { return {rank, 2}; }
constexpr Card spade(int rank) { return {rank, 3}; }
constexpr Card bastoni(int rank) { return {rank, 4}; }
// The card's number in the game's own count: coppe 1..10, denari 11..20, spade 21..30, bastoni 31..40.
constexpr int number(const Card& card) { return 10 * (card.suit - 1) + card.rank; }

// The aces first (coppe, denari, spade, bastoni: foundation j holds suit j), then cells 0..35 in
// order: the cards given for their cells, every other card from the lowest up into the cells left,
// so the low cards lie innermost and nothing reaches a foundation by chance.
inline Deck deckWith(const std::map<int, Card>& cardAtCell)
{
    Deck deck{};
    for (int suit = 1; suit <= 4; ++suit)
        deck[static_cast<std::size_t>(suit - 1)] = {1, suit};
    std::vector<Card> rest;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 2; rank <= 10; ++rank)
            if (std::none_of(cardAtCell.begin(), cardAtCell.end(), [&](const auto& laid) { return laid.second == Card{rank, suit}; }))
                rest.push_back({rank, suit});
    std::size_t next = 0;
    for (int cell = 0; cell < NapoleoneRules::cellCount; ++cell) {
        const auto given = cardAtCell.find(cell);
        deck[static_cast<std::size_t>(4 + cell)] = given != cardAtCell.end() ? given->second : rest[next++];
    }
    return deck;
}

// The cells of the eight rows, each from its outermost cell in to the centre, row after row.
inline std::vector<int> clearingOrder()
{
    std::vector<int> order;
    for (int r = 0; r < 4; ++r)
        for (int s = 0; s < 2; ++s)
            for (int k = r < 2 ? 4 : 3; k >= 0; --k)
                order.push_back(8 * k + 2 * r + s);
    return order;
}

// A table that is won by clicking the cells of clearingOrder() one after another: each click sends
// the next card of its suit up to its foundation.
inline Deck wonByClicking()
{
    std::map<int, Card> cardAtCell;
    Card card = coppe(2);
    for (int cell : clearingOrder()) {
        cardAtCell[cell] = card;
        card = card.rank == 10 ? Card{2, card.suit + 1} : Card{card.rank + 1, card.suit};
    }
    return deckWith(cardAtCell);
}

// The moves the table allows, as the two clicks that make them (the second -1 when one click sends
// the card up to its foundation).
inline std::vector<std::pair<int, int>> legalMoves(const NapoleoneRules& rules)
{
    std::vector<std::pair<int, int>> moves;
    for (int a = 0; a < NapoleoneRules::cellCount; ++a) {
        if (!rules.isOutermost(a))
            continue;
        if (rules.foundationFor(rules.cell(a).top) >= 0) {
            moves.push_back({a, -1});
            continue;
        }
        for (int b = 0; b < NapoleoneRules::cellCount; ++b) {
            const bool ontoCard = b != a && rules.isOutermost(b) && NapoleoneRules::canPair(rules.cell(a).top, rules.cell(b).top);
            const bool toEmptyRow = b < NapoleoneRules::innerCells && rules.cell(b).isEmpty();
            if (ontoCard || toEmptyRow)
                moves.push_back({a, b});
        }
    }
    return moves;
}

// Draws the swaps that turn the ordered deck into `deck`, then swaps that change nothing; once
// the deck is dealt, it goes on like a seeded random.
class DeckRandom final : public Random {
public:
    void queue(const Deck& deck)
    {
        Deck current = cards::orderedDeck<NapoleoneRules::deckSize>(NapoleoneRules::ranks);
        int swaps = 0;
        for (int i = 0; i < 40; ++i) {
            const auto at = std::find(current.begin(), current.end(), deck[static_cast<std::size_t>(i)]);
            const int j = static_cast<int>(at - current.begin());
            std::swap(current[static_cast<std::size_t>(i)], current[static_cast<std::size_t>(j)]);
            draws_.push_back(i);
            draws_.push_back(j);
            ++swaps;
        }
        for (; swaps < NapoleoneRules::shuffleSwaps; ++swaps) {
            draws_.push_back(0);
            draws_.push_back(0);
        }
    }
    double next() override
    {
        if (draws_.empty())
            return rest_.next();
        const int position = draws_.front();
        draws_.pop_front();
        return (position + 0.5) / 40;
    }

private:
    std::deque<int> draws_;
    SeededRandom rest_{11};
};

} // namespace napoleone_decks
