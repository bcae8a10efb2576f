// The Italian decks and the round-table pictures as numbered SVG drawings.
#include "italian_deck.h"

#include "card_faces.h"
#include "round_table_pictures.h"

#include <fstream>
#include <stdexcept>

namespace italian_deck {

namespace {

constexpr int naplesFirst = 170;
constexpr int naplesBack = 210;
constexpr int piacenzaFirst = 216;
constexpr int piacenzaBack = 256;

// A card drawn at its deck's size and stretched to the catalogue's size.
Picture card(int number, Deck deck, int width, int height, bool back, Suit suit, int rank)
{
    Canvas canvas(width, height);
    CardSize s = cardSize(deck);
    {
        Group g(canvas, scale(width / s.width, height / s.height));
        if (back)
            paintBack(canvas, deck);
        else
            paintFace(canvas, deck, suit, rank);
    }
    return {number, width, height, canvas.svg()};
}

} // namespace

std::vector<int> pictureNumbers()
{
    std::vector<int> numbers;
    for (int n = naplesFirst; n <= piacenzaBack; ++n)
        numbers.push_back(n);
    return numbers;
}

Picture drawPicture(int number)
{
    if (number >= naplesFirst && number < naplesBack) {
        int i = number - naplesFirst;
        // The three of cups is catalogued larger than the other faces.
        int w = number == 172 ? 77 : 55;
        int h = number == 172 ? 139 : 101;
        return card(number, Deck::Napoletane, w, h, false, Suit(i / 10), i % 10 + 1);
    }
    if (number == naplesBack)
        return card(number, Deck::Napoletane, 55, 101, true, Suit::Coppe, 0);
    if (number > naplesBack && number < piacenzaFirst) {
        // Composed for the tall board they lie under and stretched to their size.
        int w = number == 212 ? 177 : 250;
        int h = number == 212 ? 188 : 250;
        Canvas canvas(w, h);
        {
            Group g(canvas, scale(w / pictureSheetWidth, h / pictureSheetHeight));
            paintRoundTablePicture(canvas, number - naplesBack - 1);
        }
        return {number, w, h, canvas.svg()};
    }
    if (number >= piacenzaFirst && number < piacenzaBack) {
        int i = number - piacenzaFirst;
        return card(number, Deck::Piacentine, 55, 102, false, Suit(i / 10), i % 10 + 1);
    }
    if (number == piacenzaBack)
        return card(number, Deck::Piacentine, 55, 102, true, Suit::Coppe, 0);
    throw std::out_of_range("no picture " + std::to_string(number));
}

void writePictures(const std::filesystem::path& directory)
{
    std::filesystem::create_directories(directory);
    for (int n : pictureNumbers()) {
        Picture pic = drawPicture(n);
        std::ofstream out(directory / (std::to_string(n) + ".svg"), std::ios::binary);
        out << pic.svg;
        if (!out)
            throw std::runtime_error("cannot write picture " + std::to_string(n));
    }
}

} // namespace italian_deck
