// What a Poker hand is worth: its combination, the points it pays and the message that tells it.
#include "games/poker/poker_evaluation.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int ace = 1;
constexpr int jack = 11;
constexpr int king = 13;

FiveInts sorted(FiveInts ranks)
{
    std::sort(ranks.begin(), ranks.end());
    return ranks;
}

// Sizes of the runs of equal ranks in a sorted hand, lowest rank first; single cards are left out.
std::vector<int> groupSizes(const FiveInts& sortedRanks)
{
    std::vector<int> groups;
    int run = 1;
    for (std::size_t i = 1; i <= sortedRanks.size(); ++i) {
        if (i < sortedRanks.size() && sortedRanks[i] == sortedRanks[i - 1]) {
            ++run;
            continue;
        }
        if (run > 1)
            groups.push_back(run);
        run = 1;
    }
    return groups;
}

HandCode groupsCode(const std::vector<int>& groups)
{
    if (groups.empty())
        return HandCode::None;
    if (groups.size() == 2)
        return groups[0] + groups[1] == 5 ? HandCode::Full : HandCode::DoppiaCoppia;
    switch (groups[0]) {
    case 2: return HandCode::CoppiaVestita;
    case 3: return HandCode::Tris;
    default: return HandCode::Poker;
    }
}

} // namespace

bool isFlush(const FiveInts& suits)
{
    return std::all_of(suits.begin(), suits.end(), [&](int s) { return s == suits[0]; });
}

bool isStraight(const FiveInts& ranks)
{
    const FiveInts r = sorted(ranks);
    int steps = 0;
    for (std::size_t i = 0; i + 1 < r.size(); ++i)
        steps += r[i + 1] - r[i] == 1;
    // Three steps from an ace to a king leave one gap of nine: the only such hands are the
    // runs that go on from the king to the ace and past it.
    return steps == 4 || (steps == 3 && r.front() == ace && r.back() == king);
}

bool hasCourtPair(const FiveInts& ranks)
{
    const FiveInts r = sorted(ranks);
    for (std::size_t i = 0; i + 1 < r.size(); ++i)
        if (r[i] == r[i + 1] && (r[i] >= jack || r[i] == ace))
            return true;
    return false;
}

HandCode evaluateHand(const FiveInts& ranks, const FiveInts& suits)
{
    const bool flush = isFlush(suits);
    const bool straight = isStraight(ranks);
    if (flush)
        return straight ? HandCode::ScalaReale : HandCode::Colore;
    if (straight)
        return HandCode::Scala;
    const HandCode code = groupsCode(groupSizes(sorted(ranks)));
    if (code == HandCode::CoppiaVestita && !hasCourtPair(ranks))
        return HandCode::None;
    return code;
}

int handPoints(HandCode code)
{
    static constexpr std::array<int, 9> points{0, 50, 100, 200, 300, 500, 700, 1000, 2000};
    return points[static_cast<int>(code)];
}

std::string handMessage(HandCode code)
{
    if (code == HandCode::None)
        return "HAI PERSO!";
    return "Vinci " + std::to_string(handPoints(code)) + " Punti";
}
