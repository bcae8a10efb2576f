// What a screen reader is told as the table changes and what it finds there: one name change for each
// real change, state changes, no caption or sign read on its own, and the focus where the player expects it.
#include "app/game_list.h"
#include "games/poker/poker_window.h"
#include "games/yahtzee/yahtzee_window.h"
#include "shell/card_pictures.h"
#include "shell/cards.h"
#include "shell/controls/accessible.h"
#include "shell/controls/banner.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"
#include "shell/shell.h"
#include "tests/support/window_driver.h"

#include <QRegularExpression>

namespace {

class ScreenReader : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock.setAutoAdvance(true);
        accessible::setObserver([this](QWidget* w, QAccessible::Event what) { told.push_back({w, what}); });
    }
    void TearDown() override
    {
        accessible::setObserver({});
        closeAllWindows();
    }
    long count(QWidget* w, QAccessible::Event what)
    {
        accessible::tellNameChanges();
        return std::count(told.begin(), told.end(), std::pair{w, what});
    }
    // The names a screen reader finds on the window now: every label and picture shown and not left out.
    static QStringList table(QWidget* window)
    {
        QStringList names;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
            if ((qobject_cast<Label*>(w) || qobject_cast<PictureBox*>(w)) && w->isVisibleTo(window)
                && !face->state().invisible)
                names << face->text(QAccessible::Name);
        }
        return names;
    }
    static QString focused(QWidget* window)
    {
        return window->focusWidget() ? window->focusWidget()->objectName() : QString();
    }
    FakeClock clock;
    TempWorkingDir dir;
    std::vector<std::pair<QWidget*, QAccessible::Event>> told;
};

TEST_F(ScreenReader, EachRealChangeOfANameIsToldOnceAndStatesAreTold)
{
    QWidget window;
    auto* card = new PictureBox(&window, QStringLiteral("card"), QRect(0, 0, 1000, 1500));
    auto* word = new Label(&window, QStringLiteral("word"), QRect(0, 2000, 1000, 300), QStringLiteral("Gioca"));
    QObject::connect(card, &PictureBox::clicked, [] {});
    EXPECT_EQ(count(card, QAccessible::StateChanged), 1) << "a picture that takes clicks becomes a button";
    window.show();
    card->setFocus();
    // A new state or face is a change; a face and its state set one after the other are one change.
    card->setState(QStringLiteral("bloccata"));
    EXPECT_EQ(count(card, QAccessible::NameChanged), 1);
    card->setPicture(cards::frenchPicture(Card{9, 4}));
    EXPECT_EQ(count(card, QAccessible::NameChanged), 2);
    card->setPicture(cards::frenchPicture(Card{8, 4}));
    card->setState(QStringLiteral("selezionata"));
    EXPECT_EQ(count(card, QAccessible::NameChanged), 3);
    // A change undone before it is told is no change.
    card->setState(QStringLiteral("bloccata"));
    card->setState(QStringLiteral("selezionata"));
    card->setPicture(card->picture());
    EXPECT_EQ(count(card, QAccessible::NameChanged), 3);

    word->setCaption(QStringLiteral("Finito"));
    word->setCaption(QStringLiteral("Finito"));
    EXPECT_EQ(count(word, QAccessible::NameChanged), 1);
    accessible::setName(word, QStringLiteral("Finito, la mano è chiusa"));
    EXPECT_EQ(count(word, QAccessible::NameChanged), 2);
    word->setActsAsButton(true);
    word->setSpoken(false);
    EXPECT_EQ(count(word, QAccessible::StateChanged), 2);
    // Nothing is told of a control no reader has met yet.
    auto* unseen = new Label(&window, QStringLiteral("unseen"), QRect(0, 3000, 1000, 300));
    unseen->setCaption(QStringLiteral("Nuovo"));
    EXPECT_EQ(count(unseen, QAccessible::NameChanged), 0);

    // A banner is an alert, told once as it shows and again for each new caption.
    Banner banner(&window, "avviso", "facciata", "ombra", QRect(0, 0, 3000, 600), "GAME OVER", BannerLook{Qt::white, Qt::black});
    banner.setVisible(true);
    banner.setVisible(true);
    banner.setCaption(QStringLiteral("GAME OVER"));
    EXPECT_EQ(count(banner.label(), QAccessible::Alert), 1);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(banner.label())->role(), QAccessible::AlertMessage);
    banner.setCaption(QStringLiteral("NUOVO RECORD"));
    EXPECT_EQ(count(banner.label(), QAccessible::Alert), 2);
}

