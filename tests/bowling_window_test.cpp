// The Bowling window, played by clicks on its real controls on a hand-driven clock.
#include "app/game_list.h"
#include "games/bowling/bowling_window.h"
#include "shell/card_pictures.h"
#include "shell/controls/accessible.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/menu_window.h"
#include "shell/picture_names.h"
#include "shell/shell.h"
#include "tests/bowling_decks.h"
#include "tests/support/fake_clock.h"
#include "tests/support/temp_working_dir.h"
#include "tests/support/window_driver.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

using namespace bowling_decks;

namespace {

// What the player sees at one moment of a hold.
struct Moment {
    QString error;
    QString winner; // the word, then the signs at both ends: "STRIKE X X"
    QColor band;
    QColor signs;
    bool solved = false;
    bool gameOver = false;
    int pinsShown = 0;
};

// The messages read out as alerts while it lives: "name:words".
struct AlertLog {
    AlertLog()
    {
        accessible::setObserver([this](QWidget* control, QAccessible::Event what) {
            if (what == QAccessible::Alert)
                alerts << control->objectName() + ":" + QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        });
    }
    ~AlertLog() { accessible::setObserver({}); }
    AlertLog(const AlertLog&) = delete;
    AlertLog& operator=(const AlertLog&) = delete;
    QStringList alerts;
};

QString pin(int i) { return QStringLiteral("CarteB(%1)").arg(i); }
QString ball(int k) { return QStringLiteral("Mazzo(%1)").arg(k); }
QString frame(int i) { return QStringLiteral("mascher(%1)").arg(i); }

class BowlingWindowTest : public ::testing::Test {
protected:
    BowlingWindowTest()
    {
        watcher.setInterval(0);
        QObject::connect(&watcher, &QTimer::timeout, [this] {
            if (clock.pending() == 0)
                return;
            if (window)
                moments.push_back(now());
            clock.advance(5);
        });
        watcher.start();
    }
    void TearDown() override { closeAllWindows(); }

    void open(const std::vector<BowlingRules::Deck>& decks = {})
    {
        auto owned = std::make_unique<DeckRandom>();
        random = owned.get();
        for (const auto& d : decks)
            random->queue(d);
        window = new BowlingWindow(std::move(owned));
        window->show();
    }
    // A play the script knows to be right: its pins fall, or the game they end is over.
    void throwBall(const Play& play)
    {
        const int game = window->rules().gameNumber();
        const int before = window->rules().prese();
        click(window, ball(play.ball));
        for (int p : play.pins)
            click(window, pin(p));
        click(window, "Label2");
        ASSERT_TRUE(window->rules().isConsistent());
        if (window->rules().gameNumber() == game) {
            ASSERT_EQ(window->rules().prese(), before + static_cast<int>(play.pins.size()));
        }
    }
    void throwAll(const std::vector<Play>& plays, std::size_t count = 1000)
    {
        for (std::size_t i = 0; i < plays.size() && i < count; ++i)
            throwBall(plays[i]);
    }
    void termina(bool yes)
    {
        ScriptedAnswers answer(yes);
        click(window, "terminat");
        ASSERT_EQ(answer.asked.size(), 1u);
        EXPECT_EQ(answer.asked[0].first, "TERMINARE LA MANO?");
        EXPECT_EQ(answer.asked[0].second, "Sei sicuro che non ci sono più messe?");
    }
    void strike() { throwAll(strikePlays()); }
    void spare()
    {
        click(window, "scartt");
        throwAll(sparePlays());
    }
    void pinsThenTermina(int pins)
    {
        throwAll(strikePlays(), static_cast<std::size_t>(pins));
        termina(true);
    }
    void nuovaPartita(const std::vector<BowlingRules::Deck>& decks = {})
    {
        for (const auto& d : decks)
            random->queue(d);
        window->newGameAction()->trigger();
    }
    void typeName(const QString& name)
    {
        auto* box = control<QLineEdit>(window, "reci");
        QTest::keyClicks(box, name);
        QTest::keyClick(box, Qt::Key_Return);
    }

