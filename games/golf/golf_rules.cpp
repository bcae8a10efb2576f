// The round of Zidu Dori: dealing a hole, selecting and playing cards, penalties, the green, hole scores and the total.
#include "games/golf/golf_rules.h"

#include "shell/card_pictures.h"
#include "shell/random.h"
#include "shell/text_formats.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

constexpr int rows = 5;
constexpr Rgb white{255, 255, 255};
constexpr Rgb black{0, 0, 0};
constexpr Rgb holeBlue{0, 0, 192};
constexpr Rgb penaltyRed{255, 0, 0};
constexpr Rgb greenPale{192, 255, 192};
constexpr Rgb underPar{0, 192, 192};
constexpr Rgb par{192, 192, 0};
constexpr Rgb gameOverRed{192, 0, 0};

int picture(const GolfCard& card) { return frenchCardPicture(card.rank, card.suit); }

// Only the hand takes a card: the arrow over a covered card or a waiting pile says no as surely as no entry.
GolfReach reach(GolfPointer pointer) { return pointer == GolfPointer::Hand ? GolfReach::Playable : GolfReach::Blocked; }

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

GolfResult holeResult(int score)
{
    switch (score) {
    case -2:
        return {"Eagle (-2)", underPar};
    case -1:
        return {"Birdie (-1)", underPar};
    case 0:
        return {"PAR (+0)", par};
    case 1:
        return {"Buca (+1)", {255, 192, 192}};
    case 2:
        return {"Doppia Buca (+2)", {255, 128, 128}};
    case 3:
        return {"Tripla Buca (+3)", {255, 0, 0}};
    default:
        return score < 0 ? GolfResult{"-" + std::to_string(-score), underPar}
                         : GolfResult{"+" + std::to_string(score), gameOverRed};
    }
}

std::string golfScoreText(int score) { return score > 0 ? "+" + std::to_string(score) : std::to_string(score); }

GolfRules::GolfRules(Random& random) : random_(random) {}

GolfRules::Deck GolfRules::daicarte(Random& random)
{
    Deck deck;
    for (int k = 0; k < deckSize; ++k)
        deck[at(k)] = {k % 13 + 1, k / 13 + 1};
    swapShuffle(deck, shuffleSwaps, random);
    return deck;
}

std::vector<GolfStep> GolfRules::Nuova()
{
    hole_ = 0;
    total_ = 0;
    totalShown_ = false;
    over_ = false;
    frozen_ = false;
    scores_.fill("--");
    results_.fill(0);
    return Xnuova();
}

std::vector<GolfStep> GolfRules::Xnuova()
{
    std::vector<GolfStep> steps;
    clearSelection();
    if (hole_ >= holes) {
        finegara(steps);
        return steps;
    }
    scores_[at(hole_)] = "--";
    ++hole_;
    holeScore_ = 0;

    Deck deck;
    if (laid_.empty()) {
        deck = daicarte(random_);
    } else {
        deck = laid_.front();
        laid_.pop_front();
    }
    deal(deck);

    // The table is laid face down while the hole is announced; the faces come after.
    GolfStep announcement = announce("Buca N° " + std::to_string(hole_), holeBlue, white);
    GolfView& table = announcement.view;
    table.card.fill(pictures::redBack);
    table.cardFrame.fill(false);
    table.cardReach.fill(GolfReach::None);
    table.pile.fill(pictures::emptyPlace);
    table.single.fill(false);
    table.pileReach.fill(GolfReach::None);
    table.stockReach = GolfReach::None;
    table.mazzoShown = false;
    table.backShown = true;
    table.rimanenti = "15";
    steps.push_back(std::move(announcement));

    startPile(0, stock_[stockSize - 1]);
    stockCount_ = stockSize - 1;
    if (top(0) == king)
        penality(0, steps);
    return steps;
}

void GolfRules::deal(const Deck& deck)
{
    for (int k = 0; k < cells; ++k)
        cell_[at(k)] = {deck[at(k)], true, k % rows == rows - 1};
    for (int s = 0; s < stockSize; ++s)
        stock_[at(s)] = deck[at(cells + s)];
    stockCount_ = stockSize;
    for (auto& pile : pile_)
        pile.clear();
    out_.clear();
}

void GolfRules::startPile(int pile, const GolfCard& card) { pile_[at(pile)] = {card}; }

void GolfRules::penality(int pile, std::vector<GolfStep>& steps)
{
    // The king is seen on its pile while the penalty is announced, then it leaves play.
    steps.push_back(announce("Penalità (+1)", penaltyRed, white));
    out_.push_back(pile_[at(pile)].back());
    pile_[at(pile)].clear();
    ++holeScore_;
    scores_[at(hole_ - 1)] = "+" + std::to_string(holeScore_);
}

int GolfRules::top(int pile) const
{
    const auto& cards = pile_[at(pile)];
    return cards.empty() ? 0 : cards.back().rank;
}

bool GolfRules::fits(int rank, int pile) const
{
    const int t = top(pile);
    return t >= 1 && t <= 12 && (rank == t + 1 || rank == t - 1);
}

