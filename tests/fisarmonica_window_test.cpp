// The accordion's window, driven by clicks on its real controls.
#include "games/fisarmonica/fisarmonica_window.h"
#include "shell/cards.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/picture_names.h"
#include "shell/random.h"
#include "shell/record_slot.h"
#include "tests/support/temp_working_dir.h"
#include "tests/support/window_driver.h"

#include <QAccessible>
#include <QDir>
#include <QLineEdit>

namespace {

class FisarmonicaPlay : public ::testing::Test {
protected:
    void SetUp() override { open(); }
    void TearDown() override { closeAllWindows(); }
    void open()
    {
        window = new FisarmonicaWindow(std::make_unique<SeededRandom>(42));
        window->show();
    }
    QString caption(const QString& name) { return control<QLabel>(window, name)->text(); }
    bool shown(const QString& name) { return control(window, name)->isVisible(); }
    int picture(const QString& name) { return control<PictureBox>(window, name)->picture(); }
    void dealAll()
    {
        for (int i = 0; i < 52; ++i) {
            // Keep the row from filling up: join wherever a join is possible.
            if (window->rules().cardsInRow() == 12)
                joinAny();
            click(window, "MazzoI");
        }
    }
    // The first two places that may be joined, left and right; {-1, -1} when none may.
    std::pair<int, int> findJoin()
    {
        for (int right = 1; right < 12; ++right)
            for (int left = std::max(0, right - 3); left < right; ++left)
                if (window->rules().canJoin(left, right))
                    return {left, right};
        return {-1, -1};
    }
    bool joinAny()
    {
        const auto [left, right] = findJoin();
        if (left < 0)
            return false;
        click(window, QStringLiteral("carteF(%1)").arg(right));
        click(window, QStringLiteral("carteF(%1)").arg(left));
        return true;
    }
    std::string fileBytes() { return dir.bytes("rcfis.dat"); }
    // What a screen reader says for the control.
    std::string heard(const QString& name)
    {
        return spokenName(window, name).toStdString();
    }
    QString place(int i) { return QStringLiteral("carteF(%1)").arg(i); }
    // The places whose spoken name ends in "selezionata".
    std::vector<int> heardSelected()
    {
        std::vector<int> out;
        for (int i = 0; i < 12; ++i)
            if (QString::fromStdString(heard(place(i))).endsWith(QStringLiteral(", selezionata")))
                out.push_back(i);
        return out;
    }
    // A key pressed where the keyboard is, as a player presses it.
    void key(Qt::Key k)
    {
        keyAtFocus(window, k);
    }
    QString focused() { return window->focusWidget() ? window->focusWidget()->objectName() : QString(); }
    // With the arrows alone, from one place of the row to another.
    void arrowTo(int from, int to)
    {
        for (int row = from / 6; row != to / 6; row += to / 6 > row ? 1 : -1)
            key(to / 6 > row ? Qt::Key_Down : Qt::Key_Up);
        for (int column = from % 6; column != to % 6; column += to % 6 > column ? 1 : -1)
            key(to % 6 > column ? Qt::Key_Right : Qt::Key_Left);
    }
    TempWorkingDir dir;
    QPointer<FisarmonicaWindow> window;
};

TEST_F(FisarmonicaPlay, OpensWithAFreshGameAndAnEmptyRecordFile)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("La Fisarmonica - TOA-TOA Games"));
    EXPECT_EQ(window->client()->size(), QSize(504, 400));
    EXPECT_TRUE(dir.exists("rcfis.dat"));
    EXPECT_EQ(fileBytes(), "");
    EXPECT_EQ(caption("Label1"), "52");
    EXPECT_EQ(caption("nome"), "CPU");
    EXPECT_EQ(caption("record"), "12");
    EXPECT_EQ(picture("MazzoI"), 102);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(picture(QStringLiteral("carteF(%1)").arg(i)), 168);
    EXPECT_FALSE(shown("term2"));
    EXPECT_FALSE(shown("rci"));
    EXPECT_EQ(control(window, "carteF(6)")->geometry(), QRect(16, 120, 71, 96));
}

TEST_F(FisarmonicaPlay, ClickingSelectsMovesAndShowsTheHighlight)
{
    click(window, "MazzoI");
    click(window, "MazzoI");
    EXPECT_EQ(caption("Label1"), "50");
    EXPECT_EQ(picture("carteF(0)"), cards::frenchPicture(window->rules().place(0)));
    click(window, "carteF(1)");
    EXPECT_TRUE(shown("maschera(1)"));
    click(window, "carteF(1)");
    EXPECT_FALSE(shown("maschera(1)"));

    moveOver(window, "carteF(0)");
    EXPECT_EQ(pointerOf(control(window, "carteF(0)")), Pointer::Hand);
    moveOver(window, "carteF(5)");
    EXPECT_EQ(pointerOf(control(window, "carteF(5)")), Pointer::Arrow);
    moveOver(window, "MazzoI");
    EXPECT_EQ(pointerOf(control(window, "MazzoI")), Pointer::Hand);
}

