// Tests of Napoleone's rules: the deal round the aces, the outermost card, moves of cards and piles, foundations, the win and the clock.
#include "games/napoleone/napoleone_rules.h"

#include "shell/random.h"
#include "tests/napoleone_decks.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace napoleone_decks;

namespace {

using Rules = NapoleoneRules;
using Move = NapoleoneMove;

// Counts its draws and always draws 0.
class CountingRandom final : public Random {
public:
    double next() override
    {
        ++draws;
        return 0.0;
    }
    long draws = 0;
};

class NapoleoneTest : public ::testing::Test {
protected:
    void lay(const std::map<int, Card>& cardAtCell)
    {
        rules.deal(deckWith(cardAtCell));
        rules.dealt();
    }
    // Clicks the cells in order, expecting each to do what it says.
    void play(std::initializer_list<std::pair<int, Move>> clicks)
    {
        for (auto [cell, expected] : clicks) {
            EXPECT_EQ(rules.playCell(cell), expected) << "click on cell " << cell;
            ASSERT_TRUE(rules.isConsistent()) << "after the click on cell " << cell;
        }
    }
    SeededRandom random{5};
    Rules rules{random};
};

} // namespace

using NapoleoneDeal = NapoleoneTest;

TEST_F(NapoleoneDeal, AcesGoToTheFoundationsInDealOrderAndTheRestFillsCellsFromTheCentre)
{
    const Deck deck = Rules::shuffled(random);
    const std::vector<NapoleoneDealt> steps = rules.deal(deck);
    ASSERT_EQ(steps.size(), 40u);
    int nextFoundation = 0;
    int nextCell = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].card, deck[i]);
        if (Rules::isAce(deck[i])) {
            EXPECT_EQ(steps[i].foundation, nextFoundation);
            EXPECT_EQ(steps[i].cell, -1);
            EXPECT_EQ(rules.foundation(nextFoundation++), deck[i]);
        } else {
            EXPECT_EQ(steps[i].cell, nextCell);
            EXPECT_EQ(steps[i].foundation, -1);
            EXPECT_EQ(rules.cell(nextCell++), (NapoleoneCell{deck[i], {}}));
        }
    }
    EXPECT_EQ(nextFoundation, 4);
    EXPECT_EQ(nextCell, 36);
    EXPECT_EQ(rules.selected(), -1);
    EXPECT_TRUE(rules.isConsistent());
}

TEST_F(NapoleoneDeal, TheShuffleIsAPermutationMadeOfAHundredThousandSwaps)
{
    CountingRandom counting;
    Rules::shuffled(counting);
    EXPECT_EQ(counting.draws, 2 * 100000);

    const Deck a = Rules::shuffled(random);
    const Deck b = Rules::shuffled(random);
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 10; ++rank)
            EXPECT_EQ(std::count(a.begin(), a.end(), Card{rank, suit}), 1);
    EXPECT_NE(a, b);
}

TEST_F(NapoleoneDeal, ANewDealStartsFromNothingOfTheLastGame)
{
    rules.deal(wonByClicking());
    rules.dealt();
    for (int i = 0; i < 75; ++i)
        rules.secondPassed();
    for (int cell : clearingOrder())
        rules.playCell(cell);
    ASSERT_TRUE(rules.isWon());

    Deck deck = wonByClicking();
    std::swap(deck[0], deck[39]); // an ace dealt last: until then its foundation holds nothing
    const auto steps = rules.deal(deck);
    EXPECT_FALSE(rules.isWon());
    EXPECT_EQ(rules.seconds(), 0);
    EXPECT_FALSE(rules.clockRunning());
    EXPECT_EQ(steps.back().foundation, 3);
    EXPECT_EQ(rules.foundation(0), denari(1));
    EXPECT_EQ(rules.foundation(3), coppe(1));
    EXPECT_TRUE(rules.isConsistent());
}

TEST_F(NapoleoneTest, BeforeTheFirstDealTheTableIsEmptyAndClicksDoNothing)
{
    EXPECT_FALSE(rules.hasGame());
    for (int cell : {0, 7, 8, 35})
        EXPECT_EQ(rules.playCell(cell), Move::Nothing);
    EXPECT_EQ(rules.playCell(-1), Move::Nothing);
    EXPECT_EQ(rules.playCell(36), Move::Nothing);
    EXPECT_FALSE(rules.isWon()) << "unset foundations are not finished suits";
    rules.dealt();
    EXPECT_FALSE(rules.clockRunning());
    EXPECT_TRUE(rules.isConsistent());
}

