// One game of Poker: credits, score, bonus credits and the end of the game.
#include "games/poker/poker_rules.h"

PokerRules::PokerRules(Random& random) : hand_(random) {}

std::vector<PokerStep> PokerRules::nuovaPartita()
{
    bonusThreshold_ = bonusStep;
    credits_ = startCredits;
    score_ = 0;
    winPoints_ = 0;
    lastCode_ = HandCode::None;
    over_ = false;
    std::vector<PokerStep> steps{PokerStep::count(PokerStep::Kind::Credits, credits_),
                                 PokerStep::count(PokerStep::Kind::Score, score_)};
    dealNextHand(steps);
    return steps;
}

bool PokerRules::toggleMark(int position)
{
    return !over_ && hand_.toggleMark(position);
}

std::vector<PokerStep> PokerRules::carica()
{
    if (over_)
        return {};
    return hand_.carica();
}

std::vector<PokerStep> PokerRules::controlla()
{
    if (over_)
        return {};
    lastCode_ = evaluateHand(hand_.sortedRanks(), hand_.suits());
    const bool paid = lastCode_ != HandCode::None;
    if (paid)
        winPoints_ = handPoints(lastCode_);
    else
        --credits_;
    std::vector<PokerStep> steps{PokerStep::valued(lastCode_), PokerStep::count(PokerStep::Kind::Credits, credits_),
                                 PokerStep::told(handMessage(lastCode_), paid ? PokerStep::Message::Win : PokerStep::Message::Loss)};
    if (paid) {
        score_ += winPoints_;
        steps.push_back(PokerStep::count(PokerStep::Kind::Score, score_));
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

void PokerRules::payBonus(std::vector<PokerStep>& steps)
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
    steps.push_back(PokerStep::told("Hai Vinto " + std::to_string(bonus) + " Crediti", PokerStep::Message::Bonus));
    credits_ += bonus;
    steps.push_back(PokerStep::count(PokerStep::Kind::Credits, credits_));
}

void PokerRules::endGame(std::vector<PokerStep>& steps)
{
    over_ = true;
    steps.push_back(PokerStep::told("GAME OVER", PokerStep::Message::GameOver));
    hand_.ripulisci();
    for (int i = 0; i < PokerHand::size; ++i)
        steps.push_back(PokerStep::turn(i, hand_.card(i), false));
    steps.push_back(PokerStep::plain(PokerStep::Kind::GameOver));
}

void PokerRules::dealNextHand(std::vector<PokerStep>& steps)
{
    steps.push_back(PokerStep::plain(PokerStep::Kind::NewHand));
    hand_.ripulisci();
    const std::vector<PokerStep> deal = hand_.carica();
    steps.insert(steps.end(), deal.begin(), deal.end());
}

bool PokerRules::isConsistent() const
{
    for (int i = 0; i < PokerHand::size; ++i) {
        const Card& card = hand_.card(i);
        if (card.isEmpty())
            continue;
        if (card.rank < 1 || card.rank > 13 || card.suit < 1 || card.suit > 4)
            return false;
        for (int j = 0; j < i; ++j)
            if (hand_.card(j) == card)
                return false;
    }
    return credits_ >= 0 && score_ >= 0;
}
