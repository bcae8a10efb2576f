// Tests of the Poker rules: the draw, the value of a hand, credits, score and bonus credits; and the record file.
#include "games/poker/poker_rules.h"
#include "games/poker/poker_window.h"
#include "shell/random.h"
#include "shell/record_slot.h"
#include "tests/support/temp_working_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

namespace {

// "Gioca": the draw and then the valuation, as the window plays them one after the other.
std::vector<PokerStep> gioca(PokerRules& game)
{
    std::vector<PokerStep> steps = game.carica();
    const std::vector<PokerStep> result = game.controlla();
    steps.insert(steps.end(), result.begin(), result.end());
    return steps;
}

// "Th Jh Qh Kh Ah": rank (T for ten) then suit, h s d c in the deck's order.
std::vector<Card> cardsOf(const std::string& text)
{
    std::istringstream in(text);
    std::vector<Card> result;
    for (std::string w; in >> w;)
        result.push_back({int(std::string("A23456789TJQK").find(w[0])) + 1, int(std::string("hsdc").find(w[1])) + 1});
    return result;
}

// The card as `cards` writes it: "Th".
std::string name(const Card& c)
{
    return {"A23456789TJQK"[c.rank - 1], "hsdc"[c.suit - 1]};
}

// Draws exactly the cards queued, so a test chooses every hand dealt; at() throws once the script runs out.
struct ScriptedRandom final : Random {
    void queue(const std::string& hand)
    {
        for (const Card& c : cardsOf(hand))
            numbers.insert(numbers.end(), {(c.rank - 0.5) / 13, (c.suit - 0.5) / 4});
    }
    double next() override { return numbers.at(used++); }
    bool allUsed() const { return used == numbers.size(); }
    std::vector<double> numbers;
    std::size_t used = 0;
};

// The messages a player reads during the steps, one after the other: "HAI PERSO!|GAME OVER".
std::string messages(const std::vector<PokerStep>& steps)
{
    std::string out;
    for (const PokerStep& s : steps)
        if (s.kind == PokerStep::Kind::Message)
            out += (out.empty() ? "" : "|") + s.text;
    return out;
}

} // namespace

struct EvaluationCase {
    const char* hand;
    HandCode expected;
    friend void PrintTo(const EvaluationCase& c, std::ostream* os) { *os << c.hand; }
};

class PokerEvaluation : public testing::TestWithParam<EvaluationCase> {};

TEST_P(PokerEvaluation, ValuesTheHand)
{
    FiveInts ranks{}, suits{};
    const auto hand = cardsOf(GetParam().hand);
    for (int i = 0; i < 5; ++i)
        ranks[i] = hand[i].rank, suits[i] = hand[i].suit;
    EXPECT_EQ(evaluateHand(ranks, suits), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Hands, PokerEvaluation, testing::Values(
    EvaluationCase{"2h 5s 7d 9c Kh", HandCode::None}, EvaluationCase{"Th Ts 2d 5c 8h", HandCode::None},
    EvaluationCase{"Jh 3s Jd 5c 8h", HandCode::CoppiaVestita}, EvaluationCase{"Ah 3s 9d Ac 8h", HandCode::CoppiaVestita},
    EvaluationCase{"2h 2s 3d 3c 8h", HandCode::DoppiaCoppia}, EvaluationCase{"Kh 4s Kd 4c 8h", HandCode::DoppiaCoppia},
    EvaluationCase{"2h 2s 2d 9c 8h", HandCode::Tris}, EvaluationCase{"3h As 4d 2c 5h", HandCode::Scala},
    EvaluationCase{"Th Js Qd Kc Ah", HandCode::Scala}, EvaluationCase{"Jh Qs Kd Ac 2h", HandCode::Scala},
    EvaluationCase{"Qh Ks Ad 2c 3h", HandCode::Scala}, EvaluationCase{"Kh As 2d 3c 4h", HandCode::Scala},
    EvaluationCase{"9h Ts Jd Qc Kh", HandCode::Scala}, EvaluationCase{"Ah 2s 3d 4c 6h", HandCode::None},
    EvaluationCase{"Qh Ks Ad 2c 4h", HandCode::None}, EvaluationCase{"2h 2s 2d Kc Kh", HandCode::Full},
    EvaluationCase{"Kh Ks Kd 2c 2h", HandCode::Full}, EvaluationCase{"2d 9d Jd 4d Kd", HandCode::Colore},
    EvaluationCase{"7h 7s 7d 7c 2h", HandCode::Poker}, EvaluationCase{"Kh Ah As Ad Ac", HandCode::Poker},
    EvaluationCase{"5s 6s 7s 8s 9s", HandCode::ScalaReale}, EvaluationCase{"Ac Kc Qc Jc Tc", HandCode::ScalaReale},
    EvaluationCase{"Kh Ah 2h 3h 4h", HandCode::ScalaReale}));

TEST(PokerDraw, NoRepeatsNoDiscardBackAndAFreshDealSharesNothing)
{
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        SeededRandom random(seed), choice(seed + 1000);
        PokerHand hand(random);
        hand.carica();
        for (int round = 0; round < 20; ++round) {
            std::vector<Card> before, thrown;
            for (int i = 0; i < 5; ++i) {
                before.push_back(hand.card(i));
                if (choice.next() < 0.5 && hand.toggleMark(i))
                    thrown.push_back(hand.card(i));
            }
            const bool fresh = round % 5 == 4;
            if (fresh)
                hand.ripulisci();
            hand.carica();
            std::set<std::pair<int, int>> seen;
            for (int i = 0; i < 5; ++i) {
                const Card& c = hand.card(i);
                const auto& gone = fresh ? before : thrown;
                ASSERT_TRUE(seen.insert({c.rank, c.suit}).second) << "seed " << seed;
                ASSERT_EQ(std::count(gone.begin(), gone.end(), c), 0) << "seed " << seed;
                ASSERT_TRUE(fresh || hand.isMarked(i) || c == before[i]) << "seed " << seed;
            }
        }
    }
}

