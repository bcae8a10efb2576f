// Napoleone's window, driven through its real controls and menus on a hand-driven clock.
#include "games/napoleone/napoleone_window.h"

#include "app/game_list.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"
#include "shell/menu_window.h"
#include "shell/shell.h"
#include "tests/napoleone_decks.h"
#include "tests/support/fake_clock.h"
#include "tests/support/temp_working_dir.h"
#include "tests/support/window_driver.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <fstream>
#include <functional>

using namespace napoleone_decks;

namespace {

QString cellName(const char* array, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i); }

class NapoleoneWindowTest : public ::testing::Test {
protected:
    void TearDown() override { closeAllWindows(); }

    // Opens the window; each deal after this one draws from a seeded random unless a deck is queued.
    void open()
    {
        auto owned = std::make_unique<DeckRandom>();
        random = owned.get();
        window = new NapoleoneWindow(std::move(owned));
        window->show();
    }
    // "Nuova Partita", with `duringCard(n)` run in the pause after the n-th card (0..39) is shown.
    void deal(const std::function<void(int)>& duringCard = {})
    {
        int shown = 0;
        QTimer pump;
        pump.setInterval(0);
        QObject::connect(&pump, &QTimer::timeout, [&] {
            if (!window || !window->isDealing())
                return;
            if (duringCard)
                duringCard(shown);
            ++shown;
            clock.advance(0.1);
        });
        pump.start();
        action("np")->trigger();
    }
    void deal(const Deck& deck, const std::function<void(int)>& duringCard = {})
    {
        random->queue(deck);
        deal(duringCard);
    }
    QAction* action(const char* name) { return window->findChild<QAction*>(QLatin1String(name)); }
    QString caption(const QString& name) { return control<QLabel>(window, name)->text(); }
    QString clockText() { return caption("Minuti") + ":" + caption("secondi"); }
    bool shown(const QString& name) { return control(window, name)->isVisible(); }
    int picture(const QString& name) { return control<PictureBox>(window, name)->picture(); }
    int cellPicture(int i) { return picture(cellName("sopra", i)); }
    void clickCell(int i) { click(window, cellName("sopra", i)); }
    // What a screen reader says of a control.
    QString spoken(const QString& name)
    {
        return spokenName(window, name);
    }
    // A key pressed on whatever has the keyboard.
    void key(Qt::Key k)
    {
        keyAtFocus(window, k);
    }
    bool focused(const QString& name) { return window->focusWidget() == control(window, name); }
    void tabTo(const QString& name)
    {
        ASSERT_TRUE(::tabTo(window, name));
    }
    // Every picture on the table, the visible small cards and the foundations, by control name.
    std::map<QString, int> tablePictures()
    {
        std::map<QString, int> pictures;
        for (int i = 0; i < 36; ++i) {
            pictures[cellName("sopra", i)] = cellPicture(i);
            if (shown(cellName("sotto", i)))
                pictures[cellName("sotto", i)] = picture(cellName("sotto", i));
        }
        for (int j = 0; j < 4; ++j)
            if (shown(cellName("Mazzo", j)))
                pictures[cellName("Mazzo", j)] = picture(cellName("Mazzo", j));
        return pictures;
    }
    // What the rules hold, in the pictures of the deck chosen.
    void expectTableDrawn(int offset)
    {
        const NapoleoneRules& rules = window->rules();
        for (int i = 0; i < 36; ++i) {
            const NapoleoneCell& cell = rules.cell(i);
            ASSERT_EQ(cellPicture(i), cell.isEmpty() ? 168 : 169 + number(cell.top) + offset) << i;
            ASSERT_EQ(shown(cellName("sotto", i)), cell.isPile()) << i;
            if (cell.isPile()) {
                ASSERT_EQ(picture(cellName("sotto", i)), 169 + number(cell.bottom) + offset) << i;
            }
        }
        for (int j = 0; j < 4; ++j)
            ASSERT_EQ(picture(cellName("Mazzo", j)), 169 + number(rules.foundation(j)) + offset) << j;
        ASSERT_EQ(shown("Traspa1"), rules.selected() >= 0);
        if (rules.selected() >= 0) {
            ASSERT_EQ(control(window, "Traspa1")->geometry(),
                      control(window, cellName("sopra", rules.selected()))->geometry());
        }
    }
    // Plays the won-by-clicking table, the clock standing at `seconds` when the last card goes up.
    void winIn(int seconds)
    {
        deal(wonByClicking());
        clock.advance(seconds);
        const std::vector<int> order = clearingOrder();
        for (std::size_t i = 0; i + 1 < order.size(); ++i)
            clickCell(order[i]);
        ASSERT_FALSE(shown("Fine2"));
        clickCell(order.back());
        ASSERT_TRUE(window->rules().isWon());
    }
    void writeRecordFile(const std::string& text)
    {
        std::ofstream out(dir.filePath("rclnp.dat").toStdString(), std::ios::binary);
        out << TempWorkingDir::scrambled(text, 0xB7);
    }

