// The round of Zidu Dori: dealing a hole, taking and playing cards, penalties, the green, hole scores and the total.
#include "games/golf/golf_rules.h"

#include "shell/text_formats.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int rows = 5;

// The cells the stock is laid on in the green: down the top row, then the bottom row, then the middle.
int nextGreenCell(int cell)
{
    const int next = cell + rows;
    if (next == 35)
        return 4;
    if (next == 39)
        return 2;
    return next;
}

} // namespace

GolfRules::GolfRules(Random& random) : random_(random) {}

std::string GolfRules::resultName(int score)
{
    switch (score) {
    case -2:
        return "Eagle (-2)";
    case -1:
        return "Birdie (-1)";
    case 0:
        return "PAR (+0)";
    case 1:
        return "Buca (+1)";
    case 2:
        return "Doppia Buca (+2)";
    case 3:
        return "Tripla Buca (+3)";
    default:
        return (score < 0 ? "-" : "+") + std::to_string(std::abs(score));
    }
}

RecordRules GolfRules::recordRules()
{
    return {{"rcdglf.dat", 0x5C, 4},
            RecordRules::Better::Lower,
            999,
            "CPU",
            [](long long total) { return text::signedNumber(total, 3); },
            [](std::string_view stored) { return text::readSignedNumber(stored.substr(0, 4)); }};
}

std::vector<GolfStep> GolfRules::newRound()
{
    hole_ = 0;
    total_ = 0;
    over_ = false;
    frozen_ = false;
    scores_.fill(std::nullopt);
    return nextHole();
}

std::vector<GolfStep> GolfRules::nextHole()
{
    std::vector<GolfStep> steps;
    clearSelection();
    if (hole_ >= holes) {
        over_ = true;
        steps.push_back(announce(GolfNews::GameOver, "GAME OVER"));
        return steps;
    }
    ++hole_;
    holeScore_ = 0;
    greenCounted_ = false;
    scores_[at(hole_ - 1)] = std::nullopt;

    if (laid_.empty()) {
        deal(cards::shuffledDeck<deckSize>(13, shuffleSwaps, random_));
    } else {
        deal(laid_.front());
        laid_.pop_front();
    }
    // The last stock card starts pile 0; a king there goes out at once, once the hole is announced.
    pile_[0] = {stock_[stockSize - 1]};
    stockCount_ = stockSize - 1;
    steps.push_back(announce(GolfNews::Hole, "Buca N° " + std::to_string(hole_)));
    if (top(0) == king)
        penalty(0, steps);
    return steps;
}

void GolfRules::deal(const Deck& deck)
{
    for (int k = 0; k < cells; ++k)
        cell_[at(k)] = {deck[at(k)], k % rows == rows - 1};
    for (int s = 0; s < stockSize; ++s)
        stock_[at(s)] = deck[at(cells + s)];
    stockCount_ = stockSize;
    for (auto& pile : pile_)
        pile.clear();
    out_.clear();
}

void GolfRules::penalty(int pile, std::vector<GolfStep>& steps)
{
    // The king is seen on its pile while the penalty is announced, then it leaves play.
    steps.push_back(announce(GolfNews::Penalty, "Penalità (+1)"));
    out_.push_back(pile_[at(pile)].back());
    pile_[at(pile)].clear();
    ++holeScore_;
    scores_[at(hole_ - 1)] = holeScore_;
}

int GolfRules::top(int pile) const
{
    const auto& cards = pile_[at(pile)];
    return cards.empty() ? 0 : cards.back().rank;
}

bool GolfRules::fits(int rank, int pile) const
{
    const int t = top(pile);
    return t >= 1 && t < king && (rank == t + 1 || rank == t - 1);
}

int GolfRules::tableauCount() const
{
    return static_cast<int>(std::count_if(cell_.begin(), cell_.end(), [](const Cell& c) { return !c.card.isEmpty(); }));
}

void GolfRules::clearSelection()
{
    selectedPile_ = -1;
    selectedCard_ = -1;
    stockSelected_ = false;
}

