// The round table's rules on laid-out decks and seeded shuffles: places, clearing, losing, winning, bonus, record.
#include "games/tavola/tavola_rules.h"
#include "shell/random.h"
#include "shell/record_slot.h"
#include "tests/support/tavola_player.h"
#include "tests/support/temp_working_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>

namespace {

// Returns the given numbers in turn, then the last one again.
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}
    double next() override { return values_[std::min(i_++, values_.size() - 1)]; }

private:
    std::vector<double> values_;
    std::size_t i_ = 0;
};

constexpr Card card(int rank, int suit) { return {rank, suit}; }

// The given cards first, in order, then the rest of the deck in its unshuffled order.
TavolaRules::Deck deckStartingWith(const std::vector<Card>& first)
{
    TavolaRules::Deck deck{};
    std::size_t n = 0;
    for (const Card& c : first)
        deck[n++] = c;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            if (std::find(first.begin(), first.end(), card(rank, suit)) == first.end())
                deck[n++] = card(rank, suit);
    EXPECT_EQ(n, 52u) << "a card given twice";
    return deck;
}

// A card and the cell it is to be placed on.
struct Laid {
    Card card;
    int cell;
};

class TavolaGame : public ::testing::Test {
protected:
    // Deals a deck that begins with the laid cards (then `next`) and places them where they are laid.
    TavolaOutcome lay(const std::vector<Laid>& cards, const std::vector<Card>& next = {})
    {
        std::vector<Card> first;
        for (const Laid& l : cards)
            first.push_back(l.card);
        first.insert(first.end(), next.begin(), next.end());
        rules.newGame(deckStartingWith(first));
        TavolaOutcome last = TavolaOutcome::Nothing;
        for (const Laid& l : cards) {
            EXPECT_EQ(rules.hand(), l.card);
            EXPECT_TRUE(rules.pickUp());
            last = rules.playCell(l.cell);
            EXPECT_TRUE(rules.isConsistent());
        }
        return last;
    }
    // Eleven court cards on their places, every one but the king of clubs: corner 15 stays free.
    static std::vector<Laid> elevenCourts()
    {
        std::vector<Laid> courts;
        for (int rank = 11; rank <= 13; ++rank)
            for (int suit = 1; suit <= 4; ++suit)
                if (!(rank == 13 && suit == 4))
                    courts.push_back({card(rank, suit), TavolaRules::places(rank)[static_cast<std::size_t>(suit - 1)]});
        return courts;
    }
    // Sixteen cards of rank 1 to 4: no ten and no two of them adding up to ten.
    static std::vector<Laid> lowCards(int count)
    {
        std::vector<Laid> cards;
        for (int i = 0; i < count; ++i)
            cards.push_back({card(i % 4 + 1, i / 4 + 1), i});
        return cards;
    }

    SeededRandom random{1};
    TavolaRules rules{random};
};

TEST(TavolaPlaces, CourtCardsOnlyOnTheirOwnEdgesOtherCardsAnywhere)
{
    const std::vector<int> kings{0, 3, 12, 15}, jacks{1, 2, 13, 14}, queens{4, 7, 8, 11};
    for (int cell = 0; cell < 16; ++cell) {
        auto has = [cell](const std::vector<int>& v) { return std::find(v.begin(), v.end(), cell) != v.end(); };
        EXPECT_EQ(TavolaRules::fitsPlace(11, cell), has(jacks)) << cell;
        EXPECT_EQ(TavolaRules::fitsPlace(12, cell), has(queens)) << cell;
        EXPECT_EQ(TavolaRules::fitsPlace(13, cell), has(kings)) << cell;
        for (int rank = 1; rank <= 10; ++rank)
            EXPECT_TRUE(TavolaRules::fitsPlace(rank, cell));
    }
}

