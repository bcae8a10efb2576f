// Yahtzee: the value of each box, the rolls of a hand, the card's choice and sums, the end; then two
// games in one window.
#include "games/yahtzee/yahtzee_window.h"
#include "shell/record_slot.h"
#include "tests/support/window_driver.h"

#include <algorithm>
#include <sstream>
#include <tuple>

namespace {

using Y = YahtzeeRules;

// Moves as a player makes them: "r11123" rolls and the thrown dice show 1, 1, 1, 2, 3 in order, "r"
// rolls with nothing to throw, "m13" marks dice 1 and 3, "b4" chooses box 4, "N" starts a new game.
// False when the last move was refused.
bool play(Y& rules, ScriptedRandom& random, const std::string& script)
{
    std::istringstream in(script);
    bool taken = true;
    for (std::string move; in >> move;) {
        if (move[0] == 'r') {
            for (char f : move.substr(1))
                random.faces({f - '0'});
            taken = rules.roll().has_value() && random.scriptedAll();
        } else if (move == "N") {
            rules.nuovaPartita();
        } else if (move[0] == 'm') {
            for (char d : move.substr(1))
                taken = rules.toggleMark(d - '0');
        } else {
            taken = rules.chooseBox(std::stoi(move.substr(1)));
        }
    }
    return taken;
}

// Every box once, a roll each; SEI comes last and lifts the upper boxes from 45 to 63, with the bonus.
const std::string fullCard = "r11123 b0 r22213 b1 r33312 b2 r44412 b3 r55512 b4 r11122 b6 r11112 b7 r11222 b8 "
                             "r12346 b9 r12345 b10 r33333 b11 r66662 b12 r66612 b5";

} // namespace

TEST(YahtzeeRules, WhatEachBoxIsWorth)
{
    const std::pair<std::array<int, 5>, std::array<int, 13>> table[] = {
        //  ASSI .. SEI, TRIS, POKER, FULL, SCALA MIN, SCALA MAX, YAHTZEE, CHANGE
        {{3, 3, 3, 5, 5}, {0, 0, 9, 0, 10, 0, 19, 0, 25, 0, 0, 0, 19}},
        {{5, 2, 5, 2, 5}, {0, 4, 0, 0, 15, 0, 19, 0, 25, 0, 0, 0, 19}},
        {{4, 4, 4, 4, 2}, {0, 2, 0, 16, 0, 0, 18, 18, 0, 0, 0, 0, 18}},
        {{6, 6, 6, 6, 6}, {0, 0, 0, 0, 0, 30, 30, 30, 0, 0, 0, 50, 30}},
        {{6, 5, 4, 3, 2}, {0, 2, 3, 4, 5, 6, 0, 0, 0, 30, 40, 0, 20}},
        {{1, 2, 2, 3, 4}, {1, 4, 3, 4, 0, 0, 0, 0, 0, 30, 0, 0, 12}},
        {{1, 2, 4, 5, 6}, {1, 2, 0, 4, 5, 6, 0, 0, 0, 30, 0, 0, 18}},
        {{1, 3, 4, 5, 5}, {1, 0, 3, 4, 10, 0, 0, 0, 0, 0, 0, 0, 18}},
    };
    for (const auto& [faces, values] : table)
        for (int box = 0; box < Y::boxes; ++box)
            EXPECT_EQ(Y::boxValue(box, faces), values[box]) << "box " << box << " of " << faces[0] << faces[1] << faces[2] << faces[3] << faces[4];
}

