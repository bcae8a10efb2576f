// The Poker window, driven by clicks on its real controls on a hand-driven clock.
#include "games/poker/poker_window.h"
#include "shell/record_panel.h"
#include "shell/card_pictures.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/random.h"
#include "tests/support/fake_clock.h"
#include "tests/support/temp_working_dir.h"
#include "tests/support/window_driver.h"

#include <QAccessible>
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
    void TearDown() override
    {
        accessible::setObserver({});
        closeAllWindows();
    }
    void open(const std::string& firstHand)
    {
        // What a screen reader is told: each alert, and each new name as it is at that moment.
        accessible::setObserver([this](QWidget* w, QAccessible::Event what) {
            if (what == QAccessible::Alert)
                alerts.push_back(w->objectName());
            else if (what == QAccessible::NameChanged)
                renamed.push_back(w->objectName() + " = " + QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name));
        });
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
    // Each hand dealt shares no card with the one before, so the script is drawn as written. A new
    // game's first hand is drawn apart from the last hand of the game before, which stays in the rules.
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
    // Everything a game shows and keeps at its start, as one text, to compare two starts.
    std::string startState()
    {
        const PokerRules& game = window->rules();
        QStringList state{caption("crd"), caption("xxx"), caption("nome"), caption("recpk"),
                          QString::number(game.credits()), QString::number(game.score()),
                          QString::number(game.bonusThreshold()), game.isOver() ? "over" : "on",
                          window->record().isPending() ? "pending" : "no name asked"};
        QStringList names{"vincita", "rct", "rc1", "rc2", "rci", "Label1", "gioca"};
        for (int i = 0; i < 5; ++i) {
            names << QStringLiteral("tieni(%1)").arg(i) << QStringLiteral("mascherp(%1)").arg(i);
            state << QString(picture(i) == pictures::redBack ? "back" : "face") + (game.hand().isMarked(i) ? " marked" : "")
                         + (control(window, QStringLiteral("CarteP(%1)").arg(i))->isEnabled() ? "" : " off");
        }
        for (int k = 0; k < 8; ++k)
            names << QStringLiteral("maspo(%1)").arg(k);
        for (const QString& name : names)
            state << name + (shown(name) ? " shown" : " hidden");
        return state.join(", ").toStdString();
    }
    QString caption(const QString& name) { return control<QLabel>(window, name)->text(); }
    QString heard(const QString& name)
    {
        return spokenName(window, name);
    }
    void key(Qt::Key k)
    {
        keyAtFocus(window, k);
    }
    QString focused() { return window->focusWidget() ? window->focusWidget()->objectName() : QString(); }
    bool shown(const QString& name) { return control(window, name)->isVisible(); }
    int picture(int i) { return control<PictureBox>(window, QStringLiteral("CarteP(%1)").arg(i))->picture(); }
    std::string fileBytes() { return dir.bytes("rcpkr.dat"); }

    FakeClock clock;
    TempWorkingDir dir;
    QPointer<PokerWindow> window;
    ScriptedRandom* random = nullptr;
    std::string last;
    std::vector<Moment> moments;
    QStringList alerts, renamed;
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
    EXPECT_EQ(caption("winner(7)"), "Coppia Vestita" + QString(42, ' ') + "50 Punti");
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

