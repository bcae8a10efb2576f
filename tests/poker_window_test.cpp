// The Poker window, driven by clicks on its real controls on a hand-driven clock.
#include "games/poker/poker_window.h"
#include "shell/card_pictures.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/random.h"
#include "tests/support/fake_clock.h"
#include "tests/support/temp_working_dir.h"
#include "tests/support/window_driver.h"

#include <QLineEdit>
#include <QTimer>
#include <deque>
#include <functional>

namespace {

// Draws the hands queued ("Jh 5s 7d 9c Kh": rank, T for ten, then suit h s d c), then goes on at random.
struct ScriptedRandom final : Random {
    void queue(const std::string& hand)
    {
        for (std::size_t i = 0; i + 1 < hand.size(); i += 3) {
            const int rank = int(std::string("A23456789TJQK").find(hand[i])) + 1;
            const int suit = int(std::string("hsdc").find(hand[i + 1])) + 1;
            numbers.insert(numbers.end(), {(rank - 0.5) / 13, (suit - 0.5) / 4});
        }
    }
    double next() override
    {
        const double n = numbers.empty() ? rest.next() : numbers.front();
        if (!numbers.empty())
            numbers.pop_front();
        return n;
    }
    std::deque<double> numbers;
    SeededRandom rest{7};
};

// What the player sees at one moment of a hold.
struct Moment {
    QString message; // the message panel's caption, empty when it is hidden
    QColor panel;
    int lit = -1;    // the highlighted pay-table row
    QString score;
    std::vector<int> cards;
};

const std::string loseA = "2h 5s 7d 9c Kh", loseB = "3h 6s 8d Tc Qh";

class PokerTable : public ::testing::Test {
protected:
    void TearDown() override { closeAllWindows(); }
    void open(const std::string& firstHand)
    {
        auto owned = std::make_unique<ScriptedRandom>();
        random = owned.get();
        random->queue(last = firstHand);
        window = new PokerWindow(std::move(owned));
        window->show();
    }
    // Clicks "Gioca" with `nextHand` queued for the deal after it.
    void gioca(const std::string& nextHand = {})
    {
        random->queue(nextHand);
        if (!nextHand.empty())
            last = nextHand;
        watched([this] { click(window, "Label1"); });
    }
    // Runs `action` with every hold ended at once, keeping in `moments` what the window shows at each.
    void watched(const std::function<void()>& action)
    {
        moments.clear();
        QTimer watcher;
        watcher.setInterval(0);
        QObject::connect(&watcher, &QTimer::timeout, [this] {
            if (clock.pending() == 0)
                return;
            if (window)
                moments.push_back(now());
            clock.advance(5);
        });
        watcher.start();
        action();
    }
    const Moment& showing(const QString& message)
    {
        static const Moment none;
        for (const Moment& m : moments)
            if (m.message == message)
                return m;
        ADD_FAILURE() << "never shown: " << message.toStdString();
        return none;
    }
    Moment now()
    {
        Moment m;
        if (shown("vincita")) {
            m.message = caption("vincita");
            m.panel = *control<Shape>(window, "vin1")->fill();
        }
        for (int k = 0; k < 8; ++k)
            if (shown(QStringLiteral("maspo(%1)").arg(k)))
                m.lit = k;
        m.score = caption("xxx");
        for (int i = 0; i < 5; ++i)
            m.cards.push_back(picture(i));
        return m;
    }
    QStringList messages() const
    {
        QStringList shownMessages;
        for (const Moment& m : moments)
            if (!m.message.isEmpty() && (shownMessages.isEmpty() || shownMessages.back() != m.message))
                shownMessages.push_back(m.message);
        return shownMessages;
    }
    // Each hand dealt shares no card with the one before, so the script is drawn as written.
    void loseUntilGameOver(int hands)
    {
        for (int i = 0; i < hands; ++i)
            gioca(i == hands - 1 ? std::string() : last == loseA ? loseB : loseA);
    }
    void nuovaPartita(const std::string& firstHand)
    {
        random->queue(last = firstHand);
        watched([this] { window->newGameAction()->trigger(); });
    }
    QString caption(const QString& name) { return control<QLabel>(window, name)->text(); }
    bool shown(const QString& name) { return control(window, name)->isVisible(); }
    int picture(int i) { return control<PictureBox>(window, QStringLiteral("CarteP(%1)").arg(i))->picture(); }
    std::string fileBytes() { return dir.bytes("rcpkr.dat"); }

