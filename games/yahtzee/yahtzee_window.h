// The window `yatz`: five dice drawn with shapes, the roll button, the score card, the end banners and the record.
#pragma once

#include "games/yahtzee/yahtzee_rules.h"
#include "shell/game_window_of.h"

class Form;
struct RecordRules;

class YahtzeeWindow : public GameWindowOf<YahtzeeRules> {
    Q_OBJECT
public:
    // The window rolls with `random` for as long as it lives, never seeding it again.
    explicit YahtzeeWindow(std::unique_ptr<Random> random);
    ~YahtzeeWindow() override;

    // Each roll lasts this many frames of this many seconds, all thrown dice tumbling together.
    static constexpr int tumbleFrames = 4;
    static constexpr double tumbleFrameSeconds = 0.1;

    // How rcyah.dat keeps the record: three digits after the name, "000" and "CPU" when there is none.
    static RecordRules recordRules();

    void Nuova_Click();
    void sceltatxt_Click();
    void cliccami_Click(int index);
    void gioco_Click(int index);

    void sceltatxt_MouseMove();
    void cliccami_MouseMove(int index);
    void gioco_MouseMove(int index);
    void Label4_MouseMove();

    // The face a die shows in frame `frame` of its tumble before it lands on `landing`: each frame
    // differs from the one before it and from the landing face.
    static int tumbleFace(int landing, int die, int frame);

protected:
    void newGame() override { Nuova_Click(); }

private:
    // Die i shows `face` with its pips.
    void disegna(int i, int face);
    // Plays the tumble of the thrown dice; false when the window is leaving or a new game began.
    bool tumble(const std::array<bool, YahtzeeRules::dice>& rolled);
    void showAll();
    void gameOver();

    // The controls by their names; the dice and the card's boxes at hand.
    std::unique_ptr<const Form> form_;
    std::vector<std::vector<Shape*>> pips_; // AL, AR, CL, CC, CR, DL, DR; each holds one shape per die
    std::vector<Shape*> maschera_;
    std::vector<Label*> cliccami_;
    std::vector<Shape*> msctxt_;
    std::vector<Label*> gioco_;
};
