// The shared pieces: number formats and their readers, the record slot, and the listing builder.
#include "shell/codepage.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"
#include "shell/controls/twips.h"
#include "shell/dialogs.h"
#include "shell/game_window.h"
#include "shell/record_panel.h"
#include "shell/record_slot.h"
#include "shell/resource_catalogue.h"
#include "shell/text_formats.h"
#include "tests/support/temp_working_dir.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QWidget>
#include <iconv.h>
#include <gtest/gtest.h>

TEST(TextFormats, WriteEveryShapeTheGamesShow)
{
    EXPECT_EQ(text::twoDigits(5), "05");
    EXPECT_EQ(text::twoDigits(0), "00");
    EXPECT_EQ(text::twoDigits(40), "40");
    EXPECT_EQ(text::zeroPadded(50, 6), "000050");
    EXPECT_EQ(text::zeroPadded(1234567, 6), "1234567");
    EXPECT_EQ(text::rightAligned(7, 2), " 7");
    EXPECT_EQ(text::rightAligned(12, 2), "12");
    EXPECT_EQ(text::signedNumber(5, 3), "+005");
    EXPECT_EQ(text::signedNumber(-12, 3), "-012");
    EXPECT_EQ(text::signedNumber(0, 3), " 000");
    EXPECT_EQ(text::clock(185), "03:05");
    EXPECT_EQ(text::clock(59), "00:59");
    EXPECT_EQ(text::clock(60), "01:00");
    EXPECT_EQ(text::clock(3599), "59:59");
}

TEST(TextFormats, ReadBackWhatTheyWrite)
{
    for (long long n : {0LL, 1LL, 7LL, 99LL, 999999LL}) {
        EXPECT_EQ(text::readNumber(text::rightAligned(n, 6)), n);
        EXPECT_EQ(text::readNumber(text::zeroPadded(n, 6)), n);
    }
    for (long long n = -999; n <= 999; ++n)
        EXPECT_EQ(text::readSignedNumber(text::signedNumber(n, 3)), n) << n;
    for (long long s = 0; s < 100 * 60; ++s)
        EXPECT_EQ(text::readClock(text::clock(s)), s) << s;
}

TEST(TextFormats, RefuseWhatHoldsNoNumber)
{
    EXPECT_EQ(text::readNumber(""), std::nullopt);
    EXPECT_EQ(text::readNumber("  "), std::nullopt);
    EXPECT_EQ(text::readNumber("x7"), std::nullopt);
    EXPECT_EQ(text::readNumber(" 7x"), 7);
    EXPECT_EQ(text::readSignedNumber("+"), std::nullopt);
    EXPECT_EQ(text::readSignedNumber(" -0"), 0);
    EXPECT_EQ(text::readClock("05:60"), std::nullopt);
    EXPECT_EQ(text::readClock("5:00"), std::nullopt);
    EXPECT_EQ(text::readClock("05:00 "), std::nullopt);
    EXPECT_EQ(text::readClock("0a:00"), std::nullopt);
    // A run of digits longer than any game writes does not overflow.
    EXPECT_TRUE(text::readNumber(std::string(400, '9')).has_value());
}

namespace {

RecordRules fewestWins()
{
    return {{"rctest.dat", 0x5C, 2},
            RecordRules::Better::Lower,
            12,
            "CPU",
            [](long long v) { return text::rightAligned(v, 2); },
            [](std::string_view s) -> std::optional<long long> {
                auto v = text::readNumber(s.substr(0, 2));
                return v && *v > 0 ? v : std::nullopt;
            },
            [](long long v) { return std::to_string(v); }};
}

} // namespace

TEST(RecordSlotFile, DefaultWithoutAFileThenTheWrittenRecordReadsBack)
{
    TempWorkingDir dir;
    RecordSlot slot(fewestWins());
    slot.read(dir.path().toStdString());
    EXPECT_TRUE(slot.isDefault());
    EXPECT_EQ(slot.holder(), "CPU");
    EXPECT_EQ(slot.valueCaption(), "12");
    EXPECT_FALSE(slot.isBeatenBy(12)) << "an equal result is no record";
    EXPECT_TRUE(slot.isBeatenBy(11));

    ASSERT_TRUE(slot.write(dir.path().toStdString(), "ANNA", 7));
    EXPECT_EQ(dir.bytes("rctest.dat"), TempWorkingDir::scrambled("ANNA     7", 0x5C));

    RecordSlot again(fewestWins());
    again.read(dir.path().toStdString());
    EXPECT_FALSE(again.isDefault());
    EXPECT_EQ(again.holder(), "ANNA    ");
    EXPECT_EQ(again.value(), 7);
    EXPECT_EQ(again.valueCaption(), "7");
}

