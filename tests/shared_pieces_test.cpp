// The shared pieces: number formats and their readers, the record slot, and the listing builder.
#include "games/fisarmonica/fisarmonica_rules.h"
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

// Each shape the games show, and that every text written reads back as its number; texts that hold
// no number are refused, and a run of digits longer than any game writes does not overflow.
TEST(TextFormats, WriteEveryShapeTheGamesShowAndReadBackOnlyWhatTheyWrite)
{
    const std::pair<std::string, std::string> shapes[] = {
        {text::twoDigits(5), "05"},          {text::zeroPadded(50, 6), "000050"}, {text::zeroPadded(1234567, 6), "1234567"},
        {text::rightAligned(7, 2), " 7"},    {text::signedNumber(5, 3), "+005"},  {text::signedNumber(-12, 3), "-012"},
        {text::signedNumber(0, 3), " 000"},  {text::clock(185), "03:05"},         {text::clock(3599), "59:59"},
    };
    for (const auto& [written, expected] : shapes)
        EXPECT_EQ(written, expected);
    for (long long n = -999; n <= 999; ++n) {
        EXPECT_EQ(text::readSignedNumber(text::signedNumber(n, 3)), n) << n;
        if (n >= 0) {
            EXPECT_EQ(text::readNumber(text::zeroPadded(n, 6)), n) << n;
        }
    }
    for (long long s = 0; s < 100 * 60; ++s)
        ASSERT_EQ(text::readClock(text::clock(s)), s) << s;
    for (const char* none : {"", "  ", "x7"})
        EXPECT_EQ(text::readNumber(none), std::nullopt) << none;
    EXPECT_EQ(text::readNumber(" 7x"), 7);
    EXPECT_EQ(text::readSignedNumber("+"), std::nullopt);
    for (const char* none : {"05:60", "5:00", "05:00 ", "0a:00"})
        EXPECT_EQ(text::readClock(none), std::nullopt) << none;
    EXPECT_TRUE(text::readNumber(std::string(400, '9')).has_value());
}

namespace {
constexpr Rgb yellow{255, 255, 0};
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
                                FisarmonicaRules::recordRules()); // the fewest piles win
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
// with where and why, and the line keeps the record the file still holds. The name box takes eight
// characters in upper case and one Enter; at the next record its last name is selected, so typing
// replaces it and Enter alone keeps it.
TEST(RecordPanelLine, ARecordIsShownWrittenOrToldLost)
{
    TempWorkingDir dir;
    std::vector<QString> told;
    setMessageReader([&](const QString& title, const QString& text) { told.push_back(title + "|" + text); });
    RecordWindow window;
    window.show();
    EXPECT_EQ(window.spokenLine(), "Record: 12 Mazzetti - CPU");
    auto* box = window.findChild<TextBox*>(QStringLiteral("rci"));
    const auto enter = [&](const char* typed) {
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
    };

    window.panel->offer(7);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(window.findChild<Label*>(QStringLiteral("record3"))->isVisible());
    failRecordWritesAfter(3, ENOSPC);
    enter("anna");
    failRecordWritesAfter(-1, 0);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].startsWith("Record non salvato|")) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains(dir.filePath("rcfis.dat"))) << told[0].toStdString();
    EXPECT_TRUE(told[0].contains("disco pieno")) << told[0].toStdString();
    EXPECT_EQ(dir.bytes("rcfis.dat"), "");
    EXPECT_EQ(window.spokenLine(), "Record: 12 Mazzetti - CPU");

    window.panel->withdraw();
    EXPECT_FALSE(box->isVisible());
    window.panel->offer(7);
    enter("");
    EXPECT_EQ(told.size(), 1u);
    EXPECT_EQ(dir.bytes("rcfis.dat"), TempWorkingDir::scrambled("ANNA     7", 0x5C));
    EXPECT_EQ(window.spokenLine(), "Record: 7 Mazzetti - ANNA");
    enter("x"); // one name a record
    EXPECT_EQ(dir.bytes("rcfis.dat"), TempWorkingDir::scrambled("ANNA     7", 0x5C));

    window.panel->offer(3);
    enter("mariagraziella");
    EXPECT_EQ(dir.bytes("rcfis.dat"), TempWorkingDir::scrambled("MARIAGRA 3", 0x5C));
    EXPECT_EQ(window.spokenLine(), "Record: 3 Mazzetti - MARIAGRA");
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