    TempWorkingDir dir;
    FakeClock clock;
    DeckRandom* random = nullptr;
    QPointer<NapoleoneWindow> window;
};

} // namespace

TEST_F(NapoleoneWindowTest, OpensOnAnEmptyTableWithTheRecordAndItsMenus)
{
    open();
    EXPECT_EQ(window->objectName(), "Napoleone");
    EXPECT_EQ(window->windowTitle(), "Napoleone");
    EXPECT_EQ(window->client()->size(), QSize(663, 489));
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_TRUE(dir.exists("rclnp.dat"));
    EXPECT_EQ(dir.bytes("rclnp.dat"), "");
    EXPECT_EQ(caption("record"), "59:58");
    EXPECT_EQ(caption("nome"), "CPU");
    EXPECT_EQ(clockText(), "00:00");
    EXPECT_TRUE(caption("Label4").startsWith("Questo era il solitario"));
    EXPECT_TRUE(caption("Label4").contains(QStringLiteral("più esterne e  accoppiarle")));
    EXPECT_TRUE(caption("Label4").endsWith(QStringLiteral("un'altro mazzo.")));
    for (int i = 0; i < 36; ++i) {
        EXPECT_EQ(cellPicture(i), 168);
        EXPECT_FALSE(shown(cellName("sotto", i)));
    }
    for (int j = 0; j < 4; ++j)
        EXPECT_FALSE(shown(cellName("Mazzo", j)));
    for (const char* hidden : {"Traspa1", "Fine2", "fine1", "Fine3", "rct", "rc1", "rc3", "ast1", "ast2", "rci"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    EXPECT_FALSE(control(window, "rci")->isEnabled());
    // Cell 33 is the fifth of row 0 on the right; its small card sits on its lower corner.
    EXPECT_EQ(control(window, "sopra(33)")->geometry(), QRect(592, 16, 55, 78));
    EXPECT_EQ(control(window, "sotto(33)")->geometry(), QRect(592, 57, 19, 37));
    EXPECT_EQ(control(window, "Mazzo(3)")->geometry(), QRect(304, 256, 55, 78));

    QMenu* file = window->findChild<QMenu*>("file");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->actions().size(), 2) << "no separator";
    EXPECT_EQ(file->actions()[0]->text(), "Nuova Partita");
    EXPECT_EQ(file->actions()[1]->text(), "Esci");
    EXPECT_TRUE(action("np")->shortcut().isEmpty());
    EXPECT_TRUE(action("esci")->shortcut().isEmpty());
    QMenu* decks = window->findChild<QMenu*>("Tcarte");
    ASSERT_NE(decks, nullptr);
    EXPECT_EQ(decks->title(), "Tipo Carte");
    EXPECT_EQ(action("Piace")->text(), "Piacentine");
    EXPECT_EQ(action("Piace")->shortcut().toString(), "Ctrl+P");
    EXPECT_EQ(action("Napo")->text(), "Napoletane");
    EXPECT_EQ(action("Napo")->shortcut().toString(), "Ctrl+N");
    EXPECT_TRUE(action("Piace")->isChecked());
    EXPECT_FALSE(action("Napo")->isChecked());

    // No game yet: the clock does not run and a click does nothing.
    clickCell(32);
    clock.advance(5);
    EXPECT_EQ(clockText(), "00:00");
    EXPECT_FALSE(shown("Traspa1"));
}

TEST_F(NapoleoneWindowTest, TheDealGoesOutCardByCardAndRefusesEverythingMeanwhile)
{
    open();
    QApplication::setActiveWindow(window); // so that its shortcuts would fire
    const Deck deck = NapoleoneRules::shuffled(*random);
    int aces = 0;
    int others = 0;
    deal(deck, [&](int n) {
        (NapoleoneRules::isAce(deck[static_cast<std::size_t>(n)]) ? aces : others)++;
        int cardsShown = 0;
        for (int i = 0; i < 36; ++i)
            cardsShown += cellPicture(i) != 168;
        int foundationsShown = 0;
        for (int j = 0; j < 4; ++j)
            foundationsShown += shown(cellName("Mazzo", j));
        ASSERT_EQ(cardsShown, others) << "card " << n;
        ASSERT_EQ(foundationsShown, aces) << "card " << n;
        for (const char* refused : {"np", "Piace", "Napo"})
            ASSERT_FALSE(action(refused)->isEnabled()) << refused;
        ASSERT_FALSE(window->findChild<QMenu*>("Tcarte")->isEnabled());
        if (n == 20) {
            // The last card shown, and a cell still empty on the table but already dealt.
            clickCell(others - 1);
            clickCell(35);
            EXPECT_FALSE(shown("Traspa1"));
            EXPECT_EQ(window->rules().selected(), -1);
            action("np")->trigger();
            window->np_Click();
            QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
            window->Napo_Click();
            EXPECT_EQ(window->deckOffset(), NapoleoneWindow::piacentine);
            EXPECT_TRUE(action("Piace")->isChecked());
            clock.advance(3);
        }
    });
    ASSERT_FALSE(window->isDealing());
    EXPECT_EQ(aces, 4);
    EXPECT_EQ(others, 36);
    EXPECT_TRUE(window->rules().isConsistent());
    expectTableDrawn(NapoleoneWindow::piacentine);
    // The deal above is the only one: every cell holds the deck's next card.
    int next = 0;
    for (const Card& card : deck)
        if (!NapoleoneRules::isAce(card)) {
            EXPECT_EQ(window->rules().cell(next++).top, card);
        }
    for (const char* back : {"np", "Piace", "Napo"})
        EXPECT_TRUE(action(back)->isEnabled()) << back;
    EXPECT_EQ(clockText(), "00:00") << "the clock stands still during the deal";

    // The clock sleeps between its ticks: one wake a second and nothing else.
    EXPECT_EQ(clock.pending(), 1);
    clock.advance(0.9);
    EXPECT_EQ(clockText(), "00:00");
    clock.advance(0.2);
    EXPECT_EQ(clockText(), "00:01");
    clock.advance(64);
    EXPECT_EQ(clockText(), "01:05");
}

TEST_F(NapoleoneWindowTest, ClosingDuringTheDealStopsIt)
{
    open();
    ScriptedAnswers yes(true);
    std::map<QString, int> atClose;
    deal([&](int n) {
        if (n != 7)
            return;
        atClose = tablePictures();
        window->close();
    });
    // The window is gone or going, and the deal stopped where it was.
    if (window) {
        EXPECT_EQ(tablePictures(), atClose);
    }
    flushClosedWindows();
    EXPECT_FALSE(window);
    ASSERT_EQ(yes.asked.size(), 1u);
    EXPECT_EQ(yes.asked[0].first, "ABBANDONA");
    EXPECT_EQ(yes.asked[0].second, "Sei sicuro di voler abbandonare la partita?");
    const QWidgetList open = openWindows();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.front()->objectName(), "Form1");
    clock.advance(10); // nothing is left waiting on the closed window
}

