// The round table's rules: court cards to their edges, pairs adding up to ten off a full board, the clock.
#include "games/tavola/tavola_rules.h"

#include "shell/random.h"
#include "shell/text_formats.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int shuffleSwaps = 10000;
constexpr int courtCards = 12;
constexpr int secondsPerCard = 5;

constexpr std::array<int, 4> jackPlaces{1, 2, 13, 14};
constexpr std::array<int, 4> queenPlaces{4, 7, 8, 11};
constexpr std::array<int, 4> kingPlaces{0, 3, 12, 15};

} // namespace

TavolaRules::TavolaRules(Random& random) : random_(random), photograph_(210 + random.pick(4, 1)) {}

void TavolaRules::newGame() { newGame(cards::shuffledDeck<deckSize>(13, shuffleSwaps, random_)); }

void TavolaRules::newGame(const Deck& deck)
{
    deck_ = deck;
    board_.fill({});
    selection_.clear();
    cleared_.clear();
    bonus_.reset();
    placed_ = 0;
    courtCount_ = 0;
    seconds_ = 0;
    pickedUp_ = false;
    wrongMove_ = false;
    state_ = State::Placing;
    hand_ = deck_[0];
    turned_ = 1;
}

const std::array<int, 4>& TavolaRules::places(int courtRank)
{
    return courtRank == 11 ? jackPlaces : courtRank == 12 ? queenPlaces : kingPlaces;
}

bool TavolaRules::fitsPlace(int rank, int cell)
{
    if (rank < 11)
        return true;
    const auto& own = places(rank);
    return std::find(own.begin(), own.end(), cell) != own.end();
}

bool TavolaRules::canPickUp() const
{
    return state_ == State::Placing && !wrongMove_ && placed_ < cells && !hand_.isEmpty();
}

bool TavolaRules::pickUp()
{
    if (!canPickUp())
        return false;
    pickedUp_ = !pickedUp_;
    return true;
}

bool TavolaRules::canPlayCell(int index) const
{
    if (index < 0 || index >= cells || wrongMove_)
        return false;
    if (state_ == State::Placing)
        return pickedUp_ && !hand_.isEmpty() && cell(index).isEmpty() && fitsPlace(hand_.rank, index);
    if (state_ == State::Clearing)
        return cellValue(index) > 0 && cellValue(index) <= 10;
    return false;
}

TavolaOutcome TavolaRules::playCell(int index)
{
    // The board refuses every move while a wrong move is being shown.
    if (index < 0 || index >= cells || wrongMove_)
        return TavolaOutcome::Nothing;
    if (state_ == State::Placing)
        return place(index);
    if (state_ == State::Clearing)
        return clear(index);
    return TavolaOutcome::Nothing;
}

TavolaOutcome TavolaRules::place(int index)
{
    if (!pickedUp_ || hand_.isEmpty() || !cell(index).isEmpty())
        return TavolaOutcome::Nothing;
    // A refused court card never touches the cell: it stays in hand, picked up for another try.
    if (!fitsPlace(hand_.rank, index)) {
        wrongMove_ = true;
        return TavolaOutcome::WrongMove;
    }
    board_[static_cast<std::size_t>(index)] = hand_;
    hand_ = {};
    pickedUp_ = false;
    if (isCourt(cell(index)) && ++courtCount_ == courtCards) {
        vincita();
        return TavolaOutcome::Won;
    }
    if (cardsLeft() > 0) {
        turnNext();
        if (++placed_ == cells) {
            state_ = State::Clearing;
            if (!hasClearingMove()) {
                state_ = State::Lost;
                return TavolaOutcome::Lost;
            }
        }
    }
    if (state_ == State::Placing && ctrl11())
        return TavolaOutcome::Lost;
    return TavolaOutcome::Placed;
}

void TavolaRules::turnNext()
{
    hand_ = deck_[static_cast<std::size_t>(turned_++)];
}

bool TavolaRules::ctrl11()
{
    if (!isCourt(hand_))
        return false;
    const auto& own = places(hand_.rank);
    if (std::any_of(own.begin(), own.end(), [this](int c) { return cell(c).isEmpty(); }))
        return false;
    state_ = State::Lost;
    return true;
}

