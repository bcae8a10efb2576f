// Every game with the keyboard and a screen reader: names, roles and the press action of what Tab
// reaches, reading order and arrows, Space as a click, the focus frame, and what is announced.
#include "app/game_list.h"
#include "games/fisarmonica/fisarmonica_window.h"
#include "games/margherita/margherita_window.h"
#include "games/tavola/tavola_window.h"
#include "shell/card_pictures.h"
#include "shell/controls/accessible.h"
#include "shell/controls/banner.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"
#include "shell/game_window.h"
#include "shell/picture_names.h"
#include "shell/random.h"
#include "shell/shell.h"
#include "shell/waits.h"
#include "tests/support/dice.h"
#include "tests/support/fake_clock.h"
#include "tests/support/temp_working_dir.h"
#include "tests/support/window_driver.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>

namespace {

// What a screen-reader user would stumble on in `window` now: a control the keyboard reaches without
// a name, a clickable one that is not a button with a press action, a picture on show that says nothing.
std::vector<std::string> unreadable(QWidget* window)
{
    std::vector<std::string> problems;
    auto problem = [&](const QWidget* w, const char* what) {
        problems.push_back(w->objectName().toStdString() + ": " + what);
    };
    for (QWidget* w : accessible::readingOrder(window)) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (face->text(QAccessible::Name).trimmed().isEmpty())
            problem(w, "no name");
        if (qobject_cast<QLineEdit*>(w)) {
            if (face->role() != QAccessible::EditableText)
                problem(w, "not an edit field");
            continue;
        }
        if (face->role() != QAccessible::Button)
            problem(w, "not a button");
        if (!face->actionInterface()
            || !face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()))
            problem(w, "no press action");
    }
    for (PictureBox* picture : window->findChildren<PictureBox*>())
        if (picture->isVisibleTo(window)
            && QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name).isEmpty())
            problem(picture, "picture without a name");
    return problems;
}

class EveryGame : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        clock.setAutoAdvance(true);
        Shell::instance().setGames(toatoaGames());
        Shell::instance().setProgramEnd([] {});
        game = toatoaGames()[static_cast<std::size_t>(GetParam())];
        setSeedSource([] { return 20261206ULL; });
    }
    void TearDown() override
    {
        setSeedSource({});
        closeAllWindows();
        Shell::instance().setProgramEnd({});
    }
    FakeClock clock;
    TempWorkingDir dir;
    ScriptedAnswers yes{true}; // a new game mid-game is wanted
    GameEntry game;
};

// Two games in one window with the keyboard alone, every control checked after every key.
TEST_P(EveryGame, EverythingTheKeyboardReachesIsNamedAndPressable)
{
    GameWindow* window = Shell::instance().openGame(game.name);
    ASSERT_NE(window, nullptr);
    Dice dice(static_cast<std::uint64_t>(GetParam()) + 1);
    for (int round = 0; round < 2; ++round) {
        window->newGameAction()->trigger();
        for (int step = 0; step < 150; ++step) {
            const auto problems = unreadable(window);
            ASSERT_TRUE(problems.empty()) << game.name.toStdString() << " round " << round << " step " << step
                                          << ": " << problems.front() << " (" << problems.size() << " in all)";
            const QList<QWidget*> reachable = accessible::readingOrder(window);
            if (reachable.isEmpty())
                break;
            pressByKeyboard(reachable[dice.below(static_cast<int>(reachable.size()))]);
        }
    }
}

// Tab visits every reachable control once, in reading order, and Shift+Tab walks it back.
TEST_P(EveryGame, TabGoesRoundEveryClickableControlInReadingOrder)
{
    GameWindow* window = Shell::instance().openGame(game.name);
    ASSERT_NE(window, nullptr);
    window->newGameAction()->trigger();
    const QList<QWidget*> order = accessible::readingOrder(window);
    ASSERT_FALSE(order.isEmpty()) << game.name.toStdString();
    // Round from wherever the focus is now.
    const qsizetype start = order.indexOf(window->focusWidget()) + 1;
    QList<QWidget*> visited, expected;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QWidget* focus = window->focusWidget();
        QTest::keyClick(focus ? focus : window, Qt::Key_Tab);
        visited.push_back(window->focusWidget());
        expected.push_back(order[(start + i) % order.size()]);
    }
    EXPECT_EQ(visited, expected) << game.name.toStdString();
    for (QWidget* w : visited) {
        const QPoint at = w->mapTo(window, QPoint(0, 0));
        EXPECT_TRUE(window->client()->rect().contains(at)) << w->objectName().toStdString();
    }
    QTest::keyClick(window->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(window->focusWidget(), expected[std::max<qsizetype>(0, expected.size() - 2)]);
}

