// What the court figures share: who they are, how they are dressed, and the head and horse
// drawn for each, all in head units (face centre at the origin, the face ten units tall).
#pragma once

#include "palette.h"
#include "shapes.h"

#include <string>

namespace italian_deck {

enum class Role { Fante, Cavallo, Re };

struct Costume {
    std::string main;
    std::string second;
    std::string trim;
    std::string horse;
    std::string mane;
    bool whiteHorse = false;
    // How much wider than the head the body is cut: Naples gives its
    // full-length figures a broader, stockier build to fill the card.
    double broad = 1.0;
};

// The head of a figure with the head-dress its suit and rank wear; `gaze` turns the
// eyes and nose to one side (-1 left, 0 ahead, 1 right).
void drawHead(Canvas& c, const Palette& q, Role role, Suit suit, const Costume& dress, int gaze);

// A horse walking to the left, one foreleg raised, under a caparison.
void drawHorse(Canvas& c, const Palette& q, const Costume& dress);

} // namespace italian_deck
