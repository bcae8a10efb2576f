// Margherita's window, driven by clicks on its real cards and keys in its name box.
#include "games/margherita/margherita_window.h"
#include "shell/card_pictures.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/random.h"
#include "shell/record_slot.h"
#include "shell/text_formats.h"
#include "tests/support/temp_working_dir.h"
#include "tests/support/window_driver.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <numeric>

namespace {

// Every swap draws 0 and 0, so the deck stays in order: hearts in row 0, spades, diamonds, clubs below.
class UnshuffledRandom final : public Random {
public:
    double next() override { return 0.0; }
};

// Right along the clubs, back left along the diamonds, then up a spade to its heart, which ends it.
std::vector<int> pathOf(std::size_t length)
{
    std::vector<int> path = {30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 29, 28, 27, 26, 25, 24, 23, 22};
    path.resize(length - 2);
    const int column = path.back() % 10;
    path.insert(path.end(), {10 + column, column});
    return path;
}

QString card(int i) { return QStringLiteral("carte(%1)").arg(i); }
using Question = std::pair<QString, QString>;
const Question abandon{"ABBANDONA", "Sei sicuro di voler abbandonare la partita?"};
const Question backToMenu{"TORNA AL MENU", "Sei sicuro di voler uscire dal gioco?"};

class MargheritaWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = new MargheritaWindow(std::make_unique<UnshuffledRandom>());
        window->show();
    }
    void TearDown() override { closeAllWindows(); }
    QString caption(const QString& name) { return control<QLabel>(window, name)->text(); }
    bool shown(const QString& name) { return control(window, name)->isVisible(); }
    std::vector<int> framed()
    {
        std::vector<int> out;
        for (int i = 0; i < 40; ++i)
            if (shown(QStringLiteral("mascher(%1)").arg(i)))
                out.push_back(i);
        return out;
    }
    void play(const std::vector<int>& path)
    {
        for (int i : path)
            click(window, card(i));
    }
    // Asks to leave, answers No, and gives back what was asked.
    Question askedOnLeaving()
    {
        ScriptedAnswers no(false);
        window->esciAction()->trigger();
        EXPECT_TRUE(window && window->isVisible());
        return no.asked.size() == 1 ? no.asked[0] : Question{};
    }
    std::string fileBytes() { return dir.bytes("rcmgh.dat"); }
    // What a screen reader says for the control.
    std::string heard(const QString& name)
    {
        return spokenName(window, name).toStdString();
    }
    // The cards whose spoken name is `spoken`.
    std::vector<int> cardsHeardAs(const std::string& spoken)
    {
        std::vector<int> out;
        for (int i = 0; i < 40; ++i)
            if (heard(card(i)) == spoken)
                out.push_back(i);
        return out;
    }
    // A key pressed where the keyboard is, as a player presses it.
    void key(int k)
    {
        keyAtFocus(window, static_cast<Qt::Key>(k));
    }
    QString focused() { return window->focusWidget() ? window->focusWidget()->objectName() : QString(); }
    TempWorkingDir dir;
    QPointer<MargheritaWindow> window;
};

TEST_F(MargheritaWindowTest, OpensOnAFaceDownTableWithTheDefaultRecord)
{
    EXPECT_EQ(window->client()->size(), QSize(854, 492));
    EXPECT_EQ(control(window, card(37))->geometry(), QRect(520, 336, 65, 97));
    EXPECT_TRUE(dir.exists("rcmgh.dat"));
    EXPECT_EQ(caption("Label1"), "Carte Scoperte: 00");
    EXPECT_EQ(caption("Label2") + caption("punti") + "|" + caption("nome"), "RECORD: 00|CPU");
    EXPECT_TRUE(caption("Label3").contains(QStringLiteral("sopra;                 QUADRI: ci si potrà")));
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(control<PictureBox>(window, card(i))->picture(), pictures::redBack) << i;
    EXPECT_TRUE(framed().empty());
    for (const char* hidden : {"vt", "Pt", "ombra", "rct", "rci", "ast1"})
        EXPECT_FALSE(shown(hidden)) << hidden;
}

TEST_F(MargheritaWindowTest, TurnedCardsFrameTheirSuitsNeighboursAndSetThePointers)
{
    click(window, card(24)); // the five of diamonds: all four ways
    EXPECT_EQ(control<PictureBox>(window, card(24))->picture(), frenchCardPicture(5, 3));
    EXPECT_EQ(caption("Label1"), "Carte Scoperte: 01");
    EXPECT_EQ(framed(), (std::vector<int>{14, 23, 25, 34}));
    const std::pair<int, Pointer> pointers[] = {{14, Pointer::Hand}, {0, Pointer::NoEntry}, {24, Pointer::Arrow}};
    for (auto [i, pointer] : pointers) {
        moveOver(window, card(i));
        EXPECT_EQ(pointerOf(control(window, card(i))), pointer) << i;
    }
    play({0, 24}); // blocked, then already turned
    EXPECT_EQ(caption("Label1"), "Carte Scoperte: 01");
    EXPECT_EQ(framed(), (std::vector<int>{14, 23, 25, 34}));

    click(window, card(34)); // the five of clubs: up is turned, so right and left only
    EXPECT_EQ(framed(), (std::vector<int>{33, 35}));
    play({35, 36, 37, 38, 39, 29, 28, 27});
    EXPECT_EQ(caption("Label1"), "Carte Scoperte: 10");
}