// A hand: the first roll throws all five, "Cambia" waits for a mark and throws only the marked dice,
// the third roll asks for a box; a box chosen may be moved or taken back until the next hand's roll.
// A new game keeps nothing. Each row: the moves, whether the last was taken, then the card and dice.
TEST(YahtzeeRules, AHandAndTheCard)
{
    const struct {
        std::string script;
        bool taken;
        std::string after; // total, the dice in order, rolls made, then "new hand", "box?", and *i for die i marked
    } table[] = {
        {"m0", false, "0 11111 0 new hand"},
        {"b12", false, "0 11111 0 new hand"},
        {"r52621", true, "0 52621 1"},
        {"r52621 r", false, "0 52621 1"},
        {"r52621 m1 m1 r", false, "0 52621 1"},
        {"r52621 m13 r44", true, "0 54641 2"},
        {"r52621 m13 r44 r", true, "0 54641 3 box?"},
        {"r52621 m13 r44 r m0 r", false, "0 54641 3 box? *0"},
        {"r52621 m13 r44 r b3", true, "8 54641 0 new hand"},
        {"r52621 b1 m0", false, "4 52621 0 new hand"},
        {"r22213 b1 r66633 b5 b2 b8", true, "31 66633 0 new hand"},
        {"r22213 b1 r66633 b8 b8", true, "6 66633 0 new hand"},
        {"r22213 b1 r66633 b8 b8 r", false, "6 66633 0 new hand"},
        {"r22213 b1 r66633 b8 b8 b1", false, "6 66633 0 new hand"},
        {"r22213 b1 r66633 b8 b8 b0 r11111 b0", false, "6 11111 1"},
        {"r11123 b0 r22213 b1 r33312 b2 r44412 b3 r55512 b4 r66611 b5", true, "98 66611 0 new hand"},
        {"r11223 b0 r22213 b1 r33312 b2 r44412 b3 r55512 b4 r66611 b5", true, "62 66611 0 new hand"},
        {"r11123 b0 r22213 b1 r33312 b2 r44412 b3 r55512 b4 r66611 b5 b12", true, "65 66611 0 new hand"},
        {"r11123 b0 r12345 m04 r66 r m3 N b0", false, "0 11111 0 new hand"},
    };
    for (const auto& row : table) {
        ScriptedRandom random;
        Y rules(random);
        EXPECT_EQ(play(rules, random, row.script), row.taken) << row.script;
        std::string after = std::to_string(rules.total()) + " ";
        for (int i = 0; i < 5; ++i)
            after += std::to_string(rules.face(i));
        after += " " + std::to_string(rules.rollCount()) + (rules.startsNewHand() ? " new hand" : "")
                 + (rules.awaitsChoice() ? " box?" : "");
        for (int i = 0; i < 5; ++i)
            after += rules.isMarked(i) ? " *" + std::to_string(i) : "";
        EXPECT_EQ(after, row.after) << row.script;
    }
}

// With twelve boxes written the third roll writes the last by itself; the game's score counts the last
// box and its bonus, and taking that box back changes the card but not the score.
TEST(YahtzeeRules, TheEnd)
{
    const std::tuple<std::string, int, int> ends[] = {
        {"r66612 b5", 282, 282}, {"r12345 m012 r666 m3 r6", 288, 288}, {"r66612 b5 b5", 282, 229}, {"r66612 b5 b5 b5", 282, 282}};
    for (const auto& [last, score, total] : ends) {
        ScriptedRandom random;
        Y rules(random);
        play(rules, random, fullCard.substr(0, fullCard.size() - 9) + last);
        EXPECT_TRUE(rules.isOver()) << last;
        EXPECT_EQ(rules.finalScore(), score) << last;
        EXPECT_EQ(rules.total(), total) << last;
        EXPECT_FALSE(rules.rollOffered() || rules.toggleMark(0)) << last;
    }
    EXPECT_EQ(YahtzeeWindow::recordRules().store(7), "007") << "the record keeps three digits";
}

