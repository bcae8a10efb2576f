// Photographs a window of the program on the offscreen platform, after clicking named controls:
//   window_shot OUT.png menu|GAME [--scale 2] [--zoom PERCENT] [--seed N] [--grab-at S] [--yes] [CONTROL[*TIMES] ...]
// e.g. window_shot fis.png Fisa 'MazzoI*12' 'carteF(3)'
// A CONTROL may also name a menu entry ('Nuova'), which is then chosen. --seed N deals every game
// from N. --grab-at S photographs the window S seconds (on the tool's clock) after the last click
// began, while that click may still be holding a banner, instead of after it. --yes answers every
// question Yes (Nuova mid-game, "Abbandona Buca"). --zoom 200 shows the window's table at 200%, as
// Ctrl++ does. No remembered window size is read or written.
#include "app/game_list.h"
#include "shell/controls/fonts.h"
#include "shell/dialogs.h"
#include "shell/game_window.h"
#include "shell/menu_window.h"
#include "shell/random.h"
#include "shell/shell.h"
#include "shell/window_memory.h"
#include "shell/window_scale.h"
#include "tests/support/fake_clock.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>
#include <cstdint>
#include <cstdio>
#include <optional>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_shot OUT.png menu|GAME [--scale 2] [--zoom PERCENT] [--seed N] [--grab-at S] [--yes] [CONTROL[*TIMES] ...]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList steps;
    std::optional<std::uint64_t> seed;
    double grabAt = -1;
    bool answerYes = false;
    double zoom = 1.0;
    for (int i = 3; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--scale") && i + 1 < argc)
            qputenv("QT_SCALE_FACTOR", argv[++i]);
        else if (arg == QLatin1String("--seed") && i + 1 < argc)
            seed = QString::fromLocal8Bit(argv[++i]).toULongLong();
        else if (arg == QLatin1String("--grab-at") && i + 1 < argc)
            grabAt = QString::fromLocal8Bit(argv[++i]).toDouble();
        else if (arg == QLatin1String("--zoom") && i + 1 < argc)
            zoom = QString::fromLocal8Bit(argv[++i]).toDouble() / 100.0;
        else if (arg == QLatin1String("--yes"))
            answerYes = true;
        else
            steps << arg;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    loadBundledFonts();
    windowMemory::useFile(QString());
    if (answerYes)
        setQuestionAnswerer([](const QString&, const QString&) { return true; });
    FakeClock clock;
    clock.setAutoAdvance(true);

    Shell& shell = Shell::instance();
    shell.setGames(toatoaGames());
    if (seed)
        dealFromSeed(*seed);
    shell.setProgramEnd([] {});
    QWidget* window = shell.showMenu();
    const QString game = QString::fromLocal8Bit(argv[2]);
    if (game != QLatin1String("menu")) {
        window = shell.openGame(game);
        if (!window) {
            std::fprintf(stderr, "window_shot: no game %s\n", argv[2]);
            return 1;
        }
    }
    if (zoom != 1.0)
        WindowScale::of(window)->zoomTo(zoom);
    QApplication::processEvents();
    QApplication::processEvents(); // what waits for the window's first paint starts on the turn after it
    QPixmap grabbed;
    for (int s = 0; s < steps.size(); ++s) {
        const QString& step = steps[s];
        const QString name = step.section(QLatin1Char('*'), 0, 0);
        const int times = step.contains(QLatin1Char('*')) ? step.section(QLatin1Char('*'), 1).toInt() : 1;
        for (int i = 0; i < times; ++i) {
            if (grabAt >= 0 && s + 1 == steps.size() && i + 1 == times) {
                // Only a clock moved past this moment takes the picture, not the wake itself: the
                // waits started by the click move the clock on.
                clock.setAutoAdvance(false);
                clock.wakeAt(clock.now() + grabAt, window, [&grabbed, window] { grabbed = window->grab(); });
                clock.setAutoAdvance(true);
            }
            auto* target = window->findChild<QWidget*>(name);
            auto* entry = target ? nullptr : window->findChild<QAction*>(name);
            if (entry) {
                entry->trigger();
                QApplication::processEvents();
                continue;
            }
            if (!target || !target->isVisible()) {
                std::fprintf(stderr, "window_shot: no visible control %s\n", qPrintable(name));
                return 1;
            }
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
            QApplication::processEvents();
        }
    }
    QApplication::processEvents();
    if (grabbed.isNull())
        grabbed = window->grab();
    if (!grabbed.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "window_shot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
