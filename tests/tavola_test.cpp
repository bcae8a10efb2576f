// La Tavola Rotonda: its rules as tables of moves on laid-out decks, and two whole games in one window.
#include "games/tavola/tavola_window.h"
#include "tests/support/window_driver.h"

#include <algorithm>
#include <utility>

namespace {

using Outcome = TavolaOutcome;
using State = TavolaRules::State;

// The given cards first, then the rest of the deck in its order.
TavolaRules::Deck deckOf(std::vector<Card> first)
{
    for (const Card& c : cards::orderedDeck<TavolaRules::deckSize>(13))
        if (std::find(first.begin(), first.end(), c) == first.end())
            first.push_back(c);
    TavolaRules::Deck deck{};
    std::copy_n(first.begin(), deck.size(), deck.begin());
    return deck;
}

// Cards by rank, cell 0 first, each rank's n-th card of suit n; then `next`.
std::vector<Card> board(const std::vector<int>& ranks, std::vector<Card> next = {})
{
    std::vector<Card> cards;
    for (int rank : ranks)
        cards.push_back(Card{rank, static_cast<int>(std::count(ranks.begin(), ranks.begin() + cards.size() + 1, rank))});
    cards.insert(cards.end(), next.begin(), next.end());
    return cards;
}

// The moves of a row: -1 picks the hand card up (or puts it back), else a board cell.
std::vector<int> placeOn(std::vector<int> cells, const std::vector<int>& then = {})
{
    std::vector<int> moves;
    for (int c : cells)
        moves.insert(moves.end(), {-1, c});
    moves.insert(moves.end(), then.begin(), then.end());
    return moves;
}
std::vector<int> fill(const std::vector<int>& then = {})
{
    return placeOn({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, then);
}

struct Row {
    const char* what;
    std::vector<Card> deck;
    std::vector<int> moves;
    Outcome last; // what the last move came to
    State state;
    int onBoard;
    std::vector<int> selection = {};
};

void play(const Row& row)
{
    SeededRandom random(1);
    TavolaRules rules(random);
    rules.newGame(deckOf(row.deck));
    Outcome last = Outcome::Nothing;
    for (int move : row.moves) {
        if (move == -1)
            last = rules.pickUp() ? Outcome::Placed : Outcome::Nothing; // refused while the hand is crossed out
        else
            last = rules.playCell(move);
        ASSERT_TRUE(rules.isConsistent()) << row.what;
    }
    int onBoard = 0;
    for (int i = 0; i < TavolaRules::cells; ++i)
        onBoard += rules.cell(i).isEmpty() ? 0 : 1;
    EXPECT_EQ(last, row.last) << row.what;
    EXPECT_EQ(rules.state(), row.state) << row.what;
    EXPECT_EQ(onBoard, row.onBoard) << row.what;
    EXPECT_EQ(rules.selection(), row.selection) << row.what;
}

const Card king{13, 1}, jack{11, 1}, queen{12, 1}, seven{7, 1};
// Jacks and queens on their edges around low cards, then a king that waits crossed out.
const std::vector<int> crowned{1, 11, 11, 1, 12, 3, 7, 12, 12, 3, 3, 12, 2, 11, 11, 2};
const std::vector<int> lowPair{1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 5, 5};
const std::vector<int> withTen{1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 4, 4, 4, 7, 10};

// Court cards go only on their own places and a wrong move holds the board (the window's game places
// each court card and every plain card, and a king first on a wrong cell); a full board loses tens and
// pairs adding up to ten.
TEST(TavolaRulesTest, CardsArePlacedThenClearedInTensAndPairs)
{
    for (const Row& row : std::initializer_list<Row>{
             {"nothing during a wrong move", {king}, placeOn({5}, {0}), Outcome::Nothing, State::Placing, 0},
             {"a jack on a queen's side", {jack}, placeOn({4}), Outcome::WrongMove, State::Placing, 0},
             {"a queen on a corner", {queen}, placeOn({15}), Outcome::WrongMove, State::Placing, 0},
             {"not picked up", {seven}, {6}, Outcome::Nothing, State::Placing, 0},
             {"put back", {seven}, {-1, -1, 6}, Outcome::Nothing, State::Placing, 0},
             {"onto a card", {seven, Card{8, 1}}, placeOn({6, 6}), Outcome::Nothing, State::Placing, 1},
             {"no ten and no pair", board({1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4}, {seven}), fill(),
              Outcome::Lost, State::Lost, 16},
             {"the pair in the last two cells", board(lowPair, {seven}), fill({14, 15}), Outcome::Cleared,
              State::Placing, 14},
             {"the hand waits crossed out", board(lowPair, {seven}), fill({-1}), Outcome::Nothing, State::Clearing, 16},
             {"no ten, only the frames go", board(lowPair, {seven}), fill({13, 15}), Outcome::Cleared,
              State::Clearing, 16},
             {"a ten with one click drops the choice", board(withTen, {Card{6, 1}}), fill({8, 15, 14}), Outcome::Cleared,
              State::Clearing, 15, {14}},
             {"a second click lets a card go", board(withTen, {Card{6, 1}}), fill({14, 14, 8}), Outcome::Cleared,
              State::Clearing, 16, {8}},
             {"tens on the corners, then a king", board({10, 10, 10, 10}, {king}), placeOn({0, 3, 12, 15}),
              Outcome::Lost, State::Lost, 4},
             {"the king's corners still taken", board(crowned, {king}), fill({5, 6}), Outcome::Lost, State::Lost, 14},
             {"the king to a freed corner", board({1, 11, 11, 9, 12, 3, 3, 12, 12, 3, 1, 12, 2, 11, 11, 2}, {king}),
              fill({1, 3, 0, -1, 3}), Outcome::Placed, State::Placing, 15},
         })
        play(row);
}

TEST(TavolaRulesTest, TheBonusTakesFiveSecondsACardNeverBelowZero)
{
    EXPECT_EQ(TavolaRules::cardBonus(30, 10)->total, 0);
    EXPECT_FALSE(TavolaRules::cardBonus(200, 0)) << "no card left, no bonus";
}

TEST(TavolaRulesTest, TheRecordIsTheFiveCharactersOfATime)
{
    TempWorkingDir dir;
    for (const auto& [plain, caption] : std::initializer_list<std::pair<std::string, std::string>>{
             {"ANNA    03:1099junk", "03:10 ANNA    "}, {"ZENO    00:00", "00:00 ZENO    "},
             {"ANNA    05:60", "05:00 CPU"}, {"ANNA    5:00", "05:00 CPU"}, {"ANNA", "05:00 CPU"}}) {
        dir.put("rcltv.dat", TempWorkingDir::scrambled(plain, 0xB7));
        RecordSlot slot(TavolaRules::recordRules());
        slot.read(dir.path().toStdString());
        EXPECT_EQ(slot.valueCaption() + " " + slot.holder(), caption) << plain;
    }
}

// The whole game: sixteen plain cards fill the board and clear off it in tens and pairs, then the
// twelve court cards go to their places, the first of them once to a wrong cell.
const std::vector<int> clearing{5, 10, 0, 15, 1, 14, 2, 13, 3, 12, 4, 11, 6, 9, 7, 8};
const std::vector<int> courtPlaces{0, 3, 12, 15, 1, 2, 13, 14, 4, 7, 8, 11};

TavolaRules::Deck wholeGame()
{
    return deckOf(board({1, 2, 3, 4, 5, 10, 1, 2, 8, 9, 10, 5, 6, 7, 8, 9, // the board, cell 0 first
                         13, 13, 13, 13, 11, 11, 11, 11, 12, 12, 12, 12}));
}

class TavolaWindowTest : public WindowTable<TavolaWindow> {
protected:
    void script(ScriptedRandom& r) override
    {
        r.pick(3, 4, 1); // the photograph: 213
        r.deal(cards::orderedDeck<52>(13), wholeGame(), 10000);
        // Every wait is ended by hand, so the game clock moves only as the test says.
        clock.setAutoAdvance(false);
        clock.duringWaits([this](double seconds) {
            seen.push_back(shown("gover3") ? caption("gover3") : shown("carte(5)") ? "board" : "photograph");
            seen.back() += shown("bonus1") ? " " + heard("bonus3") : "";
            seen.back() += QStringLiteral(" %1:%2 for %3").arg(caption("Minuti"), caption("secondi")).arg(seconds);
            clock.advance(seconds);
        });
    }
    QString card(int i) { return QStringLiteral("carte(%1)").arg(i); }
    void place(int cell)
    {
        press("Vedi");
        press(card(cell));
    }
    // Plays the whole game in 3:05, the bonus of 24 cards bringing it to 1:05.
    void playTheWholeGame(bool record)
    {
        seen.clear();
        EXPECT_EQ(picture("Vedi"), cards::frenchPicture(wholeGame()[0]));
        for (int cell = 0; cell < 16; ++cell)
            place(cell);
        EXPECT_EQ(picture(card(15)), cards::frenchPicture(wholeGame()[15]));
        EXPECT_TRUE(shown("Line1") && heard("Vedi").endsWith("in mano, bloccata")) << "the hand is crossed out";
        EXPECT_EQ(caption("rimane"), "35");
        clock.advance(184);
        // Two tens, then seven pairs: the first card of a pair stays framed until its partner comes.
        for (std::size_t i = 0; i < clearing.size(); ++i) {
            press(card(clearing[i]));
            EXPECT_EQ(shown(QStringLiteral("cartaM(%1)").arg(clearing[i])), i >= 2 && i % 2 == 0) << i;
        }
        EXPECT_TRUE(!shown("Line1") && picture(card(15)) == pictures::emptyPlace);
        place(5); // the king goes to a wrong cell first: the board waits a second, the clock runs on
        EXPECT_TRUE(pointer(card(5)) == Pointer::Arrow && pointer(card(0)) == Pointer::Hand);
        press(card(0)); // still picked up after the wrong cell
        EXPECT_FALSE(shown(card(0))) << "the photograph shows through a court card";
        for (std::size_t i = 1; i < courtPlaces.size(); ++i)
            place(courtPlaces[i]);
        // Every wait of the game: the wrong cell with the clock running on, then the win and its bonus.
        EXPECT_EQ(seen, (QStringList{"Mossa Errata 03:04 for 1", "photograph 03:05 for 5",
                                     "Hai Vinto BONUS CARTE: Tempo 03:05, meno Carte 24 X 05 = 02:00, Totale 01:05"
                                     " 01:05 for 5"}));
        EXPECT_FALSE(shown("bonus1"));
        clock.advance(30);
        EXPECT_EQ(caption("Minuti") + ":" + caption("secondi"), "01:05") << "the clock stops at the win";
        EXPECT_EQ(nameBox(window) != nullptr, record);
    }
    QStringList seen; // what each wait showed
};

TEST_F(TavolaWindowTest, TwoWholeGamesTheFirstARecordTheSecondEqualToIt)
{
    EXPECT_EQ(picture("Image1"), 213);
    press("Vedi");
    EXPECT_FALSE(shown("vediM")) << "no game before Nuova";
    window->newGameAction()->trigger();
    playTheWholeGame(true);
    typeRecordName(window, "anna");
    EXPECT_EQ(dir.bytes("rcltv.dat"), TempWorkingDir::scrambled("ANNA    01:05", 0xB7));

    random->deal(cards::orderedDeck<52>(13), wholeGame(), 10000);
    window->newGameAction()->trigger();
    EXPECT_FALSE(shown("gover3") || shown("rct"));
    EXPECT_EQ(caption("record") + "|" + caption("nome"), "01:05|ANNA    ");
    EXPECT_EQ(picture("Image1"), 213);
    playTheWholeGame(false);
    EXPECT_EQ(dir.bytes("rcltv.dat"), TempWorkingDir::scrambled("ANNA    01:05", 0xB7));
}

} // namespace
