// Yahtzee's window, driven by clicks on its real controls on the fake clock.
#include "app/game_list.h"
#include "games/yahtzee/yahtzee_window.h"
#include "shell/controls/pointer.h"
#include "shell/menu_window.h"
#include "shell/shell.h"
#include "tests/support/fake_clock.h"
#include "tests/support/temp_working_dir.h"
#include "tests/support/window_driver.h"
#include "tests/yahtzee_scripted_dice.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <fstream>

namespace {

class YahtzeeWindowTest : public ::testing::Test {
protected:
    void SetUp() override { clock.setAutoAdvance(true); }
    void TearDown() override
    {
        accessible::setObserver({});
        closeAllWindows();
    }
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
    // The face die i shows, read from its lit pips; 0 when they make no face.
    int faceShown(int i)
    {
        QString lit;
        for (const char* pip : {"AL", "AR", "CL", "CC", "CR", "DL", "DR"})
            lit += shown(at(pip, i)) ? QLatin1String(pip) : QLatin1String("");
        static const QStringList faces = {"CC", "ALDR", "ALCCDR", "ALARDLDR", "ALARCCDLDR", "ALARCLCRDLDR"};
        return static_cast<int>(faces.indexOf(lit)) + 1;
    }
    void roll(std::initializer_list<int> faces)
    {
        dice->queue(faces);
        click(window, "sceltatxt");
        EXPECT_TRUE(dice->numbers.empty()) << "fewer dice thrown than scripted";
    }
    void play(const ScriptedHand* hands, int count)
    {
        for (int h = 0; h < count; ++h) {
            roll(hands[h].faces);
            click(window, at("gioco", hands[h].box));
        }
    }
    void typeName(const char* name)
    {
        QTest::keyClicks(control<QLineEdit>(window, "reci"), name);
        QTest::keyClick(control<QLineEdit>(window, "reci"), Qt::Key_Return);
    }
    std::string fileBytes() { return dir.bytes("rcyah.dat"); }
    // What a screen reader says of the control.
    QString heard(const QString& name)
    {
        return spokenName(window, name);
    }
    // A key pressed where the keyboard's focus is.
    void key(Qt::Key k)
    {
        keyAtFocus(window, k);
    }
    QString focused() { return window->focusWidget() ? window->focusWidget()->objectName() : QString(); }
    void writeRecord(const std::string& text)
    {
        std::ofstream(dir.filePath("rcyah.dat").toStdString(), std::ios::binary) << TempWorkingDir::scrambled(text, 0xB7);
    }

