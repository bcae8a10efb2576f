// Yahtzee's rules: the value of every box, the rolls of a hand, the choice on the card, the sums and the end.
#include "games/yahtzee/yahtzee_rules.h"
#include "tests/yahtzee_scripted_dice.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using Faces = std::array<int, 5>;
using Y = YahtzeeRules;

struct HandValues {
    const char* name;
    Faces faces;
    std::array<int, 13> values; // ASSI .. CHANGE
};
void PrintTo(const HandValues& hand, std::ostream* out) { *out << hand.name; }

class BoxValue : public ::testing::TestWithParam<HandValues> {};

TEST_P(BoxValue, EveryBoxForTheHand)
{
    static const char* const names[] = {"ASSI", "DUE",  "TRE",       "QUATTRO",   "CINQUE",  "SEI",   "TRIS",
                                        "POKER", "FULL", "SCALA MIN", "SCALA MAX", "YAHTZEE", "CHANGE"};
    for (int box = 0; box < Y::boxes; ++box)
        EXPECT_EQ(Y::boxValue(box, GetParam().faces), GetParam().values[static_cast<std::size_t>(box)]) << names[box];
}

INSTANTIATE_TEST_SUITE_P(
    YahtzeeHands, BoxValue,
    ::testing::Values(
        //                                         1  2  3   4   5   6  TRI POK FUL SMI SMA YAH CHG
        HandValues{"TrisAndFull_33355", {3, 3, 3, 5, 5}, {0, 0, 9, 0, 10, 0, 19, 0, 25, 0, 0, 0, 19}},
        HandValues{"FullUnsorted_52525", {5, 2, 5, 2, 5}, {0, 4, 0, 0, 15, 0, 19, 0, 25, 0, 0, 0, 19}},
        HandValues{"Poker_44442", {4, 4, 4, 4, 2}, {0, 2, 0, 16, 0, 0, 18, 18, 0, 0, 0, 0, 18}},
        HandValues{"FiveOfAKindIsNoFull_66666", {6, 6, 6, 6, 6}, {0, 0, 0, 0, 0, 30, 30, 30, 0, 0, 0, 50, 30}},
        HandValues{"LowStraight_12345", {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 0, 0, 0, 0, 30, 40, 0, 15}},
        HandValues{"HighStraight_65432", {6, 5, 4, 3, 2}, {0, 2, 3, 4, 5, 6, 0, 0, 0, 30, 40, 0, 20}},
        HandValues{"FourInARow_12346", {1, 2, 3, 4, 6}, {1, 2, 3, 4, 0, 6, 0, 0, 0, 30, 0, 0, 16}},
        HandValues{"FourInARowWithAPair_12234", {1, 2, 2, 3, 4}, {1, 4, 3, 4, 0, 0, 0, 0, 0, 30, 0, 0, 12}},
        HandValues{"ThreeStepsApart_12356", {1, 2, 3, 5, 6}, {1, 2, 3, 0, 5, 6, 0, 0, 0, 30, 0, 0, 17}},
        HandValues{"ThreeStepsApart_12456", {1, 2, 4, 5, 6}, {1, 2, 0, 4, 5, 6, 0, 0, 0, 30, 0, 0, 18}},
        HandValues{"TwoStepsOnly_13455", {1, 3, 4, 5, 5}, {1, 0, 3, 4, 10, 0, 0, 0, 0, 0, 0, 0, 18}}),
    [](const ::testing::TestParamInfo<HandValues>& info) { return std::string(info.param.name); });

class YahtzeeHand : public ::testing::Test {
protected:
    ScriptedDice random;
    YahtzeeRules rules{random};

    std::optional<YahtzeeRoll> roll(std::initializer_list<int> faces)
    {
        random.queue(faces);
        auto done = rules.roll();
        EXPECT_TRUE(random.numbers.empty()) << "the roll threw fewer dice than scripted";
        return done;
    }
    void mark(std::initializer_list<int> dice)
    {
        for (int i : dice)
            ASSERT_TRUE(rules.toggleMark(i));
    }
    void play(const ScriptedHand* hands, int count)
    {
        for (int h = 0; h < count; ++h) {
            ASSERT_TRUE(roll(hands[h].faces));
            ASSERT_TRUE(rules.chooseBox(hands[h].box));
        }
    }
    std::vector<int> faces() const
    {
        std::vector<int> f;
        for (int i = 0; i < 5; ++i)
            f.push_back(rules.face(i));
        return f;
    }
};