    FakeClock clock;
    TempWorkingDir dir;
    QPointer<PokerWindow> window;
    ScriptedRandom* random = nullptr;
    std::string last;
    std::vector<Moment> moments;
};

TEST_F(PokerTable, OpensWithAHandDealtTenCreditsAndTheDefaultRecord)
{
    open("Jh 5s 7d 9c Kh");
    EXPECT_EQ(window->objectName(), "Pokerfrm");
    EXPECT_EQ(window->windowTitle(), "Poker - TOA-TOA Games");
    EXPECT_EQ(window->newGameAction()->text(), "Nuova Partita");
    EXPECT_TRUE(window->newGameAction()->shortcut().isEmpty());
    EXPECT_TRUE(window->esciAction()->shortcut().isEmpty());
    EXPECT_TRUE(dir.exists("rcpkr.dat"));
    EXPECT_EQ(caption("crd") + caption("xxx") + caption("nome") + caption("recpk"), "10000000CPU000000");
    const int faces[] = {frenchCardPicture(11, 1), frenchCardPicture(5, 2), frenchCardPicture(7, 3),
                         frenchCardPicture(9, 4), frenchCardPicture(13, 1)};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(picture(i), faces[i]);
    EXPECT_TRUE(shown("Label1") && shown("gioca"));
    EXPECT_EQ(caption("Label1"), "Gioca");
    EXPECT_FALSE(shown("vincita") || shown("rct") || shown("rci") || shown("maspo(0)"));
    // The blanks of a pay-table row must survive on one line for its points to stand apart.
    EXPECT_EQ(caption("winner(0)"), "Scala Reale" + QString(44, ' ') + "2000 Punti");
    for (int r = 0; r < 8; ++r) {
        auto* row = control<QLabel>(window, QStringLiteral("winner(%1)").arg(r));
        EXPECT_LE(row->fontMetrics().horizontalAdvance(row->text()), row->width()) << r;
    }

    moveOver(window, "CarteP(2)");
    EXPECT_EQ(pointerOf(control(window, "CarteP(2)")), Pointer::Hand);
    moveOver(window, "Label1");
    EXPECT_EQ(pointerOf(control(window, "Label1")), Pointer::Hand);
}

TEST_F(PokerTable, MarkedCardsAloneAreReplacedAndAPairOfJacksPaysWithItsRowLit)
{
    open("Jh 5s 7d 9c Kh");
    click(window, "CarteP(0)");
    EXPECT_TRUE(shown("tieni(0)") && shown("mascherp(0)"));
    EXPECT_EQ(caption("tieni(0)"), "Scarta");
    click(window, "CarteP(0)");
    EXPECT_FALSE(shown("tieni(0)") || shown("mascherp(0)"));
    click(window, "CarteP(1)");
    click(window, "CarteP(3)");

    gioca("Js 3d" " " + loseB);
    // The backs come one after the other: the first card holds its face, the second shows a back
    // while the fourth still shows the card it will lose.
    ASSERT_GE(moments.size(), 6u);
    EXPECT_EQ(moments[0].cards[1], frenchCardPicture(5, 2));
    EXPECT_EQ(moments[1].cards[1], pictures::redBack);
    EXPECT_EQ(moments[1].cards[3], frenchCardPicture(9, 4));
    EXPECT_EQ(moments[3].cards[3], pictures::redBack);
    EXPECT_EQ(moments[4].cards[0], frenchCardPicture(11, 1));

    const Moment& paid = moments[5];
    EXPECT_EQ(paid.message, "Vinci 50 Punti");
    EXPECT_EQ(paid.panel, QColor(255, 128, 128));
    EXPECT_EQ(paid.lit, 0);
    EXPECT_EQ(paid.cards, (std::vector<int>{frenchCardPicture(11, 1), frenchCardPicture(11, 2), frenchCardPicture(7, 3),
                                            frenchCardPicture(3, 3), frenchCardPicture(13, 1)}));
    EXPECT_EQ(paid.score, "000000"); // the points are added once the message has been seen
    EXPECT_EQ(messages(), QStringList{"Vinci 50 Punti"});

    // The next hand is dealt: message gone, row no longer lit, nothing marked.
    EXPECT_FALSE(shown("vincita") || shown("maspo(0)") || shown("tieni(1)") || shown("mascherp(3)"));
    EXPECT_EQ(caption("xxx") + caption("crd"), "00005010");
    EXPECT_EQ(picture(0), frenchCardPicture(3, 1));
    EXPECT_TRUE(shown("Label1"));

    gioca(loseA);
    EXPECT_EQ(messages(), QStringList{"HAI PERSO!"});
    EXPECT_EQ(showing("HAI PERSO!").panel, QColor(128, 128, 255));
    EXPECT_EQ(showing("HAI PERSO!").lit, -1);
    EXPECT_EQ(caption("crd") + caption("xxx"), "09000050");
}

TEST_F(PokerTable, TheLastCreditLostEndsTheGameAndChangesTheLeavingQuestion)
{
    open(loseA);
    {
        ScriptedAnswers no(false);
        window->close();
        ASSERT_EQ(no.asked.size(), 1u);
        EXPECT_EQ(no.asked[0].first, "ABBANDONA");
        EXPECT_EQ(no.asked[0].second, "Sei sicuro di voler abbandonare la partita?");
    }
    loseUntilGameOver(10);
    EXPECT_EQ(messages(), (QStringList{"HAI PERSO!", "GAME OVER"}));
    EXPECT_EQ(showing("GAME OVER").panel, QColor(192, 0, 0));
    EXPECT_EQ(caption("crd"), "00");
    EXPECT_FALSE(shown("vincita") || shown("Label1") || shown("gioca"));
    EXPECT_FALSE(shown("rct")); // no score, so no record
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(picture(i), pictures::redBack);
        EXPECT_FALSE(control(window, QStringLiteral("CarteP(%1)").arg(i))->isEnabled());
    }
    click(window, "CarteP(2)");
    EXPECT_FALSE(shown("tieni(2)"));
    EXPECT_EQ(pointerOf(control(window, "CarteP(2)")), Pointer::Arrow);