using NapoleoneOutermost = NapoleoneTest;

TEST_F(NapoleoneOutermost, OnAFreshTableOnlyTheLastCardOfEachRow)
{
    lay({});
    for (int cell = 0; cell < 36; ++cell)
        EXPECT_EQ(rules.isOutermost(cell), cell >= 28) << cell;
    EXPECT_FALSE(rules.isOutermost(36));
    EXPECT_FALSE(rules.isOutermost(-1));
}

TEST_F(NapoleoneOutermost, ACardFurtherInBecomesOutermostWhenTheRowShortens)
{
    // Row 0 on the left runs 0, 8, 16, 24, 32.
    lay({{32, coppe(2)}, {24, coppe(9)}, {33, coppe(8)}});
    EXPECT_FALSE(rules.isOutermost(24));
    play({{24, Move::Nothing}});
    play({{32, Move::ToFoundation}});
    EXPECT_TRUE(rules.isOutermost(24));
    EXPECT_FALSE(rules.isOutermost(32)) << "an empty cell is no card";
    play({{24, Move::Selected}, {33, Move::OntoCard}});
    EXPECT_TRUE(rules.isOutermost(16));
}

TEST_F(NapoleoneOutermost, ACardThatIsNotOutermostIsRefusedAndTheSelectionStays)
{
    lay({{32, coppe(6)}, {24, coppe(5)}});
    play({{32, Move::Selected}, {24, Move::Nothing}});
    EXPECT_EQ(rules.selected(), 32);
    play({{0, Move::Nothing}});
    EXPECT_EQ(rules.selected(), 32);
}

struct PairCase {
    const char* name;
    Card a;
    Card b;
    bool pairs;
};

void PrintTo(const PairCase& pair, std::ostream* out) { *out << pair.name; }

class NapoleonePairs : public ::testing::TestWithParam<PairCase> {};

TEST_P(NapoleonePairs, SameSuitAndOneRankApart)
{
    EXPECT_EQ(Rules::canPair(GetParam().a, GetParam().b), GetParam().pairs);
    EXPECT_EQ(Rules::canPair(GetParam().b, GetParam().a), GetParam().pairs);
}

INSTANTIATE_TEST_SUITE_P(Napoleone, NapoleonePairs,
                         ::testing::Values(PairCase{"FiveOnSixOfCoppe", coppe(5), coppe(6), true},
                                           PairCase{"CavalloAndRe", denari(9), denari(10), true},
                                           PairCase{"ReAndTheNextSuitsAce", coppe(10), denari(1), false},
                                           PairCase{"TwoApart", bastoni(3), bastoni(5), false},
                                           PairCase{"SameRankOtherSuit", coppe(4), denari(4), false},
                                           PairCase{"NeighbouringNumbersOfTwoSuits", denari(10), spade(2), false}),
                         [](const auto& info) { return std::string(info.param.name); });

using NapoleoneMoves = NapoleoneTest;

TEST_F(NapoleoneMoves, TheFiveOfCoppeGoesOntoTheSixAndShowsTheSixSmall)
{
    lay({{32, coppe(5)}, {33, coppe(6)}});
    play({{32, Move::Selected}});
    EXPECT_EQ(rules.selected(), 32);
    play({{33, Move::OntoCard}});
    EXPECT_EQ(rules.cell(33), (NapoleoneCell{coppe(5), coppe(6)}));
    EXPECT_TRUE(rules.cell(32).isEmpty());
    EXPECT_EQ(rules.selected(), -1);
}

TEST_F(NapoleoneMoves, ACardGoesOntoTheNextLowerCardAndAPileKeepsItsBottom)
{
    lay({{32, denari(7)}, {33, denari(6)}, {34, denari(8)}});
    play({{32, Move::Selected}, {33, Move::OntoCard}});
    EXPECT_EQ(rules.cell(33), (NapoleoneCell{denari(7), denari(6)}));
    play({{34, Move::Selected}, {33, Move::OntoCard}});
    EXPECT_EQ(rules.cell(33), (NapoleoneCell{denari(8), denari(6)}));
}

