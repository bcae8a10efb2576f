// The picture catalogue: every number at its size, the numbering rules, the pointers' hot spots.
#include "shell/card_pictures.h"
#include "shell/picture_names.h"
#include "shell/resource_catalogue.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// The numbers of the three decks' cards are all pictures, none twice; 114 has none. Each card has
// its Italian name, which the two Italian decks share and no other card has.
TEST(Catalogue, TheThreeDecksAreNumberedWithoutGapOrOverlapAndNamedInItalian)
{
    EXPECT_EQ(frenchCardPicture(1, 1), 115);   // ace of hearts
    EXPECT_EQ(frenchCardPicture(11, 2), 138);  // jack of spades
    EXPECT_EQ(frenchCardPicture(12, 3), 152);  // queen of diamonds
    EXPECT_EQ(frenchCardPicture(13, 4), 166);  // king of clubs
    EXPECT_EQ(neapolitanCardPicture(8, 1), 187); // fante of coins
    EXPECT_EQ(piacentineCardPicture(10, 2), 245); // re of swords
    std::set<int> all;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            all.insert(frenchCardPicture(rank, suit));
    for (int suit = 0; suit <= 3; ++suit)
        for (int rank = 1; rank <= 10; ++rank) {
            all.insert(neapolitanCardPicture(rank, suit));
            all.insert(piacentineCardPicture(rank, suit));
        }
    EXPECT_EQ(all.size(), 52u + 40u + 40u);
    EXPECT_FALSE(ResourceCatalogue::hasBitmap(114));
    std::set<QString> names;
    for (int n : all) {
        EXPECT_TRUE(ResourceCatalogue::hasBitmap(n)) << n;
        names.insert(pictureName(n));
    }
    EXPECT_EQ(names.size(), 52u + 40u);
    EXPECT_EQ(pictureName(frenchCardPicture(7, 1)), QStringLiteral("Sette di cuori"));
    EXPECT_EQ(pictureName(neapolitanCardPicture(9, 2)), QStringLiteral("Cavallo di spade"));
    EXPECT_EQ(pictureName(piacentineCardPicture(10, 3)), QStringLiteral("Re di bastoni"));
    EXPECT_EQ(pictureName(pictures::piacentineBack), QStringLiteral("Carta coperta"));
    EXPECT_EQ(pictureName(pictures::emptyPlace), QStringLiteral("Posto vuoto"));
}

TEST(Catalogue, IconsAndPointers)
{
    // 900 is La Tavola Rotonda's own crown, beside the catalogue's groups.
    EXPECT_EQ(ResourceCatalogue::iconNumbers(), (std::vector<int>{1, 101, 102, 103, 104, 105, 106, 900}));
    for (int group : ResourceCatalogue::iconNumbers()) {
        const QIcon icon = ResourceCatalogue::icon(group);
        EXPECT_EQ(icon.pixmap(QSize(16, 16), 1.0).size(), QSize(16, 16)) << group;
        EXPECT_EQ(icon.pixmap(QSize(32, 32), 1.0).size(), QSize(32, 32)) << group;
    }
    for (int group : {101, 102}) {
        const QImage picture = ResourceCatalogue::cursorPicture(group).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(picture.size(), QSize(32, 32));
        // Two colours: every pixel that shows is black or white.
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QColor c = picture.pixelColor(x, y);
                if (c.alpha() > 128) {
                    EXPECT_TRUE(c.lightness() < 40 || c.lightness() > 215) << group << " at " << x << "," << y;
                }
            }
    }
    EXPECT_EQ(ResourceCatalogue::cursor(101).hotSpot(), QPoint(12, 1));
    EXPECT_EQ(ResourceCatalogue::cursor(102).hotSpot(), QPoint(15, 16));
    // The hot spot of the hand is the finger tip: a drawn pixel.
    const QImage hand = ResourceCatalogue::cursorPicture(101).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_GT(hand.pixelColor(12, 1).alpha(), 128);
}

TEST(Catalogue, PointersOnAHiDpiScreenAreDrawnTwiceAsFineNotHalfAsLarge)
{
    for (int group : {101, 102}) {
        const QPixmap fine = ResourceCatalogue::cursorPicture(group, 2.0);
        EXPECT_EQ(fine.size(), QSize(64, 64)) << group;
        EXPECT_EQ(fine.devicePixelRatio(), 2.0) << group;
        EXPECT_EQ(fine.deviceIndependentSize().toSize(), QSize(32, 32)) << group;
        const QCursor pointer = ResourceCatalogue::cursor(group, 2.0);
        EXPECT_EQ(pointer.pixmap().devicePixelRatio(), 2.0) << group;
        EXPECT_EQ(pointer.hotSpot(), ResourceCatalogue::cursorHotSpot(group)) << group;
        EXPECT_EQ(ResourceCatalogue::cursor(group, 1.0).pixmap().devicePixelRatio(), 1.0) << group;
        // The fine drawing is the same pointer: where the 1x one shows, so does the 2x one.
        const QImage coarse = ResourceCatalogue::cursorPicture(group).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage sharp = fine.toImage().convertToFormat(QImage::Format_ARGB32);
        int differing = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                int shown = 0;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        shown += sharp.pixelColor(2 * x + dx, 2 * y + dy).alpha() > 128;
                if ((coarse.pixelColor(x, y).alpha() > 128) != (shown >= 2))
                    ++differing;
            }
        EXPECT_LT(differing, 40) << group;
    }
    // The finger tip is still the hot spot at twice the size.
    const QImage hand = ResourceCatalogue::cursorPicture(101, 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_GT(hand.pixelColor(24, 2).alpha(), 128);
    EXPECT_EQ(hand.pixelColor(24, 0).alpha(), 0);
}

TEST(Catalogue, AnUnknownNumberIsVisiblyWrongNotACrash)
{
    const QImage wrong = ResourceCatalogue::bitmap(114).toImage();
    EXPECT_EQ(wrong.pixelColor(0, 0), QColor(Qt::magenta));
}

} // namespace
