// The round table's window, driven by clicks on its real controls on a hand-driven clock.
#include "games/tavola/tavola_window.h"
#include "app/game_list.h"
#include "shell/card_pictures.h"
#include "shell/controls/accessible.h"
#include "shell/picture_names.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/random.h"
#include "shell/menu_window.h"
#include "shell/shell.h"
#include "shell/text_formats.h"
#include "tests/support/fake_clock.h"
#include "tests/support/tavola_player.h"
#include "tests/support/temp_working_dir.h"
#include "tests/support/window_driver.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <functional>

namespace {

// Deals the careful player wins: the first with seven cards still in the deck, the second with none.
constexpr std::uint64_t winsWithCardsLeft = 49;
constexpr std::uint64_t winsWithTheLastCard = 7;

QString cardName(int i) { return QStringLiteral("carte(%1)").arg(i); }

// What the player sees at one moment of a hold.
struct Moment {
    int cardsShown = 0;
    bool message = false;
    QString messageText;
    bool bonus = false;
    QString bonusSum; // "03:05 - 08 X 05 = 00:40 Totale 02:25"
    QString clock;
    int hand = 0;
};

class TavolaWindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(winsWithCardsLeft); }
    void TearDown() override
    {
        accessible::setObserver({});
        closeAllWindows();
    }
    void open(std::uint64_t seed)
    {
        window = new TavolaWindow(std::make_unique<SeededRandom>(seed));
        window->show();
    }
    QString caption(const QString& name) { return control<QLabel>(window, name)->text(); }
    bool shown(const QString& name) { return control(window, name)->isVisible(); }
    int picture(const QString& name) { return control<PictureBox>(window, name)->picture(); }
    QString clockText() { return caption("Minuti") + ":" + caption("secondi"); }
    void nuova() { window->newGameAction()->trigger(); }
    // What a screen reader says of a control.
    QString spoken(const QString& name)
    {
        return spokenName(window, name);
    }
    // The alerts read out from now on, as they were worded when they came.
    void hearAlerts()
    {
        accessible::setObserver([this](QWidget* from, QAccessible::Event what) {
            if (what == QAccessible::Alert)
                alerts.push_back(QAccessible::queryAccessibleInterface(from)->text(QAccessible::Name));
        });
    }
    // A key pressed on whatever has the keyboard.
    void key(int k)
    {
        keyAtFocus(window, static_cast<Qt::Key>(k));
    }
    bool focused(const QString& name) { return window->focusWidget() == control(window, name); }
    // Tab round the window until `name` has the keyboard.
    void tabTo(const QString& name)
    {
        ASSERT_TRUE(::tabTo(window, name));
    }
    // The cells whose names end in `state`.
    std::vector<int> cellsSaying(const QString& state)
    {
        std::vector<int> found;
        for (int i = 0; i < 16; ++i)
            if (spoken(cardName(i)).endsWith(", " + state))
                found.push_back(i);
        return found;
    }

    // The careful player's next click, through the window.
    void clickCarefully()
    {
        const TavolaClick next = tavolaNextClick(window->rules());
        click(window, next.isHand() ? QStringLiteral("Vedi") : cardName(next.cell));
    }
    bool nextClickWins()
    {
        const TavolaRules& rules = window->rules();
        return rules.handPickedUp() && TavolaRules::isCourt(rules.hand()) && rules.courtCount() == 11;
    }
    // Plays until the next click would win (true) or the game is over (false); a second passes every
    // `clicksPerSecond` clicks.
    bool playUpToTheWin(int clicksPerSecond)
    {
        for (int n = 1; n < 2000 && window->rules().isPlaying(); ++n) {
            if (nextClickWins())
                return true;
            clickCarefully();
            EXPECT_TRUE(drawnAsTheRulesSay());
            if (n % clicksPerSecond == 0)
                clock.advance(1);
        }
        return false;
    }
    // Runs `action` with every hold and pause ended as soon as it begins, keeping what was on show.
    void watched(const std::function<void()>& action)
    {
        moments.clear();
        QTimer watcher;
        watcher.setInterval(0);
        QObject::connect(&watcher, &QTimer::timeout, [this] {
            if (window)
                moments.push_back(now());
            clock.advance(5);
        });
        watcher.start();
        action();
    }
    Moment now()
    {
        Moment m;
        for (int i = 0; i < 16; ++i)
            m.cardsShown += shown(cardName(i)) ? 1 : 0;
        m.message = shown("gover1") && shown("gover2") && shown("gover3");
        m.messageText = caption("gover3");
        m.bonus = shown("bonus") && shown("bonus1") && shown("bonus10") && shown("bonustots");
        m.bonusSum = caption("bonusmin") + ":" + caption("bonussec") + " - " + caption("bonuscar") + " X " +
                     caption("bonus8") + " = " + caption("bonusmint") + ":" + caption("bonussect") + " Totale " +
                     caption("bonustotm") + ":" + caption("bonustots");
        m.clock = clockText();
        m.hand = picture("Vedi");
        return m;
    }
    // Every picture and frame on the board is what the rules hold.
    bool drawnAsTheRulesSay()
    {
        const TavolaRules& rules = window->rules();
        for (int i = 0; i < 16; ++i) {
            const Card& c = rules.cell(i);
            const int expected = c.isEmpty() ? pictures::emptyPlace : frenchCardPicture(c.rank, c.suit);
            if (rules.isPlaying() && (shown(cardName(i)) == rules.showsPhotograph(i)))
                return false;
            if (shown(cardName(i)) && picture(cardName(i)) != expected)
                return false;
            if (shown(QStringLiteral("cartaM(%1)").arg(i)) != rules.isSelected(i))
                return false;
        }
        return caption("rimane") == QString::number(rules.cardsLeft());
    }
    // A new game whose first card is a court card, for the wrong move.
    void dealACourtCardFirst()
    {
        for (int tries = 0; tries < 100 && !TavolaRules::isCourt(window->rules().hand()); ++tries)
            nuova();
        ASSERT_TRUE(TavolaRules::isCourt(window->rules().hand()));
    }
    // An inner cell: no court card's place.
    static constexpr int inner = 5;

    TempWorkingDir dir;
    FakeClock clock;
    QPointer<TavolaWindow> window;
    std::vector<Moment> moments;
    QStringList alerts;
};

