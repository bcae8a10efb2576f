// Bowling: what a ball may take, how a game ends, a match's total; then two matches in one window.
#include "games/bowling/bowling_window.h"
#include "shell/card_pictures.h"
#include "shell/controls/pointer.h"
#include "tests/support/window_driver.h"

#include <QStringList>
#include <fstream>
#include <sstream>
#include <tuple>

namespace {

using Deck = BowlingRules::Deck;

// The pins in order (pin p is worth p + 1); the balls' values left to right, '0' for the ten and '?'
// for the values not given, in ascending order.
Deck deck(std::string balls)
{
    balls.resize(10, '?');
    Deck d = BowlingRules::orderedDeck();
    std::string free = "1234567890";
    for (char c : balls)
        if (c != '?')
            free.erase(free.find(c), 1);
    for (int k = 0; k < 10; ++k) {
        const char c = balls[k] == '?' ? free[0] : balls[k];
        if (balls[k] == '?')
            free.erase(0, 1);
        d[10 + k] = {c == '0' ? 10 : c - '0', 2};
    }
    return d;
}
void dealt(ScriptedRandom& random, const std::string& balls = "?")
{
    random.deal(BowlingRules::orderedDeck(), deck(balls), BowlingRules::shuffleSwaps);
}

// Moves as a player makes them: "9:7,8" throws ball 9 at pins 7 and 8, "b9" takes ball 9 in hand,
// "S" is "Scarta", "T" is "Termina" answered Yes. The steps of the last move.
std::vector<BowlingStep> play(BowlingRules& rules, const std::string& script)
{
    std::istringstream in(script);
    std::vector<BowlingStep> steps;
    for (std::string move; in >> move;) {
        steps.clear();
        if (move == "S")
            steps = rules.scarta();
        else if (move == "T")
            steps = rules.termina();
        else if (move[0] == 'b')
            rules.selectBall(std::stoi(move.substr(1)));
        else {
            rules.selectBall(std::stoi(move));
            for (std::size_t at = move.find(':'); at != std::string::npos; at = move.find(',', at + 1))
                rules.selectPin(std::stoi(move.substr(at + 1)));
            steps = rules.gioca();
        }
    }
    return steps;
}

std::string kinds(const std::vector<BowlingStep>& steps)
{
    static const char* const names[] = {"Refused", "Scored", "Strike", "Spare", "MatchOver", "GameOver"};
    std::string out;
    for (const BowlingStep& s : steps)
        out += (out.empty() ? "" : " ") + std::string(names[static_cast<int>(s.kind)]);
    return out;
}

const std::string strike = "9:9 8:8 7:7 6:6 5:5 4:4 3:3 2:2 1:1 0:0";
const std::string spareBalls = "1953287406", spare = "S 8:9 6:7,8 3:5,6 2:4 1:1,2,3 0:0";

struct Throw {
    std::string balls, script, error;
    int prese;
};

} // namespace

