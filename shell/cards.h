// The playing card every game deals: a rank and a suit, the ordered decks, the shuffle, and the check
// that every card of a deck is on the table once.
#pragma once

#include "shell/card_pictures.h"
#include "shell/random.h"

#include <array>
#include <cstddef>
#include <span>

// French suits: 1 hearts, 2 spades, 3 diamonds, 4 clubs; ranks 1 (ace) to 13 (king).
// Italian suits: 1 coppe, 2 denari, 3 spade, 4 bastoni; ranks 1 to 10 (8 fante, 9 cavallo, 10 re).
// Rank 0 is no card: an empty place.
struct Card {
    int rank = 0;
    int suit = 0;
    constexpr bool isEmpty() const { return rank == 0; }
    constexpr bool operator==(const Card&) const = default;
};

namespace cards {

// A deck in its box order: card k is rank k % ranks + 1 of suit k / ranks + 1 (all the hearts first).
template <std::size_t N>
constexpr std::array<Card, N> orderedDeck(int ranks)
{
    std::array<Card, N> deck{};
    for (std::size_t k = 0; k < N; ++k)
        deck[k] = {static_cast<int>(k) % ranks + 1, static_cast<int>(k) / ranks + 1};
    return deck;
}

// The ordered deck shuffled with the one shuffle every game deals with, so a seed gives the same deal.
template <std::size_t N>
std::array<Card, N> shuffledDeck(int ranks, int swaps, Random& random)
{
    std::array<Card, N> deck = orderedDeck<N>(ranks);
    swapShuffle(deck, swaps, random);
    return deck;
}

// True when `cards` (empty places passed over) hold every card of a deck of `ranks` x `suits` exactly once.
bool eachCardOnce(std::span<const Card> cards, int ranks, int suits);

// The catalogue picture of a French card's face; the empty place for no card.
constexpr int frenchPicture(const Card& card)
{
    return card.isEmpty() ? pictures::emptyPlace : frenchCardPicture(card.rank, card.suit);
}

// The same for an Italian card, in the Neapolitan or the Piacentine deck.
constexpr int neapolitanPicture(const Card& card)
{
    return card.isEmpty() ? pictures::emptyPlace : neapolitanCardPicture(card.rank, card.suit - 1);
}
constexpr int piacentinePicture(const Card& card)
{
    return card.isEmpty() ? pictures::emptyPlace : piacentineCardPicture(card.rank, card.suit - 1);
}

} // namespace cards