TEST_F(TavolaWindowTest, OpensOnEmptyPlacesOverAPhotographAndWaitsForNuova)
{
    EXPECT_EQ(window->objectName(), "Re");
    EXPECT_EQ(window->windowTitle(), "La Tavola Rotonda");
    EXPECT_EQ(window->client()->size(), QSize(476, 457));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(control(window, cardName(6))->geometry(), QRect(160, 112, 73, 97));
    EXPECT_EQ(control(window, "Image1")->geometry(), QRect(16, 16, 288, 384));
    const int photograph = picture("Image1");
    EXPECT_GE(photograph, 211);
    EXPECT_LE(photograph, 214);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(picture(cardName(i)), pictures::emptyPlace);
    EXPECT_EQ(picture("Mazzo"), pictures::redBack);
    EXPECT_EQ(picture("Vedi"), pictures::emptyPlace);
    EXPECT_EQ(caption("Label1"), "Rimanenti");
    EXPECT_EQ(caption("Label8(0)") + caption("Label8(3)"), "Tempo:Record:");
    EXPECT_EQ(caption("record") + " " + caption("nome"), "05:00 CPU");
    EXPECT_TRUE(caption("Label3").startsWith("Le regole del gioco sono semplici. Mettere le figure"));
    EXPECT_TRUE(caption("Label3").endsWith("o la singola carta sia 10."));
    EXPECT_TRUE(dir.exists("rcltv.dat"));
    EXPECT_EQ(dir.bytes("rcltv.dat"), "");

    QMenu* file = window->findChild<QMenu*>("file");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(window->newGameAction()->text(), "Nuova");
    EXPECT_EQ(window->newGameAction()->shortcut().toString(), "Ctrl+N");
    EXPECT_EQ(window->esciAction()->shortcut().toString(), "Ctrl+E");
    EXPECT_NE(window->findChild<QAction*>("linea"), nullptr);

    // No game yet: nothing takes a click and the clock stands.
    click(window, "Vedi");
    click(window, cardName(5));
    clock.advance(3);
    EXPECT_EQ(clockText(), "00:00");
    EXPECT_FALSE(shown("vediM"));
    EXPECT_EQ(picture(cardName(5)), pictures::emptyPlace);

    nuova();
    EXPECT_EQ(caption("rimane"), "51");
    EXPECT_NE(picture("Vedi"), pictures::emptyPlace);
    EXPECT_EQ(picture("Image1"), photograph);
}