    {
        ScriptedAnswers no(false);
        window->esciAction()->trigger();
        ASSERT_EQ(no.asked.size(), 1u);
        EXPECT_EQ(no.asked[0].first, "TORNA AL MENU");
        EXPECT_EQ(no.asked[0].second, "Sei sicuro di voler uscire dal gioco?");
    }
    ASSERT_TRUE(window);
    nuovaPartita(loseA);
    EXPECT_EQ(caption("crd"), "10");
    EXPECT_TRUE(control(window, "CarteP(2)")->isEnabled() && shown("Label1"));
    ScriptedAnswers no(false);
    window->close();
    EXPECT_EQ(no.asked.at(0).first, "ABBANDONA");
}

TEST_F(PokerTable, ARecordIsEnteredWrittenByteExactAndShownAtTheNextGame)
{
    open("Qh Qs 2d 5c 8h");
    gioca(loseA); // a pair of queens: 50 points
    loseUntilGameOver(10);
    EXPECT_EQ(messages(), (QStringList{"HAI PERSO!", "GAME OVER"}));
    ASSERT_TRUE(shown("rct") && shown("rci") && shown("rc1") && shown("rc2"));
    EXPECT_EQ(caption("rct"), "NUOVO RECORD");

    auto* box = control<QLineEdit>(window, "rci");
    QTest::keyClicks(box, "ann");
    EXPECT_EQ(fileBytes(), ""); // letters alone write nothing
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(box->text(), "ANN");
    EXPECT_EQ(caption("nome") + " " + caption("recpk"), "ANN 000050");
    const std::string expected = TempWorkingDir::scrambled("ANN     000050", 0xB7);
    EXPECT_EQ(fileBytes(), expected);
    QTest::keyClick(box, Qt::Key_Return); // a second Enter writes no second name
    EXPECT_EQ(fileBytes(), expected);

    nuovaPartita("Kh Ks 2d 5c 9h");
    EXPECT_EQ(caption("nome") + " " + caption("recpk") + " " + caption("xxx"), "ANN 000050 000000");
    EXPECT_FALSE(shown("rct") || shown("rci"));
    EXPECT_TRUE(box->isEnabled());

    // An equal score is no new record.
    gioca(loseB);
    loseUntilGameOver(10);
    EXPECT_EQ(caption("xxx"), "000050");
    EXPECT_FALSE(shown("rct"));
}

TEST_F(PokerTable, ClosingWhileAMessageIsHeldWaitsForItThenLeaves)
{
    open(loseA);
    ScriptedAnswers yes(true);
    clock.setAutoAdvance(true);
    bool closedDuringHold = false;
    QTimer::singleShot(0, window, [&] {
        closedDuringHold = clock.pending() > 0;
        window->close();
    });
    click(window, "Label1");
    EXPECT_TRUE(closedDuringHold);
    EXPECT_TRUE(yes.asked.empty()); // input waits until the hand is over
    flushClosedWindows();
    flushClosedWindows();
    EXPECT_EQ(yes.asked.size(), 1u);
    EXPECT_TRUE(window.isNull());
}

} // namespace
