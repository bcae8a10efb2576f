// The games' tables with the keyboard and a screen reader: reading order and arrows, Space and Enter
// as a click, the focus frame, and the pieces of a line left out.
#include "games/fisarmonica/fisarmonica_window.h"
#include "games/margherita/margherita_window.h"
#include "games/tavola/tavola_window.h"
#include "shell/game_window.h"
#include "tests/support/window_driver.h"

#include <QSignalSpy>

namespace {

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

} // namespace