GolfReach GolfRules::cellReach(int cell) const
{
    if (!playing() || !isPresent(cell))
        return GolfReach::None;
    if (!isFree(cell))
        return GolfReach::Covered;
    if (selectedCard_ == cell)
        return GolfReach::Playable;
    // One source at a time, and only a card that can go onto the chosen pile: "Gioca" only ever offers a move that works.
    if (stockSelected_ || selectedCard_ >= 0 || (selectedPile_ >= 0 && !fits(card(cell).rank, selectedPile_)))
        return GolfReach::Blocked;
    return GolfReach::Playable;
}

GolfReach GolfRules::stockReach() const
{
    if (!playing() || stockCount_ == 0)
        return GolfReach::None;
    if (stockSelected_)
        return GolfReach::Playable;
    if (selectedCard_ >= 0 || (selectedPile_ >= 0 && !fits(stockCard().rank, selectedPile_)))
        return GolfReach::Blocked;
    return GolfReach::Playable;
}

GolfReach GolfRules::pileReach(int pile) const
{
    if (!playing())
        return GolfReach::None;
    if (selectedPile_ == pile)
        return GolfReach::Playable;
    if (selectedPile_ >= 0)
        return GolfReach::Covered;
    if (top(pile) == 0 || top(pile) == king)
        return GolfReach::Blocked;
    if (stockSelected_ && !fits(stockCard().rank, pile))
        return GolfReach::Blocked;
    if (selectedCard_ >= 0 && !fits(card(selectedCard_).rank, pile))
        return GolfReach::Blocked;
    return GolfReach::Playable;
}

bool GolfRules::takeCard(int cell)
{
    if (cell < 0 || cell >= cells || cellReach(cell) != GolfReach::Playable)
        return false;
    selectedCard_ = selectedCard_ == cell ? -1 : cell;
    return true;
}

bool GolfRules::takeStockCard()
{
    if (stockReach() != GolfReach::Playable)
        return false;
    stockSelected_ = !stockSelected_;
    return true;
}

bool GolfRules::choosePile(int pile)
{
    if (pile < 0 || pile >= piles || pileReach(pile) != GolfReach::Playable)
        return false;
    selectedPile_ = selectedPile_ == pile ? -1 : pile;
    return true;
}

bool GolfRules::canPlay() const { return playing() && (stockSelected_ || (selectedCard_ >= 0 && selectedPile_ >= 0)); }

bool GolfRules::anyMoveLeft() const
{
    for (int p = 0; p < piles; ++p) {
        if (stockCount_ > 0 && (top(p) == 0 || fits(stockCard().rank, p)))
            return true;
        for (int k = 0; k < cells; ++k)
            if (isFree(k) && fits(card(k).rank, p))
                return true;
    }
    return false;
}

bool GolfRules::canEndHole() const { return playing() && (stockCount_ == 0 || !anyMoveLeft()); }

std::vector<GolfStep> GolfRules::gioca()
{
    std::vector<GolfStep> steps;
    if (!canPlay())
        return steps;

    // The source and the pile were only taken together when the card fits.
    if (stockSelected_ && selectedPile_ < 0) {
        const auto empty = std::find_if(pile_.begin(), pile_.end(), [](const auto& pile) { return pile.empty(); });
        if (empty != pile_.end()) {
            *empty = {stockCard()};
            --stockCount_;
            stockSelected_ = false;
            if (empty->back().rank == king)
                penalty(static_cast<int>(empty - pile_.begin()), steps);
        }
    } else if (stockSelected_) {
        pile_[at(selectedPile_)].push_back(stockCard());
        --stockCount_;
    } else {
        const int cell = selectedCard_;
        pile_[at(selectedPile_)].push_back(card(cell));
        cell_[at(cell)] = {};
        // Only a card still lying there is uncovered; a played one never comes back.
        if (cell % rows != 0 && isPresent(cell - 1))
            cell_[at(cell - 1)].free = true;
    }
    // A full table refuses a new pile, and the stock card is let go all the same.
    clearSelection();

    if (tableauCount() == 0) {
        // With no stock card beneath the face-up one there is no green: the hole ends with this move.
        if (stockCount_ <= 1)
            scoreHole(steps);
        else
            green(steps);
    }
    return steps;
}