std::string gameName(const ::testing::TestParamInfo<int>& info)
{
    return toatoaGames()[static_cast<std::size_t>(info.param)].name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Games, EveryGame, ::testing::Range(0, static_cast<int>(toatoaGames().size())), gameName);

class KeyboardTable : public ::testing::Test {
protected:
    void TearDown() override { closeAllWindows(); }
    TempWorkingDir dir;
};

TEST_F(KeyboardTable, ArrowsMoveByPlacesOnTheTableAndStopAtItsEdge)
{
    auto* window = new MargheritaWindow(std::make_unique<SeededRandom>(3));
    window->show();
    auto card = [&](int i) { return window->findChild<QWidget*>(QStringLiteral("carte(%1)").arg(i)); };
    // Tab reads the table row by row, whatever order the controls were made in.
    const QList<QWidget*> order = accessible::readingOrder(window);
    ASSERT_GE(order.size(), 40);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(order[i], card(i)) << i;
    card(0)->setFocus(Qt::TabFocusReason);
    // Ten cards a row, four rows.
    const std::pair<Qt::Key, int> walk[] = {{Qt::Key_Right, 1}, {Qt::Key_Down, 11},  {Qt::Key_Down, 21},
                                            {Qt::Key_Left, 20}, {Qt::Key_Left, 20},  {Qt::Key_Up, 10},
                                            {Qt::Key_Up, 0},    {Qt::Key_Up, 0}};
    for (const auto& [key, expected] : walk) {
        QTest::keyClick(window->focusWidget(), key);
        EXPECT_EQ(window->focusWidget(), card(expected)) << "after key " << key;
    }
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(window->focusWidget(), Qt::Key_Right);
    EXPECT_EQ(window->focusWidget(), card(9));
    QTest::keyClick(window->focusWidget(), Qt::Key_Right);
    EXPECT_EQ(window->focusWidget(), card(9));
}