TEST(TavolaDeal, ThePhotographComesFromTheRandomSourceAndStaysForEveryGame)
{
    ScriptedRandom low({0.0});
    EXPECT_EQ(TavolaRules(low).photograph(), 211);
    ScriptedRandom high({0.999});
    EXPECT_EQ(TavolaRules(high).photograph(), 214);
    ScriptedRandom middle({0.5});
    TavolaRules rules(middle);
    EXPECT_EQ(rules.photograph(), 213);
    rules.newGame();
    EXPECT_EQ(rules.photograph(), 213) << "the photograph stays for every game";
}

TEST_F(TavolaGame, ACourtCardOffItsPlacesIsRefusedAndStaysInHand)
{
    rules.newGame(deckStartingWith({card(13, 1), card(11, 2), card(12, 3)}));
    EXPECT_EQ(rules.cardsLeft(), 51);
    // Nothing is placed before the hand card is picked up.
    EXPECT_EQ(rules.playCell(0), TavolaOutcome::Nothing);
    ASSERT_TRUE(rules.pickUp());
    for (int cell : {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14}) {
        EXPECT_EQ(rules.playCell(cell), TavolaOutcome::WrongMove) << cell;
        EXPECT_TRUE(rules.cell(cell).isEmpty()) << cell;
        EXPECT_EQ(rules.hand(), card(13, 1));
        EXPECT_TRUE(rules.handPickedUp());
        EXPECT_EQ(rules.cardsLeft(), 51);
        EXPECT_TRUE(rules.isConsistent());
        // Until the wrong move is over the board takes nothing, not even the king's own corner.
        EXPECT_EQ(rules.playCell(15), TavolaOutcome::Nothing);
        EXPECT_FALSE(rules.pickUp());
        rules.endWrongMove();
    }
    rules.secondPassed();
    EXPECT_EQ(rules.seconds(), 1) << "the clock keeps running after a wrong move";

    EXPECT_EQ(rules.playCell(15), TavolaOutcome::Placed);
    EXPECT_TRUE(rules.showsPhotograph(15));
    EXPECT_EQ(rules.courtCount(), 1);
    EXPECT_EQ(rules.hand(), card(11, 2));
    EXPECT_FALSE(rules.handPickedUp());
    EXPECT_EQ(rules.cardsLeft(), 50);
    rules.pickUp();
    EXPECT_EQ(rules.playCell(15), TavolaOutcome::Nothing) << "an occupied cell";
    EXPECT_EQ(rules.playCell(4), TavolaOutcome::WrongMove);
    rules.endWrongMove();
    EXPECT_EQ(rules.playCell(13), TavolaOutcome::Placed);
    rules.pickUp();
    EXPECT_EQ(rules.playCell(12), TavolaOutcome::WrongMove) << "a queen is no king";
    rules.endWrongMove();
    EXPECT_EQ(rules.playCell(11), TavolaOutcome::Placed);
    EXPECT_EQ(rules.courtCount(), 3);
    EXPECT_EQ(rules.placedCount(), 3);
}

TEST_F(TavolaGame, ATenOnACornerThenAKingWithEveryCornerTakenIsLostAtOnce)
{
    const TavolaOutcome last = lay({{card(10, 1), 0}, {card(10, 2), 3}, {card(10, 3), 12}, {card(10, 4), 15}},
                                   {card(13, 2)});
    EXPECT_EQ(last, TavolaOutcome::Lost);
    EXPECT_EQ(rules.state(), TavolaRules::State::Lost);
    EXPECT_EQ(rules.hand(), card(13, 2));
    EXPECT_FALSE(rules.pickUp());
    rules.secondPassed();
    EXPECT_EQ(rules.seconds(), 0) << "the clock stops with the game";
    EXPECT_TRUE(rules.isConsistent());
}

TEST_F(TavolaGame, AFullBoardWithoutAClearingMoveIsLost)
{
    EXPECT_EQ(lay(lowCards(16)), TavolaOutcome::Lost);
    EXPECT_FALSE(rules.hasClearingMove());
    EXPECT_EQ(rules.state(), TavolaRules::State::Lost);
    EXPECT_EQ(rules.playCell(0), TavolaOutcome::Nothing);
    EXPECT_TRUE(rules.isConsistent());
}

