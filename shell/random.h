// The random source the games draw from: uniform numbers in [0,1), seeded from the clock or by a test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <utility>

class Random {
public:
    virtual ~Random() = default;
    // A number uniform in [0, 1).
    virtual double next() = 0;
    // Int(next() * n) + first: a whole number from first to first + n - 1, as the games draw positions.
    int pick(int n, int first = 0) { return static_cast<int>(next() * n) + first; }
};

// Our own generator (xoshiro256**, seeded through splitmix64), so a seed gives the same deal on
// every compiler and standard library.
class SeededRandom final : public Random {
public:
    explicit SeededRandom(std::uint64_t seed) { reseed(seed); }
    void reseed(std::uint64_t seed);
    double next() override;

private:
    std::uint64_t s_[4]{};
};

// A seed taken from the wall clock and a process counter, so two deals in the same instant differ.
std::uint64_t clockSeed();
// Tests replaying a randomised run put their own seeds in place of the clock's; empty puts the clock back.
void setSeedSource(std::function<std::uint64_t()> source);

// The shuffle every game deals with: `swaps` times two places, each drawn from the whole deck (first
// one, then the other, so a seed always gives the same deal), change cards.
template <typename Deck>
void swapShuffle(Deck& deck, int swaps, Random& random)
{
    const int size = static_cast<int>(std::size(deck));
    for (int swap = 0; swap < swaps; ++swap) {
        const auto a = static_cast<std::size_t>(random.pick(size));
        const auto b = static_cast<std::size_t>(random.pick(size));
        std::swap(deck[a], deck[b]);
    }
}
