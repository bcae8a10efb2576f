// Start-up probe: starts like the program (or like a bare Qt window with a menu bar) and, once the
// window is first on screen, prints the wall clock in nanoseconds and the resident memory in KiB.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#ifdef TOATOA_FULL
#include "app/game_list.h"
#include "shell/controls/fonts.h"
#include "shell/menu_window.h"
#include "shell/shell.h"
#endif

namespace {

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

class FirstExpose final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // Let the first paint finish before the clock is read.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                std::printf("%lld %ld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, residentKiB());
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QMainWindow* window = nullptr;
#ifdef TOATOA_FULL
    loadBundledFonts();
    Shell::instance().setGames(toatoaGames());
    window = Shell::instance().showMenu();
#else
    window = new QMainWindow;
    window->menuBar()->addMenu(QStringLiteral("Solitari"))->addAction(QStringLiteral("Poker"));
    window->menuBar()->addAction(QStringLiteral("Esci"));
    window->setCentralWidget(new QWidget);
    window->centralWidget()->setFixedSize(451, 401);
    window->show();
#endif
    FirstExpose probe;
    window->windowHandle()->installEventFilter(&probe);
    return QApplication::exec();
}
