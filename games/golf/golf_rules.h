// One round of Zidu Dori: nine holes of golf patience, the tableau, the piles, the stock, penalties and the score card.
#pragma once

#include "games/golf/golf_view.h"

#include <array>
#include <deque>
#include <string>
#include <vector>

class Random;

struct GolfCard {
    int rank = 0; // 1 ace to 13 king
    int suit = 0; // 1 hearts, 2 spades, 3 diamonds, 4 clubs
    bool operator==(const GolfCard&) const = default;
};

enum class GolfPointer { Arrow, Hand, NoEntry };

// The text and fill of the banner that announces a hole's score.
struct GolfResult {
    std::string text;
    Rgb face;
};
GolfResult holeResult(int score);
// A score as the score card writes it at the end of a hole or for the total: "0", "+3", "-2".
std::string golfScoreText(int score);

class GolfRules {
public:
    static constexpr int deckSize = 52;
    static constexpr int cells = GolfView::cells;
    static constexpr int piles = GolfView::piles;
    static constexpr int stockSize = 17;
    static constexpr int holes = GolfView::holes;
    static constexpr int shuffleSwaps = 10000;
    static constexpr int king = 13;

    using Deck = std::array<GolfCard, deckSize>;

    explicit GolfRules(Random& random);

    // The ordered deck shuffled by 10000 swaps of two positions drawn uniformly.
    static Deck daicarte(Random& random);
    // The next holes are dealt from these decks, in order, before shuffled ones again.
    void layNextDeck(const Deck& deck) { laid_.push_back(deck); }

    // A new round: no hole played, the total blank; the first hole is dealt.
    std::vector<GolfStep> Nuova();
    // The next hole, or the end of the round after the ninth.
    std::vector<GolfStep> Xnuova();

    // The clicks that select and deselect; false when the click is refused and nothing changed.
    bool CarteG_Click(int cell);
    bool Mazzo_Click();
    bool tallone_Click(int pile);
    // "Gioca": the prepared move and all that follows it (a penalty, the green, the end of the hole).
    // Nothing happens, and no step comes back, while "Gioca" is not shown.
    std::vector<GolfStep> gioca();
    // "Temina": ends the hole when it is enabled; the window has asked first when `endNeedsQuestion()`.
    std::vector<GolfStep> terminat();

    bool giocaShown() const;
    bool teminaEnabled() const;
    bool endNeedsQuestion() const { return tableauCount() > 0; }
    // Is there anything the player can still play in this hole?
    bool anyMoveLeft() const;

    GolfPointer pointerOverCard(int cell) const;
    GolfPointer pointerOverStock() const;
    GolfPointer pointerOverPile(int pile) const;

    // The name of the record was taken: the table takes no more moves and the total keeps its stored form.
    void freeze() { frozen_ = true; }

    GolfView view() const;
    bool isConsistent() const;

    int hole() const { return hole_; }
    int holeScore() const { return holeScore_; }
    int total() const { return total_; }
    bool roundOver() const { return over_; }
    int tableauCount() const;
    int stockCount() const { return stockCount_; }
    int penalties() const { return static_cast<int>(out_.size()); }
    bool isPresent(int cell) const { return cell_[at(cell)].present; }
    bool isFree(int cell) const { return cell_[at(cell)].present && cell_[at(cell)].free; }
    const GolfCard& card(int cell) const { return cell_[at(cell)].card; }
    int top(int pile) const;
    bool isSingle(int pile) const { return pile_[at(pile)].size() == 1; }
    // The face-up stock card; only while the stock count is above 0.
    const GolfCard& stockCard() const { return stock_[at(stockCount_ - 1)]; }
    int selectedPile() const { return selectedPile_; }
    int selectedCard() const { return selectedCard_; }
    bool stockSelected() const { return stockSelected_; }
    // A card fits a pile one rank above or below its top; nothing fits an empty or a dead pile.
    bool fits(int rank, int pile) const;

private:
    struct Cell {
        GolfCard card;
        bool present = false;
        bool free = false;
    };

    static std::size_t at(int i) { return static_cast<std::size_t>(i); }
    bool playing() const { return hole_ > 0 && !over_ && !frozen_; }
    void deal(const Deck& deck);
    void startPile(int pile, const GolfCard& card);
    void penality(int pile, std::vector<GolfStep>& steps);
    void caricatesto(std::vector<GolfStep>& steps);
    void endHole(std::vector<GolfStep>& steps);
    void finegara(std::vector<GolfStep>& steps);
    void clearSelection();
    GolfStep announce(const std::string& text, Rgb face, Rgb ink) const;

    Random& random_;
    std::deque<Deck> laid_;
    std::array<Cell, cells> cell_{};
    std::array<std::vector<GolfCard>, piles> pile_{};
    std::array<GolfCard, stockSize> stock_{};
    std::vector<GolfCard> out_; // kings taken out of play with a penalty
    int stockCount_ = 0;
    int selectedPile_ = -1;
    int selectedCard_ = -1;
    bool stockSelected_ = false;

    int hole_ = 0;
    int holeScore_ = 0;
    int total_ = 0;
    bool totalShown_ = false;
    std::array<std::string, holes> scores_{};
    std::array<int, holes> results_{}; // the scores of the holes ended
    bool over_ = false;
    bool frozen_ = false;
};
