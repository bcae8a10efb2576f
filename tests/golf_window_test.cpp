// Zidu Dori's window, driven by clicks on its real controls on a hand-driven clock.
#include "app/game_list.h"
#include "games/golf/golf_window.h"
#include "shell/card_pictures.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/menu_window.h"
#include "shell/picture_names.h"
#include "shell/shell.h"
#include "tests/support/fake_clock.h"
#include "tests/support/golf_decks.h"
#include "tests/support/temp_working_dir.h"
#include "tests/support/window_driver.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTimer>
#include <functional>

namespace {

using namespace golfdecks;

QString cell(int k) { return QStringLiteral("CarteG(%1)").arg(k); }
QString pile(int i) { return QStringLiteral("tallone(%1)").arg(i); }

class GolfWindowTest : public ::testing::Test {
protected:
    void TearDown() override { closeAllWindows(); }
    // Opens the window on the decks queued, shows it and lets the first hole be announced.
    void open(const std::vector<Deck>& decks)
    {
        auto owned = std::make_unique<DeckRandom>();
        for (const Deck& deck : decks)
            owned->queue(deck);
        random = owned.get();
        window = new GolfWindow(std::move(owned));
        window->show();
    }
    // Runs `action`, ending every hold as it comes, and keeps the banner shown at each.
    std::vector<QString> watched(const std::function<void()>& action)
    {
        std::vector<QString> seen;
        QTimer watcher;
        watcher.setInterval(0);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (clock.pending() == 0)
                return;
            if (window)
                seen.push_back(shown("messaggiot") ? caption("messaggiot") : QString());
            if (window && onHold)
                onHold();
            clock.advance(3.0);
        });
        watcher.start();
        action();
        // What waits for the window's first paint starts on the turn after it.
        QApplication::processEvents();
        QApplication::processEvents();
        watcher.stop();
        return seen;
    }
    std::vector<QString> click(const QString& name)
    {
        return watched([&] { ::click(window, name); });
    }
    QString caption(const QString& name) { return control<QLabel>(window, name)->text(); }
    bool shown(const QString& name) { return control(window, name)->isVisible(); }
    bool enabled(const QString& name) { return control(window, name)->isEnabled(); }
    int picture(const QString& name) { return control<PictureBox>(window, name)->picture(); }
    Pointer pointerOver(const QString& name)
    {
        moveOver(window, name);
        return pointerOf(control(window, name));
    }
    std::string fileBytes() { return dir.bytes("rcdglf.dat"); }
    // What a screen reader says of the control.
    QString heard(const QString& name)
    {
        return spokenName(window, name);
    }
    // The keyboard alone: Tab from wherever the focus is until `name` has it.
    bool tabTo(const QString& name) { return ::tabTo(window, name); }
    std::vector<QString> key(int k) { return watched([&] { QTest::keyClick(window->focusWidget(), Qt::Key(k)); }); }

    // Ten new piles from the blocked deck's stock, then the hole is ended with Yes.
    void playBlockedHole()
    {
        for (int i = 0; i < 10; ++i) {
            click(QStringLiteral("Mazzo"));
            click(QStringLiteral("gioca"));
        }
        ASSERT_TRUE(enabled("terminat"));
        click(QStringLiteral("terminat"));
    }
    // The last-card deck: four kings, ten new piles, one card on pile 5, then the tableau onto pile 0.
    std::vector<QString> playLastCardHole()
    {
        for (int i = 0; i < 14; ++i) {
            click(QStringLiteral("Mazzo"));
            click(QStringLiteral("gioca"));
        }
        click(QStringLiteral("Mazzo"));
        click(pile(5));
        click(QStringLiteral("gioca"));
        std::vector<QString> last;
        for (int j = 0; j < 35; ++j) {
            click(pile(0));
            click(cell(chainCell(j)));
            last = click(QStringLiteral("gioca"));
        }
        return last;
    }

    FakeClock clock;
    TempWorkingDir dir;
    DeckRandom* random = nullptr;
    QPointer<GolfWindow> window;
    std::function<void()> onHold;
};

