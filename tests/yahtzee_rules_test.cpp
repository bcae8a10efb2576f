// Yahtzee's rules: the value of every box, the rolls of a hand, the choice on the card, the sums and the end.
#include "games/yahtzee/yahtzee_rules.h"
#include "shell/random.h"
#include "tests/yahtzee_scripted_dice.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using Faces = std::array<int, 5>;

// ---- the value of each box ----

struct HandValues {
    const char* name;
    Faces faces;
    std::array<int, 13> values; // ASSI .. CHANGE
};

class BoxValue : public ::testing::TestWithParam<HandValues> {};

TEST_P(BoxValue, EveryBoxForTheHand)
{
    const HandValues& hand = GetParam();
    static const char* const names[] = {"ASSI", "DUE", "TRE", "QUATTRO", "CINQUE", "SEI", "TRIS",
                                        "POKER", "FULL", "SCALA MIN", "SCALA MAX", "YAHTZEE", "CHANGE"};
    for (int box = 0; box < YahtzeeRules::boxes; ++box)
        EXPECT_EQ(YahtzeeRules::boxValue(box, hand.faces), hand.values[static_cast<std::size_t>(box)]) << names[box];
}

INSTANTIATE_TEST_SUITE_P(
    YahtzeeHands, BoxValue,
    ::testing::Values(
        //                                        1  2  3   4   5   6  TRI POK FUL SMI SMA YAH CHG
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
        HandValues{"TwoStepsOnly_13455", {1, 3, 4, 5, 5}, {1, 0, 3, 4, 10, 0, 0, 0, 0, 0, 0, 0, 18}},
        HandValues{"Nothing_11336", {1, 1, 3, 3, 6}, {2, 0, 6, 0, 0, 6, 0, 0, 0, 0, 0, 0, 14}}),
    [](const ::testing::TestParamInfo<HandValues>& info) { return std::string(info.param.name); });

// ---- a hand: rolls, marks and the roll button ----

class YahtzeeHand : public ::testing::Test {
protected:
    ScriptedDice random;
    YahtzeeRules rules{random};

    std::optional<YahtzeeRoll> roll(std::initializer_list<int> faces)
    {
        random.queue(faces);
        auto done = rules.sceltatxt_Click();
        EXPECT_TRUE(random.numbers.empty()) << "the roll threw fewer dice than scripted";
        return done;
    }
    Faces faces() const
    {
        Faces f{};
        for (int i = 0; i < 5; ++i)
            f[static_cast<std::size_t>(i)] = rules.face(i);
        return f;
    }
    // A whole hand: all five dice thrown once, then `box` chosen.
    void playHand(std::initializer_list<int> faces, int box)
    {
        ASSERT_TRUE(rules.rollButtonReadsNuova());
        ASSERT_TRUE(roll(faces));
        ASSERT_TRUE(rules.gioco_Click(box));
        ASSERT_TRUE(rules.isConsistent());
    }
    void mark(std::initializer_list<int> dice)
    {
        for (int i : dice)
            ASSERT_TRUE(rules.cliccami_Click(i));
    }
};

TEST_F(YahtzeeHand, ANewGameShowsOnesAnEmptyCardAndNuova)
{
    EXPECT_EQ(faces(), (Faces{1, 1, 1, 1, 1}));
    EXPECT_TRUE(rules.sortedDice().empty());
    EXPECT_TRUE(rules.rollButtonReadsNuova() && rules.rollButtonShown() && rules.rollButtonEnabled());
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(rules.rollMarkShown(k));
    // No die to mark and no dice to write before the first roll.
    EXPECT_FALSE(rules.cliccami_Click(0));
    EXPECT_FALSE(rules.gioco_Click(YahtzeeRules::change));
    EXPECT_FALSE(rules.box(YahtzeeRules::change));
}

