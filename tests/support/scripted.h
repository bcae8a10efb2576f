// The tests' one scripted random source: the deals and dice a test names come out first, then a
// seeded stream, so a game can be played to a known end.
#pragma once

#include "shell/random.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <utility>

class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::uint64_t seed = 11) : rest_(seed) {}

    // The number that Random::pick(n, first) turns into `value`.
    ScriptedRandom& pick(int value, int n, int first = 0)
    {
        numbers_.push_back((value - first + 0.5) / n);
        return *this;
    }
    // Dice faces, as pick(6, 1) draws them.
    ScriptedRandom& faces(std::initializer_list<int> faces)
    {
        for (int f : faces)
            pick(f, 6, 1);
        return *this;
    }
    // The draws that make the games' shuffle (`swaps` swaps of two places) turn `ordered` into `wanted`:
    // one swap puts each place right, the swaps left over change nothing.
    template <typename Deck>
    ScriptedRandom& deal(Deck ordered, const Deck& wanted, int swaps)
    {
        const int size = static_cast<int>(std::size(ordered));
        int used = 0;
        for (int i = 0; i < size; ++i) {
            const auto at = std::find(std::begin(ordered) + i, std::end(ordered), wanted[static_cast<std::size_t>(i)]);
            if (at == std::end(ordered))
                throw std::logic_error("the wanted deck is not a reordering of the deck");
            const int j = static_cast<int>(at - std::begin(ordered));
            std::swap(ordered[static_cast<std::size_t>(i)], ordered[static_cast<std::size_t>(j)]);
            pick(i, size).pick(j, size);
            ++used;
        }
        if (used > swaps)
            throw std::logic_error("more swaps needed than the shuffle makes");
        for (; used < swaps; ++used)
            pick(0, size).pick(0, size);
        return *this;
    }
    bool scriptedAll() const { return numbers_.empty(); }

    double next() override
    {
        if (numbers_.empty())
            return rest_.next();
        const double n = numbers_.front();
        numbers_.pop_front();
        return n;
    }

private:
    std::deque<double> numbers_;
    SeededRandom rest_;
};
