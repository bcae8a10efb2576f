// The window `margerita`: the 4 x 10 table, the frames on the reachable cards, the count, the end banners and the record.
#pragma once

#include "games/margherita/margherita_rules.h"
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

class MargheritaWindow : public GameWindow {
    Q_OBJECT
public:
    // The window deals from `random`; it keeps it for as long as it lives.
    explicit MargheritaWindow(std::unique_ptr<Random> random);
    ~MargheritaWindow() override;

    const MargheritaRules& rules() const { return rules_; }
    // 1 once no card can be turned, 0 while a game is played.
    int gameOver() const { return gameOver_; }

    void inizia_Click();
    void carte_Click(int index);

    bool isConsistent() const override { return rules_.isConsistent(); }

protected:
    void newGame() override { inizia_Click(); }
    LeavingQuestion leavingQuestion() const override;

private:
    void Form_Load();
    void LeggiRecord();
    void metticarte();
    void showCard(int index);
    void nameRecordLine();
    void carte_MouseMove(int index);
    void showEnd();
    void ctrlrec();
    void showRecordEntry(bool visible);
    void rci_Written(bool ok);

    std::unique_ptr<Random> random_;
    MargheritaRules rules_;
    RecordSlot record_;
    int gameOver_ = 0;

    std::vector<PictureBox*> carte_;
    std::vector<Shape*> mascher_;
    Label* Label1_;
    Label* punti_;
    Label* nome_;
    // Each banner has an inner outline as well as its face and shadow.
    std::unique_ptr<Banner> vt_;
    std::unique_ptr<Banner> Pt_;
    std::unique_ptr<Banner> rct_;
    Label* ast1_;
    Label* ast2_;
    TextBox* rci_;
    RecordEntry* entry_;
};