TEST(RecordSlotFile, AValueThatHoldsNoRecordBringsBackTheDefaultHolder)
{
    TempWorkingDir dir;
    RecordSlot slot(fewestWins());
    ASSERT_TRUE(slot.write(dir.path().toStdString(), "ANNA", 7));
    {
        std::ofstream out(dir.filePath("rctest.dat").toStdString(), std::ios::binary);
        out << TempWorkingDir::scrambled("MARCO   x", 0x5C);
    }
    slot.read(dir.path().toStdString());
    EXPECT_TRUE(slot.isDefault());
    EXPECT_EQ(slot.holder(), "CPU");
    EXPECT_EQ(slot.value(), 12);
}

TEST(RecordSlotFile, AFailedWriteShowsWhatTheFileHolds)
{
    TempWorkingDir dir;
    RecordSlot slot(fewestWins());
    ASSERT_TRUE(slot.write(dir.path().toStdString(), "ANNA", 7));
    // A directory that is gone cannot take the record (this holds for root too).
    const std::string gone = dir.filePath("gone").toStdString();
    EXPECT_FALSE(slot.write(gone, "LUCIA", 3));
    EXPECT_EQ(slot.holder(), "CPU");
    EXPECT_EQ(slot.value(), 12);
    EXPECT_FALSE(std::filesystem::exists(gone));
}

namespace {
constexpr Rgb yellow{255, 255, 0};
constexpr ControlLine listing[] = {
    picture("carte", 240, 360, 975, 1455).array(12, 6, 1200, 1560),
    rectangle("mascher", 240, 360, 975, 1455).array(12, 6, 1200, 1560).border(yellow, 3).hidden(),
    label("Label1", 360, 4080, 0, 0, "Carte Scoperte: 00").font(14, true).fore({255, 255, 255}),
    button("term2", 360, 4815, 975, 375, "Finito"),
    textBox("rci", 3000, 2760, 1695, 285).length(8).hidden(),
};
} // namespace

TEST(Listing, BuildsEveryControlByNameAtItsPlaceInOrder)
{
    QWidget parent;
    Form form(&parent, listing);
    const auto cards = form.pictures("carte");
    ASSERT_EQ(cards.size(), 12u);
    EXPECT_EQ(cards[7]->objectName(), "carte(7)");
    EXPECT_EQ(cards[7]->geometry(), twipsRect(240 + 1200, 360 + 1560, 975, 1455));
    EXPECT_EQ(cards[5]->geometry().topLeft(), twipsRect(240 + 5 * 1200, 360, 1, 1).topLeft());
    const auto frames = form.shapes("mascher");
    EXPECT_TRUE(frames[0]->isHidden());
    EXPECT_EQ(frames[0]->borderColour(), QColor(255, 255, 0));
    // A later line lies on top: the frames over the cards.
    const auto children = parent.children();
    EXPECT_LT(children.indexOf(cards[0]), children.indexOf(frames[0]));
    EXPECT_EQ(form.label("Label1")->caption(), "Carte Scoperte: 00");
    EXPECT_TRUE(form.label("term2")->actsAsButton());
    EXPECT_FALSE(form.label("Label1")->actsAsButton());
    EXPECT_EQ(form.textBox("rci")->maxLength(), 8);
}

namespace {
constexpr ControlLine recordListing[] = {
    label("Label5", 240, 5550, 0, 0, "Record:").font(10, true),
    label("record", 1200, 5550, 0, 0).font(10, true),
    label("Label6", 1560, 5550, 0, 0, "Mazzetti - ").font(10, true),
    label("nome", 2760, 5550, 0, 0).font(10, true),
    banner("record3", "record1", "record2", 2280, 2325, 3135, 495, "Nuovo RECORD").face(yellow),
    textBox("rci", 3000, 2760, 1695, 285).hidden(),
};

class RecordWindow final : public GameWindow {
public:
    RecordWindow() : GameWindow(QStringLiteral("records"), QStringLiteral("records"), 7560, 6000, Qt::green)
    {
        const Form form(client(), recordListing);
        panel = new RecordPanel(*this, form,
                                {{"Label5", "record", "Label6", "nome"}, "record", "nome",
                                 {"record2", "record1", "record3"}, "rci"},
                                fewestWins());
        panel->read();
    }
    bool isConsistent() const override { return true; }
    QString spokenLine() const { return findChild<Label*>(QStringLiteral("record"))->accessibleName(); }
    RecordPanel* panel;

protected:
    void newGame() override {}
};
} // namespace

