// What every game window shares: the client area that grows with its frame, the "File" menu, and leaving with a question.
#pragma once

#include <QColor>
#include <QMainWindow>
#include <QString>

#include "shell/record_file.h"

#include <functional>
#include <memory>
#include <vector>

// What a game window is built of, so a game's header needs no list of its own.
class Banner;
class Label;
class PictureBox;
class QAction;
class QMenu;
class Random;
class RecordPanel;
class Shape;
class TextBox;
class Ticker;

struct LeavingQuestion {
    QString title;
    QString text;
};

class GameWindow : public QMainWindow {
    Q_OBJECT
public:
    // The client area is given in twips, as every position in the games, at 100%.
    GameWindow(const QString& objectName, const QString& caption, int clientWidthTwips,
               int clientHeightTwips, QColor background);

    // The area the game's controls are laid on, below the menu bar.
    QWidget* client() const { return client_; }

    // True from the moment the player has agreed to leave: a handler coming back from a wait stops there.
    bool isLeaving() const { return leaving_; }

    // The directory of the record file, taken when the window was made.
    const QString& appDir() const { return appDir_; }
    // That directory as the file system names it.
    std::filesystem::path recordDirectory() const;

    // The usual "File" menu: the new-game command, a separator unless told otherwise, and "Esci".
    QMenu* addFileMenu(const QString& newGameName, const QString& newGameCaption,
                       const QKeySequence& newGameShortcut, const QKeySequence& esciShortcut,
                       bool separator = true);
    QAction* newGameAction() const { return newGame_; }
    QAction* esciAction() const { return esci_; }

    void esci_Click();

    // The game's own invariant (every card present once, dice 1 to 6, totals equal to their parts),
    // asked by the randomised tests and the monkey after every event. Every game states its own.
    virtual bool isConsistent() const = 0;

    // The game on the table. A new game turns it, so a sequence begun for an earlier game stops at its
    // next wait instead of drawing over the new one.
    int game() const { return game_; }
    int startGame() { return ++game_; }

    // The step player: shows each step in turn and, where a step says so (`step.hold` seconds), holds
    // the window with no input while the player looks. False as soon as the window is leaving or
    // another game has begun: the caller returns at once and touches nothing more.
    template <typename Step, typename Show>
    bool play(const std::vector<Step>& steps, Show&& show)
    {
        const int current = game_;
        for (const Step& step : steps) {
            if (leaving_ || game_ != current)
                return false;
            show(step);
            if (step.hold > 0 && !holdFor(step.hold))
                return false;
        }
        return !leaving_ && game_ == current;
    }
    // The hold (a banner is up, no input) and TempoP (events flow) for this game: false when the window
    // is leaving or another game began meanwhile. Before the window is on the screen nothing is held:
    // there is nothing to watch.
    bool holdFor(double seconds);
    bool pauseFor(double seconds);
    // Runs `start` once the window has been painted for the first time (soon, when it already has): a
    // hold that starts as the window opens counts from what the player sees. While the leaving question
    // is open it waits for a No. Dropped when another game began or the window is leaving by then; a
    // later call replaces one still waiting.
    void whenShown(std::function<void()> start);

signals:
    void leaving();

protected:
    // The question asked before the window closes; games with a game-over wording override it.
    virtual LeavingQuestion leavingQuestion() const;
    virtual void newGame() = 0;
    // Set the window icon from the catalogue.
    void setIconGroup(int number);

    void closeEvent(QCloseEvent* event) override;
    // Tab and Shift+Tab go round the clickable controls in reading order, wherever they were made.
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Form_Unload();
    void requestWhileAsking();
    void runAfterFirstPaint();
    // One of the two waits for this game: false when the window is leaving or another game began.
    bool waitFor(double seconds, bool (*wait)(GameWindow&, double));

    QWidget* client_;
    QString appDir_;
    QAction* newGame_ = nullptr;
    QAction* esci_ = nullptr;
    bool leaving_ = false;
    bool asking_ = false;   // the leaving question is open
    bool askAgain_ = false; // a leave request came after its answer
    int game_ = 0;
    bool painted_ = false;
    std::function<void()> onFirstPaint_;
};


extern const LeavingQuestion abandonQuestion; // "Sei sicuro di voler abbandonare la partita?"
extern const LeavingQuestion backToMenuQuestion; // "Sei sicuro di voler uscire dal gioco?"
