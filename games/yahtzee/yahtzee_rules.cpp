// Yahtzee's rules: the rolls of a hand, marking dice, the value of each box and the sums of the card.
#include "games/yahtzee/yahtzee_rules.h"

#include "shell/random.h"

#include <algorithm>
#include <numeric>

YahtzeeRules::YahtzeeRules(Random& random) : random_(random) { nuovaPartita(); }

void YahtzeeRules::nuovaPartita()
{
    firstHand_ = false;
    rollCount_ = 0;
    selected_ = 0;
    awaitsChoice_ = false;
    sorted_.clear();
    over_ = false;
    finalScore_ = 0;
    startsNewHand_ = true;
    rollOffered_ = true;
    rollReady_ = true;
    boxes_.fill(std::nullopt);
    used_.fill(false);
    filledCount_ = 0;
    lastEmpty_ = 0;
    subt_ = 0;
    bonus_ = 0;
    totale_ = 0;
    dice_.fill(1);
    // A game started in the middle of a hand keeps nothing of it: no mark, every roll to come.
    marked_.fill(false);
    rollsToCome_.fill(true);
}

std::optional<YahtzeeRoll> YahtzeeRules::roll()
{
    if (over_ || !rollOffered_ || !rollReady_)
        return std::nullopt;
    if (startsNewHand_) {
        // The first hand of a game confirms nothing; later ones make the last hand's choice final.
        if (firstHand_)
            used_[static_cast<std::size_t>(selected_)] = true;
        else
            firstHand_ = true;
        rollsToCome_.fill(true);
    }
    YahtzeeRoll done;
    done.rolled = dadi();
    done.rollCount = rollCount_;

    filledCount_ = 0;
    for (int i = 0; i < boxes; ++i) {
        if (box(i))
            ++filledCount_;
        else
            lastEmpty_ = i;
    }

    if (rollCount_ == rollsPerHand) {
        rollOffered_ = false;
        if (filledCount_ == boxes - 1) {
            chooseBox(lastEmpty_);
            done.lastBoxFilled = true;
        } else {
            awaitsChoice_ = true;
        }
    }
    if (rollCount_ == 1) {
        startsNewHand_ = false;
        rollReady_ = false; // until a die is marked
    }
    return done;
}

std::array<bool, YahtzeeRules::dice> YahtzeeRules::dadi()
{
    std::array<bool, dice> rolled{};
    sorted_.clear();
    for (std::size_t i = 0; i < dice; ++i) {
        if (marked_[i] || startsNewHand_) {
            dice_[i] = random_.pick(6, 1);
            rolled[i] = true;
        }
        sorted_.push_back(dice_[i]);
    }
    std::sort(sorted_.begin(), sorted_.end());
    rollsToCome_[static_cast<std::size_t>(std::min(rollCount_, rollsPerHand - 1))] = false;
    if (rollCount_ < rollsPerHand)
        ++rollCount_;
    marked_.fill(false);
    rollReady_ = true;
    return rolled;
}

bool YahtzeeRules::toggleMark(int i)
{
    if (i < 0 || i >= dice || !canMark())
        return false;
    marked_[static_cast<std::size_t>(i)] = !marked_[static_cast<std::size_t>(i)];
    rollReady_ = std::any_of(marked_.begin(), marked_.end(), [](bool m) { return m; });
    return true;
}

bool YahtzeeRules::chooseBox(int i)
{
    // Before the first roll of a game there are no dice to write.
    if (i < 0 || i >= boxes || sorted_.empty() || isUsed(i))
        return false;
    auto& chosen = boxes_[static_cast<std::size_t>(i)];
    if (i == selected_ && chosen) {
        // Taken back: the box is free again and the hand cannot go on until a box is chosen.
        if (i < upperBoxes)
            subt_ -= *chosen;
        chosen.reset();
        rollReady_ = false;
    } else {
        auto& earlier = boxes_[static_cast<std::size_t>(selected_)];
        if (!isUsed(selected_) && selected_ != i) {
            if (selected_ < upperBoxes)
                subt_ -= earlier.value_or(0);
            earlier.reset();
        }
        selected_ = i;
        controlla(i);
        if (i < upperBoxes)
            subt_ += *chosen;
    }
    updateSums();
    // The game ends on the card's final sums, the last box and its bonus counted.
    if (chosen && filledCount_ == boxes - 1)
        endGame();
    return true;
}