// A hand with the keyboard alone, as a player who cannot see the table hears it.
TEST_F(PokerTable, AHandMarkedAndDrawnWithKeysAloneIsHeardAsItGoes)
{
    open("Jh 5s 7d 9c Kh");
    QApplication::setActiveWindow(window);
    EXPECT_EQ(heard("crd") + " / " + heard("xxx") + " / " + heard("recpk"), "Crediti: 10 / Punteggio: 000000 / Record: 000000 CPU");
    EXPECT_EQ(heard("winner(0)"), "Scala Reale 2000 Punti");

    for (int tab = 0; tab < 7 && focused() != "CarteP(1)"; ++tab)
        key(Qt::Key_Tab);
    ASSERT_EQ(focused(), "CarteP(1)");
    key(Qt::Key_Space);
    EXPECT_EQ(heard("CarteP(1)"), "Cinque di picche, Scarta");
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_Space);
    EXPECT_EQ(heard("CarteP(3)"), "Nove di fiori, Scarta");
    key(Qt::Key_Left);
    key(Qt::Key_Space);
    key(Qt::Key_Space); // marked and let go again
    EXPECT_EQ(heard("CarteP(2)"), "Sette di quadri");
    EXPECT_TRUE(shown("tieni(1)") && shown("tieni(3)") && !shown("tieni(2)"));

    key(Qt::Key_Down);
    ASSERT_EQ(focused(), "Label1");
    random->queue("Js 3d " + loseB);
    watched([this] { key(Qt::Key_Space); });
    EXPECT_EQ(messages(), QStringList{"Vinci 50 Punti"});
    ASSERT_GE(moments.size(), 6u);
    EXPECT_EQ(moments[5].cards[1], frenchCardPicture(11, 2));
    EXPECT_TRUE(renamed.contains("winner(7) = Coppia Vestita 50 Punti, vincente")) << renamed.join('\n').toStdString();
    EXPECT_TRUE(alerts.contains("vincita"));
    // The next hand: nothing marked, no row winning, the points counted.
    EXPECT_EQ(heard("CarteP(1)") + " / " + heard("CarteP(3)"), "Sei di picche / Dieci di fiori");
    EXPECT_EQ(heard("winner(7)"), "Coppia Vestita 50 Punti");
    EXPECT_EQ(heard("xxx"), "Punteggio: 000050");
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
    EXPECT_EQ(alerts.count("rct"), 1);

    auto* box = control<QLineEdit>(window, "rci");
    QTest::keyClicks(box, "ann");
    EXPECT_EQ(fileBytes(), ""); // letters alone write nothing
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(box->text(), "ANN");
    EXPECT_EQ(caption("nome") + " " + caption("recpk"), "ANN 000050");
    EXPECT_EQ(heard("recpk"), "Record: 000050 ANN");
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

TEST_F(PokerTable, ASecondGameStartsExactlyAsTheFirst)
{
    const std::string quads = "Kh Ks Kd Kc 2h";
    open(quads);
    const std::string first = startState();

    // A new game in the middle of a hand, a card marked.
    click(window, "CarteP(0)");
    nuovaPartita("Ah As Ad Ac 3h");
    EXPECT_EQ(startState(), first);

    // A new game after one that paid a bonus and beat the record, its name still asked for.
    click(window, "CarteP(4)");
    gioca("3d " + loseB);
    last = loseB;
    EXPECT_EQ((caption("crd") + " " + caption("xxx")).toStdString(), "15 001000");
    ASSERT_EQ(window->rules().bonusThreshold(), 2000);
    loseUntilGameOver(15);
    ASSERT_TRUE(window->record().isPending() && shown("rci") && shown("rct"));
    EXPECT_EQ(QApplication::focusWidget(), control(window, "rci"));
    nuovaPartita(quads);
    EXPECT_EQ(startState(), first);
}

TEST_F(PokerTable, EveryHeldMessageLastsExactlyItsSeconds)
{
    open("Jh 5s 7d 9c Kh");
    click(window, "CarteP(1)");
    click(window, "CarteP(3)");
    random->queue("Js 3d " + loseB);
    // Each hold is cut just before its end, then taken to its end: it must still be on at the first
    // and over at the second. What is on show says which hold it is.
    std::vector<std::string> holds;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (clock.pending() != 1)
            return;
        const bool panel = shown("vincita");
        const double length = panel ? 3.0 : 0.02;
        const double end = clock.now() + length;
        clock.advance(length - 0.001);
        const bool heldOn = clock.pending() == 1 && shown("vincita") == panel;
        clock.advance(end - clock.now());
        const bool over = clock.pending() == 0;
        if (!over)
            clock.advance(10);
        holds.push_back((panel ? "panel " : "card ") + std::string(!heldOn ? "short" : over ? "exact" : "long"));
    });
    watcher.start();
    click(window, "Label1");
    std::vector<std::string> expected(5, "card exact");
    expected.push_back("panel exact");
    expected.insert(expected.end(), 5, "card exact");
    EXPECT_EQ(holds, expected);
    EXPECT_FALSE(shown("vincita"));
}