// What a player who cannot see the row hears: the deck with its count, the selected card, the empty
// places, and the record line whole.
TEST_F(FisarmonicaPlay, APlayerHearsTheDeckTheSelectionAndTheRecordLine)
{
    for (int game = 0; game < 2; ++game) {
        EXPECT_EQ(heard("MazzoI"), "Mazzo: 52") << "game " << game;
        EXPECT_EQ(heard("Label1"), "Mazzo: 52");
        EXPECT_EQ(heard(place(0)), "Posto vuoto");
        EXPECT_EQ(heard("record"), "Record: 12 Mazzetti - CPU");
        for (int i = 0; i < 6; ++i)
            click(window, "MazzoI");
        EXPECT_EQ(heard("MazzoI"), "Mazzo: 46");
        EXPECT_EQ(heard("Label1"), "Mazzo: 46");
        click(window, place(4));
        EXPECT_EQ(heard(place(4)), (pictureName(cards::frenchPicture(window->rules().place(4))) + ", selezionata").toStdString());
        EXPECT_EQ(heardSelected(), std::vector<int>{4});
        click(window, place(4));
        EXPECT_EQ(heard(place(4)), pictureName(cards::frenchPicture(window->rules().place(4))).toStdString());
        ASSERT_TRUE(joinAny()) << "seed 42 deals a pair the row can join";
        EXPECT_EQ(heardSelected(), std::vector<int>{}) << "a move takes the selection away";
        EXPECT_EQ(heard(place(5)), "Posto vuoto");
        dealAll();
        EXPECT_EQ(heard("MazzoI"), "Mazzo: 0");
        click(window, place(0));
        window->newGameAction()->trigger();
        EXPECT_EQ(heardSelected(), std::vector<int>{}) << "a new game selects nothing";
    }
}

// A move with the keyboard alone: Tab into the row, down to the deck, deal until two cards may join,
// then up into the row, pick up the right card and put it on the left one.
TEST_F(FisarmonicaPlay, AMoveWithTheKeyboardAlone)
{
    key(Qt::Key_Tab); // into the row, wherever the window put the focus when it opened
    key(Qt::Key_Left);
    EXPECT_EQ(focused(), place(0));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    ASSERT_EQ(focused(), "MazzoI");
    const FisarmonicaRules& rules = window->rules();
    while (findJoin().first < 0 && rules.cardsInRow() < 12)
        key(Qt::Key_Space);
    const int dealt = rules.cardsInRow();
    EXPECT_EQ(heard("MazzoI"), "Mazzo: " + std::to_string(52 - dealt));
    const auto [left, right] = findJoin();
    ASSERT_GE(left, 0);
    const std::string moving = pictureName(cards::frenchPicture(rules.place(right))).toStdString();

    key(Qt::Key_Up);
    ASSERT_EQ(focused(), place(7)) << "up from the deck is the card above it";
    arrowTo(7, right);
    ASSERT_EQ(focused(), place(right));
    key(Qt::Key_Space);
    EXPECT_EQ(heard(place(right)), moving + ", selezionata");
    arrowTo(right, left);
    key(Qt::Key_Space);
    EXPECT_EQ(rules.cardsInRow(), dealt - 1);
    EXPECT_EQ(heard(focused()), moving) << "the moved card lies where the keyboard is";
    EXPECT_EQ(heardSelected(), std::vector<int>{});
    EXPECT_FALSE(shown(QStringLiteral("maschera(%1)").arg(left)));
}

TEST_F(FisarmonicaPlay, TheLastCardShowsFinitoAndFinitoEndsTheGameWithARecord)
{
    dealAll();
    EXPECT_EQ(caption("Label1"), "0");
    EXPECT_EQ(picture("MazzoI"), 168);
    ASSERT_TRUE(shown("term2"));
    while (joinAny()) {
    }
    const int piles = window->rules().cardsInRow();
    ASSERT_LT(piles, 12);
    click(window, "term2");
    EXPECT_FALSE(shown("term2"));
    EXPECT_TRUE(shown("gover3"));
    EXPECT_EQ(caption("gover3"), "Game Over");
    EXPECT_EQ(shown("vinto3"), piles == 1);
    ASSERT_TRUE(shown("record3"));
    EXPECT_EQ(caption("record3"), "Nuovo RECORD");

    auto* box = control<QLineEdit>(window, "rci");
    ASSERT_TRUE(box->isVisible() && box->isEnabled());
    QTest::keyClicks(box, "lucia");
    EXPECT_EQ(fileBytes(), ""); // letters alone write nothing
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(box->text(), "LUCIA");
    EXPECT_EQ(caption("nome"), "LUCIA   ");
    EXPECT_EQ(heard("record"), "Record: 12 Mazzetti - LUCIA") << "the new holder is heard at once, as shown";

    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("LUCIA   " + FisarmonicaRules::recordValueText(piles), 0x5C));

    window->newGameAction()->trigger();
    EXPECT_EQ(caption("record"), QString::number(piles));
    EXPECT_EQ(caption("nome"), "LUCIA   ");
    EXPECT_EQ(heard("record"), "Record: " + std::to_string(piles) + " Mazzetti - LUCIA");
    EXPECT_FALSE(shown("gover3"));
    EXPECT_FALSE(shown("rci"));
}

