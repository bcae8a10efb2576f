// Zidu Dori's rules on laid-out decks: deal, moves, kings, the green, hole scores, the round and the record.
#include "games/golf/golf_record.h"
#include "games/golf/golf_rules.h"
#include "shell/card_pictures.h"
#include "shell/random.h"
#include "tests/support/golf_decks.h"
#include "tests/support/temp_working_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>
#include <map>
#include <set>

namespace {

using namespace golfdecks;

std::vector<std::string> banners(const std::vector<GolfStep>& steps)
{
    std::vector<std::string> texts;
    for (const GolfStep& step : steps)
        if (step.view.banner.shown)
            texts.push_back(step.view.banner.text);
    return texts;
}

class GolfTable : public ::testing::Test {
protected:
    std::vector<GolfStep> start(const DeckPlan& plan)
    {
        rules.layNextDeck(plan.build());
        auto steps = rules.Nuova();
        EXPECT_TRUE(rules.isConsistent());
        return steps;
    }
    std::vector<GolfStep> stockToNewPile()
    {
        EXPECT_TRUE(rules.Mazzo_Click());
        auto steps = rules.gioca();
        EXPECT_TRUE(rules.isConsistent());
        return steps;
    }
    std::vector<GolfStep> stockOnto(int pile)
    {
        EXPECT_TRUE(rules.Mazzo_Click());
        EXPECT_TRUE(rules.tallone_Click(pile));
        auto steps = rules.gioca();
        EXPECT_TRUE(rules.isConsistent());
        return steps;
    }
    std::vector<GolfStep> cardOnto(int cell, int pile)
    {
        EXPECT_TRUE(rules.tallone_Click(pile));
        EXPECT_TRUE(rules.CarteG_Click(cell)) << "cell " << cell;
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

using GolfDeal = GolfTable;

TEST_F(GolfDeal, TheShuffleKeepsEveryCardOnce)
{
    SeededRandom seeded(3);
    const Deck deck = GolfRules::daicarte(seeded);
    std::set<std::pair<int, int>> seen;
    for (const GolfCard& c : deck)
        seen.insert({c.rank, c.suit});
    EXPECT_EQ(seen.size(), 52u);
    EXPECT_NE(deck, GolfRules::daicarte(seeded)) << "two deals alike";
}

TEST_F(GolfDeal, AHoleIsAnnouncedFaceDownThenDealtWithPileZeroFromTheStock)
{
    const auto steps = start(DeckPlan().first("5h").stock({"9c"}).cell(4, "6s"));
    ASSERT_EQ(steps.size(), 1u);
    const GolfView& announced = steps[0].view;
    EXPECT_EQ(announced.banner.text, "Buca N° 1");
    EXPECT_EQ(announced.banner.face, (Rgb{0, 0, 192}));
    EXPECT_EQ(steps[0].hold, 3.0);
    EXPECT_EQ(std::count(announced.card.begin(), announced.card.end(), pictures::redBack), 35);
    EXPECT_EQ(std::count(announced.pile.begin(), announced.pile.end(), pictures::emptyPlace), 11);
    EXPECT_FALSE(announced.mazzoShown);
    EXPECT_TRUE(announced.backShown);

    const GolfView table = rules.view();
    for (int k = 0; k < 35; ++k)
        EXPECT_EQ(rules.isFree(k), k % 5 == 4) << k;
    EXPECT_EQ(table.card[4], face("6s"));
    EXPECT_EQ(rules.top(0), 5);
    EXPECT_EQ(table.pile[0], face("5h"));
    EXPECT_TRUE(table.single[0]);
    EXPECT_EQ(std::count(table.single.begin(), table.single.end(), true), 1);
    EXPECT_EQ(rules.stockCount(), 16);
    EXPECT_EQ(table.mazzoPicture, face("9c"));
    EXPECT_TRUE(table.mazzoShown && table.backShown);
    EXPECT_EQ(table.rimanenti, "15");
    EXPECT_FALSE(table.teminaEnabled);
    EXPECT_FALSE(table.banner.shown);
    EXPECT_EQ(table.scores[0], "--");
    EXPECT_EQ(table.holesOpen, 1);
    EXPECT_EQ(table.total, "--");
    EXPECT_EQ(rules.tableauCount(), 35);
}

TEST_F(GolfDeal, AKingOnPileZeroIsShownThenTakenWithAPenaltyAndItsPlaceIsRefilledFirst)
{
    const auto steps = start(DeckPlan().first("Kh").stock({"5s", "9d"}));
    ASSERT_EQ(banners(steps), (std::vector<std::string>{"Buca N° 1", "Penalità (+1)"}));
    EXPECT_EQ(steps[1].view.pile[0], face("Kh"));
    EXPECT_EQ(steps[1].view.banner.face, (Rgb{255, 0, 0}));
    EXPECT_EQ(steps[1].view.scores[0], "--");
    EXPECT_EQ(rules.top(0), 0);
    EXPECT_EQ(rules.view().pile[0], pictures::emptyPlace);
    EXPECT_FALSE(rules.view().single[0]);
    EXPECT_EQ(rules.view().penaltiesFilled, 1);
    EXPECT_EQ(rules.view().scores[0], "+1");

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
    EXPECT_EQ(steps[0].view.pile[0], face("Ks"));
    EXPECT_FALSE(steps[0].view.stockFrame);
    EXPECT_EQ(rules.view().scores[0], "+2");
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

class GolfFit : public GolfTable, public ::testing::WithParamInterface<Fit> {};

TEST_P(GolfFit, ATableauCardGoesOnlyOneRankUpOrDown)
{
    const Fit& fit = GetParam();
    start(DeckPlan().first(fit.pileTop).cell(4, fit.played).stock({"5d"}));
    // The card first, then the pile...
    ASSERT_TRUE(rules.CarteG_Click(4));
    EXPECT_EQ(rules.pointerOverPile(0), fit.fits ? GolfPointer::Hand : GolfPointer::NoEntry);
    EXPECT_EQ(rules.tallone_Click(0), fit.fits);
    if (fit.fits) {
        ASSERT_TRUE(rules.tallone_Click(0));
    }
    ASSERT_TRUE(rules.CarteG_Click(4));
    // ...or the pile first, then the card.
    ASSERT_TRUE(rules.tallone_Click(0));
    EXPECT_EQ(rules.pointerOverCard(4), fit.fits ? GolfPointer::Hand : GolfPointer::NoEntry);
    ASSERT_EQ(rules.CarteG_Click(4), fit.fits);
    EXPECT_EQ(rules.giocaShown(), fit.fits);
    if (!fit.fits)
        return;
    rules.gioca();
    EXPECT_EQ(rules.top(0), card(fit.played).rank);
    EXPECT_EQ(rules.view().pile[0], face(fit.played));
    EXPECT_FALSE(rules.isSingle(0));
    EXPECT_FALSE(rules.isPresent(4));
    EXPECT_EQ(rules.view().card[4], 0);
    EXPECT_TRUE(rules.isFree(3));
    EXPECT_EQ(rules.tableauCount(), 34);
    EXPECT_FALSE(rules.giocaShown());
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

using GolfMoves = GolfTable;

TEST_F(GolfMoves, AKingFromTheStockOnAQueenCostsNothingAndKillsThePile)
{
    start(DeckPlan().first("Qh").stock({"Ks", "Js"}).cell(4, "Jd"));
    stockOnto(0);
    EXPECT_EQ(rules.top(0), 13);
    EXPECT_EQ(rules.penalties(), 0);
    EXPECT_EQ(rules.view().scores[0], "--");
    EXPECT_FALSE(rules.tallone_Click(0));
    EXPECT_EQ(rules.pointerOverPile(0), GolfPointer::NoEntry);
    ASSERT_TRUE(rules.CarteG_Click(4));
    EXPECT_FALSE(rules.tallone_Click(0)) << "nothing goes on a king";
}

TEST_F(GolfMoves, OneSourceAtATime)
{
    start(DeckPlan().first("5h").stock({"6d"}).cell(4, "4s").cell(9, "6s").cell(3, "4c"));
    EXPECT_FALSE(rules.CarteG_Click(3)) << "a covered card";
    ASSERT_TRUE(rules.Mazzo_Click());
    EXPECT_TRUE(rules.giocaShown()) << "the stock card alone starts a new pile";
    EXPECT_FALSE(rules.CarteG_Click(4));
    EXPECT_EQ(rules.pointerOverCard(4), GolfPointer::NoEntry);
    ASSERT_TRUE(rules.Mazzo_Click());
    EXPECT_FALSE(rules.giocaShown());

    ASSERT_TRUE(rules.CarteG_Click(4));
    EXPECT_FALSE(rules.Mazzo_Click());
    EXPECT_EQ(rules.pointerOverStock(), GolfPointer::NoEntry);
    EXPECT_FALSE(rules.CarteG_Click(9));
    EXPECT_FALSE(rules.giocaShown()) << "a tableau card needs a pile";
    EXPECT_TRUE(rules.gioca().empty());
    EXPECT_EQ(rules.tableauCount(), 35);
    EXPECT_EQ(rules.pointerOverPile(1), GolfPointer::NoEntry) << "an empty place";
    ASSERT_TRUE(rules.tallone_Click(0));
    EXPECT_TRUE(rules.giocaShown());
    EXPECT_EQ(rules.pointerOverPile(1), GolfPointer::Arrow) << "another pile is selected";
    ASSERT_TRUE(rules.tallone_Click(0));
    EXPECT_FALSE(rules.giocaShown());
}

TEST_F(GolfMoves, NewPilesFillThePlacesInOrderAndAFullTableRefusesOneMore)
{
    start(blockedDeck());
    fillEveryPlace();
    for (int p = 0; p < 11; ++p)
        EXPECT_NE(rules.top(p), 0) << p;
    EXPECT_EQ(rules.top(1), 1);
    EXPECT_EQ(rules.top(10), 12);
    ASSERT_TRUE(rules.Mazzo_Click());
    const GolfView prepared = rules.view();
    EXPECT_TRUE(prepared.giocaShown && prepared.stockFrame);
    EXPECT_TRUE(rules.gioca().empty());
    // Nothing was placed, and the selection is gone with its frame and "Gioca".
    EXPECT_EQ(rules.stockCount(), 6);
    const GolfView after = rules.view();
    EXPECT_FALSE(after.giocaShown);
    EXPECT_FALSE(after.stockFrame);
    EXPECT_FALSE(rules.stockSelected());
}

TEST_F(GolfMoves, AHoleWithNothingLeftToPlayCanBeEnded)
{
    start(blockedDeck());
    fillEveryPlace();
    EXPECT_FALSE(rules.anyMoveLeft());
    ASSERT_TRUE(rules.teminaEnabled());
    EXPECT_TRUE(rules.endNeedsQuestion());
    const auto steps = rules.terminat();
    ASSERT_EQ(banners(steps), (std::vector<std::string>{"+46", "Buca N° 2"})) << "35 cards and 11 single piles";
    EXPECT_EQ(rules.view().scores[0], "+46");
    EXPECT_EQ(rules.view().total, "+46");
    EXPECT_EQ(rules.view().holesOpen, 2);
    EXPECT_EQ(rules.hole(), 2);
    EXPECT_TRUE(rules.isConsistent());
}

TEST_F(GolfMoves, TheLastStockCardLeavesNoCardShownAndEnablesTemina)
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
    EXPECT_FALSE(rules.view().backShown);
    EXPECT_TRUE(rules.view().mazzoShown);
    EXPECT_EQ(rules.view().rimanenti, "0");
    EXPECT_FALSE(rules.teminaEnabled());
    stockOnto(0);
    const GolfView last = rules.view();
    EXPECT_FALSE(last.mazzoShown);
    EXPECT_EQ(last.mazzoPicture, 0);
    EXPECT_EQ(last.rimanenti, "0");
    EXPECT_TRUE(last.teminaEnabled);
    EXPECT_FALSE(rules.Mazzo_Click());
    EXPECT_EQ(rules.pointerOverStock(), GolfPointer::Arrow);
}

using GolfGreen = GolfTable;

TEST_F(GolfGreen, FiveStockCardsAreLaidOnTheTopRowAndTakeFiveOff)
{
    start(greenDeck());
    for (int i = 0; i < 11; ++i)
        stockToNewPile();
    EXPECT_EQ(rules.penalties(), 4);
    EXPECT_EQ(rules.view().scores[0], "+4");
    EXPECT_EQ(rules.stockCount(), 5);
    std::vector<GolfStep> steps;
    for (int j = 0; j < 35; ++j)
        steps = cardOnto(chainCell(j), 0);
    ASSERT_EQ(banners(steps), (std::vector<std::string>{"Sei nel GREEN", "-5"}));
    EXPECT_EQ(steps[0].view.banner.face, (Rgb{192, 255, 192}));
    EXPECT_EQ(steps[0].view.banner.ink, (Rgb{0, 0, 0}));
    const GolfView& laid = steps[1].view;
    EXPECT_EQ(laid.banner.face, (Rgb{0, 192, 192}));
    EXPECT_EQ(laid.scores[0], "+4") << "the bonus is announced before it is counted";
    const std::map<int, std::string> expected{{0, "4c"}, {5, "5c"}, {10, "3c"}, {15, "2c"}, {20, "Ad"}};
    for (int k = 0; k < 35; ++k)
        EXPECT_EQ(laid.card[std::size_t(k)], expected.count(k) ? face(expected.at(k)) : 0) << k;
    EXPECT_FALSE(laid.mazzoShown || laid.backShown);
    EXPECT_EQ(laid.rimanenti, "0");
    EXPECT_TRUE(laid.teminaEnabled);
    EXPECT_EQ(rules.view().scores[0], "-1");
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
    EXPECT_EQ(rules.view().scores[0], "+5");
    EXPECT_EQ(rules.view().total, "+5");
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
    EXPECT_EQ(rules.view().total, "+13");
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
    EXPECT_FALSE(rules.CarteG_Click(3)) << "a card played earlier in the hole";
    EXPECT_EQ(rules.tableauCount(), 7);
}

struct Result {
    const char* name;
    int score;
    const char* text;
    Rgb face;
};

class GolfResultText : public ::testing::TestWithParam<Result> {};

TEST_P(GolfResultText, NamesTheScore)
{
    const GolfResult result = holeResult(GetParam().score);
    EXPECT_EQ(result.text, GetParam().text);
    EXPECT_EQ(result.face, GetParam().face);
}

INSTANTIATE_TEST_SUITE_P(Scores, GolfResultText,
                         ::testing::Values(Result{"MinusFive", -5, "-5", {0, 192, 192}},
                                           Result{"MinusFour", -4, "-4", {0, 192, 192}},
                                           Result{"MinusThree", -3, "-3", {0, 192, 192}},
                                           Result{"Eagle", -2, "Eagle (-2)", {0, 192, 192}},
                                           Result{"Birdie", -1, "Birdie (-1)", {0, 192, 192}},
                                           Result{"Par", 0, "PAR (+0)", {192, 192, 0}},
                                           Result{"Buca", 1, "Buca (+1)", {255, 192, 192}},
                                           Result{"Doppia", 2, "Doppia Buca (+2)", {255, 128, 128}},
                                           Result{"Tripla", 3, "Tripla Buca (+3)", {255, 0, 0}},
                                           Result{"PlusFour", 4, "+4", {192, 0, 0}},
                                           Result{"PlusFive", 5, "+5", {192, 0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GolfScoreText, WritesASignOnlyAboveZero)
{
    EXPECT_EQ(golfScoreText(0), "0");
    EXPECT_EQ(golfScoreText(3), "+3");
    EXPECT_EQ(golfScoreText(-12), "-12");
}

using GolfRound = GolfTable;

TEST_F(GolfRound, NineHolesEndInGameOverAndTheLastIsScoredOnce)
{
    for (int hole = 0; hole < 8; ++hole)
        rules.layNextDeck(blockedDeck().build());
    rules.layNextDeck(lastCardDeck().build());
    rules.Nuova();
    for (int hole = 1; hole <= 8; ++hole) {
        ASSERT_EQ(rules.hole(), hole);
        fillEveryPlace();
        ASSERT_TRUE(rules.teminaEnabled());
        rules.terminat();
        EXPECT_EQ(rules.view().total, "+" + std::to_string(46 * hole));
    }
    ASSERT_EQ(rules.hole(), 9);
    EXPECT_EQ(rules.view().holesOpen, 9);
    for (int i = 0; i < 14; ++i)
        stockToNewPile();
    stockOnto(5);
    std::vector<GolfStep> steps;
    for (int j = 0; j < 35; ++j)
        steps = cardOnto(chainCell(j), 0);
    ASSERT_EQ(banners(steps), (std::vector<std::string>{"+13", "GAME OVER"}));
    EXPECT_EQ(steps.back().view.banner.face, (Rgb{192, 0, 0}));
    ASSERT_TRUE(rules.roundOver());
    EXPECT_EQ(rules.total(), 8 * 46 + 13);
    EXPECT_TRUE(rules.isConsistent());

    // From "GAME OVER" on nothing moves and nothing is scored again.
    const GolfView over = rules.view();
    EXPECT_TRUE(over.banner.shown);
    EXPECT_EQ(over.banner.text, "GAME OVER");
    EXPECT_FALSE(over.teminaEnabled || over.giocaShown || over.mazzoShown || over.backShown);
    EXPECT_TRUE(rules.terminat().empty());
    EXPECT_FALSE(rules.Mazzo_Click());
    EXPECT_FALSE(rules.tallone_Click(1));
    EXPECT_FALSE(rules.CarteG_Click(20));
    EXPECT_TRUE(rules.gioca().empty());
    EXPECT_EQ(rules.pointerOverPile(1), GolfPointer::Arrow);
    EXPECT_EQ(banners(rules.Xnuova()), (std::vector<std::string>{"GAME OVER"})) << "a tenth hole deals nothing";
    EXPECT_EQ(rules.hole(), 9);
    EXPECT_EQ(rules.total(), 8 * 46 + 13);
    EXPECT_EQ(rules.view().scores[8], "+13");
    EXPECT_EQ(rules.view().total, "+381");
    rules.freeze();
    EXPECT_EQ(rules.view().total, "+381");

    rules.Nuova();
    const GolfView fresh = rules.view();
    EXPECT_EQ(rules.hole(), 1);
    EXPECT_FALSE(rules.roundOver());
    EXPECT_FALSE(fresh.banner.shown);
    EXPECT_EQ(fresh.total, "--");
    EXPECT_EQ(fresh.holesOpen, 1);
    for (const std::string& score : fresh.scores)
        EXPECT_EQ(score, "--");
    EXPECT_TRUE(rules.Mazzo_Click());
}

TEST_F(GolfRound, AFrozenTotalTakesItsStoredForm)
{
    rules.layNextDeck(blockedDeck().build());
    rules.Nuova();
    fillEveryPlace();
    rules.terminat();
    rules.freeze();
    EXPECT_EQ(rules.view().total, "+046");
    EXPECT_FALSE(rules.Mazzo_Click()) << "a frozen table takes no move";
}

// Random legal moves through whole rounds: no card is ever lost or doubled, and every hole ends.
TEST(GolfRandomRounds, EveryCardStaysOnceAndEveryRoundEnds)
{
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        SeededRandom random(seed);
        SeededRandom chooser(seed * 7919);
        GolfRules rules(random);
        rules.Nuova();
        int actions = 0;
        while (!rules.roundOver() && actions < 5000) {
            ++actions;
            std::vector<std::function<void()>> moves;
            bool placeFree = false;
            for (int p = 0; p < GolfRules::piles; ++p) {
                placeFree = placeFree || rules.top(p) == 0;
                if (rules.stockCount() > 0 && rules.fits(rules.stockCard().rank, p))
                    moves.push_back([&, p] {
                        rules.Mazzo_Click();
                        rules.tallone_Click(p);
                        rules.gioca();
                    });
                for (int k = 0; k < GolfRules::cells; ++k)
                    if (rules.isFree(k) && rules.fits(rules.card(k).rank, p))
                        moves.push_back([&, p, k] {
                            rules.CarteG_Click(k);
                            rules.tallone_Click(p);
                            rules.gioca();
                        });
            }
            if (rules.stockCount() > 0 && placeFree)
                moves.push_back([&] {
                    rules.Mazzo_Click();
                    rules.gioca();
                });
            ASSERT_FALSE(moves.empty() && !rules.teminaEnabled()) << "a hole with no way on";
            if (moves.empty() || (rules.teminaEnabled() && chooser.pick(20) == 0)) {
                rules.terminat();
            } else {
                moves[std::size_t(chooser.pick(static_cast<int>(moves.size())))]();
                // A stray click now and then must change nothing it should not.
                rules.CarteG_Click(chooser.pick(35));
            }
            ASSERT_TRUE(rules.isConsistent()) << "after action " << actions;
            ASSERT_FALSE(rules.view().giocaShown && !rules.giocaShown());
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
    RecordSlot slot{golfRecordRules()};
};

TEST_F(GolfRecord, SignedTotalsAreWrittenAndReadBackExactly)
{
    slot.read(where());
    EXPECT_EQ(slot.holder(), "CPU");
    EXPECT_EQ(slot.valueCaption(), "+999");
    for (const auto& [total, stored] : std::vector<std::pair<int, std::string>>{{-7, "-007"}, {0, " 000"}, {104, "+104"}}) {
        ASSERT_TRUE(slot.write(where(), "ANNA", total));
        EXPECT_EQ(bytes(), TempWorkingDir::scrambled("ANNA    " + stored, 0x5C));
        RecordSlot again(golfRecordRules());
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
