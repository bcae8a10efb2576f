// The Italian deck generator: every picture at its catalogue size, well formed, and no two faces alike.
#include "tools/italian_deck/italian_deck.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using italian_deck::drawPicture;
using italian_deck::pictureNumbers;

std::string attribute(const std::string& svg, const std::string& name)
{
    const std::string open = "<svg ";
    auto tag = svg.find(open);
    auto key = svg.find(" " + name + "=\"", tag);
    if (tag == std::string::npos || key == std::string::npos)
        return {};
    auto start = key + name.size() + 3;
    return svg.substr(start, svg.find('"', start) - start);
}

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// Every number the Italian decks take is drawn, at the size it declares, as a well-formed drawing of
// its own: no two faces alike, and the same drawing each time (the build renders it again at will).
TEST(ItalianDeck, EveryPictureIsAWellFormedDrawingOfItsOwn)
{
    EXPECT_EQ(pictureNumbers().front(), 170);
    EXPECT_EQ(pictureNumbers().back(), 256);
    EXPECT_THROW(drawPicture(257), std::out_of_range);
    std::map<std::string, int> seen;
    for (int n : pictureNumbers()) {
        SCOPED_TRACE(n);
        const auto pic = drawPicture(n);
        const std::string w = std::to_string(pic.width), h = std::to_string(pic.height);
        EXPECT_EQ(attribute(pic.svg, "viewBox"), "0 0 " + w + " " + h);
        EXPECT_EQ(attribute(pic.svg, "width"), w);
        EXPECT_EQ(count(pic.svg, "<g"), count(pic.svg, "</g>"));
        EXPECT_EQ(pic.svg.find("nan"), std::string::npos) << "a coordinate went wrong";
        EXPECT_EQ(pic.svg.find("<image"), std::string::npos) << "pictures are drawn, not embedded";
        auto [it, fresh] = seen.emplace(pic.svg, n);
        EXPECT_TRUE(fresh) << n << " repeats " << it->second;
    }
    EXPECT_EQ(drawPicture(187).svg, drawPicture(187).svg);
}

} // namespace