namespace {

class YahtzeeWindowTest : public WindowTable<YahtzeeWindow> {
protected:
    void SetUp() override
    {
        // A record file holding 000 holds no record: any real game beats it.
        dir.put("rcyah.dat", TempWorkingDir::scrambled("MARIO   000", 0xB7));
        WindowTable::SetUp();
    }
    // The face die i shows, read from its lit pips.
    int face(int i)
    {
        QString lit;
        for (const char* pip : {"AL", "AR", "CL", "CC", "CR", "DL", "DR"})
            lit += shown(QStringLiteral("%1(%2)").arg(QLatin1String(pip)).arg(i)) ? pip : "";
        return static_cast<int>(QStringList{"CC", "ALDR", "ALCCDR", "ALARDLDR", "ALARCCDLDR", "ALARCLCRDLDR"}.indexOf(lit)) + 1;
    }
    QString dice()
    {
        QString d;
        for (int i = 0; i < 5; ++i)
            d += QString::number(face(i));
        return d;
    }
    // The same moves as the rules test's, by clicks.
    void clicks(const std::string& script)
    {
        std::istringstream in(script);
        for (std::string move; in >> move;) {
            if (move[0] == 'r') {
                for (char f : move.substr(1))
                    random->faces({f - '0'});
                press("sceltatxt");
            }
            for (char d : move[0] == 'm' ? move.substr(1) : "")
                press(QStringLiteral("cliccami(%1)").arg(d));
            if (move[0] == 'b')
                press(QStringLiteral("gioco(%1)").arg(QString::fromStdString(move.substr(1))));
        }
    }
    // One game: the first hand rolled three times, the tumbles watched, then the card filled.
    void game()
    {
        std::vector<QString> frames;
        clock.duringWaits([&](double) { frames.push_back(dice()); });
        moveOver(window, "gioco(4)");
        EXPECT_FALSE(shown("msctxt(4)")) << "no box is chosen before the hand's first roll";
        clicks("r12623");
        ASSERT_EQ(frames.size(), 4u);
        for (std::size_t f = 1; f < frames.size(); ++f)
            for (int i = 0; i < 5; ++i)
                EXPECT_NE(frames[f][i], frames[f - 1][i]) << "frame " << f << " die " << i;
        for (double s : clock.takeWaits())
            EXPECT_NEAR(s, 0.1, 1e-9);
        EXPECT_EQ(heard("Label3") + " " + heard("sceltatxt"), "Lanci rimasti: 2 Cambia");
        EXPECT_FALSE(control(window, "sceltatxt")->isEnabled());
        EXPECT_TRUE(pointer("gioco(4)") == Pointer::Hand && shown("msctxt(4)"));
        moveOver(window, "Label4");
        EXPECT_FALSE(shown("msctxt(4)"));
        clicks("m12");
        EXPECT_TRUE(shown("maschera(1)") && heard("cliccami(2)") == "Dado 3: sei, da cambiare");
        frames.clear();
        clicks("r11");
        EXPECT_EQ(frames.size(), 4u);
        EXPECT_TRUE(std::all_of(frames.begin(), frames.end(), [](const QString& f) { return f.startsWith('1') && f.endsWith("23"); }));
        EXPECT_FALSE(shown("help"));
        clicks("r");
        EXPECT_TRUE(shown("help") && !shown("sceltatxt"));
        clicks(fullCard.substr(7));
        EXPECT_EQ(dice(), "66612");
        EXPECT_EQ(caption("subt") + " " + caption("bonus") + " " + caption("totale"), "63 35 282");
        EXPECT_TRUE(shown("gameovert"));
        clock.duringWaits({});
    }
};

} // namespace

TEST_F(YahtzeeWindowTest, TwoGamesTheFirstBeatingA000RecordTheSecondEqualToIt)
{
    EXPECT_EQ(caption("record") + caption("nominativo"), "000CPU     ");
    EXPECT_EQ(dice(), "11111");
    game();
    typeRecordName(window, "lucia");
    const std::string record = TempWorkingDir::scrambled("LUCIA   282", 0xB7);
    EXPECT_EQ(dir.bytes("rcyah.dat"), record);

    window->newGameAction()->trigger();
    EXPECT_EQ(caption("record") + caption("nominativo"), "282LUCIA");
    EXPECT_EQ(dice() + caption("totale") + caption("sceltatxt"), "111110Nuova");
    EXPECT_FALSE(shown("gameovert") || shown("reci"));
    game();
    EXPECT_FALSE(shown("reci")) << "an equal score is no record";
    EXPECT_EQ(dir.bytes("rcyah.dat"), record);
}
