// The window `Fisarmonica`: the row of twelve places, the deck, "Finito", the end banners and the record.
#pragma once

#include "games/fisarmonica/fisarmonica_rules.h"
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

class FisarmonicaWindow : public GameWindow {
    Q_OBJECT
public:
    // The window deals from `random`; it keeps it for as long as it lives.
    explicit FisarmonicaWindow(std::unique_ptr<Random> random);
    ~FisarmonicaWindow() override;

    const FisarmonicaRules& rules() const { return rules_; }
    bool isConsistent() const override { return rules_.isConsistent(); }

    void Nuova_Click();
    void MazzoI_Click();
    void carteF_Click(int index);
    void term2_Click();

protected:
    void newGame() override { Nuova_Click(); }

private:
    void Form_Load();
    void LeggiRecord();
    void showRow();
    void showCardsLeft(const QString& count);
    void nameRecordLine();
    void carteF_MouseMove(int index);
    void MazzoI_MouseMove();
    void rci_Written(bool ok);

    std::unique_ptr<Random> random_;
    FisarmonicaRules rules_;
    RecordSlot record_;

    std::vector<PictureBox*> carteF_;
    std::vector<Shape*> maschera_;
    PictureBox* MazzoI_;
    Label* Label1_;
    Shape* term1_;
    Label* term2_;
    std::unique_ptr<Banner> gover_;
    std::unique_ptr<Banner> record3_;
    std::vector<QWidget*> vinto_; // the plaque and its two captions
    TextBox* rci_;
    RecordEntry* entry_;
    Label* record_label_;
    Label* nome_;
};
