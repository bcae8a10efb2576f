// The game switching: the menu window, the list of games it offers, and exactly one window open at a time.
#pragma once

#include "shell/record_slot.h"

#include <QKeySequence>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class Form1;
class GameWindow;
class QMainWindow;
class QWidget;

struct GameEntry {
    QString name;    // the menu entry's name, e.g. "Fisa"
    QString caption; // e.g. "La Fisarmonica"
    QKeySequence shortcut;
    std::function<GameWindow*()> open; // empty while the game is not built: its entry is greyed
    // How the game keeps its record, for the tools and tests that read every game's record file.
    std::function<RecordRules()> record = {};
};

class Shell {
public:
    static Shell& instance();

    void setGames(std::vector<GameEntry> games) { games_ = std::move(games); }
    const std::vector<GameEntry>& games() const { return games_; }

    // Loads a fresh menu window and shows it.
    Form1* showMenu();
    // Closes the menu window first, then opens the game window.
    GameWindow* openGame(const QString& name);
    // What happens when the menu window is closed by the player; the program ends.
    void setProgramEnd(std::function<void()> end) { programEnd_ = std::move(end); }
    void endProgram();

    Form1* menu() const;

    static void placeCentred(QWidget* window);
    // A window of its table's size (its client area at the scale it was last left at) plus the menu
    // bar, centred; the frame then resizes it keeping the table's proportions.
    static void fixSize(QMainWindow* window);

private:
    std::vector<GameEntry> games_;
    QPointer<Form1> menu_;
    std::function<void()> programEnd_;
};