// A ball takes one pin of its value, or two or three that hang together and add up to it, to it plus
// ten or plus twenty (the ten only ten); the top row waits for the pins shielding it. Setup throws
// take one pin each with balls 4, 3 and 2; the last throw is judged.
TEST(BowlingRules, WhatABallMayTake)
{
    const Throw table[] = {
        {"?????????8", "9:7", "", 1}, {"?????????8", "9:7,9", "", 2}, {"?????????7", "9:7,8,9", "", 3},
        {"?????????3", "9:4,7,9", "", 3}, {"?????????4", "9:8", "Totale Errato!", 0}, {"?", "9:9", "", 1},
        {"?", "9:3,6,8", "Totale Errato!", 0}, {"?????????7", "9:7,8,9,6", "", 3}, {"?", "b9 7:7", "Totale Errato!", 0},
        {"?", "9:6,7", "Selezione Errata!", 0}, {"?", "9:0,4,9", "Selezione Errata!", 0},
        {"?", "9:0", "Selezione Errata!", 0}, {"?????????6", "9:0,4", "", 2}, {"?", "9:1,2", "Selezione Errata!", 0},
        {"????5????1", "4:4 9:0", "", 2}, {"???68????1", "4:7 3:5 9:0", "Selezione Errata!", 2},
        {"???68????3", "4:7 3:5 9:0,1", "", 4}, {"????5????4", "4:4 9:3", "Selezione Errata!", 1},
        {"????7????4", "4:6 9:3", "", 2}, {"????5????7", "4:4 9:2,3", "Selezione Errata!", 1},
        {"????7????3", "4:6 9:2", "", 2}, {"????5????2", "4:4 9:1", "", 2}, {"????7????2", "4:6 9:1", "Selezione Errata!", 1},
        {"?????????6", "9:5", "Selezione Errata!", 0}, {"????8????6", "4:7 9:5", "", 2},
        {"?????????9", "9:2,5", "Selezione Errata!", 0},
    };
    for (const Throw& row : table) {
        ScriptedRandom random;
        dealt(random, row.balls);
        BowlingRules rules(random);
        rules.nuovaPartita();
        const auto steps = play(rules, row.script);
        EXPECT_EQ(rules.playError(), row.error) << row.script;
        EXPECT_EQ(rules.prese(), row.prese) << row.script;
        EXPECT_EQ(kinds(steps), row.error.empty() ? "" : "Refused") << row.script;
    }
}

// A game ends with all ten pins down (30 for a strike, 20 after "Scarta"), with no ball left to
// throw, or on "Termina"; a thrown or discarded ball never comes back, and "Scarta" comes once.
TEST(BowlingRules, HowAGameEnds)
{
    const struct {
        std::string balls, script;
        int score;
        std::string kinds, states; // the balls: D face down, U face up, G gone
    } table[] = {
        {"?", strike, 30, "Scored Strike", ""},
        {spareBalls, spare, 20, "Scored Spare", ""},
        {"?", "9:9 8:8 7:7 6:6 5:5 4:4 3:3 S 1:1 0:0", 9, "Scored", ""},
        {"1567289304", "S 8:9 6:8 5:7 3:6 2:5 1:4 0:0", -1, "", "GGGGGGGGGG"},
        {"1567289304", "S 8:9 6:8 5:7 3:6 2:5 1:4 0:0 T", 7, "Scored", ""},
        {"?", "T", 0, "Scored", ""},
        {"?", "4:4 7:7 6:6 5:5", -1, "", "DDDUGGGGDU"},
        {"?", "7:7 6:6 S S", -1, "", "DDDUGGGGUG"},
    };
    for (const auto& row : table) {
        ScriptedRandom random;
        dealt(random, row.balls);
        BowlingRules rules(random);
        rules.nuovaPartita();
        const auto steps = play(rules, row.script);
        EXPECT_EQ(rules.score(0), row.score) << row.script;
        EXPECT_EQ(rules.gameNumber(), row.score < 0 ? 0 : 1) << row.script;
        EXPECT_EQ(kinds(steps), row.kinds) << row.script;
        if (steps.size() > 1) {
            EXPECT_EQ(steps[1].text + " " + std::to_string(steps[1].hold), row.kinds.substr(7) == "Strike" ? "STRIKE 3.000000" : "SPARE 3.000000");
        }
        std::string states;
        for (int k = 0; k < 10 && !row.states.empty(); ++k)
            states += "DUG"[static_cast<int>(rules.ballState(k))];
        EXPECT_EQ(states, row.states) << row.script;
    }
}