class MargheritaWindowEnd : public MargheritaWindowTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(MargheritaWindowEnd, ShowsTheBannersAndTheLeavingQuestionFollowsTheEnd)
{
    const std::vector<int> path = pathOf(GetParam());
    play(std::vector<int>(path.begin(), path.end() - 1));
    EXPECT_EQ(askedOnLeaving(), abandon);
    EXPECT_FALSE(shown("Pt"));
    click(window, card(path.back()));

    EXPECT_EQ(caption("Label1"), QStringLiteral("Carte Scoperte: %1").arg(GetParam()));
    EXPECT_TRUE(framed().empty());
    EXPECT_TRUE(shown("Pt") && shown("p2") && shown("p3") && shown("ombra"));
    EXPECT_EQ(caption("Pt"), "MOSSE TERMINATE");
    EXPECT_EQ(shown("vt") && shown("vt1") && shown("vt2") && shown("vt3"), GetParam() >= 20);
    EXPECT_EQ(caption("vt"), "GIOCO RIUSCITO");
    EXPECT_TRUE(shown("rct") && shown("rci") && shown("ast2"));
    EXPECT_EQ(caption("rct"), "NUOVO RECORD");
    EXPECT_EQ(askedOnLeaving(), backToMenu);

    window->newGameAction()->trigger();
    // Every part of every end banner goes away, frames included.
    for (const char* part : {"Pt", "p2", "p3", "ombra", "vt", "vt1", "vt2", "vt3", "rct", "rc1", "rc2", "rc3", "ast1",
                             "ast2", "rci"})
        EXPECT_FALSE(shown(part)) << part;
    EXPECT_EQ(askedOnLeaving(), abandon);
    EXPECT_EQ(fileBytes(), ""); // no Enter, no record
}

// The table as a player who cannot see it hears it: plain face-down cards at first, when any may be
// turned, then the framed ones may be turned and the rest are blocked; everything is blocked at the end.
TEST_F(MargheritaWindowTest, APlayerHearsWhichCardsMayBeTurnedAndTheRecordLine)
{
    std::vector<int> all(40);
    std::iota(all.begin(), all.end(), 0);
    for (int game = 0; game < 2; ++game) {
        EXPECT_EQ(cardsHeardAs("Carta coperta"), all) << "game " << game;
        EXPECT_EQ(heard("Label1"), "Carte Scoperte: 00");
        EXPECT_EQ(heard("Label6"), "Indice Riuscita: 1%");
        click(window, card(24));
        EXPECT_EQ(heard(card(24)), "Cinque di quadri");
        EXPECT_EQ(cardsHeardAs("Carta coperta, giocabile"), framed());
        EXPECT_EQ(cardsHeardAs("Carta coperta, bloccata").size(), 35u);
        play({34, 35, 36});
        EXPECT_EQ(cardsHeardAs("Carta coperta, giocabile"), framed());
        play({26, 16, 6}); // up the sevens to the heart, which leads back down only
        ASSERT_TRUE(shown("Pt"));
        EXPECT_EQ(cardsHeardAs("Carta coperta, bloccata").size(), 33u);
        window->newGameAction()->trigger();
    }
    EXPECT_EQ(heard("punti"), "Record: 00 CPU");
    play({10, 0});
    QTest::keyClicks(control(window, "rci"), "ada");
    QTest::keyClick(control(window, "rci"), Qt::Key_Return);
    EXPECT_EQ(heard("punti"), "Record: 02 ADA") << "the line reads as it shows at once";
    window->newGameAction()->trigger();
    play({12});
    EXPECT_EQ(heard("punti"), "Record: 02 ADA");
}

// A whole game with the keyboard alone on the unshuffled table: the ace of diamonds, the two of
// diamonds, up to the two of spades and the two of hearts above it, which leads only back down.
TEST_F(MargheritaWindowTest, AGameTurnedWithTheKeyboardAlone)
{
    std::vector<QString> alerts;
    accessible::setObserver([&](QWidget* w, QAccessible::Event what) {
        if (what == QAccessible::Alert)
            alerts.push_back(w->objectName());
    });
    key(Qt::Key_Tab); // into the top row, wherever the window put the focus when it opened
    key(Qt::Key_Left);
    EXPECT_EQ(focused(), card(0));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    ASSERT_EQ(focused(), card(20));
    key(Qt::Key_Space);
    EXPECT_EQ(heard(card(20)), "Asso di quadri");
    EXPECT_EQ(cardsHeardAs("Carta coperta, giocabile"), (std::vector<int>{10, 21, 30}));
    key(Qt::Key_Right);
    key(Qt::Key_Space);
    EXPECT_EQ(heard(card(21)), "Due di quadri");
    EXPECT_EQ(cardsHeardAs("Carta coperta, giocabile"), (std::vector<int>{11, 22, 31}));
    key(Qt::Key_Right); // a blocked card takes no turn
    key(Qt::Key_Right);
    ASSERT_EQ(focused(), card(23));
    key(Qt::Key_Space);
    EXPECT_EQ(heard(card(23)), "Carta coperta, bloccata");
    for (int k : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Space, Qt::Key_Up, Qt::Key_Space})
        key(k);
    EXPECT_EQ(heard(card(1)), "Due di cuori");
    EXPECT_EQ(heard("Label1"), "Carte Scoperte: 04");
    EXPECT_TRUE(shown("Pt"));
    EXPECT_NE(std::find(alerts.begin(), alerts.end(), QStringLiteral("Pt")), alerts.end()) << "the end is announced";
    accessible::setObserver({});
    ASSERT_EQ(focused(), "rci");
    for (int k : {Qt::Key_A, Qt::Key_D, Qt::Key_A, Qt::Key_Return})
        key(k);
    EXPECT_EQ(heard("punti"), "Record: 04 ADA");
}

