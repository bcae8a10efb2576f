// The window `golf`: the tableau, the eleven piles, the stock, "Gioca" and "Temina", the score card, banners and the record.
#pragma once

#include "games/golf/golf_rules.h"
#include "shell/game_window_of.h"

class GolfWindow : public GameWindowOf<GolfRules> {
    Q_OBJECT
public:
    explicit GolfWindow(std::unique_ptr<Random> random);
    ~GolfWindow() override;

    void Nuova_Click();
    void CarteG_Click(int index);
    void Mazzo_Click();
    void tallone_Click(int index);
    void gioca_Click();
    void terminat_Click();
    void CarteG_MouseMove(int index);
    void Mazzo_MouseMove();
    void tallone_MouseMove(int index);

protected:
    void newGame() override { Nuova_Click(); }

private:
    void startRound();
    // Plays a move's announcements, then shows the table as the rules leave it and what a new hole or the
    // end of the round asks of the record.
    void playMove(const std::vector<GolfStep>& steps);
    void announce(const GolfStep& step);
    // The table as the rules leave it; or as a step saw it, face down with the stock put away while a hole
    // is announced.
    void draw() { draw(rules_.table()); }
    void draw(const GolfTable& table, bool faceDown = false);

    std::vector<PictureBox*> CarteG_;
    std::vector<Shape*> mascher_;
    std::vector<PictureBox*> tallone_;
    std::vector<Shape*> mascheraT_;
    std::vector<Shape*> palla_;
    std::vector<Label*> tiroX_;
    PictureBox* Mazzo_;
    Shape* mascherm_;
    PictureBox* mazzocp_;
    Label* rimanenti_;
    Label* gioca_;
    Shape* giocab_;
    Label* terminat_;
    std::vector<Label*> gioco_;
    std::vector<Label*> PuntiG_;
    Label* totaleG_;
    std::vector<Shape*> penal_;
    Label* penalita_;
    Banner* messaggio_;
};
