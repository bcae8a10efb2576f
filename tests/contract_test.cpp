// What every game of the menu keeps, whatever its rules, checked through the menu's own list of
// games: its shortcut opens it alone, its table looks as it did, every close request is answered,
// and what the keyboard reaches is named, pressable and visited in reading order.
#include "app/game_list.h"
#include "shell/game_window.h"
#include "shell/menu_window.h"
#include "shell/shell.h"
#include "tests/support/dice.h"
#include "tests/support/window_driver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QTimer>

namespace {

class EveryGame : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        closeAllWindows();
        clock.setAutoAdvance(true); // a banner held as the game opens ends at once
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
    // The game as a player opens it: the menu, then its shortcut.
    GameWindow* openByShortcut()
    {
        Form1* menu = Shell::instance().showMenu();
        QApplication::setActiveWindow(menu);
        QTest::keyClick(menu, game.shortcut[0].key(), game.shortcut[0].keyboardModifiers());
        flushClosedWindows();
        const QWidgetList open = openWindows();
        EXPECT_EQ(open.size(), 1);
        return open.size() == 1 ? qobject_cast<GameWindow*>(open.front()) : nullptr;
    }
    GameWindow* openFromMenu() { return Shell::instance().openGame(game.name); }

    FakeClock clock;
    TempWorkingDir dir;
    GameEntry game;
};

// The menu's shortcut leaves the game's window alone on the screen; the close box as the window
// system sends it, right after opening and again in the same breath as the No that answered it, each
// bring the question (the real message box, answered with its keys), and the Yes brings the menu back.
TEST_P(EveryGame, ItsShortcutOpensItAloneAndEveryCloseRequestIsAnswered)
{
    GameWindow* window = openByShortcut();
    ASSERT_NE(window, nullptr);
    int questions = 0;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        if (++questions == 1) {
            QTest::keyClick(box, Qt::Key_Escape); // No
            pressCloseBox(window);
        } else {
            QTest::keyClick(box, Qt::Key_Return); // Yes
        }
    });
    answerer.start(0);
    pressCloseBox(window);
    for (int turn = 0; turn < 20 && questions < 2; ++turn)
        QApplication::processEvents();
    answerer.stop();
    flushClosedWindows();
    EXPECT_EQ(questions, 2);
    const QWidgetList open = openWindows();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.front()->objectName(), QStringLiteral("Form1"));
}

// A picture's size and the SHA-256 of its pixels, as one line of text.
QString fingerprint(const QImage& picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < pixels.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(pixels.constScanLine(y)), qsizetype(pixels.width()) * 4));
    return QStringLiteral("%1x%2 %3").arg(pixels.width()).arg(pixels.height()).arg(QString::fromLatin1(hash.result().toHex()));
}

// Each table, freshly dealt from a fixed seed, is the picture whose fingerprint is kept beside the
// tests, pixel for pixel: a control out of its place, a wrong size, colour, font or picture shows.
// TOATOA_WRITE_GOLDEN=1 writes the fingerprints anew after a change meant to be seen; a run that differs
// leaves its picture in the temporary directory to be looked at.
TEST_P(EveryGame, ItsTableLooksAsItsPicture)
{
    GameWindow* window = openFromMenu();
    ASSERT_NE(window, nullptr);
    // A mouse press on the empty end of the menu bar, as the keyboard of an earlier test may have left
    // the focus frame up.
    QWidget* bar = window->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() - 2, bar->height() / 2));
    QApplication::processEvents();
    const QImage table = window->client()->grab().toImage();
    const QString file = QDir(QStringLiteral(TOATOA_TESTS_DIR "/golden")).filePath(game.name + QStringLiteral(".txt"));
    QFile kept(file);
    if (qEnvironmentVariableIsSet("TOATOA_WRITE_GOLDEN")) {
        QDir().mkpath(QFileInfo(file).path());
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly | QIODevice::Truncate));
        kept.write(fingerprint(table).toLatin1() + '\n');
        kept.close();
    }
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << file.toStdString();
    const QString expected = QString::fromLatin1(kept.readAll()).trimmed();
    const QString now = QDir::temp().filePath(game.name + QStringLiteral("-now.png"));
    if (fingerprint(table) != expected)
        table.save(now);
    EXPECT_EQ(fingerprint(table), expected) << "the table differs from the one kept in " << file.toStdString()
                                            << "; this run's is " << now.toStdString();
}

// What a screen-reader user would stumble on in `window` now: a control the keyboard reaches without
// a name, a clickable one that is not a button with a press action, a picture on show that says nothing.
std::vector<std::string> unreadable(QWidget* window)
{
    std::vector<std::string> problems;
    auto problem = [&](const QWidget* w, const char* what) { problems.push_back(w->objectName().toStdString() + ": " + what); };
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
        if (picture->isVisibleTo(window) && QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name).isEmpty())
            problem(picture, "picture without a name");
    return problems;
}

// Two games in one window with the keyboard alone, every control checked after every key.
TEST_P(EveryGame, EverythingTheKeyboardReachesIsNamedAndPressable)
{
    ScriptedAnswers yes{true}; // a new game mid-game is wanted
    GameWindow* window = openFromMenu();
    ASSERT_NE(window, nullptr);
    Dice dice(static_cast<std::uint64_t>(GetParam()) + 1);
    for (int round = 0; round < 2; ++round) {
        window->newGameAction()->trigger();
        for (int step = 0; step < 150; ++step) {
            const auto problems = unreadable(window);
            ASSERT_TRUE(problems.empty()) << "round " << round << " step " << step << ": " << problems.front() << " ("
                                          << problems.size() << " in all)";
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
    GameWindow* window = openFromMenu();
    ASSERT_NE(window, nullptr);
    const QList<QWidget*> order = accessible::readingOrder(window);
    ASSERT_FALSE(order.isEmpty());
    const qsizetype start = order.indexOf(window->focusWidget()) + 1; // round from wherever the focus is
    QList<QWidget*> visited, expected;
    for (qsizetype i = 0; i < order.size(); ++i) {
        keyAtFocus(window, Qt::Key_Tab);
        visited.push_back(window->focusWidget());
        expected.push_back(order[(start + i) % order.size()]);
    }
    EXPECT_EQ(visited, expected);
    for (QWidget* w : visited)
        EXPECT_TRUE(window->client()->rect().contains(w->mapTo(window->client(), QPoint(0, 0)))) << w->objectName().toStdString();
    keyAtFocus(window, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(window->focusWidget(), expected[std::max<qsizetype>(0, expected.size() - 2)]);
}

std::string gameName(const ::testing::TestParamInfo<int>& info)
{
    return toatoaGames()[static_cast<std::size_t>(info.param)].name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Games, EveryGame, ::testing::Range(0, static_cast<int>(toatoaGames().size())), gameName);

} // namespace
