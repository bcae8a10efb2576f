// The window `margerita`: the 4 x 10 table, the frames on the reachable cards, the count, the end banners and the record.
#pragma once

#include "games/margherita/margherita_rules.h"
#include "shell/game_window.h"

class MargheritaWindow : public GameWindow {
    Q_OBJECT
public:
    // The window deals from `random`; it keeps it for as long as it lives.
    explicit MargheritaWindow(std::unique_ptr<Random> random);
    ~MargheritaWindow() override;

    const MargheritaRules& rules() const { return rules_; }

    void inizia_Click();
    void carte_Click(int index);

    bool isConsistent() const override { return rules_.isConsistent(); }

protected:
    void newGame() override { inizia_Click(); }
    LeavingQuestion leavingQuestion() const override;

private:
    void showTable();
    void carte_MouseMove(int index);
    void showEnd();

    std::unique_ptr<Random> random_;
    MargheritaRules rules_;
    RecordPanel* record_;

    std::vector<PictureBox*> carte_;
    std::vector<Shape*> mascher_;
    Label* Label1_;
    Banner* vt_;
    Banner* Pt_;
};
