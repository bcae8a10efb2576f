// Margherita's table and moves: what may be turned next follows only from the card turned last.
#include "games/margherita/margherita_rules.h"

#include "shell/card_pictures.h"
#include "shell/random.h"

#include <algorithm>
#include <utility>

MargheritaRules::MargheritaRules(Random& random)
    : random_(random)
{
    cards_ = orderedDeck();
}

MargheritaRules::Deck MargheritaRules::orderedDeck()
{
    Deck deck{};
    for (int k = 0; k < cellCount; ++k)
        deck[k] = {k % 10 + 1, k / 10 + 1};
    return deck;
}

MargheritaRules::Deck MargheritaRules::metticarte(Random& random)
{
    Deck deck = orderedDeck();
    for (int swap = 0; swap < shuffleSwaps; ++swap) {
        // Two separate draws, first a then b, so a seed always gives the same deal.
        const int a = random.pick(cellCount);
        const int b = random.pick(cellCount);
        std::swap(deck[a], deck[b]);
    }
    return deck;
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

int MargheritaRules::picture(int i) const
{
    if (states_[i] == CellState::Turned)
        return frenchCardPicture(cards_[i].rank, cards_[i].suit);
    return pictures::redBack;
}

bool MargheritaRules::isFramed(int i) const
{
    return lastTurned_ >= 0 && states_[i] == CellState::Reachable;
}

std::string MargheritaRules::twoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
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

bool MargheritaRules::isNewRecord() const
{
    return isOver() && turnedCount_ > recordCount_;
}

MargheritaEnd MargheritaRules::end() const
{
    return {isOver(), isSuccess(), isNewRecord()};
}

void MargheritaRules::takeRecord(std::string_view name, std::string_view valueText)
{
    recordCount_ = recordCountFrom(valueText);
    recordName_ = recordCount_ > 0 ? std::string(name) : std::string(defaultRecordName);
}

std::string MargheritaRules::recordValueText(int count)
{
    std::string text = std::to_string(count);
    if (text.size() < recordWidth)
        text.insert(0, recordWidth - text.size(), ' ');
    return text;
}

int MargheritaRules::recordCountFrom(std::string_view valueText)
{
    // A value cut short belongs to a damaged file, which holds no record.
    if (valueText.size() < recordWidth)
        return 0;
    const std::string_view value = valueText.substr(0, recordWidth);
    std::size_t at = value.find_first_not_of(' ');
    if (at == std::string_view::npos || value[at] == '-')
        return 0;
    if (value[at] == '+')
        ++at;
    int count = 0;
    for (; at < value.size() && value[at] >= '0' && value[at] <= '9'; ++at)
        count = count * 10 + (value[at] - '0');
    return count;
}

bool MargheritaRules::isConsistent() const
{
    std::array<bool, cellCount> seen{};
    int turned = 0;
    for (int i = 0; i < cellCount; ++i) {
        const MargheritaCard& card = cards_[static_cast<std::size_t>(i)];
        if (card.rank < 1 || card.rank > 10 || card.suit < 1 || card.suit > 4)
            return false;
        const auto n = static_cast<std::size_t>((card.suit - 1) * 10 + card.rank - 1);
        if (seen[n])
            return false;
        seen[n] = true;
        turned += states_[static_cast<std::size_t>(i)] == CellState::Turned;
    }
    return turned == turnedCount_;
}
