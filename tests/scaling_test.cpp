// The table grows with its window: cards drawn for their size, the zoom keys, and the remembered size.
#include "games/fisarmonica/fisarmonica_window.h"
#include "shell/window_memory.h"
#include "shell/window_scale.h"
#include "tests/support/dice.h"
#include "tests/support/window_driver.h"

#include <QMainWindow>
#include <QTemporaryDir>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// No test of the suite reads or writes the player's own settings: they all keep them here.
const QTemporaryDir settingsDir;
[[maybe_unused]] const bool settingsKeptAside = (windowMemory::useFile(settingsDir.filePath(QStringLiteral("toatoa-games.conf"))), true);

fs::path settingsFile() { return windowMemory::file().toStdString(); }

// How far a picture on the screen is from `art`: the share of the art's opaque pixels that plainly
// differ, as the blurred edges of an enlarged picture do from sharp ones.
double distance(const QImage& shown, const QImage& art)
{
    const QImage x = shown.convertToFormat(QImage::Format_ARGB32), y = art.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size())
        return 1;
    int differing = 0, opaque = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QColor p = x.pixelColor(col, row), q = y.pixelColor(col, row);
            if (q.alpha() < 255)
                continue;
            ++opaque;
            differing += std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()), std::abs(p.blue() - q.blue())}) > 40;
        }
    return double(differing) / std::max(1, opaque);
}

class Scaling : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(settingsFile());
        window = new FisarmonicaWindow(std::make_unique<SeededRandom>(42));
        window->show();
        QApplication::setActiveWindow(window);
        QApplication::processEvents();
    }
    void TearDown() override
    {
        closeAllWindows();
        fs::remove_all(settingsFile());
    }
    double scale() const { return WindowScale::of(window)->scale(); }
    TempWorkingDir dir;
    FisarmonicaWindow* window = nullptr;
};

TEST_F(Scaling, TwiceTheSizeDrawsTheCardsTwiceAsLargeFromAFinerRenderingNotAnEnlargement)
{
    click(window, "MazzoI");
    auto* card = control<PictureBox>(window, "carteF(0)");
    const QSize atFull = card->size();
    const QRect heard = QAccessible::queryAccessibleInterface(card)->rect();
    WindowScale::of(window)->zoomTo(2.0);
    QApplication::processEvents();
    ASSERT_EQ(card->size(), atFull * 2);
    // A screen reader finds the card where it now lies.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(card)->rect().size(), heard.size() * 2);
    // The keyboard's frame goes round the card at its new size, as wide again.
    keyAtFocus(window, Qt::Key_Tab);
    ASSERT_TRUE(tabTo(window, card));
    const QWidget* frame = control(window, "cornice");
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->geometry(), card->geometry().adjusted(-6, -6, 6, 6));

    const QImage shown = card->grab().toImage();
    const auto art = [&](const char* times) {
        return QImage(QStringLiteral(":/pictures/b%1%2.png").arg(card->picture()).arg(QLatin1String(times)))
            .scaled(card->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const double fromFine = distance(shown, art("@2x")), fromCoarse = distance(shown, art(""));
    EXPECT_LT(fromFine, 0.002);
    EXPECT_GT(fromCoarse, 0.01) << "the card is the small picture enlarged";
}

TEST_F(Scaling, ZoomKeysStepThroughTheScalesStopAtTheEndsAndLeaveTheNameBoxItsKeys)
{
    const auto press = [&](Qt::Key key) { keyAtFocus(window, key, Qt::ControlModifier); QApplication::processEvents(); };
    press(Qt::Key_Minus);
    EXPECT_EQ(scale(), 1.0);
    for (double expected : {1.25, 1.5, 1.75, 2.0, 2.0}) {
        press(expected == 1.25 ? Qt::Key_Equal : Qt::Key_Plus);
        EXPECT_EQ(scale(), expected);
    }
    press(Qt::Key_Minus);
    EXPECT_EQ(scale(), 1.75);
    press(Qt::Key_0);
    EXPECT_EQ(scale(), 1.0);

    auto* name = control<QLineEdit>(window, "rci");
    name->show();
    name->setFocus();
    for (Qt::Key key : {Qt::Key_Plus, Qt::Key_Equal, Qt::Key_Minus})
        press(key);
    EXPECT_EQ(scale(), 1.0);
}

TEST_F(Scaling, TheLastSizeComesBackInTheNextWindow)
{
    WindowScale::of(window)->zoomTo(1.25);
    const QSize left = window->size();
    closeAllWindows();
    window = new FisarmonicaWindow(std::make_unique<SeededRandom>(42));
    EXPECT_EQ(scale(), 1.25);
    EXPECT_EQ(window->size(), left);
}

// A bare window of the accordion's name and size, opened over whatever lies in the settings' place
// (and, given a scale, left at it).
double openedScale(double leftAt = 0)
{
    QMainWindow window;
    window.setObjectName(QStringLiteral("Fisarmonica"));
    window.setCentralWidget(new QWidget);
    auto* scale = new WindowScale(&window, window.centralWidget(), QSize(504, 400));
    scale->fit();
    const double opened = scale->scale();
    if (leftAt > 0) {
        window.show();
        scale->zoomTo(leftAt);
        QApplication::processEvents();
        window.hide();
    }
    return opened;
}

TEST(RememberedSize, AHostileSettingsFileGivesTheTableAt100)
{
    const std::string good = "[Fisarmonica]\nsize=@Size(630 500)\n";
    const fs::path aside = settingsFile().string() + ".elsewhere";
    const auto fresh = [&] { fs::remove_all(settingsFile()); fs::remove_all(aside); };
    fresh();
    putBytes(settingsFile(), good);
    ASSERT_EQ(openedScale(), 1.25);
    for (const std::string& text : {std::string("[Fisarmonica]\nsize=@Size(-630 -500)\n"), std::string("[Fisarmonica]\nsize=@Size(63000000 50000000)\n"),
                                    std::string("[Fisarmonica]\nsize=@Size(10 10)\n"), std::string("[Fisarmonica]\nsize=630\n"),
                                    std::string("[Fisarmonica]\nsize=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\xff)\n"), good + std::string(1 << 20, 'x')}) {
        fresh();
        putBytes(settingsFile(), text);
        EXPECT_EQ(openedScale(), 1.0) << text.substr(0, 60);
    }
    fresh();
    putBytes(aside, good);
    fs::create_symlink(aside, settingsFile());
    EXPECT_EQ(openedScale(1.5), 1.0) << "read through a link";
    EXPECT_EQ(bytesOf(aside), good) << "written through a link";
    fresh();
    fs::create_directory(settingsFile());
    EXPECT_EQ(openedScale(), 1.0) << "a directory";

    // Random bytes, a good file mutated, cut short or followed by bytes: any size read is one the table can take.
    Dice dice(fromEnvironment("TOATOA_SEED", 26));
    for (int i = 0; i < 300; ++i) {
        std::string text = good;
        if (i % 3 == 0)
            for (char& c : text = std::string(static_cast<std::size_t>(dice.below(80)), '\0'))
                c = static_cast<char>(dice.below(256));
        else if (i % 3 == 1)
            text[static_cast<std::size_t>(dice.below(static_cast<int>(text.size())))] = static_cast<char>(dice.below(256));
        else
            text = text.substr(0, static_cast<std::size_t>(dice.below(static_cast<int>(text.size())))) + char(dice.below(256));
        fresh();
        putBytes(settingsFile(), text);
        const double opened = openedScale();
        EXPECT_TRUE(opened >= 1.0 && opened <= WindowScale::largest) << i << ": " << opened;
    }
    fresh();
}

} // namespace
