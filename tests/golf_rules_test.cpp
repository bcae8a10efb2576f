// Zidu Dori's rules on laid-out decks: deal, moves, kings, the green, hole scores, the round and the record.
#include "games/golf/golf_rules.h"
#include "shell/random.h"
#include "tests/support/golf_decks.h"
#include "tests/support/temp_working_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>
#include <map>
#include <optional>

namespace {

using namespace golfdecks;

std::vector<std::string> banners(const std::vector<GolfStep>& steps)
{
    std::vector<std::string> texts;
    for (const GolfStep& step : steps)
        texts.push_back(step.words);
    return texts;
}

class GolfPlay : public ::testing::Test {
protected:
    std::vector<GolfStep> start(const DeckPlan& plan)
    {
        rules.layNextDeck(plan.build());
        auto steps = rules.newRound();
        EXPECT_TRUE(rules.isConsistent());
        return steps;
    }
    std::vector<GolfStep> stockToNewPile()
    {
        EXPECT_TRUE(rules.takeStockCard());
        auto steps = rules.gioca();
        EXPECT_TRUE(rules.isConsistent());
        return steps;
    }
    std::vector<GolfStep> stockOnto(int pile)
    {
        EXPECT_TRUE(rules.takeStockCard());
        EXPECT_TRUE(rules.choosePile(pile));
        auto steps = rules.gioca();
        EXPECT_TRUE(rules.isConsistent());
        return steps;
    }
    std::vector<GolfStep> cardOnto(int cell, int pile)
    {
        EXPECT_TRUE(rules.choosePile(pile));
        EXPECT_TRUE(rules.takeCard(cell)) << "cell " << cell;
        auto steps = rules.gioca();
        EXPECT_TRUE(rules.isConsistent());
        return steps;
    }
    // Ten new piles fill every place; the blocked deck's last two stock cards are left.
    void fillEveryPlace()
    {
        for (int i = 0; i < 10; ++i)
            stockToNewPile();
    }
    SeededRandom random{11};
    GolfRules rules{random};
};

using GolfDeal = GolfPlay;

TEST_F(GolfDeal, AHoleIsAnnouncedThenPlayedWithPileZeroFromTheStock)
{
    const auto steps = start(DeckPlan().first("5h").stock({"9c"}).cell(4, "6s"));
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].news, GolfNews::Hole);
    EXPECT_EQ(steps[0].words, "Buca N° 1");
    EXPECT_EQ(steps[0].hold, 3.0);

    const GolfTable table = rules.table();
    for (int k = 0; k < 35; ++k)
        EXPECT_EQ(rules.isFree(k), k % 5 == 4) << k;
    EXPECT_EQ(table.cell[4], card("6s"));
    EXPECT_EQ(rules.top(0), 5);
    EXPECT_EQ(table.pile[0], card("5h"));
    EXPECT_TRUE(table.single[0]);
    EXPECT_EQ(std::count(table.single.begin(), table.single.end(), true), 1);
    EXPECT_EQ(rules.stockCount(), 16);
    EXPECT_EQ(table.stock, card("9c"));
    EXPECT_EQ(table.beneath, 15);
    EXPECT_FALSE(table.canEndHole);
    EXPECT_FALSE(table.score[0]);
    EXPECT_EQ(table.hole, 1);
    EXPECT_FALSE(table.total);
    EXPECT_EQ(rules.tableauCount(), 35);
}

TEST_F(GolfDeal, AKingOnPileZeroIsShownThenTakenWithAPenaltyAndItsPlaceIsRefilledFirst)
{
    const auto steps = start(DeckPlan().first("Kh").stock({"5s", "9d"}));
    ASSERT_EQ(banners(steps), (std::vector<std::string>{"Buca N° 1", "Penalità (+1)"}));
    EXPECT_EQ(steps[1].news, GolfNews::Penalty);
    EXPECT_EQ(steps[1].table.pile[0], card("Kh"));
    EXPECT_FALSE(steps[1].table.score[0]);
    EXPECT_EQ(rules.top(0), 0);
    EXPECT_TRUE(rules.table().pile[0].isEmpty());
    EXPECT_FALSE(rules.table().single[0]);
    EXPECT_EQ(rules.table().penalties, 1);
    EXPECT_EQ(rules.table().score[0], 1);

    stockToNewPile();
    EXPECT_EQ(rules.top(0), 5);
    stockToNewPile();
    EXPECT_EQ(rules.top(1), 9);
}

