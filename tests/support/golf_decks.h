// Laid-out decks for Zidu Dori's tests, and a random source that makes the shuffle deal them.
#pragma once

#include "games/golf/golf_rules.h"
#include "shell/cards.h"
#include "shell/random.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace golfdecks {

using Deck = GolfRules::Deck;

// "6h": rank A 2-9 T J Q K, suit h s d c.
inline Card card(const std::string& s)
{
    const int rank = static_cast<int>(std::string("A23456789TJQK").find(s[0])) + 1;
    const int suit = static_cast<int>(std::string("hsdc").find(s[1])) + 1;
    return {rank, suit};
}

// The card's picture in the catalogue, as the window shows it.
inline int face(const std::string& s) { return cards::frenchPicture(card(s)); }

// A deck with the given cards on the tableau cells, pile 0's first card and the stock in the order it is
// played (its first card is the first face up); every other entry takes the unused cards in order.
struct DeckPlan {
    std::map<int, Card> fixed;
    DeckPlan& cell(int k, const std::string& c) { return entry(k, c); }
    DeckPlan& first(const std::string& c) { return entry(51, c); }
    DeckPlan& stock(const std::vector<std::string>& played)
    {
        for (std::size_t i = 0; i < played.size(); ++i)
            entry(50 - static_cast<int>(i), played[i]);
        return *this;
    }
    DeckPlan& entry(int k, const std::string& c)
    {
        fixed[k] = card(c);
        return *this;
    }
    Deck build() const
    {
        Deck deck{};
        std::set<std::pair<int, int>> used;
        for (const auto& [k, c] : fixed) {
            deck[std::size_t(k)] = c;
            EXPECT_TRUE(used.insert({c.rank, c.suit}).second) << "card laid twice in the plan";
        }
        const Deck ordered = cards::orderedDeck<GolfRules::deckSize>(13);
        std::size_t next = 0;
        for (int k = 0; k < GolfRules::deckSize; ++k) {
            if (fixed.count(k))
                continue;
            while (used.count({ordered[next].rank, ordered[next].suit}))
                ++next;
            deck[std::size_t(k)] = ordered[next++];
        }
        return deck;
    }
};

// Ranks that bounce between ace and queen, one up or down each time: every card fits the one before.
inline std::vector<int> bounce(int from, int n)
{
    std::vector<int> ranks{from};
    int step = 1;
    while (static_cast<int>(ranks.size()) < n) {
        int next = ranks.back() + step;
        if (next > 12 || next < 1) {
            step = -step;
            next = ranks.back() + step;
        }
        ranks.push_back(next);
    }
    return ranks;
}

inline const char suits[] = "hsdc";
inline const char ranks[] = "A23456789TJQK";

// Pile 0 starts a bouncing chain that the tableau continues, column by column from the bottom up, so the
// whole tableau can be played onto pile 0. The stock is given in playing order.
inline DeckPlan chainDeck(const std::vector<std::string>& stock)
{
    DeckPlan plan;
    std::map<int, int> suitUsed;
    const std::vector<int> chain = bounce(6, 36);
    auto next = [&](int rank) { return std::string{ranks[rank - 1], suits[suitUsed[rank]++]}; };
    plan.first(next(chain[0]));
    for (int j = 0; j < 35; ++j)
        plan.cell((j / 5) * 5 + 4 - j % 5, next(chain[std::size_t(j + 1)]));
    plan.stock(stock);
    return plan;
}

// The order in which chainDeck's tableau is played onto pile 0.
inline int chainCell(int j) { return (j / 5) * 5 + 4 - j % 5; }

// A hole with nothing to play once ten new piles are started: the piles hold aces to fours and queens,
// the free tableau cards are sevens and eights, and the next stock card is a ten.
inline DeckPlan blockedDeck()
{
    DeckPlan plan;
    const char* bottom[] = {"7h", "7s", "7d", "7c", "8h", "8s", "8d"};
    for (int c = 0; c < 7; ++c)
        plan.cell(c * 5 + 4, bottom[c]);
    plan.first("Ah");
    plan.stock({"As", "Ad", "Ac", "2h", "2s", "2d", "2c", "3h", "3s", "Qh", "Th"});
    return plan;
}

// Four kings cost four penalties and seven new piles follow: five stock cards are left for the green.
inline DeckPlan greenDeck()
{
    return chainDeck({"Kh", "Ks", "Kd", "Kc", "As", "Ac", "2d", "3d", "4d", "Qd", "Qc", "Ad", "2c", "3c", "5c", "4c"});
}

// The same start, then ten new piles and one card on a pile: only the face-up card is left.
inline DeckPlan lastCardDeck()
{
    return chainDeck({"Kh", "Ks", "Kd", "Kc", "As", "Ac", "2d", "2c", "3d", "3c", "4d", "Qd", "Qc", "Ad", "4c", "5c"});
}

// Draws the swaps that turn the ordered deck into each queued deck, then goes on at random.
class DeckRandom final : public Random {
public:
    void queue(const Deck& target)
    {
        Deck deck = cards::orderedDeck<GolfRules::deckSize>(13);
        int swaps = 0;
        for (std::size_t i = 0; i < deck.size(); ++i) {
            std::size_t j = i;
            while (!(deck[j] == target[i]))
                ++j;
            std::swap(deck[i], deck[j]);
            push(int(i), int(j));
            ++swaps;
        }
        for (; swaps < GolfRules::shuffleSwaps; ++swaps)
            push(0, 0);
    }
    double next() override
    {
        if (numbers_.empty())
            return rest_.next();
        const double n = numbers_.front();
        numbers_.pop_front();
        return n;
    }

private:
    void push(int a, int b)
    {
        numbers_.push_back((a + 0.5) / GolfRules::deckSize);
        numbers_.push_back((b + 0.5) / GolfRules::deckSize);
    }
    std::deque<double> numbers_;
    SeededRandom rest_{5};
};

} // namespace golfdecks
