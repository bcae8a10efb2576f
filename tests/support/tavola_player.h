// A patient round-table player for tests: what it would click next, so a seeded game can be played to its end.
#pragma once

#include "games/tavola/tavola_rules.h"

#include <array>

// The next click: the hand card (cell -1) or a board cell.
struct TavolaClick {
    int cell = -1;
    bool isHand() const { return cell < 0; }
};

inline constexpr std::array<int, 4> tavolaInnerCells{5, 6, 9, 10};

inline int tavolaIsCourtPlace(int cell)
{
    return cell != 5 && cell != 6 && cell != 9 && cell != 10 ? 1 : 0;
}

// Court cards of `rank` not yet on the board, minus the hand card if it is one of them.
inline int tavolaCourtsToCome(const TavolaRules& rules, int rank)
{
    int onBoard = 0;
    for (int c : TavolaRules::places(rank))
        onBoard += rules.cell(c).rank == rank ? 1 : 0;
    return 4 - onBoard;
}

// Free places of `rank` beyond those its courts still to come will need.
inline int tavolaSlack(const TavolaRules& rules, int rank)
{
    int free = 0;
    for (int c : TavolaRules::places(rank))
        free += rules.cell(c).isEmpty() ? 1 : 0;
    return free - tavolaCourtsToCome(rules, rank);
}

// The click a careful player makes now; nothing useful when the game is over.
inline TavolaClick tavolaNextClick(const TavolaRules& rules)
{
    if (rules.isClearing()) {
        for (int i = 0; i < TavolaRules::cells; ++i)
            if (rules.cellValue(i) == 10)
                return {i};
        // Finish a pair already begun, else begin the pair that frees the most court places.
        const auto& chosen = rules.selection();
        int best = -1;
        int bestScore = -1;
        for (int i = 0; i < TavolaRules::cells; ++i)
            for (int j = 0; j < TavolaRules::cells; ++j) {
                if (i == j || rules.cellValue(i) + rules.cellValue(j) != 10 || rules.cellValue(i) == 0)
                    continue;
                if (!chosen.empty() && chosen[0] == i)
                    return {j};
                const int score = tavolaIsCourtPlace(i) + tavolaIsCourtPlace(j);
                if (score > bestScore) {
                    bestScore = score;
                    best = i;
                }
            }
        if (!chosen.empty())
            return {chosen[0]}; // no partner: let it go
        return {best};
    }
    if (!rules.handPickedUp())
        return {};
    const Card& hand = rules.hand();
    if (TavolaRules::isCourt(hand)) {
        for (int c : TavolaRules::places(hand.rank))
            if (rules.cell(c).isEmpty())
                return {c};
        return {};
    }
    for (int c : tavolaInnerCells)
        if (rules.cell(c).isEmpty())
            return {c};
    int best = -1;
    int bestSlack = -100;
    for (int rank = 11; rank <= 13; ++rank) {
        const int slack = tavolaSlack(rules, rank);
        for (int c : TavolaRules::places(rank))
            if (rules.cell(c).isEmpty() && slack > bestSlack) {
                bestSlack = slack;
                best = c;
            }
    }
    return {best};
}

// Plays the rules' game to its end the careful way; true when it is won.
inline bool tavolaPlayOut(TavolaRules& rules)
{
    for (int step = 0; step < 2000 && rules.isPlaying(); ++step) {
        const TavolaClick next = tavolaNextClick(rules);
        if (next.isHand())
            rules.pickUp();
        else
            rules.playCell(next.cell);
    }
    return rules.state() == TavolaRules::State::Won;
}