TEST_F(GolfDeal, EveryKingThatStartsAPileCostsOneMore)
{
    start(DeckPlan().first("Kh").stock({"Ks", "4d"}));
    const auto steps = stockToNewPile();
    ASSERT_EQ(banners(steps), (std::vector<std::string>{"Penalità (+1)"}));
    EXPECT_EQ(steps[0].table.pile[0], card("Ks"));
    EXPECT_FALSE(steps[0].table.stockSelected);
    EXPECT_EQ(rules.table().score[0], 2);
    EXPECT_EQ(rules.penalties(), 2);
    stockToNewPile();
    EXPECT_EQ(rules.top(0), 4);
}

struct Fit {
    const char* name;
    const char* pileTop;
    const char* played;
    bool fits;
};

class GolfFit : public GolfPlay, public ::testing::WithParamInterface<Fit> {};

TEST_P(GolfFit, ATableauCardGoesOnlyOneRankUpOrDown)
{
    const Fit& fit = GetParam();
    start(DeckPlan().first(fit.pileTop).cell(4, fit.played).stock({"5d"}));
    // The card first, then the pile...
    ASSERT_TRUE(rules.takeCard(4));
    EXPECT_EQ(rules.pileReach(0), fit.fits ? GolfReach::Playable : GolfReach::Blocked);
    EXPECT_EQ(rules.choosePile(0), fit.fits);
    if (fit.fits) {
        ASSERT_TRUE(rules.choosePile(0));
    }
    ASSERT_TRUE(rules.takeCard(4));
    // ...or the pile first, then the card.
    ASSERT_TRUE(rules.choosePile(0));
    EXPECT_EQ(rules.cellReach(4), fit.fits ? GolfReach::Playable : GolfReach::Blocked);
    ASSERT_EQ(rules.takeCard(4), fit.fits);
    EXPECT_EQ(rules.canPlay(), fit.fits);
    if (!fit.fits)
        return;
    rules.gioca();
    EXPECT_EQ(rules.top(0), card(fit.played).rank);
    EXPECT_EQ(rules.table().pile[0], card(fit.played));
    EXPECT_FALSE(rules.isSingle(0));
    EXPECT_FALSE(rules.isPresent(4));
    EXPECT_TRUE(rules.table().cell[4].isEmpty());
    EXPECT_TRUE(rules.isFree(3));
    EXPECT_EQ(rules.tableauCount(), 34);
    EXPECT_FALSE(rules.canPlay());
    EXPECT_EQ(rules.selectedPile(), -1);
    EXPECT_TRUE(rules.isConsistent());
}

INSTANTIATE_TEST_SUITE_P(Ranks, GolfFit,
                         ::testing::Values(Fit{"SixOnFive", "5h", "6s", true}, Fit{"FourOnFive", "5h", "4s", true},
                                           Fit{"FiveOnFive", "5h", "5s", false},
                                           Fit{"SevenOnFive", "5h", "7s", false}, Fit{"TwoOnAce", "Ah", "2s", true},
                                           Fit{"NoKingOnAnAce", "Ah", "Ks", false},
                                           Fit{"JackOnQueen", "Qh", "Js", true},
                                           Fit{"KingOnQueen", "Qh", "Ks", true}),
                         [](const auto& info) { return std::string(info.param.name); });

using GolfMoves = GolfPlay;

TEST_F(GolfMoves, AKingFromTheStockOnAQueenCostsNothingAndKillsThePile)
{
    start(DeckPlan().first("Qh").stock({"Ks", "Js"}).cell(4, "Jd"));
    stockOnto(0);
    EXPECT_EQ(rules.top(0), 13);
    EXPECT_EQ(rules.penalties(), 0);
    EXPECT_FALSE(rules.table().score[0]);
    EXPECT_FALSE(rules.choosePile(0));
    EXPECT_EQ(rules.pileReach(0), GolfReach::Blocked);
    ASSERT_TRUE(rules.takeCard(4));
    EXPECT_FALSE(rules.choosePile(0)) << "nothing goes on a king";
}

