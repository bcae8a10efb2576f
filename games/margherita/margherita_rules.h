// Margherita without its window: the 4 x 10 table, the deal, turning cards along the suits' directions, the end and the record.
#pragma once

#include "shell/cards.h"
#include "shell/record_slot.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class Random;

// The state of one cell of the table; the numbers are the ones the window's pointer rule is written in.
enum class CellState { Reachable = 0, Blocked = 1, Turned = 2 };

class MargheritaRules {
public:
    static constexpr int rows = 4;
    static constexpr int columns = 10;
    static constexpr int cellCount = rows * columns;
    static constexpr int shuffleSwaps = 10000;
    static constexpr int successCount = 20;
    static constexpr int recordWidth = 2;
    static constexpr std::string_view defaultRecordName = "CPU";

    enum Suit { hearts = 1, spades = 2, diamonds = 3, clubs = 4 };
    using Deck = std::array<Card, cellCount>;

    explicit MargheritaRules(Random& random);

    // Ace to ten of hearts, then of spades, diamonds and clubs.
    static Deck orderedDeck();
    // The ordered deck after shuffleSwaps swaps of two positions drawn with Random::pick.
    static Deck metticarte(Random& random);

    // A fresh game on a newly shuffled table: nothing turned, every cell reachable.
    void newGame();
    // The same on a table laid out by the caller, cell i taking deck[i].
    void newGame(const Deck& deck);

    // The cells next to cell i in the directions a card of this suit leads to, in the order they are
    // examined; a row never wraps to the next one.
    static std::vector<int> neighboursFor(int suit, int i);

    bool isReachable(int i) const;
    // Turns cell i when it is reachable, then offers the face-down neighbours of that card; false
    // (and nothing changes) for a blocked or turned cell or an index off the table.
    bool turn(int i);

    const Card& card(int i) const { return cards_[static_cast<std::size_t>(i)]; }
    CellState state(int i) const { return states_[static_cast<std::size_t>(i)]; }
    bool isTurned(int i) const { return state(i) == CellState::Turned; }
    // The frame marks the cards the last turned card leads to; before the first card none is shown.
    bool isFramed(int i) const;
    // The card turned last, which decides what is reachable; -1 before the first move.
    int lastTurned() const { return lastTurned_; }

    int turnedCount() const { return turnedCount_; }

    // The table holds the forty cards once each, and the count of turned cards is the turned cells'.
    bool isConsistent() const;

    // No card can be turned any more: the game is over.
    bool isOver() const;
    // The game is over with at least successCount cards turned.
    bool isSuccess() const;

    // The value written after the name: the count right-aligned in recordWidth characters (" 7", "15").
    static std::string recordValueText(int count);
    // The record count a value text stands for; 0 when it is not a positive number.
    static int recordCountFrom(std::string_view valueText);
    // How the most cards turned are kept in "rcmgh.dat": shown in two digits, "CPU" and "00" without one.
    static RecordRules recordRules();

private:
    Random& random_;
    Deck cards_{};
    std::array<CellState, cellCount> states_{};
    int turnedCount_ = 0;
    int lastTurned_ = -1;
};