TEST_F(NapoleoneWindowTest, SwitchingDecksMovesEveryPictureBy46AndTheGameGoesOn)
{
    open();
    deal(deckWith({{32, coppe(5)}, {33, coppe(6)}, {34, coppe(2)}, {35, denari(9)}}));
    clickCell(34);
    clickCell(32);
    clickCell(33);
    clickCell(35);
    clock.advance(7);
    ASSERT_TRUE(shown("sotto(33)"));
    ASSERT_TRUE(shown("Traspa1"));
    const std::map<QString, int> piacentine = tablePictures();
    EXPECT_EQ(piacentine.at("Mazzo(0)"), 217); // the 2 of coppe
    EXPECT_EQ(piacentine.at("sotto(33)"), 221);

    action("Napo")->trigger();
    EXPECT_TRUE(action("Napo")->isChecked());
    EXPECT_FALSE(action("Piace")->isChecked());
    const std::map<QString, int> napoletane = tablePictures();
    ASSERT_EQ(napoletane.size(), piacentine.size());
    for (const auto& [name, number] : piacentine)
        EXPECT_EQ(napoletane.at(name), number == 168 ? 168 : number - 46) << name.toStdString();
    EXPECT_EQ(window->rules().selected(), 35);
    EXPECT_TRUE(shown("Traspa1"));
    EXPECT_EQ(clockText(), "00:07");

    action("Napo")->trigger(); // the checked deck chosen again stays chosen
    EXPECT_TRUE(action("Napo")->isChecked());
    EXPECT_EQ(tablePictures(), napoletane);

    // The next deal comes out in the deck chosen.
    deal();
    expectTableDrawn(NapoleoneWindow::napoletane);
    action("Piace")->trigger();
    EXPECT_TRUE(action("Piace")->isChecked());
    EXPECT_FALSE(action("Napo")->isChecked());
    expectTableDrawn(NapoleoneWindow::piacentine);
}

