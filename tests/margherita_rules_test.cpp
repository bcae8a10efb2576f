// Tests of Margherita's rules: the deal, the directions of each suit, the end of a game and the record value.
#include "games/margherita/margherita_rules.h"

#include "shell/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace {

using Rules = MargheritaRules;
using CellSuits = std::vector<std::pair<int, int>>;
enum { H = Rules::hearts, S = Rules::spades, D = Rules::diamonds, C = Rules::clubs };

// Draws 0.0 then 0.999 and from then on 0.0: the first swap exchanges 0 and 39, the others change nothing.
class OneSwapRandom final : public Random {
public:
    double next() override { return ++draws == 2 ? 0.999 : 0.0; }
    int draws = 0;
};

// A table with the given suits at the given cells, every other card wherever it falls.
Rules::Deck tableWith(const CellSuits& cellSuits)
{
    Rules::Deck deck = Rules::orderedDeck();
    std::set<int> fixed;
    for (auto [cell, suit] : cellSuits) {
        int from = 0;
        while (deck[from].suit != suit || fixed.count(from))
            ++from;
        std::swap(deck[from], deck[cell]);
        fixed.insert(cell);
    }
    return deck;
}

std::vector<int> reachable(const Rules& rules)
{
    std::vector<int> out;
    for (int i = 0; i < Rules::cellCount; ++i)
        if (rules.isReachable(i))
            out.push_back(i);
    return out;
}

class MargheritaTest : public ::testing::Test {
protected:
    SeededRandom random{7};
    Rules rules{random};
};

} // namespace

using MargheritaDeal = MargheritaTest;

TEST_F(MargheritaDeal, IsTheFortyCardsOnceEachFaceDownAndAllOpen)
{
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        random.reseed(seed);
        rules.newGame();
        std::set<std::pair<int, int>> seen;
        for (int i = 0; i < Rules::cellCount; ++i) {
            const auto& c = rules.card(i);
            if (c.rank >= 1 && c.rank <= 10 && c.suit >= 1 && c.suit <= 4)
                seen.insert({c.rank, c.suit});
            EXPECT_TRUE(rules.isReachable(i) && !rules.isFramed(i) && !rules.isTurned(i));
        }
        EXPECT_EQ(seen.size(), 40u) << "seed " << seed;
        EXPECT_EQ(rules.turnedCount(), 0);
    }
}

TEST_F(MargheritaDeal, SwapsTwoDrawnPositionsTenThousandTimes)
{
    OneSwapRandom script;
    Rules::Deck expected = Rules::orderedDeck();
    ASSERT_EQ(expected[39], (Card{10, C}));
    std::swap(expected[0], expected[39]);
    EXPECT_EQ(Rules::metticarte(script), expected);
    EXPECT_EQ(script.draws, 20000);
}

struct NeighbourCase {
    int suit;
    int cell;
    std::vector<int> expected;
};

class MargheritaNeighbours : public ::testing::TestWithParam<NeighbourCase> {};

