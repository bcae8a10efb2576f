// A game's window over its rules: the random source the rules deal from, the rules, and their invariant.
#pragma once

#include "shell/game_window.h"
#include "shell/random.h"

#include <memory>
#include <utility>

template <typename Rules>
class GameWindowOf : public GameWindow {
public:
    const Rules& rules() const { return rules_; }
    bool isConsistent() const override { return rules_.isConsistent(); }

protected:
    // The window deals from `random`; it keeps it for as long as it lives.
    GameWindowOf(std::unique_ptr<Random> random, const QString& objectName, const QString& caption,
                 int clientWidthTwips, int clientHeightTwips, QColor background)
        : GameWindow(objectName, caption, clientWidthTwips, clientHeightTwips, background),
          random_(std::move(random)), rules_(*random_)
    {
    }

    std::unique_ptr<Random> random_;
    Rules rules_;
    RecordPanel* record_ = nullptr;
};