TEST_F(GolfMoves, OneSourceAtATime)
{
    start(DeckPlan().first("5h").stock({"6d"}).cell(4, "4s").cell(9, "6s").cell(3, "4c"));
    EXPECT_FALSE(rules.takeCard(3)) << "a covered card";
    EXPECT_EQ(rules.cellReach(3), GolfReach::Covered);
    ASSERT_TRUE(rules.takeStockCard());
    EXPECT_TRUE(rules.canPlay()) << "the stock card alone starts a new pile";
    EXPECT_FALSE(rules.takeCard(4));
    EXPECT_EQ(rules.cellReach(4), GolfReach::Blocked);
    ASSERT_TRUE(rules.takeStockCard());
    EXPECT_FALSE(rules.canPlay());

    ASSERT_TRUE(rules.takeCard(4));
    EXPECT_FALSE(rules.takeStockCard());
    EXPECT_EQ(rules.stockReach(), GolfReach::Blocked);
    EXPECT_FALSE(rules.takeCard(9));
    EXPECT_FALSE(rules.canPlay()) << "a tableau card needs a pile";
    EXPECT_TRUE(rules.gioca().empty());
    EXPECT_EQ(rules.tableauCount(), 35);
    EXPECT_EQ(rules.pileReach(1), GolfReach::Blocked) << "an empty place";
    ASSERT_TRUE(rules.choosePile(0));
    EXPECT_TRUE(rules.canPlay());
    EXPECT_EQ(rules.pileReach(1), GolfReach::Covered) << "another pile is selected";
    ASSERT_TRUE(rules.choosePile(0));
    EXPECT_FALSE(rules.canPlay());
}

TEST_F(GolfMoves, NewPilesFillThePlacesInOrderAndAFullTableRefusesOneMore)
{
    start(blockedDeck());
    fillEveryPlace();
    for (int p = 0; p < 11; ++p)
        EXPECT_NE(rules.top(p), 0) << p;
    EXPECT_EQ(rules.top(1), 1);
    EXPECT_EQ(rules.top(10), 12);
    ASSERT_TRUE(rules.takeStockCard());
    const GolfTable prepared = rules.table();
    EXPECT_TRUE(prepared.movePrepared && prepared.stockSelected);
    EXPECT_TRUE(rules.gioca().empty());
    // Nothing was placed, and the stock card is let go.
    EXPECT_EQ(rules.stockCount(), 6);
    const GolfTable after = rules.table();
    EXPECT_FALSE(after.movePrepared);
    EXPECT_FALSE(after.stockSelected);
}

TEST_F(GolfMoves, AHoleWithNothingLeftToPlayCanBeEnded)
{
    start(blockedDeck());
    fillEveryPlace();
    EXPECT_FALSE(rules.anyMoveLeft());
    ASSERT_TRUE(rules.canEndHole());
    const auto steps = rules.endHole();
    ASSERT_EQ(banners(steps), (std::vector<std::string>{"+46", "Buca N° 2"})) << "35 cards and 11 single piles";
    EXPECT_EQ(steps[0].news, GolfNews::Result);
    EXPECT_EQ(steps[0].score, 46);
    EXPECT_EQ(rules.table().score[0], 46);
    EXPECT_EQ(rules.table().total, 46);
    EXPECT_EQ(rules.hole(), 2);
    EXPECT_TRUE(rules.isConsistent());
}

TEST_F(GolfMoves, TheLastStockCardLeavesNoStockAndTheHoleMayEnd)
{
    // The stock continues pile 0's chain, so all of it can be played there.
    std::vector<std::string> stock;
    std::map<int, int> used;
    const std::vector<int> chain = bounce(6, 17);
    for (std::size_t i = 1; i < chain.size(); ++i)
        stock.push_back({ranks[chain[i] - 1], suits[++used[chain[i]]]});
    start(DeckPlan().first("6h").stock(stock));
    for (int i = 0; i < 15; ++i)
        stockOnto(0);
    EXPECT_EQ(rules.stockCount(), 1);
    EXPECT_EQ(rules.table().beneath, 0);
    EXPECT_FALSE(rules.table().stock.isEmpty());
    EXPECT_FALSE(rules.canEndHole());
    stockOnto(0);
    const GolfTable last = rules.table();
    EXPECT_TRUE(last.stock.isEmpty());
    EXPECT_EQ(last.beneath, 0);
    EXPECT_TRUE(last.canEndHole);
    EXPECT_FALSE(rules.takeStockCard());
    EXPECT_EQ(rules.stockReach(), GolfReach::None);
}

