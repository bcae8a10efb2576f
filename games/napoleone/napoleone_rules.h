// Napoleone without its window: the 40 Italian cards, the deal round the aces, the rows, piles, foundations and the clock.
#pragma once

#include "shell/record_slot.h"

#include <array>
#include <vector>

class Random;

// One table cell: its top card, and for a pile the card at its bottom. The cards between are not
// kept: a pile is always an unbroken run of one suit from bottom to top.
struct NapoleoneCell {
    int top = 0;    // card 1..40; 0 for an empty cell
    int bottom = 0; // the pile's bottom card; 0 for a single card
    bool isEmpty() const { return top == 0; }
    bool isPile() const { return bottom != 0; }
    bool operator==(const NapoleoneCell&) const = default;
};

// Where one card of the deal went, in deal order: a foundation (its ace) or a table cell.
struct NapoleoneDealt {
    int card = 0;
    int foundation = -1;
    int cell = -1;
};

// What a click on a cell did.
enum class NapoleoneMove {
    Nothing,      // refused; a selection stays
    Selected,     // the card became the selection
    Deselected,   // the selected card was clicked again
    ToEmptyRow,   // the selection went to an empty innermost cell
    OntoCard,     // the selection went onto the clicked card
    ToFoundation, // the clicked card or pile went up to its foundation
};

class NapoleoneRules {
public:
    static constexpr int deckSize = 40;
    static constexpr int cellCount = 36;
    static constexpr int foundationCount = 4;
    static constexpr int innerCells = 8; // the innermost cell of each of the eight rows
    static constexpr int lastInnerRing = 27; // cells above it have no cell further out
    static constexpr int shuffleSwaps = 100000;
    // The clock stops here: 59:59.
    static constexpr int clockLimit = 59 * 60 + 59;

    using Deck = std::array<int, deckSize>;

    explicit NapoleoneRules(Random& random);

    // Cards 1..40: suit 0 coppe, 1 denari, 2 spade, 3 bastoni; rank 1 ace to 10 re.
    static int suit(int card) { return (card - 1) / 10; }
    static int rank(int card) { return (card - 1) % 10 + 1; }
    static bool isAce(int card) { return rank(card) == 1; }
    // Cell c lies k = c / 8 from the centre, in row (c % 8) / 2, on side c % 2 (0 left).
    static int distance(int cell) { return cell / 8; }
    static int row(int cell) { return cell % 8 / 2; }
    static int side(int cell) { return cell % 2; }

    // Cards 1..40 in order after shuffleSwaps swaps of two positions drawn with Random::pick.
    static Deck shuffled(Random& random);

    // A new game on a fresh shuffle; returns where each card went, in deal order.
    std::vector<NapoleoneDealt> deal();
    // The same with the deck laid out by the caller: aces to the foundations in the order they
    // come, every other card to the next cell from 0 up.
    std::vector<NapoleoneDealt> deal(const Deck& deck);
    bool hasGame() const { return hasGame_; }

    // A card that may be clicked into a move: the last one of its row.
    bool isOutermost(int cell) const;
    // May card a go onto card b: same suit, ranks one apart either way.
    static bool canPair(int a, int b);
    // The first foundation that the card continues; -1 when none does.
    int foundationFor(int card) const;

    // The click on cell `index` (0..35), as the player sees it.
    NapoleoneMove sopra_Click(int index);

    const NapoleoneCell& cell(int i) const { return cells_[static_cast<std::size_t>(i)]; }
    // The top card of foundation j; 0 before the first deal.
    int foundation(int j) const { return foundations_[static_cast<std::size_t>(j)]; }
    // The selected cell, or -1.
    int selected() const { return selected_; }

    // Every foundation has reached its re.
    bool isWon() const;

    // The clock: seconds since the deal ended, running from then until the win or 59:59.
    int seconds() const { return seconds_; }
    bool clockRunning() const { return clockRunning_; }
    void startClock() { clockRunning_ = hasGame_ && !isWon() && seconds_ < clockLimit; }
    // One second on. From 59:57 the clock jumps to 59:59 and stops there; the game goes on.
    // False once the clock stands still.
    bool Timer1_Timer();
    // The win: the clock stops. True when the game is won (and so nothing more is to be done).
    bool vincita();

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
    std::array<int, foundationCount> foundations_{};
    int selected_ = -1;
    bool hasGame_ = false;
    int seconds_ = 0;
    bool clockRunning_ = false;
};
