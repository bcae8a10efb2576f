// Poker: what a hand is worth, the draw, credits and bonuses; then two games in one window.
#include "games/poker/poker_window.h"
#include "shell/card_pictures.h"
#include "shell/record_slot.h"
#include "tests/support/window_driver.h"

#include <QStringList>
#include <sstream>

namespace {

const std::string ranks = "A23456789TJQK", suits = "hsdc";

// "Th Jh Qh Kh Ah": rank (T for ten) then suit, h s d c in the deck's order.
std::vector<Card> cardsOf(const std::string& text)
{
    std::istringstream in(text);
    std::vector<Card> out;
    for (std::string w; in >> w;)
        out.push_back({int(ranks.find(w[0])) + 1, int(suits.find(w[1])) + 1});
    return out;
}
// The draws that bring these cards, in order.
void drawn(ScriptedRandom& random, const std::string& text)
{
    for (const Card& c : cardsOf(text))
        random.pick(c.rank, 13, 1).pick(c.suit, 4, 1);
}
// The messages told in the steps: "HAI PERSO!|GAME OVER".
std::string messages(const std::vector<PokerStep>& steps)
{
    std::string out;
    for (const PokerStep& s : steps)
        if (s.kind == PokerStep::Kind::Message)
            out += (out.empty() ? "" : "|") + s.text;
    return out;
}

const std::string loseA = "2h 5s 7d 9c Kh", loseB = "3h 6s 8d Tc Qh";

} // namespace

// A pair pays from the jacks up; runs go on from the king through the ace; a flush run is the top hand.
TEST(PokerRules, WhatAHandIsWorth)
{
    const std::pair<const char*, HandCode> table[] = {
        {"2h 5s 7d 9c Kh", HandCode::None}, {"Th Ts 2d 5c 8h", HandCode::None}, {"Jh 3s Jd 5c 8h", HandCode::CoppiaVestita},
        {"Ah 3s 9d Ac 8h", HandCode::CoppiaVestita}, {"Kh 4s Kd 4c 8h", HandCode::DoppiaCoppia},
        {"2h 2s 2d 9c 8h", HandCode::Tris}, {"3h As 4d 2c 5h", HandCode::Scala}, {"Th Js Qd Kc Ah", HandCode::Scala},
        {"Kh As 2d 3c 4h", HandCode::Scala}, {"9h Ts Jd Qc Kh", HandCode::Scala}, {"Ah 2s 3d 4c 6h", HandCode::None},
        {"Qh Ks Ad 2c 4h", HandCode::None}, {"2h 2s 2d Kc Kh", HandCode::Full}, {"Kh Ks Kd 2c 2h", HandCode::Full},
        {"2d 9d Jd 4d Kd", HandCode::Colore}, {"Kh Ah As Ad Ac", HandCode::Poker}, {"5s 6s 7s 8s 9s", HandCode::ScalaReale},
        {"Kh Ah 2h 3h 4h", HandCode::ScalaReale},
    };
    for (const auto& [hand, code] : table) {
        FiveInts r{}, s{};
        const auto cards = cardsOf(hand);
        for (int i = 0; i < 5; ++i)
            r[i] = cards[i].rank, s[i] = cards[i].suit;
        EXPECT_EQ(evaluateHand(r, s), code) << hand;
    }
}

// Only the marked cards go; the backs appear left to right, a card every 0.02 s, then the new faces;
// a card thrown away in this draw, or one still held, is drawn again.
TEST(PokerRules, TheDraw)
{
    ScriptedRandom random;
    PokerHand hand(random);
    drawn(random, "2h 5s 7d 9c Kh");
    hand.carica();
    hand.toggleMark(1);
    hand.toggleMark(3);
    drawn(random, "5s 2h 9c 3d 4d");
    std::string shown;
    for (const PokerStep& step : hand.carica())
        shown += (step.faceUp ? std::string{ranks[step.card.rank - 1], suits[step.card.suit - 1]} : "**")
                 + std::to_string(step.position) + (step.hold == backHoldSeconds ? "' " : " ");
    EXPECT_EQ(shown, "2h0' **1' 7d2' **3' Kh4' 3d1 4d3 ");
    EXPECT_TRUE(random.scriptedAll());
}

// Hands played with nothing marked, each dealt after the last: a loss costs a credit, the last
// credit ends the game; each thousand points (or a top hand, by its points) gives five credits.
TEST(PokerRules, CreditsScoreAndBonuses)
{
    const struct {
        std::vector<std::string> hands; // the first deal, then the hand drawn after each "Gioca"
        int credits, score, threshold;
        std::string lastMessages;
    } table[] = {
        {{loseA, loseB, loseA, loseB, loseA, loseB, loseA, loseB, loseA, loseB, loseA}, 0, 0, 1000, "HAI PERSO!|GAME OVER"},
        {{"Jh Js 2d 5c 8h", loseB, "Qd Qc 4h 7s 9d", loseA}, 9, 100, 1000, "Vinci 50 Punti"},
        {{"Kh Ks Kd Kc 2h", "4h 4s 4d 4c 9s", "Kh Ks Kd Kc 2h", "5d 6d 7d 8d 9d", "Jh Js Jd 3c 3h", "Qh Qs Qd 5c 5h", loseA},
         40, 6000, 7000, "Vinci 500 Punti|Hai Vinto 5 Crediti"},
    };
    for (const auto& row : table) {
        ScriptedRandom random;
        PokerRules game(random);
        drawn(random, row.hands[0]);
        game.nuovaPartita();
        std::vector<PokerStep> steps;
        for (std::size_t h = 1; h < row.hands.size(); ++h) {
            drawn(random, row.hands[h]);
            steps = game.carica();
            steps = game.controlla();
        }
        const auto state = [&game] {
            return std::to_string(game.credits()) + " " + std::to_string(game.score()) + " "
                   + std::to_string(game.bonusThreshold()) + (game.isOver() ? " over" : "");
        };
        EXPECT_EQ(state(), std::to_string(row.credits) + " " + std::to_string(row.score) + " " + std::to_string(row.threshold)
                               + (row.credits == 0 ? " over" : ""));
        EXPECT_EQ(messages(steps), row.lastMessages);
        game.nuovaPartita();
        EXPECT_EQ(state(), "10 0 1000") << "a new game starts afresh";
    }
}