TEST(PokerDraw, BacksLeftToRightThenNewFacesAndADiscardDrawnAgainIsRedrawn)
{
    ScriptedRandom random;
    PokerHand hand(random);
    random.queue("2h 5s 7d 9c Kh");
    hand.carica();
    hand.toggleMark(1);
    hand.toggleMark(3);
    random.queue("5s 2h 9c 3d 4d"); // the discarded 5s, a card held, the other discard, then 3d; then 4d
    const auto steps = hand.carica();
    ASSERT_TRUE(random.allUsed());
    // Faces kept, backs for the cards going, then the new faces: "2h ** 7d ** Kh 3d 4d".
    std::string shown;
    for (const PokerStep& step : steps)
        shown += (shown.empty() ? "" : " ") + (step.faceUp ? name(step.card) : "**");
    EXPECT_EQ(shown, "2h ** 7d ** Kh 3d 4d");
    ASSERT_EQ(steps.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(steps[i].position, i < 5 ? i : 2 * i - 9) << i;
        EXPECT_EQ(steps[i].hold, i < 5 ? backHoldSeconds : 0.0) << i;
    }
    EXPECT_EQ(hand.sortedRanks(), (std::array<int, 5>{2, 3, 4, 7, 13}));
}

// Numbers at both ends of [0, 1): the draw must reach the first and the last card of the deck.
struct EdgeRandom final : Random {
    double next() override { return numbers.at(used++); }
    std::vector<double> numbers{0.0, 0.0, 0.99999, 0.99999, 0.5, 0.5, 0.3, 0.1, 0.6, 0.9};
    std::size_t used = 0;
};

TEST(PokerDraw, TheWholeDeckCanBeDrawnFromTheAceOfHeartsToTheKingOfClubs)
{
    EdgeRandom random;
    PokerHand hand(random);
    hand.carica();
    EXPECT_EQ(hand.card(0), (Card{1, 1}));
    EXPECT_EQ(hand.card(1), (Card{13, 4}));
}

class PokerCredits : public testing::Test {
protected:
    std::vector<PokerStep> start(const std::string& firstHand)
    {
        random.queue(last = firstHand);
        return game.nuovaPartita();
    }
    // "Gioca" on the hand dealt with nothing marked; nextHand is dealt after it.
    std::vector<PokerStep> play(const std::string& nextHand)
    {
        random.queue(last = nextHand);
        auto steps = gioca(game);
        EXPECT_TRUE(random.allUsed()) << "the draw strayed from the script";
        return steps;
    }
    // Hands that pay nothing, each sharing no card with the one before.
    void playLosing(int hands)
    {
        for (int i = 0; i < hands; ++i)
            play(last == loseA ? loseB : loseA);
    }

    const std::string loseA = "2h 5s 7d 9c Kh", loseB = "3h 6s 8d Tc Qh";
    const std::string pairA = "Jh Js 2d 5c 8h", pairB = "Qd Qc 3h 6s 9d";
    std::string last;
    ScriptedRandom random;
    PokerRules game{random};
};

TEST_F(PokerCredits, ALossCostsOneCreditAndTheLastShowsHaiPersoThenGameOver)
{
    start(loseA);
    EXPECT_EQ(messages(play(loseB)), "HAI PERSO!");
    EXPECT_EQ(game.credits(), 9);
    playLosing(8);
    EXPECT_EQ(game.score(), 0);
    const auto steps = gioca(game);
    EXPECT_EQ(messages(steps), "HAI PERSO!|GAME OVER");
    EXPECT_EQ(game.credits(), 0);
    EXPECT_TRUE(game.isOver());
    // The cards end face down, and a new hand is never dealt.
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(steps[steps.size() - 6 + i].faceUp);
    EXPECT_EQ(steps.back().kind, PokerStep::Kind::GameOver);
    EXPECT_FALSE(game.toggleMark(0));
    EXPECT_TRUE(gioca(game).empty());
}

