// Bowling's rules: the deal, balls against pins by value and adjacency, the discard, and frame scoring.
#include "games/bowling/bowling_rules.h"

#include "shell/card_pictures.h"
#include "shell/random.h"
#include "shell/text_formats.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace {

constexpr int hearts = 1;
constexpr int spades = 2;
// The first card of each pile lies on top and is face up from the deal.
constexpr int pileTops[] = {4, 7, 9};

template <typename T>
auto& at(T& array, int i)
{
    return array[static_cast<std::size_t>(i)];
}

} // namespace

BowlingRules::BowlingRules(Random& random) : random_(random) {}

BowlingRules::Deck BowlingRules::orderedDeck()
{
    Deck deck;
    for (int i = 0; i < pins; ++i) {
        at(deck, i) = {i + 1, hearts};
        at(deck, pins + i) = {i + 1, spades};
    }
    return deck;
}

BowlingRules::Deck BowlingRules::shuffled(Random& random)
{
    Deck deck = orderedDeck();
    swapShuffle(deck, shuffleSwaps, random);
    return deck;
}

const std::vector<int>& BowlingRules::neighbours(int pin)
{
    static const std::vector<int> table[pins] = {
        {1, 4}, {0, 2, 4, 5}, {1, 3, 5, 6}, {2, 6}, {0, 1, 5, 7},
        {1, 2, 4, 6, 7, 8}, {2, 3, 5, 8}, {4, 5, 8, 9}, {5, 6, 7, 9}, {7, 8},
    };
    return table[pin];
}

RecordRules BowlingRules::recordRules()
{
    RecordRules rules{{"rcbwl.dat", 0x5C, 3},
                      RecordRules::Better::Higher,
                      0,
                      "CPU",
                      [](long long total) { return totalText(static_cast<int>(total)); },
                      [](std::string_view stored) -> std::optional<long long> {
                          const auto total = text::readNumber(stored.substr(0, 3));
                          return total && *total > 0 ? total : std::nullopt;
                      }};
    // The record line shows the stored name even beside a value that holds no record, and a file
    // too short to hold a name leaves the name shown until then.
    rules.nameWithoutValueCounts = true;
    rules.shortFileKeepsHolder = true;
    return rules;
}

std::string BowlingRules::totalText(int total) { return text::zeroPadded(total, 3); }

void BowlingRules::nuovaPartita()
{
    gameNumber_ = 0;
    scores_.fill(-1);
    total_ = 0;
    metticarte();
}

void BowlingRules::metticarte()
{
    deck_ = shuffled(random_);
    standing_.fill(true);
    pinSelected_.fill(false);
    ballStates_.fill(BallState::FaceDown);
    for (int top : pileTops)
        at(ballStates_, top) = BallState::FaceUp;
    selectedBall_ = -1;
    selectedCount_ = 0;
    somma_ = 0;
    prese_ = 0;
    ballCounter_ = balls;
    discardUsed_ = false;
    giocaShown_ = false;
    playError_.clear();
}

void BowlingRules::nuovap() { metticarte(); }

void BowlingRules::clearSelection()
{
    pinSelected_.fill(false);
    selectedBall_ = -1;
    selectedCount_ = 0;
    somma_ = 0;
    giocaShown_ = false;
}

void BowlingRules::selectBall(int k)
{
    if (isOver() || k < 0 || k >= balls)
        return;
    // With a ball in hand, another ball changes nothing: its pins stay chosen for it.
    if (selectedBall_ >= 0 && selectedBall_ != k)
        return;
    if (selectedBall_ == k) {
        clearSelection();
        return;
    }
    if (ballState(k) == BallState::FaceUp)
        selectedBall_ = k;
}

bool BowlingRules::pinAcceptsClick(int pin) const
{
    if (isOver() || selectedBall_ < 0 || pin < 0 || pin >= pins || !isStanding(pin))
        return false;
    return isPinSelected(pin) || selectedCount_ < mostPins;
}

void BowlingRules::selectPin(int i)
{
    if (!pinAcceptsClick(i))
        return;
    const int value = card(i).value;
    if (isPinSelected(i)) {
        at(pinSelected_, i) = false;
        --selectedCount_;
        somma_ -= value;
    } else {
        at(pinSelected_, i) = true;
        ++selectedCount_;
        somma_ += value;
    }
    giocaShown_ = selectedCount_ > 0;
}

