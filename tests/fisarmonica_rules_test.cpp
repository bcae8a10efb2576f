// The accordion's rules: the deck, the moves up to three places, the row closing up and the pile count.
#include "games/fisarmonica/fisarmonica_rules.h"
#include "shell/random.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// A deck whose first cards are the given ones, the rest in order behind them.
FisarmonicaRules::Deck deckStartingWith(std::vector<Card> first)
{
    FisarmonicaRules::Deck deck{};
    std::set<std::pair<int, int>> used;
    std::size_t i = 0;
    for (const Card& c : first) {
        deck[i++] = c;
        used.insert({c.rank, c.suit});
    }
    for (const Card& c : cards::orderedDeck<FisarmonicaRules::deckSize>(13))
        if (!used.count({c.rank, c.suit}))
            deck[i++] = c;
    return deck;
}

class Accordion : public ::testing::Test {
protected:
    SeededRandom random{7};
    FisarmonicaRules rules{random};
    void dealInto(std::vector<Card> first, int count)
    {
        rules.newGame(deckStartingWith(std::move(first)));
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(rules.deal());
    }
};

TEST(AccordionDeck, EveryDealHoldsTheFiftyTwoCardsOnceAndASeedGivesItsDeal)
{
    for (std::uint64_t seed : {1u, 2u, 99u}) {
        SeededRandom random(seed);
        FisarmonicaRules rules(random);
        rules.newGame();
        EXPECT_TRUE(rules.isConsistent()) << "seed " << seed;
    }
    SeededRandom a(5), b(5);
    FisarmonicaRules first(a), second(b);
    first.newGame();
    second.newGame();
    for (int i = 0; i < FisarmonicaRules::places; ++i) {
        first.deal();
        second.deal();
        EXPECT_EQ(first.place(i), second.place(i)) << i;
    }
}

// Every swap draws both its positions from the whole deck: one swap of the first and last places,
// then only swaps of a place with itself, deals the king of clubs first and the ace of hearts last.
TEST(AccordionDeck, TheShuffleDrawsFromTheWholeDeck)
{
    class FirstAndLast final : public Random {
    public:
        double next() override { return n_++ == 1 ? 0.999999 : 0.0; }

    private:
        int n_ = 0;
    } random;
    FisarmonicaRules rules(random);
    rules.newGame();
    ASSERT_TRUE(rules.deal() && rules.deal());
    EXPECT_EQ(rules.place(0), (Card{13, 4}));
    EXPECT_EQ(rules.place(1), (Card{2, 1}));
    while (!rules.deckEmpty()) {
        if (rules.deal())
            continue;
        // The cards come suit by suit, so a full row always has two neighbours to join.
        int right = 1;
        while (right < FisarmonicaRules::places && !rules.canJoin(right - 1, right))
            ++right;
        ASSERT_LT(right, FisarmonicaRules::places);
        rules.join(right - 1, right);
    }
    EXPECT_EQ(rules.place(rules.cardsInRow() - 1), (Card{1, 1}));
}

TEST_F(Accordion, DealFillsTheFirstEmptyPlaceAndStopsWhenTheRowIsFull)
{
    dealInto({}, 12);
    EXPECT_EQ(rules.cardsLeft(), 40);
    EXPECT_FALSE(rules.deal());
    EXPECT_EQ(rules.cardsLeft(), 40);
    EXPECT_EQ(rules.place(0), (Card{1, 1}));
}

TEST_F(Accordion, MovesJoinCardsOfOneValueOrSuitUpToThreePlacesApart)
{
    // Places: 0 A♥, 1 2♠, 2 3♦, 3 A♣, 4 5♠, 5 2♥
    dealInto({{1, 1}, {2, 2}, {3, 3}, {1, 4}, {5, 2}, {2, 1}}, 6);
    EXPECT_TRUE(rules.canJoin(0, 3));  // same value, three apart
    EXPECT_TRUE(rules.canJoin(1, 4));  // same suit
    EXPECT_FALSE(rules.canJoin(0, 2)); // neither
    EXPECT_FALSE(rules.canJoin(0, 5)); // same suit but five apart
    EXPECT_FALSE(rules.canJoin(6, 7)); // empty places never match

    // Selecting the right card first and clicking the left one moves the right card all the same.
    rules.takeCard(3);
    EXPECT_EQ(rules.selected(), 3);
    rules.takeCard(0);
    EXPECT_EQ(rules.selected(), -1);
    EXPECT_EQ(rules.place(0), (Card{1, 4}));
    // The row closed up behind the moved card.
    EXPECT_EQ(rules.place(3), (Card{5, 2}));
    EXPECT_EQ(rules.place(4), (Card{2, 1}));
    EXPECT_TRUE(rules.place(5).isEmpty());
    ASSERT_TRUE(rules.deal());
    EXPECT_FALSE(rules.place(5).isEmpty());
}

