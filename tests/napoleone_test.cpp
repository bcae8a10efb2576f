// Napoleone: its rules as tables of clicks on laid-out tables, and two whole games in one window.
#include "games/napoleone/napoleone_window.h"
#include "tests/support/window_driver.h"

#include <QAction>
#include <algorithm>
#include <map>

namespace {

using Move = NapoleoneMove;
using Deck = NapoleoneRules::Deck;
constexpr Card coppe(int rank) { return {rank, 1}; }
constexpr Card denari(int rank) { return {rank, 2}; }
constexpr Card spade(int rank) { return {rank, 3}; }
constexpr Card bastoni(int rank) { return {rank, 4}; }

// The aces first (foundation j holds suit j + 1), then cells 0..35: the cards given for their cells,
// the others from the lowest up, so that nothing reaches a foundation by chance.
Deck deckWith(const std::map<int, Card>& laid)
{
    std::vector<Card> rest;
    for (const Card& c : cards::orderedDeck<NapoleoneRules::deckSize>(NapoleoneRules::ranks))
        if (c.rank > 1 && std::none_of(laid.begin(), laid.end(), [&](const auto& at) { return at.second == c; }))
            rest.push_back(c);
    Deck deck{coppe(1), denari(1), spade(1), bastoni(1)};
    for (int cell = 0, next = 0; cell < NapoleoneRules::cellCount; ++cell)
        deck[static_cast<std::size_t>(4 + cell)] = laid.contains(cell) ? laid.at(cell) : rest[static_cast<std::size_t>(next++)];
    return deck;
}

// Each row from its outermost cell in to the centre, row after row; the table won by clicking them
// in this order holds each suit's next card there.
std::vector<int> clearingOrder()
{
    std::vector<int> order;
    for (int r = 0; r < 4; ++r)
        for (int s = 0; s < 2; ++s)
            for (int k = r < 2 ? 4 : 3; k >= 0; --k)
                order.push_back(8 * k + 2 * r + s);
    return order;
}
Deck wonByClicking()
{
    std::map<int, Card> laid;
    int n = 0;
    for (int cell : clearingOrder())
        laid[cell] = Card{n % 9 + 2, n++ / 9 + 1};
    return deckWith(laid);
}

struct Row {
    const char* what;
    std::map<int, Card> laid;
    std::vector<int> clicks;
    Move last; // what the last click did
    int selected;
    int cell;
    NapoleoneCell holds;
    Card foundationTop = {}; // when given, the top of its suit's foundation
};

TEST(NapoleoneRulesTest, OnlyOutermostCardsMovePilesTurnOverAndClimbTheFoundations)
{
    for (const Row& row : std::initializer_list<Row>{
             {"not outermost: refused, the choice stays", {{35, coppe(6)}, {27, coppe(5)}}, {35, 27}, Move::Nothing, 35, 27, {coppe(5)}},
             {"further in is outermost once the row shortens", {{32, coppe(2)}, {24, coppe(9)}, {33, coppe(8)}},
              {32, 24, 33}, Move::OntoCard, -1, 33, {coppe(9), coppe(8)}},
             {"onto the card above", {{32, coppe(5)}, {33, coppe(6)}}, {32, 33}, Move::OntoCard, -1, 33, {coppe(5), coppe(6)}},
             {"a pile keeps its bottom", {{32, denari(7)}, {33, denari(6)}, {34, denari(8)}}, {32, 33, 34, 33},
              Move::OntoCard, -1, 33, {denari(8), denari(6)}},
             {"a pile turns over onto a card", {{32, coppe(7)}, {33, coppe(6)}, {34, coppe(5)}, {35, coppe(4)}},
              {33, 32, 34, 32, 32, 35}, Move::OntoCard, -1, 35, {coppe(7), coppe(4)}},
             {"a pile onto a pile", {{32, spade(3)}, {33, spade(4)}, {34, spade(6)}, {35, spade(5)}},
              {33, 32, 35, 34, 34, 32}, Move::OntoCard, -1, 32, {spade(6), spade(3)}},
             {"an empty row takes a pile turned over",
              {{28, coppe(2)}, {20, coppe(3)}, {12, coppe(4)}, {4, coppe(5)}, {32, denari(7)}, {33, denari(6)}},
              {28, 20, 12, 4, 33, 32, 32, 4}, Move::ToEmptyRow, -1, 4, {denari(7), denari(6)}, coppe(5)},
             {"an empty row takes a card as it is", {{28, coppe(2)}, {20, coppe(3)}, {12, coppe(4)}, {4, coppe(5)}, {34, spade(9)}},
              {28, 20, 12, 4, 34, 4}, Move::ToEmptyRow, -1, 4, {spade(9)}},
             {"an empty row, nothing chosen", {{28, coppe(2)}, {20, coppe(3)}, {12, coppe(4)}, {4, coppe(5)}},
              {28, 20, 12, 4, 4}, Move::Nothing, -1, 4, {}},
             {"an empty cell further out", {{32, coppe(2)}, {33, denari(9)}}, {32, 33, 32}, Move::Nothing, 33, 32, {}},
             {"chosen again: let go", {{32, coppe(6)}}, {32, 32}, Move::Deselected, -1, 32, {coppe(6)}},
             {"one apart in another suit", {{32, coppe(4)}, {33, denari(5)}}, {32, 33}, Move::Selected, 33, 33, {denari(5)}},
             {"two apart", {{32, bastoni(3)}, {33, bastoni(5)}}, {32, 33}, Move::Selected, 33, 33, {bastoni(5)}},
             {"up in one click, another card chosen", {{32, spade(2)}, {33, coppe(7)}}, {33, 32}, Move::ToFoundation, -1,
              32, {}, spade(2)},
             {"a pile goes up whole", {{32, denari(4)}, {33, denari(3)}, {34, denari(2)}}, {33, 32, 34, 32},
              Move::ToFoundation, -1, 32, {}, denari(4)},
         }) {
        SeededRandom random(1);
        NapoleoneRules rules(random);
        rules.deal(deckWith(row.laid));
        rules.dealt();
        Move last = Move::Nothing;
        for (int cell : row.clicks) {
            last = rules.playCell(cell);
            ASSERT_TRUE(rules.isConsistent()) << row.what;
        }
        EXPECT_EQ(last, row.last) << row.what;
        EXPECT_EQ(rules.selected(), row.selected) << row.what;
        EXPECT_EQ(rules.cell(row.cell), row.holds) << row.what;
        if (!row.foundationTop.isEmpty()) {
            EXPECT_EQ(rules.foundation(row.foundationTop.suit - 1), row.foundationTop) << row.what;
        }
    }
}

TEST(NapoleoneRulesTest, ANewDealStartsFromNothingAndTheClockStandsAt5959)
{
    SeededRandom random(1);
    NapoleoneRules rules(random);
    EXPECT_FALSE(rules.isWon()) << "no deal yet";
    rules.deal(wonByClicking());
    EXPECT_EQ(rules.playCell(32), Move::Nothing) << "no move while the cards go out";
    rules.dealt();
    for (int cell : clearingOrder())
        rules.playCell(cell);
    ASSERT_TRUE(rules.isWon());
    EXPECT_FALSE(rules.clockRunning());

    Deck deck = wonByClicking();
    std::swap(deck[0], deck[39]); // the coppe ace dealt last: until then its foundation holds nothing
    const std::vector<NapoleoneDealt> steps = rules.deal(deck);
    EXPECT_EQ(steps[0].cell, 0);
    EXPECT_EQ(steps[1].foundation, 0);
    EXPECT_EQ(steps.back().foundation, 3);
    EXPECT_EQ(rules.cell(35).top, deck[38]);
    EXPECT_EQ(rules.foundation(3), coppe(1));
    EXPECT_FALSE(rules.secondPassed()) << "the clock stands while the cards go out";
    rules.dealt();
    for (int s = 1; s <= 59 * 60 + 57; ++s)
        ASSERT_TRUE(rules.secondPassed() && rules.seconds() == s) << s;
    EXPECT_FALSE(rules.secondPassed()) << "from 59:57 straight to 59:59, and there it stands";
    EXPECT_EQ(rules.seconds(), 59 * 60 + 59);
    EXPECT_EQ(rules.playCell(35), Move::Selected) << "the game goes on";
}

TEST(NapoleoneRulesTest, TheRecordIsATimeOfFiveCharacters)
{
    TempWorkingDir dir;
    for (const auto& [plain, caption] : std::initializer_list<std::pair<std::string, std::string>>{
             {"ANNA    12:34xyz", "12:34 ANNA    "}, {"ANNA    00:00", "00:00 ANNA    "}, {"ANNA    12:60", "59:58 CPU"},
             {"ANNA    12-34", "59:58 CPU"}, {"ANNA    1:34", "59:58 CPU"}, {"ANN", "59:58 CPU"}}) {
        dir.put("rclnp.dat", TempWorkingDir::scrambled(plain, 0xB7));
        RecordSlot slot(NapoleoneRules::recordRules());
        slot.read(dir.path().toStdString());
        EXPECT_EQ(slot.valueCaption() + " " + slot.holder(), caption) << plain;
    }
}

class NapoleoneWindowTest : public WindowTable<NapoleoneWindow> {
protected:
    void script(ScriptedRandom& r) override
    {
        r.deal(cards::orderedDeck<40>(10), wonByClicking(), NapoleoneRules::shuffleSwaps);
        // Every wait is ended by hand, so the game clock moves only as the test says. At each pause
        // of the deal: the cards out so far, the menus that must stay shut, the clock.
        clock.setAutoAdvance(false);
        clock.duringWaits([this](double seconds) {
            int out = 0;
            for (int i = 0; i < 36; ++i)
                out += picture(QStringLiteral("sopra(%1)").arg(i)) != 168;
            for (int j = 0; j < 4; ++j)
                out += shown(QStringLiteral("Mazzo(%1)").arg(j));
            const bool shut = !action("np")->isEnabled() && !action("Napo")->isEnabled();
            dealing << QStringLiteral("%1%2 %3:%4").arg(out).arg(shut ? QString() : QStringLiteral(" open"))
                           .arg(caption("Minuti"), caption("secondi"));
            clock.advance(seconds);
        });
    }
    QAction* action(const char* name) { return window->findChild<QAction*>(QLatin1String(name)); }
    QString cell(int i) { return QStringLiteral("sopra(%1)").arg(i); }
    // Deals the won-by-clicking table and clears it in 1:15.
    void playTheWholeGame(bool record, bool napoletane)
    {
        dealing.clear();
        action("np")->trigger();
        const std::vector<double> pauses = clock.takeWaits();
        EXPECT_EQ(pauses.size(), 40u);
        for (double pause : pauses)
            EXPECT_NEAR(pause, 0.1, 1e-9);
        QStringList expected;
        for (int n = 1; n <= 40; ++n)
            expected << QStringLiteral("%1 00:00").arg(n);
        EXPECT_EQ(dealing, expected) << "one card a pause, nothing else on the table or touching it";
        EXPECT_EQ(picture(cell(28)), napoletane ? cards::neapolitanPicture(spade(4)) : cards::piacentinePicture(spade(4)));
        press(cell(33));
        EXPECT_TRUE(shown("Traspa1") && heard(cell(33)).endsWith(", selezionata"));
        press(cell(33));
        EXPECT_FALSE(shown("Traspa1"));
        clock.advance(75);
        EXPECT_EQ(caption("Minuti") + ":" + caption("secondi"), "01:15");
        for (int c : clearingOrder()) {
            EXPECT_FALSE(shown("Fine2"));
            press(cell(c));
        }
        EXPECT_EQ(caption("Fine2"), "GIOCO RIUSCITO");
        EXPECT_TRUE(shown("Fine2") && shown("Mazzo(3)"));
        clock.advance(30);
        EXPECT_EQ(caption("Minuti") + ":" + caption("secondi"), "01:15") << "the clock stops at the win";
        EXPECT_EQ(nameBox(window) != nullptr, record);
    }
    QStringList dealing;
};

TEST_F(NapoleoneWindowTest, TwoWholeGamesTheFirstARecordTheSecondEqualToIt)
{
    press(cell(32));
    clock.advance(5);
    EXPECT_EQ(caption("Minuti") + ":" + caption("secondi") + " " + caption("record"), "00:00 59:58") << "no game yet";
    playTheWholeGame(true, false);
    typeRecordName(window, "anna");
    EXPECT_EQ(dir.bytes("rclnp.dat"), TempWorkingDir::scrambled("ANNA    01:15", 0xB7));
    EXPECT_FALSE(shown("Fine2") || shown("rct"));

    action("Napo")->trigger(); // the next deal comes in the Neapolitan pictures
    random->deal(cards::orderedDeck<40>(10), wonByClicking(), NapoleoneRules::shuffleSwaps);
    playTheWholeGame(false, true);
    EXPECT_EQ(caption("record") + "|" + caption("nome"), "01:15|ANNA    ");
    EXPECT_EQ(dir.bytes("rclnp.dat"), TempWorkingDir::scrambled("ANNA    01:15", 0xB7));
}

} // namespace
