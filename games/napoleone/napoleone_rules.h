// Napoleone without its window: the 40 Italian cards, the deal round the aces, the rows, piles, foundations and the clock.
#pragma once

#include "shell/cards.h"
#include "shell/record_slot.h"

#include <array>
#include <vector>

class Random;

// One table cell: its top card, and for a pile the card at its bottom. The cards between are not
// kept: a pile is always an unbroken run of one suit from bottom to top.
struct NapoleoneCell {
    Card top{};    // empty for an empty cell
    Card bottom{}; // the pile's bottom card; empty for a single card
    bool isEmpty() const { return top.isEmpty(); }
    bool isPile() const { return !bottom.isEmpty(); }
    bool operator==(const NapoleoneCell&) const = default;
};

// Where one card of the deal went, in deal order: a foundation (its ace) or a table cell.
struct NapoleoneDealt {
    Card card{};
    int foundation = -1;
    int cell = -1;
};

// What a move on a cell did.
enum class NapoleoneMove {
    Nothing,      // refused; a selection stays
    Selected,     // the card became the selection
    Deselected,   // the selected card was chosen again
    ToEmptyRow,   // the selection went to an empty innermost cell
    OntoCard,     // the selection went onto the card of the cell
    ToFoundation, // the card or pile of the cell went up to its foundation
};

class NapoleoneRules {
public:
    // Cards of suit 1 coppe, 2 denari, 3 spade, 4 bastoni; rank 1 ace to 10 re.
    static constexpr int ranks = 10, deckSize = 40, shuffleSwaps = 100000;
    // The cells of the eight rows round the four foundations; the innermost cell of each row is below innerCells.
    static constexpr int cellCount = 36, foundationCount = 4, innerCells = 8;
    // The deal puts the cards out one by one, this long apart.
    static constexpr double dealPause = 0.1;

    using Deck = std::array<Card, deckSize>;

    explicit NapoleoneRules(Random& random);

    static bool isAce(const Card& card) { return card.rank == 1; }
    // Cell c lies k = c / 8 from the centre, in row (c % 8) / 2, on side c % 2 (0 left).
    static constexpr int distance(int cell) { return cell / 8; }
    static constexpr int row(int cell) { return cell % 8 / 2; }
    static constexpr int side(int cell) { return cell % 2; }

    // The ordered deck after shuffleSwaps swaps of two positions drawn with Random::pick.
    static Deck shuffled(Random& random);

    // A new game on a fresh shuffle; returns where each card went, in deal order. Until the deal is
    // over (dealt()) no move is taken and the clock stands.
    std::vector<NapoleoneDealt> deal();
    // The same with the deck laid out by the caller: aces to the foundations in the order they
    // come, every other card to the next cell from 0 up.
    std::vector<NapoleoneDealt> deal(const Deck& deck);
    // The last card of the deal is on the table: play begins and the clock runs.
    void dealt();
    bool hasGame() const { return hasGame_; }
    bool isDealing() const { return dealing_; }

    // A card that may be moved: the last one of its row.
    bool isOutermost(int cell) const;
    // May card a go onto card b: same suit, ranks one apart either way.
    static bool canPair(const Card& a, const Card& b);
    // The first foundation that the card continues; -1 when none does.
    int foundationFor(const Card& card) const;

    // The player's move on cell `index` (0..35): chooses its card, moves the chosen card or pile
    // there, or sends the cell's card or pile up to its foundation. The last card up wins the game.
    NapoleoneMove playCell(int index);

    const NapoleoneCell& cell(int i) const { return cells_[static_cast<std::size_t>(i)]; }
    // The top card of foundation j; empty before the first deal.
    const Card& foundation(int j) const { return foundations_[static_cast<std::size_t>(j)]; }
    // The selected cell, or -1.
    int selected() const { return selected_; }

    // Every foundation has reached its re.
    bool isWon() const;

    // The clock: seconds since the deal ended, running from then until the win or 59:59.
    int seconds() const { return seconds_; }
    bool clockRunning() const { return clockRunning_; }
    // One second on. From 59:57 the clock jumps to 59:59 and stops there; the game goes on.
    // False once the clock stands still.
    bool secondPassed();

    // The record: the best (lowest) time as "mm:ss" in rclnp.dat, "59:58" held by "CPU" until beaten.
    static RecordRules recordRules();

    // Every card is on the table or a foundation exactly once, rows are unbroken from the centre,
    // piles are runs of one suit, and a selection lies on an outermost card.
    bool isConsistent() const;

private:
    void clearTable();
    void empty(int index);

    Random& random_;
    std::array<NapoleoneCell, cellCount> cells_{};
    std::array<Card, foundationCount> foundations_{};
    int selected_ = -1;
    bool hasGame_ = false;
    bool dealing_ = false;
    int seconds_ = 0;
    bool clockRunning_ = false;
};