bool BowlingRules::breaksTopRow() const
{
    auto sel = [this](int p) { return isPinSelected(p); };
    // Standing and left out of the selection: the pin still shields the row above it.
    auto shields = [this](int p) { return isStanding(p) && !isPinSelected(p); };
    const bool topRowChosen = sel(0) || sel(1) || sel(2) || sel(3);
    const bool secondRowUp = isStanding(4) && isStanding(5) && isStanding(6);
    if (topRowChosen && secondRowUp && !sel(4) && !sel(5) && !sel(6))
        return true;
    if (sel(0) && shields(4) && !sel(1))
        return true;
    if (sel(3) && shields(6) && !sel(2))
        return true;
    if (sel(1) && shields(4) && shields(5) && !sel(2))
        return true;
    if (sel(2) && shields(5) && shields(6) && !sel(1))
        return true;
    // Pin 5's rule asks for pins 6 and 7 standing, chosen or not.
    return sel(5) && isStanding(6) && isStanding(7) && !sel(4) && !sel(6) && !sel(7) && !sel(8);
}

int BowlingRules::hangingTogether() const
{
    int chosen = 0;
    int joined = 0;
    for (int p = 0; p < pins; ++p) {
        if (!isPinSelected(p))
            continue;
        ++chosen;
        const auto& near = neighbours(p);
        if (std::any_of(near.begin(), near.end(), [this](int q) { return isPinSelected(q); }))
            ++joined;
    }
    if (chosen == 1)
        joined = 1;
    return breaksTopRow() ? 0 : joined;
}

bool BowlingRules::totalMatches(int sum) const
{
    const int b = ballValue();
    // The ten is the one ball that counts only at its face.
    if (b == 10)
        return sum == 10;
    return sum == b || sum == b + 10 || sum == b + 20;
}

std::string BowlingRules::playError() const { return playError_; }

std::vector<BowlingStep> BowlingRules::gioca()
{
    if (isOver() || !giocaShown_ || selectedBall_ < 0)
        return {};
    const bool together = selectionHangsTogether();
    int sum = 0;
    if (together) {
        for (int p = 0; p < pins; ++p)
            if (isPinSelected(p))
                sum += card(p).value;
    }
    const bool right = totalMatches(sum);
    if (!together || !right) {
        playError_ = std::string(!together ? wrongSelection : wrongTotal);
        BowlingStep error;
        error.kind = BowlingStep::Kind::Message;
        error.banner = BowlingBanner::Error;
        error.text = playError_;
        error.hold = bannerSeconds;
        return {error};
    }
    playError_.clear();

    for (int p = 0; p < pins; ++p) {
        if (!isPinSelected(p))
            continue;
        at(standing_, p) = false;
        ++prese_;
    }
    const int k = selectedBall_;
    at(ballStates_, k) = BallState::Gone;
    clearSelection();
    if (k >= 1) {
        // The card below turns up; a ball already thrown or discarded stays out of the game.
        if (ballState(k - 1) == BallState::FaceDown)
            at(ballStates_, k - 1) = BallState::FaceUp;
        --ballCounter_;
    }
    if (prese_ == pins || endsByCounter())
        return vinci();
    return {};
}

bool BowlingRules::anyBallFaceUp() const
{
    return std::any_of(ballStates_.begin(), ballStates_.end(), [](BallState s) { return s == BallState::FaceUp; });
}

// The counter alone would end a game whose discard cost more balls than were left to turn; a ball
// still face up keeps the game going.
bool BowlingRules::endsByCounter() const { return ballCounter_ < 1 && !anyBallFaceUp(); }

std::vector<BowlingStep> BowlingRules::scarta()
{
    if (isOver() || discardUsed_)
        return {};
    discardUsed_ = true;
    clearSelection();
    playError_.clear();
    for (int k = 0; k < balls; ++k) {
        if (ballState(k) != BallState::FaceUp)
            continue;
        at(ballStates_, k) = BallState::Gone;
        if (k >= 1 && ballState(k - 1) == BallState::FaceDown)
            at(ballStates_, k - 1) = BallState::FaceUp;
        // The loop goes upwards, so a card just turned up is never discarded in the same sweep.
    }
    ballCounter_ -= discardCost;
    if (endsByCounter())
        return vinci();
    return {};
}

std::vector<BowlingStep> BowlingRules::termina()
{
    if (isOver())
        return {};
    somma_ = 0;
    return vinci();
}

void BowlingRules::keepPlaying()
{
    if (!isOver())
        giocaShown_ = false;
}

BowlingStep BowlingRules::tableStep() const
{
    BowlingStep step;
    step.kind = BowlingStep::Kind::Table;
    step.table = table();
    return step;
}