TEST_F(TavolaGame, ThePairInTheLastTwoCellsIsAClearingMove)
{
    std::vector<Laid> cards = lowCards(14);
    cards.push_back({card(5, 1), 14});
    cards.push_back({card(5, 2), 15});
    EXPECT_EQ(lay(cards, {card(6, 1)}), TavolaOutcome::Placed);
    ASSERT_TRUE(rules.isClearing());
    EXPECT_TRUE(rules.hasClearingMove());
    // The card turned meanwhile waits crossed out.
    EXPECT_EQ(rules.hand(), card(6, 1));
    EXPECT_FALSE(rules.canPickUp());
    EXPECT_FALSE(rules.pickUp());

    EXPECT_EQ(rules.playCell(14), TavolaOutcome::Cleared);
    EXPECT_TRUE(rules.isSelected(14));
    EXPECT_EQ(rules.playCell(15), TavolaOutcome::Cleared);
    EXPECT_TRUE(rules.cell(14).isEmpty());
    EXPECT_TRUE(rules.cell(15).isEmpty());
    EXPECT_TRUE(rules.selection().empty());
    EXPECT_EQ(rules.state(), TavolaRules::State::Placing);
    EXPECT_EQ(rules.placedCount(), 14);
    EXPECT_TRUE(rules.pickUp());
    EXPECT_EQ(rules.playCell(15), TavolaOutcome::Placed);
    EXPECT_TRUE(rules.isConsistent());
}

// A pair adding up to ten among cards that make no other.
struct PairCase {
    int a, b;
    std::vector<int> fillers;
};

void PrintTo(const PairCase& pair, std::ostream* out) { *out << pair.a << "+" << pair.b; }

class TavolaPairs : public TavolaGame, public ::testing::WithParamInterface<PairCase> {};

TEST_P(TavolaPairs, ArePickedOffTheFullBoard)
{
    const PairCase& pair = GetParam();
    std::vector<Laid> cards = elevenCourts();
    cards.push_back({card(pair.a, 1), 5});
    cards.push_back({card(pair.b, 2), 6});
    cards.push_back({card(pair.fillers[0], 3), 9});
    cards.push_back({card(pair.fillers[1], 4), 10});
    cards.push_back({card(pair.fillers[2], 1), 15});
    lay(cards, {card(pair.fillers[2], 2)});
    ASSERT_TRUE(rules.isClearing());

    // Court cards never join a sum and take no click.
    EXPECT_EQ(rules.playCell(0), TavolaOutcome::Nothing);
    EXPECT_TRUE(rules.selection().empty());

    EXPECT_EQ(rules.playCell(5), TavolaOutcome::Cleared);
    EXPECT_EQ(rules.playCell(6), TavolaOutcome::Cleared);
    EXPECT_TRUE(rules.cell(5).isEmpty());
    EXPECT_TRUE(rules.cell(6).isEmpty());
    EXPECT_EQ(rules.state(), TavolaRules::State::Placing);
    EXPECT_EQ(rules.placedCount(), 14);
    EXPECT_TRUE(rules.isConsistent());
}

INSTANTIATE_TEST_SUITE_P(OneAndNineToFiveAndFive, TavolaPairs,
                         ::testing::Values(PairCase{1, 9, {2, 2, 3}}, PairCase{2, 8, {1, 1, 3}},
                                           PairCase{3, 7, {1, 1, 2}}, PairCase{4, 6, {1, 1, 2}},
                                           PairCase{5, 5, {1, 1, 2}}),
                         [](const auto& info) {
                             return std::to_string(info.param.a) + "and" + std::to_string(info.param.b);
                         });

class TavolaClearing : public TavolaGame {
protected:
    // A 3 and a 7 in the middle, a ten below them, ones and twos elsewhere; the next card is `next`.
    void layWithTen(Card next = card(2, 4))
    {
        std::vector<Laid> cards = elevenCourts();
        cards.push_back({card(3, 1), 5});
        cards.push_back({card(7, 2), 6});
        cards.push_back({card(10, 3), 9});
        cards.push_back({card(1, 4), 10});
        cards.push_back({card(2, 1), 15});
        lay(cards, {next});
        ASSERT_TRUE(rules.isClearing());
    }
};

