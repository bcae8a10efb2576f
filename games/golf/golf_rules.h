// One round of Zidu Dori: nine holes of golf patience, the tableau, the piles, the stock, penalties and the score card.
#pragma once

#include "shell/cards.h"
#include "shell/record_slot.h"

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

// What a click on a card, a pile or the stock would do now.
enum class GolfReach {
    None,     // nothing there to take, or no hole in play
    Playable, // the click takes it, or lets it go again
    Blocked,  // the click is refused: a dead or empty pile, or it does not fit the move being prepared
    Covered,  // the click is not for it now: a card under another, or a pile while another is chosen
};

// The table at one moment: what lies where, what may be taken, and the score card.
struct GolfTable {
    static constexpr int cells = 35;
    static constexpr int piles = 11;
    static constexpr int holes = 9;

    std::array<Card, cells> cell{};   // empty where the card has left the tableau
    std::array<GolfReach, cells> cellReach{};
    std::array<Card, piles> pile{};   // each pile's top card; empty for an empty place
    std::array<bool, piles> single{}; // a pile of one card costs a point at the end of the hole
    std::array<GolfReach, piles> pileReach{};
    Card stock{};                     // the face-up stock card; empty when none is left
    int beneath = 0;                  // the stock cards beneath it
    GolfReach stockReach = GolfReach::None;
    int selectedCell = -1;
    int selectedPile = -1;
    bool stockSelected = false;
    bool movePrepared = false; // a move is ready to be played
    bool canEndHole = false;
    int penalties = 0;
    int hole = 0;
    std::array<std::optional<int>, holes> score{}; // nothing for a hole not reached, or not scored yet
    bool greenCounted = false; // the current hole's score has taken its green bonus
    std::optional<int> total;  // nothing before the first hole ends
    bool over = false;
    bool frozen = false; // the record's name was taken: the round is closed
};

// What a step of a move announces.
enum class GolfNews { Hole, Penalty, Green, GreenBonus, Result, GameOver };

// One announcement the player must see, and the table while it shows.
struct GolfStep {
    GolfNews news = GolfNews::Hole;
    std::string words; // UTF-8: "Buca N° 2", "Penalità (+1)", "-5", "Eagle (-2)"
    int score = 0;     // the hole's score, for its result
    GolfTable table;
    double hold = 3.0;
};

class GolfRules {
public:
    static constexpr int deckSize = 52;
    static constexpr int cells = GolfTable::cells;
    static constexpr int piles = GolfTable::piles;
    static constexpr int holes = GolfTable::holes;
    static constexpr int stockSize = 17;
    static constexpr int shuffleSwaps = 10000;
    static constexpr int king = 13;

    using Deck = std::array<Card, deckSize>;

    explicit GolfRules(Random& random);

    // The next holes are dealt from these decks, in order, before shuffled ones again.
    void layNextDeck(const Deck& deck) { laid_.push_back(deck); }

    // A new round: no hole played, the total blank; the first hole is dealt.
    std::vector<GolfStep> newRound();
    // The next hole, or the end of the round after the ninth.
    std::vector<GolfStep> nextHole();

    // Taking a source and choosing a pile; taking it again lets it go. False when refused: nothing changed.
    bool takeCard(int cell);
    bool takeStockCard();
    bool choosePile(int pile);
    // "Gioca": plays the prepared move, the taken card onto the chosen pile or the stock card onto the first
    // empty place as a new pile; then what follows it (a penalty, the green, the end of the hole).
    std::vector<GolfStep> gioca();
    // Ends the hole, scoring what is left on the table.
    std::vector<GolfStep> endHole();
    // The record's name was taken: the table takes no more moves and the total keeps its stored form.
    void freeze() { frozen_ = true; }

    bool canPlay() const;
    // A hole can be ended once its stock is used up, or when nothing is left to play (or it could never end).
    bool canEndHole() const;
    bool anyMoveLeft() const;
    GolfReach cellReach(int cell) const;
    GolfReach pileReach(int pile) const;
    GolfReach stockReach() const;

    GolfTable table() const;
    // Every card once across tableau, piles, stock and the kings out of play; piles that climb or fall by
    // one; the total the sum of the holes ended.
    bool isConsistent() const;

    int hole() const { return hole_; }
    int total() const { return total_; }
    bool roundOver() const { return over_; }
    int tableauCount() const;
    int stockCount() const { return stockCount_; }
    int penalties() const { return static_cast<int>(out_.size()); }
    bool isPresent(int cell) const { return !cell_[at(cell)].card.isEmpty(); }
    bool isFree(int cell) const { return isPresent(cell) && cell_[at(cell)].free; }
    const Card& card(int cell) const { return cell_[at(cell)].card; }
    // The rank on top of a pile; 0 for an empty place.
    int top(int pile) const;
    bool isSingle(int pile) const { return pile_[at(pile)].size() == 1; }
    // The face-up stock card; only while the stock count is above 0.
    const Card& stockCard() const { return stock_[at(stockCount_ - 1)]; }
    int selectedPile() const { return selectedPile_; }
    int selectedCard() const { return selectedCard_; }
    bool stockSelected() const { return stockSelected_; }
    // A card fits a pile one rank above or below its top; nothing fits an empty or a dead pile.
    bool fits(int rank, int pile) const;

    // The name a hole's score is announced by: "Birdie (-1)", "PAR (+0)", "+5".
    static std::string resultName(int score);
    // The lowest round total and its holder, kept in "rcdglf.dat" as a sign and three digits.
    static RecordRules recordRules();

private:
    struct Cell {
        Card card{}; // empty once played
        bool free = false;
    };

    static std::size_t at(int i) { return static_cast<std::size_t>(i); }
    bool playing() const { return hole_ > 0 && !over_ && !frozen_; }
    void deal(const Deck& deck);
    void penalty(int pile, std::vector<GolfStep>& steps);
    void green(std::vector<GolfStep>& steps);
    void scoreHole(std::vector<GolfStep>& steps);
    void clearSelection();
    GolfStep announce(GolfNews news, std::string words, int score = 0) const;

    Random& random_;
    std::deque<Deck> laid_;
    std::array<Cell, cells> cell_{};
    std::array<std::vector<Card>, piles> pile_{};
    std::array<Card, stockSize> stock_{};
    std::vector<Card> out_; // kings taken out of play with a penalty
    int stockCount_ = 0;
    int selectedPile_ = -1;
    int selectedCard_ = -1;
    bool stockSelected_ = false;

    int hole_ = 0;
    int holeScore_ = 0;
    bool greenCounted_ = false;
    int total_ = 0;
    std::array<std::optional<int>, holes> scores_{};
    bool over_ = false;
    bool frozen_ = false;
};
