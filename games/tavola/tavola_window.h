// The window `Re`: the board over the photograph, hand card and deck, the clock, the message and bonus panels, the record.
#pragma once

#include "games/tavola/tavola_rules.h"
#include "shell/game_window_of.h"

class ClockLine;
class Form;

class TavolaWindow : public GameWindowOf<TavolaRules> {
    Q_OBJECT
public:
    // The photograph and every deal come from `random`.
    explicit TavolaWindow(std::unique_ptr<Random> random);
    ~TavolaWindow() override;

protected:
    void newGame() override { Nuova_Click(); }

private:
    void Nuova_Click();
    void Vedi_Click();
    void Vedi_MouseMove();
    void carte_Click(int index);
    void carte_MouseMove(int index);
    void Timer1_Timer();
    void mossaerrata();
    void gameover();
    void vincita();
    void showBoard();
    void speakBoard();
    void showMessage(const QString& caption, QColor face, int top);
    void showBonus(const TavolaBonus& bonus);
    void setBonusVisible(bool visible);

    // Every control of the listing, by its name.
    std::unique_ptr<Form> form_;
    std::vector<PictureBox*> carte_;
    PictureBox* Vedi_;
    Banner* gover_;
    // The cross over the hand card while the board is cleared, and the parts of the bonus panel.
    std::vector<QWidget*> crossed_;
    std::vector<QWidget*> bonusPanel_;
    ClockLine* clock_;
};