TEST_F(TavolaWindowTest, TheClockTicksEverySecondAndSleepsBetween)
{
    nuova();
    EXPECT_EQ(clock.pending(), 1) << "one wake for the next tick, nothing spinning";
    clock.advance(59);
    EXPECT_EQ(clockText(), "00:59");
    clock.advance(1);
    EXPECT_EQ(clockText(), "01:00");
    clock.advance(539);
    EXPECT_EQ(clockText(), "09:59");
    clock.advance(1);
    EXPECT_EQ(clockText(), "10:00");
    EXPECT_EQ(clock.pending(), 1);
    clock.advance(0.5);
    nuova();
    EXPECT_EQ(clockText(), "00:00");
    clock.advance(0.9);
    EXPECT_EQ(clockText(), "00:00") << "a new game's first second is a whole one";
    clock.advance(0.1);
    EXPECT_EQ(clockText(), "00:01");
}

TEST_F(TavolaWindowTest, PickingUpPlacingAndThePointers)
{
    nuova();
    while (TavolaRules::isCourt(window->rules().hand()))
        nuova();
    const int hand = picture("Vedi");
    moveOver(window, cardName(inner));
    EXPECT_EQ(pointerOf(control(window, cardName(inner))), Pointer::Arrow);
    moveOver(window, "Vedi");
    EXPECT_EQ(pointerOf(control(window, "Vedi")), Pointer::Hand);
    click(window, cardName(inner));
    EXPECT_EQ(picture(cardName(inner)), pictures::emptyPlace) << "not picked up yet";
    click(window, "Vedi");
    EXPECT_TRUE(shown("vediM"));
    moveOver(window, cardName(inner));
    EXPECT_EQ(pointerOf(control(window, cardName(inner))), Pointer::Hand);
    click(window, cardName(inner));
    EXPECT_EQ(picture(cardName(inner)), hand);
    EXPECT_FALSE(shown("vediM"));
    EXPECT_EQ(caption("rimane"), "50");
    moveOver(window, cardName(inner));
    EXPECT_EQ(pointerOf(control(window, cardName(inner))), Pointer::Arrow);
    EXPECT_TRUE(drawnAsTheRulesSay());
}

TEST_F(TavolaWindowTest, AWrongMoveShowsMossaErrataForItsSecondAndKeepsTheCardInHand)
{
    nuova();
    dealACourtCardFirst();
    const int hand = picture("Vedi");
    click(window, "Vedi");
    bool ignored = false;
    watched([&] {
        QTimer::singleShot(0, window, [&] {
            // Clicks during the message are ignored; the clock goes on.
            click(window, "Vedi");
            click(window, cardName(0));
            click(window, cardName(1));
            ignored = window->rules().handPickedUp() && window->rules().placedCount() == 0;
        });
        click(window, cardName(inner));
    });
    ASSERT_FALSE(moments.empty());
    EXPECT_TRUE(moments.front().message);
    EXPECT_EQ(moments.front().messageText, "Mossa Errata");
    EXPECT_TRUE(ignored);
    EXPECT_FALSE(shown("gover1") || shown("gover2") || shown("gover3"));
    EXPECT_EQ(picture(cardName(inner)), pictures::emptyPlace);
    EXPECT_EQ(picture("Vedi"), hand);
    EXPECT_TRUE(shown("vediM")) << "still picked up for another try";
    EXPECT_EQ(clockText(), "00:05");
    EXPECT_EQ(caption("rimane"), "51");
    EXPECT_TRUE(window->rules().isConsistent());
}

