// The shell: the menu window, switching to a game and back, the leaving question and the two waits.
#include "shell/game_window.h"
#include "shell/menu_window.h"
#include "shell/resource_catalogue.h"
#include "shell/shell.h"
#include "shell/waits.h"
#include "app/game_list.h"
#include "tests/support/window_driver.h"

#include <QMenuBar>
#include <QTimer>

namespace {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        closeAllWindows(); // a menu window that another suite's leaving opened
        Shell::instance().setGames(toatoaGames());
        Shell::instance().setProgramEnd([this] { ++programEnds; });
    }
    void TearDown() override
    {
        closeAllWindows();
        Shell::instance().setProgramEnd([] {});
    }
    int programEnds = 0;
    TempWorkingDir dir; // the games opened here keep their records in it
};

// The menu decodes its own picture and nothing else; a game not built has no opener and is greyed.
TEST_F(ShellTest, TheMenuOpensLightAndGreysAGameWithoutAnOpener)
{
    const int decodedBefore = ResourceCatalogue::cachedBitmapCount();
    Form1* menu = Shell::instance().showMenu();
    EXPECT_LE(ResourceCatalogue::cachedBitmapCount() - decodedBefore, 1);
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("bownling"))->isEnabled());
    menu->closeForGame();
    flushClosedWindows();
    std::vector<GameEntry> games = toatoaGames();
    games[0].open = {};
    Shell::instance().setGames(games);
    EXPECT_FALSE(Shell::instance().showMenu()->findChild<QAction*>(QStringLiteral("bownling"))->isEnabled());
    EXPECT_EQ(Shell::instance().openGame(QStringLiteral("bownling")), nullptr);
}

// Leaving asks; while the question is open the player can ask to leave again (close box, "Esci",
// Ctrl+E): that request is folded into the open question. Yes brings the menu back, No changes nothing.
TEST_F(ShellTest, ASecondLeaveRequestWhileTheQuestionIsOpenIsFoldedIntoIt)
{
    for (const bool answer : {false, true}) {
        for (int how = 0; how < 3; ++how) {
            SCOPED_TRACE(testing::Message() << "answer " << answer << ", second request " << how);
            GameWindow* game = Shell::instance().openGame(QStringLiteral("Fisa"));
            ASSERT_NE(game, nullptr);
            click(game, QStringLiteral("MazzoI"));
            const QString before = control<QWidget>(game, QStringLiteral("Label1"))->property("text").toString();
            int questions = 0;
            setQuestionAnswerer([&](const QString& title, const QString& text) {
                EXPECT_EQ(title + "|" + text, QStringLiteral("ABBANDONA|Sei sicuro di voler abbandonare la partita?"));
                if (++questions == 1) {
                    if (how == 0)
                        pressCloseBox(game);
                    else if (how == 1)
                        game->esciAction()->trigger();
                    else
                        QTest::keyClick(game, Qt::Key_E, Qt::ControlModifier);
                }
                return answer;
            });
            game->esci_Click();
            setQuestionAnswerer({});
            flushClosedWindows();
            EXPECT_EQ(questions, 1);
            const QWidgetList open = openWindows();
            ASSERT_EQ(open.size(), 1);
            if (answer) {
                EXPECT_EQ(open.front()->objectName(), QStringLiteral("Form1"));
            } else {
                ASSERT_EQ(open.front(), game);
                EXPECT_EQ(control<QWidget>(game, QStringLiteral("Label1"))->property("text").toString(), before);
            }
            closeAllWindows();
        }
    }
}

TEST_F(ShellTest, AGameWindowThatGoesAnyOtherWayBringsTheMenuBack)
{
    GameWindow* game = Shell::instance().openGame(QStringLiteral("poker"));
    ASSERT_NE(game, nullptr);
    delete game;
    flushClosedWindows();
    const QWidgetList open = openWindows();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.front()->objectName(), QStringLiteral("Form1"));
}

TEST_F(ShellTest, EsciInTheMenuEndsTheProgramWithoutAQuestion)
{
    ScriptedAnswers yes(true);
    Form1* menu = Shell::instance().showMenu();
    menu->findChild<QAction*>(QStringLiteral("esci"))->trigger();
    flushClosedWindows();
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(yes.asked.empty());
    EXPECT_TRUE(openWindows().isEmpty());
}

// A bare game window for the waits.
class WaitingWindow final : public GameWindow {
public:
    WaitingWindow() : GameWindow(QStringLiteral("waiting"), QStringLiteral("waiting"), 3000, 3000, Qt::green)
    {
        addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova"), QKeySequence(QStringLiteral("Ctrl+N")), {});
        for (int i = 0; i < 2; ++i)
            connect(new PictureBox(client(), QStringLiteral("box(%1)").arg(i), QRect(1000 * i, 0, 900, 1500)),
                    &PictureBox::clicked, [this] { ++clicks; });
    }
    int clicks = 0;
    int newGames = 0;
    bool isConsistent() const override { return true; }

protected:
    void newGame() override
    {
        ++newGames;
        startGame();
    }
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
};

// TempoP lets events run while it waits and ends on the clock; closing the window during it ends the
// wait, and the window stays for the handler that called it until that handler returns.
TEST_F(ShellTest, TempoPKeepsEventsFlowingAndEndsOnTheClockOrWhenTheWindowCloses)
{
    FakeClock clock;
    ScriptedAnswers yes(true);
    QPointer<WaitingWindow> window = new WaitingWindow;
    window->show();
    bool ranDuring = false;
    QTimer::singleShot(0, window, [&] {
        ranDuring = true;
        clock.advance(0.5);
        QTimer::singleShot(0, window, [&] { clock.advance(0.6); });
    });
    const double start = clock.now();
    EXPECT_TRUE(TempoP(*window, 1.0));
    EXPECT_TRUE(ranDuring);
    EXPECT_GE(clock.now() - start, 1.0);
    EXPECT_TRUE(TempoP(*window, 0)); // returns at once

    QTimer::singleShot(0, window, [&] { window->close(); });
    EXPECT_FALSE(TempoP(*window, 5.0));
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isLeaving());
    flushClosedWindows();
    EXPECT_FALSE(window);
}

