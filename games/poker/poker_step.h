// One thing the Poker window shows, in the order the rules hand them over; the window performs them one by one.
#pragma once

#include <string>
#include <utility>

struct PokerStep {
    enum class Kind {
        Card,          // CarteP(index) shows `picture`, is repainted, then the window holds `hold` seconds
        HideControls,  // the discard markers and "Gioca" go away while the hand is valued
        Highlight,     // maspo(index) lights the paid row of the pay table
        Banner,        // the message panel shows `text` as a `message`, held `hold` seconds without input, then hidden
        Credits,       // `crd` shows `text`
        Score,         // `xxx` shows `text`
        Ripulisci,     // the table is reset for a new hand: "Gioca" back, marks, highlights, panel and new-record group hidden
        NewRecord,     // the new-record group appears and waits for a name
        CardsDisabled, // the game is over: "Scarta" captions hidden, the cards no longer take clicks
    };
    // What a message tells the player; the window gives each its own look.
    enum class Message { Win, Loss, GameOver, Bonus };

    Kind kind = Kind::Card;
    int index = -1;
    int picture = 0;
    double hold = 0.0;
    std::string text;
    Message message = Message::Win;

    static PokerStep card(int position, int picture, double hold = 0.0);
    static PokerStep banner(std::string text, Message message);
    static PokerStep caption(Kind kind, std::string text);
    static PokerStep highlight(int index);
    static PokerStep plain(Kind kind);
};

// Every message banner stays up this long.
inline constexpr double bannerHoldSeconds = 3.0;
// The backs of a draw appear one after the other, this far apart.
inline constexpr double backHoldSeconds = 0.02;

inline PokerStep PokerStep::card(int position, int picture, double hold)
{
    PokerStep step;
    step.index = position;
    step.picture = picture;
    step.hold = hold;
    return step;
}

inline PokerStep PokerStep::banner(std::string text, Message message)
{
    PokerStep step = plain(Kind::Banner);
    step.text = std::move(text);
    step.message = message;
    step.hold = bannerHoldSeconds;
    return step;
}

inline PokerStep PokerStep::caption(Kind kind, std::string text)
{
    PokerStep step = plain(kind);
    step.text = std::move(text);
    return step;
}

inline PokerStep PokerStep::highlight(int index)
{
    PokerStep step = plain(Kind::Highlight);
    step.index = index;
    return step;
}

inline PokerStep PokerStep::plain(Kind kind)
{
    PokerStep step;
    step.kind = kind;
    return step;
}
