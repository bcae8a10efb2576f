// Bowling: what a ball may take, how a game ends, a match's total; then two matches in one window.
#include "games/bowling/bowling_window.h"
#include "shell/card_pictures.h"
#include "tests/support/window_driver.h"

#include <QStringList>
#include <sstream>
#include <tuple>

namespace {

// Deals the pins in order (pin p is worth p + 1) and the balls' values left to right, '0' for the ten
// and '?' for the values not given, in ascending order.
void dealt(ScriptedRandom& random, std::string balls = "?")
{
    balls.resize(10, '?');
    std::string free = "1234567890";
    std::erase_if(free, [&](char c) { return balls.find(c) != std::string::npos; });
    BowlingRules::Deck deck = BowlingRules::orderedDeck();
    std::size_t next = 0;
    for (int k = 0; k < 10; ++k) {
        const char c = balls[k] == '?' ? free[next++] : balls[k];
        deck[10 + k] = {c == '0' ? 10 : c - '0', 2};
    }
    random.deal(BowlingRules::orderedDeck(), deck, BowlingRules::shuffleSwaps);
}

// Moves as a player makes them: "9:7,8" throws ball 9 at pins 7 and 8, "b9" takes ball 9 in hand,
// "S" is "Scarta", "T" is "Termina" answered Yes. The steps of the last move.
std::vector<BowlingStep> play(BowlingRules& rules, const std::string& script)
{
    std::istringstream in(script);
    std::vector<BowlingStep> steps;
    for (std::string move; in >> move;) {
        steps.clear();
        if (move == "S" || move == "T") {
            steps = move == "S" ? rules.scarta() : rules.termina();
            continue;
        }
        rules.selectBall(std::stoi(move.substr(move[0] == 'b' ? 1 : 0)));
        for (std::size_t at = move.find(':'); at != std::string::npos; at = move.find(',', at + 1))
            rules.selectPin(std::stoi(move.substr(at + 1)));
        if (move[0] != 'b')
            steps = rules.gioca();
    }
    return steps;
}

const std::string strike = "9:9 8:8 7:7 6:6 5:5 4:4 3:3 2:2 1:1 0:0";
const std::string spare = "S 8:9 6:7,8 3:5,6 2:4 1:1,2,3 0:0";

// A ball takes one pin of its value, or two or three that hang together and add up to it, to it plus
// ten or plus twenty (the ten only ten); the top row waits for the pins shielding it. Setup throws
// take one pin each with balls 4, 3 and 2; the last throw is judged. The window's match throws single
// pins, a pair at value plus ten, a triple at value and the ten at the ten, and is refused the top row.
TEST(BowlingRules, WhatABallMayTake)
{
    const struct {
        std::string balls, script, error;
        int prese;
    } table[] = {
        {"?????????3", "9:4,7,9", "", 3}, {"?????????4", "9:8", "Totale Errato!", 0}, {"?", "9:3,6,8", "Totale Errato!", 0},
        {"?????????7", "9:7,8,9,6", "", 3}, {"?", "b9 7:7", "Totale Errato!", 0}, {"?", "9:6,7", "Selezione Errata!", 0},
        {"?", "9:0,4,9", "Selezione Errata!", 0}, {"?????????6", "9:0,4", "", 2}, {"?", "9:1,2", "Selezione Errata!", 0},
        {"????5????1", "4:4 9:0", "", 2}, {"???68????1", "4:7 3:5 9:0", "Selezione Errata!", 2},
        {"???68????3", "4:7 3:5 9:0,1", "", 4}, {"????5????4", "4:4 9:3", "Selezione Errata!", 1},
        {"????7????4", "4:6 9:3", "", 2}, {"????5????7", "4:4 9:2,3", "Selezione Errata!", 1},
        {"????7????3", "4:6 9:2", "", 2}, {"????5????2", "4:4 9:1", "", 2}, {"????7????2", "4:6 9:1", "Selezione Errata!", 1},
        {"?????????6", "9:5", "Selezione Errata!", 0}, {"????8????6", "4:7 9:5", "", 2},
        {"?????????9", "9:2,5", "Selezione Errata!", 0},
    };
    for (const auto& row : table) {
        ScriptedRandom random;
        dealt(random, row.balls);
        BowlingRules rules(random);
        rules.nuovaPartita();
        play(rules, row.script);
        EXPECT_EQ(rules.playError(), row.error) << row.script;
        EXPECT_EQ(rules.prese(), row.prese) << row.script;
    }
}

// A game ends with all ten pins down (the window's match scores a strike and a spare, and a game
// ended at once), with no ball left to throw, or on "Termina"; a thrown or discarded ball never
// comes back, and "Scarta" comes once.
TEST(BowlingRules, HowAGameEnds)
{
    const struct {
        std::string balls, script;
        int score;
        std::string states; // the balls: D face down, U face up, G gone
    } table[] = {
        {"?", "9:9 8:8 7:7 6:6 5:5 4:4 3:3 S 1:1 0:0", 9, ""},
        {"1567289304", "S 8:9 6:8 5:7 3:6 2:5 1:4 0:0", -1, "GGGGGGGGGG"},
        {"1567289304", "S 8:9 6:8 5:7 3:6 2:5 1:4 0:0 T", 7, ""},
        {"?", "4:4 7:7 6:6 5:5", -1, "DDDUGGGGDU"},
        {"?", "7:7 6:6 S S", -1, "DDDUGGGGUG"},
    };
    for (const auto& row : table) {
        ScriptedRandom random;
        dealt(random, row.balls);
        BowlingRules rules(random);
        rules.nuovaPartita();
        const auto steps = play(rules, row.script);
        EXPECT_EQ(rules.score(0), row.score) << row.script;
        EXPECT_EQ(rules.gameNumber(), row.score < 0 ? 0 : 1) << row.script;
        EXPECT_EQ(steps.size(), row.score < 0 ? 0u : 1u) << row.script << ": the score is the game's one step";
        std::string states;
        for (int k = 0; k < 10 && !row.states.empty(); ++k)
            states += "DUG"[static_cast<int>(rules.ballState(k))];
        EXPECT_EQ(states, row.states) << row.script;
    }
}

// Five games make the match; a hundred solves it, and the total is kept in three digits.
TEST(BowlingRules, AMatchAddsUpItsFiveGames)
{
    const std::tuple<std::vector<int>, std::string, bool> matches[] = {{{30, 30, 30, 9, 0}, "099", false},
                                                                       {{0, 30, 30, 30, 30}, "120", true}};
    for (const auto& [games, stored, solved] : matches) {
        ScriptedRandom random;
        for (std::size_t g = 0; g < games.size(); ++g)
            dealt(random);
        BowlingRules rules(random);
        rules.nuovaPartita();
        std::vector<BowlingStep> steps;
        for (int g : games)
            steps = play(rules, g == 30 ? strike : strike.substr(0, 4 * g) + " T");
        EXPECT_EQ(BowlingRules::recordRules().store(rules.total()), stored);
        ASSERT_GE(steps.size(), 2u);
        EXPECT_TRUE(steps[steps.size() - 2].kind == BowlingStep::Kind::MatchOver &&
                    steps.back().kind == BowlingStep::Kind::GameOver);
        EXPECT_EQ(steps[steps.size() - 2].solved, solved);
        EXPECT_FALSE(rules.canTakeBall(9) || rules.canDiscard() || !play(rules, "T").empty());
    }
}

class BowlingWindowTest : public WindowTable<BowlingWindow> {
protected:
    void SetUp() override
    {
        // A name beside a total of 000 is shown, though it holds no record.
        dir.put("rcbwl.dat", TempWorkingDir::scrambled("MARIO   000", 0x5C));
        WindowTable::SetUp();
    }
    // The match the test plays: a strike, two spares, a strike, and nothing in the last game.
    void script(ScriptedRandom& r) override
    {
        for (const char* balls : {"?", "1953287406", "1953287406", "?", "?"})
            dealt(r, balls);
    }
    void throwAll(const std::string& script)
    {
        std::istringstream in(script);
        for (std::string move; in >> move;) {
            press(move == "S" ? QStringLiteral("scartt") : QStringLiteral("Mazzo(%1)").arg(std::stoi(move)));
            for (std::size_t at = move.find(':'); at != std::string::npos; at = move.find(',', at + 1))
                press(QStringLiteral("CarteB(%1)").arg(std::stoi(move.substr(at + 1))));
            if (move != "S")
                press("Label2");
        }
    }
    // What is on show, and how many pins stand on the lane.
    QString showing()
    {
        QStringList seen;
        for (const char* banner : {"erroret", "rist", "got"})
            if (shown(banner))
                seen << caption(banner);
        if (shown("winnert"))
            seen << caption("winnert") + " " + caption("winnert1") + caption("winnert2");
        int pins = 0;
        for (int i = 0; i < 10; ++i)
            pins += shown(QStringLiteral("CarteB(%1)").arg(i));
        return seen.join('|') + QStringLiteral(" on %1 pins").arg(pins);
    }
    QString board()
    {
        QStringList s;
        for (int g = 0; g < 5; ++g)
            s << caption(QStringLiteral("PuntiP(%1)").arg(g));
        return s.join(' ') + " = " + caption("totale");
    }
    // One match; what each hold showed, with its seconds.
    QStringList match()
    {
        QStringList holds;
        clock.duringWaits([&](double s) { holds << QString::number(s) + " " + showing(); });
        EXPECT_TRUE(heard("Mazzo(4)").endsWith("palla, vale 5, 15 o 25") && heard("Mazzo(9)").endsWith("palla, vale 10"));
        EXPECT_EQ(pointer("Mazzo(8)"), Pointer::Arrow);
        throwAll("9:0");
        EXPECT_TRUE(shown("Label2") && shown("mascher(19)")) << "a refused play keeps its selection";
        press("CarteB(8)");
        press("CarteB(9)");
        EXPECT_EQ(pointer("CarteB(7)"), Pointer::NoEntry) << "three pins are chosen";
        ScriptedAnswers no(false);
        press("terminat");
        EXPECT_FALSE(shown("Label2"));
        press("Mazzo(9)");
        throwAll(strike);
        EXPECT_EQ(board(), "30 -- -- -- -- = 030");
        press("Mazzo(9)");
        press("CarteB(9)");
        press("scartt");
        EXPECT_EQ(caption("somma") + caption("prese"), "00") << "Scarta lets go of the pins chosen";
        throwAll(spare.substr(2));
        throwAll(spare);
        throwAll(strike);
        ScriptedAnswers yes(true);
        press("terminat");
        EXPECT_EQ(yes.asked.size(), 1u);
        EXPECT_EQ(board(), "30 20 20 30 0 = 100");
        EXPECT_EQ(picture("CarteB(0)"), pictures::redBack);
        EXPECT_FALSE(control(window, "scartt")->isEnabled());
        clock.duringWaits({});
        return holds;
    }
};

TEST_F(BowlingWindowTest, TwoMatchesTheFirstARecordTheSecondEqualToIt)
{
    EXPECT_EQ(caption("pt") + caption("nome"), "000MARIO   ");
    const QStringList holds = {"3 Selezione Errata! on 10 pins", "3 STRIKE XX on 0 pins", "3 SPARE // on 0 pins",
                               "3 SPARE // on 0 pins", "3 STRIKE XX on 0 pins", "3 Solitario Risolto! on 10 pins",
                               "3 Solitario Risolto!|Game Over on 10 pins"};
    EXPECT_EQ(match(), holds);
    typeRecordName(window, "anna");
    const std::string record = TempWorkingDir::scrambled("ANNA    100", 0x5C);
    EXPECT_EQ(dir.bytes("rcbwl.dat"), record);

    script(*random);
    window->newGameAction()->trigger();
    EXPECT_EQ(caption("pt") + caption("nome"), "100ANNA    ");
    EXPECT_EQ(match(), holds);
    EXPECT_FALSE(shown("reci")) << "an equal total is no record";
    EXPECT_EQ(dir.bytes("rcbwl.dat"), record);
}

} // namespace
