// The window `Fisarmonica`: the row of twelve places, the deck, "Finito", the end banners and the record.
#pragma once

#include "games/fisarmonica/fisarmonica_rules.h"
#include "shell/game_window_of.h"

class FisarmonicaWindow : public GameWindowOf<FisarmonicaRules> {
    Q_OBJECT
public:
    explicit FisarmonicaWindow(std::unique_ptr<Random> random);
    ~FisarmonicaWindow() override;

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

    std::vector<PictureBox*> carteF_;
    std::vector<Shape*> maschera_;
    PictureBox* MazzoI_;
    Label* Label1_;
    Shape* term1_;
    Label* term2_;
    Banner* gover_;
    std::vector<QWidget*> vinto_; // the plaque and its two captions
};
