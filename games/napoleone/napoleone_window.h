// The window `Napoleone`: the rows round the four foundations, the deck choice, the clock, the win and the record.
#pragma once

#include "games/napoleone/napoleone_rules.h"
#include "shell/game_window.h"
#include "shell/record_slot.h"

#include <memory>
#include <vector>

class Banner;
class Label;
class PictureBox;
class QAction;
class QMenu;
class Random;
class RecordEntry;
class Shape;
class TextBox;
class Ticker;

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
    bool isDealing() const { return dealing_; }
    int deckOffset() const { return deckOffset_; }

    void np_Click();
    void Napo_Click();
    void Piace_Click();
    // Every card on the table, every pile's small card and the foundations drawn with deck offset TPC.
    void Converti(int TPC);
    void sopra_Click(int index);
    void Timer1_Timer();

protected:
    void newGame() override { np_Click(); }

private:
    void Form_Load();
    void vincita();
    void showClock();
    void showRecord();
    void showRecordBanner(bool visible);
    void setDealing(bool dealing);
    void hideSmallCard(int index);
    void speakTable();
    void speakFoundations();
    void recordWritten();

    std::unique_ptr<Random> random_;
    NapoleoneRules rules_;
    RecordSlot slot_;
    int deckOffset_ = piacentine;
    bool dealing_ = false;
    // Counts the deals, so a deal that comes back from a wait knows whether it is still the current one.
    int gameNumber_ = 0;

    std::vector<PictureBox*> sopra_;
    std::vector<PictureBox*> sotto_;
    std::vector<PictureBox*> Mazzo_;
    std::vector<Shape*> Shape1_;
    Shape* Traspa1_;
    Label* Minuti_;
    Label* secondi_;
    Label* record_;
    Label* nome_;
    std::unique_ptr<Banner> fine_;
    std::unique_ptr<Banner> rct_;
    Label* ast1_;
    Label* ast2_;
    TextBox* rci_;
    RecordEntry* entry_;
    Ticker* Timer1_;
    QMenu* Tcarte_;
    QAction* Piace_;
    QAction* Napo_;
};