TEST_F(NapoleoneWindowTest, AClickOnAPilesSmallCardIsAClickOnItsCell)
{
    open();
    deal(deckWith({{32, spade(5)}, {33, spade(6)}, {34, spade(4)}}));
    clickCell(32);
    clickCell(33);
    ASSERT_TRUE(shown("sotto(33)"));
    click(window, "sotto(33)");
    EXPECT_EQ(window->rules().selected(), 33);
    EXPECT_EQ(control(window, "Traspa1")->geometry(), control(window, "sopra(33)")->geometry());
    click(window, "sotto(33)");
    EXPECT_FALSE(shown("Traspa1"));
    // The pile goes onto the 4 turned over: 6 on top, 4 small.
    click(window, "sotto(33)");
    clickCell(34);
    EXPECT_EQ(cellPicture(34), 169 + number(spade(6)) + 46);
    EXPECT_EQ(picture("sotto(34)"), 169 + number(spade(4)) + 46);
    EXPECT_FALSE(shown("sotto(33)"));
    EXPECT_EQ(cellPicture(33), 168);
}

TEST_F(NapoleoneWindowTest, WhatAScreenReaderSaysFollowsTheTable)
{
    open();
    EXPECT_EQ(spoken("sopra(0)"), "Posto vuoto");
    EXPECT_EQ(spoken("Shape1(0)"), "Centro 1: vuoto");
    EXPECT_EQ(spoken("Minuti"), "Tempo: 00:00");
    EXPECT_EQ(spoken("record"), "Record: 59:58 CPU");
    QStringList foundationsAtFirstCard;
    deal(deckWith({{32, spade(5)}, {33, spade(6)}, {34, spade(4)}}), [&](int n) {
        if (n == 0)
            foundationsAtFirstCard = {spoken("Shape1(0)"), spoken("Shape1(1)")};
    });
    EXPECT_EQ(foundationsAtFirstCard, QStringList({"Centro 1: Asso di coppe", "Centro 2: vuoto"}));
    EXPECT_EQ(spoken("Shape1(3)"), "Centro 4: Asso di bastoni");
    EXPECT_EQ(spoken("Mazzo(3)"), "Asso di bastoni, al centro");

    clickCell(32);
    EXPECT_EQ(spoken("sopra(32)"), "Cinque di spade, selezionata");
    clickCell(33);
    EXPECT_EQ(spoken("sopra(32)"), "Posto vuoto");
    EXPECT_EQ(spoken("sopra(33)"), "Cinque di spade, mazzo, in fondo Sei di spade");
    EXPECT_EQ(spoken("sotto(33)"), "Sei di spade, in fondo al mazzo");
    click(window, "sotto(33)");
    const QString chosenPile = "Cinque di spade, mazzo, in fondo Sei di spade, selezionata";
    EXPECT_EQ(spoken("sopra(33)"), chosenPile);
    action("Napo")->trigger();
    EXPECT_EQ(spoken("sopra(33)"), chosenPile) << "the other pictures, the same cards";
    // The pile goes onto the 4 turned over.
    clickCell(34);
    EXPECT_EQ(spoken("sopra(34)"), "Sei di spade, mazzo, in fondo Quattro di spade");
    EXPECT_EQ(spoken("sopra(33)"), "Posto vuoto");
    clock.advance(195);
    EXPECT_EQ(spoken("Minuti"), "Tempo: 03:15");

    deal();
    EXPECT_EQ(spoken("Minuti"), "Tempo: 00:00");
    for (int i = 0; i < 36; ++i)
        EXPECT_FALSE(spoken(cellName("sopra", i)).contains(",")) << i << " still says " << spoken(cellName("sopra", i)).toStdString();
}

