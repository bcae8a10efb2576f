// Dice for Yahtzee tests: the faces a test names come out first, then a seeded stream.
#pragma once

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