INSTANTIATE_TEST_SUITE_P(NineteenAndTwenty, MargheritaWindowEnd, ::testing::Values(19u, 20u));

TEST_F(MargheritaWindowTest, ARecordIsWrittenOnEnterAndShownAtTheNextGame)
{
    play({10, 0}); // two cards
    auto* box = control<QLineEdit>(window, "rci");
    ASSERT_TRUE(box->isVisible() && box->isEnabled());
    QTest::keyClicks(box, "lucia");
    EXPECT_EQ(fileBytes(), "");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(box->text() + "|" + caption("nome") + "|" + caption("punti"), "LUCIA|LUCIA   |02");
    const std::string expected = TempWorkingDir::scrambled("LUCIA    2", 0xB7);
    EXPECT_EQ(fileBytes(), expected);

    window->newGameAction()->trigger();
    EXPECT_EQ(caption("punti") + caption("nome"), "02LUCIA   ");
    EXPECT_TRUE(box->isEnabled() && !box->isVisible() && box->text() == "LUCIA");
    QTest::keyClick(box, Qt::Key_Return); // no record is pending
    play({10, 0});            // equalling the record is no record
    EXPECT_TRUE(shown("Pt") && !shown("rct") && !shown("rci"));
    EXPECT_EQ(fileBytes(), expected);
}

} // namespace

// A second game in the same window starts as the first did: counters, frames, banners, flag and prompt.
TEST_F(MargheritaWindowTest, ASecondGameStartsAsTheFirstDid)
{
    auto state = [this] {
        QStringList s{caption("Label1"), caption("punti"), caption("nome"), QString::number(window->rules().isOver())};
        for (int i = 0; i < 40; ++i)
            s << QString::number(control<PictureBox>(window, card(i))->picture());
        for (int i : framed())
            s << QStringLiteral("framed %1").arg(i);
        for (const char* part : {"Pt", "vt", "rct", "ast1", "ast2", "rci"})
            s << (shown(part) ? part : "-");
        return s;
    };
    const QStringList atFirst = state();
    play(pathOf(20));
    ASSERT_TRUE(shown("rci"));
    window->newGameAction()->trigger();
    EXPECT_EQ(state(), atFirst);
    play(pathOf(20));
    EXPECT_TRUE(shown("rci")) << "the prompt comes back in the second game";
}

// The name box takes eight characters, replaces the last name when typed over, and leaves the window's
// Ctrl shortcuts to the menu while it has the keyboard.
TEST_F(MargheritaWindowTest, TheNameBoxTakesEightReplacesTheLastNameAndLeavesTheShortcutsToTheMenu)
{
    play({10, 0});
    auto* box = control<QLineEdit>(window, "rci");
    QTest::keyClicks(box, "abc");
    QTest::keyClick(box, Qt::Key_Return);
    window->newGameAction()->trigger();
    QApplication::setActiveWindow(window); // shortcuts act in the active window
    play(pathOf(19));
    ASSERT_TRUE(box->isVisible());
    EXPECT_TRUE(box->hasFocus());
    QTest::keyClicks(box, "marcopolo!!");
    EXPECT_EQ(box->text(), "marcopol");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(caption("nome"), "MARCOPOL");
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("MARCOPOL19", 0xB7));

    box->setEnabled(true);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(caption("Label1"), "Carte Scoperte: 00") << "Ctrl+I started a new game";
    EXPECT_FALSE(box->hasFocus());
    ScriptedAnswers no(false);
    QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(no.asked.size(), 1u) << "Ctrl+E asked to leave";
}

TEST(MargheritaRecordValues, EveryCountRoundTripsThroughTheFile)
{
    TempWorkingDir dir;
    for (int count = 1; count <= 40; ++count) {
        RecordSlot slot(MargheritaRules::recordRules());
        ASSERT_TRUE(slot.write(dir.path().toStdString(), "ANNA", count));
        RecordSlot back(MargheritaRules::recordRules());
        back.read(dir.path().toStdString());
        EXPECT_EQ(back.value(), count);
        EXPECT_EQ(back.valueCaption(), text::twoDigits(count));
    }
}
