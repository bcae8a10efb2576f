// The Italian deck generator: every picture at its catalogue size, well formed, and no two faces alike.
#include "tools/italian_deck/italian_deck.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace {

using italian_deck::drawPicture;
using italian_deck::pictureNumbers;

std::pair<int, int> expectedSize(int number)
{
    if (number == 172)
        return {77, 139};
    if (number == 212)
        return {177, 188};
    if (number >= 211 && number <= 215)
        return {250, 250};
    return {55, number <= 210 ? 101 : 102};
}

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

TEST(ItalianDeck, DrawsEveryNumberFrom170To256)
{
    std::vector<int> expected;
    for (int n = 170; n <= 256; ++n)
        expected.push_back(n);
    EXPECT_EQ(pictureNumbers(), expected);
    EXPECT_THROW(drawPicture(169), std::out_of_range);
    EXPECT_THROW(drawPicture(257), std::out_of_range);
}

TEST(ItalianDeck, EachPictureHasItsCatalogueSizeAndIsWellFormed)
{
    for (int n : pictureNumbers()) {
        SCOPED_TRACE(n);
        auto [w, h] = expectedSize(n);
        auto pic = drawPicture(n);
        EXPECT_EQ(pic.number, n);
        EXPECT_EQ(pic.width, w);
        EXPECT_EQ(pic.height, h);
        EXPECT_EQ(attribute(pic.svg, "width"), std::to_string(w));
        EXPECT_EQ(attribute(pic.svg, "height"), std::to_string(h));
        EXPECT_EQ(attribute(pic.svg, "viewBox"), "0 0 " + std::to_string(w) + " " + std::to_string(h));
        EXPECT_EQ(count(pic.svg, "<g"), count(pic.svg, "</g>"));
        EXPECT_EQ(count(pic.svg, "<svg"), 1);
        EXPECT_NE(pic.svg.find("</svg>"), std::string::npos);
        EXPECT_EQ(pic.svg.find("nan"), std::string::npos) << "a coordinate went wrong";
        EXPECT_EQ(pic.svg.find("<image"), std::string::npos) << "pictures are drawn, not embedded";
    }
}

TEST(ItalianDeck, NoTwoFacesOrPicturesAreAlike)
{
    std::map<std::string, int> seen;
    for (int n : pictureNumbers()) {
        auto [it, fresh] = seen.emplace(drawPicture(n).svg, n);
        EXPECT_TRUE(fresh) << n << " repeats " << it->second;
    }
}

TEST(ItalianDeck, DrawingTheSamePictureTwiceGivesTheSameFile)
{
    EXPECT_EQ(drawPicture(187).svg, drawPicture(187).svg);
    EXPECT_EQ(drawPicture(211).svg, drawPicture(211).svg);
}

TEST(ItalianDeck, WritesOneFilePerPicture)
{
    // A name of its own, so parallel runs of the suite do not share the folder.
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto dir = std::filesystem::temp_directory_path() / ("italian_deck_test_" + std::to_string(stamp));
    std::filesystem::remove_all(dir);
    italian_deck::writePictures(dir / "out");
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "out"))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files.size(), pictureNumbers().size());
    for (int n : {170, 172, 210, 211, 212, 215, 216, 245, 256}) {
        std::ifstream in(dir / "out" / (std::to_string(n) + ".svg"), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        EXPECT_EQ(text.str(), drawPicture(n).svg) << n;
    }
    std::filesystem::remove_all(dir);
}

} // namespace