// A record reached and confirmed is written and shown; one that cannot be saved is told to the player,
// with where and why, and the line keeps the record the file still holds.
TEST(RecordPanelLine, ARecordIsShownWrittenOrToldLost)
{
    TempWorkingDir dir;
    std::vector<QString> told;
    setMessageReader([&](const QString& title, const QString& text) { told.push_back(title + "|" + text); });
    RecordWindow window;
    window.show();
    EXPECT_EQ(window.spokenLine(), "Record: 12 Mazzetti - CPU");
    auto* box = window.findChild<TextBox*>(QStringLiteral("rci"));

    window.panel->offer(7);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(window.findChild<Label*>(QStringLiteral("record3"))->isVisible());
    failRecordWritesAfter(3, ENOSPC);
    QTest::keyClicks(box, "anna");
    QTest::keyClick(box, Qt::Key_Return);
    failRecordWritesAfter(-1, 0);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].startsWith("Record non salvato|")) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains(dir.filePath("rctest.dat"))) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains("disco pieno")) << told[0].toStdString();
    EXPECT_EQ(dir.bytes("rctest.dat"), "");
    EXPECT_EQ(window.spokenLine(), "Record: 12 Mazzetti - CPU");

    window.panel->withdraw();
    EXPECT_FALSE(box->isVisible());
    window.panel->offer(7);
    QTest::keyClicks(box, "anna");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(told.size(), 1u);
    EXPECT_EQ(dir.bytes("rctest.dat"), TempWorkingDir::scrambled("ANNA     7", 0x5C));
    EXPECT_EQ(window.spokenLine(), "Record: 7 Mazzetti - ANNA");
    setMessageReader([](const QString&, const QString&) {});
}

// Every byte against the system's own table of the Western code page.
TEST(CodePage, AllTwoHundredFiftySixBytesAsTheSystemTableHasThem)
{
    iconv_t toUnicode = iconv_open("UTF-32LE", "WINDOWS-1252");
    ASSERT_NE(toUnicode, reinterpret_cast<iconv_t>(-1));
    for (int b = 0; b < 256; ++b) {
        char in = static_cast<char>(b);
        char32_t out = 0;
        char* inPtr = &in;
        auto* outPtr = reinterpret_cast<char*>(&out);
        std::size_t inLeft = 1, outLeft = sizeof out;
        iconv(toUnicode, nullptr, nullptr, nullptr, nullptr);
        const bool defined = iconv(toUnicode, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
        const std::string byte(1, in);
        const QString decoded = codepage::fromWestern(byte);
        ASSERT_EQ(decoded.size(), 1) << b;
        if (defined) {
            EXPECT_EQ(decoded.front().unicode(), out) << "byte " << b;
            EXPECT_TRUE(codepage::isWestern(decoded.front())) << "byte " << b;
            EXPECT_EQ(codepage::toWestern(decoded), byte) << "byte " << b;
        } else {
            EXPECT_EQ(decoded, QStringLiteral("?")) << "undefined byte " << b;
        }
    }
    iconv_close(toUnicode);
}

// Run by the suite a second time on a screen of device pixel ratio 2 (QT_SCALE_FACTOR=2).
TEST(HiDpi, PicturesAreTheirDoubleRenderingsOnADoubleScreen)
{
    if (qApp->devicePixelRatio() < 2)
        GTEST_SKIP() << "a screen of ratio 1";
    for (int n : ResourceCatalogue::bitmapNumbers()) {
        const QPixmap picture = ResourceCatalogue::bitmap(n);
        EXPECT_EQ(picture.devicePixelRatio(), 2.0) << "bitmap " << n;
        EXPECT_EQ(picture.size(), picture.deviceIndependentSize().toSize() * 2) << "bitmap " << n;
    }
}

// A key the name box would take for editing (Ctrl+Z, Ctrl+A; on X11 also Ctrl+E) still reaches the
// window's menu when it is one of the menu's shortcuts.
TEST(NameBox, LeavesTheWindowsShortcutsToTheMenu)
{
    QMainWindow window;
    auto* box = new TextBox(&window, QStringLiteral("rci"), QRect(0, 0, 1500, 285), 8);
    window.setCentralWidget(box);
    int undone = 0;
    QAction* undo = window.addAction(QStringLiteral("undo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QObject::connect(undo, &QAction::triggered, [&] { ++undone; });
    window.show();
    QApplication::setActiveWindow(&window);
    box->setFocus();
    QTest::keyClicks(box, "abc");
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undone, 1);
    EXPECT_EQ(box->text(), "abc") << "the box did not undo the typing";
    // A key that is no shortcut of the window is the box's own.
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, "x");
    EXPECT_EQ(box->text(), "x");
}
