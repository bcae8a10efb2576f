// Napoleone's rules: the deal round the aces, the outermost-card rule, piles turned over as they move, the clock.
#include "games/napoleone/napoleone_rules.h"

#include "shell/random.h"
#include "shell/text_formats.h"

#include <cstdlib>
#include <utility>

NapoleoneRules::NapoleoneRules(Random& random) : random_(random) {}

NapoleoneRules::Deck NapoleoneRules::shuffled(Random& random)
{
    Deck deck;
    for (int i = 0; i < deckSize; ++i)
        deck[static_cast<std::size_t>(i)] = i + 1;
    swapShuffle(deck, shuffleSwaps, random);
    return deck;
}

std::vector<NapoleoneDealt> NapoleoneRules::deal() { return deal(shuffled(random_)); }

void NapoleoneRules::clearTable()
{
    cells_.fill({});
    // The foundations start afresh too: a value left from the last game would show a stale
    // picture or count as a win before its ace is dealt.
    foundations_.fill(0);
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
    for (int card : deck) {
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
    return steps;
}

bool NapoleoneRules::isOutermost(int index) const
{
    if (index < 0 || index >= cellCount || cell(index).isEmpty())
        return false;
    // The outer ring has no cell beyond it: ask before looking there.
    return index > lastInnerRing || cell(index + innerCells).isEmpty();
}

bool NapoleoneRules::canPair(int a, int b) { return suit(a) == suit(b) && std::abs(rank(a) - rank(b)) == 1; }

int NapoleoneRules::foundationFor(int card) const
{
    for (int j = 0; j < foundationCount; ++j) {
        const int top = foundation(j);
        // A finished suit (its re on top) takes nothing: the next number is another suit's ace.
        if (top != 0 && rank(top) != 10 && top + 1 == card)
            return j;
    }
    return -1;
}

void NapoleoneRules::empty(int index) { cells_[static_cast<std::size_t>(index)] = {}; }

NapoleoneMove NapoleoneRules::sopra_Click(int index)
{
    if (index < 0 || index >= cellCount)
        return NapoleoneMove::Nothing;
    NapoleoneCell& target = cells_[static_cast<std::size_t>(index)];

    if (target.isEmpty()) {
        // An empty innermost cell is an empty row, which takes any card or pile.
        if (selected_ < 0 || index >= innerCells)
            return NapoleoneMove::Nothing;
        const NapoleoneCell moved = cell(selected_);
        // A pile turns over as it moves: its bottom card comes on top.
        target = moved.isPile() ? NapoleoneCell{moved.bottom, moved.top} : NapoleoneCell{moved.top, 0};
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
    for (int top : foundations_)
        if (top == 0 || rank(top) != 10)
            return false;
    return true;
}

bool NapoleoneRules::Timer1_Timer()
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

bool NapoleoneRules::vincita()
{
    if (!isWon())
        return false;
    clockRunning_ = false;
    return true;
}

bool NapoleoneRules::isConsistent() const
{
    std::array<int, deckSize + 1> seen{};
    // Every card of the run from `from` to `to` (either way) is counted once.
    const auto count = [&seen](int from, int to) {
        const int step = from <= to ? 1 : -1;
        for (int card = from;; card += step) {
            ++seen[static_cast<std::size_t>(card)];
            if (card == to)
                break;
        }
    };
    const auto valid = [](int card) { return card >= 1 && card <= deckSize; };

    if (!hasGame_) {
        for (const NapoleoneCell& c : cells_)
            if (!c.isEmpty())
                return false;
        return selected_ < 0;
    }
    for (int j = 0; j < foundationCount; ++j) {
        const int top = foundation(j);
        if (!valid(top))
            return false;
        count(suit(top) * 10 + 1, top);
    }
    for (int i = 0; i < cellCount; ++i) {
        const NapoleoneCell& c = cell(i);
        if (c.isEmpty()) {
            if (c.bottom != 0 || (i <= lastInnerRing && !cell(i + innerCells).isEmpty()))
                return false;
            continue;
        }
        if (!valid(c.top) || isAce(c.top))
            return false;
        if (c.isPile()) {
            if (!valid(c.bottom) || isAce(c.bottom) || c.bottom == c.top || suit(c.bottom) != suit(c.top))
                return false;
            count(c.bottom, c.top);
        } else {
            count(c.top, c.top);
        }
    }
    for (int card = 1; card <= deckSize; ++card)
        if (seen[static_cast<std::size_t>(card)] != 1)
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