TEST_F(TavolaClearing, APairNotAddingToTenOnlyClearsTheFrames)
{
    layWithTen();
    rules.playCell(10);
    rules.playCell(15);
    EXPECT_EQ(rules.cellValue(10), 1);
    EXPECT_EQ(rules.cellValue(15), 2);
    EXPECT_TRUE(rules.selection().empty());
    EXPECT_TRUE(rules.isClearing());
}

TEST_F(TavolaClearing, OneClickChangesTheSelectionByOneCard)
{
    layWithTen();
    rules.playCell(5);
    EXPECT_EQ(rules.selection(), std::vector<int>{5});
    rules.playCell(5);
    EXPECT_TRUE(rules.selection().empty());
    rules.playCell(5);
    EXPECT_EQ(rules.selection(), std::vector<int>{5});
    rules.playCell(6);
    EXPECT_TRUE(rules.cell(5).isEmpty());
    EXPECT_TRUE(rules.cell(6).isEmpty());
    EXPECT_TRUE(rules.isClearing()) << "the ten is still there";
    EXPECT_EQ(rules.playCell(9), TavolaOutcome::Cleared);
    EXPECT_EQ(rules.state(), TavolaRules::State::Placing);
    EXPECT_EQ(rules.playCell(5), TavolaOutcome::Nothing) << "an empty cell while placing, nothing picked up";
}

TEST_F(TavolaClearing, ATenGoesWithOneClickAndCancelsTheSelection)
{
    layWithTen();
    rules.playCell(5);
    EXPECT_EQ(rules.playCell(9), TavolaOutcome::Cleared);
    EXPECT_TRUE(rules.cell(9).isEmpty());
    EXPECT_TRUE(rules.selection().empty());
    EXPECT_EQ(rules.cellValue(5), 3);
    // The next two are judged on their own: 7 and 1 make no ten.
    rules.playCell(6);
    rules.playCell(10);
    EXPECT_EQ(rules.cellValue(6), 7);
    EXPECT_EQ(rules.cellValue(10), 1);
    rules.playCell(6);
    rules.playCell(5);
    EXPECT_EQ(rules.state(), TavolaRules::State::Placing);
    EXPECT_EQ(rules.placedCount(), 13);
    EXPECT_TRUE(rules.isConsistent());
}

// Jacks and queens on their places, low cards on the corners and in the middle, a king turned last.
class TavolaCrossedKing : public TavolaGame {
protected:
    void layAround(const std::vector<Laid>& rest)
    {
        std::vector<Laid> cards;
        for (int rank = 11; rank <= 12; ++rank)
            for (int suit = 1; suit <= 4; ++suit)
                cards.push_back({card(rank, suit), TavolaRules::places(rank)[static_cast<std::size_t>(suit - 1)]});
        cards.insert(cards.end(), rest.begin(), rest.end());
        lay(cards, {card(13, 1)});
        ASSERT_TRUE(rules.isClearing());
        EXPECT_FALSE(rules.pickUp()) << "the king waits crossed out";
    }
};

TEST_F(TavolaCrossedKing, LosesWhenTheClearingLeavesEveryCornerTaken)
{
    layAround({{card(1, 1), 0}, {card(1, 2), 3}, {card(2, 1), 12}, {card(2, 2), 15},
               {card(3, 1), 5}, {card(7, 1), 6}, {card(3, 2), 9}, {card(3, 3), 10}});
    rules.playCell(5);
    EXPECT_EQ(rules.playCell(6), TavolaOutcome::Lost);
    EXPECT_EQ(rules.state(), TavolaRules::State::Lost);
    EXPECT_TRUE(rules.isConsistent());
}

