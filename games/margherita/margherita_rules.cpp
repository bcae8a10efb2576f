// Margherita's table and moves: what may be turned next follows only from the card turned last.
#include "games/margherita/margherita_rules.h"

#include "shell/random.h"
#include "shell/text_formats.h"

#include <algorithm>
#include <utility>

MargheritaRules::MargheritaRules(Random& random)
    : random_(random)
{
    cards_ = orderedDeck();
}

MargheritaRules::Deck MargheritaRules::orderedDeck() { return cards::orderedDeck<cellCount>(columns); }

MargheritaRules::Deck MargheritaRules::metticarte(Random& random)
{
    return cards::shuffledDeck<cellCount>(columns, shuffleSwaps, random);
}

void MargheritaRules::newGame()
{
    newGame(metticarte(random_));
}

void MargheritaRules::newGame(const Deck& deck)
{
    cards_ = deck;
    states_.fill(CellState::Reachable);
    turnedCount_ = 0;
    lastTurned_ = -1;
}

std::vector<int> MargheritaRules::neighboursFor(int suit, int i)
{
    const int row = i / columns;
    const int column = i % columns;
    const auto above = [&](std::vector<int>& out) { if (row > 0) out.push_back(i - columns); };
    const auto below = [&](std::vector<int>& out) { if (row < rows - 1) out.push_back(i + columns); };
    const auto right = [&](std::vector<int>& out) { if (column < columns - 1) out.push_back(i + 1); };
    const auto left = [&](std::vector<int>& out) { if (column > 0) out.push_back(i - 1); };

    std::vector<int> out;
    switch (suit) {
    case hearts: below(out); break;
    case spades: above(out); break;
    case diamonds: above(out); below(out); right(out); left(out); break;
    case clubs: above(out); right(out); left(out); break;
    default: break;
    }
    return out;
}

bool MargheritaRules::isReachable(int i) const
{
    return i >= 0 && i < cellCount && states_[i] == CellState::Reachable;
}

bool MargheritaRules::turn(int i)
{
    if (!isReachable(i))
        return false;
    ++turnedCount_;
    // The cards offered by the previous card but not chosen are closed again; only the new card's
    // directions count from here on.
    std::replace(states_.begin(), states_.end(), CellState::Reachable, CellState::Blocked);
    states_[i] = CellState::Turned;
    lastTurned_ = i;
    for (int n : neighboursFor(cards_[i].suit, i))
        if (states_[n] == CellState::Blocked)
            states_[n] = CellState::Reachable;
    return true;
}

bool MargheritaRules::isFramed(int i) const
{
    return lastTurned_ >= 0 && states_[i] == CellState::Reachable;
}

bool MargheritaRules::isOver() const
{
    return std::none_of(states_.begin(), states_.end(),
                        [](CellState s) { return s == CellState::Reachable; });
}

bool MargheritaRules::isSuccess() const
{
    return isOver() && turnedCount_ >= successCount;
}

std::string MargheritaRules::recordValueText(int count) { return text::rightAligned(count, recordWidth); }

int MargheritaRules::recordCountFrom(std::string_view valueText)
{
    // A value cut short belongs to a damaged file, which holds no record; so does a negative one.
    if (valueText.size() < recordWidth)
        return 0;
    const long long count = text::readSignedNumber(valueText.substr(0, recordWidth)).value_or(0);
    return count > 0 ? static_cast<int>(count) : 0;
}

RecordRules MargheritaRules::recordRules()
{
    RecordRules rules;
    rules.scheme = {"rcmgh.dat", 0xB7, recordWidth};
    rules.better = RecordRules::Better::Higher;
    rules.defaultValue = 0;
    rules.defaultHolder = std::string(defaultRecordName);
    rules.store = [](long long count) { return recordValueText(static_cast<int>(count)); };
    rules.load = [](std::string_view value) -> std::optional<long long> {
        const int count = recordCountFrom(value);
        return count > 0 ? std::optional<long long>(count) : std::nullopt;
    };
    rules.show = [](long long count) { return text::twoDigits(count); };
    return rules;
}

bool MargheritaRules::isConsistent() const
{
    return cards::eachCardOnce(cards_, columns, 4)
           && std::count(states_.begin(), states_.end(), CellState::Turned) == turnedCount_;
}
