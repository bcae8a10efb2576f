// Bowling without its window: the ten pins, the three ball piles, knocking pins down, the five games and their scores.
#pragma once

#include "shell/cards.h"
#include "shell/record_slot.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class Random;

// A ball card lies face down in its pile, face up ready to be thrown, or is gone (thrown or discarded).
enum class BallState { FaceDown, FaceUp, Gone };

// The lane and the score board at one moment: what the window draws, now or as it stood when a game ended.
struct BowlingTable {
    static constexpr int pins = 10;
    static constexpr int balls = 10;
    static constexpr int games = 5;

    std::array<Card, pins + balls> deck{}; // 0 to 9 the pins, 10 + k ball k
    std::array<bool, pins> standing{};
    std::array<bool, pins> pinSelected{};
    std::array<BallState, balls> ballStates{};
    int selectedBall = -1;
    int selectedCount = 0;
    int somma = 0;             // the values of the selected pins
    int prese = 0;             // the pins knocked down in this game
    int ballCounter = balls;
    bool discardUsed = false;
    bool giocaShown = false;   // pins are selected and "Gioca" is offered
    int gameNumber = 0;        // 0 to 4 while the match is played, 5 once it is over
    std::array<int, games> scores{}; // -1 while the game is not scored
    int total = 0;

    bool isOver() const { return gameNumber >= games; }
};

// One thing that happened in a move, in the order the player sees it; the rules have already moved on.
struct BowlingStep {
    enum class Kind {
        Refused,   // "Gioca" found the play wrong and changed nothing; `text` says why
        Scored,    // the game ended and was scored: `table` is the lane as it stood then
        Strike,    // all ten pins fell without the discard
        Spare,     // all ten pins fell after the discard
        MatchOver, // the fifth game was scored; `solved` when the total reached a hundred
        GameOver,
    };
    Kind kind = Kind::Refused;
    std::string text; // the words of a refusal, a strike or a spare
    double hold = 0;
    bool solved = false;
    BowlingTable table;
};

class BowlingRules {
public:
    static constexpr int pins = BowlingTable::pins;
    static constexpr int balls = BowlingTable::balls;
    static constexpr int deckSize = pins + balls;
    static constexpr int shuffleSwaps = 10000;
    static constexpr int games = BowlingTable::games;
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

    using Deck = std::array<Card, deckSize>;

    explicit BowlingRules(Random& random);

    // Ace to ten of hearts (the pins), then ace to ten of spades (the balls).
    static Deck orderedDeck();
    // The ordered deck after shuffleSwaps swaps of two positions drawn with Random::pick.
    static Deck shuffled(Random& random);
    // The pins next to pin i, which selected pins must reach to hang together.
    static const std::vector<int>& neighbours(int pin);
    // What the record file stores and how the record line shows it: three digits, higher is better.
    static RecordRules recordRules();

    // A new match: five empty score rows, a total of 0, the first game dealt.
    void nuovaPartita();

    // Ball k is taken in hand (a face-up ball while none is in hand) or put back (the one in hand).
    bool canTakeBall(int k) const;
    void selectBall(int k);
    // With a ball in hand, pin i may join the selection (three at most) or leave it.
    bool canChoosePin(int pin) const;
    void selectPin(int i);
    // "Gioca": the selected pins are checked against the ball in hand and knocked down, or refused.
    std::vector<BowlingStep> gioca();
    // "Scarta": every face-up ball leaves the game and the one below it turns up; once a game.
    bool canDiscard() const { return !isOver() && !table_.discardUsed; }
    std::vector<BowlingStep> scarta();
    // "Termina" answered Yes: the game is scored as it stands.
    std::vector<BowlingStep> termina();
    // "Termina" answered No: "Gioca" goes away, the selection stays.
    void keepPlaying();

    // The selected pins hang together and the top row is reachable: "Gioca" will not answer "Selezione Errata!".
    bool selectionHangsTogether() const { return hangingTogether() == table_.selectedCount; }
    // What the last "Gioca" found wrong: the error text, empty when the play was right.
    const std::string& playError() const { return playError_; }

    const BowlingTable& table() const { return table_; }
    const Card& card(int position) const { return table_.deck[static_cast<std::size_t>(position)]; }
    bool isStanding(int pin) const { return table_.standing[static_cast<std::size_t>(pin)]; }
    bool isPinSelected(int pin) const { return table_.pinSelected[static_cast<std::size_t>(pin)]; }
    BallState ballState(int k) const { return table_.ballStates[static_cast<std::size_t>(k)]; }
    int selectedBall() const { return table_.selectedBall; }
    int ballValue() const { return selectedBall() < 0 ? 0 : card(pins + selectedBall()).rank; }
    int selectedCount() const { return table_.selectedCount; }
    int somma() const { return table_.somma; }
    int prese() const { return table_.prese; }
    int ballCounter() const { return table_.ballCounter; }
    bool discardUsed() const { return table_.discardUsed; }
    bool isGiocaShown() const { return table_.giocaShown; }
    int gameNumber() const { return table_.gameNumber; }
    bool isOver() const { return table_.isOver(); }
    // The score of game g, or -1 while it is not scored.
    int score(int game) const { return table_.scores[static_cast<std::size_t>(game)]; }
    int total() const { return table_.total; }
    bool isSolved() const { return isOver() && total() >= solvedTotal; }

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
    void setBall(int k, BallState state) { table_.ballStates[static_cast<std::size_t>(k)] = state; }

    Random& random_;
    BowlingTable table_;
    std::string playError_;
};