using GolfGreen = GolfPlay;

TEST_F(GolfGreen, FiveStockCardsAreLaidOnTheTopRowAndTakeFiveOff)
{
    start(greenDeck());
    for (int i = 0; i < 11; ++i)
        stockToNewPile();
    EXPECT_EQ(rules.penalties(), 4);
    EXPECT_EQ(rules.table().score[0], 4);
    EXPECT_EQ(rules.stockCount(), 5);
    std::vector<GolfStep> steps;
    for (int j = 0; j < 35; ++j)
        steps = cardOnto(chainCell(j), 0);
    ASSERT_EQ(banners(steps), (std::vector<std::string>{"Sei nel GREEN", "-5"}));
    EXPECT_EQ(steps[0].news, GolfNews::Green);
    EXPECT_EQ(steps[1].news, GolfNews::GreenBonus);
    const GolfTable& laid = steps[1].table;
    EXPECT_EQ(laid.score[0], 4) << "the bonus is announced before it is counted";
    EXPECT_FALSE(laid.greenCounted);
    const std::map<int, std::string> expected{{0, "4c"}, {5, "5c"}, {10, "3c"}, {15, "2c"}, {20, "Ad"}};
    for (int k = 0; k < 35; ++k)
        EXPECT_EQ(laid.cell[std::size_t(k)], expected.count(k) ? card(expected.at(k)) : Card{}) << k;
    EXPECT_TRUE(laid.stock.isEmpty());
    EXPECT_EQ(laid.beneath, 0);
    EXPECT_TRUE(laid.canEndHole);
    EXPECT_EQ(rules.table().score[0], -1);
    EXPECT_TRUE(rules.table().greenCounted);
    EXPECT_EQ(rules.stockCount(), 0);
    EXPECT_EQ(rules.tableauCount(), 5);
    for (int k : {0, 5, 10, 15, 20})
        EXPECT_TRUE(rules.isFree(k));

    EXPECT_TRUE(cardOnto(0, 0).empty());  // 4 on the chain's 5
    EXPECT_TRUE(cardOnto(5, 5).empty());  // 5 on the single 4
    EXPECT_TRUE(cardOnto(10, 0).empty()); // 3 on 4
    EXPECT_TRUE(cardOnto(15, 0).empty()); // 2 on 3
    EXPECT_EQ(rules.hole(), 1);
    steps = cardOnto(20, 0); // the ace ends the hole at once
    ASSERT_EQ(banners(steps), (std::vector<std::string>{"+5", "Buca N° 2"})) << "4 kings, -5, six single piles";
    EXPECT_TRUE(steps[0].table.greenCounted) << "the running score is shown as the green left it";
    EXPECT_EQ(rules.table().score[0], 5);
    EXPECT_FALSE(rules.table().greenCounted);
    EXPECT_EQ(rules.table().total, 5);
    EXPECT_EQ(rules.hole(), 2);
}

TEST_F(GolfGreen, OnlyTheFaceUpCardLeftEndsTheHoleWithoutAGreen)
{
    start(lastCardDeck());
    for (int i = 0; i < 14; ++i)
        stockToNewPile();
    stockOnto(5);
    EXPECT_EQ(rules.stockCount(), 1);
    std::vector<GolfStep> steps;
    for (int j = 0; j < 35; ++j)
        steps = cardOnto(chainCell(j), 0);
    ASSERT_EQ(banners(steps), (std::vector<std::string>{"+13", "Buca N° 2"})) << "4 kings and nine single piles";
    EXPECT_EQ(rules.table().total, 13);
}

TEST_F(GolfGreen, EightStockCardsReachTheBottomRowAndUncoverNothingPlayedBefore)
{
    start(chainDeck({"Kh", "Ks", "Kd", "Kc", "As", "Ac", "2d", "Qd", "4c", "Ad", "2c", "3d", "3c", "4d", "5c", "Qc"}));
    for (int i = 0; i < 8; ++i)
        stockToNewPile();
    std::vector<GolfStep> steps;
    for (int j = 0; j < 35; ++j)
        steps = cardOnto(chainCell(j), 0);
    ASSERT_EQ(banners(steps), (std::vector<std::string>{"Sei nel GREEN", "-8"}));
    for (int k : {0, 5, 10, 15, 20, 25, 30, 4})
        EXPECT_TRUE(rules.isFree(k)) << k;
    EXPECT_EQ(rules.card(4), card("4c"));
    cardOnto(4, 0);
    EXPECT_FALSE(rules.isPresent(3));
    EXPECT_FALSE(rules.isFree(3));
    EXPECT_FALSE(rules.takeCard(3)) << "a card played earlier in the hole";
    EXPECT_EQ(rules.tableauCount(), 7);
}