int GolfRules::tableauCount() const
{
    return static_cast<int>(std::count_if(cell_.begin(), cell_.end(), [](const Cell& c) { return c.present; }));
}

void GolfRules::clearSelection()
{
    selectedPile_ = -1;
    selectedCard_ = -1;
    stockSelected_ = false;
}

bool GolfRules::CarteG_Click(int cell)
{
    if (!playing() || cell < 0 || cell >= cells || !isFree(cell))
        return false;
    if (selectedCard_ == cell) {
        selectedCard_ = -1;
        return true;
    }
    if (selectedCard_ >= 0 || stockSelected_)
        return false;
    // A card that cannot go onto the chosen pile is not taken: "Gioca" only ever offers a move that works.
    if (selectedPile_ >= 0 && !fits(card(cell).rank, selectedPile_))
        return false;
    selectedCard_ = cell;
    return true;
}

bool GolfRules::Mazzo_Click()
{
    if (!playing() || stockCount_ == 0)
        return false;
    if (stockSelected_) {
        stockSelected_ = false;
        return true;
    }
    if (selectedCard_ >= 0 || (selectedPile_ >= 0 && !fits(stockCard().rank, selectedPile_)))
        return false;
    stockSelected_ = true;
    return true;
}

bool GolfRules::tallone_Click(int pile)
{
    if (!playing() || pile < 0 || pile >= piles)
        return false;
    if (selectedPile_ == pile) {
        selectedPile_ = -1;
        return true;
    }
    const int t = top(pile);
    if (selectedPile_ >= 0 || t < 1 || t > 12)
        return false;
    if (stockSelected_ && !fits(stockCard().rank, pile))
        return false;
    if (selectedCard_ >= 0 && !fits(card(selectedCard_).rank, pile))
        return false;
    selectedPile_ = pile;
    return true;
}

bool GolfRules::giocaShown() const { return stockSelected_ || (selectedCard_ >= 0 && selectedPile_ >= 0); }

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

bool GolfRules::teminaEnabled() const
{
    // A hole with nothing left to play can always be ended, or it could never end.
    return playing() && (stockCount_ == 0 || !anyMoveLeft());
}

std::vector<GolfStep> GolfRules::gioca()
{
    std::vector<GolfStep> steps;
    if (!playing() || !giocaShown())
        return steps;

    if (stockSelected_ && selectedPile_ < 0) {
        int empty = 0;
        while (empty < piles && top(empty) != 0)
            ++empty;
        if (empty < piles) {
            startPile(empty, stockCard());
            --stockCount_;
            stockSelected_ = false;
            if (top(empty) == king)
                penality(empty, steps);
        }
    } else if (stockSelected_) {
        if (fits(stockCard().rank, selectedPile_)) {
            pile_[at(selectedPile_)].push_back(stockCard());
            --stockCount_;
            clearSelection();
        }
    } else {
        const int cell = selectedCard_;
        if (fits(card(cell).rank, selectedPile_)) {
            pile_[at(selectedPile_)].push_back(card(cell));
            cell_[at(cell)].present = false;
            cell_[at(cell)].free = false;
            // Only a card still lying there is uncovered; a played one never comes back.
            if (cell % rows != 0 && cell_[at(cell - 1)].present)
                cell_[at(cell - 1)].free = true;
            clearSelection();
        }
    }
    stockSelected_ = false;

    if (tableauCount() == 0) {
        // With no stock card beneath the face-up one there is no green: the hole ends with this move.
        if (stockCount_ <= 1) {
            endHole(steps);
            return steps;
        }
        caricatesto(steps);
    }
    return steps;
}

void GolfRules::caricatesto(std::vector<GolfStep>& steps)
{
    steps.push_back(announce("Sei nel GREEN", greenPale, black));
    const int n = stockCount_;
    int cell = 0;
    for (int s = 0; s < n; ++s) {
        cell_[at(cell)] = {stock_[at(s)], true, true};
        cell = nextGreenCell(cell);
    }
    // The stock now lies on the tableau: it is empty, so the hole ends when the tableau does.
    stockCount_ = 0;
    steps.push_back(announce("-" + std::to_string(n), underPar, black));
    holeScore_ -= n;
    scores_[at(hole_ - 1)] = std::to_string(holeScore_);
}

std::vector<GolfStep> GolfRules::terminat()
{
    std::vector<GolfStep> steps;
    if (teminaEnabled())
        endHole(steps);
    return steps;
}

void GolfRules::endHole(std::vector<GolfStep>& steps)
{
    clearSelection();
    int score = holeScore_ + tableauCount();
    for (int p = 0; p < piles; ++p)
        score += isSingle(p) ? 1 : 0;
    holeScore_ = score;
    const GolfResult result = holeResult(score);
    steps.push_back(announce(result.text, result.face, white));
    scores_[at(hole_ - 1)] = golfScoreText(score);
    results_[at(hole_ - 1)] = score;
    total_ += score;
    totalShown_ = true;
    const std::vector<GolfStep> next = Xnuova();
    steps.insert(steps.end(), next.begin(), next.end());
}

