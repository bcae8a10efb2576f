// Bowling's rules: the deal, balls against pins by value and adjacency, the discard, and frame scoring.
#include "games/bowling/bowling_rules.h"

#include "shell/random.h"
#include "shell/text_formats.h"

#include <algorithm>

namespace {

// The first card of each pile lies on top and is face up from the deal.
constexpr int pileTops[] = {4, 7, 9};

template <typename T>
auto& at(T& array, int i)
{
    return array[static_cast<std::size_t>(i)];
}

} // namespace

BowlingRules::BowlingRules(Random& random) : random_(random) {}

BowlingRules::Deck BowlingRules::orderedDeck() { return cards::orderedDeck<deckSize>(pins); }

BowlingRules::Deck BowlingRules::shuffled(Random& random)
{
    return cards::shuffledDeck<deckSize>(pins, shuffleSwaps, random);
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
                      [](long long total) { return text::zeroPadded(total, 3); },
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

void BowlingRules::nuovaPartita()
{
    table_.gameNumber = 0;
    table_.scores.fill(-1);
    table_.total = 0;
    metticarte();
}

void BowlingRules::metticarte()
{
    table_.deck = shuffled(random_);
    table_.standing.fill(true);
    table_.ballStates.fill(BallState::FaceDown);
    for (int top : pileTops)
        setBall(top, BallState::FaceUp);
    clearSelection();
    table_.prese = 0;
    table_.ballCounter = balls;
    table_.discardUsed = false;
    playError_.clear();
}

void BowlingRules::nuovap() { metticarte(); }

void BowlingRules::clearSelection()
{
    table_.pinSelected.fill(false);
    table_.selectedBall = -1;
    table_.selectedCount = 0;
    table_.somma = 0;
    table_.giocaShown = false;
}

bool BowlingRules::canTakeBall(int k) const
{
    if (isOver() || k < 0 || k >= balls)
        return false;
    // With a ball in hand, another ball changes nothing: its pins stay chosen for it.
    return selectedBall() < 0 ? ballState(k) == BallState::FaceUp : selectedBall() == k;
}

void BowlingRules::selectBall(int k)
{
    if (!canTakeBall(k))
        return;
    if (selectedBall() == k)
        clearSelection();
    else
        table_.selectedBall = k;
}

bool BowlingRules::canChoosePin(int pin) const
{
    if (isOver() || selectedBall() < 0 || pin < 0 || pin >= pins || !isStanding(pin))
        return false;
    return isPinSelected(pin) || selectedCount() < mostPins;
}

void BowlingRules::selectPin(int i)
{
    if (!canChoosePin(i))
        return;
    const int value = card(i).rank;
    const bool chosen = !isPinSelected(i);
    at(table_.pinSelected, i) = chosen;
    table_.selectedCount += chosen ? 1 : -1;
    table_.somma += chosen ? value : -value;
    table_.giocaShown = selectedCount() > 0;
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

std::vector<BowlingStep> BowlingRules::gioca()
{
    if (isOver() || !isGiocaShown() || selectedBall() < 0)
        return {};
    const bool together = selectionHangsTogether();
    if (!together || !totalMatches(somma())) {
        playError_ = std::string(!together ? wrongSelection : wrongTotal);
        BowlingStep error;
        error.kind = BowlingStep::Kind::Refused;
        error.text = playError_;
        error.hold = bannerSeconds;
        return {error};
    }
    playError_.clear();

    for (int p = 0; p < pins; ++p) {
        if (!isPinSelected(p))
            continue;
        at(table_.standing, p) = false;
        ++table_.prese;
    }
    const int k = selectedBall();
    setBall(k, BallState::Gone);
    clearSelection();
    if (k >= 1) {
        // The card below turns up; a ball already thrown or discarded stays out of the game.
        if (ballState(k - 1) == BallState::FaceDown)
            setBall(k - 1, BallState::FaceUp);
        --table_.ballCounter;
    }
    if (prese() == pins || endsByCounter())
        return vinci();
    return {};
}

bool BowlingRules::anyBallFaceUp() const
{
    const auto& states = table_.ballStates;
    return std::any_of(states.begin(), states.end(), [](BallState s) { return s == BallState::FaceUp; });
}

// The counter alone would end a game whose discard cost more balls than were left to turn; a ball
// still face up keeps the game going.
bool BowlingRules::endsByCounter() const { return ballCounter() < 1 && !anyBallFaceUp(); }

std::vector<BowlingStep> BowlingRules::scarta()
{
    if (!canDiscard())
        return {};
    table_.discardUsed = true;
    clearSelection();
    playError_.clear();
    for (int k = 0; k < balls; ++k) {
        if (ballState(k) != BallState::FaceUp)
            continue;
        setBall(k, BallState::Gone);
        if (k >= 1 && ballState(k - 1) == BallState::FaceDown)
            setBall(k - 1, BallState::FaceUp);
        // The loop goes upwards, so a card just turned up is never discarded in the same sweep.
    }
    table_.ballCounter -= discardCost;
    if (endsByCounter())
        return vinci();
    return {};
}

std::vector<BowlingStep> BowlingRules::termina()
{
    if (isOver())
        return {};
    return vinci();
}

void BowlingRules::keepPlaying()
{
    if (!isOver())
        table_.giocaShown = false;
}

std::vector<BowlingStep> BowlingRules::vinci()
{
    const bool allDown = prese() == pins;
    const int points = allDown ? (discardUsed() ? spareScore : strikeScore) : prese();
    at(table_.scores, gameNumber()) = points;
    table_.total += points;
    clearSelection();

    std::vector<BowlingStep> steps(1);
    steps.back().kind = BowlingStep::Kind::Scored;
    steps.back().table = table_;
    if (allDown) {
        BowlingStep& banner = steps.emplace_back();
        banner.kind = discardUsed() ? BowlingStep::Kind::Spare : BowlingStep::Kind::Strike;
        banner.text = std::string(discardUsed() ? spareText : strikeText);
        banner.hold = bannerSeconds;
    }
    nuovap();
    ++table_.gameNumber;
    if (!isOver())
        return steps;

    // The match is over: nothing is left face up to play until a new match.
    table_.ballStates.fill(BallState::FaceDown);
    BowlingStep& over = steps.emplace_back();
    over.kind = BowlingStep::Kind::MatchOver;
    over.solved = isSolved();
    over.hold = bannerSeconds;
    BowlingStep& gameOver = steps.emplace_back();
    gameOver.kind = BowlingStep::Kind::GameOver;
    gameOver.hold = bannerSeconds;
    return steps;
}

bool BowlingRules::isConsistent() const
{
    if (!cards::eachCardOnce(table_.deck, pins, 2))
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
            chosenSum += card(p).rank;
        }
    }
    if (chosen != selectedCount() || chosen > mostPins || chosenSum != somma())
        return false;
    if (selectedBall() < 0 && chosen > 0)
        return false;
    if (selectedBall() >= 0 && ballState(selectedBall()) != BallState::FaceUp)
        return false;
    if (down != prese())
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
        if ((g < gameNumber()) != (s >= 0) || s > strikeScore)
            return false;
        sum += std::max(s, 0);
    }
    return sum == total() && gameNumber() >= 0 && gameNumber() <= games;
}
