// One round-table game: the deck, the 4 x 4 board over the photograph, placing, clearing, the clock and the bonus.
#pragma once

#include "shell/cards.h"
#include "shell/record_slot.h"

#include <array>
#include <optional>
#include <vector>

class Random;

// What a move on a board cell came to.
enum class TavolaOutcome {
    Nothing,   // not a move: nothing changed
    Placed,    // a card went onto the board (and the next one was turned)
    WrongMove, // a court card off its places: refused, and the board takes no move until the wrong move is over
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
    static constexpr int cells = 16, deckSize = 52;
    // A wrong move holds the board this long; the uncovered photograph and the bonus each stay for winHold.
    static constexpr double wrongMoveSeconds = 1, winHold = 5;

    enum class State { Idle, Placing, Clearing, Lost, Won };

    using Deck = std::array<Card, deckSize>;

    // Draws the photograph under the board (211 to 214) from `random`; it stays for the window's life.
    explicit TavolaRules(Random& random);

    // A new game with a fresh shuffle; the first card is turned at once.
    void newGame();
    // The same with a deck laid out by the caller.
    void newGame(const Deck& deck);

    // Picks the hand card up or puts it back while placing.
    bool pickUp();
    // The move on board cell `index`: while placing the picked-up card goes there; while clearing the
    // card there goes off (a ten) or joins or leaves the pair being chosen.
    TavolaOutcome playCell(int index);
    // The second after a wrong move is over: the board takes moves again.
    void endWrongMove();
    // One second of a game being played.
    void secondPassed();

    // A ten, or a pair adding up to ten, lies on the board.
    bool hasClearingMove() const;
    static bool isCourt(const Card& card) { return card.rank >= 11; }
    // May a card of `rank` lie on `cell`? Court cards only on their own places, others anywhere.
    static bool fitsPlace(int rank, int cell);
    // The four places of a court rank (11 jack, 12 queen, 13 king).
    static const std::array<int, 4>& places(int courtRank);

    State state() const { return state_; }
    bool isPlaying() const { return state_ == State::Placing || state_ == State::Clearing; }
    bool isClearing() const { return state_ == State::Clearing; }
    bool isOver() const { return state_ == State::Lost || state_ == State::Won; }
    // A wrong move was just refused: until it is over nothing on the board takes a move.
    bool isWrongMove() const { return wrongMove_; }
    // Picking the hand card up is possible now.
    bool canPickUp() const;
    // A move on `cell` would do something now.
    bool canPlayCell(int cell) const;

    const Card& hand() const { return hand_; }
    bool handPickedUp() const { return pickedUp_; }
    const Card& cell(int i) const { return board_[static_cast<std::size_t>(i)]; }
    // The cell's value for the clearing sums: 0 empty, else the rank.
    int cellValue(int i) const { return cell(i).rank; }
    // A court card on its own place is not drawn: the photograph shows through.
    bool showsPhotograph(int i) const { return isCourt(cell(i)); }
    bool isSelected(int i) const;
    const std::vector<int>& selection() const { return selection_; }
    int cardsLeft() const { return deckSize - turned_; }
    int placedCount() const { return placed_; }
    int courtCount() const { return courtCount_; }
    int photograph() const { return photograph_; }
    // The clock; after a win with a bonus, the total.
    int seconds() const { return seconds_; }
    // The bonus of the won game; nothing before a win or when the deck was empty.
    const std::optional<TavolaBonus>& bonus() const { return bonus_; }
    // Every card of the deck once: on the board, in hand, still in the deck or cleared away, and
    // court cards only on their places.
    bool isConsistent() const;

    // The bonus for winning at `elapsed` seconds with `cards` left in the deck; nothing for an empty deck.
    static std::optional<TavolaBonus> cardBonus(int elapsed, int cards);

    // The record: the lowest time in "\rcltv.dat", 05:00 held by "CPU" until someone beats it.
    static RecordRules recordRules();

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
    std::array<Card, cells> board_{};
    Card hand_{};
    State state_ = State::Idle;
    bool pickedUp_ = false;
    bool wrongMove_ = false;
    int turned_ = 0; // cards taken from the deck, the hand card included
    int placed_ = 0;
    int courtCount_ = 0;
    std::vector<int> selection_;
    // Cards taken off the board by the clearing; they leave the game.
    std::vector<Card> cleared_;
    int seconds_ = 0;
    std::optional<TavolaBonus> bonus_;
};
