// One game of Poker: credits, score, bonus credits, the end of the game and the record it is measured against.
#pragma once

#include "games/poker/poker_evaluation.h"
#include "games/poker/poker_hand.h"
#include "games/poker/poker_step.h"
#include "shell/record_slot.h"

#include <vector>

class Random;

// The score is shown, and the record kept, in six digits.
inline constexpr int pokerScoreDigits = 6;

// The record file "rcpkr.dat": the highest score, in six digits, and who made it.
RecordRules pokerRecordRules();

class PokerGame {
public:
    static constexpr int startCredits = 10;
    static constexpr int bonusStep = 1000;
    static constexpr int bonusCredits = 5;

    explicit PokerGame(Random& random);

    // The record's value, read at the start of each game; the game is measured against it when it ends.
    void setRecord(long long value) { record_ = value; }

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
    // Five different cards on the table (or places not yet dealt), credits never below zero.
    bool isConsistent() const;
    // The game-over flag: chooses the wording of the question on leaving.
    bool isOver() const { return over_; }
    // A finished game beats the record only with a strictly higher score.
    bool isNewRecord() const { return over_ && score_ > record_; }

private:
    void payBonus(std::vector<PokerStep>& steps);
    void endGame(std::vector<PokerStep>& steps);
    void dealNextHand(std::vector<PokerStep>& steps);
    void showCredits(std::vector<PokerStep>& steps) const;
    void showScore(std::vector<PokerStep>& steps) const;

    PokerHand hand_;
    long long record_ = 0;
    int credits_ = startCredits;
    int score_ = 0;
    int bonusThreshold_ = bonusStep;
    int winPoints_ = 0;
    HandCode lastCode_ = HandCode::None;
    bool over_ = false;
};