TEST_F(GolfWindowTest, OpensFaceDownAndAnnouncesTheFirstHoleOnlyOnceShown)
{
    open({DeckPlan().first("5h").cell(4, "6s").stock({"9c"}).build()});
    EXPECT_EQ(window->objectName(), QStringLiteral("golf"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zidu Dori - TOA-TOA Games"));
    EXPECT_EQ(window->client()->size(), QSize(871, 573));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(control(window, cell(7))->geometry(), QRect(104, 88, 65, 105));
    EXPECT_EQ(control(window, pile(3))->geometry(), QRect(24, 288, 65, 105));
    EXPECT_EQ(control(window, pile(4))->geometry(), QRect(504, 408, 65, 105));
    EXPECT_TRUE(dir.exists("rcdglf.dat"));
    EXPECT_EQ(fileBytes(), "");

    // Built and shown, but not yet announced: no hold has begun and the cards lie face down.
    EXPECT_EQ(clock.pending(), 0);
    EXPECT_FALSE(shown("messaggiot"));
    EXPECT_EQ(picture(cell(4)), pictures::redBack);
    EXPECT_FALSE(shown("Mazzo"));

    EXPECT_EQ(watched([] {}), (std::vector<QString>{QStringLiteral("Buca N° 1")}));
    EXPECT_FALSE(shown("messaggiot"));
    EXPECT_EQ(picture(cell(4)), face("6s"));
    EXPECT_EQ(picture(pile(0)), face("5h"));
    EXPECT_TRUE(shown("palla(0)") && shown("tiroX(0)"));
    EXPECT_EQ(caption("tiroX(0)"), QStringLiteral("X"));
    EXPECT_EQ(picture(QStringLiteral("Mazzo")), face("9c"));
    EXPECT_EQ(picture(QStringLiteral("mazzocp")), pictures::redBack);
    EXPECT_EQ(caption("rimanenti"), QStringLiteral("15"));
    EXPECT_EQ(caption("Label1"), QStringLiteral("Mazzo"));
    EXPECT_EQ(caption("terminat"), QStringLiteral("Temina"));
    EXPECT_FALSE(enabled("terminat"));
    EXPECT_FALSE(shown("gioca"));
    EXPECT_EQ(caption("record"), QStringLiteral("+999"));
    EXPECT_EQ(caption("nome"), QStringLiteral("CPU"));
    EXPECT_FALSE(shown("rcdi") || shown("rcdt"));
    EXPECT_EQ(caption("Label8(0)"), QStringLiteral("TABELLONE"));
    EXPECT_EQ(caption("gioco(8)"), QStringLiteral("Buca 9"));
    EXPECT_TRUE(enabled("gioco(0)") && enabled("PuntiG(0)"));
    EXPECT_FALSE(enabled("gioco(1)") || enabled("PuntiG(1)"));
    EXPECT_EQ(caption("PuntiG(0)"), QStringLiteral("--"));
    EXPECT_EQ(caption("totaleG"), QStringLiteral("--"));
    EXPECT_TRUE(caption("Label2").startsWith(QStringLiteral("Portare tutte le carte alla sinistra")));
    EXPECT_TRUE(caption("Label2").endsWith(QStringLiteral("(PS: Regole Ooriginali Modificate!).")));
}

TEST_F(GolfWindowTest, SelectionShowsFramesGiocaAndPointers)
{
    open({DeckPlan().first("5h").cell(4, "6s").cell(9, "Ts").stock({"9c"}).build()});
    watched([] {});
    EXPECT_EQ(pointerOver(cell(4)), Pointer::Hand);
    EXPECT_EQ(pointerOver(cell(3)), Pointer::Arrow);
    EXPECT_EQ(pointerOver(pile(1)), Pointer::NoEntry);
    EXPECT_EQ(pointerOver(pile(0)), Pointer::Hand);

    click(pile(0));
    EXPECT_TRUE(shown("mascheraT(0)"));
    EXPECT_FALSE(shown("gioca"));
    EXPECT_EQ(pointerOver(cell(9)), Pointer::NoEntry) << "a ten does not fit a five";
    EXPECT_EQ(pointerOver(QStringLiteral("Mazzo")), Pointer::NoEntry);
    click(cell(4));
    EXPECT_TRUE(shown("mascher(4)"));
    EXPECT_TRUE(shown("gioca") && shown("giocab"));
    click(QStringLiteral("gioca"));
    EXPECT_FALSE(shown(cell(4)));
    EXPECT_FALSE(shown("mascher(4)") || shown("mascheraT(0)") || shown("gioca"));
    EXPECT_EQ(picture(pile(0)), face("6s"));
    EXPECT_FALSE(shown("palla(0)") || shown("tiroX(0)"));
    EXPECT_EQ(pointerOver(cell(3)), Pointer::Hand) << "the card above is uncovered";

    click(QStringLiteral("Mazzo"));
    EXPECT_TRUE(shown("mascherm") && shown("gioca"));
    EXPECT_EQ(pointerOver(cell(3)), Pointer::NoEntry);
    click(QStringLiteral("gioca"));
    EXPECT_EQ(picture(pile(1)), face("9c"));
    EXPECT_TRUE(shown("palla(1)"));
    EXPECT_FALSE(shown("mascherm") || shown("gioca"));
    EXPECT_EQ(caption("rimanenti"), QStringLiteral("14"));
}

TEST_F(GolfWindowTest, ScreenReadersHearWhatCanBeTakenWhatIsTakenAndTheCounters)
{
    open({DeckPlan().first("5h").cell(4, "6s").cell(9, "Ts").stock({"9c", "Kd"}).build()});
    const QString six = pictureName(face("6s")), ten = pictureName(face("Ts")), nine = pictureName(face("9c"));
    // Face down while the hole is announced: nothing to take yet.
    EXPECT_EQ(heard(cell(4)), QStringLiteral("Carta coperta"));
    EXPECT_EQ(heard(pile(0)), QStringLiteral("Posto vuoto, mazzetto 1"));
    watched([] {});

    EXPECT_EQ(heard(cell(4)), six + QStringLiteral(", giocabile"));
    EXPECT_TRUE(heard(cell(3)).endsWith(QStringLiteral(", bloccata"))) << "covered by the card below";
    EXPECT_EQ(heard(pile(0)), pictureName(face("5h")) + QStringLiteral(", mazzetto 1, una sola carta, giocabile"));
    EXPECT_EQ(heard(pile(1)), QStringLiteral("Posto vuoto, mazzetto 2"));
    EXPECT_EQ(heard(QStringLiteral("Mazzo")), nine + QStringLiteral(", mazzo, giocabile"));
    EXPECT_EQ(heard(QStringLiteral("rimanenti")), QStringLiteral("Mazzo: 15"));
    EXPECT_EQ(heard(QStringLiteral("PuntiG(0)")), QStringLiteral("Buca 1: --"));
    EXPECT_EQ(heard(QStringLiteral("totaleG")), QStringLiteral("Totale: --"));
    EXPECT_EQ(heard(QStringLiteral("record")), QStringLiteral("Record: +999 CPU"));
    EXPECT_EQ(heard(QStringLiteral("Label8(4)")), QStringLiteral("Penalità: 0"));

    click(pile(0));
    EXPECT_EQ(heard(pile(0)), pictureName(face("5h")) + QStringLiteral(", mazzetto 1, una sola carta, selezionata"));
    EXPECT_EQ(heard(cell(9)), ten + QStringLiteral(", bloccata")) << "a ten does not fit a five";
    EXPECT_EQ(heard(QStringLiteral("Mazzo")), nine + QStringLiteral(", mazzo, bloccata"));
    click(cell(4));
    EXPECT_EQ(heard(cell(4)), six + QStringLiteral(", selezionata"));
    click(QStringLiteral("gioca"));
    EXPECT_EQ(heard(pile(0)), six + QStringLiteral(", mazzetto 1, giocabile"));
    EXPECT_TRUE(heard(cell(3)).endsWith(QStringLiteral(", giocabile"))) << "the card above is uncovered";

    // The nine starts a pile, the king under it goes out with a penalty.
    click(QStringLiteral("Mazzo"));
    EXPECT_EQ(heard(QStringLiteral("Mazzo")), nine + QStringLiteral(", mazzo, selezionata"));
    click(QStringLiteral("gioca"));
    EXPECT_EQ(heard(pile(1)), nine + QStringLiteral(", mazzetto 2, una sola carta, giocabile"));
    click(QStringLiteral("Mazzo"));
    click(QStringLiteral("gioca"));
    EXPECT_EQ(window->rules().penalties(), 1);
    EXPECT_EQ(heard(QStringLiteral("Label8(4)")), QStringLiteral("Penalità: 1"));
    EXPECT_EQ(heard(QStringLiteral("rimanenti")), QStringLiteral("Mazzo: %1").arg(window->rules().stockCount() - 1));
}

TEST_F(GolfWindowTest, AMoveWithTheKeyboardAloneAndThePointerFollowingTheFocus)
{
    open({DeckPlan().first("5h").cell(4, "6s").cell(9, "Ts").stock({"9c"}).build()});
    watched([] {});
    ASSERT_TRUE(tabTo(pile(0)));
    key(Qt::Key_Space);
    EXPECT_TRUE(shown("mascheraT(0)"));
    ASSERT_TRUE(tabTo(cell(9)));
    EXPECT_EQ(pointerOf(control(window, cell(9))), Pointer::NoEntry) << "the pointer is shown for the focus too";
    key(Qt::Key_Space);
    EXPECT_FALSE(shown("mascher(9)"));
    ASSERT_TRUE(tabTo(cell(3)));
    key(Qt::Key_Down);
    ASSERT_EQ(window->focusWidget(), control(window, cell(4)));
    EXPECT_EQ(pointerOf(control(window, cell(4))), Pointer::Hand);
    key(Qt::Key_Space);
    EXPECT_TRUE(shown("mascher(4)") && shown("gioca"));
    ASSERT_TRUE(tabTo(QStringLiteral("gioca")));
    key(Qt::Key_Return);
    EXPECT_FALSE(shown(cell(4)) || shown("gioca"));
    EXPECT_EQ(picture(pile(0)), face("6s"));
}

TEST_F(GolfWindowTest, NoToTheQuestionsChangesNothing)
{
    open({blockedDeck().build()});
    watched([] {});
    for (int i = 0; i < 10; ++i) {
        click(QStringLiteral("Mazzo"));
        click(QStringLiteral("gioca"));
    }
    {
        ScriptedAnswers no(false);
        click(QStringLiteral("terminat"));
        window->newGameAction()->trigger();
        ASSERT_EQ(no.asked.size(), 2u);
        EXPECT_EQ(no.asked[0], std::make_pair(QStringLiteral("Abbandona Buca 1"), QStringLiteral("Vuoi Terminare la buca 1?")));
        EXPECT_EQ(no.asked[1], std::make_pair(QStringLiteral("Ricomincia"), QStringLiteral("Vuoi Ricominciare la Partita?")));
    }
    EXPECT_EQ(window->rules().hole(), 1);
    EXPECT_EQ(window->rules().stockCount(), 6);
    EXPECT_EQ(caption("PuntiG(0)"), QStringLiteral("--"));
    EXPECT_TRUE(enabled("terminat"));
}

TEST_F(GolfWindowTest, TwoRoundsOfNineHolesWithARecordWrittenAndShownAtTheNext)
{
    std::vector<Deck> decks(8, blockedDeck().build());
    decks.push_back(lastCardDeck().build());
    decks.insert(decks.end(), 9, blockedDeck().build());
    open(decks);
    watched([] {});
    ScriptedAnswers yes(true);

    for (int hole = 1; hole <= 8; ++hole) {
        playBlockedHole();
        EXPECT_EQ(yes.asked.back().first, QStringLiteral("Abbandona Buca %1").arg(hole));
        EXPECT_EQ(caption(QStringLiteral("PuntiG(%1)").arg(hole - 1)), QStringLiteral("+46"));
        EXPECT_EQ(caption("totaleG"), QStringLiteral("+%1").arg(46 * hole));
    }
    EXPECT_TRUE(enabled("gioco(8)"));
    const std::vector<QString> end = playLastCardHole();
    EXPECT_EQ(end, (std::vector<QString>{QStringLiteral("+13"), QStringLiteral("GAME OVER")}));
    EXPECT_TRUE(shown("messaggiot"));
    EXPECT_EQ(caption("messaggiot"), QStringLiteral("GAME OVER"));
    EXPECT_EQ(caption("PuntiG(8)"), QStringLiteral("+13"));
    EXPECT_EQ(caption("totaleG"), QStringLiteral("+381"));
    EXPECT_FALSE(enabled("terminat") || shown("gioca") || shown("Mazzo") || shown("mazzocp"));
    EXPECT_EQ(caption("rimanenti"), QStringLiteral("0"));

    auto* box = control<QLineEdit>(window, "rcdi");
    ASSERT_TRUE(box->isVisible() && box->isEnabled());
    for (const char* part : {"rcdt", "rcd1", "rcd", "rcd3", "rcd4"})
        EXPECT_TRUE(shown(part)) << part;
    EXPECT_EQ(caption("rcdt"), QStringLiteral("Nuovo Record"));
    // After "GAME OVER" nothing on the table moves.
    click(pile(1));
    EXPECT_FALSE(shown("mascheraT(1)"));
    QTest::keyClicks(box, "lucia");
    EXPECT_EQ(fileBytes(), "");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("LUCIA   +381", 0x5C));
    EXPECT_FALSE(box->isEnabled());
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), QStringLiteral("LUCIA"));
    EXPECT_EQ(caption("nome"), QStringLiteral("LUCIA   "));
    EXPECT_EQ(caption("record"), QStringLiteral("+381"));
    EXPECT_EQ(caption("totaleG"), QStringLiteral("+381"));

    // The second round: the record is read back, and a worse total makes none.
    EXPECT_EQ(watched([&] { window->newGameAction()->trigger(); }), (std::vector<QString>{QStringLiteral("Buca N° 1")}));
    EXPECT_EQ(yes.asked.back().first, QStringLiteral("Ricomincia"));
    EXPECT_FALSE(shown("rcdi") || shown("rcdt") || shown("messaggiot"));
    EXPECT_EQ(caption("record"), QStringLiteral("+381"));
    EXPECT_EQ(caption("nome"), QStringLiteral("LUCIA   "));
    EXPECT_EQ(caption("totaleG"), QStringLiteral("--"));
    EXPECT_EQ(caption("PuntiG(0)"), QStringLiteral("--"));
    EXPECT_FALSE(enabled("PuntiG(8)"));
    for (int hole = 1; hole <= 9; ++hole)
        playBlockedHole();
    EXPECT_EQ(caption("messaggiot"), QStringLiteral("GAME OVER"));
    EXPECT_EQ(caption("totaleG"), QStringLiteral("+414"));
    EXPECT_FALSE(shown("rcdi") || shown("rcdt"));
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("LUCIA   +381", 0x5C));
}

TEST_F(GolfWindowTest, ClosingDuringABannerLeavesCleanly)
{
    open({DeckPlan().first("Kh").build()});
    ScriptedAnswers yes(true);
    onHold = [this] { window->close(); };
    const std::vector<QString> seen = watched([] {});
    flushClosedWindows();
    flushClosedWindows();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), QStringLiteral("Buca N° 1"));
    EXPECT_TRUE(window.isNull());
    ASSERT_EQ(openWindows().size(), 1);
    EXPECT_EQ(openWindows().front()->objectName(), QStringLiteral("Form1"));
}

TEST_F(GolfWindowTest, TheMenuEntryOpensTheGameAlone)
{
    Shell::instance().setGames(toatoaGames());
    Form1* menu = Shell::instance().showMenu();
    QAction* entry = menu->findChild<QAction*>(QStringLiteral("golfm"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());
    EXPECT_EQ(entry->shortcut().toString(), QStringLiteral("Ctrl+G"));
    watched([&] { entry->trigger(); });
    flushClosedWindows();
    const QWidgetList open = openWindows();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.front()->objectName(), QStringLiteral("golf"));
}

} // namespace