TEST_F(TavolaWindowTest, NuovaDuringMossaErrataLeavesTheNewGameAlone)
{
    nuova();
    dealACourtCardFirst();
    click(window, "Vedi");
    bool newGameLost = false;
    QTimer::singleShot(0, window, [&] {
        // New games until one is lost at once: four cards on the corners, then a king.
        for (int tries = 0; tries < 2000 && !newGameLost; ++tries) {
            nuova();
            for (int corner : {0, 3, 12, 15}) {
                if (TavolaRules::isCourt(window->rules().hand()))
                    break;
                click(window, "Vedi");
                click(window, cardName(corner));
            }
            newGameLost = window->rules().state() == TavolaRules::State::Lost && window->rules().placedCount() == 4;
        }
        clock.advance(1);
    });
    click(window, cardName(inner));
    ASSERT_TRUE(newGameLost);
    EXPECT_TRUE(shown("gover3")) << "the old game's second does not take the new game's panel away";
    EXPECT_EQ(caption("gover3"), "GAME OVER");
    EXPECT_EQ(caption("rimane"), "47");
    EXPECT_TRUE(drawnAsTheRulesSay());
    EXPECT_TRUE(window->rules().isConsistent());
}

TEST_F(TavolaWindowTest, EsciDuringMossaErrataClosesWithoutTouchingTheWindowAgain)
{
    nuova();
    dealACourtCardFirst();
    click(window, "Vedi");
    {
        ScriptedAnswers no(false);
        QTimer::singleShot(0, window, [&] {
            window->esciAction()->trigger();
            clock.advance(1);
        });
        click(window, cardName(inner));
        ASSERT_EQ(no.asked.size(), 1u);
        EXPECT_EQ(no.asked[0].first, "ABBANDONA");
        EXPECT_EQ(no.asked[0].second, "Sei sicuro di voler abbandonare la partita?");
        ASSERT_TRUE(window);
        EXPECT_FALSE(shown("gover3")) << "the game goes on after No";
    }
    ScriptedAnswers yes(true);
    QTimer::singleShot(0, window, [&] { window->esciAction()->trigger(); });
    click(window, cardName(inner));
    flushClosedWindows();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(yes.asked.size(), 1u);
}

