// La Fisarmonica: the rules on laid-out rows, then two whole games played in one window.
#include "games/fisarmonica/fisarmonica_window.h"
#include "shell/picture_names.h"
#include "tests/support/window_driver.h"

namespace {

using Deck = FisarmonicaRules::Deck;
const Deck ordered = cards::orderedDeck<FisarmonicaRules::deckSize>(13);

// A deck dealing `first` first, the other cards in order behind them.
Deck dealingFirst(const std::vector<Card>& first)
{
    Deck deck{};
    std::copy(first.begin(), first.end(), deck.begin());
    std::copy_if(ordered.begin(), ordered.end(), deck.begin() + long(first.size()),
                 [&](const Card& c) { return std::find(first.begin(), first.end(), c) == first.end(); });
    return deck;
}

class FisarmonicaRulesTest : public ::testing::Test {
protected:
    void deal(const std::vector<Card>& first)
    {
        rules.newGame(dealingFirst(first));
        for (std::size_t i = 0; i < first.size(); ++i)
            ASSERT_TRUE(rules.deal());
    }
    ScriptedRandom random;
    FisarmonicaRules rules{random};
};

TEST_F(FisarmonicaRulesTest, TheDeckFillsTheFirstEmptyPlaceUntilTheRowIsFull)
{
    deal(std::vector<Card>(ordered.begin(), ordered.begin() + 12));
    EXPECT_FALSE(rules.deal());
    EXPECT_EQ(rules.cardsLeft(), 40);
    rules.join(10, 11);
    ASSERT_TRUE(rules.deal());
    EXPECT_EQ(rules.place(11), ordered[12]);
}

TEST_F(FisarmonicaRulesTest, ACardJoinsOneOfItsValueOrSuitUpToThreePlacesLeft)
{
    // 0 A♥, 1 2♠, 2 3♦, 3 A♣, 4 5♠, 5 2♥, 6 5♥
    const std::vector<Card> row{{1, 1}, {2, 2}, {3, 3}, {1, 4}, {5, 2}, {2, 1}, {5, 1}};
    const struct {
        int left, right;
        bool joins;
    } moves[] = {{0, 3, true},  {1, 4, true},  {4, 6, true},  {5, 6, true},  {0, 2, false},
                 {1, 5, false}, {0, 5, false}, {2, 3, false}, {4, 5, false}, {1, 2, false}};
    for (const auto& move : moves) {
        SCOPED_TRACE(std::to_string(move.left) + " " + std::to_string(move.right));
        deal(row);
        EXPECT_EQ(rules.canJoin(move.left, move.right), move.joins);
        // The right card taken, then the left one: they join, or the right card stays taken.
        rules.takeCard(move.right);
        rules.takeCard(move.left);
        EXPECT_EQ(rules.cardsInRow(), 7 - move.joins);
        EXPECT_EQ(rules.selected(), move.joins ? -1 : move.right);
    }
    deal(row);
    rules.takeCard(0);
    rules.takeCard(3);
    EXPECT_EQ(rules.place(0), row[3]) << "the right card goes onto the left one, whichever was taken first";
    EXPECT_EQ(rules.place(3), row[4]) << "the row closes up behind the moved card";
    EXPECT_TRUE(rules.place(6).isEmpty());
    rules.takeCard(4);
    rules.takeCard(4);
    EXPECT_EQ(rules.selected(), -1) << "a card taken twice is let go";
}

TEST_F(FisarmonicaRulesTest, FinishingCountsThePilesOnce)
{
    rules.newGame(ordered);
    while (!rules.deckEmpty())
        if (!rules.deal())
            rules.join(0, 1);
    ASSERT_TRUE(rules.canFinish());
    EXPECT_EQ(rules.finish(), 12);
    rules.join(0, 1);
    EXPECT_EQ(rules.finish(), 12) << "moves after the count do not change it";
    EXPECT_FALSE(rules.canFinish() || rules.isWin());
}

TEST(FisarmonicaRecord, TheFewestPilesAreKeptRightAlignedInTwoCharacters)
{
    const RecordRules rules = FisarmonicaRules::recordRules();
    EXPECT_EQ(rules.store(7) + "|" + rules.store(11), " 7|11");
    // Below ten only the second character counts, as the file was always read.
    const std::pair<const char*, int> read[] = {{" 7", 7}, {"11", 11}, {"x7", 7}, {"7 ", 0}, {"7", 0}, {"00", 0}, {"", 0}};
    for (const auto& [text, piles] : read)
        EXPECT_EQ(rules.load(text).value_or(0), piles) << '"' << text << '"';
}

QString place(int i) { return QStringLiteral("carteF(%1)").arg(i); }

// Hearts up, spades down, diamonds up, clubs down: every card joins the one before, so one pile is left.
Deck winning()
{
    Deck deck = ordered;
    for (int suit : {1, 3})
        std::reverse(deck.begin() + 13 * suit, deck.begin() + 13 * suit + 13);
    return deck;
}

class FisarmonicaWindowTest : public WindowTable<FisarmonicaWindow> {
protected:
    void script(ScriptedRandom& r) override { r.deal(ordered, winning(), FisarmonicaRules::shuffleSwaps); }
};

// Two winning games, a record and then an equal count that is none; a third game leaves two piles.
TEST_F(FisarmonicaWindowTest, TwoWinningGamesWithARecordThenAnEqualOneThenTwoPiles)
{
    for (int game = 0; game < 3; ++game) {
        SCOPED_TRACE(game);
        EXPECT_EQ(picture(place(0)), pictures::emptyPlace);
        EXPECT_FALSE(shown("maschera(0)"));
        EXPECT_EQ(caption("Label1") + heard("MazzoI"), "52Mazzo: 52");
        EXPECT_FALSE(shown("gover3") || shown("vinto3") || shown("record3") || shown("rci") || shown("term2"));
        press("MazzoI");
        press("MazzoI");
        EXPECT_EQ(picture(place(1)), cards::frenchPicture({2, 1}));
        press(place(1));
        EXPECT_TRUE(shown("maschera(1)"));
        EXPECT_EQ(heard(place(1)), pictureName(cards::frenchPicture({2, 1})) + ", selezionata");
        press(place(0));
        EXPECT_FALSE(shown("maschera(1)"));
        EXPECT_EQ(picture(place(0)), cards::frenchPicture({2, 1}));
        EXPECT_EQ(picture(place(1)), pictures::emptyPlace);
        EXPECT_EQ(pointer(place(1)), Pointer::Arrow);
        // Every card onto the one before it; the third game leaves the last card alone.
        for (int k = 2; k < 52; ++k) {
            press("MazzoI");
            if (game < 2 || k < 51) {
                press(place(1));
                press(place(0));
            }
        }
        EXPECT_EQ(caption("Label1") + heard("MazzoI"), "0Mazzo: 0");
        EXPECT_EQ(picture("MazzoI"), pictures::emptyPlace);
        EXPECT_EQ(picture(place(game < 2 ? 0 : 1)), cards::frenchPicture({1, 4}));
        press("term2");
        EXPECT_TRUE(shown("gover3") && !shown("term2"));
        EXPECT_EQ(shown("vinto3") && shown("vinto4"), game < 2) << "only one pile wins";
        EXPECT_EQ(caption("gover3") + caption("vinto3"), "Game OverCOMPLIMENTI!!!!");
        EXPECT_EQ(shown("record3") && shown("rci"), game == 0) << "an equal or a worse count is no record";
        if (game == 0) {
            typeRecordName(window, "anna");
            EXPECT_EQ(dir.bytes("rcfis.dat"), TempWorkingDir::scrambled("ANNA     1", 0x5C));
            EXPECT_EQ(heard("record"), "Record: 12 Mazzetti - ANNA") << "the count waits for the next game";
            press(place(0)); // taken as the game ends: the next game takes nothing
        }
        script(*random);
        window->newGameAction()->trigger();
        EXPECT_EQ(caption("record") + caption("nome"), "1ANNA    ");
    }
    EXPECT_EQ(dir.bytes("rcfis.dat"), TempWorkingDir::scrambled("ANNA     1", 0x5C));
}

} // namespace