TEST_F(YahtzeeHand, TheFirstRollThrowsAllFiveAndCambiaWaitsForAMark)
{
    const auto first = roll({5, 2, 6, 2, 1});
    ASSERT_TRUE(first);
    EXPECT_EQ(first->rolled, (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_EQ(faces(), (Faces{5, 2, 6, 2, 1}));
    EXPECT_EQ(rules.sortedDice(), (std::vector<int>{1, 2, 2, 5, 6}));
    EXPECT_EQ(rules.rollCount(), 1);
    EXPECT_FALSE(rules.rollMarkShown(0));
    EXPECT_TRUE(rules.rollMarkShown(1) && rules.rollMarkShown(2));
    EXPECT_FALSE(rules.rollButtonReadsNuova());
    EXPECT_FALSE(rules.rollButtonEnabled());
    EXPECT_FALSE(rules.sceltatxt_Click()) << "Cambia with nothing marked after the first roll";

    mark({1});
    EXPECT_TRUE(rules.isMarked(1));
    EXPECT_TRUE(rules.rollButtonEnabled());
    mark({1});
    EXPECT_FALSE(rules.rollButtonEnabled());
}

TEST_F(YahtzeeHand, OnlyMarkedDiceRollMarksClearAndTheThirdRollEndsTheRolling)
{
    roll({5, 2, 6, 2, 1});
    mark({1, 3});
    const auto second = roll({4, 4});
    ASSERT_TRUE(second);
    EXPECT_EQ(second->rolled, (std::array<bool, 5>{false, true, false, true, false}));
    EXPECT_EQ(faces(), (Faces{5, 4, 6, 4, 1}));
    EXPECT_EQ(rules.sortedDice(), (std::vector<int>{1, 4, 4, 5, 6}));
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(rules.isMarked(i));
    EXPECT_EQ(rules.rollCount(), 2);
    EXPECT_FALSE(rules.rollMarkShown(1));
    // After the second roll the button takes a click with nothing marked: it rolls nothing but
    // uses up the third roll.
    EXPECT_TRUE(rules.rollButtonEnabled());
    const auto third = roll({});
    ASSERT_TRUE(third);
    EXPECT_EQ(third->rolled, (std::array<bool, 5>{}));
    EXPECT_EQ(rules.rollCount(), 3);
    EXPECT_FALSE(rules.rollMarkShown(2));
    EXPECT_FALSE(rules.rollButtonShown());
    EXPECT_TRUE(rules.helpShown());
    EXPECT_FALSE(third->lastBoxFilled);

    // Dice can still be marked, but no roll follows.
    mark({0});
    EXPECT_FALSE(rules.sceltatxt_Click());
    EXPECT_EQ(rules.rollCount(), 3);
    EXPECT_TRUE(rules.isMarked(0));

    ASSERT_TRUE(rules.gioco_Click(YahtzeeRules::quattro));
    EXPECT_EQ(rules.box(YahtzeeRules::quattro), 8);
    EXPECT_FALSE(rules.helpShown());
    EXPECT_TRUE(rules.rollButtonShown() && rules.rollButtonReadsNuova() && rules.rollButtonEnabled());
    EXPECT_EQ(rules.rollCount(), 0);
    EXPECT_FALSE(rules.cliccami_Click(2)) << "dice are not marked while the button reads Nuova";

    // The next hand throws all five, marked or not, and shows its three rolls again.
    const auto next = roll({1, 2, 3, 4, 5});
    ASSERT_TRUE(next);
    EXPECT_EQ(next->rolled, (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_FALSE(rules.isMarked(0));
    EXPECT_TRUE(rules.rollMarkShown(1) && rules.rollMarkShown(2));
    EXPECT_TRUE(rules.isConsistent());
}

TEST_F(YahtzeeHand, ANewGameInTheMiddleOfAHandKeepsNothingOfIt)
{
    playHand({6, 6, 6, 6, 2}, YahtzeeRules::sei);
    roll({1, 2, 3, 4, 5});
    mark({0, 4});
    roll({6, 6});
    mark({2});
    roll({5});
    ASSERT_TRUE(rules.helpShown());
    mark({3}); // after the third roll a mark stays until the next roll
    rules.Nuova();
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(rules.isMarked(i));
        EXPECT_EQ(rules.face(i), 1);
    }
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(rules.rollMarkShown(k));
    EXPECT_FALSE(rules.helpShown());
    EXPECT_EQ(rules.rollCount(), 0);
    EXPECT_TRUE(rules.sortedDice().empty());
    EXPECT_FALSE(rules.box(YahtzeeRules::sei));
    EXPECT_FALSE(rules.isUsed(YahtzeeRules::sei));
    EXPECT_EQ(rules.total(), 0);
    EXPECT_TRUE(rules.rollButtonReadsNuova() && rules.rollButtonShown() && rules.rollButtonEnabled());
}

// ---- the card: choosing, moving and taking back a choice; the sums ----

class YahtzeeCard : public YahtzeeHand {};

TEST_F(YahtzeeCard, AMovedChoiceMovesTheSumsByTheDifference)
{
    playHand({2, 2, 5, 5, 5}, YahtzeeRules::due); // 4, final at the next Nuova
    roll({6, 6, 6, 3, 3});
    ASSERT_TRUE(rules.gioco_Click(YahtzeeRules::sei));
    EXPECT_EQ(rules.subtotal(), 4 + 18);
    EXPECT_EQ(rules.total(), 22);
    ASSERT_TRUE(rules.gioco_Click(YahtzeeRules::tre));
    EXPECT_FALSE(rules.box(YahtzeeRules::sei));
    EXPECT_EQ(rules.box(YahtzeeRules::tre), 6);
    EXPECT_EQ(rules.subtotal(), 4 + 6);
    EXPECT_EQ(rules.total(), 10);
    ASSERT_TRUE(rules.gioco_Click(YahtzeeRules::full));
    EXPECT_EQ(rules.subtotal(), 4);
    EXPECT_EQ(rules.total(), 4 + 25);

    // Taken back: the box is free, the sums drop and the hand waits for a box.
    ASSERT_TRUE(rules.gioco_Click(YahtzeeRules::full));
    EXPECT_FALSE(rules.box(YahtzeeRules::full));
    EXPECT_EQ(rules.total(), 4);
    EXPECT_FALSE(rules.rollButtonEnabled());
    EXPECT_FALSE(rules.sceltatxt_Click());
    ASSERT_TRUE(rules.gioco_Click(YahtzeeRules::full));
    EXPECT_TRUE(rules.rollButtonEnabled());

    // A used box cannot be chosen again; the choice of the first hand is final.
    EXPECT_TRUE(rules.isUsed(YahtzeeRules::due));
    EXPECT_FALSE(rules.gioco_Click(YahtzeeRules::due));
    EXPECT_EQ(rules.box(YahtzeeRules::due), 4);
    EXPECT_TRUE(rules.isConsistent());
}

TEST_F(YahtzeeCard, AZeroIsWrittenAndUsedLikeAnyOtherValue)
{
    playHand({2, 3, 4, 5, 6}, YahtzeeRules::assi);
    EXPECT_EQ(rules.box(YahtzeeRules::assi), 0);
    roll({1, 1, 1, 1, 1});
    EXPECT_TRUE(rules.isUsed(YahtzeeRules::assi));
    EXPECT_FALSE(rules.gioco_Click(YahtzeeRules::assi));
}

TEST_F(YahtzeeCard, TheBonusNeedsASubtotalAbove62)
{
    playHand({1, 1, 2, 3, 4}, YahtzeeRules::assi); // 2
    playHand({2, 2, 2, 1, 3}, YahtzeeRules::due);  // 6
    playHand({3, 3, 3, 1, 2}, YahtzeeRules::tre);  // 9
    playHand({4, 4, 4, 1, 2}, YahtzeeRules::quattro); // 12
    playHand({5, 5, 5, 1, 2}, YahtzeeRules::cinque);  // 15
    playHand({6, 6, 6, 1, 2}, YahtzeeRules::sei);     // 18
    EXPECT_EQ(rules.subtotal(), 62);
    EXPECT_EQ(rules.bonus(), 0);
    EXPECT_EQ(rules.total(), 62);

    // The same card with three ones: 63, and the bonus follows the choice not yet final.
    rules.Nuova();
    playHand({1, 1, 1, 3, 4}, YahtzeeRules::assi);
    playHand({2, 2, 2, 1, 3}, YahtzeeRules::due);
    playHand({3, 3, 3, 1, 2}, YahtzeeRules::tre);
    playHand({4, 4, 4, 1, 2}, YahtzeeRules::quattro);
    playHand({5, 5, 5, 1, 2}, YahtzeeRules::cinque);
    playHand({6, 6, 6, 1, 2}, YahtzeeRules::sei);
    EXPECT_EQ(rules.subtotal(), 63);
    EXPECT_EQ(rules.bonus(), 35);
    EXPECT_EQ(rules.total(), 98);
    ASSERT_TRUE(rules.gioco_Click(YahtzeeRules::change)); // moved away: the bonus goes with it
    EXPECT_EQ(rules.bonus(), 0);
    EXPECT_EQ(rules.total(), 45 + 21);
}

// ---- the end of the game ----

class YahtzeeEnd : public YahtzeeHand {
protected:
    // Twelve hands that fill every box but SEI, with an upper subtotal of 45 and 100 below.
    void fillAllButSei()
    {
        playHand({1, 1, 1, 2, 3}, YahtzeeRules::assi);    // 3
        playHand({2, 2, 2, 1, 3}, YahtzeeRules::due);     // 6
        playHand({3, 3, 3, 1, 2}, YahtzeeRules::tre);     // 9
        playHand({4, 4, 4, 1, 2}, YahtzeeRules::quattro); // 12
        playHand({5, 5, 5, 1, 2}, YahtzeeRules::cinque);  // 15
        playHand({1, 1, 1, 2, 2}, YahtzeeRules::tris);    // 7
        playHand({1, 1, 1, 1, 2}, YahtzeeRules::poker);   // 6
        playHand({1, 1, 2, 2, 2}, YahtzeeRules::full);    // 25
        playHand({1, 2, 3, 4, 6}, YahtzeeRules::scalaMin); // 30
        playHand({1, 1, 1, 1, 2}, YahtzeeRules::scalaMax); // 0
        playHand({1, 1, 1, 1, 2}, YahtzeeRules::yahtzee);  // 0
        playHand({6, 6, 6, 6, 2}, YahtzeeRules::change);   // 26
        EXPECT_EQ(rules.subtotal(), 45);
        EXPECT_EQ(rules.total(), 45 + 94);
    }
};

TEST_F(YahtzeeEnd, WithTwelveBoxesFilledTheThirdRollFillsTheLastByItself)
{
    fillAllButSei();
    roll({1, 2, 3, 4, 5});
    mark({0, 1, 2});
    roll({6, 6, 6});
    mark({3});
    EXPECT_FALSE(rules.isOver());
    const auto third = roll({6});
    ASSERT_TRUE(third);
    EXPECT_TRUE(third->lastBoxFilled);
    EXPECT_EQ(rules.box(YahtzeeRules::sei), 24);
    EXPECT_TRUE(rules.isOver());
    EXPECT_FALSE(rules.rollButtonShown());
    EXPECT_FALSE(rules.helpShown());
    EXPECT_FALSE(rules.cliccami_Click(0)) << "no die is marked once the game is over";
    EXPECT_TRUE(rules.isConsistent());
}

TEST_F(YahtzeeEnd, TheScoreIsTheTotalWithTheLastBoxAndTheBonusItBrings)
{
    fillAllButSei();
    roll({6, 6, 6, 1, 2});
    EXPECT_FALSE(rules.isOver());
    ASSERT_TRUE(rules.gioco_Click(YahtzeeRules::sei));
    EXPECT_TRUE(rules.isOver());
    EXPECT_EQ(rules.subtotal(), 63);
    EXPECT_EQ(rules.bonus(), 35);
    EXPECT_EQ(rules.finalScore(), 63 + 35 + 94);
    EXPECT_EQ(rules.finalScore(), rules.total());
    EXPECT_FALSE(rules.rollButtonShown());
    EXPECT_FALSE(rules.sceltatxt_Click());
}

TEST_F(YahtzeeEnd, TakingTheLastBoxBackAfterTheEndKeepsTheScore)
{
    fillAllButSei();
    roll({6, 6, 6, 1, 2});
    rules.gioco_Click(YahtzeeRules::sei);
    const int score = rules.finalScore();
    ASSERT_TRUE(rules.gioco_Click(YahtzeeRules::sei)); // it never became used
    EXPECT_FALSE(rules.box(YahtzeeRules::sei));
    EXPECT_EQ(rules.total(), 45 + 94);
    EXPECT_TRUE(rules.isOver());
    EXPECT_EQ(rules.finalScore(), score);
    ASSERT_TRUE(rules.gioco_Click(YahtzeeRules::sei));
    EXPECT_EQ(rules.box(YahtzeeRules::sei), 18);
    EXPECT_EQ(rules.finalScore(), score);
    EXPECT_FALSE(rules.rollButtonShown());
    EXPECT_TRUE(rules.isConsistent());

    rules.Nuova();
    EXPECT_FALSE(rules.isOver());
    EXPECT_EQ(rules.finalScore(), 0);
}

// ---- many games by random legal clicks ----

TEST(YahtzeePlay, RandomGamesKeepTheCardWhole)
{
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        SeededRandom random(seed);
        SeededRandom player(seed * 7919);
        YahtzeeRules rules(random);
        std::map<int, int> final; // box -> value once used
        int hands = 0;
        for (int step = 0; step < 2000 && !rules.isOver(); ++step) {
            const double what = player.next();
            if (what < 0.4) {
                const bool nuova = rules.rollButtonReadsNuova();
                if (rules.sceltatxt_Click() && nuova)
                    ++hands;
            } else if (what < 0.7) {
                rules.cliccami_Click(player.pick(5));
            } else {
                rules.gioco_Click(player.pick(13));
            }
            ASSERT_TRUE(rules.isConsistent()) << "seed " << seed << " step " << step;
            for (int k = 0; k < 13; ++k) {
                if (!rules.isUsed(k))
                    continue;
                const auto at = final.emplace(k, *rules.box(k)).first;
                ASSERT_EQ(at->second, *rules.box(k)) << "a used box changed, seed " << seed;
            }
        }
        ASSERT_TRUE(rules.isOver()) << "seed " << seed;
        EXPECT_EQ(hands, 13) << "seed " << seed;
        EXPECT_EQ(final.size(), 12u) << "seed " << seed;
        for (int k = 0; k < 13; ++k)
            EXPECT_TRUE(rules.box(k)) << "box " << k << " empty at the end, seed " << seed;
        EXPECT_EQ(rules.finalScore(), rules.total()) << "seed " << seed;
    }
}

} // namespace
