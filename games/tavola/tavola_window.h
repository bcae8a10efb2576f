// The window `Re`: the board over the photograph, hand card and deck, the clock, the message and bonus panels, the record.
#pragma once

#include "games/tavola/tavola_rules.h"
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
class Ticker;

class TavolaWindow : public GameWindow {
    Q_OBJECT
public:
    // The window draws its photograph and its decks from `random`; it keeps it for as long as it lives.
    explicit TavolaWindow(std::unique_ptr<Random> random);
    ~TavolaWindow() override;

    const TavolaRules& rules() const { return rules_; }
    const RecordSlot& record() const { return record_; }
    bool isConsistent() const override { return rules_.isConsistent(); }
    // The window's own icon, outside the catalogue's numbers.
    static constexpr int iconGroup = 900;

    void Nuova_Click();
    void Vedi_Click();
    void carte_Click(int index);
    void Timer1_Timer();
    void rci_KeyPress(int keyAscii);

protected:
    void newGame() override { Nuova_Click(); }

private:
    void Form_Load();
    void LeggiRecord();
    bool mossaerrata();
    void gameover();
    void vincita();
    void showBoard();
    void speakBoard();
    void showRecord();
    void showClock(int seconds);
    void showMessage(const QString& caption, QColor face, int top);
    void showBonus(const TavolaBonus& bonus);
    void setBonusVisible(bool visible);
    void setRecordBannerVisible(bool visible);
    bool messageShown() const;
    void carte_MouseMove(int index);
    void Vedi_MouseMove();

    std::unique_ptr<Random> random_;
    TavolaRules rules_;
    RecordSlot record_;
    // Counts the games begun in this window, so a handler coming back from a wait knows its game is over.
    int gameNumber_ = 0;

    std::vector<PictureBox*> carte_;
    std::vector<Shape*> cartaM_;
    PictureBox* Image1_;
    PictureBox* Vedi_;
    PictureBox* Mazzo_;
    Shape* vediM_;
    Shape* quad_;
    Shape* Line1_;
    Shape* Line2_;
    Label* rimane_;
    Label* Minuti_;
    Label* secondi_;
    Label* recordLabel_;
    Label* nome_;
    std::unique_ptr<Banner> gover_;
    std::vector<QWidget*> bonusPanel_;
    Label* bonus3_;
    Label* bonusmin_;
    Label* bonussec_;
    Label* bonuscar_;
    Label* bonus8_;
    Label* bonusmint_;
    Label* bonussect_;
    Label* bonustotm_;
    Label* bonustots_;
    std::unique_ptr<Banner> rct_;
    Label* ast1_;
    Label* ast2_;
    TextBox* rci_;
    RecordEntry* entry_;
    Ticker* Timer1_;
};
