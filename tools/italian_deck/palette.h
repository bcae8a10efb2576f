// The two Italian decks, their suits and the colours each deck is printed in.
#pragma once

#include <string>

namespace italian_deck {

enum class Deck { Napoletane, Piacentine };
enum class Suit { Coppe = 0, Denari = 1, Spade = 2, Bastoni = 3 };

struct Palette {
    Deck deck;
    std::string paper;
    std::string ink;
    std::string red;
    std::string darkRed;
    std::string blue;
    std::string darkBlue;
    std::string yellow;
    std::string darkYellow;
    std::string green;
    std::string darkGreen;
    std::string flesh;
    std::string hair;
    std::string steel;
    std::string wood;
    std::string darkWood;
    std::string white;
    double line; // outline width, in card pixels
};

const Palette& palette(Deck deck);

} // namespace italian_deck
