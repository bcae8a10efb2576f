// The deck check every game's invariant shares.
#include "shell/cards.h"

#include <vector>

namespace cards {

bool eachCardOnce(std::span<const Card> cards, int ranks, int suits)
{
    if (ranks < 1 || suits < 1)
        return false;
    std::vector<bool> seen(static_cast<std::size_t>(ranks * suits), false);
    int count = 0;
    for (const Card& card : cards) {
        if (card.isEmpty())
            continue;
        if (card.rank < 1 || card.rank > ranks || card.suit < 1 || card.suit > suits)
            return false;
        const auto n = static_cast<std::size_t>((card.suit - 1) * ranks + card.rank - 1);
        if (seen[n])
            return false;
        seen[n] = true;
        ++count;
    }
    return count == ranks * suits;
}

} // namespace cards
