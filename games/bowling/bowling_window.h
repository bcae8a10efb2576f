// The window `Bowling`: the pin triangle, the three ball piles, "Gioca", "Scarta", "Termina", the score board and the record.
#pragma once

#include "games/bowling/bowling_rules.h"
#include "shell/game_window.h"
#include "shell/record_slot.h"

#include <memory>
#include <vector>

class Banner;
class Label;
class PictureBox;
class Random;
class RecordEntry;
class Shape;
class TextBox;

class BowlingWindow : public GameWindow {
    Q_OBJECT
public:
    // The window deals from `random`; it keeps it for as long as it lives.
    explicit BowlingWindow(std::unique_ptr<Random> random);
    ~BowlingWindow() override;

    const BowlingRules& rules() const { return rules_; }
    const RecordSlot& record() const { return record_; }

    void Nuova_Click();
    void Mazzo_Click(int index);
    void CarteB_Click(int index);
    void Label2_Click();
    void scartt_Click();
    void terminat_Click();

    bool isConsistent() const override { return rules_.isConsistent(); }

protected:
    void newGame() override { Nuova_Click(); }

private:
    void Form_Load();
    void showRecord();
    // Shows the rules' steps in order. False when the window began closing during a hold: the
    // caller returns at once and touches nothing more.
    bool play(const std::vector<BowlingStep>& steps);
    bool pause(double seconds);
    void showBanner(BowlingBanner banner, const QString& text, bool visible);
    void hideBanners();
    void draw(const BowlingTable& table);
    void clearPinPointers();
    void mettirecord();
    void CarteB_MouseMove(int index);
    void Mazzo_MouseMove(int index);
    void button_MouseMove(Label* button);

    std::unique_ptr<Random> random_;
    BowlingRules rules_;
    RecordSlot record_;
    int shownGame_ = 0; // the game whose deal the pins' pointers belong to

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
    Label* pt_;
    Label* nome_;
    std::unique_ptr<Banner> errore_;
    Shape* winner1_;
    Shape* winner2_;
    Label* winnert_;
    Label* winnert1_;
    Label* winnert2_;
    std::unique_ptr<Banner> ris_;
    std::unique_ptr<Banner> go_;
    std::unique_ptr<Banner> rec_;
    TextBox* reci_;
    RecordEntry* entry_;
};
