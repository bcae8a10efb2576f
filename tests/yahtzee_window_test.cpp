// Yahtzee's window, driven by clicks on its real controls on the fake clock.
#include "app/game_list.h"
#include "games/yahtzee/yahtzee_window.h"
#include "shell/menu_window.h"
#include "shell/shell.h"
#include "shell/controls/label.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "tests/support/fake_clock.h"
#include "tests/support/temp_working_dir.h"
#include "tests/support/window_driver.h"
#include "tests/yahtzee_scripted_dice.h"

#include <QLineEdit>
#include <QTimer>
#include <fstream>

namespace {

const char* const pipNames[] = {"AL", "AR", "CL", "CC", "CR", "DL", "DR"};

// One hand of a scripted game: the five faces of the first roll and the box they are written in.
struct Hand {
    std::initializer_list<int> faces;
    int box;
};

// Every box filled once; SEI comes last and only it lifts the upper section to 63 and its bonus.
const Hand bonusAtTheEnd[] = {
    {{1, 1, 1, 2, 3}, YahtzeeRules::assi},     {{2, 2, 2, 1, 3}, YahtzeeRules::due},
    {{3, 3, 3, 1, 2}, YahtzeeRules::tre},      {{4, 4, 4, 1, 2}, YahtzeeRules::quattro},
    {{5, 5, 5, 1, 2}, YahtzeeRules::cinque},   {{1, 1, 1, 2, 2}, YahtzeeRules::tris},
    {{1, 1, 1, 1, 2}, YahtzeeRules::poker},    {{1, 1, 2, 2, 2}, YahtzeeRules::full},
    {{1, 2, 3, 4, 6}, YahtzeeRules::scalaMin}, {{1, 2, 3, 4, 5}, YahtzeeRules::scalaMax},
    {{3, 3, 3, 3, 3}, YahtzeeRules::yahtzee},  {{6, 6, 6, 6, 2}, YahtzeeRules::change},
    {{6, 6, 6, 1, 2}, YahtzeeRules::sei},
};
constexpr int beforeTheLastBox = 45 + 184;
constexpr int finalScore = 63 + 35 + 184;

class YahtzeeWindowTest : public ::testing::Test {
protected:
    void SetUp() override { clock.setAutoAdvance(true); }
    void TearDown() override { closeAllWindows(); }
    void open()
    {
        auto owned = std::make_unique<ScriptedDice>();
        dice = owned.get();
        window = new YahtzeeWindow(std::move(owned));
        window->show();
    }
    QString caption(const QString& name) { return control<QLabel>(window, name)->text(); }
    bool shown(const QString& name) { return control(window, name)->isVisible(); }
    static QString at(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }
    // The face die i shows, read from its pips; 0 when they make no face.
    int faceShown(int i)
    {
        QString lit;
        for (const char* pip : pipNames)
            if (shown(at(pip, i)))
                lit += QLatin1String(pip);
        static const QString faces[] = {"CC", "ALDR", "ALCCDR", "ALARDLDR", "ALARCCDLDR", "ALARCLCRDLDR"};
        for (int f = 0; f < 6; ++f)
            if (lit == faces[f])
                return f + 1;
        return 0;
    }
    void roll(std::initializer_list<int> faces)
    {
        dice->queue(faces);
        click(window, "sceltatxt");
        EXPECT_TRUE(dice->numbers.empty()) << "fewer dice thrown than scripted";
    }
    void playHands(const Hand* hands, int count)
    {
        for (int h = 0; h < count; ++h) {
            ASSERT_EQ(caption("sceltatxt"), "Nuova");
            roll(hands[h].faces);
            click(window, at("gioco", hands[h].box));
            ASSERT_TRUE(window->rules().isConsistent()) << "hand " << h;
        }
    }
    void typeName(const char* name)
    {
        auto* box = control<QLineEdit>(window, "reci");
        QTest::keyClicks(box, name);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void writeRecord(const std::string& text)
    {
        std::ofstream out(dir.filePath("rcyah.dat").toStdString(), std::ios::binary);
        out << TempWorkingDir::scrambled(text, 0xB7);
    }
    std::string fileBytes() { return dir.bytes("rcyah.dat"); }

    FakeClock clock;
    TempWorkingDir dir;
    QPointer<YahtzeeWindow> window;
    ScriptedDice* dice = nullptr;
};

TEST_F(YahtzeeWindowTest, OpensWithOnesAnEmptyCardAndTheDefaultRecord)
{
    open();
    EXPECT_EQ(window->objectName(), "yatz");
    EXPECT_EQ(window->windowTitle(), "Yahtzee - TOA-TOA Games");
    EXPECT_TRUE(dir.exists("rcyah.dat"));
    EXPECT_EQ(fileBytes(), "");
    EXPECT_EQ(caption("record"), "000");
    EXPECT_EQ(caption("nominativo"), "CPU     ");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(faceShown(i), 1);
        EXPECT_FALSE(shown(at("maschera", i)));
    }
    EXPECT_EQ(control(window, "CC(3)")->geometry(), QRect((780 + 3 * 1200) / 15, 840 / 15, 17, 17));
    EXPECT_EQ(caption("sceltatxt"), "Nuova");
    EXPECT_TRUE(shown("sceltatxt") && shown("scelta"));
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(shown(at("tiri", k)));
    for (int k = 0; k < 13; ++k)
        EXPECT_EQ(caption(at("gioco", k)), "");
    EXPECT_EQ(caption("Label2(9)"), "SCALA MIN");
    for (const char* sum : {"subt", "bonus", "totale"})
        EXPECT_EQ(caption(sum), "0");
    for (const char* hidden : {"help", "gameovert", "rectxt", "reci"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    EXPECT_TRUE(caption("Label5").startsWith("Realizzare il maggior punteggio. TRIS, POKER e CHANGE"));
    EXPECT_TRUE(caption("Label5").endsWith("La scelta dei punteggi, implica una nuova mano."));
    // Before the first roll a box takes no click.
    click(window, "gioco(12)");
    EXPECT_EQ(caption("gioco(12)"), "");
}

TEST_F(YahtzeeWindowTest, EveryFaceLightsItsPips)
{
    open();
    roll({1, 2, 3, 4, 5});
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(faceShown(i), i + 1);
    click(window, "cliccami(0)");
    roll({6});
    EXPECT_EQ(faceShown(0), 6);
    EXPECT_FALSE(shown("CC(0)"));
    EXPECT_TRUE(shown("CL(0)") && shown("CR(0)"));
}

// The thrown dice change faces a few times within half a second while no click reaches the window,
// then land on the rolled faces.
TEST_F(YahtzeeWindowTest, TheTumbleChangesFacesBrieflyAndTakesNoInput)
{
    open();
    clock.setAutoAdvance(false);
    std::vector<std::vector<int>> frames;
    bool boxTookAClick = false;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (clock.pending() == 0)
            return;
        std::vector<int> faces;
        for (int i = 0; i < 5; ++i)
            faces.push_back(faceShown(i));
        frames.push_back(faces);
        click(window, "gioco(12)");
        boxTookAClick = boxTookAClick || !caption("gioco(12)").isEmpty();
        clock.advance(YahtzeeWindow::tumbleFrameSeconds);
    });
    watcher.start();
    const double start = clock.now();
    roll({2, 3, 4, 5, 6});
    EXPECT_LE(clock.now() - start, 0.5);
    ASSERT_GE(frames.size(), 3u);
    EXPECT_FALSE(boxTookAClick);
    for (std::size_t f = 0; f < frames.size(); ++f) {
        for (int i = 0; i < 5; ++i) {
            EXPECT_GE(frames[f][static_cast<std::size_t>(i)], 1);
            const int before = f == 0 ? 1 : frames[f - 1][static_cast<std::size_t>(i)];
            if (f > 0) {
                EXPECT_NE(frames[f][static_cast<std::size_t>(i)], before) << "frame " << f << " die " << i;
            }
        }
    }
    EXPECT_NE(frames.back(), (std::vector<int>{2, 3, 4, 5, 6}));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(faceShown(i), i + 2);

