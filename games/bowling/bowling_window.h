// The window `Bowling`: the pin triangle, the three ball piles, "Gioca", "Scarta", "Termina", the score board and the record.
#pragma once

#include "games/bowling/bowling_rules.h"
#include "shell/game_window_of.h"

class BowlingWindow : public GameWindowOf<BowlingRules> {
    Q_OBJECT
public:
    explicit BowlingWindow(std::unique_ptr<Random> random);
    ~BowlingWindow() override;

    void Nuova_Click();
    void Mazzo_Click(int index);
    void CarteB_Click(int index);
    void Label2_Click();
    void scartt_Click();
    void terminat_Click();

protected:
    void newGame() override { Nuova_Click(); }

private:
    // Plays the rules' steps, then draws the table as the rules left it.
    void playSteps(const std::vector<BowlingStep>& steps);
    void showStep(const BowlingStep& step);
    void hideMessages();
    void draw(const BowlingTable& table);
    void clearPinPointers();
    void CarteB_MouseMove(int index);
    void Mazzo_MouseMove(int index);
    void button_MouseMove(Label* button);

    std::vector<PictureBox*> CarteB_;
    std::vector<PictureBox*> Mazzo_;
    std::vector<Shape*> mascher_;
    Label* Label2_;
    Shape* giocax_;
    Label* scartt_;
    Shape* scart_;
    Label* terminat_;
    Label* somma_;
    Label* prese_;
    std::vector<Label*> rowCaptions_; // Label8(3) to Label8(7)
    std::vector<Label*> PuntiP_;
    Label* totale_;
    std::vector<QWidget*> winner_; // the strike and spare plate: winner1, winner2, winnert, winnert1, winnert2
    Shape* winner2_;
    Label* winnert_;
    Label* winnert1_;
    Label* winnert2_;
    Banner* errore_;
    Banner* ris_;
    Banner* go_;
};