// A hold takes no click, key, shortcut or screen reader's press, and keeps the focus where it was.
TEST_F(ShellTest, AHoldTakesNoInputAndHonoursACloseAfterwards)
{
    FakeClock clock;
    ScriptedAnswers yes(true);
    QPointer<WaitingWindow> window = new WaitingWindow;
    window->show();
    QApplication::setActiveWindow(window); // its shortcuts would fire
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(window->newGames, 1);
    QWidget* box = control(window, QStringLiteral("box(0)"));
    QAccessibleActionInterface* reader = QAccessible::queryAccessibleInterface(box)->actionInterface();
    box->setFocus(Qt::TabFocusReason);
    QTimer::singleShot(0, window, [&] {
        QTest::mouseClick(window->centralWidget(), Qt::LeftButton);
        QTest::mouseClick(box, Qt::LeftButton);
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Right})
            QTest::keyClick(box, key);
        reader->doAction(QAccessibleActionInterface::pressAction());
        QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier); // menu shortcuts are input too
        window->close();
        EXPECT_TRUE(yes.asked.empty()); // the close waits for the hold to end
        clock.advance(3.0);
    });
    EXPECT_TRUE(hold(*window, 3.0));
    EXPECT_EQ(window->clicks, 0);
    EXPECT_EQ(window->newGames, 1);
    EXPECT_EQ(window->focusWidget(), box);
    reader->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window->clicks, 1);
    QApplication::processEvents();
    EXPECT_EQ(yes.asked.size(), 1u);
    flushClosedWindows();
    EXPECT_FALSE(window);
}

struct Step {
    int shows = 0;
    double hold = 0.0;
};

// A new game begun while a sequence waits ends that sequence: nothing of it is drawn over the new game.
TEST_F(ShellTest, TheStepPlayerStopsWhenAnotherGameBeginsOrTheWindowLeaves)
{
    FakeClock clock;
    ScriptedAnswers yes(true);
    QPointer<WaitingWindow> window = new WaitingWindow;
    window->show();
    std::vector<int> shown;
    const std::vector<Step> steps{{1, 0.0}, {2, 1.0}, {3, 0.0}};
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    window->repaint(); // a hold counts from what the player sees
    clock.setAutoAdvance(true);
    clock.takeWaits();
    EXPECT_TRUE(window->play(steps, [&](const Step& s) { shown.push_back(s.shows); }));
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(clock.takeWaits(), (std::vector<double>{1.0})); // the step that says so, held for its time
    clock.setAutoAdvance(false);

    shown.clear();
    window->startGame();
    QTimer::singleShot(0, window, [&] {
        window->startGame(); // what "Nuova" does during a pause
        clock.advance(1.0);
    });
    EXPECT_FALSE(window->pauseFor(1.0));
    QTimer::singleShot(0, window, [&] { clock.advance(1.0); });
    EXPECT_TRUE(window->pauseFor(1.0));

    QTimer::singleShot(0, window, [&] { window->close(); });
    EXPECT_FALSE(window->pauseFor(1.0));
    EXPECT_FALSE(window->play(steps, [&](const Step& s) { shown.push_back(s.shows); }));
    EXPECT_TRUE(shown.empty());
    flushClosedWindows();
}

// A hold that starts as the window opens is counted from the window's first paint, not from before it.
TEST_F(ShellTest, WhatWaitsForTheWindowStartsAfterItsFirstPaint)
{
    FakeClock clock;
    ScriptedAnswers yes(true);
    QPointer<WaitingWindow> window = new WaitingWindow;
    int started = 0;
    window->whenShown([&] { ++started; });
    QApplication::processEvents();
    EXPECT_EQ(started, 0); // not on the screen yet
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    window->repaint();
    QApplication::processEvents();
    EXPECT_EQ(started, 1);

    window->whenShown([&] { ++started; }); // already painted: soon, once
    window->startGame();                   // ...unless another game began meanwhile
    QApplication::processEvents();
    EXPECT_EQ(started, 1);
    window->whenShown([&] { ++started; });
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(started, 2);

    window->whenShown([&] { ++started; }); // under the leaving question: after a No
    setQuestionAnswerer([&](const QString&, const QString&) {
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_EQ(started, 2);
        return false;
    });
    window->close();
    setQuestionAnswerer([](const QString&, const QString&) { return true; });
    QApplication::processEvents();
    EXPECT_EQ(started, 3);
    window->close();
    flushClosedWindows();
}

TEST_F(ShellTest, TickerCountsAfreshOnANewIntervalAndStandsStillAtZero)
{
    FakeClock clock;
    Ticker ticker;
    int ticks = 0;
    QObject::connect(&ticker, &Ticker::tick, [&] { ++ticks; });
    ticker.setInterval(1000);
    ticker.setEnabled(true);
    clock.advance(0.6);
    ticker.setInterval(1000);
    clock.advance(0.6);
    EXPECT_EQ(ticks, 0);
    clock.advance(0.5);
    EXPECT_EQ(ticks, 1);
    ticker.setInterval(0);
    clock.advance(10);
    EXPECT_EQ(ticks, 1);
    ticker.setInterval(500);
    clock.advance(1.0);
    EXPECT_EQ(ticks, 3);
    ticker.setEnabled(false);
    clock.advance(5);
    EXPECT_EQ(ticks, 3);
}

} // namespace
