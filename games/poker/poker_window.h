// The window `Pokerfrm`: the five cards, "Gioca", the pay table, the message panel, credits, score and record.
#pragma once

#include "games/poker/poker_game.h"
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

class PokerWindow : public GameWindow {
    Q_OBJECT
public:
    // The window draws its cards from `random`; it keeps it for as long as it lives.
    explicit PokerWindow(std::unique_ptr<Random> random);
    ~PokerWindow() override;

    const PokerGame& game() const { return game_; }
    const RecordEntry& recordEntry() const { return *entry_; }

    void Nuova_Click();
    void CarteP_Click(int index);
    void Label1_Click();

    bool isConsistent() const override { return game_.isConsistent(); }

protected:
    void newGame() override { Nuova_Click(); }
    LeavingQuestion leavingQuestion() const override;

private:
    void Form_Load();
    void LeggiRecord();
    // Shows the rules' steps in order. False when the window began closing during a hold: the
    // caller returns at once and touches nothing more.
    bool play(const std::vector<PokerStep>& steps);
    bool pause(double seconds);
    bool showMessage(const PokerStep& step);
    void ripulisci();
    void newrecord();
    void disableCards();
    void showRecord();
    void CarteP_MouseMove(int index);
    // Card `index` marked to be changed or not: the word under it and what it is heard as.
    void markCard(int index, bool marked);
    // The pay-table row under the lit bar maspo(lit) is heard as the winning one while the bar shows.
    void litRow(std::size_t lit, bool on);

    std::unique_ptr<Random> random_;
    PokerGame game_;
    RecordSlot record_;

    std::vector<PictureBox*> CarteP_;
    std::vector<Shape*> mascherp_;
    std::vector<Label*> tieni_;
    std::vector<Shape*> maspo_;
    std::vector<Label*> winner_;
    Label* Label1_;
    Shape* gioca_;
    std::unique_ptr<Banner> vincita_;
    Label* crd_;
    Label* xxx_;
    Label* recpk_;
    Label* nome_;
    // The new-record group around the name box rci.
    std::vector<QWidget*> recordPanel_;
    RecordEntry* entry_;
};