void GolfRules::finegara(std::vector<GolfStep>& steps)
{
    over_ = true;
    steps.push_back({view(), golfBannerSeconds});
}

GolfStep GolfRules::announce(const std::string& text, Rgb face, Rgb ink) const
{
    GolfStep step{view(), golfBannerSeconds};
    step.view.banner = {text, face, ink, true};
    return step;
}

GolfPointer GolfRules::pointerOverCard(int cell) const
{
    if (!playing() || !isFree(cell))
        return GolfPointer::Arrow;
    if (selectedCard_ == cell)
        return GolfPointer::Hand;
    if (stockSelected_ || selectedCard_ >= 0 || (selectedPile_ >= 0 && !fits(card(cell).rank, selectedPile_)))
        return GolfPointer::NoEntry;
    return GolfPointer::Hand;
}

GolfPointer GolfRules::pointerOverStock() const
{
    if (!playing() || stockCount_ == 0)
        return GolfPointer::Arrow;
    if (stockSelected_)
        return GolfPointer::Hand;
    if (selectedCard_ >= 0 || (selectedPile_ >= 0 && !fits(stockCard().rank, selectedPile_)))
        return GolfPointer::NoEntry;
    return GolfPointer::Hand;
}

GolfPointer GolfRules::pointerOverPile(int pile) const
{
    if (!playing())
        return GolfPointer::Arrow;
    if (selectedPile_ == pile)
        return GolfPointer::Hand;
    if (selectedPile_ >= 0)
        return GolfPointer::Arrow;
    const int t = top(pile);
    if (t < 1 || t > 12)
        return GolfPointer::NoEntry;
    if (stockSelected_ && !fits(stockCard().rank, pile))
        return GolfPointer::NoEntry;
    if (selectedCard_ >= 0 && !fits(card(selectedCard_).rank, pile))
        return GolfPointer::NoEntry;
    return GolfPointer::Hand;
}

GolfView GolfRules::view() const
{
    GolfView v;
    for (int k = 0; k < cells; ++k) {
        const Cell& c = cell_[at(k)];
        v.card[at(k)] = c.present ? picture(c.card) : 0;
        v.cardFrame[at(k)] = selectedCard_ == k;
        if (c.present && playing())
            v.cardReach[at(k)] = reach(pointerOverCard(k));
    }
    for (int p = 0; p < piles; ++p) {
        const auto& cards = pile_[at(p)];
        v.pile[at(p)] = cards.empty() ? pictures::emptyPlace : picture(cards.back());
        v.single[at(p)] = cards.size() == 1;
        v.pileFrame[at(p)] = selectedPile_ == p;
        if (!cards.empty() && playing())
            v.pileReach[at(p)] = reach(pointerOverPile(p));
    }
    v.mazzoShown = !over_ && stockCount_ > 0;
    v.mazzoPicture = stockCount_ > 0 ? picture(stockCard()) : 0;
    v.stockFrame = stockSelected_;
    if (stockCount_ > 0 && playing())
        v.stockReach = reach(pointerOverStock());
    v.backShown = !over_ && stockCount_ > 1;
    // At the end of the round the stock is put away with the rest of the table.
    v.rimanenti = over_ ? "0" : std::to_string(std::max(0, stockCount_ - 1));
    v.giocaShown = playing() && giocaShown();
    v.teminaEnabled = teminaEnabled();
    v.penaltiesFilled = over_ ? 0 : penalties();
    v.scores = scores_;
    v.holesOpen = std::max(1, hole_);
    if (!totalShown_)
        v.total = "--";
    else
        v.total = frozen_ ? text::signedNumber(total_, 3) : golfScoreText(total_);
    if (over_)
        v.banner = {"GAME OVER", gameOverRed, white, true};
    return v;
}

bool GolfRules::isConsistent() const
{
    if (hole_ == 0)
        return true;
    std::vector<GolfCard> all;
    for (const Cell& c : cell_) {
        if (c.free && !c.present)
            return false;
        if (c.present)
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
    for (const GolfCard& k : out_)
        if (k.rank != king)
            return false;
    all.insert(all.end(), out_.begin(), out_.end());
    if (all.size() != deckSize)
        return false;
    std::array<int, deckSize> seen{};
    for (const GolfCard& c : all) {
        if (c.rank < 1 || c.rank > 13 || c.suit < 1 || c.suit > 4)
            return false;
        if (++seen[at((c.suit - 1) * 13 + c.rank - 1)] != 1)
            return false;
    }
    if (selectedCard_ >= 0 && !isFree(selectedCard_))
        return false;
    if (selectedPile_ >= 0 && (top(selectedPile_) < 1 || top(selectedPile_) > 12))
        return false;
    if (stockSelected_ && stockCount_ == 0)
        return false;
    const int ended = over_ ? holes : hole_ - 1;
    return total_ == std::accumulate(results_.begin(), results_.begin() + ended, 0);
}