void YahtzeeRules::controlla(int i)
{
    std::array<int, dice> faces{};
    std::copy_n(sorted_.begin(), dice, faces.begin());
    boxes_[static_cast<std::size_t>(i)] = boxValue(i, faces);
    if (filledCount_ == boxes - 1)
        return;
    startsNewHand_ = true;
    awaitsChoice_ = false;
    rollOffered_ = true;
    rollReady_ = true;
    rollCount_ = 0;
}

void YahtzeeRules::updateSums()
{
    bonus_ = subt_ > bonusThreshold ? bonusValue : 0;
    totale_ = bonus_ + subt_;
    for (int k = upperBoxes; k < boxes; ++k)
        totale_ += box(k).value_or(0);
}

void YahtzeeRules::endGame()
{
    awaitsChoice_ = false;
    rollOffered_ = false;
    // Writing the last box again after taking it back ends nothing new: the score stays the first one.
    if (over_)
        return;
    over_ = true;
    finalScore_ = totale_;
}

int YahtzeeRules::stepCount(const std::array<int, dice>& faces)
{
    std::array<int, dice> sorted = faces;
    std::sort(sorted.begin(), sorted.end());
    int steps = 0;
    for (std::size_t i = 0; i + 1 < dice; ++i)
        if (sorted[i + 1] == sorted[i] + 1)
            ++steps;
    return steps;
}

int YahtzeeRules::boxValue(int box, const std::array<int, dice>& faces)
{
    std::array<int, 7> count{};
    for (int f : faces)
        ++count[static_cast<std::size_t>(f)];
    const int sum = std::accumulate(faces.begin(), faces.end(), 0);
    const int most = *std::max_element(count.begin(), count.end());
    const bool three = std::find(count.begin(), count.end(), 3) != count.end();
    const bool two = std::find(count.begin(), count.end(), 2) != count.end();
    const int steps = stepCount(faces);
    switch (box) {
    case tris:
        return most >= 3 ? sum : 0;
    case poker:
        return most >= 4 ? sum : 0;
    case full:
        return three && two ? 25 : 0;
    case scalaMin:
        return steps >= 3 ? 30 : 0;
    case scalaMax:
        return steps == 4 ? 40 : 0;
    case yahtzee:
        return most == 5 ? 50 : 0;
    case change:
        return sum;
    default:
        return box >= assi && box <= sei ? (box + 1) * count[static_cast<std::size_t>(box + 1)] : 0;
    }
}

bool YahtzeeRules::isConsistent() const
{
    if (std::any_of(dice_.begin(), dice_.end(), [](int f) { return f < 1 || f > 6; }))
        return false;
    if (!sorted_.empty()) {
        std::vector<int> expected(dice_.begin(), dice_.end());
        std::sort(expected.begin(), expected.end());
        if (sorted_ != expected)
            return false;
    }
    if (rollCount_ < 0 || rollCount_ > rollsPerHand || selected_ < 0 || selected_ >= boxes)
        return false;
    int upper = 0;
    int lower = 0;
    for (int k = 0; k < boxes; ++k) {
        if (isUsed(k) && !box(k))
            return false;
        (k < upperBoxes ? upper : lower) += box(k).value_or(0);
    }
    const int expectedBonus = upper > bonusThreshold ? bonusValue : 0;
    return subt_ == upper && bonus_ == expectedBonus && totale_ == upper + expectedBonus + lower;
}
