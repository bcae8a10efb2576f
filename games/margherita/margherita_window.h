// The window `margerita`: the 4 x 10 table, the frames on the reachable cards, the count, the end banners and the record.
#pragma once

#include "games/margherita/margherita_rules.h"
#include "shell/game_window_of.h"

class MargheritaWindow : public GameWindowOf<MargheritaRules> {
    Q_OBJECT
public:
    explicit MargheritaWindow(std::unique_ptr<Random> random);
    ~MargheritaWindow() override;

    void inizia_Click();
    void carte_Click(int index);

protected:
    void newGame() override { inizia_Click(); }
    LeavingQuestion leavingQuestion() const override;

private:
    void showTable();
    void carte_MouseMove(int index);
    void showEnd();

    std::vector<PictureBox*> carte_;
    std::vector<Shape*> mascher_;
    Label* Label1_;
    Banner* vt_;
    Banner* Pt_;
};
