// Switching between the menu window and the game windows.
#include "shell/shell.h"

#include "shell/game_window.h"
#include "shell/menu_window.h"
#include "shell/window_scale.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>

Shell& Shell::instance()
{
    static Shell shell;
    return shell;
}

Form1* Shell::showMenu()
{
    if (!menu_)
        menu_ = new Form1(games_);
    menu_->show();
    return menu_;
}

GameWindow* Shell::openGame(const QString& name)
{
    for (const GameEntry& game : games_) {
        if (game.name != name || !game.open)
            continue;
        // The closed menu window is gone for good; leaving the game loads a new one.
        if (menu_)
            menu_->closeForGame();
        menu_.clear();
        GameWindow* window = game.open();
        // Whatever way a game window goes, the menu comes back: the program is never left without a window.
        QObject::connect(window, &QObject::destroyed, qApp, [this] {
            if (!menu_)
                showMenu();
        });
        window->show();
        return window;
    }
    return nullptr;
}

Form1* Shell::menu() const { return menu_; }

void Shell::endProgram()
{
    if (programEnd_)
        programEnd_();
    else
        QApplication::quit();
}

void Shell::placeCentred(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void Shell::fixSize(QMainWindow* window)
{
    if (WindowScale* scale = WindowScale::of(window)) {
        scale->fit();
        return;
    }
    QWidget* client = window->centralWidget();
    const int bar = window->menuBar() ? window->menuBar()->sizeHint().height() : 0;
    window->setFixedSize(client->width(), client->height() + bar);
    placeCentred(window);
}
