// The monkey: every game the menu offers, played by seeded runs of random clicks, keys, menu commands,
// leave requests and answers, with exactly one window open and the game's invariant holding after each.
#include "app/game_list.h"
#include "shell/clock.h"
#include "shell/game_window.h"
#include "shell/menu_window.h"
#include "shell/shell.h"
#include "tests/support/dice.h"
#include "tests/support/window_driver.h"

#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <memory>
#include <sstream>

namespace {

constexpr int eventsPerRun = 500;

// The keys a player might type into whatever has the focus: letters, digits, editing keys, accents.
const std::vector<std::pair<Qt::Key, QString>> typedKeys = {
    {Qt::Key_A, "a"},       {Qt::Key_Z, "z"},          {Qt::Key_M, "M"},      {Qt::Key_0, "0"},
    {Qt::Key_7, "7"},       {Qt::Key_Space, " "},      {Qt::Key_Return, "\r"}, {Qt::Key_Enter, "\r"},
    {Qt::Key_Backspace, ""}, {Qt::Key_Delete, ""},     {Qt::Key_Escape, ""},  {Qt::Key_Tab, "\t"},
    {Qt::Key_Left, ""},     {Qt::Key_Right, ""},       {Qt::Key_Home, ""},    {Qt::Key_End, ""},
    {Qt::Key_Egrave, QString::fromUtf8("è")}, {Qt::Key_unknown, QString::fromUtf8("€")},
    {Qt::Key_unknown, QString::fromUtf8("ß")}, {Qt::Key_F1, ""},
};

class Monkey {
public:
    // Each game plays its own events from the same seed.
    Monkey(const GameEntry& game, std::uint64_t seed)
        : game_(game), dice_(seed ^ qHash(game.name)), gameSeeds_(~seed ^ qHash(game.name))
    {
        setSeedSource([this] { return gameSeeds_.next(); });
        setQuestionAnswerer([this](const QString& title, const QString&) { return answer(title); });
        // Every wait and timer ends as soon as the event loop runs, as on a fast player's machine, but
        // a wait first lets the monkey act while it is running.
        clock_.setAutoAdvance(true);
        clock_.duringWaits([this](double) { insideWait(); });
    }
    ~Monkey()
    {
        // The windows go while the monkey's clock still runs their timers.
        closeAllWindows();
        setQuestionAnswerer({});
        setSeedSource({});
    }

    // Plays `events` random events from the game's window; false at the first broken rule.
    bool play(int events)
    {
        note("open the game");
        Shell::instance().openGame(game_.name);
        settle();
        check();
        for (int i = 0; i < events && failure_.empty(); ++i) {
            try {
                step();
                settle();
            } catch (const std::exception& error) {
                failure_ = std::string("an exception escaped: ") + error.what();
            }
            check();
        }
        return failure_.empty();
    }

    // What the runs of one game reached, so that a monkey that stopped reaching anything is noticed.
    struct Reach {
        long long questions = 0, opened = 0;
    };
    const Reach& reach() const { return reach_; }

    std::string failure() const
    {
        std::ostringstream out;
        out << failure_ << "\nthe last events, the latest last:";
        for (const std::string& event : log_)
            out << "\n  " << event;
        return out.str();
    }

private:
    // One random event on whatever window is open.
    void step()
    {
        const QWidgetList open = openWindows();
        if (open.size() != 1)
            return;
        if (auto* window = qobject_cast<GameWindow*>(open.front()))
            gameEvent(window);
        else
            menuEvent(open.front());
    }

    void menuEvent(QWidget* menu)
    {
        auto* entry = menu->findChild<QAction*>(game_.name);
        if (!entry)
            return;
        switch (dice_.below(4)) {
        case 0:
            note("menu: the game's shortcut");
            pressShortcut(menu, entry->shortcut());
            break;
        case 1:
            note("menu: the clock runs");
            clock_.advance(dice_.below(5));
            break;
        default:
            note("menu: the game's entry");
            entry->trigger();
            break;
        }
    }

    void gameEvent(GameWindow* window)
    {
        const int roll = dice_.below(100);
        if (roll < 30)
            clickControl(window, false);
        else if (roll < 38)
            clickPoint(window);
        else if (roll < 48)
            clickControl(window, true);
        else if (roll < 58)
            menuItem(window);
        else if (roll < 65)
            shortcut(window);
        else if (roll < 86)
            typeKeys(window);
        else if (roll < 89)
            closeRequest(window);
        else {
            const int seconds = dice_.below(8);
            note("the clock runs " + std::to_string(seconds) + " s");
            clock_.advance(seconds);
        }
    }

