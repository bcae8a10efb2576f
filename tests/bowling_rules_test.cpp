// Bowling's rules on scripted deals: balls against pins, the top row, the discard, frame scores and the record.
#include "games/bowling/bowling_rules.h"
#include "shell/random.h"
#include "shell/record_slot.h"
#include "tests/bowling_decks.h"
#include "tests/support/temp_working_dir.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <set>

using namespace bowling_decks;

namespace {

class Bowling : public ::testing::Test {
protected:
    DeckRandom random;
    BowlingRules rules{random};

    // A new match whose games are dealt from `decks` in order, the ordered deck after them.
    void match(const std::vector<BowlingRules::Deck>& decks = {})
    {
        for (const auto& d : decks)
            random.queue(d);
        rules.nuovaPartita();
    }
    void choose(const Play& play)
    {
        rules.selectBall(play.ball);
        for (int pin : play.pins)
            rules.selectPin(pin);
    }
    std::vector<BowlingStep> throwBall(const Play& play)
    {
        choose(play);
        return rules.gioca();
    }
    // Plays that must all be taken; the steps of the last one.
    std::vector<BowlingStep> throwAll(const std::vector<Play>& plays, std::size_t count = 1000)
    {
        std::vector<BowlingStep> steps;
        for (std::size_t i = 0; i < plays.size() && i < count; ++i) {
            steps = throwBall(plays[i]);
            EXPECT_EQ(rules.playError(), "") << "play " << i << " (ball " << plays[i].ball << ")";
        }
        return steps;
    }
    std::vector<BowlingStep> strike() { return throwAll(strikePlays()); }
    std::vector<BowlingStep> spare()
    {
        rules.scarta();
        return throwAll(sparePlays());
    }
    std::vector<BowlingStep> pinsThenTermina(int pins)
    {
        throwAll(strikePlays(), static_cast<std::size_t>(pins));
        return rules.termina();
    }
};

using Kind = BowlingStep::Kind;

std::vector<Kind> kinds(const std::vector<BowlingStep>& steps)
{
    std::vector<Kind> out;
    for (const BowlingStep& s : steps)
        out.push_back(s.kind);
    return out;
}

} // namespace

TEST(BowlingDeal, ShuffleIsThePermutationOfTheTwentyCardsAndASeedRepeatsIt)
{
    for (std::uint64_t seed : {1u, 2u, 77u}) {
        SeededRandom r(seed);
        const auto d = BowlingRules::shuffled(r);
        std::set<std::pair<int, int>> seen;
        for (const Card& c : d) {
            EXPECT_TRUE(c.rank >= 1 && c.rank <= 10 && (c.suit == 1 || c.suit == 2));
            seen.insert({c.rank, c.suit});
        }
        EXPECT_EQ(seen.size(), 20u) << "seed " << seed;
        EXPECT_NE(d, BowlingRules::orderedDeck()) << "seed " << seed;
    }
    SeededRandom a(5), b(5);
    EXPECT_EQ(BowlingRules::shuffled(a), BowlingRules::shuffled(b));
}

// A ball against the pins it is thrown at: its value, plus 10 or plus 20; a ten only at its face.
struct TotalCase {
    const char* name;
    int ball;
    std::vector<int> pinValues; // on pins 9, 7 and 8, which hang together and lie below the top-row rules
    bool right;
};

void PrintTo(const TotalCase& c, std::ostream* os) { *os << c.name; }

class BowlingTotal : public ::testing::TestWithParam<TotalCase> {};