void GolfRules::green(std::vector<GolfStep>& steps)
{
    steps.push_back(announce(GolfNews::Green, "Sei nel GREEN"));
    const int n = stockCount_;
    int cell = 0;
    for (int s = 0; s < n; ++s) {
        cell_[at(cell)] = {stock_[at(s)], true};
        cell = nextGreenCell(cell);
    }
    // The stock now lies on the tableau: it is empty, so the hole ends when the tableau does.
    stockCount_ = 0;
    // The bonus is announced before it is counted.
    steps.push_back(announce(GolfNews::GreenBonus, "-" + std::to_string(n), -n));
    holeScore_ -= n;
    scores_[at(hole_ - 1)] = holeScore_;
    greenCounted_ = true;
}

std::vector<GolfStep> GolfRules::endHole()
{
    std::vector<GolfStep> steps;
    if (canEndHole())
        scoreHole(steps);
    return steps;
}

void GolfRules::scoreHole(std::vector<GolfStep>& steps)
{
    clearSelection();
    int score = holeScore_ + tableauCount();
    for (int p = 0; p < piles; ++p)
        score += isSingle(p) ? 1 : 0;
    steps.push_back(announce(GolfNews::Result, resultName(score), score));
    holeScore_ = score;
    scores_[at(hole_ - 1)] = score;
    greenCounted_ = false;
    total_ += score;
    const std::vector<GolfStep> next = nextHole();
    steps.insert(steps.end(), next.begin(), next.end());
}

GolfStep GolfRules::announce(GolfNews news, std::string words, int score) const
{
    return {news, std::move(words), score, table()};
}

GolfTable GolfRules::table() const
{
    GolfTable t;
    for (int k = 0; k < cells; ++k) {
        t.cell[at(k)] = card(k);
        t.cellReach[at(k)] = cellReach(k);
    }
    for (int p = 0; p < piles; ++p) {
        const auto& cards = pile_[at(p)];
        t.pile[at(p)] = cards.empty() ? Card{} : cards.back();
        t.single[at(p)] = cards.size() == 1;
        t.pileReach[at(p)] = pileReach(p);
    }
    // At the end of the round the stock and the penalty markers are put away with the hole.
    if (!over_ && stockCount_ > 0) {
        t.stock = stockCard();
        t.beneath = stockCount_ - 1;
    }
    t.stockReach = stockReach();
    t.selectedCell = selectedCard_;
    t.selectedPile = selectedPile_;
    t.stockSelected = stockSelected_;
    t.movePrepared = canPlay();
    t.canEndHole = canEndHole();
    t.penalties = over_ ? 0 : penalties();
    t.hole = hole_;
    t.score = scores_;
    t.greenCounted = greenCounted_;
    if (hole_ > 1 || over_)
        t.total = total_;
    t.over = over_;
    t.frozen = frozen_;
    return t;
}

bool GolfRules::isConsistent() const
{
    if (hole_ == 0)
        return true;
    std::vector<Card> all;
    for (const Cell& c : cell_) {
        if (c.free && c.card.isEmpty())
            return false;
        if (!c.card.isEmpty())
            all.push_back(c.card);
    }
    if (stockCount_ < 0 || stockCount_ > stockSize)
        return false;
    all.insert(all.end(), stock_.begin(), stock_.begin() + stockCount_);
    for (const auto& pile : pile_) {
        for (std::size_t i = 1; i < pile.size(); ++i)
            if (std::abs(pile[i].rank - pile[i - 1].rank) != 1 || pile[i - 1].rank == king)
                return false;
        all.insert(all.end(), pile.begin(), pile.end());
    }
    for (const Card& k : out_)
        if (k.rank != king)
            return false;
    all.insert(all.end(), out_.begin(), out_.end());
    if (all.size() != deckSize || !cards::eachCardOnce(all, 13, 4))
        return false;
    if (selectedCard_ >= 0 && !isFree(selectedCard_))
        return false;
    if (selectedPile_ >= 0 && (top(selectedPile_) == 0 || top(selectedPile_) == king))
        return false;
    if (stockSelected_ && stockCount_ == 0)
        return false;
    int sum = 0;
    for (int h = 0; h < (over_ ? holes : hole_ - 1); ++h) {
        if (!scores_[at(h)])
            return false;
        sum += *scores_[at(h)];
    }
    return total_ == sum;
}
