// One accordion game: the deck, the row of twelve places, the moves between them and the pile count.
#pragma once

#include "shell/cards.h"
#include "shell/record_slot.h"

#include <string>
#include <string_view>

class FisarmonicaRules {
public:
    static constexpr int places = 12;
    static constexpr int deckSize = 52;
    static constexpr int shuffleSwaps = 100000;
    static constexpr int reach = 3; // a card may jump at most this many places to its left
    static constexpr int recordWidth = 2;
    static constexpr int defaultRecord = 12;
    static constexpr const char* defaultRecordName = "CPU";

    using Deck = std::array<Card, deckSize>;

    explicit FisarmonicaRules(Random& random);

    // A fresh game: empty row, nothing selected, the ordered deck shuffled by 100000 swaps.
    void newGame();
    // The same with a deck laid out by the caller.
    void newGame(const Deck& deck);

    // Deals the next card into the first empty place; false when the deck is empty or the row full.
    bool deal();
    int cardsLeft() const { return deckSize - dealt_; }
    bool deckEmpty() const { return dealt_ >= deckSize; }

    // Takes the card of place i, lets it go when it is taken already, or joins it with the card taken before.
    void takeCard(int i);
    // May the card of place `right` go onto the card of place `left`?
    bool canJoin(int left, int right) const;
    // Puts the right card onto the left one; the row closes up behind it.
    void join(int left, int right);

    // The selected place, or -1 when nothing is highlighted.
    int selected() const { return selected_; }
    // The card of place i; an empty card for an empty place.
    const Card& place(int i) const { return row_[static_cast<std::size_t>(i)]; }
    int cardsInRow() const;

    // The game can be finished once the deck is dealt out, and only once.
    bool canFinish() const { return deckEmpty() && !finished(); }
    // The piles are counted once; moves after it do not change the result.
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
    std::array<Card, places> row_{};
    int dealt_ = 0;
    int selected_ = -1;
    int pileCount_ = 0;
};
