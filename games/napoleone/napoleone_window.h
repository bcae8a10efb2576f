// The window `Napoleone`: the rows round the four foundations, the deck choice, the clock, the win and the record.
#pragma once

#include "games/napoleone/napoleone_rules.h"
#include "shell/game_window_of.h"

class ClockLine;
class Form;
class QActionGroup;

class NapoleoneWindow : public GameWindowOf<NapoleoneRules> {
    Q_OBJECT
public:
    // Deck offsets of the two Italian decks' pictures.
    static constexpr int napoletane = 0;
    static constexpr int piacentine = 46;

    explicit NapoleoneWindow(std::unique_ptr<Random> random);
    ~NapoleoneWindow() override;

    bool isDealing() const { return rules_.isDealing(); }
    int deckOffset() const { return deckOffset_; }

    void np_Click();
    void Napo_Click();

protected:
    void newGame() override { np_Click(); }

private:
    void Piace_Click();
    void sopra_Click(int index);
    void Timer1_Timer();
    void recordWritten();
    void vincita();
    void chooseDeck(int offset);
    // Every card on the table, every pile's small card and the foundations drawn in the chosen deck.
    void Converti();
    void showFoundation(int j, const Card& top);
    void hideSmallCard(int index);
    void setDealing(bool dealing);
    int pictureOf(const Card& card) const;

    // Every control of the listing, by its name.
    std::unique_ptr<Form> form_;
    std::vector<PictureBox*> sopra_;
    std::vector<PictureBox*> sotto_;
    ClockLine* clock_;
    // The deck the cards are drawn in, and "Tipo Carte" with its two decks, Piacentine first.
    int deckOffset_ = piacentine;
    QMenu* Tcarte_;
    QActionGroup* decks_;
};
