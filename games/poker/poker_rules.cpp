// One game of Poker: credits, score, bonus credits, the end of the game and the record it is measured against.
#include "games/poker/poker_game.h"

#include "shell/card_pictures.h"
#include "shell/text_formats.h"

#include <algorithm>

namespace {
// Six digits cannot hold a million: such a score is kept as the highest they can.
constexpr long long largestStored = 999999;
} // namespace

RecordRules pokerRecordRules()
{
    RecordRules rules{{"rcpkr.dat", 0xB7, pokerScoreDigits},
                      RecordRules::Better::Higher,
                      0,
                      "CPU",
                      [](long long v) { return text::zeroPadded(std::clamp(v, 0LL, largestStored), pokerScoreDigits); },
                      [](std::string_view s) { return text::readNumber(s); }};
    // The record line shows the name up to its first blank.
    rules.holderCaption = [](std::string_view name) { return std::string(name.substr(0, name.find(' '))); };
    rules.shortFileKeepsHolder = true;
    rules.nameWithoutValueCounts = true;
    return rules;
}

PokerGame::PokerGame(Random& random) : hand_(random) {}

std::vector<PokerStep> PokerGame::nuovaPartita()
{
    bonusThreshold_ = bonusStep;
    credits_ = startCredits;
    score_ = 0;
    winPoints_ = 0;
    lastCode_ = HandCode::None;
    over_ = false;
    std::vector<PokerStep> steps;
    showCredits(steps);
    showScore(steps);
    dealNextHand(steps);
    return steps;
}

bool PokerGame::toggleMark(int position)
{
    return !over_ && hand_.toggleMark(position);
}

std::vector<PokerStep> PokerGame::carica()
{
    if (over_)
        return {};
    return hand_.carica();
}

std::vector<PokerStep> PokerGame::controlla()
{
    if (over_)
        return {};
    std::vector<PokerStep> steps{PokerStep::plain(PokerStep::Kind::HideControls)};

    lastCode_ = evaluateHand(hand_.sortedRanks(), hand_.suits());
    const bool paid = lastCode_ != HandCode::None;
    if (paid) {
        winPoints_ = handPoints(lastCode_);
        steps.push_back(PokerStep::highlight(highlightIndex(lastCode_)));
    } else {
        --credits_;
    }
    showCredits(steps);
    steps.push_back(PokerStep::banner(handMessage(lastCode_), paid ? PokerStep::Message::Win : PokerStep::Message::Loss));
    if (paid) {
        score_ += winPoints_;
        showScore(steps);
    }

    if (credits_ == 0) {
        endGame(steps);
        return steps;
    }
    if (paid)
        payBonus(steps);
    dealNextHand(steps);
    return steps;
}

void PokerGame::payBonus(std::vector<PokerStep>& steps)
{
    int bonus = 0;
    // The top two hands pay for the thresholds they jump over. The threshold moves on from where
    // it stands: setting it to a fixed value would put it back below a grown score and no later
    // score would ever reach it again.
    if (winPoints_ == 1000 || winPoints_ == 2000) {
        bonus = bonusCredits * winPoints_ / bonusStep;
        bonusThreshold_ += winPoints_;
    }
    if (score_ >= bonusThreshold_ && score_ < bonusThreshold_ + bonusStep) {
        bonus = bonusCredits;
        bonusThreshold_ += bonusStep;
    }
    if (bonus == 0)
        return;
    steps.push_back(PokerStep::banner("Hai Vinto " + std::to_string(bonus) + " Crediti", PokerStep::Message::Bonus));
    credits_ += bonus;
    showCredits(steps);
}

void PokerGame::endGame(std::vector<PokerStep>& steps)
{
    over_ = true;
    steps.push_back(PokerStep::banner("GAME OVER", PokerStep::Message::GameOver));
    if (isNewRecord())
        steps.push_back(PokerStep::plain(PokerStep::Kind::NewRecord));
    hand_.ripulisci();
    for (int i = 0; i < PokerHand::size; ++i)
        steps.push_back(PokerStep::card(i, pictures::redBack));
    steps.push_back(PokerStep::plain(PokerStep::Kind::CardsDisabled));
}

void PokerGame::showCredits(std::vector<PokerStep>& steps) const
{
    steps.push_back(PokerStep::caption(PokerStep::Kind::Credits, text::twoDigits(credits_)));
}

void PokerGame::showScore(std::vector<PokerStep>& steps) const
{
    steps.push_back(PokerStep::caption(PokerStep::Kind::Score, text::zeroPadded(score_, pokerScoreDigits)));
}

void PokerGame::dealNextHand(std::vector<PokerStep>& steps)
{
    steps.push_back(PokerStep::plain(PokerStep::Kind::Ripulisci));
    hand_.ripulisci();
    const std::vector<PokerStep> deal = hand_.carica();
    steps.insert(steps.end(), deal.begin(), deal.end());
}

bool PokerGame::isConsistent() const
{
    for (int i = 0; i < PokerHand::size; ++i) {
        const Card& card = hand_.card(i);
        if (card.empty())
            continue;
        if (card.rank < 1 || card.rank > 13 || card.suit < 1 || card.suit > 4)
            return false;
        for (int j = 0; j < i; ++j)
            if (hand_.card(j) == card)
                return false;
    }
    return credits_ >= 0 && score_ >= 0;
}
