// Bowling without its window: the ten pins, the three ball piles, knocking pins down, the five games and their scores.
#pragma once

#include "shell/record_slot.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class Random;

struct BowlingCard {
    int value = 0; // 1 (ace) to 10
    int suit = 0;  // 1 hearts, 2 spades
    bool operator==(const BowlingCard&) const = default;
};

// A ball card lies face down in its pile, face up ready to be thrown, or is gone (thrown or discarded).
enum class BallState { FaceDown, FaceUp, Gone };

// Everything the table shows at one moment, so the window can show a moment that has already passed.
struct BowlingTable {
    std::array<int, 10> pinPicture{};
    std::array<bool, 10> pinShown{};
    std::array<bool, 10> pinFramed{};
    std::array<int, 10> ballPicture{};
    std::array<bool, 10> ballShown{};
    std::array<bool, 10> ballFramed{};
    std::array<int, 10> ballValue{};   // the face value of a ball turned up; 0 while it lies face down
    std::string somma;
    std::string prese;
    std::string totale;
    std::array<std::string, 5> scores; // "--" until the game is scored
    int rowsEnabled = 1;               // the rows of the games played and in play
    bool gioca = false;
    bool scarta = true;
    bool buttonsEnabled = true;        // "Scarta" and "Termina" react
};

// The banners a game can raise.
enum class BowlingBanner { Error, Strike, Spare, Solved, GameOver };

// One thing the window shows, in order; the rules have already moved on when it is shown.
struct BowlingStep {
    enum class Kind {
        Table,   // the table as it stood at that moment
        Message, // `banner` shows `text` for `hold` seconds without input; it stays up when `keep`
        Pause,   // the window holds `hold` seconds with nothing new on show
        Record,  // the match is over: the total may be offered as a new record
    };
    Kind kind = Kind::Table;
    BowlingBanner banner = BowlingBanner::Error;
    std::string text;
    double hold = 0;
    bool keep = false;
    BowlingTable table;
};

class BowlingRules {
public:
    static constexpr int pins = 10;
    static constexpr int balls = 10;
    static constexpr int deckSize = pins + balls;
    static constexpr int shuffleSwaps = 10000;
    static constexpr int games = 5;
    static constexpr int mostPins = 3;     // pins one ball may take
    static constexpr int discardCost = 3;  // the ball counter's loss on "Scarta"
    static constexpr int strikeScore = 30;
    static constexpr int spareScore = 20;
    static constexpr int solvedTotal = 100;
    static constexpr double bannerSeconds = 3.0;
    static constexpr std::string_view wrongSelection = "Selezione Errata!";
    static constexpr std::string_view wrongTotal = "Totale Errato!";
    static constexpr std::string_view strikeText = "STRIKE";
    static constexpr std::string_view spareText = "SPARE";
    static constexpr std::string_view solvedText = "Solitario Risolto!";
    static constexpr std::string_view gameOverText = "Game Over";

    using Deck = std::array<BowlingCard, deckSize>;

    explicit BowlingRules(Random& random);

    // Ace to ten of hearts (the pins), then ace to ten of spades (the balls).
    static Deck orderedDeck();
    // The ordered deck after shuffleSwaps swaps of two positions drawn with Random::pick.
    static Deck shuffled(Random& random);
    // The pins next to pin i, which selected pins must reach to hang together.
    static const std::vector<int>& neighbours(int pin);
    // What the record file stores and how the record line shows it: three digits, higher is better.
    static RecordRules recordRules();

    // A new match: five empty score rows, a total of "000", the first game dealt.
    void nuovaPartita();

    // The click on ball k: selects a face-up ball when none is selected, deselects the selected one.
    void selectBall(int k);
    // The click on pin i: with a ball selected, adds the pin to the selection (three at most) or takes it off.
    void selectPin(int i);
    // "Gioca": the selected pins are checked against the selected ball and knocked down, or refused.
    std::vector<BowlingStep> gioca();
    // "Scarta": every face-up ball leaves the game and the one below it turns up; once a game.
    std::vector<BowlingStep> scarta();
    // "Termina" answered Yes: the game is scored as it stands.
    std::vector<BowlingStep> termina();
    // "Termina" answered No: "Gioca" goes away, the selection stays.
    void keepPlaying();

    // The selected pins hang together and the top row is reachable: "Gioca" will not answer "Selezione Errata!".
    bool selectionHangsTogether() const { return hangingTogether() == selectedCount_; }
    // What the last "Gioca" found wrong: the error text, empty when the play was right.
    std::string playError() const;

    const BowlingCard& card(int position) const { return deck_[static_cast<std::size_t>(position)]; }
    bool isStanding(int pin) const { return standing_[static_cast<std::size_t>(pin)]; }
    bool isPinSelected(int pin) const { return pinSelected_[static_cast<std::size_t>(pin)]; }
    BallState ballState(int k) const { return ballStates_[static_cast<std::size_t>(k)]; }
    int selectedBall() const { return selectedBall_; }
    int ballValue() const { return selectedBall_ < 0 ? 0 : card(pins + selectedBall_).value; }
    int selectedCount() const { return selectedCount_; }
    int somma() const { return somma_; }
    int prese() const { return prese_; }
    int ballCounter() const { return ballCounter_; }
    bool discardUsed() const { return discardUsed_; }
    bool isGiocaShown() const { return giocaShown_; }
    // 0 to 4 while the match is played, 5 once it is over.
    int gameNumber() const { return gameNumber_; }
    bool isOver() const { return gameNumber_ >= games; }
    // The score of game g, or -1 while it is not scored.
    int score(int game) const { return scores_[static_cast<std::size_t>(game)]; }
    int total() const { return total_; }
    bool isSolved() const { return isOver() && total_ >= solvedTotal; }
    // A click on pin i would be taken: a ball is selected and there is room in the selection or the pin is in it.
    bool pinAcceptsClick(int pin) const;

    BowlingTable table() const;
    static std::string totalText(int total);

    // Every card once, the counters equal to what lies on the table, the total equal to its games.
    bool isConsistent() const;

private:
    void metticarte();
    void nuovap();
    std::vector<BowlingStep> vinci();
    void clearSelection();
    bool anyBallFaceUp() const;
    bool endsByCounter() const;
    // The number of selected pins that hang together, after the top-row rules; equal to the count when right.
    int hangingTogether() const;
    bool breaksTopRow() const;
    bool totalMatches(int sum) const;
    BowlingStep tableStep() const;

    Random& random_;
    Deck deck_{};
    std::array<bool, pins> standing_{};
    std::array<bool, pins> pinSelected_{};
    std::array<BallState, balls> ballStates_{};
    int selectedBall_ = -1;
    int selectedCount_ = 0;
    int somma_ = 0;
    int prese_ = 0;
    int ballCounter_ = balls;
    bool discardUsed_ = false;
    bool giocaShown_ = false;
    std::string playError_;
    int gameNumber_ = 0;
    std::array<int, games> scores_{};
    int total_ = 0;
};