    FakeClock clock;
    TempWorkingDir dir;
    QPointer<YahtzeeWindow> window;
    ScriptedDice* dice = nullptr;
};

TEST_F(YahtzeeWindowTest, OpensWithOnesAnEmptyCardAndTheDefaultRecord)
{
    open();
    EXPECT_EQ(window->windowTitle(), "Yahtzee - TOA-TOA Games");
    EXPECT_TRUE(dir.exists("rcyah.dat"));
    EXPECT_EQ(fileBytes(), "");
    EXPECT_EQ(caption("record"), "000");
    EXPECT_EQ(caption("nominativo"), "CPU     ");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(faceShown(i), 1);
    EXPECT_EQ(control(window, "CC(3)")->geometry(), QRect((780 + 3 * 1200) / 15, 840 / 15, 17, 17));
    EXPECT_EQ(caption("sceltatxt"), "Nuova");
    EXPECT_TRUE(shown("scelta") && shown("tiri(0)") && shown("tiri(2)"));
    EXPECT_EQ(caption("Label2(9)"), "SCALA MIN");
    EXPECT_EQ(caption("totale"), "0");
    for (const char* hidden : {"help", "gameovert", "rectxt", "reci", "maschera(0)"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    EXPECT_TRUE(caption("Label5").endsWith("35 punti BONUS. La scelta dei punteggi, implica una nuova mano."));

    roll({1, 2, 3, 4, 5});
    click(window, "cliccami(0)");
    roll({6});
    EXPECT_EQ(faceShown(0), 6);
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(faceShown(i), i + 1);
}

// The thrown dice change faces a few times within half a second while no click reaches the window.
TEST_F(YahtzeeWindowTest, TheTumbleChangesFacesBrieflyAndTakesNoInput)
{
    open();
    clock.setAutoAdvance(false);
    std::vector<std::vector<int>> frames;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (clock.pending() == 0)
            return;
        frames.emplace_back();
        for (int i = 0; i < 5; ++i)
            frames.back().push_back(faceShown(i));
        click(window, "gioco(12)");
        clock.advance(YahtzeeWindow::tumbleFrameSeconds);
    });
    watcher.start();
    const double start = clock.now();
    roll({2, 3, 4, 5, 6});
    EXPECT_LE(clock.now() - start, 0.5);
    EXPECT_EQ(caption("gioco(12)"), "") << "a click got through during the tumble";
    ASSERT_GE(frames.size(), 3u);
    for (std::size_t f = 1; f < frames.size(); ++f)
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_NE(frames[f][i], frames[f - 1][i]) << "frame " << f << " die " << i;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(faceShown(i), i + 2);

    frames.clear();
    click(window, "cliccami(3)");
    roll({1});
    ASSERT_FALSE(frames.empty());
    for (const auto& frame : frames)
        EXPECT_EQ(frame[0], 2) << "an unmarked die tumbled";
}

TEST_F(YahtzeeWindowTest, ANewGameOrAnExitDuringATumbleIsSafe)
{
    open();
    const double start = clock.now();
    QTimer::singleShot(0, window, [&] { window->newGameAction()->trigger(); });
    roll({6, 6, 6, 6, 6});
    EXPECT_LT(clock.now() - start, 2 * YahtzeeWindow::tumbleFrameSeconds) << "the tumble went on over the new game";
    EXPECT_EQ(caption("sceltatxt"), "Nuova");
    EXPECT_EQ(faceShown(0), 1);
    EXPECT_TRUE(shown("tiri(0)"));

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

TEST_F(YahtzeeWindowTest, PointersHighlightsAndTheHelpFollowTheHand)
{
    open();
    moveOver(window, "cliccami(1)");
    EXPECT_EQ(pointerOf(control(window, "cliccami(1)")), Pointer::Arrow);
    roll({5, 2, 6, 2, 1});
    EXPECT_FALSE(control(window, "sceltatxt")->isEnabled());
    moveOver(window, "cliccami(1)");
    EXPECT_EQ(pointerOf(control(window, "cliccami(1)")), Pointer::Hand);
    click(window, "cliccami(1)");
    EXPECT_TRUE(shown("maschera(1)") && control(window, "sceltatxt")->isEnabled());

    moveOver(window, "gioco(4)");
    EXPECT_TRUE(shown("msctxt(4)"));
    EXPECT_EQ(pointerOf(control(window, "gioco(4)")), Pointer::Hand);
    moveOver(window, "Label4");
    EXPECT_FALSE(shown("msctxt(4)"));

    roll({2});
    roll({});
    EXPECT_FALSE(shown("sceltatxt") || shown("scelta") || shown("maschera(1)"));
    EXPECT_EQ(caption("help"), "Seleziona la Combinazione dal tabellone dei punti");
    EXPECT_TRUE(shown("help") && shown("help1"));
    click(window, "gioco(1)");
    EXPECT_EQ(caption("subt"), "4");
    EXPECT_FALSE(shown("help"));
}

TEST_F(YahtzeeWindowTest, TwoGamesTheFirstBeatingTheRecordOnlyThroughItsLastBox)
{
    writeRecord("MARIO   250");
    open();
    EXPECT_EQ(caption("record"), "250");
    EXPECT_EQ(caption("nominativo"), "MARIO");
    play(bonusAtTheEnd, 12);
    EXPECT_EQ(caption("totale"), QString::number(beforeTheLastBox));
    play(bonusAtTheEnd + 12, 1);
    EXPECT_EQ(caption("bonus"), "35");
    EXPECT_EQ(caption("totale"), "282");
    EXPECT_EQ(caption("gameovert"), "GAME OVER");
    EXPECT_TRUE(shown("gameovert") && shown("rectxt") && shown("reci"));
    EXPECT_FALSE(shown("sceltatxt"));
    EXPECT_EQ(caption("rectxt"), "Nuovo Record");

    QTest::keyClicks(control<QLineEdit>(window, "reci"), "lucia");
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("MARIO   250", 0xB7)) << "letters alone write nothing";
    QTest::keyClick(control<QLineEdit>(window, "reci"), Qt::Key_Return);
    EXPECT_FALSE(control(window, "reci")->isEnabled());
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("LUCIA   282", 0xB7));
    EXPECT_EQ(caption("nominativo"), "LUCIA");

    window->newGameAction()->trigger();
    EXPECT_FALSE(shown("gameovert") || shown("rectxt") || shown("reci"));
    EXPECT_EQ(caption("record"), "282");
    EXPECT_EQ(caption("nominativo"), "LUCIA");
    for (int k = 0; k < 13; ++k) {
        roll({1, 1, 2, 2, 3});
        click(window, at("gioco", k));
    }
    EXPECT_TRUE(shown("gameovert"));
    EXPECT_FALSE(shown("reci"));
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("LUCIA   282", 0xB7));
}

