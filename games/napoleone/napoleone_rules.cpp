// Napoleone's rules: the deal round the aces, the outermost-card rule, piles turned over as they move, the clock.
#include "games/napoleone/napoleone_rules.h"

#include "shell/random.h"
#include "shell/text_formats.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int lastInnerRing = 27; // cells above it have no cell further out
// The clock stops here: 59:59.
constexpr int clockLimit = 59 * 60 + 59;

} // namespace

NapoleoneRules::NapoleoneRules(Random& random) : random_(random) {}

NapoleoneRules::Deck NapoleoneRules::shuffled(Random& random)
{
    return cards::shuffledDeck<deckSize>(ranks, shuffleSwaps, random);
}

std::vector<NapoleoneDealt> NapoleoneRules::deal() { return deal(shuffled(random_)); }

void NapoleoneRules::clearTable()
{
    cells_.fill({});
    // The foundations start afresh too: a value left from the last game would show a stale
    // picture or count as a win before its ace is dealt.
    foundations_.fill({});
    selected_ = -1;
    seconds_ = 0;
    clockRunning_ = false;
}

std::vector<NapoleoneDealt> NapoleoneRules::deal(const Deck& deck)
{
    clearTable();
    std::vector<NapoleoneDealt> steps;
    int nextCell = 0;
    int nextFoundation = 0;
    for (const Card& card : deck) {
        NapoleoneDealt step{card};
        // A deck with more than four aces or more than 36 other cards is no deck: its extra cards
        // have nowhere to go and are not dealt.
        if (isAce(card) && nextFoundation < foundationCount) {
            step.foundation = nextFoundation;
            foundations_[static_cast<std::size_t>(nextFoundation++)] = card;
        } else if (!isAce(card) && nextCell < cellCount) {
            step.cell = nextCell;
            cells_[static_cast<std::size_t>(nextCell++)].top = card;
        } else {
            continue;
        }
        steps.push_back(step);
    }
    hasGame_ = true;
    dealing_ = true;
    return steps;
}

void NapoleoneRules::dealt()
{
    dealing_ = false;
    clockRunning_ = hasGame_ && !isWon() && seconds_ < clockLimit;
}

bool NapoleoneRules::isOutermost(int index) const
{
    if (index < 0 || index >= cellCount || cell(index).isEmpty())
        return false;
    // The outer ring has no cell beyond it: ask before looking there.
    return index > lastInnerRing || cell(index + innerCells).isEmpty();
}

bool NapoleoneRules::canPair(const Card& a, const Card& b)
{
    return a.suit == b.suit && std::abs(a.rank - b.rank) == 1;
}

int NapoleoneRules::foundationFor(const Card& card) const
{
    for (int j = 0; j < foundationCount; ++j) {
        const Card& top = foundation(j);
        if (!top.isEmpty() && top.suit == card.suit && top.rank + 1 == card.rank)
            return j;
    }
    return -1;
}

void NapoleoneRules::empty(int index) { cells_[static_cast<std::size_t>(index)] = {}; }

NapoleoneMove NapoleoneRules::playCell(int index)
{
    if (index < 0 || index >= cellCount || dealing_)
        return NapoleoneMove::Nothing;
    NapoleoneCell& target = cells_[static_cast<std::size_t>(index)];

    if (target.isEmpty()) {
        // An empty innermost cell is an empty row, which takes any card or pile.
        if (selected_ < 0 || index >= innerCells)
            return NapoleoneMove::Nothing;
        const NapoleoneCell moved = cell(selected_);
        // A pile turns over as it moves: its bottom card comes on top.
        target = moved.isPile() ? NapoleoneCell{moved.bottom, moved.top} : NapoleoneCell{moved.top, {}};
        empty(selected_);
        selected_ = -1;
        return NapoleoneMove::ToEmptyRow;
    }

    if (index == selected_) {
        selected_ = -1;
        return NapoleoneMove::Deselected;
    }
    if (!isOutermost(index))
        return NapoleoneMove::Nothing;

    const int j = foundationFor(target.top);
    if (j >= 0) {
        selected_ = -1;
        // A pile whose top continues the foundation climbs from there: its bottom is the highest card.
        foundations_[static_cast<std::size_t>(j)] = target.isPile() ? target.bottom : target.top;
        empty(index);
        // The last card up wins the game, and the clock stops there.
        if (isWon())
            clockRunning_ = false;
        return NapoleoneMove::ToFoundation;
    }

    if (selected_ < 0 || !canPair(cell(selected_).top, target.top)) {
        selected_ = index;
        return NapoleoneMove::Selected;
    }

    const NapoleoneCell moved = cell(selected_);
    // A pile that receives cards keeps its bottom card; the moved pile lies turned over on it.
    if (!target.isPile())
        target.bottom = target.top;
    target.top = moved.isPile() ? moved.bottom : moved.top;
    empty(selected_);
    selected_ = -1;
    return NapoleoneMove::OntoCard;
}

bool NapoleoneRules::isWon() const
{
    for (const Card& top : foundations_)
        if (top.rank != ranks)
            return false;
    return true;
}

bool NapoleoneRules::secondPassed()
{
    if (!clockRunning_)
        return false;
    ++seconds_;
    // The clock never shows 59:58: it goes from 59:57 straight to 59:59 and stops.
    if (seconds_ >= clockLimit - 1) {
        seconds_ = clockLimit;
        clockRunning_ = false;
    }
    return clockRunning_;
}

bool NapoleoneRules::isConsistent() const
{
    if (!hasGame_)
        return selected_ < 0 && std::all_of(cells_.begin(), cells_.end(), [](const NapoleoneCell& c) { return c.isEmpty(); });
    std::vector<Card> present;
    // Every card of the run from `from` to `to` (of one suit, either way) is there once.
    const auto run = [&present](const Card& from, const Card& to) {
        const int step = from.rank <= to.rank ? 1 : -1;
        for (int rank = from.rank;; rank += step) {
            present.push_back({rank, from.suit});
            if (rank == to.rank)
                break;
        }
    };
    const auto valid = [](const Card& card) { return card.rank >= 1 && card.rank <= ranks && card.suit >= 1 && card.suit <= 4; };

    for (const Card& top : foundations_) {
        if (!valid(top))
            return false;
        run({1, top.suit}, top);
    }
    for (int i = 0; i < cellCount; ++i) {
        const NapoleoneCell& c = cell(i);
        if (c.isEmpty()) {
            if (c.isPile() || (i <= lastInnerRing && !cell(i + innerCells).isEmpty()))
                return false;
            continue;
        }
        if (!valid(c.top) || isAce(c.top))
            return false;
        if (c.isPile()) {
            if (!valid(c.bottom) || isAce(c.bottom) || c.bottom == c.top || c.bottom.suit != c.top.suit)
                return false;
            run(c.bottom, c.top);
        } else {
            present.push_back(c.top);
        }
    }
    if (!cards::eachCardOnce(present, ranks, 4))
        return false;
    if (selected_ >= 0 && !isOutermost(selected_))
        return false;
    return seconds_ >= 0 && seconds_ <= clockLimit;
}

RecordRules NapoleoneRules::recordRules()
{
    return {{"rclnp.dat", 0xB7, 5},
            RecordRules::Better::Lower,
            59 * 60 + 58,
            "CPU",
            [](long long seconds) { return text::clock(seconds); },
            // Only "mm:ss" with seconds below 60 is a time; anything else leaves the default record.
            [](std::string_view value) { return text::readClock(value); }};
}
