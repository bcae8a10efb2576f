// Dice for Yahtzee tests: the faces a test names come out first, then a seeded stream; and whole scripted games.
#pragma once

#include "games/yahtzee/yahtzee_rules.h"
#include "shell/random.h"

#include <deque>
#include <initializer_list>

class ScriptedDice final : public Random {
public:
    // Each face f is the number that Random::pick(6, 1) turns into f.
    void queue(std::initializer_list<int> faces)
    {
        for (int f : faces)
            numbers.push_back((f - 0.5) / 6.0);
    }
    double next() override
    {
        if (numbers.empty())
            return rest.next();
        const double n = numbers.front();
        numbers.pop_front();
        return n;
    }
    std::deque<double> numbers;
    SeededRandom rest{11};
};

// One hand: the faces of its first roll and the box they are written in.
struct ScriptedHand {
    std::initializer_list<int> faces;
    int box;
};

// Every box once; SEI comes last and only it lifts the upper section to 63, with the bonus.
// Before it the card holds 45 + 184, after it 63 + 35 + 184.
inline const ScriptedHand bonusAtTheEnd[YahtzeeRules::boxes] = {
    {{1, 1, 1, 2, 3}, YahtzeeRules::assi},     {{2, 2, 2, 1, 3}, YahtzeeRules::due},
    {{3, 3, 3, 1, 2}, YahtzeeRules::tre},      {{4, 4, 4, 1, 2}, YahtzeeRules::quattro},
    {{5, 5, 5, 1, 2}, YahtzeeRules::cinque},   {{1, 1, 1, 2, 2}, YahtzeeRules::tris},
    {{1, 1, 1, 1, 2}, YahtzeeRules::poker},    {{1, 1, 2, 2, 2}, YahtzeeRules::full},
    {{1, 2, 3, 4, 6}, YahtzeeRules::scalaMin}, {{1, 2, 3, 4, 5}, YahtzeeRules::scalaMax},
    {{3, 3, 3, 3, 3}, YahtzeeRules::yahtzee},  {{6, 6, 6, 6, 2}, YahtzeeRules::change},
    {{6, 6, 6, 1, 2}, YahtzeeRules::sei},
};
inline constexpr int beforeTheLastBox = 45 + 184;
inline constexpr int withTheLastBox = 63 + 35 + 184;