TEST_F(NapoleoneWindowTest, TheKeyboardMakesAPileAndStaysOnItsCellThroughANewDeal)
{
    open();
    QApplication::setActiveWindow(window); // the keyboard goes to the window in front
    deal(deckWith({{32, spade(5)}, {33, spade(6)}}));
    tabTo("sopra(32)");
    key(Qt::Key_Space);
    tabTo("sopra(33)");
    key(Qt::Key_Space);
    ASSERT_TRUE(shown("sotto(33)"));
    EXPECT_EQ(window->rules().cell(33).top, spade(5));
    // The small card comes next in reading order, and choosing it chooses the pile.
    key(Qt::Key_Tab);
    ASSERT_TRUE(focused("sotto(33)"));
    key(Qt::Key_Space);
    EXPECT_EQ(window->rules().selected(), 33);

    // A new deal takes the small card away; the keyboard stays on its cell while the cards go out.
    int away = 0;
    deal([&](int) { away += focused("sopra(33)") ? 0 : 1; });
    EXPECT_TRUE(focused("sopra(33)"));
    EXPECT_EQ(away, 0);
}

TEST_F(NapoleoneWindowTest, TwoGamesWonInOneWindowTheFirstWritesTheRecordTheSecondTiesIt)
{
    open();
    winIn(75);
    EXPECT_TRUE(shown("Fine2"));
    EXPECT_EQ(caption("Fine2"), "GIOCO RIUSCITO");
    EXPECT_TRUE(shown("fine1"));
    EXPECT_EQ(clockText(), "01:15");
    clock.advance(30);
    EXPECT_EQ(clockText(), "01:15") << "the clock stops at the win";
    EXPECT_TRUE(shown("rct"));
    EXPECT_EQ(caption("rct"), "NUOVO RECORD");
    EXPECT_TRUE(shown("ast1") && shown("ast2"));
    auto* box = control<QLineEdit>(window, "rci");
    ASSERT_TRUE(box->isVisible() && box->isEnabled());
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(picture(cellName("Mazzo", j)), 169 + 10 * (j + 1) + 46);

    QTest::keyClicks(box, "lucia");
    EXPECT_EQ(dir.bytes("rclnp.dat"), "") << "letters alone write nothing";
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(dir.bytes("rclnp.dat"), TempWorkingDir::scrambled("LUCIA   01:15", 0xB7));
    EXPECT_EQ(caption("nome"), "LUCIA   ");
    EXPECT_EQ(caption("record"), "01:15");
    EXPECT_EQ(spoken("record"), "Record: 01:15 LUCIA");
    for (const char* gone : {"Fine2", "fine1", "Fine3", "rct", "rc1", "rc3", "ast1", "ast2", "rci"})
        EXPECT_FALSE(shown(gone)) << gone;

    // The second game starts with nothing of the first on show, and no win until its last card.
    deal(wonByClicking(), [&](int n) {
        if (n != 0)
            return;
        EXPECT_FALSE(shown("Fine2"));
        EXPECT_EQ(clockText(), "00:00");
        for (int j = 1; j < 4; ++j)
            EXPECT_FALSE(shown(cellName("Mazzo", j))) << j;
    });
    EXPECT_EQ(caption("record"), "01:15");
    EXPECT_EQ(caption("nome"), "LUCIA   ");
    EXPECT_FALSE(shown("Fine2"));
    // The deal above was spent; play the same table again, won in the same time: no record.
    winIn(75);
    EXPECT_TRUE(shown("Fine2")) << "a second win in the same window is seen too";
    EXPECT_FALSE(shown("rct"));
    EXPECT_FALSE(shown("rci"));
    EXPECT_EQ(dir.bytes("rclnp.dat"), TempWorkingDir::scrambled("LUCIA   01:15", 0xB7));

    // A faster game beats it; a new deal withdraws the name box unanswered; Enter alone keeps the last name.
    winIn(74);
    EXPECT_TRUE(shown("rci"));
    deal();
    EXPECT_FALSE(shown("rci"));
    EXPECT_FALSE(shown("rct"));
    EXPECT_EQ(dir.bytes("rclnp.dat"), TempWorkingDir::scrambled("LUCIA   01:15", 0xB7));
    winIn(73);
    QTest::keyClick(control<QLineEdit>(window, "rci"), Qt::Key_Return);
    EXPECT_EQ(dir.bytes("rclnp.dat"), TempWorkingDir::scrambled("LUCIA   01:13", 0xB7));

    ScriptedAnswers no(false);
    window->close();
    ASSERT_EQ(no.asked.size(), 1u);
    EXPECT_EQ(no.asked[0].second, "Sei sicuro di voler abbandonare la partita?");
    EXPECT_TRUE(window->isVisible());
}