TEST_F(PokerCredits, AWinPaysPointsAndReachingAThousandGivesFiveCredits)
{
    start(pairA);
    for (int i = 0; i < 19; ++i)
        play(i % 2 ? pairA : pairB);
    EXPECT_EQ(game.credits(), 10);
    EXPECT_EQ(game.score(), 950);
    EXPECT_EQ(messages(play(pairA)), "Vinci 50 Punti|Hai Vinto 5 Crediti");
    EXPECT_EQ(game.score(), 1000);
    EXPECT_EQ(game.credits(), 15);
    EXPECT_EQ(game.bonusThreshold(), 2000);
}

TEST_F(PokerCredits, TopHandsMoveTheThresholdOnSoLaterBonusesStillCome)
{
    start("Kh Ks Kd Kc 2h");
    play("4h 4s 4d 4c 9s");
    play("Kh Ks Kd Kc 2h");
    play("5d 6d 7d 8d 9d");
    ASSERT_EQ(game.bonusThreshold(), 4000);
    ASSERT_EQ(game.credits(), 25);
    EXPECT_EQ(messages(play("Jh Js Jd 3c 3h")), "Vinci 2000 Punti|Hai Vinto 10 Crediti");
    EXPECT_EQ(game.lastCode(), HandCode::ScalaReale);
    EXPECT_EQ(game.score(), 5000);
    EXPECT_EQ(game.credits(), 35);
    EXPECT_EQ(game.bonusThreshold(), 6000);
    play("Qh Qs Qd 5c 5h");
    EXPECT_EQ(messages(play(loseA)), "Vinci 500 Punti|Hai Vinto 5 Crediti");
    EXPECT_EQ(game.score(), 6000);
    EXPECT_EQ(game.credits(), 40);
}

// The record file "rcpkr.dat" as the window reads it, from the plain text of its bytes.
class PokerRecordRead : public testing::Test {
protected:
    void store(const std::string& plain)
    {
        std::ofstream out(dir.filePath("rcpkr.dat").toStdString(), std::ios::binary | std::ios::trunc);
        out << TempWorkingDir::scrambled(plain, 0xB7);
    }
    std::string read(const std::string& plain)
    {
        store(plain);
        slot.read(dir.path().toStdString());
        return slot.holder() + " " + slot.valueCaption();
    }
    TempWorkingDir dir;
    RecordSlot slot{pokerRecordRules()};
};

TEST_F(PokerRecordRead, HolderValueDefaultsAndTexts)
{
    EXPECT_EQ(read(""), "CPU 000000");
    EXPECT_EQ(read("ANNA    001250XYZ"), "ANNA 001250");
    read("LUCA    000010");
    EXPECT_EQ(read("BOB "), "LUCA 000000"); // too short for a name: the holder shown stays
    EXPECT_EQ(read("        000000"), " 000000");
    EXPECT_EQ(read("BOB     12"), "BOB 000012");
    EXPECT_EQ(slot.value(), 12);
    EXPECT_EQ(read("BOB     -00050"), "BOB 000000");
    EXPECT_EQ(slot.value(), 0);
    EXPECT_EQ(read("AB CDEFGHIJ"), "AB 000000");
    EXPECT_EQ(slot.storedText(999999) + slot.storedText(1000000), "999999999999");
}

class PokerRecordValue : public testing::TestWithParam<std::pair<long long, long long>> {};

TEST_P(PokerRecordValue, ReadsBackAsWritten)
{
    const auto [score, kept] = GetParam();
    TempWorkingDir dir;
    RecordSlot slot(pokerRecordRules());
    ASSERT_TRUE(slot.write(dir.path().toStdString(), "ANNA", score));
    RecordSlot again(pokerRecordRules());
    again.read(dir.path().toStdString());
    EXPECT_EQ(again.value(), kept);
    EXPECT_EQ(again.holder(), "ANNA");
    EXPECT_FALSE(again.isBeatenBy(kept));
    EXPECT_TRUE(again.isBeatenBy(kept + 1));
}

INSTANTIATE_TEST_SUITE_P(EveryScore, PokerRecordValue,
                         testing::Values(std::pair{0LL, 0LL}, std::pair{1LL, 1LL}, std::pair{999999LL, 999999LL},
                                         std::pair{1234567LL, 999999LL}),
                         [](const testing::TestParamInfo<std::pair<long long, long long>>& info) {
                             return "Score" + std::to_string(info.param.first);
                         });