bool TavolaRules::isSelected(int i) const
{
    return std::find(selection_.begin(), selection_.end(), i) != selection_.end();
}

TavolaOutcome TavolaRules::clear(int index)
{
    const int value = cellValue(index);
    // Court cards on their places are not drawn and take no clicks; they never join a sum.
    if (value <= 0 || value > 10)
        return TavolaOutcome::Nothing;
    if (value == 10) {
        cleared_.push_back(cell(index));
        board_[static_cast<std::size_t>(index)] = {};
        selection_.clear();
    } else if (isSelected(index)) {
        selection_.erase(std::find(selection_.begin(), selection_.end(), index));
    } else {
        // One click changes the selection by one card; the second card selected settles the pair.
        selection_.push_back(index);
        if (selection_.size() == 2) {
            const int a = selection_[0];
            const int b = selection_[1];
            if (cellValue(a) + cellValue(b) == 10) {
                for (int c : {a, b}) {
                    cleared_.push_back(cell(c));
                    board_[static_cast<std::size_t>(c)] = {};
                }
            }
            selection_.clear();
        }
    }
    if (!hasClearingMove()) {
        endClearing();
        if (state_ == State::Lost)
            return TavolaOutcome::Lost;
    }
    return TavolaOutcome::Cleared;
}

void TavolaRules::endClearing()
{
    state_ = State::Placing;
    selection_.clear();
    pickedUp_ = false;
    placed_ = static_cast<int>(std::count_if(board_.begin(), board_.end(), [](const Card& c) { return !c.isEmpty(); }));
    ctrl11();
}

bool TavolaRules::hasClearingMove() const
{
    for (int i = 0; i < cells; ++i)
        if (cellValue(i) == 10)
            return true;
    for (int i = 0; i < cells - 1; ++i)
        for (int j = i + 1; j < cells; ++j)
            if (cellValue(i) + cellValue(j) == 10)
                return true;
    return false;
}

void TavolaRules::endWrongMove() { wrongMove_ = false; }

void TavolaRules::secondPassed()
{
    if (isPlaying())
        ++seconds_;
}

void TavolaRules::vincita()
{
    state_ = State::Won;
    selection_.clear();
    bonus_ = cardBonus(seconds_, cardsLeft());
    if (bonus_)
        seconds_ = bonus_->total;
}

std::optional<TavolaBonus> TavolaRules::cardBonus(int elapsed, int cards)
{
    if (cards <= 0)
        return std::nullopt;
    TavolaBonus b;
    b.elapsed = elapsed;
    b.cards = cards;
    b.perCard = secondsPerCard;
    b.bonus = b.perCard * cards;
    // A bonus larger than the time spent brings the clock to 00:00, never below.
    b.total = std::max(0, b.elapsed - b.bonus);
    return b;
}

bool TavolaRules::isConsistent() const
{
    if (state_ == State::Idle)
        return true;
    std::vector<Card> present(deck_.begin() + turned_, deck_.end());
    if (!hand_.isEmpty())
        present.push_back(hand_);
    int onBoard = 0;
    int courts = 0;
    for (int i = 0; i < cells; ++i) {
        const Card& c = cell(i);
        if (c.isEmpty())
            continue;
        if (!fitsPlace(c.rank, i))
            return false;
        present.push_back(c);
        ++onBoard;
        courts += isCourt(c) ? 1 : 0;
    }
    // Only tens and pairs adding up to ten leave the board.
    if (std::any_of(cleared_.begin(), cleared_.end(), [](const Card& c) { return isCourt(c); }))
        return false;
    present.insert(present.end(), cleared_.begin(), cleared_.end());
    if (courts != courtCount_ || (state_ == State::Placing && onBoard > placed_ + 1))
        return false;
    return cards::eachCardOnce(present, 13, 4);
}

RecordRules TavolaRules::recordRules()
{
    const auto stored = [](long long seconds) { return text::clock(seconds); };
    // Only the five characters of the time count, and only as mm:ss with seconds below 60.
    return {{"rcltv.dat", 0xB7, 5}, RecordRules::Better::Lower, 5 * 60, "CPU", stored,
            [](std::string_view value) { return text::readClock(value.substr(0, 5)); }, stored};
}
