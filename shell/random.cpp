// The seeded generator behind every deal.
#include "shell/random.h"

#include <atomic>
#include <chrono>

namespace {

std::uint64_t splitmix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

} // namespace

void SeededRandom::reseed(std::uint64_t seed)
{
    for (auto& word : s_)
        word = splitmix(seed);
}

double SeededRandom::next()
{
    const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    // The top 53 bits make a double in [0, 1) with every value equally likely.
    return static_cast<double>(result >> 11) * 0x1.0p-53;
}

std::uint64_t clockSeed()
{
    static std::atomic<std::uint64_t> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count()
                     ^ std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(ticks) + 0x632BE59BD9B4E019ULL * ++counter;
}
