// The window `Napoleone`: the rows round the four foundations, the deck choice, the clock, the win and the record.
#pragma once

#include "games/napoleone/napoleone_rules.h"
#include "shell/game_window.h"

#include <memory>
#include <vector>

class ClockLine;

class NapoleoneWindow : public GameWindow {
    Q_OBJECT
public:
    // Deck offsets of the two Italian decks' pictures.
    static constexpr int napoletane = 0;
    static constexpr int piacentine = 46;

    // The window deals from `random`; it keeps it for as long as it lives.
    explicit NapoleoneWindow(std::unique_ptr<Random> random);
    ~NapoleoneWindow() override;

    const NapoleoneRules& rules() const { return rules_; }
    bool isConsistent() const override { return rules_.isConsistent(); }
    bool isDealing() const { return rules_.isDealing(); }
    int deckOffset() const { return deckOffset_; }

    void np_Click();
    void Napo_Click();
    void Piace_Click();
    void sopra_Click(int index);
    void Timer1_Timer();

protected:
    void newGame() override { np_Click(); }

private:
    // Every card on the table, every pile's small card and the foundations drawn in the chosen deck.
    void Converti();
    void chooseDeck(int offset);
    int pictureOf(const Card& card) const;
    void showFoundation(int j, const Card& top);
    void hideSmallCard(int index);
    void setDealing(bool dealing);
    void vincita();
    void recordWritten();

    std::unique_ptr<Random> random_;
    NapoleoneRules rules_;
    int deckOffset_ = piacentine;
    RecordPanel* record_;
    ClockLine* clock_;
    std::vector<PictureBox*> sopra_;
    std::vector<PictureBox*> sotto_;
    std::vector<PictureBox*> Mazzo_;
    std::vector<Shape*> Shape1_;
    Shape* Traspa1_;
    Banner* fine_;
    QMenu* Tcarte_;
    QAction* Piace_;
    QAction* Napo_;
};