    // What the monkey does while a wait is running: now and then an event, rarely deeper than two waits.
    void insideWait()
    {
        if (depth_ >= 2 || !failure_.empty() || !dice_.chance(40))
            return;
        const QWidgetList open = openWindows();
        QPointer<GameWindow> window = open.size() == 1 ? qobject_cast<GameWindow*>(open.front()) : nullptr;
        if (!window)
            return;
        ++depth_;
        note("inside a wait:");
        // Once the player has left, the wait ends before the event loop takes another event.
        for (int n = 1 + dice_.below(2); n > 0 && failure_.empty() && window && !window->isLeaving() &&
                                         openWindows() == QWidgetList{window.data()};
             --n) {
            step();
            check();
        }
        --depth_;
    }

    // A question is answered Yes or No at random; while it is open the timers run and the player may
    // ask to leave once more.
    bool answer(const QString& title)
    {
        ++depth_;
        ++reach_.questions;
        note("question " + title.toStdString());
        if (depth_ <= 2 && dice_.chance(30)) {
            for (QWidget* w : openWindows())
                if (auto* window = qobject_cast<GameWindow*>(w))
                    closeRequest(window);
        }
        if (dice_.chance(20))
            clock_.advance(dice_.below(3));
        const bool yes = dice_.chance(40);
        note(yes ? "answered Yes" : "answered No");
        --depth_;
        return yes;
    }

    QList<QWidget*> controls(GameWindow* window) const
    {
        QList<QWidget*> shown;
        for (QWidget* w : window->client()->findChildren<QWidget*>())
            if (w->isVisible())
                shown.push_back(w);
        return shown;
    }

    QPoint somewhereIn(QWidget* w) { return {dice_.below(std::max(1, w->width())), dice_.below(std::max(1, w->height()))}; }

    static std::string nameOf(const QWidget* w) { return w->objectName().toStdString() + " " + w->metaObject()->className(); }

    void clickControl(GameWindow* window, bool twice)
    {
        const QList<QWidget*> shown = controls(window);
        if (shown.isEmpty())
            return;
        QWidget* target = shown[dice_.below(static_cast<int>(shown.size()))];
        const QPoint at = dice_.chance(50) ? target->rect().center() : somewhereIn(target);
        note((twice ? "double-click " : "click ") + nameOf(target));
        if (twice)
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, at);
        else
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
    }