TEST_P(BowlingTotal, IsCheckedAgainstTheBallValue)
{
    const TotalCase& c = GetParam();
    std::map<int, int> pins;
    const int places[] = {9, 7, 8};
    std::vector<int> chosen;
    for (std::size_t i = 0; i < c.pinValues.size(); ++i) {
        pins[places[i]] = c.pinValues[i];
        chosen.push_back(places[i]);
    }
    DeckRandom random;
    random.queue(deck(pins, {{9, c.ball}}));
    BowlingRules rules(random);
    rules.nuovaPartita();
    rules.selectBall(9);
    for (int pin : chosen)
        rules.selectPin(pin);
    ASSERT_TRUE(rules.selectionHangsTogether());
    const auto steps = rules.gioca();
    EXPECT_EQ(rules.playError(), c.right ? "" : "Totale Errato!");
    EXPECT_EQ(rules.prese(), c.right ? static_cast<int>(chosen.size()) : 0);
    if (!c.right) {
        ASSERT_EQ(steps.size(), 1u);
        EXPECT_EQ(steps[0].hold, 3.0);
        // A refused play keeps the ball and the pins chosen.
        EXPECT_EQ(rules.selectedBall(), 9);
        EXPECT_EQ(rules.selectedCount(), static_cast<int>(chosen.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(Bowling, BowlingTotal,
                         ::testing::Values(TotalCase{"ThreeTakesThree", 3, {3}, true},
                                           TotalCase{"ThreeTakesThirteen", 3, {4, 9}, true},
                                           TotalCase{"ThreeTakesTwentyThree", 3, {6, 8, 9}, true},
                                           TotalCase{"ThreeRefusesFour", 3, {4}, false},
                                           TotalCase{"ThreeRefusesTwelve", 3, {5, 7}, false},
                                           TotalCase{"AceTakesTwentyOne", 1, {10, 8, 3}, true},
                                           TotalCase{"TenTakesTen", 10, {10}, true},
                                           TotalCase{"TenRefusesTwenty", 10, {9, 8, 3}, false},
                                           TotalCase{"TenRefusesTwentySeven", 10, {10, 9, 8}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Which selections hang together once some pins are down (knocked in order by balls 9, 7 and 4).
struct SelectionCase {
    const char* name;
    std::vector<int> down;
    std::vector<int> chosen;
    bool together;
};

void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.name; }

class BowlingSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(BowlingSelection, FollowsAdjacencyAndTheTopRowRules)
{
    const SelectionCase& c = GetParam();
    std::map<int, int> ballValues;
    const int setupBalls[] = {9, 7, 4};
    for (std::size_t i = 0; i < c.down.size(); ++i)
        ballValues[setupBalls[i]] = c.down[i] + 1;
    DeckRandom random;
    random.queue(deck({}, ballValues));
    BowlingRules rules(random);
    rules.nuovaPartita();
    for (std::size_t i = 0; i < c.down.size(); ++i) {
        rules.selectBall(setupBalls[i]);
        rules.selectPin(c.down[i]);
        rules.gioca();
        ASSERT_FALSE(rules.isStanding(c.down[i])) << rules.playError();
    }
    // Ball 8 turned up under ball 9, or ball 9 is still there: either is in hand for the selection.
    rules.selectBall(rules.ballState(9) == BallState::FaceUp ? 9 : 8);
    ASSERT_GE(rules.selectedBall(), 0);
    for (int pin : c.chosen)
        rules.selectPin(pin);
    EXPECT_EQ(rules.selectionHangsTogether(), c.together);
    rules.gioca();
    if (!c.together)
        EXPECT_EQ(rules.playError(), "Selezione Errata!");
    else
        EXPECT_NE(rules.playError(), "Selezione Errata!");
}

INSTANTIATE_TEST_SUITE_P(
    Bowling, BowlingSelection,
    ::testing::Values(SelectionCase{"BackPinAlone", {}, {9}, true}, SelectionCase{"SevenAndNine", {}, {7, 9}, true},
                      SelectionCase{"SevenAndSixApart", {}, {6, 7}, false},
                      SelectionCase{"ThreeInAChain", {}, {4, 7, 9}, true},
                      SelectionCase{"OneOfThreeApart", {}, {0, 4, 9}, false},
                      SelectionCase{"TopPinBehindAFullSecondRow", {}, {0}, false},
                      SelectionCase{"TopPinWithThePinBelow", {}, {0, 4}, true},
                      SelectionCase{"OneAndTwoBehindAFullSecondRow", {}, {1, 2}, false},
                      SelectionCase{"ZeroOnceFourIsDown", {4}, {0}, true},
                      SelectionCase{"ZeroShieldedByFour", {7, 5}, {0}, false},
                      SelectionCase{"ZeroWithOneOnceFiveIsDown", {7, 5}, {0, 1}, true},
                      SelectionCase{"ThreeShieldedBySix", {4}, {3}, false},
                      SelectionCase{"ThreeOnceSixIsDown", {6}, {3}, true},
                      SelectionCase{"TwoShieldedByFiveAndSix", {4}, {2, 3}, false},
                      SelectionCase{"TwoOnceSixIsDown", {6}, {2}, true},
                      SelectionCase{"OneOnceFourIsDown", {4}, {1}, true},
                      SelectionCase{"OneShieldedByFourAndFive", {6}, {1}, false},
                      SelectionCase{"FiveWithSixAndSevenStanding", {}, {5}, false},
                      SelectionCase{"FiveOnceSevenIsDown", {7}, {5}, true},
                      SelectionCase{"FiveWithTwoStillRefused", {}, {2, 5}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Bowling, AnotherBallWhileOneIsInHandChangesNothing)
{
    match();
    rules.selectBall(9);
    rules.selectPin(9);
    rules.selectPin(7);
    rules.selectBall(7);
    EXPECT_EQ(rules.selectedBall(), 9);
    EXPECT_EQ(rules.selectedCount(), 2);
    EXPECT_EQ(rules.somma(), 18);
    EXPECT_TRUE(rules.isPinSelected(7) && rules.isGiocaShown());
    // So "Gioca" still checks the pins against ball 9, and three more pins cannot be added.
    rules.selectBall(4);
    for (int pin : {8, 6})
        rules.selectPin(pin);
    EXPECT_EQ(rules.selectedCount(), 3);
    rules.gioca();
    EXPECT_EQ(rules.playError(), "Totale Errato!");
    EXPECT_TRUE(rules.isConsistent());
}

TEST_F(Bowling, AThrownOrDiscardedBallNeverComesBack)
{
    match();
    // Pile 2's last card lies on pile 1's top: once that is thrown, it stays gone.
    throwAll({{4, {4}}, {7, {7}}, {6, {6}}, {5, {5}}});
    EXPECT_EQ(rules.ballState(4), BallState::Gone);
    EXPECT_FALSE(rules.canTakeBall(4));
    rules.selectBall(4);
    EXPECT_EQ(rules.selectedBall(), -1);
    EXPECT_TRUE(rules.isConsistent());

    // The same in a discard: ball 4 goes, ball 5 goes after it and does not bring it back.
    match();
    throwAll({{7, {7}}, {6, {6}}});
    rules.scarta();
    for (int k : {4, 5, 9})
        EXPECT_EQ(rules.ballState(k), BallState::Gone) << k;
    EXPECT_EQ(rules.ballState(3), BallState::FaceUp);
    EXPECT_EQ(rules.ballState(8), BallState::FaceUp);
    EXPECT_EQ(rules.ballState(7), BallState::Gone);
    EXPECT_TRUE(rules.isConsistent());
}

TEST_F(Bowling, ScartaOnceAGameClearsTheSelectionAndGiocaWithIt)
{
    match();
    rules.selectBall(9);
    rules.selectPin(9);
    ASSERT_TRUE(rules.isGiocaShown());
    EXPECT_TRUE(rules.scarta().empty());
    EXPECT_TRUE(rules.discardUsed());
    EXPECT_FALSE(rules.isGiocaShown());
    EXPECT_EQ(rules.ballValue(), 0);
    EXPECT_EQ(rules.somma(), 0);
    EXPECT_EQ(rules.selectedCount(), 0);
    EXPECT_FALSE(rules.isPinSelected(9));
    // "Gioca" answers nothing: there is nothing to check.
    EXPECT_TRUE(rules.gioca().empty());
    EXPECT_EQ(rules.playError(), "");
    EXPECT_EQ(rules.ballCounter(), 7);
    EXPECT_FALSE(rules.canDiscard());
    // Once a game.
    EXPECT_TRUE(rules.scarta().empty());
    EXPECT_EQ(rules.ballCounter(), 7);
    // The next game offers it again.
    rules.termina();
    EXPECT_FALSE(rules.discardUsed());
    EXPECT_TRUE(rules.canDiscard());
}

TEST_F(Bowling, TheCounterEndsAGameOnlyWhenNoBallIsLeftFaceUp)
{
    // Seven throws bring the counter to 3; the discard takes it to 0 with balls still to throw.
    match();
    throwAll(strikePlays(), 7);
    ASSERT_EQ(rules.ballCounter(), 3);
    rules.scarta();
    EXPECT_EQ(rules.ballCounter(), 0);
    EXPECT_EQ(rules.gameNumber(), 0) << "the game goes on while a ball lies face up";
    EXPECT_EQ(rules.ballState(1), BallState::FaceUp);
    // Ball 1 (a two) takes pin 1, ball 0 (an ace) takes pin 0: the last ball ends the game at 9 pins.
    EXPECT_TRUE(throwBall({1, {1}}).empty());
    EXPECT_EQ(rules.gameNumber(), 0);
    const auto steps = throwBall({0, {0}});
    EXPECT_EQ(rules.gameNumber(), 1);
    EXPECT_EQ(rules.score(0), 9);
    EXPECT_EQ(kinds(steps), std::vector<Kind>{Kind::Scored});
}

TEST_F(Bowling, WithEveryBallUsedAndTheCounterAtOneOnlyTerminaEndsTheGame)
{
    // The discard takes balls 4, 7 and 9; the seven left take one pin each and miss pins 1, 2 and 3.
    match({deck({}, {{0, 1}, {1, 5}, {2, 6}, {3, 7}, {4, 2}, {5, 8}, {6, 9}, {7, 3}, {8, 10}, {9, 4}})});
    rules.scarta();
    throwAll({{8, {9}}, {6, {8}}, {5, {7}}, {3, {6}}, {2, {5}}, {1, {4}}, {0, {0}}});
    for (int k = 0; k < 10; ++k)
        ASSERT_EQ(rules.ballState(k), BallState::Gone) << k;
    EXPECT_EQ(rules.ballCounter(), 1);
    EXPECT_EQ(rules.prese(), 7);
    EXPECT_EQ(rules.gameNumber(), 0);
    const auto steps = rules.termina();
    EXPECT_EQ(rules.score(0), 7);
    EXPECT_EQ(rules.gameNumber(), 1);
    EXPECT_EQ(kinds(steps), std::vector<Kind>{Kind::Scored});
}

TEST_F(Bowling, AStrikeShowsTheEmptiedLaneThenItsBannerAndDealsTheNextGame)
{
    match({ordered(), spareDeck()});
    auto steps = strike();
    ASSERT_EQ(kinds(steps), (std::vector<Kind>{Kind::Scored, Kind::Strike}));
    const BowlingTable& lane = steps[0].table;
    EXPECT_EQ(lane.prese, 10);
    EXPECT_EQ(lane.scores[0], 30);
    EXPECT_EQ(lane.total, 30);
    EXPECT_EQ(lane.gameNumber, 0);
    EXPECT_EQ(std::count(lane.standing.begin(), lane.standing.end(), true), 0);
    EXPECT_EQ(steps[1].text, "STRIKE");
    EXPECT_EQ(steps[1].hold, 3.0);
    EXPECT_EQ(rules.gameNumber(), 1);
    EXPECT_EQ(rules.prese(), 0);
    EXPECT_TRUE(rules.isStanding(9));

    steps = spare();
    EXPECT_EQ(rules.score(1), 20);
    EXPECT_EQ(kinds(steps), (std::vector<Kind>{Kind::Scored, Kind::Spare}));
    EXPECT_EQ(steps[1].text, "SPARE");
}

// Five games of a match: pins knocked down before "Termina", or 30 for a strike and 20 for a spare.
struct MatchCase {
    const char* name;
    std::vector<int> games;
    const char* totale;
    bool solved;
};

void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }

class BowlingMatch : public Bowling, public ::testing::WithParamInterface<MatchCase> {};

TEST_P(BowlingMatch, AddsUpToAThreeDigitTotal)
{
    const MatchCase& c = GetParam();
    std::vector<BowlingRules::Deck> decks;
    for (int g : c.games)
        decks.push_back(g == 20 ? spareDeck() : ordered());
    match(decks);
    std::vector<BowlingStep> last;
    for (int g : c.games)
        last = g == 30 ? strike() : g == 20 ? spare() : pinsThenTermina(g);
    ASSERT_TRUE(rules.isOver());
    EXPECT_EQ(BowlingRules::recordRules().store(rules.total()), c.totale);
    EXPECT_EQ(rules.isSolved(), c.solved);
    std::vector<Kind> expected{Kind::Scored};
    if (c.games.back() == 30)
        expected.push_back(Kind::Strike);
    expected.insert(expected.end(), {Kind::MatchOver, Kind::GameOver});
    ASSERT_EQ(kinds(last), expected);
    EXPECT_EQ(last[last.size() - 2].solved, c.solved);
    EXPECT_EQ(last.back().hold, 3.0);
    int sum = 0;
    for (int g = 0; g < 5; ++g)
        sum += rules.score(g);
    EXPECT_EQ(sum, rules.total());
    EXPECT_TRUE(rules.isConsistent());
}

INSTANTIATE_TEST_SUITE_P(Bowling, BowlingMatch,
                         ::testing::Values(MatchCase{"Seven", {7, 0, 0, 0, 0}, "007", false},
                                           MatchCase{"FortyTwo", {30, 2, 0, 1, 9}, "042", false},
                                           MatchCase{"NinetyNine", {30, 30, 30, 9, 0}, "099", false},
                                           MatchCase{"AHundred", {30, 30, 20, 20, 0}, "100", true},
                                           MatchCase{"AHundredAndTwenty", {0, 30, 30, 30, 30}, "120", true},
                                           MatchCase{"AllStrikes", {30, 30, 30, 30, 30}, "150", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Bowling, AfterTheFifthGameNothingPlaysUntilANewMatch)
{
    match();
    for (int g = 0; g < 5; ++g)
        rules.termina();
    ASSERT_TRUE(rules.isOver());
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(rules.ballState(k), BallState::FaceDown) << k;
        EXPECT_FALSE(rules.canTakeBall(k)) << k;
    }
    EXPECT_FALSE(rules.isGiocaShown() || rules.canDiscard());
    rules.selectBall(9);
    rules.selectPin(9);
    EXPECT_EQ(rules.selectedBall(), -1);
    EXPECT_EQ(rules.selectedCount(), 0);
    EXPECT_TRUE(rules.gioca().empty());
    EXPECT_TRUE(rules.scarta().empty());
    EXPECT_TRUE(rules.termina().empty());
    EXPECT_EQ(rules.gameNumber(), 5);
    EXPECT_EQ(rules.total(), 0);
    EXPECT_TRUE(rules.isConsistent());

    rules.nuovaPartita();
    EXPECT_EQ(rules.gameNumber(), 0);
    EXPECT_EQ(rules.score(0), -1);
    EXPECT_EQ(rules.ballState(9), BallState::FaceUp);
}

TEST(BowlingRecord, ThreeDigitsUnderTheKeyAndAnEqualTotalIsNoRecord)
{
    TempWorkingDir dir;
    const std::filesystem::path here = dir.path().toStdString();
    RecordSlot slot(BowlingRules::recordRules());
    slot.read(here);
    EXPECT_TRUE(dir.exists("rcbwl.dat"));
    EXPECT_EQ(slot.holder(), "CPU");
    EXPECT_EQ(slot.valueCaption(), "000");
    EXPECT_TRUE(slot.isBeatenBy(1));
    EXPECT_FALSE(slot.isBeatenBy(0));

    ASSERT_TRUE(slot.write(here, "ANNA", 99));
    EXPECT_EQ(dir.bytes("rcbwl.dat"), TempWorkingDir::scrambled("ANNA    099", 0x5C));
    ASSERT_TRUE(slot.write(here, "BEPPE", 7));
    EXPECT_EQ(dir.bytes("rcbwl.dat"), TempWorkingDir::scrambled("BEPPE   007", 0x5C));
    ASSERT_TRUE(slot.write(here, "CARLOTTA", 120));
    EXPECT_EQ(dir.bytes("rcbwl.dat"), TempWorkingDir::scrambled("CARLOTTA120", 0x5C));

    RecordSlot again(BowlingRules::recordRules());
    again.read(here);
    EXPECT_EQ(again.holder(), "CARLOTTA");
    EXPECT_EQ(again.valueCaption(), "120");
    EXPECT_FALSE(again.isBeatenBy(120));
    EXPECT_TRUE(again.isBeatenBy(121));
}

TEST(BowlingRecord, ANameBesideNoValueIsShownWithTheDefaultTotal)
{
    TempWorkingDir dir;
    {
        std::ofstream out(dir.filePath("rcbwl.dat").toStdString(), std::ios::binary);
        out << TempWorkingDir::scrambled("MARIO   000", 0x5C);
    }
    RecordSlot slot(BowlingRules::recordRules());
    slot.read(dir.path().toStdString());
    EXPECT_EQ(slot.holder(), "MARIO   ");
    EXPECT_EQ(slot.valueCaption(), "000");
    EXPECT_TRUE(slot.isBeatenBy(1));
}

namespace {

// A throw a player might try: a face-up ball and one to three standing pins whose values fit it (the
// rules still judge whether they hang together). False when there is none.
bool aimedThrow(const BowlingRules& rules, Random& random, Play& play)
{
    std::vector<int> up;
    for (int p = 0; p < 10; ++p)
        if (rules.isStanding(p))
            up.push_back(p);
    std::vector<std::vector<int>> groups;
    const std::size_t n = up.size();
    for (std::size_t i = 0; i < n; ++i) {
        groups.push_back({up[i]});
        for (std::size_t j = i + 1; j < n; ++j) {
            groups.push_back({up[i], up[j]});
            for (std::size_t l = j + 1; l < n; ++l)
                groups.push_back({up[i], up[j], up[l]});
        }
    }
    std::vector<Play> fits;
    for (int k = 0; k < 10; ++k) {
        if (rules.ballState(k) != BallState::FaceUp)
            continue;
        const int b = rules.card(10 + k).rank;
        for (const auto& pins : groups) {
            int sum = 0;
            for (int p : pins)
                sum += rules.card(p).rank;
            if (sum == b || (b < 10 && (sum == b + 10 || sum == b + 20)))
                fits.push_back({k, pins});
        }
    }
    if (fits.empty())
        return false;
    play = fits[static_cast<std::size_t>(random.pick(static_cast<int>(fits.size())))];
    return true;
}

} // namespace

// Random clicks over many seeded matches: no pin or ball is counted twice, the total is its games.
TEST(BowlingRandomised, ClicksNeverCountAPinOrBallTwice)
{
    int pinsDown = 0;
    int strikes = 0;
    for (std::uint64_t seed = 1; seed <= 150; ++seed) {
        SeededRandom deals(seed);
        SeededRandom clicks(seed * 7919);
        BowlingRules rules(deals);
        rules.nuovaPartita();
        std::array<BallState, 10> before{};
        int game = 0;
        int presePrima = 0;
        for (int move = 0; move < 3000 && !rules.isOver(); ++move) {
            for (int k = 0; k < 10; ++k)
                before[k] = rules.ballState(k);
            game = rules.gameNumber();
            presePrima = rules.prese();
            // Half the clicks go where a player would click: a face-up ball, a standing pin next to a chosen one.
            const bool aimed = clicks.pick(2) == 0;
            const int what = clicks.pick(1000);
            if (what < 300) {
                int k = clicks.pick(10);
                for (int tries = 0; aimed && tries < 20 && rules.ballState(k) != BallState::FaceUp; ++tries)
                    k = clicks.pick(10);
                rules.selectBall(k);
            } else if (what < 750) {
                int pin = clicks.pick(10);
                for (int tries = 0; aimed && rules.selectedCount() > 0 && tries < 20; ++tries) {
                    const auto& near = BowlingRules::neighbours(pin);
                    if (rules.isStanding(pin) && std::any_of(near.begin(), near.end(), [&](int q) { return rules.isPinSelected(q); }))
                        break;
                    pin = clicks.pick(10);
                }
                rules.selectPin(pin);
            } else if (what < 900) {
                rules.gioca();
            } else if (what < 950) {
                Play play;
                if (aimedThrow(rules, clicks, play)) {
                    rules.selectBall(rules.selectedBall());
                    rules.selectBall(play.ball);
                    for (int pin : play.pins)
                        rules.selectPin(pin);
                }
            } else if (what < 970) {
                rules.scarta();
            } else if (what < 990) {
                rules.keepPlaying();
            } else if (what < 995) {
                rules.selectBall(rules.selectedBall());
            } else {
                rules.termina();
            }
            ASSERT_TRUE(rules.isConsistent()) << "seed " << seed << " move " << move;
            if (rules.gameNumber() != game) {
                pinsDown += presePrima;
                continue;
            }
            // Within a game the pins only fall and the balls only move from face down to face up to gone.
            ASSERT_GE(rules.prese(), presePrima) << "seed " << seed << " move " << move;
            for (int k = 0; k < 10; ++k)
                ASSERT_GE(static_cast<int>(rules.ballState(k)), static_cast<int>(before[k]))
                    << "seed " << seed << " move " << move << " ball " << k;
        }
        while (!rules.isOver())
            rules.termina();
        int sum = 0;
        for (int g = 0; g < 5; ++g) {
            ASSERT_GE(rules.score(g), 0) << "seed " << seed;
            sum += rules.score(g);
        }
        EXPECT_EQ(sum, rules.total()) << "seed " << seed;
        for (int g = 0; g < 5; ++g)
            strikes += rules.score(g) >= 20;
        EXPECT_LE(rules.total(), 150) << "seed " << seed;
    }
    // The clicks play: many pins fall over the matches, and some games see all ten go.
    EXPECT_GT(pinsDown, 1000);
    EXPECT_GT(strikes, 0);
}