    // A second roll tumbles only the marked die.
    frames.clear();
    click(window, "cliccami(3)");
    roll({1});
    ASSERT_FALSE(frames.empty());
    for (const auto& frame : frames)
        EXPECT_EQ(frame[0], 2) << "an unmarked die tumbled";
    EXPECT_EQ(faceShown(3), 1);
}

TEST_F(YahtzeeWindowTest, ANewGameOrAnExitDuringATumbleIsSafe)
{
    open();
    // "Nuova Partita" arriving mid-tumble: the tumble stops and the new game stands.
    QTimer::singleShot(0, window, [&] { window->newGameAction()->trigger(); });
    roll({6, 6, 6, 6, 6});
    EXPECT_EQ(caption("sceltatxt"), "Nuova");
    EXPECT_TRUE(window->rules().sortedDice().empty());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(faceShown(i), 1);
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(shown(at("tiri", k)));

    // Closing mid-tumble: the question waits until the dice land, then the window goes.
    ScriptedAnswers yes(true);
    bool closedDuringTumble = false;
    QTimer::singleShot(0, window, [&] {
        closedDuringTumble = clock.pending() > 0;
        window->close();
    });
    roll({1, 2, 3, 4, 5});
    EXPECT_TRUE(closedDuringTumble);
    flushClosedWindows();
    flushClosedWindows();
    EXPECT_EQ(yes.asked.size(), 1u);
    EXPECT_TRUE(window.isNull());
}

TEST_F(YahtzeeWindowTest, MarksPointersAndHighlightsFollowTheHand)
{
    open();
    moveOver(window, "cliccami(1)");
    EXPECT_EQ(pointerOf(control(window, "cliccami(1)")), Pointer::Arrow);
    click(window, "cliccami(1)");
    EXPECT_FALSE(shown("maschera(1)"));
    moveOver(window, "sceltatxt");
    EXPECT_EQ(pointerOf(control(window, "sceltatxt")), Pointer::Hand);

    roll({5, 2, 6, 2, 1});
    EXPECT_EQ(caption("sceltatxt"), "Cambia");
    EXPECT_FALSE(control(window, "sceltatxt")->isEnabled());
    EXPECT_FALSE(shown("tiri(0)"));
    moveOver(window, "cliccami(1)");
    EXPECT_EQ(pointerOf(control(window, "cliccami(1)")), Pointer::Hand);
    click(window, "cliccami(1)");
    EXPECT_TRUE(shown("maschera(1)"));
    EXPECT_TRUE(control(window, "sceltatxt")->isEnabled());

    moveOver(window, "gioco(4)");
    EXPECT_TRUE(shown("msctxt(4)"));
    EXPECT_EQ(pointerOf(control(window, "gioco(4)")), Pointer::Hand);
    moveOver(window, "gioco(8)");
    EXPECT_FALSE(shown("msctxt(4)"));
    EXPECT_TRUE(shown("msctxt(8)"));
    moveOver(window, "Label4");
    EXPECT_FALSE(shown("msctxt(8)"));

    roll({2});
    EXPECT_FALSE(shown("maschera(1)"));
    roll({});
    EXPECT_FALSE(shown("sceltatxt") || shown("scelta"));
    EXPECT_TRUE(shown("help") && shown("help1"));
    EXPECT_EQ(caption("help"), "Seleziona la Combinazione dal tabellone dei punti");

    click(window, "gioco(1)");
    EXPECT_EQ(caption("gioco(1)"), "4");
    EXPECT_EQ(caption("subt"), "4");
    EXPECT_EQ(caption("totale"), "4");
    EXPECT_FALSE(shown("help"));
    EXPECT_EQ(caption("sceltatxt"), "Nuova");
    // Written, the box invites no other choice until the next roll.
    moveOver(window, "gioco(5)");
    EXPECT_FALSE(shown("msctxt(5)"));
    EXPECT_EQ(pointerOf(control(window, "gioco(5)")), Pointer::Arrow);
    // Taken back: the button waits for a box.
    click(window, "gioco(1)");
    EXPECT_EQ(caption("gioco(1)"), "");
    EXPECT_EQ(caption("totale"), "0");
    EXPECT_FALSE(control(window, "sceltatxt")->isEnabled());
}

TEST_F(YahtzeeWindowTest, TwoGamesTheFirstBeatingTheRecordOnlyThroughItsLastBox)
{
    writeRecord("MARIO   250");
    open();
    EXPECT_EQ(caption("record"), "250");
    EXPECT_EQ(caption("nominativo"), "MARIO");
    playHands(bonusAtTheEnd, 12);
    EXPECT_EQ(caption("totale"), QString::number(beforeTheLastBox));
    // The thirteenth hand: two more rolls, then its box by hand.
    roll({6, 6, 6, 1, 2});
    click(window, "cliccami(4)");
    roll({3});
    EXPECT_FALSE(shown("gameovert"));
    click(window, "gioco(5)");
    EXPECT_EQ(caption("subt"), "63");
    EXPECT_EQ(caption("bonus"), "35");
    EXPECT_EQ(caption("totale"), QString::number(finalScore));
    EXPECT_TRUE(shown("gameovert"));
    EXPECT_EQ(caption("gameovert"), "GAME OVER");
    EXPECT_FALSE(shown("sceltatxt"));
    ASSERT_TRUE(shown("rectxt"));
    EXPECT_EQ(caption("rectxt"), "Nuovo Record");
    ASSERT_TRUE(shown("reci"));

    QTest::keyClicks(control<QLineEdit>(window, "reci"), "lucia");
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("MARIO   250", 0xB7)) << "letters alone write nothing";
    QTest::keyClick(control<QLineEdit>(window, "reci"), Qt::Key_Return);
    EXPECT_FALSE(control(window, "reci")->isEnabled());
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("LUCIA   282", 0xB7));
    EXPECT_EQ(caption("record"), "282");
    EXPECT_EQ(caption("nominativo"), "LUCIA");

    // The second game in the same window shows the record and scores too little to beat it.
    window->newGameAction()->trigger();
    EXPECT_FALSE(shown("gameovert") || shown("rectxt") || shown("reci"));
    EXPECT_EQ(caption("record"), "282");
    EXPECT_EQ(caption("nominativo"), "LUCIA");
    EXPECT_EQ(caption("totale"), "0");
    for (int k = 0; k < 13; ++k) {
        roll({1, 1, 2, 2, 3});
        click(window, at("gioco", k));
    }
    EXPECT_TRUE(shown("gameovert"));
    EXPECT_FALSE(shown("rectxt") || shown("reci"));
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("LUCIA   282", 0xB7));
}