TEST_F(TavolaWindowTest, AWonGameUncoversThePhotographCountsTheBonusAndTakesARecord)
{
    nuova();
    ASSERT_TRUE(playUpToTheWin(3));
    const int elapsed = window->rules().seconds();
    const int left = window->rules().cardsLeft();
    ASSERT_EQ(left, 7);
    const int total = std::max(0, elapsed - 5 * left);
    ASSERT_LT(total, 300);
    hearAlerts();
    {
        ScriptedAnswers no(false);
        watched([&] {
            QTimer::singleShot(0, window, [&] { window->close(); }); // asked for during the holds
            clickCarefully();
        });
        EXPECT_TRUE(no.asked.empty()) << "the close waits for the holds";
        flushClosedWindows();
        flushClosedWindows();
        EXPECT_EQ(no.asked.size(), 1u);
    }
    ASSERT_TRUE(window);
    ASSERT_GE(moments.size(), 2u);
    const Moment& uncovered = moments[0];
    EXPECT_EQ(uncovered.cardsShown, 0);
    EXPECT_FALSE(uncovered.message);
    EXPECT_FALSE(uncovered.bonus);
    EXPECT_EQ(uncovered.hand, pictures::emptyPlace);
    EXPECT_EQ(uncovered.clock, QString::fromStdString(text::clock(elapsed)));
    const Moment& bonus = moments[1];
    EXPECT_TRUE(bonus.message);
    EXPECT_EQ(bonus.messageText, "Hai Vinto");
    EXPECT_TRUE(bonus.bonus);
    EXPECT_EQ(bonus.bonusSum, QString::fromStdString(text::clock(elapsed) + " - 07 X 05 = 00:35 Totale " +
                                                     text::clock(total)));
    EXPECT_EQ(bonus.clock, QString::fromStdString(text::clock(total)));
    EXPECT_EQ(control<Shape>(window, "gover2")->fill(), QColor(0, 0, 255));
    EXPECT_EQ(control(window, "gover2")->geometry().top(), 352);

    EXPECT_FALSE(shown("bonus"));
    EXPECT_TRUE(shown("gover3"));
    EXPECT_EQ(picture("Image1"), window->rules().photograph());
    ASSERT_TRUE(shown("rct") && shown("rci") && shown("ast1") && shown("ast2") && shown("rc1"));
    EXPECT_EQ(alerts, QStringList({"Hai Vinto",
                                   QString::fromStdString("BONUS CARTE: Tempo " + text::clock(elapsed) +
                                                          ", meno Carte 07 X 05 = 00:35, Totale " + text::clock(total)),
                                   "NUOVO RECORD"}));
    EXPECT_EQ(spoken("Vedi"), "Posto vuoto, in mano") << "the hand is empty and takes no click";
    EXPECT_EQ(caption("rct"), "NUOVO RECORD");
    click(window, cardName(0));
    click(window, "Vedi");
    EXPECT_EQ(window->rules().state(), TavolaRules::State::Won);

    auto* box = control<QLineEdit>(window, "rci");
    QTest::keyClicks(box, "lucia");
    EXPECT_EQ(dir.bytes("rcltv.dat"), "") << "letters alone write nothing";
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isEnabled());
    const std::string written = "LUCIA   " + text::clock(total);
    EXPECT_EQ(dir.bytes("rcltv.dat"), TempWorkingDir::scrambled(written, 0xB7));
    EXPECT_EQ(caption("nome"), "LUCIA   ");
    EXPECT_EQ(caption("record"), QString::fromStdString(text::clock(total)));
    EXPECT_EQ(spoken("record"), QString::fromStdString("Record: " + text::clock(total) + " LUCIA"));

    // The second game in the same window: everything of the win is put away.
    nuova();
    EXPECT_FALSE(shown("gover3") || shown("rct") || shown("rci") || shown("ast1") || shown("bonus"));
    EXPECT_EQ(control<Shape>(window, "gover2")->fill(), QColor(255, 0, 0));
    EXPECT_EQ(clockText(), "00:00");
    EXPECT_EQ(caption("rimane"), "51");
    EXPECT_TRUE(drawnAsTheRulesSay());
    if (!playUpToTheWin(2)) {
        EXPECT_EQ(window->rules().state(), TavolaRules::State::Lost);
        EXPECT_TRUE(shown("gover3"));
        EXPECT_EQ(caption("gover3"), "GAME OVER");
        EXPECT_EQ(control(window, "gover2")->geometry().top(), 184);
        const QString stopped = clockText();
        clock.advance(10);
        EXPECT_EQ(clockText(), stopped) << "the clock stops with the game";
    }

    // The record is read when the window opens.
    ScriptedAnswers yes(true);
    window->close();
    flushClosedWindows();
    open(1);
    EXPECT_EQ(caption("record") + "|" + caption("nome"), QString::fromStdString(text::clock(total)) + "|LUCIA   ");
}

