// The accordion's rules: dealing into the row, joining cards up to three places apart, counting piles.
#include "games/fisarmonica/fisarmonica_rules.h"

#include "shell/text_formats.h"

#include <algorithm>
#include <utility>

FisarmonicaRules::FisarmonicaRules(Random& random) : random_(random) {}

void FisarmonicaRules::newGame() { newGame(cards::shuffledDeck<deckSize>(13, shuffleSwaps, random_)); }

void FisarmonicaRules::newGame(const Deck& deck)
{
    deck_ = deck;
    row_.fill({});
    dealt_ = 0;
    selected_ = -1;
    pileCount_ = 0;
}

bool FisarmonicaRules::deal()
{
    if (deckEmpty())
        return false;
    const auto gap = std::find_if(row_.begin(), row_.end(), [](const Card& c) { return c.isEmpty(); });
    if (gap == row_.end())
        return false;
    *gap = deck_[static_cast<std::size_t>(dealt_++)];
    return true;
}

bool FisarmonicaRules::canJoin(int left, int right) const
{
    if (left < 0 || right >= places || right <= left || right - left > reach)
        return false;
    const Card& a = place(left);
    const Card& b = place(right);
    if (a.isEmpty() || b.isEmpty())
        return false;
    return a.rank == b.rank || a.suit == b.suit;
}

void FisarmonicaRules::join(int left, int right)
{
    row_[static_cast<std::size_t>(left)] = row_[static_cast<std::size_t>(right)];
    row_[static_cast<std::size_t>(right)] = {};
    closeUp();
}

// Every card right of the emptied place moves one place to the left; the row never has two gaps.
void FisarmonicaRules::closeUp()
{
    auto gap = std::find_if(row_.begin(), row_.end(), [](const Card& c) { return c.isEmpty(); });
    std::stable_partition(gap, row_.end(), [](const Card& c) { return !c.isEmpty(); });
}

void FisarmonicaRules::takeCard(int i)
{
    if (i < 0 || i >= places)
        return;
    if (selected_ >= 0 && selected_ != i) {
        const int left = std::min(selected_, i);
        const int right = std::max(selected_, i);
        // A move that is not allowed leaves the selection where it was.
        if (canJoin(left, right)) {
            join(left, right);
            selected_ = -1;
        }
        return;
    }
    if (selected_ == i)
        selected_ = -1;
    else if (!place(i).isEmpty())
        selected_ = i;
}

int FisarmonicaRules::cardsInRow() const
{
    return static_cast<int>(std::count_if(row_.begin(), row_.end(), [](const Card& c) { return !c.isEmpty(); }));
}

int FisarmonicaRules::finish()
{
    if (!finished())
        pileCount_ = cardsInRow();
    return pileCount_;
}

std::string FisarmonicaRules::recordValueText(int piles) { return text::rightAligned(piles, recordWidth); }

// The value is read as the window always read it: a count below 10 is taken from the second
// character alone, so " 7" is 7 while "7 " holds no record.
int FisarmonicaRules::storedRecord(std::string_view valueText)
{
    const std::string_view text = valueText.substr(0, recordWidth);
    long long piles = text::readSignedNumber(text).value_or(0);
    if (piles < 10) {
        const char second = text.size() > 1 ? text[1] : ' ';
        piles = second >= '0' && second <= '9' ? second - '0' : 0;
    }
    return piles > 0 ? static_cast<int>(piles) : 0;
}

RecordRules FisarmonicaRules::recordRules()
{
    return {{"rcfis.dat", 0x5C, recordWidth},
            RecordRules::Better::Lower,
            defaultRecord,
            defaultRecordName,
            [](long long piles) { return recordValueText(static_cast<int>(piles)); },
            [](std::string_view value) -> std::optional<long long> {
                const int piles = storedRecord(value);
                return piles > 0 ? std::optional<long long>(piles) : std::nullopt;
            },
            [](long long piles) { return std::to_string(piles); }};
}

bool FisarmonicaRules::isConsistent() const
{
    if (!cards::eachCardOnce(deck_, 13, 4))
        return false;
    if (dealt_ < 0 || dealt_ > deckSize || selected_ < -1 || selected_ >= places)
        return false;
    bool gap = false;
    for (int i = 0; i < places; ++i) {
        const Card& card = row_[static_cast<std::size_t>(i)];
        if (card.isEmpty()) {
            gap = true;
            continue;
        }
        const auto dealtSoFar = deck_.begin() + dealt_;
        if (gap || std::find(deck_.begin(), dealtSoFar, card) == dealtSoFar)
            return false;
        for (int j = 0; j < i; ++j)
            if (row_[static_cast<std::size_t>(j)] == card)
                return false;
    }
    return true;
}
