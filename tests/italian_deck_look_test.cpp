// The two Italian decks as a player sees them: each pip card is laid out and drawn in its own
// deck's manner, not the other deck's drawing in other inks.
#include "shell/resource_catalogue.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <vector>

namespace {

// The card in grey, averaged over blocks of `block` pixels: what the eye takes in at a glance,
// the layout and the weight of line, not the inks.
std::vector<double> greyBlocks(int number, int block)
{
    const QImage card = ResourceCatalogue::bitmap(number).toImage().scaled(55, 100, Qt::IgnoreAspectRatio,
                                                                           Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_Grayscale8);
    std::vector<double> blocks;
    for (int by = 0; by + block <= card.height(); by += block)
        for (int bx = 0; bx + block <= card.width(); bx += block) {
            double sum = 0;
            for (int y = by; y < by + block; ++y)
                for (int x = bx; x < bx + block; ++x)
                    sum += qGray(card.pixel(x, y));
            blocks.push_back(sum / (block * block));
        }
    return blocks;
}

// How alike two pictures are in shape, from -1 to 1, whatever their brightness and contrast.
double likeness(const std::vector<double>& a, const std::vector<double>& b)
{
    const std::size_t n = a.size();
    double ma = 0, mb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ma += a[i];
        mb += b[i];
    }
    ma /= n;
    mb /= n;
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return ab / std::sqrt(aa * bb);
}

// The card in grey within a band of rows, for comparing one part of two figures.
std::vector<double> greyRows(int number, int top, int bottom)
{
    const QImage card = ResourceCatalogue::bitmap(number).toImage().convertToFormat(QImage::Format_Grayscale8);
    std::vector<double> pixels;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < card.width(); ++x)
            pixels.push_back(qGray(card.pixel(x, y)));
    return pixels;
}

int naples(int suit, int rank) { return 170 + 10 * suit + rank - 1; }
int piacenza(int suit, int rank) { return 216 + 10 * suit + rank - 1; }

// Likeness runs from 1 (the same picture) down; the same layouts in the other deck's inks came out
// between 0.6 and 0.91, so each card must fall below that and the decks as a whole well below it.
TEST(ItalianDeckLook, PipCardsOfTheTwoDecksDifferInCompositionNotOnlyInInk)
{
    double total = 0;
    int cards = 0;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 2; rank <= 7; ++rank) {
            const double alike = likeness(greyBlocks(naples(suit, rank), 5), greyBlocks(piacenza(suit, rank), 5));
            EXPECT_LT(alike, 0.6) << "suit " << suit << " rank " << rank;
            total += alike;
            ++cards;
        }
    EXPECT_LT(total / cards, 0.35);
}

// One face under one head-dress, recoloured per suit, came out between 0.7 and 0.93 alike, 0.85 on
// average; figures with their own head-dress, turn and gaze stay well below that.
TEST(ItalianDeckLook, NoTwoFiguresOfADeckShareAHead)
{
    for (int deck : {170, 216}) {
        double total = 0;
        int pairs = 0;
        for (int rank = 8; rank <= 10; ++rank)
            for (int a = 0; a < 4; ++a)
                for (int b = a + 1; b < 4; ++b) {
                    // The heads and head-dresses, in grey.
                    const double alike = likeness(greyRows(deck + 10 * a + rank - 1, 4, 30),
                                                  greyRows(deck + 10 * b + rank - 1, 4, 30));
                    EXPECT_LT(alike, 0.88) << deck << " rank " << rank << " suits " << a << " and " << b;
                    total += alike;
                    ++pairs;
                }
        EXPECT_LT(total / pairs, 0.7) << deck;
    }
}

} // namespace
