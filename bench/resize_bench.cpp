// Resize bench: per game window, the zoom keys' steps from 100% to 200% (each scale drawn finished
// at once), then at 200% its frame made a few pixels smaller step by step, each step a size never drawn
// before; prints per window the time from the resize to the table repainted.
//   resize_bench [STEPS [WINDOW]]    (run on a display, or with QT_QPA_PLATFORM=offscreen)
#include "app/game_list.h"
#include "shell/controls/fonts.h"
#include "shell/dialogs.h"
#include "shell/game_window.h"
#include "shell/menu_window.h"
#include "shell/shell.h"
#include "shell/window_memory.h"
#include "shell/window_scale.h"
#include "tests/support/fake_clock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

struct Step {
    double wall; // milliseconds from the resize to the window drawn at its new size
    double cpu;  // of which the program's own processor time (the rest waits for the window system or for a shared processor)
};

double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// One step: `change` asks the window for a new size; the step ends when the window has it and the
// table is drawn at it (a window system answers a resize in its own time).
template <typename Change>
Step timedStep(QMainWindow* window, Change change)
{
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = cpuMilliseconds();
    const QSize wanted = change();
    while (window->size() != wanted && timer.elapsed() < 500)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    window->repaint();
    return {timer.nsecsElapsed() / 1e6, cpuMilliseconds() - cpuStart};
}

// The window at `scale`, drawn, before the steps are timed.
void startAt(QMainWindow* window, double scale)
{
    WindowScale::of(window)->zoomTo(scale);
    QApplication::processEvents();
    window->repaint(); // at 200% the renderings are decoded once, as the first zoom does
}

// A zoom key's step: from 100% through every scale to 200%, each drawn finished at once.
std::vector<Step> zoomSteps(QMainWindow* window)
{
    startAt(window, 1.0);
    std::vector<Step> times;
    for (double scale : {1.25, 1.5, 1.75, 2.0})
        times.push_back(timedStep(window, [&] {
            WindowScale::of(window)->zoomTo(scale);
            return window->size();
        }));
    return times;
}

std::vector<Step> resizeSteps(QMainWindow* window, int steps)
{
    startAt(window, 2.0);
    std::vector<Step> times;
    const QSize large = window->size();
    for (int step = 1; step <= steps; ++step)
        times.push_back(timedStep(window, [&] {
            window->resize(large - QSize(2 * step, 2 * step));
            return large - QSize(2 * step, 2 * step);
        }));
    return times;
}

void report(const char* name, const char* what, const std::vector<Step>& steps)
{
    std::vector<double> wall, cpu;
    for (const Step& step : steps) {
        wall.push_back(step.wall);
        cpu.push_back(step.cpu);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-12s %s: wall median %6.2f ms, worst %6.2f ms; processor median %6.2f ms, worst %6.2f ms (%zu steps)\n",
                name, what, wall[wall.size() / 2], wall.back(), cpu[cpu.size() / 2], cpu.back(), steps.size());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    loadBundledFonts();
    windowMemory::useFile(QString());
    setMessageReader([](const QString&, const QString&) {});
    setQuestionAnswerer([](const QString&, const QString&) { return true; });
    FakeClock clock;
    clock.setAutoAdvance(true);
    const int steps = argc > 1 ? std::max(1, atoi(argv[1])) : 40;

    Shell& shell = Shell::instance();
    shell.setGames(toatoaGames());
    shell.setProgramEnd([] {});
    QMainWindow* menu = shell.showMenu();
    QApplication::processEvents();
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (only.isEmpty() || only == QLatin1String("Form1"))
        report("Form1", "resize step at 200%", resizeSteps(menu, steps));
    for (const GameEntry& game : shell.games()) {
        if (!only.isEmpty() && only != game.name)
            continue;
        QMainWindow* window = shell.openGame(game.name);
        QApplication::processEvents();
        QApplication::processEvents();
        report(qPrintable(game.name), "zoom key step  ", zoomSteps(window));
        report(qPrintable(game.name), "resize step at 200%", resizeSteps(window, steps));
        window->close();
        QApplication::processEvents();
    }
    return 0;
}
