// The window `Fisarmonica`: the row of twelve places, the deck, "Finito", the end banners and the record.
#pragma once

#include "games/fisarmonica/fisarmonica_rules.h"
#include "shell/game_window.h"


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
    void draw();
    void carteF_MouseMove(int index);
    void MazzoI_MouseMove();

    std::unique_ptr<Random> random_;
    FisarmonicaRules rules_;
    RecordPanel* record_;

    std::vector<PictureBox*> carteF_;
    std::vector<Shape*> maschera_;
    PictureBox* MazzoI_;
    Label* Label1_;
    Shape* term1_;
    Label* term2_;
    Banner* gover_;
    std::vector<QWidget*> vinto_; // the plaque and its two captions
};