std::vector<BowlingStep> BowlingRules::vinci()
{
    std::vector<BowlingStep> steps;
    const bool allDown = prese_ == pins;
    const int points = allDown ? (discardUsed_ ? spareScore : strikeScore) : prese_;
    at(scores_, gameNumber_) = points;
    total_ += points;
    clearSelection();
    steps.push_back(tableStep());
    if (allDown) {
        BowlingStep banner;
        banner.kind = BowlingStep::Kind::Message;
        banner.banner = discardUsed_ ? BowlingBanner::Spare : BowlingBanner::Strike;
        banner.text = std::string(discardUsed_ ? spareText : strikeText);
        banner.hold = bannerSeconds;
        steps.push_back(banner);
    }
    nuovap();
    ++gameNumber_;
    if (!isOver())
        return steps;

    // The match is over: the table shows backs only and nothing is left to play until a new match.
    ballStates_.fill(BallState::FaceDown);
    steps.push_back(tableStep());
    BowlingStep solved;
    solved.kind = isSolved() ? BowlingStep::Kind::Message : BowlingStep::Kind::Pause;
    solved.banner = BowlingBanner::Solved;
    solved.text = isSolved() ? std::string(solvedText) : std::string();
    solved.hold = bannerSeconds;
    solved.keep = true;
    steps.push_back(solved);
    BowlingStep over;
    over.kind = BowlingStep::Kind::Message;
    over.banner = BowlingBanner::GameOver;
    over.text = std::string(gameOverText);
    over.hold = bannerSeconds;
    over.keep = true;
    steps.push_back(over);
    BowlingStep record;
    record.kind = BowlingStep::Kind::Record;
    steps.push_back(record);
    return steps;
}

BowlingTable BowlingRules::table() const
{
    BowlingTable t;
    const bool over = isOver();
    for (int p = 0; p < pins; ++p) {
        const BowlingCard& c = card(p);
        at(t.pinPicture, p) = over ? pictures::redBack : frenchCardPicture(c.value, c.suit);
        at(t.pinShown, p) = over || isStanding(p);
        at(t.pinFramed, p) = isPinSelected(p);
    }
    for (int k = 0; k < balls; ++k) {
        const BowlingCard& c = card(pins + k);
        const BallState state = ballState(k);
        at(t.ballPicture, k) = over || state != BallState::FaceUp ? pictures::redBack : frenchCardPicture(c.value, c.suit);
        at(t.ballShown, k) = over || state != BallState::Gone;
        at(t.ballFramed, k) = selectedBall_ == k;
        at(t.ballValue, k) = over || state != BallState::FaceUp ? 0 : c.value;
    }
    t.somma = std::to_string(somma_);
    t.prese = std::to_string(prese_);
    t.totale = totalText(total_);
    for (int g = 0; g < games; ++g)
        at(t.scores, g) = score(g) < 0 ? "--" : std::to_string(score(g));
    t.rowsEnabled = std::min(gameNumber_ + 1, games);
    t.gioca = giocaShown_;
    // "Scarta" is offered once a game; at the end of the match it is back but no longer reacts.
    t.scarta = over || !discardUsed_;
    t.buttonsEnabled = !over;
    return t;
}

bool BowlingRules::isConsistent() const
{
    Deck sorted = deck_;
    std::sort(sorted.begin(), sorted.end(),
              [](const BowlingCard& a, const BowlingCard& b) { return std::pair(a.suit, a.value) < std::pair(b.suit, b.value); });
    if (sorted != orderedDeck())
        return false;
    int down = 0;
    int chosen = 0;
    int chosenSum = 0;
    for (int p = 0; p < pins; ++p) {
        if (!isStanding(p))
            ++down;
        if (isPinSelected(p)) {
            if (!isStanding(p))
                return false;
            ++chosen;
            chosenSum += card(p).value;
        }
    }
    if (chosen != selectedCount_ || chosen > mostPins || chosenSum != somma_)
        return false;
    if (selectedBall_ < 0 && chosen > 0)
        return false;
    if (selectedBall_ >= 0 && ballState(selectedBall_) != BallState::FaceUp)
        return false;
    if (down != prese_)
        return false;
    // A face-down ball always lies under a face-up one of its pile, so the game never strands it.
    const int pileOf[balls] = {0, 0, 0, 0, 0, 1, 1, 1, 2, 2};
    for (int k = 0; k < balls && !isOver(); ++k) {
        if (ballState(k) != BallState::FaceDown)
            continue;
        if (k + 1 >= balls || pileOf[k + 1] != pileOf[k] || ballState(k + 1) == BallState::Gone)
            return false;
    }
    int sum = 0;
    for (int g = 0; g < games; ++g) {
        const int s = score(g);
        if ((g < gameNumber_) != (s >= 0) || s > strikeScore)
            return false;
        sum += std::max(s, 0);
    }
    return sum == total_ && gameNumber_ >= 0 && gameNumber_ <= games;
}
