// The program: loads the bundled faces, lists the games and shows the menu window.
#include "app/game_list.h"
#include "shell/controls/fonts.h"
#include "shell/shell.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The program ends when the player closes the menu window, not when a window switch leaves none.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("TOA-TOA Games"));
    loadBundledFonts();
    Shell& shell = Shell::instance();
    shell.setGames(toatoaGames());
    shell.showMenu();
    return QApplication::exec();
}