    void clickPoint(GameWindow* window)
    {
        QWidget* client = window->client();
        const QPoint at = somewhereIn(client);
        QWidget* target = client->childAt(at);
        if (!target)
            target = client;
        note("click at " + std::to_string(at.x()) + "," + std::to_string(at.y()) + " on " + nameOf(target));
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(client, at));
    }

    // Every command of the window's menus, with the title on the menu bar that opens its menu.
    static QList<std::pair<QAction*, QAction*>> menuItems(GameWindow* window)
    {
        QList<std::pair<QAction*, QAction*>> items;
        std::function<void(QAction*, const QList<QAction*>&)> collect = [&](QAction* title, const QList<QAction*>& actions) {
            for (QAction* a : actions) {
                if (a->menu())
                    collect(title ? title : a, a->menu()->actions());
                else if (!a->isSeparator() && a->isEnabled() && a->isVisible())
                    items.push_back({title, a});
            }
        };
        collect(nullptr, window->menuBar()->actions());
        return items;
    }

    void menuItem(GameWindow* window)
    {
        QList<std::pair<QAction*, QAction*>> items = menuItems(window);
        // Leaving has its own share of the events; here it comes now and then.
        if (items.size() > 1 && dice_.chance(75))
            items.removeIf([window](const auto& item) { return item.second == window->esciAction(); });
        if (items.isEmpty())
            return;
        const auto [title, item] = items[dice_.below(static_cast<int>(items.size()))];
        note("menu item " + item->objectName().toStdString());
        // The player opens the menu from the menu bar first, which a hold does not allow.
        QMenuBar* bar = window->menuBar();
        if (title) {
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(title).center());
            if (!QApplication::activePopupWidget())
                return note("  the menu does not open");
            while (QApplication::activePopupWidget())
                QApplication::activePopupWidget()->close();
        }
        item->trigger();
    }

    void shortcut(GameWindow* window)
    {
        QList<std::pair<QAction*, QAction*>> items = menuItems(window);
        items.removeIf([](const auto& item) { return item.second->shortcut().isEmpty(); });
        if (items.isEmpty())
            return;
        QAction* item = items[dice_.below(static_cast<int>(items.size()))].second;
        note("shortcut " + item->shortcut().toString().toStdString());
        pressShortcut(window, item->shortcut());
    }

    static void pressShortcut(QWidget* window, const QKeySequence& keys)
    {
        if (keys.isEmpty())
            return;
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, keys[0].key(), keys[0].keyboardModifiers());
    }

    void typeKeys(GameWindow* window)
    {
        for (int n = 1 + dice_.below(4); n > 0; --n) {
            QPointer<QWidget> target = window->focusWidget() ? window->focusWidget() : window;
            const auto& [key, text] = typedKeys[static_cast<std::size_t>(dice_.below(static_cast<int>(typedKeys.size())))];
            note("key " + (text.isEmpty() || text.front().isSpace() ? QKeySequence(key).toString() : text).toStdString() +
                 " into " + nameOf(target));
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(target, &press);
            if (!target)
                return;
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
            QApplication::sendEvent(target, &release);
            if (openWindows().size() != 1 || openWindows().front() != window)
                return;
        }
    }

    // The three ways of asking to leave: the close box, "Esci", and its shortcut.
    void closeRequest(GameWindow* window)
    {
        switch (dice_.below(3)) {
        case 0: {
            note("close box");
            pressCloseBox(window);
            break;
        }
        case 1:
            note("Esci");
            if (window->esciAction())
                window->esciAction()->trigger();
            break;
        default:
            note("Esci's shortcut");
            if (window->esciAction())
                pressShortcut(window, window->esciAction()->shortcut());
            break;
        }
    }

    // Lets posted events, timers and deferred deletes run, as the event loop would between two events.
    static void settle()
    {
        // The loop deletes what closed before it takes the player's next event.
        for (int i = 0; i < 2; ++i) {
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    void check()
    {
        if (!failure_.empty())
            return;
        const QWidgetList open = openWindows();
        if (open.size() != 1) {
            std::string names;
            for (QWidget* w : open)
                names += " " + w->objectName().toStdString();
            failure_ = std::to_string(open.size()) + " top-level windows open instead of one:" + names;
        } else if (auto* window = qobject_cast<GameWindow*>(open.front())) {
            if (window != lastWindow_) {
                ++reach_.opened;
                lastWindow_ = window;
            }
            if (!window->isLeaving() && !window->isConsistent())
                failure_ = "the game's invariant no longer holds";
        } else if (!qobject_cast<Form1*>(open.front())) {
            failure_ = "an unexpected window is open: " + nameOf(open.front());
        }
    }

    void note(std::string event)
    {
        log_.push_back(std::string(static_cast<std::size_t>(2 * depth_), ' ') + std::move(event));
        if (log_.size() > 30)
            log_.pop_front();
    }

    const GameEntry& game_;
    Dice dice_;
    Dice gameSeeds_;
    FakeClock clock_;
    int depth_ = 0;
    Reach reach_;
    QPointer<GameWindow> lastWindow_;
    std::string failure_;
    std::deque<std::string> log_;
};

class MonkeyPlays : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        closeAllWindows();
        Shell::instance().setGames(toatoaGames());
    }
    void TearDown() override { closeAllWindows(); }
};

TEST_P(MonkeyPlays, RandomEventsLeaveOneWindowAndTheGameWhole)
{
    const GameEntry& game = Shell::instance().games()[static_cast<std::size_t>(GetParam())];
    const long long replay = fromEnvironment("TOATOA_MONKEY_SEED", -1);
    const long long events = fromEnvironment("TOATOA_MONKEY_EVENTS", 2000);
    const long long firstSeed = fromEnvironment("TOATOA_MONKEY_FIRST_SEED", 1);
    const long long runs = replay >= 0 ? 1 : std::max(1LL, (events + eventsPerRun - 1) / eventsPerRun);
    Monkey::Reach total;
    for (long long run = 0; run < runs; ++run) {
        const auto seed = static_cast<std::uint64_t>(replay >= 0 ? replay : firstSeed + run);
        const std::string again = "TOATOA_MONKEY_SEED=" + std::to_string(seed) +
                                  " toatoa_tests --gtest_filter='Games/MonkeyPlays.*/" + game.name.toStdString() + "'";
        std::printf("monkey run: %s\n", again.c_str()); // the last one printed is the one that crashed
        std::fflush(stdout);
        TempWorkingDir dir; // the records the monkey sets stay here
        Monkey monkey(game, seed);
        ASSERT_TRUE(monkey.play(eventsPerRun)) << "seed " << seed << ": " << monkey.failure() << "\nreplay with: " << again;
        total.questions += monkey.reach().questions;
        total.opened += monkey.reach().opened;
    }
    // A monkey that no longer reaches the leaving question, or never comes back to the game, tests nothing.
    EXPECT_GT(total.questions, 0);
    EXPECT_GT(total.opened, runs);
}

INSTANTIATE_TEST_SUITE_P(Games, MonkeyPlays, ::testing::Range(0, static_cast<int>(toatoaGames().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return toatoaGames()[static_cast<std::size_t>(info.param)].name.toStdString();
                         });

} // namespace
