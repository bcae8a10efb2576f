// The window `Re`: the board over the photograph, hand card and deck, the clock, the message and bonus panels, the record.
#pragma once

#include "games/tavola/tavola_rules.h"
#include "shell/game_window.h"

#include <memory>
#include <vector>

class ClockLine;

class TavolaWindow : public GameWindow {
    Q_OBJECT
public:
    // The window draws its photograph and its decks from `random`; it keeps it for as long as it lives.
    explicit TavolaWindow(std::unique_ptr<Random> random);
    ~TavolaWindow() override;

    const TavolaRules& rules() const { return rules_; }
    bool isConsistent() const override { return rules_.isConsistent(); }

    void Nuova_Click();
    void Vedi_Click();
    void carte_Click(int index);
    void Timer1_Timer();

protected:
    void newGame() override { Nuova_Click(); }

private:
    void mossaerrata();
    void gameover();
    void vincita();
    void showBoard();
    void speakBoard();
    void showMessage(const QString& caption, QColor face, int top);
    void showBonus(const TavolaBonus& bonus);
    void setBonusVisible(bool visible);
    void carte_MouseMove(int index);
    void Vedi_MouseMove();

    std::unique_ptr<Random> random_;
    TavolaRules rules_;
    RecordPanel* record_;
    ClockLine* clock_;
    std::vector<PictureBox*> carte_;
    std::vector<Shape*> cartaM_;
    PictureBox* Vedi_;
    Shape* vediM_;
    Label* rimane_;
    Banner* gover_;
    // The cross over the hand card while the board is cleared: `quad`, `Line1`, `Line2`.
    std::vector<QWidget*> crossed_;
    std::vector<QWidget*> bonusPanel_;
    // The numbers of the bonus sum, in the order it is read: time, cards, per card, bonus, total.
    std::vector<Label*> bonusFields_;
    Label* bonus3_;
};
