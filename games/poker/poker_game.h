// One game of Poker: credits, score, bonus credits, the end of the game and the record it is measured against.
#pragma once

#include "games/poker/poker_evaluation.h"
#include "games/poker/poker_hand.h"
#include "games/poker/poker_record.h"
#include "games/poker/poker_step.h"

#include <string>
#include <vector>

class Random;

// Fill colours of the message panel, one per kind of message.
inline constexpr Rgb winColour{255, 128, 128};
inline constexpr Rgb lossColour{128, 128, 255};
inline constexpr Rgb gameOverColour{192, 0, 0};
inline constexpr Rgb bonusColour{192, 192, 0};

// "09" below ten, the number itself from ten on.
std::string pokerCreditsText(int credits);
// Six digits with leading zeros; a longer score is written in full.
std::string pokerScoreText(int score);

class PokerGame {
public:
    static constexpr int startCredits = 10;
    static constexpr int bonusStep = 1000;
    static constexpr int bonusCredits = 5;

    explicit PokerGame(Random& random);

    // The record read at the start of each game; the game is measured against it when it ends.
    void setRecord(const PokerRecord& record) { record_ = record; }
    const PokerRecord& record() const { return record_; }

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
    bool isNewRecord() const { return over_ && score_ > record_.value; }
    // The score as the record file keeps it, and as `recpk` shows it after the name is entered.
    std::string recordValueText() const { return pokerRecordValueText(score_); }

private:
    void payBonus(std::vector<PokerStep>& steps);
    void endGame(std::vector<PokerStep>& steps);
    void dealNextHand(std::vector<PokerStep>& steps);

    PokerHand hand_;
    PokerRecord record_;
    int credits_ = startCredits;
    int score_ = 0;
    int bonusThreshold_ = bonusStep;
    int winPoints_ = 0;
    HandCode lastCode_ = HandCode::None;
    bool over_ = false;
};