TEST_F(NapoleoneMoves, APileMovedOntoACardIsTurnedOver)
{
    lay({{32, coppe(7)}, {33, coppe(6)}, {34, coppe(5)}, {35, coppe(4)}});
    play({{33, Move::Selected}, {32, Move::OntoCard}, {34, Move::Selected}, {32, Move::OntoCard}});
    ASSERT_EQ(rules.cell(32), (NapoleoneCell{coppe(5), coppe(7)}));
    play({{32, Move::Selected}, {35, Move::OntoCard}});
    EXPECT_EQ(rules.cell(35), (NapoleoneCell{coppe(7), coppe(4)}));
    EXPECT_TRUE(rules.cell(32).isEmpty());
}

TEST_F(NapoleoneMoves, APileOntoAPileLiesTurnedOverOnItAndTheTargetKeepsItsBottom)
{
    lay({{32, spade(3)}, {33, spade(4)}, {34, spade(6)}, {35, spade(5)}});
    play({{33, Move::Selected}, {32, Move::OntoCard}, {35, Move::Selected}, {34, Move::OntoCard}});
    ASSERT_EQ(rules.cell(32), (NapoleoneCell{spade(4), spade(3)}));
    ASSERT_EQ(rules.cell(34), (NapoleoneCell{spade(5), spade(6)}));
    play({{34, Move::Selected}, {32, Move::OntoCard}});
    EXPECT_EQ(rules.cell(32), (NapoleoneCell{spade(6), spade(3)}));
    EXPECT_TRUE(rules.cell(34).isEmpty());
}

TEST_F(NapoleoneMoves, AnEmptyInnermostCellTakesACardOrAPileTurnedOver)
{
    // Row 2 on the left is 4, 12, 20, 28: cleared to the coppe foundation it leaves cell 4 empty.
    lay({{28, coppe(2)}, {20, coppe(3)}, {12, coppe(4)}, {4, coppe(5)}, {32, denari(7)}, {33, denari(6)},
         {34, spade(9)}, {35, denari(8)}});
    play({{28, Move::ToFoundation}, {20, Move::ToFoundation}, {12, Move::ToFoundation}, {4, Move::ToFoundation}});
    EXPECT_EQ(rules.foundation(0), coppe(5));
    EXPECT_EQ(rules.playCell(4), Move::Nothing) << "nothing selected";

    play({{33, Move::Selected}, {32, Move::OntoCard}, {32, Move::Selected}, {4, Move::ToEmptyRow}});
    EXPECT_EQ(rules.cell(4), (NapoleoneCell{denari(7), denari(6)}));
    EXPECT_TRUE(rules.cell(32).isEmpty());
    EXPECT_EQ(rules.selected(), -1);

    // Emptied again, the row takes a single card as it is.
    play({{4, Move::Selected}, {35, Move::OntoCard}});
    EXPECT_EQ(rules.cell(35), (NapoleoneCell{denari(6), denari(8)}));
    ASSERT_TRUE(rules.cell(4).isEmpty());
    play({{34, Move::Selected}, {4, Move::ToEmptyRow}});
    EXPECT_EQ(rules.cell(4), (NapoleoneCell{spade(9), {}}));
}

TEST_F(NapoleoneMoves, AnEmptyCellFurtherOutTakesNothing)
{
    lay({{32, coppe(2)}, {33, denari(9)}});
    play({{32, Move::ToFoundation}, {33, Move::Selected}, {32, Move::Nothing}});
    EXPECT_EQ(rules.selected(), 33);
    EXPECT_EQ(rules.cell(33), (NapoleoneCell{denari(9), 0}));
    EXPECT_TRUE(rules.cell(32).isEmpty());
}

TEST_F(NapoleoneMoves, ClickingTheSelectedCardAgainClearsTheSelection)
{
    lay({{32, coppe(6)}, {33, denari(6)}});
    play({{32, Move::Selected}, {32, Move::Deselected}});
    EXPECT_EQ(rules.selected(), -1);
    play({{32, Move::Selected}, {33, Move::Selected}});
    EXPECT_EQ(rules.selected(), 33) << "a card that cannot take the selection becomes the selection";
}

using NapoleoneFoundations = NapoleoneTest;

