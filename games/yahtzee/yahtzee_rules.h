// One Yahtzee game without its window: five dice, three rolls a hand, the thirteen boxes of the card and its sums.
#pragma once

#include <array>
#include <optional>
#include <vector>

class Random;

// What one roll did, for the window to tumble the right dice.
struct YahtzeeRoll {
    std::array<bool, 5> rolled{}; // die i was thrown
    int rollCount = 0;            // 1, 2 or 3 after this roll
    bool lastBoxFilled = false;   // the third roll wrote the one box still free
};

class YahtzeeRules {
public:
    static constexpr int dice = 5;
    static constexpr int boxes = 13;
    static constexpr int upperBoxes = 6;
    static constexpr int rollsPerHand = 3;
    static constexpr int bonusValue = 35;
    // The bonus comes with a subtotal above this.
    static constexpr int bonusThreshold = 62;

    enum Box { assi, due, tre, quattro, cinque, sei, tris, poker, full, scalaMin, scalaMax, yahtzee, change };

    explicit YahtzeeRules(Random& random);

    // A new game: an empty card, every die showing a one, the next roll starting the first hand.
    void nuovaPartita();

    // A roll: it starts a new hand and throws all five dice, or throws the marked ones again.
    // Nothing while no roll is ready (see rollReady).
    std::optional<YahtzeeRoll> roll();
    // Marks or unmarks die i for the next throw; only between the rolls of a hand.
    bool toggleMark(int i);
    // Chooses box i, moves the choice made earlier in this hand to it, or takes it back.
    bool chooseBox(int i);

    // The value box `box` would get for five dice (in any order).
    static int boxValue(int box, const std::array<int, dice>& faces);
    // The number of neighbours one apart in the sorted dice: 4 for five in a row.
    static int stepCount(const std::array<int, dice>& faces);

    int face(int i) const { return dice_[static_cast<std::size_t>(i)]; }
    bool isMarked(int i) const { return marked_[static_cast<std::size_t>(i)]; }
    bool canMark() const { return !startsNewHand_ && !over_; }
    int rollCount() const { return rollCount_; }
    // The dice as "1" to "6" in ascending order; empty before the first roll of a game.
    const std::vector<int>& sortedDice() const { return sorted_; }
    // Roll k of the hand (0 to 2) is still to come.
    bool isRollToCome(int k) const { return rollsToCome_[static_cast<std::size_t>(k)]; }

    // The next roll starts a new hand ("Nuova"); otherwise it throws the marked dice again ("Cambia").
    bool startsNewHand() const { return startsNewHand_; }
    // A roll is on offer: false after the third roll of a hand, until a box is chosen, and once the game is over.
    bool rollOffered() const { return rollOffered_; }
    // The roll on offer may be made now: not after the first roll until a die is marked, nor
    // while a choice taken back waits for another box.
    bool rollReady() const { return rollReady_; }
    // The three rolls are made and the hand waits for a box to be chosen.
    bool awaitsChoice() const { return awaitsChoice_; }

    // The points written in box i; nothing while the box is free.
    std::optional<int> box(int i) const { return boxes_[static_cast<std::size_t>(i)]; }
    bool isUsed(int i) const { return used_[static_cast<std::size_t>(i)]; }
    int selected() const { return selected_; }
    // A free box the player may choose now (the pointer and the highlight follow it).
    bool invitesChoice(int i) const { return !startsNewHand_ && !box(i); }
    int subtotal() const { return subt_; }
    int bonus() const { return bonus_; }
    int total() const { return totale_; }

    // The thirteenth box was written: "GAME OVER". The score is the total at that moment; taking
    // the last box back afterwards does not change it.
    bool isOver() const { return over_; }
    int finalScore() const { return finalScore_; }

    // Every die 1 to 6, the sorted list the dice in order, the sums equal to their parts, every
    // used box written.
    bool isConsistent() const;

private:
    std::array<bool, dice> dadi();
    void controlla(int i);
    void updateSums();
    void endGame();

    Random& random_;
    std::array<int, dice> dice_{};
    std::array<bool, dice> marked_{};
    std::vector<int> sorted_;
    int rollCount_ = 0;
    std::array<bool, rollsPerHand> rollsToCome_{};
    bool startsNewHand_ = true;
    bool rollOffered_ = true;
    bool rollReady_ = true;
    bool awaitsChoice_ = false;

    std::array<std::optional<int>, boxes> boxes_{};
    std::array<bool, boxes> used_{};
    int selected_ = 0;
    bool firstHand_ = false;
    int filledCount_ = 0; // counted after each roll, before any box of this hand
    int lastEmpty_ = 0;
    int subt_ = 0;
    int bonus_ = 0;
    int totale_ = 0;
    bool over_ = false;
    int finalScore_ = 0;
};
