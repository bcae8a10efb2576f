// The five cards of a Poker hand: marking them for "Scarta", the deal and the draw.
#include "games/poker/poker_hand.h"

#include "shell/random.h"

#include <algorithm>

PokerHand::PokerHand(Random& random) : random_(random) {}

void PokerHand::ripulisci()
{
    keep_.fill(false);
    marked_.fill(false);
}

bool PokerHand::toggleMark(int position)
{
    marked_[position] = !marked_[position];
    keep_[position] = !marked_[position];
    return marked_[position];
}

std::vector<PokerStep> PokerHand::carica()
{
    // The discard memory holds only the cards going away now, so a card thrown away in an
    // earlier hand may come back.
    std::array<Card, size> discarded{};
    std::vector<PokerStep> steps;
    for (int i = 0; i < size; ++i) {
        if (!keep_[i])
            discarded[i] = cards_[i];
        // Kept positions take their pause too, so the backs keep an even rhythm.
        steps.push_back(PokerStep::turn(i, cards_[i], keep_[i], backHoldSeconds));
    }
    for (int i = 0; i < size; ++i) {
        if (keep_[i])
            continue;
        keep_[i] = true;
        cards_[i] = drawCard(i, discarded);
        steps.push_back(PokerStep::turn(i, cards_[i], true));
    }
    return steps;
}

Card PokerHand::drawCard(int position, const std::array<Card, size>& discarded)
{
    // At most four other cards and five discarded ones are excluded, so 43 of the 52 remain
    // and the loop ends.
    for (;;) {
        Card drawn;
        drawn.rank = random_.pick(13, 1);
        drawn.suit = random_.pick(4, 1);
        bool excluded = std::find(discarded.begin(), discarded.end(), drawn) != discarded.end();
        for (int j = 0; j < size && !excluded; ++j)
            excluded = j != position && cards_[j] == drawn;
        if (!excluded)
            return drawn;
    }
}

std::array<int, PokerHand::size> PokerHand::sortedRanks() const
{
    std::array<int, size> ranks{};
    for (int i = 0; i < size; ++i)
        ranks[i] = cards_[i].rank;
    std::sort(ranks.begin(), ranks.end());
    return ranks;
}

std::array<int, PokerHand::size> PokerHand::suits() const
{
    std::array<int, size> result{};
    for (int i = 0; i < size; ++i)
        result[i] = cards_[i].suit;
    return result;
}