TEST_F(ScreenReader, YahtzeesCardIsReadOnceAndDownLeadsFromTheDiceToTheRollButton)
{
    auto* window = new YahtzeeWindow(std::make_unique<ScriptedRandom>());
    window->show();
    QApplication::setActiveWindow(window);
    const QStringList heard = table(window);
    EXPECT_TRUE(heard.contains(QStringLiteral("TRIS: vuoto"))) << heard.join(" | ").toStdString();
    for (const QString& name : heard) {
        EXPECT_FALSE(name.isEmpty()) << "a label shown with no name, the card's paper is decoration";
        for (const QString& other : heard)
            EXPECT_FALSE(other.startsWith(name + QStringLiteral(": "))) << name.toStdString() << " beside " << other.toStdString();
    }
    for (const char* die : {"cliccami(0)", "cliccami(4)"}) {
        control(window, QString::fromLatin1(die))->setFocus(Qt::TabFocusReason);
        keyAtFocus(window, Qt::Key_Down);
        EXPECT_EQ(focused(window), QStringLiteral("sceltatxt")) << "Down from " << die;
        keyAtFocus(window, Qt::Key_Down);
        EXPECT_TRUE(focused(window).startsWith(QStringLiteral("gioco("))) << focused(window).toStdString();
    }
}

// The signs drawn beside single-card piles and on the strike plate are read by the pile and the plate.
TEST_F(ScreenReader, NoGameShowsABareSignToAScreenReader)
{
    Shell::instance().setGames(toatoaGames());
    Shell::instance().setProgramEnd([] {});
    for (const GameEntry& game : toatoaGames()) {
        GameWindow* window = Shell::instance().openGame(game.name);
        ASSERT_NE(window, nullptr);
        // Every sign and message on show at once, as they come during a game.
        for (Label* label : window->findChildren<Label*>())
            label->show();
        for (const QString& name : table(window)) {
            const bool bare = name == QStringLiteral("X") || (!name.isEmpty() && !name.contains(QRegularExpression(QStringLiteral("\\w"))));
            EXPECT_FALSE(bare) << game.name.toStdString() << ": «" << name.toStdString() << "»";
        }
        closeAllWindows();
    }
    Shell::instance().setProgramEnd({});
}

TEST_F(ScreenReader, GiocaHiddenWhileTheHandIsValuedGetsTheFocusBack)
{
    auto* window = new PokerWindow(std::make_unique<SeededRandom>(4));
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(tabTo(window, QStringLiteral("Label1")));
    std::vector<QString> focusWhileHidden;
    const auto watch = QObject::connect(qApp, &QApplication::focusChanged, window, [&](QWidget*, QWidget* now) {
        if (!control(window, QStringLiteral("Label1"))->isVisible())
            focusWhileHidden.push_back(now ? now->objectName() : QStringLiteral("nessuno"));
    });
    keyAtFocus(window, Qt::Key_Space);
    QObject::disconnect(watch);
    EXPECT_EQ(focusWhileHidden, std::vector<QString>{QStringLiteral("nessuno")}) << "no card is read meanwhile";
    EXPECT_TRUE(control(window, QStringLiteral("Label1"))->isVisible());
    EXPECT_EQ(focused(window), QStringLiteral("Label1"));
}

} // namespace