// Five games make the match; a hundred solves it, and the total is kept in three digits.
TEST(BowlingRules, AMatchAddsUpItsFiveGames)
{
    const std::tuple<std::string, std::string, bool> matches[] = {{"30 30 30 9 0", "099", false}, {"0 30 30 30 30", "120", true}};
    for (const auto& [games, stored, solved] : matches) {
        ScriptedRandom random;
        std::istringstream in(games);
        std::vector<std::string> scripts;
        for (int g; in >> g;) {
            dealt(random, g == 20 ? spareBalls : "?");
            scripts.push_back(g == 30 ? strike : g == 20 ? spare : strike.substr(0, 4 * g) + " T");
        }
        BowlingRules rules(random);
        rules.nuovaPartita();
        std::vector<BowlingStep> steps;
        for (const std::string& s : scripts)
            steps = play(rules, s);
        EXPECT_EQ(BowlingRules::recordRules().store(rules.total()), stored);
        ASSERT_TRUE(kinds(steps).ends_with("MatchOver GameOver"));
        EXPECT_EQ(steps[steps.size() - 2].solved, solved);
        EXPECT_FALSE(rules.canTakeBall(9) || rules.canDiscard() || !play(rules, "T").empty());
    }
}

namespace {

class BowlingWindowTest : public WindowTable<BowlingWindow> {
protected:
    void SetUp() override
    {
        // A name beside a total of 000 is shown, though it holds no record.
        std::ofstream(dir.filePath("rcbwl.dat").toStdString(), std::ios::binary) << TempWorkingDir::scrambled("MARIO   000", 0x5C);
        WindowTable::SetUp();
    }
    void script(ScriptedRandom& r) override { deals(r); }
    Pointer pointer(const QString& name)
    {
        moveOver(window, name);
        return pointerOf(control(window, name));
    }
    // The match the test plays: a strike, two spares, a strike, and nothing in the last game.
    static void deals(ScriptedRandom& r)
    {
        for (const char* balls : {"?", "1953287406", "1953287406", "?", "?"})
            dealt(r, balls);
    }
    void throwAll(const std::string& script)
    {
        std::istringstream in(script);
        for (std::string move; in >> move;) {
            if (move == "S") {
                press("scartt");
                continue;
            }
            press(QStringLiteral("Mazzo(%1)").arg(std::stoi(move)));
            for (std::size_t at = move.find(':'); at != std::string::npos; at = move.find(',', at + 1))
                press(QStringLiteral("CarteB(%1)").arg(std::stoi(move.substr(at + 1))));
            press("Label2");
        }
    }
    // What is on show, and how many pins stand on the lane.
    QString showing()
    {
        QStringList seen;
        if (shown("erroret"))
            seen << caption("erroret");
        if (shown("winnert"))
            seen << caption("winnert") + " " + caption("winnert1") + caption("winnert2");
        for (const char* banner : {"rist", "got"})
            if (shown(banner))
                seen << caption(banner);
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
        EXPECT_EQ(pointer("Mazzo(9)"), Pointer::Arrow);
        clock.duringWaits({});
        return holds;
    }
};

} // namespace

TEST_F(BowlingWindowTest, TwoMatchesTheFirstARecordTheSecondEqualToIt)
{
    EXPECT_EQ(caption("pt") + caption("nome"), "000MARIO   ");
    const QStringList holds = {"3 Selezione Errata! on 10 pins", "3 STRIKE XX on 0 pins", "3 SPARE // on 0 pins",
                               "3 SPARE // on 0 pins", "3 STRIKE XX on 0 pins", "3 Solitario Risolto! on 10 pins",
                               "3 Solitario Risolto!|Game Over on 10 pins"};
    EXPECT_EQ(match(), holds);
    ASSERT_TRUE(shown("reci"));
    typeRecordName(window, "anna");
    const std::string record = TempWorkingDir::scrambled("ANNA    100", 0x5C);
    EXPECT_EQ(dir.bytes("rcbwl.dat"), record);

    deals(*random);
    window->newGameAction()->trigger();
    EXPECT_EQ(caption("pt") + caption("nome"), "100ANNA    ");
    EXPECT_EQ(board(), "-- -- -- -- -- = 000");
    EXPECT_FALSE(shown("rist") || shown("got") || shown("reci"));
    EXPECT_EQ(match(), holds);
    EXPECT_FALSE(shown("reci")) << "an equal total is no record";
    EXPECT_EQ(dir.bytes("rcbwl.dat"), record);
}