TEST_F(Accordion, AForbiddenMoveOrAFarClickKeepsTheSelection)
{
    // Places 1 and 5 match but lie four apart.
    dealInto({{4, 3}, {9, 1}, {2, 2}, {3, 4}, {6, 2}, {9, 2}}, 6);
    rules.takeCard(5);
    rules.takeCard(1);
    EXPECT_EQ(rules.selected(), 5);
    EXPECT_EQ(rules.place(1), (Card{9, 1}));
    rules.takeCard(3); // two apart, nothing in common
    EXPECT_EQ(rules.selected(), 5);
    rules.takeCard(5); // the selected card again clears the selection
    EXPECT_EQ(rules.selected(), -1);
    rules.takeCard(8); // an empty place selects nothing
    EXPECT_EQ(rules.selected(), -1);
}

TEST_F(Accordion, FinishCountsThePilesOnceAndJudgesTheWin)
{
    dealInto({{1, 1}, {1, 2}}, 2);
    EXPECT_EQ(rules.finish(), 2);
    rules.takeCard(1);
    rules.takeCard(0);
    EXPECT_EQ(rules.cardsInRow(), 1);
    EXPECT_EQ(rules.pileCount(), 2); // moves after "Finito" do not change the result
    EXPECT_FALSE(rules.isWin());
}

TEST(AccordionRecord, ValueTextBothWays)
{
    EXPECT_EQ(FisarmonicaRules::recordValueText(7), " 7");
    EXPECT_EQ(FisarmonicaRules::recordValueText(11), "11");
    EXPECT_EQ(FisarmonicaRules::storedRecord(" 7"), 7);
    EXPECT_EQ(FisarmonicaRules::storedRecord("11"), 11);
    EXPECT_EQ(FisarmonicaRules::storedRecord("11x"), 11);
    EXPECT_EQ(FisarmonicaRules::storedRecord(""), 0);
    EXPECT_EQ(FisarmonicaRules::storedRecord("00"), 0);
    // Below 10 only the second character counts.
    EXPECT_EQ(FisarmonicaRules::storedRecord("7 "), 0);
    EXPECT_EQ(FisarmonicaRules::storedRecord("7"), 0);
    EXPECT_EQ(FisarmonicaRules::storedRecord("x7"), 7);
    EXPECT_EQ(FisarmonicaRules::storedRecord("-7"), 7);
}

// Plays many seeded games with random clicks: no card is ever lost or duplicated.
TEST(AccordionPlay, RandomClicksNeverLoseOrDuplicateACard)
{
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        SeededRandom random(seed);
        FisarmonicaRules rules(random);
        rules.newGame();
        int joined = 0;
        for (int step = 0; step < 600; ++step) {
            const int before = rules.cardsInRow();
            if (random.next() < 0.3)
                rules.deal();
            else
                rules.takeCard(random.pick(FisarmonicaRules::places));
            if (rules.cardsInRow() == before - 1)
                ++joined;
            std::set<std::pair<int, int>> seen;
            bool gap = false;
            for (int i = 0; i < FisarmonicaRules::places; ++i) {
                const Card& c = rules.place(i);
                if (c.isEmpty()) {
                    gap = true;
                    continue;
                }
                ASSERT_FALSE(gap) << "a card after a gap, seed " << seed;
                ASSERT_TRUE(seen.insert({c.rank, c.suit}).second) << "duplicate card, seed " << seed;
            }
            const int dealt = FisarmonicaRules::deckSize - rules.cardsLeft();
            ASSERT_EQ(rules.cardsInRow() + joined, dealt) << "lost card, seed " << seed;
        }
    }
}

} // namespace