TEST_F(YahtzeeWindowTest, TheLastBoxTakenBackBeforeEnterStillWritesTheFinalScore)
{
    writeRecord("MARIO   250");
    open();
    play(bonusAtTheEnd, 13);
    click(window, "gioco(5)");
    EXPECT_EQ(caption("totale"), QString::number(beforeTheLastBox));
    typeName("");
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("        282", 0xB7));
    EXPECT_EQ(caption("record"), "282");
    EXPECT_EQ(caption("nominativo"), "");
}

TEST_F(YahtzeeWindowTest, AScoreEqualToTheRecordIsNoRecord)
{
    writeRecord("MARIO   282");
    open();
    play(bonusAtTheEnd, 13);
    EXPECT_TRUE(shown("gameovert"));
    EXPECT_FALSE(shown("rectxt") || shown("reci"));
}

TEST_F(YahtzeeWindowTest, TheThirdRollFillsTheLastBoxAndSevenIsStoredAs007)
{
    open();
    // Two pairs and a single that is never the box's own face: nothing scores until CHANGE takes 7.
    for (int k = 1; k < 12; ++k) {
        if (k % 2)
            roll({1, 1, 3, 3, 5});
        else
            roll({1, 1, 4, 4, 6});
        click(window, at("gioco", k));
    }
    roll({1, 1, 1, 2, 2});
    click(window, "gioco(12)");
    EXPECT_EQ(caption("totale"), "7");
    roll({2, 3, 4, 6, 6});
    click(window, "cliccami(0)");
    roll({5});
    roll({});
    EXPECT_EQ(caption("gioco(0)"), "0");
    EXPECT_TRUE(shown("gameovert") && shown("reci"));
    EXPECT_FALSE(shown("help"));
    typeName("ugo");
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("UGO     007", 0xB7));
    window->newGameAction()->trigger();
    EXPECT_EQ(caption("record"), "007");
    EXPECT_EQ(caption("nominativo"), "UGO");
}