TEST_P(MargheritaNeighbours, FollowTheSuitAndStopAtTheEdges)
{
    EXPECT_EQ(Rules::neighboursFor(GetParam().suit, GetParam().cell), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    EdgesAndCorners, MargheritaNeighbours,
    ::testing::Values(NeighbourCase{H, 14, {24}}, NeighbourCase{H, 35, {}}, NeighbourCase{H, 29, {39}},
                      NeighbourCase{S, 14, {4}}, NeighbourCase{S, 3, {}}, NeighbourCase{D, 14, {4, 24, 15, 13}},
                      NeighbourCase{D, 19, {9, 29, 18}}, NeighbourCase{D, 10, {0, 20, 11}}, NeighbourCase{D, 0, {10, 1}},
                      NeighbourCase{D, 39, {29, 38}}, NeighbourCase{C, 14, {4, 15, 13}}, NeighbourCase{C, 20, {10, 21}},
                      NeighbourCase{C, 9, {8}}, NeighbourCase{C, 38, {28, 39, 37}}));

using MargheritaMove = MargheritaTest;

TEST_F(MargheritaMove, OffersOnlyTheFaceDownNeighboursOfTheLastCard)
{
    rules.newGame(tableWith({{14, D}, {15, C}}));
    ASSERT_TRUE(rules.turn(14));
    EXPECT_EQ(reachable(rules), (std::vector<int>{4, 13, 15, 24}));
    EXPECT_TRUE(rules.isTurned(14));
    for (int ignored : {0, 14, -1, 40})
        EXPECT_FALSE(rules.turn(ignored)) << ignored;
    EXPECT_EQ(reachable(rules), (std::vector<int>{4, 13, 15, 24}));
    EXPECT_TRUE(rules.turnedCount() == 1 && rules.lastTurned() == 14 && rules.state(0) == CellState::Blocked);
    ASSERT_TRUE(rules.turn(15));
    // The diamond's other offers are closed again; the club leads up and right, its left is turned.
    EXPECT_EQ(reachable(rules), (std::vector<int>{5, 16}));
    EXPECT_TRUE(rules.isFramed(5) && !rules.isFramed(4) && rules.state(4) == CellState::Blocked);
    EXPECT_EQ(rules.turnedCount(), 2);
}

// Down column 0, up column 1, down 2, up 3, down 4: one way through; the tail decides where it ends.
const CellSuits snake = {{0, H},  {10, H}, {20, H}, {30, C}, {31, S}, {21, S}, {11, S}, {1, C}, {2, H},
                         {12, H}, {22, H}, {32, C}, {33, S}, {23, S}, {13, S}, {3, C},  {4, H}, {14, H}};

struct EndCase {
    CellSuits layout;
    bool success;
};

class MargheritaGameEnd : public MargheritaTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(MargheritaGameEnd, ComesExactlyWhenNothingIsReachableAndSucceedsFromTwenty)
{
    const CellSuits& layout = GetParam().layout;
    rules.newGame(tableWith(layout));
    RecordSlot record(Rules::recordRules());
    record.take({"MARIO   ", "20"});
    for (std::size_t step = 0; step < layout.size(); ++step) {
        ASSERT_FALSE(rules.isOver()) << "step " << step;
        ASSERT_TRUE(rules.turn(layout[step].first)) << "step " << step;
        if (step + 1 < layout.size()) {
            ASSERT_EQ(reachable(rules), std::vector<int>{layout[step + 1].first}) << "step " << step;
        }
    }
    const int count = static_cast<int>(layout.size());
    EXPECT_TRUE(rules.isOver());
    EXPECT_EQ(rules.isSuccess(), GetParam().success) << count;
    EXPECT_EQ(record.isBeatenBy(rules.turnedCount()), count > 20) << count;
}

CellSuits snakeWith(const CellSuits& tail)
{
    CellSuits layout = snake;
    layout.insert(layout.end(), tail.begin(), tail.end());
    return layout;
}

INSTANTIATE_TEST_SUITE_P(Boundary, MargheritaGameEnd,
                         ::testing::Values(EndCase{{{35, H}}, false}, EndCase{snakeWith({{24, S}}), false},
                                           EndCase{snakeWith({{24, H}, {34, H}}), true},
                                           EndCase{snakeWith({{24, H}, {34, C}, {35, H}}), true}));

using MargheritaRecord = MargheritaTest;

TEST_F(MargheritaRecord, ValueTextIsTwoCharactersRightAligned)
{
    EXPECT_EQ(Rules::recordValueText(7), " 7");
    EXPECT_EQ(Rules::recordValueText(23), "23");
    for (int count = 1; count <= 40; ++count)
        EXPECT_EQ(Rules::recordCountFrom(Rules::recordValueText(count)), count);
    EXPECT_EQ(Rules::recordCountFrom("07"), 7);
    EXPECT_EQ(Rules::recordCountFrom("15 left over"), 15);
    for (const char* notARecord : {"", "7", " 0", "  ", "-5", "AB"})
        EXPECT_EQ(Rules::recordCountFrom(notARecord), 0) << '"' << notARecord << '"';
}

TEST_F(MargheritaRecord, DefaultIsCpuWithNoneAndEqualIsNoRecord)
{
    RecordSlot record(Rules::recordRules());
    record.take({"XXXXXXXX", " 0"});
    EXPECT_EQ(record.holder() + record.valueCaption(), "CPU00");
    rules.newGame(tableWith({{3, S}}));
    rules.turn(3);
    EXPECT_TRUE(rules.isOver());
    EXPECT_TRUE(record.isBeatenBy(rules.turnedCount()));
    record.take({"ANNA    ", " 1"});
    EXPECT_EQ(record.holder() + record.valueCaption(), "ANNA    01");
    EXPECT_FALSE(record.isBeatenBy(rules.turnedCount()));
}

TEST(MargheritaRandomPlay, KeepsCountAndReachableCellsTrue)
{
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        SeededRandom random(seed);
        Rules rules(random);
        rules.newGame();
        while (!rules.isOver()) {
            const auto open = reachable(rules);
            ASSERT_TRUE(rules.turn(open[random.pick(static_cast<int>(open.size()))])) << "seed " << seed;
            std::vector<int> expected;
            const int last = rules.lastTurned();
            for (int n : Rules::neighboursFor(rules.card(last).suit, last))
                if (rules.state(n) != CellState::Turned)
                    expected.push_back(n);
            std::sort(expected.begin(), expected.end());
            ASSERT_EQ(reachable(rules), expected) << "seed " << seed;
            int faceUp = 0;
            for (int i = 0; i < Rules::cellCount; ++i)
                faceUp += rules.state(i) == CellState::Turned;
            ASSERT_EQ(rules.turnedCount(), faceUp) << "seed " << seed;
        }
    }
}