struct Result {
    const char* name;
    int score;
    const char* text;
};

class GolfResultText : public ::testing::TestWithParam<Result> {};

TEST_P(GolfResultText, NamesTheScore) { EXPECT_EQ(GolfRules::resultName(GetParam().score), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Scores, GolfResultText,
                         ::testing::Values(Result{"MinusFive", -5, "-5"}, Result{"MinusFour", -4, "-4"},
                                           Result{"MinusThree", -3, "-3"}, Result{"Eagle", -2, "Eagle (-2)"},
                                           Result{"Birdie", -1, "Birdie (-1)"}, Result{"Par", 0, "PAR (+0)"},
                                           Result{"Buca", 1, "Buca (+1)"}, Result{"Doppia", 2, "Doppia Buca (+2)"},
                                           Result{"Tripla", 3, "Tripla Buca (+3)"}, Result{"PlusFour", 4, "+4"},
                                           Result{"PlusFive", 5, "+5"}),
                         [](const auto& info) { return std::string(info.param.name); });

using GolfRound = GolfPlay;

TEST_F(GolfRound, NineHolesEndInGameOverAndTheLastIsScoredOnce)
{
    for (int hole = 0; hole < 8; ++hole)
        rules.layNextDeck(blockedDeck().build());
    rules.layNextDeck(lastCardDeck().build());
    rules.newRound();
    for (int hole = 1; hole <= 8; ++hole) {
        ASSERT_EQ(rules.hole(), hole);
        fillEveryPlace();
        ASSERT_TRUE(rules.canEndHole());
        rules.endHole();
        EXPECT_EQ(rules.table().total, 46 * hole);
    }
    ASSERT_EQ(rules.hole(), 9);
    for (int i = 0; i < 14; ++i)
        stockToNewPile();
    stockOnto(5);
    std::vector<GolfStep> steps;
    for (int j = 0; j < 35; ++j)
        steps = cardOnto(chainCell(j), 0);
    ASSERT_EQ(banners(steps), (std::vector<std::string>{"+13", "GAME OVER"}));
    EXPECT_EQ(steps.back().news, GolfNews::GameOver);
    ASSERT_TRUE(rules.roundOver());
    EXPECT_EQ(rules.total(), 8 * 46 + 13);
    EXPECT_TRUE(rules.isConsistent());

    // From "GAME OVER" on nothing moves and nothing is scored again; the stock is put away.
    const GolfTable over = rules.table();
    EXPECT_TRUE(over.over);
    EXPECT_FALSE(over.canEndHole || over.movePrepared);
    EXPECT_TRUE(over.stock.isEmpty());
    EXPECT_EQ(over.beneath, 0);
    EXPECT_TRUE(rules.endHole().empty());
    EXPECT_FALSE(rules.takeStockCard());
    EXPECT_FALSE(rules.choosePile(1));
    EXPECT_FALSE(rules.takeCard(20));
    EXPECT_TRUE(rules.gioca().empty());
    EXPECT_EQ(rules.pileReach(1), GolfReach::None);
    EXPECT_EQ(banners(rules.nextHole()), (std::vector<std::string>{"GAME OVER"})) << "a tenth hole deals nothing";
    EXPECT_EQ(rules.hole(), 9);
    EXPECT_EQ(rules.total(), 8 * 46 + 13);
    EXPECT_EQ(rules.table().score[8], 13);
    EXPECT_EQ(rules.table().total, 381);

    rules.newRound();
    const GolfTable fresh = rules.table();
    EXPECT_EQ(rules.hole(), 1);
    EXPECT_FALSE(rules.roundOver());
    EXPECT_FALSE(fresh.total);
    for (const std::optional<int>& score : fresh.score)
        EXPECT_FALSE(score);
    EXPECT_TRUE(rules.takeStockCard());
}

TEST_F(GolfRound, AFrozenTableTakesNoMove)
{
    rules.layNextDeck(blockedDeck().build());
    rules.newRound();
    fillEveryPlace();
    rules.endHole();
    rules.freeze();
    EXPECT_TRUE(rules.table().frozen);
    EXPECT_FALSE(rules.takeStockCard()) << "a frozen table takes no move";
}

// Random legal moves through whole rounds: no card is ever lost or doubled, and every hole ends.
TEST(GolfRandomRounds, EveryCardStaysOnceAndEveryRoundEnds)
{
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        SeededRandom random(seed);
        SeededRandom chooser(seed * 7919);
        GolfRules rules(random);
        rules.newRound();
        int actions = 0;
        while (!rules.roundOver() && actions < 5000) {
            ++actions;
            std::vector<std::function<void()>> moves;
            bool placeFree = false;
            for (int p = 0; p < GolfRules::piles; ++p) {
                placeFree = placeFree || rules.top(p) == 0;
                if (rules.stockCount() > 0 && rules.fits(rules.stockCard().rank, p))
                    moves.push_back([&, p] {
                        rules.takeStockCard();
                        rules.choosePile(p);
                        rules.gioca();
                    });
                for (int k = 0; k < GolfRules::cells; ++k)
                    if (rules.isFree(k) && rules.fits(rules.card(k).rank, p))
                        moves.push_back([&, p, k] {
                            rules.takeCard(k);
                            rules.choosePile(p);
                            rules.gioca();
                        });
            }
            if (rules.stockCount() > 0 && placeFree)
                moves.push_back([&] {
                    rules.takeStockCard();
                    rules.gioca();
                });
            ASSERT_FALSE(moves.empty() && !rules.canEndHole()) << "a hole with no way on";
            if (moves.empty() || (rules.canEndHole() && chooser.pick(20) == 0)) {
                rules.endHole();
            } else {
                moves[std::size_t(chooser.pick(static_cast<int>(moves.size())))]();
                // A stray click now and then must change nothing it should not.
                rules.takeCard(chooser.pick(35));
            }
            ASSERT_TRUE(rules.isConsistent()) << "after action " << actions;
        }
        ASSERT_TRUE(rules.roundOver());
        EXPECT_EQ(rules.hole(), 9);
    }
}