TEST_F(KeyboardTable, SpaceAndEnterClickOnceAndTheFrameShowsOnlyWhileTheKeyboardIsUsed)
{
    auto* window = new FisarmonicaWindow(std::make_unique<SeededRandom>(5));
    window->show();
    QApplication::setActiveWindow(window);
    auto* deck = window->findChild<PictureBox*>(QStringLiteral("MazzoI"));
    QSignalSpy clicks(deck, &PictureBox::clicked);
    auto frame = [&] { return window->findChild<QWidget*>(QStringLiteral("cornice")); };

    QTest::mouseClick(deck, Qt::LeftButton); // the mouse takes no focus and shows no frame
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_NE(QApplication::focusWidget(), deck);
    EXPECT_TRUE(!frame() || !frame()->isVisible());

    deck->setFocus(Qt::TabFocusReason);
    QTest::keyClick(deck, Qt::Key_Space);
    QTest::keyClick(deck, Qt::Key_Return);
    QTest::keyClick(deck, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(deck, Qt::Key_Space, Qt::ControlModifier); // not a click
    EXPECT_EQ(clicks.size(), 4);
    ASSERT_TRUE(frame() && frame()->isVisible());
    EXPECT_TRUE(frame()->geometry().contains(deck->geometry()));

    QTest::mouseClick(window->client(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(frame()->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(frame()->isVisible());
}

TEST_F(KeyboardTable, AHoldTakesNoKeyAndNoPressFromAScreenReader)
{
    FakeClock clock;
    auto* window = new FisarmonicaWindow(std::make_unique<SeededRandom>(5));
    window->show();
    auto* deck = window->findChild<PictureBox*>(QStringLiteral("MazzoI"));
    QSignalSpy clicks(deck, &PictureBox::clicked);
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(deck)->actionInterface();
    deck->setFocus(Qt::TabFocusReason);
    QTimer::singleShot(0, window, [&] {
        QTest::keyClick(deck, Qt::Key_Space);
        QTest::keyClick(deck, Qt::Key_Return);
        QTest::keyClick(deck, Qt::Key_Tab);
        QTest::keyClick(deck, Qt::Key_Right);
        actions->doAction(QAccessibleActionInterface::pressAction());
        clock.advance(2);
    });
    EXPECT_TRUE(hold(*window, 1));
    EXPECT_EQ(clicks.size(), 0);
    EXPECT_EQ(window->focusWidget(), deck);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.size(), 1);
}

TEST_F(KeyboardTable, ACardsNameFollowsItsFaceAndABannerIsAnnouncedOnce)
{
    std::vector<std::pair<QString, QAccessible::Event>> heard;
    accessible::setObserver([&](QWidget* w, QAccessible::Event what) { heard.push_back({w->objectName(), what}); });
    auto* window = new MargheritaWindow(std::make_unique<SeededRandom>(3));
    window->show();
    auto* card = window->findChild<PictureBox*>(QStringLiteral("carte(0)"));
    auto name = [&] { return QAccessible::queryAccessibleInterface(card)->text(QAccessible::Name); };
    EXPECT_EQ(name(), QStringLiteral("Carta coperta"));
    heard.clear();
    click(window, QStringLiteral("carte(0)"));
    accessible::tellNameChanges(); // told once the click is done
    EXPECT_EQ(name(), pictureName(card->picture()));
    EXPECT_NE(name(), QStringLiteral("Carta coperta"));
    EXPECT_NE(std::find(heard.begin(), heard.end(), std::pair{card->objectName(), QAccessible::NameChanged}), heard.end());

    Banner banner(window->client(), "avviso", "facciata", "ombra", QRect(0, 0, 3000, 600), "GAME OVER",
                  BannerLook{Qt::white, Qt::black});
    heard.clear();
    banner.setVisible(true);
    banner.setVisible(true);
    banner.setCaption(QStringLiteral("GAME OVER"));
    auto alerts = [&] {
        return std::count(heard.begin(), heard.end(), std::pair{QStringLiteral("avviso"), QAccessible::Alert});
    };
    EXPECT_EQ(alerts(), 1);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(banner.label())->role(), QAccessible::AlertMessage);
    banner.setCaption(QStringLiteral("NUOVO RECORD"));
    EXPECT_EQ(alerts(), 2);
    accessible::setObserver({});
}

TEST_F(KeyboardTable, ThePiecesOfALineAreLeftOutWhileTheLineIsReadWhole)
{
    auto* window = new TavolaWindow(std::make_unique<SeededRandom>(1));
    window->show();
    auto face = [&](const char* name) {
        return QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(QLatin1String(name)));
    };
    for (const char* piece : {"Label8(0)", "Label2", "secondi", "Label8(3)", "nome"})
        EXPECT_TRUE(face(piece)->state().invisible) << piece;
    EXPECT_FALSE(face("Minuti")->state().invisible);
    EXPECT_EQ(face("Minuti")->text(QAccessible::Name), QStringLiteral("Tempo: 00:00"));
    EXPECT_FALSE(face("record")->state().invisible);
}

TEST(PictureNames, EveryCardOfTheFourDecksHasItsItalianName)
{
    EXPECT_EQ(pictureName(frenchCardPicture(7, 1)), QStringLiteral("Sette di cuori"));
    EXPECT_EQ(pictureName(frenchCardPicture(1, 2)), QStringLiteral("Asso di picche"));
    EXPECT_EQ(pictureName(frenchCardPicture(12, 3)), QStringLiteral("Donna di quadri"));
    EXPECT_EQ(pictureName(frenchCardPicture(13, 4)), QStringLiteral("Re di fiori"));
    EXPECT_EQ(pictureName(neapolitanCardPicture(9, 2)), QStringLiteral("Cavallo di spade"));
    EXPECT_EQ(pictureName(piacentineCardPicture(1, 1)), QStringLiteral("Asso di denari"));
    EXPECT_EQ(pictureName(piacentineCardPicture(10, 3)), QStringLiteral("Re di bastoni"));
    EXPECT_EQ(pictureName(pictures::piacentineBack), QStringLiteral("Carta coperta"));
    EXPECT_EQ(pictureName(pictures::emptyPlace), QStringLiteral("Posto vuoto"));
    // Every card picture a distinct name.
    QSet<QString> names;
    for (int number = 115; number <= 255; ++number)
        if (number < 167 || (number >= 170 && number < 210) || number >= 216)
            names.insert(pictureName(number));
    EXPECT_EQ(names.size(), 52 + 40);
}

} // namespace
