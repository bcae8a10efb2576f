// One game of Poker: credits, score, bonus credits and the end of the game.
#pragma once

#include "games/poker/poker_evaluation.h"
#include "games/poker/poker_hand.h"
#include "games/poker/poker_step.h"

#include <vector>

class Random;

class PokerRules {
public:
    static constexpr int startCredits = 10;
    static constexpr int bonusStep = 1000;
    static constexpr int bonusCredits = 5;

    explicit PokerRules(Random& random);

    // A fresh game: ten credits, no score, the first hand dealt.
    std::vector<PokerStep> nuovaPartita();
    // "Scarta" on or off; once the game is over the cards take no clicks and this returns false.
    bool toggleMark(int position);
    // "Gioca" is these two: the draw of the marked cards, then the hand valued and paid and the next
    // hand dealt or the game ended. Neither does anything once the game is over.
    std::vector<PokerStep> carica();
    std::vector<PokerStep> controlla();

    const PokerHand& hand() const { return hand_; }
    int credits() const { return credits_; }
    int score() const { return score_; }
    int bonusThreshold() const { return bonusThreshold_; }
    int winPoints() const { return winPoints_; }
    HandCode lastCode() const { return lastCode_; }
    // The credits ran out: no more hands until a new game.
    bool isOver() const { return over_; }
    // Five different cards on the table (or places not yet dealt), credits never below zero.
    bool isConsistent() const;

private:
    void payBonus(std::vector<PokerStep>& steps);
    void endGame(std::vector<PokerStep>& steps);
    void dealNextHand(std::vector<PokerStep>& steps);

    PokerHand hand_;
    int credits_ = startCredits;
    int score_ = 0;
    int bonusThreshold_ = bonusStep;
    int winPoints_ = 0;
    HandCode lastCode_ = HandCode::None;
    bool over_ = false;
};
