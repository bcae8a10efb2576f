// Margherita: the rules on laid-out tables, then two whole games played in one window.
#include "games/margherita/margherita_window.h"
#include "shell/picture_names.h"
#include "tests/support/window_driver.h"

namespace {

using Rules = MargheritaRules;

// The unshuffled table: hearts in row 0, spades, diamonds, and clubs in row 3, ace to ten left to right.
// Right along the clubs, back left along the diamonds, then up a spade to its heart, which ends it.
std::vector<int> path(std::size_t length)
{
    std::vector<int> cells = {30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 29, 28, 27, 26, 25, 24, 23, 22};
    cells.resize(length - 2);
    cells.insert(cells.end(), {10 + cells.back() % 10, cells.back() % 10});
    return cells;
}

std::vector<int> reachable(const Rules& rules)
{
    std::vector<int> out;
    for (int i = 0; i < Rules::cellCount; ++i)
        if (rules.isReachable(i))
            out.push_back(i);
    return out;
}

TEST(MargheritaRules, EachSuitLeadsItsOwnWaysToTheFaceDownNeighboursOfTheLastCard)
{
    ScriptedRandom random;
    Rules rules(random);
    const struct {
        std::vector<int> turned; // on the unshuffled table with the ace of hearts and the six of clubs swapped
        std::vector<int> open;
    } rows[] = {
        {{24}, {14, 23, 25, 34}},  // a diamond: every way
        {{20}, {10, 21, 30}},      // ...but not off the left edge
        {{29}, {19, 28, 39}},      // ...nor round into the next row
        {{31}, {21, 30, 32}},      // a club: up, right and left
        {{0}, {1}},                // ...nor off the top
        {{35}, {}},                // a heart leads down, none off the bottom
        {{5}, {15}},
        {{15}, {5}},               // a spade leads up
        {{24, 34}, {33, 35}},      // the club's way up is turned; the diamond's other offers close again
        {{24, 14}, {4}},
    };
    for (const auto& row : rows) {
        Rules::Deck deck = Rules::orderedDeck();
        std::swap(deck[0], deck[35]);
        rules.newGame(deck);
        EXPECT_EQ(reachable(rules).size(), 40u);
        for (int i : row.turned)
            ASSERT_TRUE(rules.turn(i)) << i;
        EXPECT_EQ(reachable(rules), row.open) << row.turned.back();
        for (int refused : {row.turned.back(), 9, -1, 40}) // turned, blocked, off the table
            EXPECT_FALSE(rules.turn(refused)) << refused;
        EXPECT_EQ(rules.turnedCount(), int(row.turned.size()));
        EXPECT_EQ(rules.isOver(), row.open.empty());
    }
}

TEST(MargheritaRules, TheGameEndsWhenNothingIsReachableAndSucceedsFromTwenty)
{
    ScriptedRandom random;
    Rules rules(random);
    for (std::size_t length : {19u, 20u}) {
        rules.newGame(Rules::orderedDeck());
        for (int i : path(length)) {
            EXPECT_FALSE(rules.isOver());
            ASSERT_TRUE(rules.turn(i)) << i;
        }
        EXPECT_TRUE(rules.isOver());
        EXPECT_EQ(rules.isSuccess(), length == 20);
    }
}

TEST(MargheritaRecord, TheMostCardsAreKeptRightAlignedInTwoCharacters)
{
    const RecordRules rules = Rules::recordRules();
    EXPECT_EQ(rules.defaultHolder + "|" + rules.show(0), "CPU|00");
    EXPECT_EQ(rules.store(7) + "|" + rules.store(23) + "|" + rules.show(7), " 7|23|07");
    const std::pair<const char*, int> read[] = {{" 7", 7}, {"07", 7}, {"15 left", 15}, {"7", 0}, {" 0", 0}, {"-5", 0}, {"AB", 0}};
    for (const auto& [text, count] : read)
        EXPECT_EQ(rules.load(text).value_or(0), count) << '"' << text << '"';
}

QString card(int i) { return QStringLiteral("carte(%1)").arg(i); }

// Two games of twenty cards in one window: a record, then an equal count that is none.
class MargheritaWindowTest : public WindowTable<MargheritaWindow> {
protected:
    // The unshuffled table with the three and the eight of hearts swapped: the path ends on the eight.
    void script(ScriptedRandom& r) override
    {
        Rules::Deck deck = Rules::orderedDeck();
        std::swap(deck[2], deck[7]);
        r.deal(Rules::orderedDeck(), deck, Rules::shuffleSwaps);
    }
    std::vector<int> framed()
    {
        std::vector<int> out;
        for (int i = 0; i < Rules::cellCount; ++i)
            if (shown(QStringLiteral("mascher(%1)").arg(i)))
                out.push_back(i);
        return out;
    }
    QString askedOnLeaving()
    {
        ScriptedAnswers no(false);
        window->esciAction()->trigger();
        return no.asked.empty() ? QString() : no.asked[0].first;
    }
};

TEST_F(MargheritaWindowTest, TwoGamesOfTwentyWithARecordAndThenAnEqualOne)
{
    for (int game = 0; game < 2; ++game) {
        SCOPED_TRACE(game);
        EXPECT_EQ(picture(card(30)), pictures::redBack);
        EXPECT_EQ(heard(card(30)), "Carta coperta");
        EXPECT_TRUE(framed().empty());
        EXPECT_EQ(caption("Label1"), "Carte Scoperte: 00");
        EXPECT_FALSE(shown("Pt") || shown("vt") || shown("rct") || shown("rci"));
        press(card(30));
        EXPECT_EQ(picture(card(30)), frenchCardPicture(1, 4));
        EXPECT_EQ(framed(), (std::vector<int>{20, 31}));
        EXPECT_EQ(heard(card(31)) + "|" + heard(card(0)), "Carta coperta, giocabile|Carta coperta, bloccata");
        EXPECT_EQ(pointer(card(0)), Pointer::NoEntry);
        press(card(0));
        EXPECT_EQ(caption("Label1"), "Carte Scoperte: 01") << "a blocked card is not turned";
        const std::vector<int> cells = path(20);
        for (std::size_t step = 1; step + 1 < cells.size(); ++step)
            press(card(cells[step]));
        EXPECT_EQ(askedOnLeaving(), "ABBANDONA");
        press(card(2));
        EXPECT_EQ(picture(card(2)), frenchCardPicture(8, 1));
        EXPECT_EQ(caption("Label1"), "Carte Scoperte: 20");
        EXPECT_TRUE(framed().empty());
        EXPECT_TRUE(shown("Pt") && shown("vt"));
        EXPECT_EQ(caption("Pt") + "|" + caption("vt"), "MOSSE TERMINATE|GIOCO RIUSCITO");
        EXPECT_EQ(askedOnLeaving(), "TORNA AL MENU");
        if (game == 0) {
            ASSERT_TRUE(shown("rct") && shown("rci"));
            typeRecordName(window, "anna");
            EXPECT_EQ(dir.bytes("rcmgh.dat"), TempWorkingDir::scrambled("ANNA    20", 0xB7));
            EXPECT_EQ(heard("punti"), "Record: 20 ANNA");
            script(*random);
            window->newGameAction()->trigger();
            EXPECT_EQ(caption("punti") + caption("nome"), "20ANNA    ");
        }
    }
    EXPECT_FALSE(shown("rct") || shown("rci")) << "an equal count is no record";
    EXPECT_EQ(dir.bytes("rcmgh.dat"), TempWorkingDir::scrambled("ANNA    20", 0xB7));
}

} // namespace
