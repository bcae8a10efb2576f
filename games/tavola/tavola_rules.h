// One round-table game: the deck, the 4 x 4 board over the photograph, placing, clearing, the clock and the bonus.
#pragma once

#include "shell/record_slot.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Random;

struct TavolaCard {
    int rank = 0; // 1 ace to 13 king; 0 for no card
    int suit = 0; // 1 hearts, 2 spades, 3 diamonds, 4 clubs; 0 for no card
    bool isEmpty() const { return rank == 0; }
    bool isCourt() const { return rank >= 11; }
    bool operator==(const TavolaCard&) const = default;
};

// What a click on a board cell came to, for the window to show.
enum class TavolaOutcome {
    Nothing,   // the click was not a move: nothing changed
    Placed,    // a card went onto the board (and the next one was turned)
    WrongMove, // a court card off its places: refused, the cell stays empty, the card stays in hand
    Cleared,   // a ten or a pair was taken off, or a selection changed
    Lost,      // the game has just been lost
    Won,       // the twelfth court card lies on its place
};

// The card bonus of a won game, all in seconds; nothing when no card was left in the deck.
struct TavolaBonus {
    int elapsed = 0;  // the clock when the game was won
    int cards = 0;    // cards still in the deck
    int perCard = 0;  // seconds each of them is worth
    int bonus = 0;    // cards x perCard
    int total = 0;    // elapsed - bonus, never below zero
};

class TavolaRules {
public:
    static constexpr int cells = 16;
    static constexpr int deckSize = 52;
    static constexpr int shuffleSwaps = 10000;
    static constexpr int courtCards = 12;
    static constexpr int secondsPerCard = 5;

    enum class State { Idle, Placing, Clearing, Lost, Won };

    using Deck = std::array<TavolaCard, deckSize>;

    // Draws the photograph under the board (211 to 214) from `random`; it stays for the window's life.
    explicit TavolaRules(Random& random);

    // The ordered deck shuffled by 10000 swaps of two positions drawn uniformly from the whole deck.
    static Deck GiraCarta(Random& random);
    // A new game with a fresh shuffle; the first card is turned at once.
    void Nuova();
    // The same with a deck laid out by the caller.
    void Nuova(const Deck& deck);

    // A click on the hand card: picks it up or puts it back while placing.
    bool pickUp();
    // A click on board cell `index` in either phase.
    TavolaOutcome carte(int index);
    // One second of the clock while a game is played.
    void tick();

    // 0 when a ten or a pair adding up to ten lies on the board, 1 when none does.
    int controlla() const;
    // May a card of `rank` lie on `cell`? Court cards only on their own places, others anywhere.
    static bool fitsPlace(int rank, int cell);
    // The four places of a court rank (11 jack, 12 queen, 13 king).
    static const std::array<int, 4>& places(int courtRank);

    State state() const { return state_; }
    bool isPlaying() const { return state_ == State::Placing || state_ == State::Clearing; }
    bool isClearing() const { return state_ == State::Clearing; }
    bool isOver() const { return state_ == State::Lost || state_ == State::Won; }
    // Picking the hand card up is possible now.
    bool canPickUp() const;
    // A click on `cell` would do something now.
    bool acceptsClick(int cell) const;

    const TavolaCard& hand() const { return hand_; }
    bool handPickedUp() const { return pickedUp_; }
    const TavolaCard& cell(int i) const { return board_[static_cast<std::size_t>(i)]; }
    // The cell's value for the clearing sums: 0 empty, else the rank.
    int cellValue(int i) const { return cell(i).rank; }
    // A court card on its own place is not drawn: the photograph shows through.
    bool showsPhotograph(int i) const { return cell(i).isCourt(); }
    bool isSelected(int i) const;
    const std::vector<int>& selection() const { return selection_; }
    int cardsLeft() const { return deckSize - turned_; }
    int placedCount() const { return placed_; }
    int courtCount() const { return courtCount_; }
    int photograph() const { return photograph_; }
    int seconds() const { return seconds_; }
    // The bonus of the won game; nothing before a win or when the deck was empty.
    const std::optional<TavolaBonus>& bonus() const { return bonus_; }
    // Every card of the deck once: on the board, in hand or still in the deck, and nowhere else.
    bool isConsistent() const;

    // The bonus for winning at `elapsed` seconds with `cards` left in the deck; nothing for an empty deck.
    static std::optional<TavolaBonus> cardBonus(int elapsed, int cards);

    // The record: the lowest time in "\rcltv.dat", 05:00 held by "CPU" until someone beats it.
    static RecordRules recordRules();
    // The record as the file keeps it: "mm:ss".
    static std::string recordValueText(long long seconds);
    // The seconds a stored value holds; nothing unless it is exactly mm:ss with seconds below 60.
    static std::optional<long long> storedRecord(std::string_view valueText);

private:
    TavolaOutcome place(int index);
    TavolaOutcome clear(int index);
    void turnNext();
    bool ctrl11();
    void endClearing();
    void vincita();

    Random& random_;
    int photograph_;
    Deck deck_{};
    std::array<TavolaCard, cells> board_{};
    TavolaCard hand_{};
    State state_ = State::Idle;
    bool pickedUp_ = false;
    int turned_ = 0; // cards taken from the deck, the hand card included
    int placed_ = 0;
    int courtCount_ = 0;
    std::vector<int> selection_;
    // Cards taken off the board by the clearing; they leave the game.
    std::vector<TavolaCard> cleared_;
    int seconds_ = 0;
    std::optional<TavolaBonus> bonus_;
};
