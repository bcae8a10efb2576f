// The menu window `Form1`: a picture and a menu bar from which every game is opened.
#pragma once

#include "shell/shell.h"

#include <QMainWindow>

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(const std::vector<GameEntry>& games);

    // Closes the window on the way to a game, without ending the program.
    void closeForGame();
    void esci_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    bool toGame_ = false;
};