    Moment now()
    {
        Moment m;
        if (shown("erroret"))
            m.error = caption("erroret");
        if (shown("winnert")) {
            m.winner = caption("winnert") + " " + caption("winnert1") + " " + caption("winnert2");
            m.band = *control<Shape>(window, "winner2")->fill();
            m.signs = control<QLabel>(window, "winnert1")->palette().color(QPalette::WindowText);
        }
        m.solved = shown("rist") && shown("ris");
        m.gameOver = shown("got") && shown("go1");
        for (int i = 0; i < 10; ++i)
            m.pinsShown += shown(pin(i));
        return m;
    }
    const Moment* showing(const QString& text)
    {
        for (const Moment& m : moments)
            if (m.error == text || m.winner.startsWith(text))
                return &m;
        return nullptr;
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
    // What a screen reader says of the control.
    QString heard(const QString& name)
    {
        return spokenName(window, name);
    }
    QString scores()
    {
        QStringList s;
        for (int g = 0; g < 5; ++g)
            s << caption(QStringLiteral("PuntiP(%1)").arg(g));
        return s.join(' ');
    }

    FakeClock clock;
    TempWorkingDir dir;
    QTimer watcher;
    std::vector<Moment> moments;
    QPointer<BowlingWindow> window;
    DeckRandom* random = nullptr;
};

} // namespace

TEST_F(BowlingWindowTest, OpensWithTheLaneDealtTheBoardEmptyAndTheDefaultRecord)
{
    open();
    EXPECT_EQ(window->objectName(), "Bowling");
    EXPECT_EQ(window->windowTitle(), "Bowling - TOA-TOA Games");
    EXPECT_EQ(window->client()->size(), QSize(841, 502));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->newGameAction()->text(), "Nuova Partita");
    EXPECT_EQ(window->newGameAction()->shortcut().toString(), "Ctrl+N");
    EXPECT_EQ(window->esciAction()->shortcut().toString(), "Ctrl+E");
    EXPECT_TRUE(dir.exists("rcbwl.dat"));
    EXPECT_EQ(dir.bytes("rcbwl.dat"), "");

    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(picture(pin(i)), frenchCardPicture(i + 1, 1)) << i;
        const bool top = i == 4 || i == 7 || i == 9;
        EXPECT_EQ(picture(ball(i)), top ? frenchCardPicture(i + 1, 2) : pictures::redBack) << i;
        EXPECT_EQ(pointerOver(ball(i)), top ? Pointer::Hand : Pointer::Arrow) << i;
    }
    // The higher ball of a pile lies on the lower one.
    const QObjectList children = window->client()->children();
    EXPECT_LT(children.indexOf(control(window, ball(3))), children.indexOf(control(window, ball(4))));
    EXPECT_EQ(caption("totale") + caption("prese") + caption("somma") + caption("pt") + caption("nome"), "00000000CPU");
    EXPECT_EQ(scores(), "-- -- -- -- --");
    EXPECT_TRUE(enabled("PuntiP(0)") && enabled("Label8(3)"));
    EXPECT_FALSE(enabled("PuntiP(1)") || enabled("Label8(4)") || enabled("Label8(7)"));
    EXPECT_EQ(caption("Label8(0)") + caption("Label8(3)") + caption("Label8(7)") + caption("Label8(1)") + caption("Label10")
                  + caption("Label1") + caption("Label7") + caption("Label5") + caption("Label6") + caption("Label4"),
              "TABELLONE1° Partita5° PartitaTotaleBIRILLICarte Prese:Record:Indice Riuscita30%Regole");
    EXPECT_TRUE(caption("Label9").startsWith("In questo gioco, dovrete eliminare le 10 carte, che  rappresentano"));
    EXPECT_FALSE(shown("Label2") || shown("giocax"));
    EXPECT_TRUE(shown("scartt") && shown("scart") && shown("terminat") && shown("termina"));
    EXPECT_EQ(caption("scartt") + caption("terminat") + caption("Label2"), "ScartaTerminaGioca");
    for (const char* hidden : {"erroret", "winnert", "winner1", "rist", "got", "rect", "reci"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    EXPECT_EQ(pointerOver("terminat"), Pointer::Hand);
    EXPECT_EQ(pointerOver("scartt"), Pointer::Hand);
}

TEST_F(BowlingWindowTest, ABallAndItsPinsAreFramedAndWrongPlaysAreHeldThreeSecondsThenForgotten)
{
    open();
    click(window, ball(9));
    EXPECT_TRUE(shown(frame(19)));
    EXPECT_EQ(pointerOver(pin(0)), Pointer::Hand);
    click(window, pin(0));
    EXPECT_TRUE(shown(frame(0)));
    EXPECT_EQ(caption("somma"), "1");
    EXPECT_TRUE(shown("Label2") && shown("giocax"));
    // Another ball while one is in hand changes nothing.
    EXPECT_EQ(pointerOver(ball(7)), Pointer::Arrow);
    EXPECT_EQ(pointerOver(ball(9)), Pointer::Hand);
    click(window, ball(7));
    EXPECT_FALSE(shown(frame(17)));
    EXPECT_TRUE(shown(frame(19)) && shown(frame(0)));
    EXPECT_EQ(caption("somma"), "1");

    const double before = clock.now();
    click(window, "Label2");
    const Moment* wrong = showing("Selezione Errata!");
    ASSERT_NE(wrong, nullptr);
    EXPECT_EQ(wrong->pinsShown, 10);
    EXPECT_GE(clock.now() - before, 3.0);
    EXPECT_FALSE(shown("erroret") || shown("errore") || shown("errore1"));
    EXPECT_TRUE(shown(frame(0)) && shown(frame(19)) && shown("Label2"));

    click(window, pin(0));
    click(window, pin(8));
    click(window, pin(7));
    EXPECT_EQ(caption("somma"), "17");
    click(window, pin(9));
    EXPECT_EQ(pointerOver(pin(6)), Pointer::NoEntry);
    EXPECT_EQ(pointerOver(pin(8)), Pointer::Hand);
    click(window, pin(6));
    EXPECT_FALSE(shown(frame(6)));
    EXPECT_EQ(caption("somma"), "27");
    moments.clear();
    click(window, "Label2");
    EXPECT_NE(showing("Totale Errato!"), nullptr);
    EXPECT_TRUE(shown(pin(9)));
    // The pin keeps its pointer after "Gioca" took the pictures away, until the mouse moves again.
    EXPECT_EQ(pointerOf(control(window, pin(6))), Pointer::Arrow);

    click(window, pin(8));
    click(window, pin(7));
    moments.clear();
    click(window, "Label2");
    EXPECT_TRUE(moments.empty());
    EXPECT_FALSE(shown(pin(9)) || shown(ball(9)) || shown(frame(19)) || shown("Label2"));
    EXPECT_EQ(picture(ball(8)), frenchCardPicture(9, 2));
    EXPECT_EQ(caption("prese") + "|" + caption("somma"), "1|0");
}

TEST_F(BowlingWindowTest, ScreenReadersHearPinsBallsTheSelectionAndTheCountersWithTheirCaptions)
{
    open();
    const QString ace = pictureName(frenchCardPicture(1, 1)), ten = pictureName(frenchCardPicture(10, 1));
    const QString five = pictureName(frenchCardPicture(5, 2)), tenBall = pictureName(frenchCardPicture(10, 2));
    EXPECT_EQ(heard(pin(0)), ace + ", birillo");
    EXPECT_EQ(heard(ball(4)), five + ", palla, vale 5, 15 o 25");
    EXPECT_EQ(heard(ball(9)), tenBall + ", palla, vale 10");
    EXPECT_EQ(heard(ball(3)), "Carta coperta, palla");
    EXPECT_EQ(heard("somma") + "|" + heard("prese") + "|" + heard("totale"), "Birilli: 0|Carte Prese: 0|Totale: 000");
    EXPECT_EQ(heard("PuntiP(0)") + "|" + heard("PuntiP(4)"), "1° Partita: --|5° Partita: --");
    EXPECT_EQ(heard("pt") + "|" + heard("Label6"), "Record: 000 CPU|Indice Riuscita: 30%");

    click(window, ball(9));
    click(window, pin(9));
    EXPECT_EQ(heard(ball(9)), tenBall + ", palla, vale 10, selezionata");
    EXPECT_EQ(heard(pin(9)), ten + ", birillo, selezionata");
    EXPECT_EQ(heard("somma"), "Birilli: 10");
    click(window, pin(9));
    EXPECT_EQ(heard(pin(9)), ten + ", birillo");
    click(window, pin(9));
    click(window, "Label2");
    // The ball under the one thrown turns up and says what it is worth.
    EXPECT_EQ(heard(ball(8)), pictureName(frenchCardPicture(9, 2)) + ", palla, vale 9, 19 o 29");
    EXPECT_EQ(heard("prese") + "|" + heard("somma"), "Carte Prese: 1|Birilli: 0");
}

TEST_F(BowlingWindowTest, AThrowWithTheKeyboardAloneAndThePointerFollowingTheFocus)
{
    open();
    QApplication::processEvents(); // the window becomes the active one, where the focus lives
    auto tabTo = [this](const QString& name) { return ::tabTo(window, name); };
    auto press = [this] { QTest::keyClick(window->focusWidget(), Qt::Key_Space); };
    ASSERT_TRUE(tabTo(ball(9)));
    press();
    EXPECT_TRUE(shown(frame(19)));
    ASSERT_TRUE(tabTo(pin(9)));
    EXPECT_EQ(pointerOf(control(window, pin(9))), Pointer::Hand) << "the pointer is shown for the focus too";
    press();
    EXPECT_TRUE(shown(frame(9)) && shown("Label2"));
    ASSERT_TRUE(tabTo("Label2"));
    press();
    EXPECT_FALSE(shown(pin(9)) || shown(ball(9)) || shown("Label2"));
    EXPECT_EQ(caption("prese"), "1");
}

TEST_F(BowlingWindowTest, TerminaAnsweredNoKeepsTheSelectionAndScartaComesOnceAGame)
{
    open();
    click(window, ball(9));
    click(window, pin(9));
    termina(false);
    EXPECT_FALSE(shown("Label2") || shown("giocax"));
    EXPECT_TRUE(shown(frame(9)) && shown(frame(19)));
    EXPECT_EQ(caption("PuntiP(0)"), "--");

    click(window, "scartt");
    EXPECT_FALSE(shown("scartt") || shown("scart"));
    EXPECT_FALSE(shown(frame(9)) || shown(frame(19)) || shown("Label2"));
    EXPECT_EQ(caption("somma"), "0");
    for (int k : {4, 7, 9})
        EXPECT_FALSE(shown(ball(k))) << k;
    for (int k : {3, 6, 8})
        EXPECT_EQ(picture(ball(k)), frenchCardPicture(k + 1, 2)) << k;

    throwBall({8, {8}});
    click(window, ball(6));
    EXPECT_EQ(pointerOver(pin(5)), Pointer::Hand);
    termina(true);
    EXPECT_EQ(pointerOf(control(window, pin(5))), Pointer::Arrow) << "a new deal takes the pins' pointers away";
    EXPECT_EQ(caption("PuntiP(0)"), "1");
    EXPECT_EQ(caption("totale"), "001");
    EXPECT_TRUE(shown("scartt") && shown("scart"));
    EXPECT_TRUE(enabled("PuntiP(1)") && enabled("Label8(4)"));
    EXPECT_FALSE(shown("Label2"));
}

TEST_F(BowlingWindowTest, FiveGamesToTheEndTheRecordWrittenAndShownAtTheNextMatch)
{
    open({ordered(), spareDeck()});
    AlertLog log;
    const QStringList& alerts = log.alerts;
    strike();
    EXPECT_TRUE(alerts.contains("winnert:STRIKE")) << alerts.join(' ').toStdString();
    EXPECT_EQ(heard("PuntiP(0)"), "1° Partita: 30");
    const Moment* x = showing("STRIKE");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->winner, "STRIKE X X");
    EXPECT_EQ(x->band, QColor(255, 0, 0));
    EXPECT_EQ(x->signs, QColor(128, 0, 0));
    EXPECT_EQ(x->pinsShown, 0) << "the banner lies over the emptied lane";
    EXPECT_FALSE(shown("winnert") || shown("winner1") || shown("winner2"));
    EXPECT_EQ(caption("PuntiP(0)") + " " + caption("totale"), "30 030");
    EXPECT_EQ(caption("prese"), "0");

    moments.clear();
    spare();
    const Moment* slash = showing("SPARE");
    ASSERT_NE(slash, nullptr);
    EXPECT_EQ(slash->winner, "SPARE / /");
    EXPECT_EQ(slash->band, QColor(0, 0, 255));
    EXPECT_EQ(slash->signs, QColor(0, 0, 128));
    EXPECT_TRUE(alerts.contains("winnert:SPARE")) << alerts.join(' ').toStdString();

    moments.clear();
    pinsThenTermina(7);
    EXPECT_EQ(showing("STRIKE"), nullptr);
    strike();
    moments.clear();
    strike();
    EXPECT_EQ(scores(), "30 20 7 30 30");
    EXPECT_EQ(caption("totale"), "117");
    ASSERT_FALSE(moments.empty());
    EXPECT_TRUE(moments.back().solved && moments.back().gameOver);

    // The match is over: backs everywhere, the commands silent, the name box offered.
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(shown(pin(i)) && shown(ball(i)));
        EXPECT_EQ(picture(pin(i)), pictures::redBack);
        EXPECT_EQ(picture(ball(i)), pictures::redBack);
        EXPECT_EQ(pointerOver(ball(i)), Pointer::Arrow);
        EXPECT_EQ(heard(pin(i)), "Carta coperta, birillo");
        EXPECT_EQ(heard(ball(i)), "Carta coperta, palla");
    }
    EXPECT_EQ(heard("totale"), "Totale: 117");
    EXPECT_TRUE(shown("rist") && shown("got") && shown("rect") && shown("rec1") && shown("reci"));
    EXPECT_EQ(caption("rist") + "|" + caption("got") + "|" + caption("rect"), "Solitario Risolto!|Game Over|Nuovo Record");
    EXPECT_FALSE(shown("Label2"));
    EXPECT_FALSE(enabled("terminat") || enabled("scartt"));
    click(window, ball(9));
    click(window, pin(9));
    click(window, "terminat");
    click(window, "scartt");
    EXPECT_FALSE(shown(frame(19)) || shown(frame(9)));
    EXPECT_EQ(window->rules().gameNumber(), 5);
    EXPECT_EQ(scores(), "30 20 7 30 30");

    typeName("anna");
    EXPECT_EQ(dir.bytes("rcbwl.dat"), TempWorkingDir::scrambled("ANNA    117", 0x5C));
    EXPECT_EQ(caption("nome"), "ANNA    ");
    EXPECT_EQ(caption("pt"), "117");
    EXPECT_FALSE(enabled("reci"));

    // The second match in the same window reads the record back and does not beat it.
    nuovaPartita({ordered(), spareDeck()});
    EXPECT_EQ(caption("nome") + caption("pt"), "ANNA    117");
    EXPECT_EQ(scores(), "-- -- -- -- --");
    EXPECT_EQ(caption("totale"), "000");
    for (const char* hidden : {"rist", "got", "rect", "reci"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    EXPECT_TRUE(enabled("terminat") && enabled("scartt"));
    EXPECT_EQ(picture(pin(0)), frenchCardPicture(1, 1));

    // The same total again is no record.
    strike();
    spare();
    pinsThenTermina(7);
    strike();
    strike();
    EXPECT_EQ(caption("totale"), "117");
    EXPECT_TRUE(shown("rist") && shown("got"));
    EXPECT_FALSE(shown("rect") || shown("reci"));
}

TEST_F(BowlingWindowTest, ANewMatchMidGameHidesGiocaAndStartsClean)
{
    open();
    strike();
    click(window, ball(9));
    click(window, pin(9));
    ASSERT_TRUE(shown("Label2"));
    nuovaPartita();
    EXPECT_FALSE(shown("Label2") || shown("giocax") || shown(frame(9)) || shown(frame(19)));
    EXPECT_EQ(caption("somma") + caption("totale") + caption("PuntiP(0)"), "0000--");
    // No face-down ball takes a click.
    click(window, ball(3));
    EXPECT_FALSE(shown(frame(13)));
    click(window, pin(9));
    EXPECT_FALSE(shown(frame(9)));
}

TEST_F(BowlingWindowTest, ClosingDuringAHeldBannerWaitsForItAndDoesNotCrash)
{
    open();
    click(window, ball(9));
    click(window, pin(0));
    ScriptedAnswers yes(true);
    bool closedDuringHold = false;
    QTimer::singleShot(0, window, [this, &closedDuringHold] {
        closedDuringHold = shown("erroret");
        window->close();
    });
    watcher.stop();
    QTimer advance;
    advance.setInterval(0);
    QObject::connect(&advance, &QTimer::timeout, [this] { clock.advance(1); });
    advance.start();
    click(window, "Label2");
    flushClosedWindows();
    EXPECT_TRUE(closedDuringHold);
    EXPECT_TRUE(window.isNull() || !window->isVisible());
}

TEST_F(BowlingWindowTest, CtrlBInTheMenuOpensBowlingAlone)
{
    Shell::instance().setGames(toatoaGames());
    Form1* menu = Shell::instance().showMenu();
    QAction* entry = menu->findChild<QAction*>(QStringLiteral("bownling"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());
    EXPECT_EQ(entry->shortcut().toString(), "Ctrl+B");
    entry->trigger();
    flushClosedWindows();
    const QWidgetList open = openWindows();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.front()->objectName(), "Bowling");
    EXPECT_EQ(open.front()->windowTitle(), "Bowling - TOA-TOA Games");
}

// Random clicks on whatever is on show, over several seeded matches: the rules stay consistent and the
// lane shows exactly the pins still standing.
TEST_F(BowlingWindowTest, RandomClicksKeepTheTableTrue)
{
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        SeededRandom clicks(seed);
        window = new BowlingWindow(std::make_unique<SeededRandom>(seed * 31));
        window->show();
        setQuestionAnswerer([&clicks](const QString&, const QString&) { return clicks.pick(3) == 0; });
        for (int move = 0; move < 600 && !window->rules().isOver(); ++move) {
            const int what = clicks.pick(40);
            QString target = what < 10 ? ball(what) : what < 30 ? pin(what % 10) : what < 37 ? QStringLiteral("Label2")
                             : what < 39 ? QStringLiteral("scartt") : QStringLiteral("terminat");
            // Only the mouse reaches controls on show: a click on a hidden one is not made.
            if (shown(target))
                click(window, target);
            const BowlingRules& rules = window->rules();
            ASSERT_TRUE(static_cast<GameWindow*>(window.data())->isConsistent()) << "seed " << seed << " move " << move;
            if (rules.isOver())
                break;
            int standing = 0;
            for (int i = 0; i < 10; ++i)
                standing += shown(pin(i));
            ASSERT_EQ(standing, 10 - rules.prese()) << "seed " << seed << " move " << move;
            ASSERT_EQ(caption("prese").toInt(), rules.prese());
            ASSERT_EQ(caption("totale").toInt(), rules.total());
        }
        setQuestionAnswerer({});
        closeAllWindows();
    }
}