TEST_F(NapoleoneWindowTest, TheClockStopsAt5959AndTheGameGoesOn)
{
    open();
    deal(wonByClicking());
    clock.advance(59 * 60 + 57);
    EXPECT_EQ(clockText(), "59:57");
    clock.advance(1);
    EXPECT_EQ(clockText(), "59:59");
    clock.advance(100);
    EXPECT_EQ(clockText(), "59:59");
    EXPECT_EQ(clock.pending(), 0) << "a stopped clock does not wake";
    for (int cell : clearingOrder())
        clickCell(cell);
    EXPECT_TRUE(shown("Fine2"));
    EXPECT_FALSE(shown("rci")) << "59:59 never beats 59:58";
}

struct StoredRecord {
    const char* name;
    std::string file;
    QString record;
    QString holder;
};

void PrintTo(const StoredRecord& stored, std::ostream* out) { *out << stored.name; }

class NapoleoneStoredRecord : public NapoleoneWindowTest, public ::testing::WithParamInterface<StoredRecord> {};

TEST_P(NapoleoneStoredRecord, IsReadWhenTheWindowOpens)
{
    writeRecordFile(GetParam().file);
    open();
    EXPECT_EQ(caption("record"), GetParam().record);
    EXPECT_EQ(caption("nome"), GetParam().holder);
}

INSTANTIATE_TEST_SUITE_P(
    Napoleone, NapoleoneStoredRecord,
    ::testing::Values(StoredRecord{"ATime", "ANNA    12:34", "12:34", "ANNA    "},
                      StoredRecord{"NoTimeAtAll", "ANNA    00:00", "00:00", "ANNA    "},
                      StoredRecord{"BytesAfterTheTimeIgnored", "ANNA    12:34xyz", "12:34", "ANNA    "},
                      StoredRecord{"SixtySeconds", "ANNA    12:60", "59:58", "CPU"},
                      StoredRecord{"NoColon", "ANNA    12-34", "59:58", "CPU"},
                      StoredRecord{"ShortValue", "ANNA    1:34", "59:58", "CPU"},
                      StoredRecord{"NameOnly", "ANNA    ", "59:58", "CPU"},
                      StoredRecord{"ShortName", "ANN", "59:58", "CPU"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NapoleoneWindowTest, CtrlNInTheMenuOpensNapoleoneAlone)
{
    Shell::instance().setGames(toatoaGames());
    Form1* menu = Shell::instance().showMenu();
    QApplication::setActiveWindow(menu);
    QTest::keyClick(menu, Qt::Key_N, Qt::ControlModifier);
    flushClosedWindows();
    const QWidgetList open = openWindows();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.front()->objectName(), "Napoleone");
}

TEST_F(NapoleoneWindowTest, RandomClicksKeepEveryCardOnceAndTheTableDrawn)
{
    SeededRandom chooser(2026);
    for (int round = 0; round < 3; ++round) {
        open();
        for (int game = 0; game < 2; ++game) {
            const std::uint64_t seed = 100 * round + game + 1;
            SeededRandom deckSource(seed);
            deal(NapoleoneRules::shuffled(deckSource));
            for (int step = 0; step < 150; ++step) {
                std::vector<int> cells{chooser.pick(36)};
                const auto allowed = legalMoves(window->rules());
                if (!allowed.empty() && chooser.next() < 0.6) {
                    const auto [from, to] = allowed[static_cast<std::size_t>(chooser.pick(static_cast<int>(allowed.size())))];
                    cells = {from};
                    if (to >= 0)
                        cells.push_back(to);
                }
                if (chooser.next() < 0.05)
                    action(chooser.next() < 0.5 ? "Napo" : "Piace")->trigger();
                for (int cell : cells) {
                    // A pile's small card takes the click as well as the cell.
                    if (shown(cellName("sotto", cell)) && chooser.next() < 0.5)
                        click(window, cellName("sotto", cell));
                    else
                        clickCell(cell);
                    ASSERT_TRUE(window->isConsistent()) << "seed " << seed << ", step " << step;
                    ASSERT_NO_FATAL_FAILURE(expectTableDrawn(window->deckOffset())) << "seed " << seed << ", step " << step;
                }
            }
        }
        closeAllWindows();
    }
}
