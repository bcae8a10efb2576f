// Photographs a window of the program on the offscreen platform, after clicking named controls:
//   window_shot OUT.png menu|GAME [--scale 2] [--seed N] [CONTROL[*TIMES] ...]
// e.g. window_shot fis.png Fisa 'MazzoI*12' 'carteF(3)'
// A CONTROL that names no control of the window but one of its menu items chooses that item
// (window_shot nap.png Napo --seed 3 np Napo). --seed fixes the deals, so two shots can show the same table.
#include "app/game_list.h"
#include "shell/controls/fonts.h"
#include "shell/game_window.h"
#include "shell/menu_window.h"
#include "shell/random.h"
#include "shell/shell.h"
#include "tests/support/fake_clock.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_shot OUT.png menu|GAME [--scale 2] [CONTROL[*TIMES] ...]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList steps;
    for (int i = 3; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--scale") && i + 1 < argc)
            qputenv("QT_SCALE_FACTOR", argv[++i]);
        else if (arg == QLatin1String("--seed") && i + 1 < argc)
            fixClockSeed(QByteArray(argv[++i]).toULongLong());
        else
            steps << arg;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    loadBundledFonts();
    FakeClock clock;
    clock.setAutoAdvance(true);

    Shell& shell = Shell::instance();
    shell.setGames(toatoaGames());
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
    QApplication::processEvents();
    for (const QString& step : steps) {
        const QString name = step.section(QLatin1Char('*'), 0, 0);
        const int times = step.contains(QLatin1Char('*')) ? step.section(QLatin1Char('*'), 1).toInt() : 1;
        for (int i = 0; i < times; ++i) {
            auto* target = window->findChild<QWidget*>(name);
            auto* item = target ? nullptr : window->findChild<QAction*>(name);
            if (item && item->isEnabled()) {
                item->trigger();
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
    if (!window->grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "window_shot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
