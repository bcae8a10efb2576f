// Scripted Bowling deals for the tests: a random source that makes the shuffle lay out a chosen deck.
#pragma once

#include "games/bowling/bowling_rules.h"
#include "shell/random.h"

#include <deque>
#include <map>
#include <set>
#include <stdexcept>
#include <utility>

namespace bowling_decks {

// Pins given by position (0 to 9) and balls by pile index (0 to 9), as values; the pins are hearts and
// the balls spades, and every value not given is filled in ascending order.
inline BowlingRules::Deck deck(const std::map<int, int>& pinValues, const std::map<int, int>& ballValues = {})
{
    BowlingRules::Deck d{};
    for (int half = 0; half < 2; ++half) {
        const auto& given = half == 0 ? pinValues : ballValues;
        std::set<int> free;
        for (int v = 1; v <= 10; ++v)
            free.insert(v);
        for (const auto& [place, value] : given)
            if (!free.erase(value))
                throw std::logic_error("a value given twice");
        for (int i = 0; i < 10; ++i) {
            int value = 0;
            if (auto it = given.find(i); it != given.end())
                value = it->second;
            else {
                value = *free.begin();
                free.erase(free.begin());
            }
            d[static_cast<std::size_t>(half * 10 + i)] = {value, half + 1};
        }
    }
    return d;
}

// Pin i holds i + 1 and ball k holds k + 1: what the shuffle lays out when every draw is 0.
inline BowlingRules::Deck ordered() { return BowlingRules::orderedDeck(); }

// Hands out the draws that turn the ordered deck into the decks queued, one deal each, then draws 0
// (a swap of the first card with itself) for every deal after them.
class DeckRandom final : public Random {
public:
    void queue(const BowlingRules::Deck& target)
    {
        BowlingRules::Deck current = BowlingRules::orderedDeck();
        int swaps = 0;
        for (int p = 0; p < BowlingRules::deckSize; ++p) {
            int q = p;
            while (!(current[static_cast<std::size_t>(q)] == target[static_cast<std::size_t>(p)]))
                ++q;
            std::swap(current[static_cast<std::size_t>(p)], current[static_cast<std::size_t>(q)]);
            draws_.push_back(position(p));
            draws_.push_back(position(q));
            ++swaps;
        }
        for (; swaps < BowlingRules::shuffleSwaps; ++swaps) {
            draws_.push_back(0.0);
            draws_.push_back(0.0);
        }
    }
    double next() override
    {
        if (draws_.empty())
            return 0.0;
        const double d = draws_.front();
        draws_.pop_front();
        return d;
    }

private:
    static double position(int p) { return (p + 0.5) / BowlingRules::deckSize; }
    std::deque<double> draws_;
};

// One play: the ball and the pins it takes.
struct Play {
    int ball;
    std::vector<int> pins;
};

// On the ordered deck ball k takes pin k, from the back row forwards: a strike.
inline const std::vector<Play>& strikePlays()
{
    static const std::vector<Play> plays = {{9, {9}}, {8, {8}}, {7, {7}}, {6, {6}}, {5, {5}},
                                            {4, {4}}, {3, {3}}, {2, {2}}, {1, {1}}, {0, {0}}};
    return plays;
}

// A deck on which "Scarta" first (balls 4, 7 and 9 go) and then six plays knock all ten pins down.
inline BowlingRules::Deck spareDeck()
{
    return deck({}, {{0, 1}, {1, 9}, {2, 5}, {3, 3}, {4, 2}, {5, 8}, {6, 7}, {7, 4}, {8, 10}, {9, 6}});
}
inline const std::vector<Play>& sparePlays()
{
    static const std::vector<Play> plays = {{8, {9}}, {6, {7, 8}}, {3, {5, 6}}, {2, {4}}, {1, {1, 2, 3}}, {0, {0}}};
    return plays;
}

} // namespace bowling_decks