TEST_F(TavolaWindowTest, AWinWithAnEmptyDeckShowsNoBonusAndAnEqualTimeIsNoRecord)
{
    ScriptedAnswers yes(true);
    window->close();
    flushClosedWindows();
    open(winsWithTheLastCard);
    nuova();
    ASSERT_TRUE(playUpToTheWin(1000));
    // The clock stands at 05:00 when the last court card goes down: as good as the record, not better.
    clock.advance(300 - window->rules().seconds());
    ASSERT_EQ(clockText(), "05:00");
    watched([&] { clickCarefully(); });
    EXPECT_EQ(window->rules().state(), TavolaRules::State::Won);
    EXPECT_EQ(window->rules().cardsLeft(), 0);
    for (const Moment& m : moments)
        EXPECT_FALSE(m.bonus);
    EXPECT_EQ(moments.size(), 1u) << "one hold only: the uncovered photograph";
    EXPECT_EQ(caption("gover3"), "Hai Vinto");
    EXPECT_EQ(clockText(), "05:00");
    EXPECT_FALSE(shown("rct") || shown("rci"));
}

TEST_F(TavolaWindowTest, WhatAScreenReaderSaysFollowsTheBoard)
{
    EXPECT_EQ(spoken(cardName(inner)), "Posto vuoto");
    EXPECT_EQ(spoken("Vedi"), "Posto vuoto, in mano");
    EXPECT_EQ(spoken("Mazzo"), "Carta coperta, mazzo");
    EXPECT_EQ(spoken("Image1"), pictureName(picture("Image1")));
    EXPECT_EQ(spoken("Minuti"), "Tempo: 00:00");
    EXPECT_EQ(spoken("record"), "Record: 05:00 CPU");

    nuova();
    while (TavolaRules::isCourt(window->rules().hand()))
        nuova();
    const QString hand = pictureName(picture("Vedi"));
    EXPECT_EQ(spoken("Vedi"), hand + ", in mano, giocabile");
    EXPECT_EQ(spoken("rimane"), "Rimanenti: 51");
    EXPECT_TRUE(cellsSaying("giocabile").empty()) << "nothing takes a card not picked up";
    click(window, "Vedi");
    EXPECT_EQ(spoken("Vedi"), hand + ", in mano, selezionata");
    EXPECT_EQ(cellsSaying("giocabile").size(), 16u) << "a plain card goes anywhere";
    click(window, cardName(inner));
    EXPECT_EQ(spoken(cardName(inner)), hand);
    EXPECT_EQ(spoken("rimane"), "Rimanenti: 50");
    clock.advance(195);
    EXPECT_EQ(spoken("Minuti"), "Tempo: 03:15");

    // A court card picked up: only its own free places take it. The wrong move is read out, and
    // while it shows no cell takes a click.
    dealACourtCardFirst();
    click(window, "Vedi");
    const std::array<int, 4>& places = TavolaRules::places(window->rules().hand().rank);
    EXPECT_EQ(cellsSaying("giocabile"), std::vector<int>(places.begin(), places.end()));
    hearAlerts();
    std::vector<int> takingDuringMessage{-1};
    watched([&] {
        QTimer::singleShot(0, window, [&] { takingDuringMessage = cellsSaying("giocabile"); });
        click(window, cardName(inner));
    });
    EXPECT_EQ(alerts, QStringList{"Mossa Errata"});
    EXPECT_TRUE(takingDuringMessage.empty());
    EXPECT_EQ(cellsSaying("giocabile").size(), 4u) << "the places take it again after the second";

    // The full board: the hand crossed out, every card of one to ten takes a click, a chosen one says so.
    nuova();
    for (int n = 0; n < 2000 && window->rules().isPlaying() && !window->rules().isClearing(); ++n)
        clickCarefully();
    ASSERT_TRUE(window->rules().isClearing());
    EXPECT_TRUE(spoken("Vedi").endsWith(", in mano, bloccata"));
    int chosen = -1;
    for (int i = 0; i < 16; ++i) {
        const int value = window->rules().cellValue(i);
        EXPECT_EQ(spoken(cardName(i)).endsWith(", giocabile"), value > 0 && value <= 10) << i;
        if (value > 0 && value < 10 && chosen < 0)
            chosen = i;
    }
    ASSERT_GE(chosen, 0);
    click(window, cardName(chosen));
    EXPECT_EQ(cellsSaying("selezionata"), std::vector<int>{chosen});
    click(window, cardName(chosen));
    EXPECT_TRUE(cellsSaying("selezionata").empty());
}

