// What the golf table shows at one moment, and the steps of a move: each a picture of the table held for a while.
#pragma once

#include "shell/controls/rgb.h"

#include <array>
#include <string>
#include <vector>

struct GolfBanner {
    std::string text; // UTF-8
    Rgb face{};
    Rgb ink{};
    bool shown = false;
};

// Whether the player can take a card or pile now, as the pointer over it tells: a hand, or no entry.
enum class GolfReach { None, Playable, Blocked };

struct GolfView {
    static constexpr int cells = 35;
    static constexpr int piles = 11;
    static constexpr int holes = 9;
    static constexpr int penaltyMarkers = 4;

    std::array<int, cells> card{};        // catalogue picture of CarteG(k); 0 while the cell is empty (hidden)
    std::array<bool, cells> cardFrame{};  // mascher(k)
    std::array<GolfReach, cells> cardReach{}; // covered cards are blocked too
    std::array<int, piles> pile{};        // picture of tallone(i): its top card or the empty place
    std::array<bool, piles> single{};     // palla(i) and tiroX(i)
    std::array<bool, piles> pileFrame{};  // mascheraT(i)
    std::array<GolfReach, piles> pileReach{}; // None for a place with no pile yet
    bool mazzoShown = false;
    int mazzoPicture = 0;
    bool stockFrame = false;              // mascherm
    GolfReach stockReach = GolfReach::None;
    bool backShown = false;               // mazzocp
    std::string rimanenti;
    bool giocaShown = false;
    bool teminaEnabled = false;
    int penaltiesFilled = 0;              // penal(0) .. penal(n - 1) are solid
    std::array<std::string, holes> scores{}; // PuntiG(i)
    int holesOpen = 0;                    // gioco(i) and PuntiG(i) are enabled for i below this
    std::string total;                    // totaleG
    GolfBanner banner;                    // messaggiot on messaggio and its shadow
};

// One moment of a move the player must see: the table as it is then, held `hold` seconds (no input).
struct GolfStep {
    GolfView view;
    double hold = 0.0;
};

// Every announcement stays up this long.
inline constexpr double golfBannerSeconds = 3.0;
