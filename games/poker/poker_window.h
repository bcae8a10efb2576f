// The window `Pokerfrm`: the five cards, "Gioca", the pay table, the message panel, credits, score and record.
#pragma once

#include "games/poker/poker_rules.h"
#include "shell/game_window_of.h"

class Form;
struct RecordRules;

class PokerWindow : public GameWindowOf<PokerRules> {
    Q_OBJECT
public:
    // The window draws its cards from `random`; it keeps it for as long as it lives.
    explicit PokerWindow(std::unique_ptr<Random> random);
    ~PokerWindow() override;

    const RecordPanel& record() const { return *record_; }

    void Nuova_Click();
    void CarteP_Click(int index);
    void Label1_Click();

protected:
    void newGame() override { Nuova_Click(); }
    LeavingQuestion leavingQuestion() const override;

private:
    // What one step of the rules looks like on the table.
    void showStep(const PokerStep& step);
    void ripulisci();
    void gameOver();
    void CarteP_MouseMove(int index);
    // Card `index` marked to be changed or not: its marker, the word under it and what it is heard as.
    void markCard(int index, bool marked);
    // The pay-table row of `code` lit, and heard as the winning one, or put out.
    void litRow(int code, bool on);

    // The controls by their names; the five cards, their marks and the pay table's rows at hand.
    std::unique_ptr<const Form> form_;
    std::vector<PictureBox*> CarteP_;
    std::vector<Shape*> mascherp_;
    std::vector<Label*> tieni_;
    std::vector<Shape*> maspo_;
};

// The record file "rcpkr.dat": the highest score, in six digits, and who made it.
RecordRules pokerRecordRules();