TEST_F(NapoleoneFoundations, ACardThatFitsGoesUpInOneClickEvenWithAnotherSelected)
{
    lay({{32, spade(2)}, {33, coppe(7)}});
    play({{33, Move::Selected}, {32, Move::ToFoundation}});
    EXPECT_EQ(rules.foundation(2), spade(2));
    EXPECT_TRUE(rules.cell(32).isEmpty());
    EXPECT_EQ(rules.selected(), -1);
    EXPECT_EQ(rules.foundationFor(spade(3)), 2);
    EXPECT_EQ(rules.foundationFor(spade(4)), -1);
}

TEST_F(NapoleoneFoundations, AWholePileGoesUpAndTheFoundationShowsItsBottom)
{
    lay({{32, denari(4)}, {33, denari(3)}, {34, denari(2)}});
    play({{33, Move::Selected}, {32, Move::OntoCard}});
    ASSERT_EQ(rules.cell(32), (NapoleoneCell{denari(3), denari(4)}));
    play({{34, Move::ToFoundation}, {32, Move::ToFoundation}});
    EXPECT_EQ(rules.foundation(1), denari(4));
    EXPECT_TRUE(rules.cell(32).isEmpty());
}

TEST_F(NapoleoneFoundations, TheGameIsWonWhenEveryFoundationReachesItsRe)
{
    rules.deal(wonByClicking());
    rules.dealt();
    const std::vector<int> order = clearingOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        ASSERT_EQ(rules.playCell(order[i]), Move::ToFoundation) << "cell " << order[i];
        ASSERT_FALSE(rules.isWon());
    }
    EXPECT_TRUE(rules.clockRunning());
    EXPECT_EQ(rules.playCell(order.back()), Move::ToFoundation);
    EXPECT_TRUE(rules.isWon());
    EXPECT_FALSE(rules.clockRunning()) << "the clock stops at the win";
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(rules.foundation(j), (Card{10, j + 1}));
    EXPECT_TRUE(rules.isConsistent());
    rules.dealt();
    EXPECT_FALSE(rules.clockRunning()) << "a won game's clock stays stopped";
}

using NapoleoneClock = NapoleoneTest;

TEST_F(NapoleoneClock, RunsFromTheEndOfTheDealAndStopsAt5959)
{
    rules.deal(wonByClicking());
    EXPECT_FALSE(rules.secondPassed()) << "still while the cards go out";
    EXPECT_EQ(rules.seconds(), 0);
    EXPECT_EQ(rules.playCell(clearingOrder().front()), Move::Nothing) << "no move while the cards go out";
    rules.dealt();
    for (int s = 1; s <= 59 * 60 + 57; ++s) {
        ASSERT_TRUE(rules.secondPassed());
        ASSERT_EQ(rules.seconds(), s);
    }
    // From 59:57 one tick shows 59:59, and there the clock stands.
    EXPECT_FALSE(rules.secondPassed());
    EXPECT_EQ(rules.seconds(), 59 * 60 + 59);
    EXPECT_FALSE(rules.clockRunning());
    EXPECT_FALSE(rules.secondPassed());
    EXPECT_EQ(rules.seconds(), 59 * 60 + 59);
    // The game goes on.
    EXPECT_EQ(rules.playCell(clearingOrder().front()), Move::ToFoundation);
}

TEST(NapoleoneRandomPlay, EveryCardStaysOnTheTableOrAFoundationOnce)
{
    // Most deals allow only a handful of moves before they stick; many seeds make up for it.
    int moves = 0;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        SeededRandom random(seed);
        Rules rules(random);
        rules.deal();
        rules.dealt();
        ASSERT_TRUE(rules.isConsistent()) << "seed " << seed;
        for (int step = 0; step < 200; ++step) {
            // Mostly a move the table allows, now and then a click anywhere.
            const auto allowed = legalMoves(rules);
            std::vector<int> clicks{random.pick(36)};
            if (!allowed.empty() && random.next() < 0.8) {
                const auto [from, to] = allowed[static_cast<std::size_t>(random.pick(static_cast<int>(allowed.size())))];
                clicks = {from};
                if (to >= 0)
                    clicks.push_back(to);
            }
            for (int cell : clicks) {
                const Move move = rules.playCell(cell);
                moves += move == Move::OntoCard || move == Move::ToEmptyRow || move == Move::ToFoundation;
                ASSERT_TRUE(rules.isConsistent()) << "seed " << seed << ", step " << step << ", cell " << cell;
            }
        }
    }
    EXPECT_GT(moves, 1000);
}