TEST_F(TavolaCrossedKing, GoesToTheCornerTheClearingFreed)
{
    layAround({{card(1, 1), 0}, {card(9, 2), 3}, {card(2, 1), 12}, {card(2, 2), 15},
               {card(3, 1), 5}, {card(3, 2), 6}, {card(3, 3), 9}, {card(1, 3), 10}});
    rules.playCell(3);
    EXPECT_EQ(rules.playCell(0), TavolaOutcome::Cleared);
    ASSERT_EQ(rules.state(), TavolaRules::State::Placing);
    ASSERT_TRUE(rules.pickUp());
    EXPECT_EQ(rules.playCell(3), TavolaOutcome::Placed);
    EXPECT_EQ(rules.courtCount(), 9);
}

TEST_F(TavolaGame, TheTwelfthCourtCardWinsAtOnceAndEarnsTheBonus)
{
    std::vector<Laid> courts = elevenCourts();
    courts.push_back({card(13, 4), 15});
    std::vector<Card> first;
    for (const Laid& l : courts)
        first.push_back(l.card);
    rules.newGame(deckStartingWith(first));
    for (int s = 0; s < 250; ++s)
        rules.secondPassed();
    for (std::size_t i = 0; i < courts.size(); ++i) {
        rules.pickUp();
        const TavolaOutcome outcome = rules.playCell(courts[i].cell);
        EXPECT_EQ(outcome, i + 1 < courts.size() ? TavolaOutcome::Placed : TavolaOutcome::Won) << i;
    }
    EXPECT_EQ(rules.state(), TavolaRules::State::Won);
    EXPECT_EQ(rules.cardsLeft(), 40) << "no card is turned after the winning one";
    EXPECT_TRUE(rules.hand().isEmpty());
    ASSERT_TRUE(rules.bonus().has_value());
    EXPECT_EQ(rules.bonus()->elapsed, 250);
    EXPECT_EQ(rules.bonus()->cards, 40);
    EXPECT_EQ(rules.bonus()->bonus, 200);
    EXPECT_EQ(rules.seconds(), 50);
    rules.secondPassed();
    EXPECT_EQ(rules.seconds(), 50) << "the clock stops at the win";
    EXPECT_EQ(rules.playCell(5), TavolaOutcome::Nothing);
    EXPECT_FALSE(rules.pickUp());
    EXPECT_TRUE(rules.isConsistent());
}

TEST(TavolaBonusSum, FiveSecondsACardOffTheTimeNeverBelowZero)
{
    const auto threeFive = TavolaRules::cardBonus(3 * 60 + 5, 8);
    ASSERT_TRUE(threeFive);
    EXPECT_EQ(threeFive->bonus, 40);
    EXPECT_EQ(threeFive->total, 2 * 60 + 25);
    const auto half = TavolaRules::cardBonus(30, 10);
    ASSERT_TRUE(half);
    EXPECT_EQ(half->bonus, 50);
    EXPECT_EQ(half->total, 0);
    EXPECT_FALSE(TavolaRules::cardBonus(200, 0)) << "no card left, no bonus";
}

TEST_F(TavolaGame, AWinWithTheDeckEmptyHasNoBonusAndANewGameStartsClean)
{
    SeededRandom seeded(7); // the careful player wins this deal with the very last card
    TavolaRules won(seeded);
    won.newGame();
    for (int s = 0; s < 100; ++s)
        won.secondPassed();
    ASSERT_TRUE(tavolaPlayOut(won));
    EXPECT_EQ(won.cardsLeft(), 0);
    EXPECT_FALSE(won.bonus().has_value());
    EXPECT_EQ(won.seconds(), 100);

    won.newGame();
    EXPECT_EQ(won.state(), TavolaRules::State::Placing);
    EXPECT_EQ(won.cardsLeft(), 51);
    EXPECT_EQ(won.seconds(), 0);
    EXPECT_EQ(won.courtCount(), 0);
    EXPECT_EQ(won.placedCount(), 0);
    EXPECT_FALSE(won.bonus().has_value());
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(won.cell(i).isEmpty());
    EXPECT_TRUE(won.isConsistent());
}

