// Zidu Dori: the rules on laid-out holes, then two whole rounds played in one window.
#include "games/golf/golf_window.h"
#include "shell/picture_names.h"
#include "tests/support/window_driver.h"

#include <map>
#include <tuple>

namespace {

// "6h": rank A 2-9 T J Q K, suit h s d c.
Card card(const std::string& s)
{
    return {static_cast<int>(std::string("A23456789TJQK").find(s[0])) + 1,
            static_cast<int>(std::string("hsdc").find(s[1])) + 1};
}
int face(const std::string& s) { return cards::frenchPicture(card(s)); }

// A deck with the named cards on tableau cells, as pile 0's first card and as the stock in the order it
// is played; every other place takes the unused cards in order.
struct Plan {
    std::map<int, Card> at;
    Plan& cell(int k, const std::string& c) { return at[k] = card(c), *this; }
    Plan& first(const std::string& c) { return cell(51, c); }
    Plan& stock(std::initializer_list<const char*> played)
    {
        int k = 50;
        for (const char* c : played)
            cell(k--, c);
        return *this;
    }
    GolfRules::Deck build() const
    {
        GolfRules::Deck deck{};
        const auto ordered = cards::orderedDeck<GolfRules::deckSize>(13);
        std::size_t next = 0;
        const auto laid = [this](const Card& c) { return std::any_of(at.begin(), at.end(), [&](auto& p) { return p.second == c; }); };
        for (std::size_t k = 0; k < deck.size(); ++k) {
            while (!at.count(int(k)) && laid(ordered[next]))
                ++next;
            deck[k] = at.count(int(k)) ? at.at(int(k)) : ordered[next++];
        }
        return deck;
    }
};

// The order chain() lays the tableau in: every column from the bottom up.
int chainCell(int j) { return j / 5 * 5 + 4 - j % 5; }
// Pile 0 starts ranks bouncing between ace and queen that the tableau continues, so all of it goes onto pile 0.
Plan chain(std::initializer_list<const char*> stock)
{
    Plan plan;
    int used[14] = {}, rank = 6, step = 1;
    for (int j = -1; j < 35; ++j) {
        plan.at[j < 0 ? 51 : chainCell(j)] = {rank, ++used[rank]};
        if (rank + step > 12 || rank + step < 1)
            step = -step;
        rank += step;
    }
    return plan.stock(stock);
}
// Nothing left to play once ten new piles fill the places: +46 (35 cards, 11 single piles).
Plan blocked()
{
    Plan plan;
    const char* bottom[] = {"7h", "7s", "7d", "7c", "8h", "8s", "8d"};
    for (int c = 0; c < 7; ++c)
        plan.cell(c * 5 + 4, bottom[c]);
    return plan.first("Ah").stock({"As", "Ad", "Ac", "2h", "2s", "2d", "2c", "3h", "3s", "Qh", "Th"});
}
// Four kings, ten new piles and a four on pile 5 leave the face-up card alone: +13 once the tableau is played.
Plan lastCard() { return chain({"Kh", "Ks", "Kd", "Kc", "As", "Ac", "2d", "2c", "3d", "3c", "4d", "Qd", "Qc", "Ad", "4c", "5c"}); }

std::vector<std::string> words(const std::vector<GolfStep>& steps)
{
    std::vector<std::string> out;
    for (const GolfStep& step : steps)
        out.push_back(step.words);
    return out;
}
using Words = std::vector<std::string>;

class GolfRulesTest : public ::testing::Test {
protected:
    Words start(const Plan& plan)
    {
        rules.layNextDeck(plan.build());
        return words(rules.newRound());
    }
    // The stock card onto the first empty place.
    Words stock()
    {
        EXPECT_TRUE(rules.takeStockCard());
        return words(rules.gioca());
    }
    ScriptedRandom random;
    GolfRules rules{random};
};

TEST_F(GolfRulesTest, AHoleIsDealtWithPileZeroFromTheStockAndAKingThereCostsAPoint)
{
    rules.layNextDeck(Plan().first("Kh").stock({"4d"}).build());
    const std::vector<GolfStep> steps = rules.newRound();
    ASSERT_EQ(words(steps), (Words{"Buca N° 1", "Penalità (+1)"}));
    EXPECT_EQ(steps[1].table.pile[0], card("Kh")) << "the king is seen while its penalty shows";
    EXPECT_EQ(stock(), Words{});
    EXPECT_EQ(rules.top(0), 4) << "the king's place is the first to refill";
}

TEST_F(GolfRulesTest, ACardGoesOnlyOneRankUpOrDownOntoALivePile)
{
    for (const auto& [top, played, fits] : std::initializer_list<std::tuple<const char*, const char*, bool>>{
             {"5h", "6s", true}, {"5h", "4s", true}, {"5h", "5s", false}, {"5h", "7s", false},
             {"Ah", "2s", true}, {"Ah", "Ks", false}, {"Qh", "Js", true}, {"Qh", "Ks", true}}) {
        SCOPED_TRACE(std::string(played) + " on " + top);
        start(Plan().first(top).cell(4, played).stock({"5d"}));
        ASSERT_TRUE(rules.choosePile(0));
        EXPECT_EQ(rules.takeCard(4), fits);
    }
    // The last row leaves a king on pile 0, and nothing goes on a king: a dead pile offers no move.
    rules.gioca();
    EXPECT_FALSE(rules.choosePile(0) || rules.fits(12, 0));
    // A fresh hole frees only the bottom row and cannot end yet. One source at a time: the stock while a
    // card is taken, a second card.
    EXPECT_EQ(start(Plan().first("5h").cell(4, "4s").cell(9, "6s").stock({"6d"})), Words{"Buca N° 1"});
    for (int k = 0; k < 35; ++k)
        EXPECT_EQ(rules.isFree(k), k % 5 == 4) << k;
    EXPECT_FALSE(rules.canEndHole());
    ASSERT_TRUE(rules.takeCard(4));
    EXPECT_FALSE(rules.takeStockCard() || rules.takeCard(9) || rules.canPlay());
    ASSERT_TRUE(rules.choosePile(0));
    EXPECT_EQ(rules.pileReach(2), GolfReach::Covered) << "another pile is chosen";
    ASSERT_TRUE(rules.takeCard(4));
    EXPECT_TRUE(rules.stockReach() == GolfReach::Playable && rules.cellReach(9) == GolfReach::Playable) << "let go";
}

TEST_F(GolfRulesTest, HolesAreScoredOnWhatIsLeftWithTheGreenTakingTheStockOff)
{
    // Four kings and four new piles leave eight stock cards for the green: down the top row, then the bottom.
    start(chain({"Kh", "Ks", "Kd", "Kc", "As", "Ac", "2d", "Qd", "4c", "Ad", "2c", "3d", "3c", "4d", "5c", "Qc"}));
    for (int i = 0; i < 8; ++i)
        stock();
    std::vector<GolfStep> steps;
    for (int j = 0; j < 35; ++j)
        steps = rules.choosePile(0) && rules.takeCard(chainCell(j)) ? rules.gioca() : std::vector<GolfStep>{};
    ASSERT_EQ(words(steps), (Words{"Sei nel GREEN", "-8"}));
    EXPECT_EQ(steps[1].table.score[0], 4) << "the bonus is announced before it is counted";
    const std::map<int, std::string> laid{{0, "Qc"}, {5, "5c"}, {10, "4d"}, {15, "3c"}, {20, "3d"}, {25, "2c"}, {30, "Ad"}, {4, "4c"}};
    for (int k = 0; k < 35; ++k)
        EXPECT_EQ(rules.card(k), laid.count(k) ? card(laid.at(k)) : Card{}) << k;
    ASSERT_TRUE(rules.choosePile(0) && rules.takeCard(4));
    EXPECT_EQ(words(rules.gioca()), Words{});
    EXPECT_TRUE(rules.isConsistent()) << "a card played before is not uncovered";
    EXPECT_EQ(words(rules.endHole()), (Words{"+7", "Buca N° 2"})) << "4 kings, -8, seven cards, four single piles";
}

TEST(GolfRecord, TheTotalIsKeptAsASignAndThreeDigitsAndLowerIsBetter)
{
    for (const auto& [total, stored] : std::vector<std::pair<int, std::string>>{{-7, "-007"}, {0, " 000"}, {104, "+104"}}) {
        EXPECT_EQ(GolfRules::recordRules().store(total), stored);
        EXPECT_EQ(GolfRules::recordRules().load(stored), total);
    }
    EXPECT_EQ(GolfRules::recordRules().load("+x12"), std::nullopt);
}

QString cell(int k) { return QStringLiteral("CarteG(%1)").arg(k); }
QString pile(int i) { return QStringLiteral("tallone(%1)").arg(i); }

// Two rounds in one window: eight blocked holes and a last-card hole make +381, a record; the same again is none.
class GolfWindowTest : public WindowTable<GolfWindow> {
protected:
    void script(ScriptedRandom& r) override
    {
        for (int hole = 1; hole <= 9; ++hole)
            r.deal(cards::orderedDeck<GolfRules::deckSize>(13), (hole < 9 ? blocked() : lastCard()).build(),
                   GolfRules::shuffleSwaps);
    }
    void SetUp() override
    {
        // Each hold's banner, and the table face down while a hole is announced.
        clock.duringWaits([this](double seconds) {
            seen.push_back(caption("messaggiot"));
            EXPECT_EQ(seconds, 3.0) << seen.back().toStdString();
            EXPECT_TRUE(!seen.back().startsWith("Buca") || picture(cell(34)) == pictures::redBack);
        });
        // A record the first round's +381 beats by one.
        dir.put("rcdglf.dat", TempWorkingDir::scrambled("MARIO   +382", 0x5C));
        WindowTable::SetUp();
        // The first hole is announced once the window has been painted.
        QApplication::processEvents();
        QApplication::processEvents();
    }
    std::vector<QString> banners() { return std::exchange(seen, {}); }
    // Ten new piles fill the places; the eleventh card finds none and stays on the stock, let go.
    void blockedHole()
    {
        for (int i = 0; i < 11; ++i) {
            press("Mazzo");
            press("gioca");
        }
        EXPECT_FALSE(shown("mascherm"));
        press("terminat");
    }
    // Holes `from` to 8 blocked, then the last-card hole: +381 with the earlier holes at +46.
    void round(int from)
    {
        for (int hole = from; hole <= 8; ++hole) {
            blockedHole();
            EXPECT_EQ(caption(QStringLiteral("PuntiG(%1)").arg(hole - 1)), "+46");
            EXPECT_EQ(caption("totaleG"), QStringLiteral("+%1").arg(46 * hole));
        }
        seen.clear(); // the last hole's banners follow
        for (int i = 0; i < 14; ++i) {
            press("Mazzo");
            press("gioca");
        }
        EXPECT_EQ(heard("Label8(4)"), "Penalità: 4");
        press("Mazzo");
        press(pile(5));
        press("gioca");
        for (int j = 0; j < 35; ++j) {
            press(pile(0));
            press(cell(chainCell(j)));
            EXPECT_TRUE(shown("mascheraT(0)") && shown(QStringLiteral("mascher(%1)").arg(chainCell(j))));
            press("gioca");
        }
        EXPECT_EQ(banners(), (std::vector<QString>{"Penalità (+1)", "Penalità (+1)", "Penalità (+1)", "Penalità (+1)",
                                                   "+13", "GAME OVER"}));
        EXPECT_EQ(caption("messaggiot") + caption("PuntiG(8)") + caption("totaleG"), "GAME OVER+13+381");
        EXPECT_FALSE(shown("Mazzo") || shown("mazzocp") || shown("gioca") || control(window, "terminat")->isEnabled());
        press(pile(1));
        EXPECT_FALSE(shown("mascheraT(1)")) << "after GAME OVER nothing moves";
        EXPECT_EQ(clock.takeWaits().size(), from == 2 ? 22u : 23u) << "a hold for every banner";
    }
    std::vector<QString> seen;
};

TEST_F(GolfWindowTest, TwoRoundsWithARecordAndThenAnEqualTotal)
{
    EXPECT_EQ(banners(), std::vector<QString>{"Buca N° 1"});
    clock.takeWaits();
    EXPECT_EQ(picture("Mazzo"), face("As"));
    EXPECT_EQ(caption("rimanenti") + caption("record") + caption("nome") + caption("totaleG"), "15+382MARIO   --");
    EXPECT_EQ(heard(cell(34)), pictureName(face("8d")) + ", giocabile");
    EXPECT_TRUE(heard(cell(33)).endsWith(", bloccata")) << "covered";
    EXPECT_EQ(heard(pile(0)), pictureName(face("Ah")) + ", mazzetto 1, una sola carta, giocabile");
    EXPECT_EQ(pointer(cell(33)), Pointer::Arrow);
    EXPECT_EQ(pointer(pile(1)), Pointer::NoEntry) << "an empty place";
    press("Mazzo");
    EXPECT_TRUE(shown("mascherm") && shown("gioca"));
    EXPECT_EQ(heard(cell(34)), pictureName(face("8d")) + ", bloccata");
    press("Mazzo");
    EXPECT_FALSE(shown("mascherm") || shown("gioca"));
    {
        ScriptedAnswers no(false);
        blockedHole();
        window->newGameAction()->trigger();
        EXPECT_EQ(no.asked, (std::vector<std::pair<QString, QString>>{{"Abbandona Buca 1", "Vuoi Terminare la buca 1?"},
                                                                     {"Ricomincia", "Vuoi Ricominciare la Partita?"}}));
        EXPECT_EQ(caption("PuntiG(0)") + caption("rimanenti"), "--5") << "No changes nothing";
    }
    ScriptedAnswers yes(true);
    press("terminat");
    EXPECT_EQ(banners(), (std::vector<QString>{"+46", "Buca N° 2"}));
    EXPECT_TRUE(control(window, "gioco(1)")->isEnabled() && !control(window, "gioco(2)")->isEnabled());
    round(2);
    typeRecordName(window, "anna");
    EXPECT_EQ(dir.bytes("rcdglf.dat"), TempWorkingDir::scrambled("ANNA    +381", 0x5C));
    EXPECT_EQ(caption("record") + caption("nome"), "+381ANNA    ");

    script(*random);
    window->newGameAction()->trigger();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(yes.asked.back().first, "Ricomincia");
    EXPECT_FALSE(shown("rcdi") || shown("rcdt") || shown("messaggiot"));
    EXPECT_EQ(caption("record") + caption("nome") + caption("totaleG") + caption("PuntiG(8)"), "+381ANNA    ----");
    round(1);
    EXPECT_FALSE(shown("rcdi") || shown("rcdt")) << "an equal total is no record";
    EXPECT_EQ(dir.bytes("rcdglf.dat"), TempWorkingDir::scrambled("ANNA    +381", 0x5C));
}

} // namespace