// The record keeps six digits: a score they cannot hold is kept as the highest they can.
TEST(PokerRules, TheRecordKeepsSixDigits)
{
    EXPECT_EQ(pokerRecordRules().store(50) + " " + pokerRecordRules().store(1234567), "000050 999999");
}

namespace {

class PokerWindowTest : public WindowTable<PokerWindow> {
protected:
    void SetUp() override
    {
        // A name beside no score is shown up to its first blank.
        dir.put("rcpkr.dat", TempWorkingDir::scrambled("MARIO   000000", 0xB7));
        WindowTable::SetUp();
    }
    void script(ScriptedRandom& r) override { drawn(r, "Jh 5s 7d 9c Kh"); }
    QString waits()
    {
        QString out;
        for (double s : clock.takeWaits())
            out += QString::number(s) + " ";
        return out;
    }
    // What a hold shows: the message, the lit row as heard, the score.
    QString showing()
    {
        QStringList seen{shown("vincita") ? caption("vincita") : QString()};
        for (int k = 0; k < 8; ++k)
            if (shown(QStringLiteral("maspo(%1)").arg(k)))
                seen << heard(QStringLiteral("winner(%1)").arg(7 - k));
        return (seen << caption("xxx")).join('|');
    }
    // One game: a pair of jacks drawn, then ten losses. What each hold of 3 s showed, and the lengths.
    QStringList game()
    {
        QStringList held;
        clock.duringWaits([&](double s) {
            if (s > 1)
                held << showing();
        });
        clock.takeWaits();
        EXPECT_EQ(pointer("CarteP(2)"), Pointer::Hand);
        press("CarteP(1)");
        EXPECT_EQ(heard("CarteP(1)"), "Cinque di picche, Scarta");
        press("CarteP(3)");
        drawn(*random, "Js 3d 4s 6h 8c Td Qs");
        press("Label1");
        // The backs of the draw, the message, the backs of the next deal.
        const QString hand = "0.02 0.02 0.02 0.02 0.02 3 0.02 0.02 0.02 0.02 0.02 ";
        EXPECT_EQ(waits(), hand);
        EXPECT_EQ(caption("crd") + " " + caption("xxx"), "10 000050");
        EXPECT_FALSE(shown("tieni(1)") || shown("maspo(0)"));
        // The last hand shares no card with the next game's first.
        for (int h = 0; h < 10; ++h) {
            if (h < 9)
                drawn(*random, h % 2 ? loseA : loseB);
            press("Label1");
        }
        EXPECT_EQ(waits(), hand.repeated(9) + hand.left(27) + "3 ");
        EXPECT_EQ(caption("crd"), "00");
        EXPECT_EQ(picture("CarteP(0)"), pictures::redBack);
        EXPECT_EQ(pointer("CarteP(2)"), Pointer::Arrow) << "the backs take no clicks";
        clock.duringWaits({});
        return held;
    }
};

} // namespace

TEST_F(PokerWindowTest, TwoGamesTheFirstARecordTheSecondEqualToIt)
{
    EXPECT_EQ(caption("recpk") + caption("nome"), "000000MARIO");
    {
        ScriptedAnswers no(false);
        window->close();
        EXPECT_EQ(no.asked.at(0).first, "ABBANDONA");
    }
    QStringList held = {"Vinci 50 Punti|Coppia Vestita 50 Punti, vincente|000000"};
    for (int h = 0; h < 9; ++h)
        held << "HAI PERSO!|000050";
    held << "HAI PERSO!|000050" << "GAME OVER|000050";
    EXPECT_EQ(game(), held);
    {
        ScriptedAnswers no(false);
        window->close();
        EXPECT_EQ(no.asked.at(0).first, "TORNA AL MENU");
    }
    typeRecordName(window, "anna");
    const std::string record = TempWorkingDir::scrambled("ANNA    000050", 0xB7);
    EXPECT_EQ(dir.bytes("rcpkr.dat"), record);

    drawn(*random, "Jh 5s 7d 9c Kh");
    window->newGameAction()->trigger();
    EXPECT_EQ(caption("recpk") + caption("nome") + caption("crd") + caption("xxx"), "000050ANNA10000000");
    EXPECT_FALSE(shown("rci") || shown("rct"));
    EXPECT_EQ(game(), held);
    EXPECT_FALSE(shown("rci")) << "an equal score is no record";
    EXPECT_EQ(dir.bytes("rcpkr.dat"), record);
}
