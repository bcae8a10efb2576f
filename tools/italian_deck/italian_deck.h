// The Italian decks and the round-table pictures as numbered SVG drawings.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace italian_deck {

struct Picture {
    int number;
    int width;
    int height;
    std::string svg;
};

// Every picture number this generator draws, in ascending order.
std::vector<int> pictureNumbers();

// Draws one picture; throws std::out_of_range for a number it does not draw.
Picture drawPicture(int number);

// Writes NNN.svg for every picture into `directory`, creating it if needed.
void writePictures(const std::filesystem::path& directory);

} // namespace italian_deck
