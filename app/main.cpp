// The program: loads the bundled faces, lists the games and shows the menu window.
#include "app/game_list.h"
#include "shell/controls/fonts.h"
#include "shell/resource_catalogue.h"
#include "shell/shell.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The program ends when the player closes the menu window, not when a window switch leaves none.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("TOA-TOA Games"));
    // Ties the windows to the installed menu entry, so a desktop shows its icon and name for them.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.toatoa.games"));
    // The program's own icon: the windows that set none of their own show it.
    QApplication::setWindowIcon(ResourceCatalogue::icon(1));
    loadBundledFonts();
    Shell& shell = Shell::instance();
    shell.setGames(toatoaGames());
    shell.showMenu();
    return QApplication::exec();
}
