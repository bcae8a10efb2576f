// The window `Fisarmonica`: the row of twelve places, the deck, "Finito", the end banners and the record.
#pragma once

#include "games/fisarmonica/fisarmonica_rules.h"
#include "shell/game_window.h"

#include <memory>
#include <vector>

class Banner;
class Label;
class PictureBox;
class Random;
class Shape;
class TextBox;

class Fisarmonica : public GameWindow {
    Q_OBJECT
public:
    // The window deals from `random`; it keeps it for as long as it lives.
    explicit Fisarmonica(std::unique_ptr<Random> random);
    ~Fisarmonica() override;

    const FisarmonicaRules& rules() const { return rules_; }

    void Nuova_Click();
    void MazzoI_Click();
    void carteF_Click(int index);
    void term2_Click();
    void rci_KeyPress(int keyAscii);

    bool isConsistent() const override { return rules_.isConsistent(); }

protected:
    void newGame() override { Nuova_Click(); }

private:
    void Form_Load();
    void LeggiRecord();
    void showRow();
    void carteF_MouseMove(int index);
    void MazzoI_MouseMove();

    std::unique_ptr<Random> random_;
    FisarmonicaRules rules_;
    int record_ = FisarmonicaRules::defaultRecord;

    std::vector<PictureBox*> carteF_;
    std::vector<Shape*> maschera_;
    PictureBox* MazzoI_;
    Label* Label1_;
    Shape* term1_;
    Label* term2_;
    std::unique_ptr<Banner> gover_;
    std::unique_ptr<Banner> record3_;
    Shape* vinto1_;
    Shape* vinto2_;
    Label* vinto3_;
    Label* vinto4_;
    TextBox* rci_;
    Label* record_label_;
    Label* nome_;
};