TEST_F(YahtzeeWindowTest, TheMenuOpensItAloneAndLeavingAlwaysAsksToAbandon)
{
    Shell::instance().setGames(toatoaGames());
    Shell::instance().setProgramEnd([] {});
    QAction* entry = Shell::instance().showMenu()->findChild<QAction*>(QStringLiteral("Yahtzee"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
    entry->trigger();
    flushClosedWindows();
    const QWidgetList open = openWindows();
    ASSERT_EQ(open.size(), 1);
    auto* game = qobject_cast<GameWindow*>(open.front());
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(game->objectName(), "yatz");
    EXPECT_EQ(game->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    EXPECT_EQ(game->newGameAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));

    ScriptedAnswers no(false);
    game->esci_Click();
    ASSERT_EQ(no.asked.size(), 1u);
    EXPECT_EQ(no.asked[0], std::make_pair(QStringLiteral("ABBANDONA"), QStringLiteral("Sei sicuro di voler abbandonare la partita?")));
    EXPECT_TRUE(game->isVisible());
}

TEST_F(YahtzeeWindowTest, ThePlayerHearsTheDiceTheirMarksTheBoxesAndTheRecord)
{
    std::vector<QString> alerts;
    accessible::setObserver([&](QWidget* w, QAccessible::Event what) {
        if (what == QAccessible::Alert)
            alerts.push_back(w->objectName());
    });
    writeRecord("MARCO   123");
    open();
    EXPECT_EQ(heard("cliccami(1)"), "Dado 2: uno");
    EXPECT_EQ(heard("gioco(11)"), "YAHTZEE: vuoto");
    EXPECT_EQ(heard("Label3"), "Lanci rimasti: 3");
    EXPECT_EQ(heard("sceltatxt"), "Nuova");
    EXPECT_EQ(heard("record"), "Record: 123 MARCO");

    roll({4, 4, 4, 4, 2});
    EXPECT_EQ(heard("cliccami(0)") + " / " + heard("cliccami(4)"), "Dado 1: quattro / Dado 5: due");
    EXPECT_EQ(heard("Label3") + " / " + heard("sceltatxt"), "Lanci rimasti: 2 / Cambia");
    click(window, "cliccami(4)");
    EXPECT_EQ(heard("cliccami(4)"), "Dado 5: due, da cambiare");
    click(window, "cliccami(4)");
    EXPECT_EQ(heard("cliccami(4)"), "Dado 5: due");
    click(window, "cliccami(4)");
    click(window, "cliccami(3)");
    roll({6, 1});
    // The marks go with the throw.
    EXPECT_EQ(heard("cliccami(3)") + " / " + heard("cliccami(4)"), "Dado 4: sei / Dado 5: uno");
    EXPECT_TRUE(alerts.empty());
    roll({});
    EXPECT_EQ(heard("Label3"), "Lanci rimasti: 0");
    EXPECT_EQ(alerts, std::vector<QString>{"help"});

    click(window, "gioco(3)");
    EXPECT_EQ(heard("gioco(3)") + " / " + heard("subt") + " / " + heard("totale"), "QUATTRO: 12 / SUB TOT: 12 / TOTALE: 12");
    click(window, "gioco(3)"); // taken back
    EXPECT_EQ(heard("gioco(3)") + " / " + heard("totale"), "QUATTRO: vuoto / TOTALE: 0");

    window->newGameAction()->trigger();
    EXPECT_EQ(heard("gioco(3)") + " / " + heard("cliccami(2)"), "QUATTRO: vuoto / Dado 3: uno");
    play(bonusAtTheEnd, 13);
    EXPECT_EQ(heard("bonus"), "BONUS: 35");
    typeName("lia");
    EXPECT_EQ(heard("record"), "Record: 282 LIA");
}

// A hand with the keyboard alone: Tab to the roll button, arrows to the dice and the card, Space to press.
TEST_F(YahtzeeWindowTest, AHandPlayedWithKeysAlone)
{
    open();
    QApplication::setActiveWindow(window);
    for (int tab = 0; tab < 6 && focused() != "sceltatxt"; ++tab)
        key(Qt::Key_Tab);
    ASSERT_EQ(focused(), "sceltatxt");
    dice->queue({3, 3, 3, 5, 5});
    key(Qt::Key_Space);
    EXPECT_EQ(faceShown(4), 5);
    auto walk = [&](std::initializer_list<Qt::Key> keys) {
        QStringList path;
        for (Qt::Key k : keys) {
            key(k);
            path << focused();
        }
        return path.join(' ');
    };
    EXPECT_EQ(walk({Qt::Key_Up, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space}), "cliccami(0) cliccami(0) cliccami(1) cliccami(1)");
    EXPECT_EQ(heard("cliccami(0)") + " / " + heard("cliccami(1)"), "Dado 1: tre, da cambiare / Dado 2: tre, da cambiare");
    for (int tab = 0; tab < 6 && focused() != "sceltatxt"; ++tab)
        key(Qt::Key_Tab);
    ASSERT_EQ(focused(), "sceltatxt");
    dice->queue({3, 3});
    key(Qt::Key_Space);
    EXPECT_TRUE(dice->numbers.empty());
    EXPECT_EQ(heard("cliccami(0)"), "Dado 1: tre");
    // The highlight follows the keyboard over the card and goes out when it leaves it.
    auto lit = [&] {
        QString rows;
        for (int k = 0; k < 13; ++k)
            rows += shown(at("msctxt", k)) ? QString::number(k) : QString();
        return rows.toStdString();
    };
    EXPECT_EQ(walk({Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Down, Qt::Key_Down}),
              "sceltatxt gioco(6) gioco(0) gioco(1) gioco(2)");
    EXPECT_EQ(lit(), "2");
    EXPECT_EQ(walk({Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}), "gioco(1) gioco(0) sceltatxt");
    EXPECT_EQ(lit(), "");
    EXPECT_EQ(walk({Qt::Key_Down, Qt::Key_Left, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space}),
              "gioco(6) gioco(0) gioco(1) gioco(2) gioco(2)");
    EXPECT_EQ(heard("gioco(2)") + " / " + heard("sceltatxt"), "TRE: 9 / Nuova");
}

// Seeded games, two in each window, by random clicks on what is on show: the captions always add up.
TEST_F(YahtzeeWindowTest, RandomClicksKeepTheCardWhole)
{
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        open();
        SeededRandom player(seed);
        for (int game = 0; game < 2; ++game) {
            for (int step = 0; step < 1500 && !shown("gameovert"); ++step) {
                const double what = player.next();
                if (what < 0.35 && shown("sceltatxt"))
                    click(window, "sceltatxt");
                else if (what < 0.65)
                    click(window, at("cliccami", player.pick(5)));
                else
                    click(window, at("gioco", player.pick(13)));
                ASSERT_TRUE(window->isConsistent()) << "seed " << seed << " step " << step;
                int sum = caption("bonus").toInt();
                for (int k = 0; k < 13; ++k)
                    sum += caption(at("gioco", k)).toInt();
                ASSERT_EQ(caption("totale").toInt(), sum) << "seed " << seed << " step " << step;
                ASSERT_EQ(faceShown(step % 5), window->rules().face(step % 5)) << "seed " << seed;
            }
            ASSERT_TRUE(shown("gameovert")) << "seed " << seed;
            window->newGameAction()->trigger();
        }
        closeAllWindows();
    }
}

} // namespace