TEST_F(TavolaWindowTest, PlacedWithTheKeyboardAlone)
{
    QApplication::setActiveWindow(window); // the keyboard goes to the window in front
    nuova();
    while (TavolaRules::isCourt(window->rules().hand()) || window->rules().hand().rank == 10)
        nuova();
    const Card first = window->rules().hand();
    tabTo("Vedi");
    key(Qt::Key_Space);
    EXPECT_TRUE(window->rules().handPickedUp());
    // Over the board to the inner cell below and left, the pointer following the keyboard.
    key(Qt::Key_Left);
    key(Qt::Key_Down);
    key(Qt::Key_Left);
    ASSERT_TRUE(focused(cardName(6)));
    EXPECT_EQ(pointerOf(control(window, cardName(6))), Pointer::Hand);
    key(Qt::Key_Space);
    EXPECT_EQ(window->rules().cell(6), first);
    EXPECT_EQ(caption("rimane"), "50");

    // A court card going onto its place uncovers the photograph there; the keyboard returns to the hand.
    dealACourtCardFirst();
    const int rank = window->rules().hand().rank;
    tabTo("Vedi");
    key(Qt::Key_Space);
    ASSERT_TRUE(window->rules().handPickedUp());
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Left);
    ASSERT_TRUE(focused(cardName(0)));
    if (rank == 11)
        key(Qt::Key_Right);
    if (rank == 12)
        key(Qt::Key_Down);
    key(Qt::Key_Space);
    ASSERT_EQ(window->rules().courtCount(), 1) << rank;
    EXPECT_TRUE(focused("Vedi"));
    key(Qt::Key_Space);
    EXPECT_TRUE(window->rules().handPickedUp()) << "the next card is picked up at once";
}

TEST_F(TavolaWindowTest, RandomClicksOnTheWindowNeverLoseOrDuplicateACard)
{
    clock.setAutoAdvance(true);
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        SeededRandom clicks(seed);
        for (int game = 0; game < 2; ++game) {
            nuova();
            for (int step = 0; step < 400 && window->rules().isPlaying(); ++step) {
                const double roll = clicks.next();
                if (roll < 0.5)
                    clickCarefully();
                else if (roll < 0.6)
                    click(window, "Vedi");
                else
                    click(window, cardName(clicks.pick(16)));
                ASSERT_TRUE(window->isConsistent()) << "seed " << seed << " step " << step;
                ASSERT_TRUE(drawnAsTheRulesSay()) << "seed " << seed << " step " << step;
            }
        }
    }
}

TEST(TavolaFromTheMenu, CtrlROpensLaTavolaRotondaAlone)
{
    closeAllWindows();
    TempWorkingDir dir;
    Shell::instance().setGames(toatoaGames());
    Shell::instance().setProgramEnd([] {});
    QWidget* menu = Shell::instance().showMenu();
    QAction* linea = menu->findChild<QAction*>("linea");
    ASSERT_NE(linea, nullptr);
    EXPECT_EQ(linea->shortcut().toString(), "Ctrl+R");
    EXPECT_TRUE(linea->isEnabled());
    linea->trigger();
    flushClosedWindows();
    const QWidgetList open = openWindows();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.front()->objectName(), "Re");
    closeAllWindows();
}

} // namespace
