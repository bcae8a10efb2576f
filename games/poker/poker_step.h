// One thing that happened in a hand of Poker, in the order the player sees it; the window shows them one by one.
#pragma once

#include "games/poker/poker_evaluation.h"
#include "shell/cards.h"

#include <string>
#include <utility>

struct PokerStep {
    enum class Kind {
        Card,     // the card at `position` turns: `card` face up, or its back; then `hold` seconds pass
        Valued,   // the hand is valued as `code`; its row of the pay table is the paid one
        Message,  // `text` is told as a message of its kind, for `hold` seconds
        Credits,  // the credits are now `value`
        Score,    // the score is now `value`
        NewHand,  // a new hand begins: nothing marked, no row paid, "Gioca" to be pressed
        GameOver, // the credits ran out: the cards are out of play until a new game
    };
    // What a message tells the player.
    enum class Message { Win, Loss, GameOver, Bonus };

    Kind kind = Kind::Card;
    int position = -1;
    Card card;
    bool faceUp = false;
    HandCode code = HandCode::None;
    Message message = Message::Win;
    std::string text;
    int value = 0;
    double hold = 0.0;

    static PokerStep turn(int position, const Card& card, bool faceUp, double hold = 0.0);
    static PokerStep valued(HandCode code);
    static PokerStep told(std::string text, Message message);
    static PokerStep count(Kind kind, int value);
    static PokerStep plain(Kind kind);
};

// Every message stays up this long.
inline constexpr double messageHoldSeconds = 3.0;
// The backs of a draw appear one after the other, this far apart.
inline constexpr double backHoldSeconds = 0.02;

inline PokerStep PokerStep::plain(Kind kind)
{
    PokerStep step;
    step.kind = kind;
    return step;
}

inline PokerStep PokerStep::turn(int position, const Card& card, bool faceUp, double hold)
{
    PokerStep step = plain(Kind::Card);
    step.position = position;
    step.card = card;
    step.faceUp = faceUp;
    step.hold = hold;
    return step;
}

inline PokerStep PokerStep::valued(HandCode code)
{
    PokerStep step = plain(Kind::Valued);
    step.code = code;
    return step;
}

inline PokerStep PokerStep::told(std::string text, Message message)
{
    PokerStep step = plain(Kind::Message);
    step.text = std::move(text);
    step.message = message;
    step.hold = messageHoldSeconds;
    return step;
}

inline PokerStep PokerStep::count(Kind kind, int value)
{
    PokerStep step = plain(kind);
    step.value = value;
    return step;
}