TEST_F(YahtzeeWindowTest, TheLastBoxTakenBackBeforeEnterStillWritesTheFinalScore)
{
    writeRecord("MARIO   250");
    open();
    playHands(bonusAtTheEnd, 13);
    ASSERT_TRUE(shown("reci"));
    click(window, "gioco(5)");
    EXPECT_EQ(caption("gioco(5)"), "");
    EXPECT_EQ(caption("totale"), QString::number(beforeTheLastBox));
    typeName("");
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("        282", 0xB7));
    EXPECT_EQ(caption("record"), "282");
    EXPECT_EQ(caption("nominativo"), "");
    // Writing the box again ends nothing anew: no second name is asked for.
    click(window, "gioco(5)");
    EXPECT_EQ(caption("gioco(5)"), "18");
    EXPECT_FALSE(control(window, "reci")->isEnabled());
}

TEST_F(YahtzeeWindowTest, TheThirdRollFillsTheLastBoxByItselfAndSevenIsStoredAs007)
{
    open();
    // Nothing scores but CHANGE, with 7; "ASSI" is left for last.
    const Hand sevenPoints[] = {
        {{1, 1, 3, 3, 6}, YahtzeeRules::due},     {{1, 1, 4, 4, 6}, YahtzeeRules::tre},
        {{1, 1, 3, 3, 6}, YahtzeeRules::quattro}, {{1, 1, 3, 3, 6}, YahtzeeRules::cinque},
        {{1, 1, 3, 3, 5}, YahtzeeRules::sei},     {{1, 1, 3, 3, 6}, YahtzeeRules::tris},
        {{1, 1, 3, 3, 6}, YahtzeeRules::poker},   {{1, 1, 3, 3, 6}, YahtzeeRules::full},
        {{1, 1, 3, 3, 6}, YahtzeeRules::scalaMin}, {{1, 1, 3, 3, 6}, YahtzeeRules::scalaMax},
        {{1, 1, 3, 3, 6}, YahtzeeRules::yahtzee}, {{1, 1, 1, 2, 2}, YahtzeeRules::change},
    };
    playHands(sevenPoints, 12);
    EXPECT_EQ(caption("totale"), "7");
    roll({2, 3, 4, 6, 6});
    click(window, "cliccami(0)");
    roll({5});
    EXPECT_TRUE(control(window, "sceltatxt")->isEnabled());
    roll({}); // nothing marked: the third roll throws nothing and writes the last box
    EXPECT_EQ(caption("gioco(0)"), "0");
    EXPECT_TRUE(shown("gameovert"));
    EXPECT_FALSE(shown("help"));
    ASSERT_TRUE(shown("reci"));
    typeName("ugo");
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("UGO     007", 0xB7));
    EXPECT_EQ(caption("record"), "007");
    window->newGameAction()->trigger();
    EXPECT_EQ(caption("record"), "007");
    EXPECT_EQ(caption("nominativo"), "UGO");
}

