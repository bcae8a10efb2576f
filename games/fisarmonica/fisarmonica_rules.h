// One accordion game: the deck, the row of twelve places, the moves between them and the pile count.
#pragma once

#include "shell/record_slot.h"

#include <array>
#include <string>
#include <string_view>

class Random;

struct FisarmonicaCard {
    int value = 0; // 1 ace to 13 king; 0 for an empty place
    int suit = 0;  // 1 hearts, 2 spades, 3 diamonds, 4 clubs; 0 for an empty place
    bool isEmpty() const { return value == 0; }
    bool operator==(const FisarmonicaCard&) const = default;
};

class FisarmonicaRules {
public:
    static constexpr int places = 12;
    static constexpr int deckSize = 52;
    static constexpr int shuffleSwaps = 100000;
    static constexpr int reach = 3; // a card may jump at most this many places to its left
    static constexpr int recordWidth = 2;
    static constexpr int defaultRecord = 12;
    static constexpr const char* defaultRecordName = "CPU";

    using Deck = std::array<FisarmonicaCard, deckSize>;

    explicit FisarmonicaRules(Random& random);

    // A fresh game: empty row, nothing selected, a newly shuffled deck.
    void Nuova();
    // The same with a deck laid out by the caller.
    void Nuova(const Deck& deck);
    // The ordered deck shuffled by swapping two positions drawn uniformly, 100000 times.
    static Deck daicarte(Random& random);

    // Deals the next card into the first empty place; false when the deck is empty or the row full.
    bool deal();
    int cardsLeft() const { return deckSize - dealt_; }
    bool deckEmpty() const { return dealt_ >= deckSize; }

    // The click on place i: select, deselect or move, as the player sees it.
    void click(int i);
    // May the card of place `right` go onto the card of place `left`?
    bool canJoin(int left, int right) const;
    // Puts the right card onto the left one; the row closes up behind it.
    void join(int left, int right);

    // The selected place, or -1 when nothing is highlighted.
    int selected() const { return selected_; }
    const FisarmonicaCard& place(int i) const { return row_[static_cast<std::size_t>(i)]; }
    int picture(int i) const;
    int cardsInRow() const;

    // "Finito": the piles are counted once; moves after it do not change the result.
    int finish();
    bool finished() const { return pileCount_ > 0; }
    int pileCount() const { return pileCount_; }
    // The deck holds every card once, and the row holds dealt cards only, each once, closed up to the left.
    bool isConsistent() const;
    bool isWin() const { return pileCount_ == 1; }

    // The record's value text: the pile count right-aligned in two characters (" 7", "11").
    static std::string recordValueText(int piles);
    // The pile count a read value text holds; 0 when it holds none and the default record stands.
    static int storedRecord(std::string_view valueText);
    // How the fewest piles are kept in "rcfis.dat".
    static RecordRules recordRules();

private:
    void closeUp();

    Random& random_;
    Deck deck_{};
    std::array<FisarmonicaCard, places> row_{};
    int dealt_ = 0;
    int selected_ = -1;
    int pileCount_ = 0;
};