TEST_F(PokerTable, TheNameBoxTakesEightLettersAndANewNameReplacesTheLastOne)
{
    open("Qh Qs 2d 5c 8h");
    gioca(loseA);
    loseUntilGameOver(10);
    auto* box = control<QLineEdit>(window, "rci");
    ASSERT_TRUE(shown("rci"));
    QTest::keyClicks(box, "abcdefghij");
    EXPECT_EQ(box->text().toStdString(), "abcdefgh");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("ABCDEFGH000050", 0xB7));
    EXPECT_EQ(caption("nome").toStdString(), "ABCDEFGH");

    // The next record finds the last name there, selected: typing replaces it.
    nuovaPartita("Ks Kd Kc 2s 5d");
    gioca(loseB);
    loseUntilGameOver(10);
    ASSERT_TRUE(shown("rci") && box->isEnabled());
    EXPECT_EQ(box->selectedText().toStdString(), "ABCDEFGH");
    QTest::keyClicks(box, "bo");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("BO      000200", 0xB7));
    EXPECT_EQ((caption("nome") + " " + caption("recpk")).toStdString(), "BO 000200");

    // Enter alone keeps the name shown.
    nuovaPartita("4h 4s 4d 4c 9s");
    gioca(loseB);
    loseUntilGameOver(15);
    ASSERT_TRUE(shown("rci"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(fileBytes(), TempWorkingDir::scrambled("BO      001000", 0xB7));
}

} // namespace

struct LitRowCase {
    HandCode code;
    const char* hand;
    friend void PrintTo(const LitRowCase& c, std::ostream* os) { *os << c.hand; }
};

class PokerLitRow : public testing::TestWithParam<LitRowCase> {};

// maspo(C - 1) lights the row of the hand with code C, and that row pays what the rules pay.
TEST_P(PokerLitRow, LiesUnderTheCaptionOfItsHand)
{
    FakeClock clock;
    TempWorkingDir dir;
    const auto window = std::make_unique<PokerWindow>(std::make_unique<SeededRandom>(1));
    const QString hand = QString::fromLatin1(GetParam().hand) + "  ";
    QLabel* row = nullptr;
    for (int r = 0; r < 8; ++r)
        if (auto* candidate = control<QLabel>(window.get(), QStringLiteral("winner(%1)").arg(r));
            candidate->text().startsWith(hand))
            row = candidate;
    ASSERT_TRUE(row) << "no row for " << GetParam().hand;
    const QString points = QStringLiteral("%1 Punti").arg(handPoints(GetParam().code));
    EXPECT_TRUE(row->text().endsWith(" " + points)) << row->text().toStdString();
    EXPECT_EQ(QString::fromStdString(handMessage(GetParam().code)), "Vinci " + points);
    const int lit = static_cast<int>(GetParam().code) - 1;
    const QRect place = control(window.get(), QStringLiteral("maspo(%1)").arg(lit))->geometry();
    EXPECT_TRUE(place.contains(row->geometry().center())) << "maspo(" << lit << ") lies off the row";
}

INSTANTIATE_TEST_SUITE_P(EveryHand, PokerLitRow,
                         testing::Values(LitRowCase{HandCode::CoppiaVestita, "Coppia Vestita"},
                                         LitRowCase{HandCode::DoppiaCoppia, "Doppia Coppia"},
                                         LitRowCase{HandCode::Tris, "Tris"}, LitRowCase{HandCode::Scala, "Scala"},
                                         LitRowCase{HandCode::Full, "Full"}, LitRowCase{HandCode::Colore, "Colore"},
                                         LitRowCase{HandCode::Poker, "Poker"},
                                         LitRowCase{HandCode::ScalaReale, "Scala Reale"}),
                         [](const testing::TestParamInfo<LitRowCase>& info) {
                             std::string name = info.param.hand;
                             std::erase(name, ' ');
                             return name;
                         });