TEST_F(YahtzeeWindowTest, TheMenuOpensItAloneWithTheProgramsIcon)
{
    Shell::instance().setGames(toatoaGames());
    Shell::instance().setProgramEnd([] {});
    QAction* entry = Shell::instance().showMenu()->findChild<QAction*>(QStringLiteral("Yahtzee"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());
    EXPECT_EQ(entry->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
    entry->trigger();
    flushClosedWindows();
    const QWidgetList open = openWindows();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.front()->objectName(), "yatz");
    EXPECT_EQ(open.front()->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    auto* game = qobject_cast<GameWindow*>(open.front());
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(game->newGameAction()->text(), "Nuova Partita");
    EXPECT_EQ(game->newGameAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_TRUE(game->esciAction()->shortcut().isEmpty());
}

TEST_F(YahtzeeWindowTest, LeavingAlwaysAsksToAbandon)
{
    open();
    ScriptedAnswers no(false);
    window->esci_Click();
    ASSERT_EQ(no.asked.size(), 1u);
    EXPECT_EQ(no.asked[0].first, "ABBANDONA");
    EXPECT_EQ(no.asked[0].second, "Sei sicuro di voler abbandonare la partita?");
    EXPECT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
}

// Many seeded games, two in each window, by random clicks on whatever is on show: the card's sums
// always equal their parts, on screen as in the rules.
TEST_F(YahtzeeWindowTest, RandomClicksKeepTheCardWhole)
{
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        open();
        SeededRandom player(seed);
        for (int game = 0; game < 2; ++game) {
            for (int step = 0; step < 1500 && !shown("gameovert"); ++step) {
                const double what = player.next();
                if (what < 0.35) {
                    if (shown("sceltatxt"))
                        click(window, "sceltatxt");
                } else if (what < 0.65) {
                    click(window, at("cliccami", player.pick(5)));
                } else {
                    click(window, at("gioco", player.pick(13)));
                }
                const YahtzeeRules& rules = window->rules();
                ASSERT_TRUE(rules.isConsistent()) << "seed " << seed << " step " << step;
                int sum = caption("bonus").toInt();
                for (int k = 0; k < 13; ++k) {
                    sum += caption(at("gioco", k)).toInt();
                    ASSERT_EQ(faceShown(k % 5), rules.face(k % 5)) << "seed " << seed;
                }
                ASSERT_EQ(caption("totale").toInt(), sum) << "seed " << seed << " step " << step;
            }
            ASSERT_TRUE(shown("gameovert")) << "seed " << seed;
            for (int k = 0; k < 13; ++k)
                EXPECT_FALSE(caption(at("gioco", k)).isEmpty()) << "seed " << seed;
            window->newGameAction()->trigger();
        }
        closeAllWindows();
    }
}

} // namespace
