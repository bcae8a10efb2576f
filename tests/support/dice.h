// The randomised tests' own dice (splitmix64), so a seed replays the same run everywhere, and the
// numbers a developer may give them from outside the suite (a longer run, one seed to replay).
#pragma once

#include <cstdint>
#include <cstdlib>

class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A whole number from 0 to n - 1.
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::uint64_t state_;
};

// The suite runs short by default; scripts/fuzz asks for the full length through these.
inline long long fromEnvironment(const char* name, long long fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoll(text, nullptr, 10) : fallback;
}
