// One game of Poker: credits, score, bonus credits, the end of the game and the record it is measured against.
#include "games/poker/poker_game.h"

#include "shell/card_pictures.h"

std::string pokerCreditsText(int credits)
{
    return (credits < 10 ? "0" : "") + std::to_string(credits);
}

std::string pokerScoreText(int score)
{
    const std::string digits = std::to_string(score);
    return digits.size() >= 6 ? digits : std::string(6 - digits.size(), '0') + digits;
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
    std::vector<PokerStep> steps{
        PokerStep::caption(PokerStep::Kind::Credits, pokerCreditsText(credits_)),
        PokerStep::caption(PokerStep::Kind::Score, pokerScoreText(score_)),
    };
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
    steps.push_back(PokerStep::caption(PokerStep::Kind::Credits, pokerCreditsText(credits_)));
    steps.push_back(PokerStep::banner(handMessage(lastCode_), paid ? winColour : lossColour));
    if (paid) {
        score_ += winPoints_;
        steps.push_back(PokerStep::caption(PokerStep::Kind::Score, pokerScoreText(score_)));
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
    steps.push_back(PokerStep::banner("Hai Vinto " + std::to_string(bonus) + " Crediti", bonusColour));
    credits_ += bonus;
    steps.push_back(PokerStep::caption(PokerStep::Kind::Credits, pokerCreditsText(credits_)));
}

void PokerGame::endGame(std::vector<PokerStep>& steps)
{
    over_ = true;
    steps.push_back(PokerStep::banner("GAME OVER", gameOverColour));
    if (isNewRecord())
        steps.push_back(PokerStep::plain(PokerStep::Kind::NewRecord));
    hand_.ripulisci();
    for (int i = 0; i < PokerHand::size; ++i)
        steps.push_back(PokerStep::card(i, pictures::redBack));
    steps.push_back(PokerStep::plain(PokerStep::Kind::CardsDisabled));
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
