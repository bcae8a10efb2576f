// The window `golf`: the tableau, the eleven piles, the stock, "Gioca" and "Temina", the score card, banners and the record.
#pragma once

#include "games/golf/golf_rules.h"
#include "shell/game_window.h"
#include "shell/record_slot.h"

#include <functional>
#include <memory>
#include <vector>

class Banner;
class Label;
class PictureBox;
class Random;
class RecordEntry;
class Shape;
class TextBox;

class GolfWindow : public GameWindow {
    Q_OBJECT
public:
    // The window deals from `random`; it keeps it for as long as it lives.
    explicit GolfWindow(std::unique_ptr<Random> random);
    ~GolfWindow() override;

    const GolfRules& rules() const { return rules_; }

    void Nuova_Click();
    void CarteG_Click(int index);
    void Mazzo_Click();
    void tallone_Click(int index);
    void gioca_Click();
    void terminat_Click();
    void rcdi_KeyPress(int keyAscii);

    void CarteG_MouseMove(int index);
    void Mazzo_MouseMove();
    void tallone_MouseMove(int index);

protected:
    void newGame() override { Nuova_Click(); }

private:
    void Form_Load();
    void LeggiRecord();
    // A new round; its first hole is announced at once, or as soon as a window still being built is shown.
    void startRound(bool onScreen);
    // Shows each step and holds it; then the table as the rules leave it. False when the window began
    // closing during a hold: the caller returns at once.
    bool play(const std::vector<GolfStep>& steps);
    // A move and its steps, then what a new hole or the end of the round asks of the window.
    void playMove(const std::function<std::vector<GolfStep>()>& move);
    void draw(const GolfView& view);
    void showRecordGroup(bool visible);
    void recordWritten();

    std::unique_ptr<Random> random_;
    GolfRules rules_;
    RecordSlot slot_;
    // Counts the rounds begun, so a banner queued for an earlier round is not played over a later one.
    int round_ = 0;
    bool played_ = false;

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
    Shape* terminab_;
    std::vector<Label*> gioco_;
    std::vector<Label*> PuntiG_;
    Label* totaleG_;
    std::vector<Shape*> penal_;
    Label* penalita_;
    Label* record_;
    Label* nome_;
    std::vector<QWidget*> recordGroup_;
    TextBox* rcdi_;
    std::unique_ptr<Banner> messaggio_;
    RecordEntry* entry_;
};