class GolfRecord : public ::testing::Test {
protected:
    std::string bytes() { return dir.bytes("rcdglf.dat"); }
    std::filesystem::path where() { return dir.path().toStdString(); }
    TempWorkingDir dir;
    RecordSlot slot{GolfRules::recordRules()};
};

TEST_F(GolfRecord, SignedTotalsAreWrittenAndReadBackExactly)
{
    slot.read(where());
    EXPECT_EQ(slot.holder(), "CPU");
    EXPECT_EQ(slot.valueCaption(), "+999");
    for (const auto& [total, stored] : std::vector<std::pair<int, std::string>>{{-7, "-007"}, {0, " 000"}, {104, "+104"}}) {
        ASSERT_TRUE(slot.write(where(), "ANNA", total));
        EXPECT_EQ(bytes(), TempWorkingDir::scrambled("ANNA    " + stored, 0x5C));
        RecordSlot again(GolfRules::recordRules());
        again.read(where());
        EXPECT_FALSE(again.isDefault()) << stored;
        EXPECT_EQ(again.valueCaption(), stored);
        EXPECT_EQ(again.value(), total);
        EXPECT_EQ(again.holder(), "ANNA    ");
        EXPECT_FALSE(again.isBeatenBy(total)) << "an equal total is no record";
        EXPECT_TRUE(again.isBeatenBy(total - 1));
    }
}

TEST_F(GolfRecord, AValueThatIsNoNumberGivesTheDefault)
{
    {
        std::ofstream out(dir.filePath("rcdglf.dat").toStdString(), std::ios::binary);
        out << TempWorkingDir::scrambled("MARCO   +x12", 0x5C);
    }
    slot.read(where());
    EXPECT_TRUE(slot.isDefault());
    EXPECT_EQ(slot.holder(), "CPU");
    EXPECT_EQ(slot.valueCaption(), "+999");
    EXPECT_TRUE(slot.isBeatenBy(998));
}

} // namespace