TEST_F(FisarmonicaPlay, ARecordThatCannotBeWrittenIsNotShownAsKept)
{
    dealAll();
    while (joinAny()) {
    }
    click(window, "term2");
    ASSERT_TRUE(shown("rci"));
    // Something squats on the file's name: the write fails and the game goes on.
    ASSERT_TRUE(QFile::remove(dir.filePath("rcfis.dat")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("rcfis.dat"));
    auto* box = control<QLineEdit>(window, "rci");
    QTest::keyClicks(box, "ugo");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(caption("nome"), "CPU");
    EXPECT_EQ(caption("record"), "12");
    window->newGameAction()->trigger();
    EXPECT_EQ(caption("Label1"), "52");
}

TEST_F(FisarmonicaPlay, NoRecordForTwelvePilesAndNothingWrittenWithoutEnter)
{
    dealAll();
    // Leave twelve piles if the row is full; otherwise the count is whatever the deal left.
    click(window, "term2");
    const int piles = window->rules().pileCount();
    EXPECT_EQ(shown("record3"), piles < 12);
    window->newGameAction()->trigger();
    EXPECT_EQ(fileBytes(), "");
}

} // namespace

// The second game in the same window starts exactly as the first did, whatever the first left behind.
TEST_F(FisarmonicaPlay, ASecondGameStartsAsTheFirstDid)
{
    auto freshState = [this] {
        std::vector<QString> state{caption("Label1"), QString::number(picture("MazzoI"))};
        for (int i = 0; i < 12; ++i) {
            state.push_back(QString::number(picture(QStringLiteral("carteF(%1)").arg(i))));
            state.push_back(shown(QStringLiteral("maschera(%1)").arg(i)) ? "framed" : "-");
        }
        for (const char* name : {"term2", "gover3", "record3", "rci", "vinto1", "vinto2", "vinto3", "vinto4"})
            state.push_back(shown(name) ? QString::fromLatin1(name) : "-");
        const FisarmonicaRules& rules = window->rules();
        state.push_back(QStringLiteral("%1 %2 %3 %4").arg(rules.selected()).arg(rules.pileCount()).arg(rules.cardsLeft()).arg(rules.finished()));
        return state;
    };
    const auto atFirst = freshState();
    for (int game = 0; game < 2; ++game) {
        dealAll();
        while (joinAny()) {
        }
        click(window, "term2");
        ASSERT_TRUE(shown("rci")) << "game " << game; // the record prompt comes again in the second game
        click(window, "carteF(0)");
        window->newGameAction()->trigger();
        EXPECT_EQ(freshState(), atFirst) << "game " << game;
    }
}

// The name box: eight characters at most, the last name replaced by what is typed, and the window's
// shortcuts acting while the box has the keyboard (and after a new game has hidden it).
TEST_F(FisarmonicaPlay, TheNameBoxTakesEightReplacesTheLastNameAndLeavesTheShortcutsToTheMenu)
{
    QApplication::setActiveWindow(window); // shortcuts act in the active window
    for (const char* typed : {"abcdefghijk", "marco"}) {
        dealAll();
        while (joinAny()) {
        }
        click(window, "term2");
        auto* box = control<QLineEdit>(window, "rci");
        ASSERT_TRUE(box->isVisible());
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
        window->newGameAction()->trigger();
    }
    EXPECT_EQ(caption("nome"), "MARCO   ") << "typing over the last name replaces it";
    EXPECT_EQ(control<QLineEdit>(window, "rci")->text(), "MARCO");

    // Back to the default record, so that this game beats it whatever it scores.
    ASSERT_TRUE(QFile::remove(dir.filePath("rcfis.dat")));
    window->newGameAction()->trigger();
    dealAll();
    while (joinAny()) {
    }
    click(window, "term2");
    auto* box = control<QLineEdit>(window, "rci");
    ASSERT_TRUE(box->isVisible());
    ASSERT_TRUE(box->hasFocus());
    QTest::keyClicks(box, "abcdefghijk");
    EXPECT_EQ(box->text(), "abcdefgh");
    QTest::keyClick(box, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(caption("Label1"), "52") << "Ctrl+N started a new game";
    EXPECT_FALSE(box->hasFocus()) << "a hidden box keeps no focus";
    ScriptedAnswers no(false);
    QTest::keyClick(box, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(no.asked.size(), 1u) << "Ctrl+E asked to leave";
}

TEST(FisarmonicaRecordValues, EveryPileCountRoundTripsThroughTheFile)
{
    TempWorkingDir dir;
    for (int piles = 1; piles <= 12; ++piles) {
        RecordSlot slot(FisarmonicaRules::recordRules());
        ASSERT_TRUE(slot.write(dir.path().toStdString(), "ANNA", piles));
        RecordSlot back(FisarmonicaRules::recordRules());
        back.read(dir.path().toStdString());
        EXPECT_EQ(back.value(), piles);
        EXPECT_EQ(back.isDefault(), false) << piles;
    }
}