TEST(TavolaRandomised, RandomClicksNeverLoseOrDuplicateACard)
{
    int over = 0;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        SeededRandom random(seed);
        SeededRandom clicks(seed * 7919);
        TavolaRules rules(random);
        for (int game = 0; game < 2; ++game) {
            rules.newGame();
            for (int step = 0; step < 3000 && !rules.isOver(); ++step) {
                // Mostly careful moves, so games go deep; the rest anywhere at all.
                const double roll = clicks.next();
                if (roll < 0.5) {
                    const TavolaClick next = tavolaNextClick(rules);
                    next.isHand() ? void(rules.pickUp()) : void(rules.playCell(next.cell));
                } else if (roll < 0.6) {
                    rules.pickUp();
                } else if (rules.playCell(clicks.pick(18, -1)) == TavolaOutcome::WrongMove) {
                    rules.endWrongMove();
                }
                if (clicks.next() < 0.3)
                    rules.secondPassed();
                ASSERT_TRUE(rules.isConsistent()) << "seed " << seed << " game " << game << " step " << step;
            }
            over += rules.isOver() ? 1 : 0;
        }
    }
    EXPECT_EQ(over, 600) << "every game comes to an end";
}

class TavolaRecord : public ::testing::Test {
protected:
    void writeFile(const std::string& plain)
    {
        std::ofstream out(dir.filePath("rcltv.dat").toStdString(), std::ios::binary);
        out << TempWorkingDir::scrambled(plain, 0xB7);
    }
    RecordSlot readSlot()
    {
        RecordSlot slot(TavolaRules::recordRules());
        slot.read(dir.path().toStdString());
        return slot;
    }
    TempWorkingDir dir;
};

TEST_F(TavolaRecord, FiveMinutesByCpuUntilBeatenThenTheTimeByteForByte)
{
    RecordSlot slot = readSlot();
    EXPECT_TRUE(dir.exists("rcltv.dat"));
    EXPECT_EQ(slot.valueCaption(), "05:00");
    EXPECT_EQ(slot.holder(), "CPU");
    EXPECT_FALSE(slot.isBeatenBy(300)) << "an equal time is no record";
    EXPECT_TRUE(slot.isBeatenBy(299));

    ASSERT_TRUE(slot.write(dir.path().toStdString(), "LUCA", 2 * 60 + 25));
    EXPECT_EQ(dir.bytes("rcltv.dat"), TempWorkingDir::scrambled("LUCA    02:25", 0xB7));
    RecordSlot again = readSlot();
    EXPECT_EQ(again.holder(), "LUCA    ");
    EXPECT_EQ(again.valueCaption(), "02:25");
    EXPECT_EQ(again.value(), 145);
}

TEST_F(TavolaRecord, OnlyTheFiveCharactersOfTheTimeAreRead)
{
    writeFile("ANNA    03:1099junk");
    EXPECT_EQ(readSlot().valueCaption(), "03:10");
    EXPECT_EQ(readSlot().holder(), "ANNA    ");
}

TEST_F(TavolaRecord, ATimeEarnedDownToNothingIsKept)
{
    writeFile("ZENO    00:00");
    const RecordSlot slot = readSlot();
    EXPECT_FALSE(slot.isDefault());
    EXPECT_EQ(slot.valueCaption(), "00:00");
    EXPECT_EQ(slot.holder(), "ZENO    ");
    EXPECT_FALSE(slot.isBeatenBy(0));
}

TEST_F(TavolaRecord, AnythingButMinutesAndSecondsIsNoRecord)
{
    for (const char* plain : {"ANNA    0a:00", "ANNA    05:60", "ANNA    5:00", "ANNA    ", "ANNA", "ANNA    12-34"}) {
        writeFile(plain);
        const RecordSlot slot = readSlot();
        EXPECT_EQ(slot.valueCaption(), "05:00") << plain;
        EXPECT_EQ(slot.holder(), "CPU") << plain;
    }
}

} // namespace