TEST_F(YahtzeeHand, TheFirstRollThrowsAllFiveAndCambiaWaitsForAMark)
{
    EXPECT_EQ(faces(), (std::vector<int>{1, 1, 1, 1, 1}));
    EXPECT_FALSE(rules.toggleMark(0)) << "no die is marked before the first roll";
    EXPECT_FALSE(rules.chooseBox(Y::change)) << "no box is written before the first roll";

    const auto first = roll({5, 2, 6, 2, 1});
    ASSERT_TRUE(first);
    EXPECT_EQ(first->rolled, (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_EQ(rules.sortedDice(), (std::vector<int>{1, 2, 2, 5, 6}));
    EXPECT_EQ(rules.rollCount(), 1);
    EXPECT_FALSE(rules.isRollToCome(0));
    EXPECT_TRUE(rules.isRollToCome(1));
    EXPECT_FALSE(rules.startsNewHand());
    EXPECT_FALSE(rules.roll()) << "Cambia with nothing marked after the first roll";
    mark({1});
    EXPECT_TRUE(rules.rollReady());
    mark({1});
    EXPECT_FALSE(rules.rollReady());
}

TEST_F(YahtzeeHand, OnlyMarkedDiceRollMarksClearAndTheThirdRollEndsTheRolling)
{
    roll({5, 2, 6, 2, 1});
    mark({1, 3});
    EXPECT_EQ(roll({4, 4})->rolled, (std::array<bool, 5>{false, true, false, true, false}));
    EXPECT_EQ(faces(), (std::vector<int>{5, 4, 6, 4, 1}));
    EXPECT_EQ(rules.sortedDice(), (std::vector<int>{1, 4, 4, 5, 6}));
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(rules.isMarked(i));
    // With nothing marked the button still takes the third roll: it throws nothing.
    const auto third = roll({});
    ASSERT_TRUE(third);
    EXPECT_EQ(third->rolled, (std::array<bool, 5>{}));
    EXPECT_EQ(rules.rollCount(), 3);
    EXPECT_FALSE(rules.isRollToCome(2));
    EXPECT_FALSE(rules.rollOffered());
    EXPECT_TRUE(rules.awaitsChoice());
    mark({0}); // marked, but no roll follows
    EXPECT_FALSE(rules.roll());

    ASSERT_TRUE(rules.chooseBox(Y::quattro));
    EXPECT_EQ(rules.box(Y::quattro), 8);
    EXPECT_FALSE(rules.awaitsChoice());
    EXPECT_TRUE(rules.rollOffered() && rules.startsNewHand() && rules.rollReady());
    EXPECT_FALSE(rules.toggleMark(2)) << "no die is marked between hands";
    EXPECT_EQ(roll({1, 2, 3, 4, 5})->rolled, (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_TRUE(rules.isRollToCome(1) && rules.isRollToCome(2));
}

TEST_F(YahtzeeHand, ANewGameInTheMiddleOfAHandKeepsNothingOfIt)
{
    play(bonusAtTheEnd, 1);
    roll({1, 2, 3, 4, 5});
    mark({0, 4});
    roll({6, 6});
    roll({});
    mark({3});
    rules.nuovaPartita();
    EXPECT_EQ(faces(), (std::vector<int>{1, 1, 1, 1, 1}));
    EXPECT_FALSE(rules.isMarked(3) || rules.awaitsChoice() || rules.box(Y::assi) || rules.isUsed(Y::assi));
    EXPECT_TRUE(rules.isRollToCome(0) && rules.isRollToCome(1) && rules.isRollToCome(2));
    EXPECT_TRUE(rules.sortedDice().empty());
    EXPECT_EQ(rules.total(), 0);
    EXPECT_TRUE(rules.startsNewHand() && rules.rollOffered() && rules.rollReady());
}

TEST_F(YahtzeeHand, AMovedChoiceMovesTheSumsByTheDifferenceAndATakenBackOneWaits)
{
    play(bonusAtTheEnd + 1, 1); // DUE 6, final at the next Nuova
    roll({6, 6, 6, 3, 3});
    ASSERT_TRUE(rules.chooseBox(Y::sei));
    EXPECT_EQ(rules.total(), 6 + 18);
    ASSERT_TRUE(rules.chooseBox(Y::tre));
    EXPECT_FALSE(rules.box(Y::sei));
    EXPECT_EQ(rules.subtotal(), 6 + 6);
    EXPECT_EQ(rules.total(), 12);
    ASSERT_TRUE(rules.chooseBox(Y::full));
    EXPECT_EQ(rules.total(), 6 + 25);

    ASSERT_TRUE(rules.chooseBox(Y::full));
    EXPECT_FALSE(rules.box(Y::full));
    EXPECT_EQ(rules.total(), 6);
    EXPECT_FALSE(rules.roll());
    EXPECT_FALSE(rules.chooseBox(Y::due)) << "the first hand's choice is final";
    ASSERT_TRUE(rules.chooseBox(Y::assi)); // a zero is written like any value
    EXPECT_EQ(rules.box(Y::assi), 0);
    roll({1, 1, 1, 1, 1});
    EXPECT_FALSE(rules.chooseBox(Y::assi));
}

TEST_F(YahtzeeHand, TheBonusNeedsASubtotalAbove62)
{
    for (int ones : {2, 3}) {
        rules.nuovaPartita();
        for (int face = 1; face <= 6; ++face) {
            roll({face, face, face == 1 && ones == 2 ? 2 : face, face == 1 ? 3 : 1, face == 1 ? 4 : 1});
            rules.chooseBox(face - 1);
        }
        EXPECT_EQ(rules.subtotal(), 60 + ones);
        EXPECT_EQ(rules.bonus(), ones == 3 ? 35 : 0);
        EXPECT_EQ(rules.total(), 60 + ones + rules.bonus());
    }
    // The bonus follows the choice that is not yet final.
    ASSERT_TRUE(rules.chooseBox(Y::change));
    EXPECT_EQ(rules.bonus(), 0);
}

class YahtzeeEnd : public YahtzeeHand {
protected:
    void SetUp() override
    {
        play(bonusAtTheEnd, 12);
        ASSERT_EQ(rules.total(), beforeTheLastBox);
    }
};

TEST_F(YahtzeeEnd, WithTwelveBoxesFilledTheThirdRollFillsTheLastByItself)
{
    roll({1, 2, 3, 4, 5});
    mark({0, 1, 2});
    roll({6, 6, 6});
    mark({3});
    EXPECT_FALSE(rules.isOver());
    EXPECT_TRUE(roll({6})->lastBoxFilled);
    EXPECT_EQ(rules.box(Y::sei), 24);
    EXPECT_TRUE(rules.isOver());
    EXPECT_FALSE(rules.rollOffered() || rules.awaitsChoice());
    EXPECT_FALSE(rules.toggleMark(0)) << "no die is marked once the game is over";
}

TEST_F(YahtzeeEnd, TheScoreCountsTheLastBoxAndItsBonusAndATakeBackKeepsIt)
{
    play(bonusAtTheEnd + 12, 1);
    EXPECT_TRUE(rules.isOver());
    EXPECT_EQ(rules.bonus(), 35);
    EXPECT_EQ(rules.finalScore(), withTheLastBox);
    EXPECT_FALSE(rules.roll());

    ASSERT_TRUE(rules.chooseBox(Y::sei)); // it never became used
    EXPECT_EQ(rules.total(), beforeTheLastBox);
    EXPECT_EQ(rules.finalScore(), withTheLastBox);
    ASSERT_TRUE(rules.chooseBox(Y::sei));
    EXPECT_EQ(rules.box(Y::sei), 18);
    EXPECT_TRUE(rules.isOver());
    rules.nuovaPartita();
    EXPECT_FALSE(rules.isOver());
}

// Many games by random clicks: the card stays whole and a used box never changes.
TEST(YahtzeePlay, RandomGamesKeepTheCardWhole)
{
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        SeededRandom random(seed);
        SeededRandom player(seed * 7919);
        YahtzeeRules rules(random);
        std::map<int, int> used;
        int hands = 0;
        for (int step = 0; step < 2000 && !rules.isOver(); ++step) {
            const double what = player.next();
            const bool nuova = rules.startsNewHand();
            if (what < 0.4)
                hands += rules.roll() && nuova ? 1 : 0;
            else if (what < 0.7)
                rules.toggleMark(player.pick(5));
            else
                rules.chooseBox(player.pick(13));
            ASSERT_TRUE(rules.isConsistent()) << "seed " << seed << " step " << step;
            for (int k = 0; k < 13; ++k) {
                if (rules.isUsed(k)) {
                    ASSERT_EQ(used.emplace(k, *rules.box(k)).first->second, *rules.box(k)) << "seed " << seed;
                }
            }
        }
        ASSERT_TRUE(rules.isOver()) << "seed " << seed;
        EXPECT_EQ(hands, 13) << "seed " << seed;
        for (int k = 0; k < 13; ++k)
            EXPECT_TRUE(rules.box(k)) << "box " << k << ", seed " << seed;
        EXPECT_EQ(rules.finalScore(), rules.total()) << "seed " << seed;
    }
}

} // namespace
