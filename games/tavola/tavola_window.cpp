// The round table's window: draws the rules' board, turns clicks into moves and plays the win.
#include "games/tavola/tavola_window.h"

#include "shell/controls/accessible.h"
#include "shell/cards.h"
#include "shell/clock_line.h"
#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/form_scale.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"
#include "shell/controls/twips.h"
#include "shell/record_panel.h"
#include "shell/text_formats.h"

#include <string_view>

namespace {

// Ink and chalk for the texts, navy on parchment for the bonus card, the red of the frames and the
// cross, the yellow of the picked-up card and of the record banner; the message panel is red for a
// wrong move or a lost game and blue for a win.
constexpr Rgb ink{0, 0, 0}, chalk{255, 255, 255}, navy{0, 0, 96}, parchment{255, 248, 220};
constexpr Rgb frameRed{210, 0, 0}, yellow{255, 255, 0}, messageRed{255, 0, 0}, winBlue{0, 0, 255};

constexpr int cardWidth = 1095, cardHeight = 1455;
// The message panel lies over the middle of the board, or for a win at its foot, clear of the bonus.
constexpr int messageTop = 2760, winMessageTop = 5280;

constexpr const char* rulesText =
    "Le regole del gioco sono semplici. Mettere le figure in questo ordine: I KAPPA negli angoli; I JACK nei "
    "bordi superiori o inferiori; Le DONNE nei bordi laterali. Le altre carte vanno messe ovunque ma, se una "
    "delle figure, avrà il suo posto occupato, il gioco termina. Una volta riempito il piano di gioco, si "
    "possono eliminare le carte la cui coppia dia la somma di 10 o la singola carta sia 10.";

constexpr ControlLine bonusLabel(const char* name, int left, int top, const char* caption)
{
    return label(name, left, top, 0, 0, caption).font(10, true).fore(navy).hidden().piece();
}

// The controls of `Re` as the form lists them; a later line lies on top of an earlier one.
constexpr ControlLine tavolaControls[] = {
    picture("Image1", 240, 240, 4320, 5760),
    picture("carte", 240, 240, cardWidth, cardHeight).array(16, 4, 1080, 1440),
    label("Label4", 5280, 2295, 0, 0, "Regole").font(11, true).fore(chalk),
    label("Label3", 4800, 2640, 2055, 3615, rulesText).font(7.5).fore(ink),
    picture("Mazzo", 5760, 240, cardWidth, cardHeight),
    picture("Vedi", 4680, 240, cardWidth, cardHeight),
    label("Label1", 4680, 1880, 1095, 330, "Rimanenti").font(9, true).fore(ink).align(Qt::AlignCenter).oneLine().piece(),
    label("rimane", 5760, 1820, 1095, 375, "52").font(14, true).fore(chalk).align(Qt::AlignCenter).oneLine().readAs("Rimanenti"),
    rectangle("vediM", 4680, 240, cardWidth, cardHeight).border(yellow, 4).hidden(),
    rectangle("cartaM", 240, 240, cardWidth, cardHeight).array(16, 4, 1080, 1440).border(frameRed, 4).hidden(),
    // The frame of the hand card crossed out while the board is being cleared.
    rectangle("quad", 4680, 240, cardWidth, cardHeight).border(frameRed, 3).hidden(),

    label("Label8(3)", 240, 6420, 0, 0, "Record:").font(12, true).fore(ink),
    label("record", 1560, 6420, 0, 0, "05:00").font(12, true).fore(chalk),
    label("nome", 2520, 6420, 0, 0, "CPU").font(12, true).fore(chalk),
    label("Label8(0)", 4680, 6420, 0, 0, "Tempo:").font(12, true).fore(ink).piece(),
    label("Minuti", 6000, 6420, 0, 0, "00").font(12, true).fore(chalk),
    label("Label2", 6360, 6405, 0, 0, ":").font(12, true).fore(chalk).piece(),
    label("secondi", 6480, 6420, 0, 0, "00").font(12, true).fore(chalk).piece(),

    // The bonus panel: a shadow, the card, its title band, and the sum written out on it, read as one.
    rectangle("bonus", 720, 2160, 3615, 2295).border(ink).fill(ink).hidden(),
    rectangle("bonus1", 600, 1920, 3615, 2415).border(navy, 2).fill(parchment).hidden(),
    rectangle("bonus2", 600, 1920, 3615, 615).border(navy, 2).fill(navy).hidden(),
    label("bonus3", 840, 2040, 0, 0, "BONUS CARTE").font(14, true).fore(yellow).hidden().alert(),
    bonusLabel("bonus4", 960, 2760, "Tempo    ="),
    bonusLabel("bonusmin", 2640, 2775, "00"),
    bonusLabel("bonus5", 3000, 2760, ":"),
    bonusLabel("bonussec", 3120, 2775, "00"),
    bonusLabel("bonus11", 3480, 2760, "-"),
    bonusLabel("bonus6", 960, 3120, "Carte:"),
    bonusLabel("bonuscar", 1920, 3120, "00"),
    bonusLabel("bonus7", 2280, 3120, "X"),
    bonusLabel("bonus8", 1920, 3360, "05"),
    bonusLabel("bonus9", 2280, 3360, "="),
    bonusLabel("bonusmint", 2640, 3375, "00"),
    bonusLabel("bonus12", 3000, 3360, ":"),
    bonusLabel("bonussect", 3120, 3375, "00"),
    bonusLabel("bonus14", 960, 3840, "Totale:"),
    bonusLabel("bonustotm", 2640, 3855, "00"),
    bonusLabel("bonus13", 3000, 3840, ":"),
    bonusLabel("bonustots", 3120, 3855, "00"),

    banner("gover3", "gover2", "gover1", 840, messageTop, 3015, 615).face(messageRed).fore(chalk).shadow(ink, 120)
        .font(20, true).captionAt(840, messageTop + 45, 3015, 495),
    // The new-record banner over the top of the uncovered photograph, a thin frame inside its face, the
    // name box inside it.
    banner("rct", "rc1", "rc3", 360, 45, 3480, 870, "NUOVO RECORD").face(yellow).fore(frameRed).shadow(ink).font(11, true)
        .captionAt(1320, 165, 2055, 615),
    rectangle("rc2", 405, 90, 3390, 780).border(frameRed).hidden(),
    label("ast1", 480, 120, 0, 0, "*").font(22, true).fore(frameRed).hidden().decoration(),
    label("ast2", 3360, 120, 0, 0, "*").font(22, true).fore(frameRed).hidden().decoration(),
    textBox("rci", 1320, 480, 1935, 285).hidden(),
};

const RecordPanelLayout recordLayout{
    {"Label8(3)", "record", "nome"}, "record", "nome", {"rc3", "rc1", "rc2", "rct", "ast1", "ast2"}, "rci"};

// The numbers of the bonus sum, in the order the sum is read.
constexpr const char* bonusFieldNames[] = {"bonusmin", "bonussec", "bonuscar", "bonus8",
                                           "bonusmint", "bonussect", "bonustotm", "bonustots"};

// The listing draws no lines: the cross over the hand card and the rule above the bonus total.
QWidget* line(QWidget* area, const char* name, int x1, int y1, int x2, int y2, Rgb colour, int width)
{
    auto* drawn = new Shape(area, QString::fromLatin1(name), QRect(), Shape::Kind::Line);
    drawn->setBorder(qcolour(colour), width);
    drawn->setLine(x1, y1, x2, y2);
    drawn->hide();
    return drawn;
}

void place(QWidget* control, int left, int top, int width, int height)
{
    placeControl(control, twipsRect(left, top, width, height));
}

} // namespace

TavolaWindow::TavolaWindow(std::unique_ptr<Random> random)
    : GameWindowOf(std::move(random), QStringLiteral("Re"), QStringLiteral("La Tavola Rotonda"), 7140, 6855,
                   qcolour({0, 192, 0})),
      form_(std::make_unique<Form>(client(), tavolaControls))
{
    const Form& form = *form_;
    carte_ = form.pictures("carte");
    Vedi_ = form.picture("Vedi");
    gover_ = form.banner("gover3");
    // Listed in their order on the table, the last on top.
    crossed_ = {form.widget("quad"), line(client(), "Line1", 4680, 240, 5760, 1680, frameRed, 4),
                line(client(), "Line2", 4680, 1680, 5760, 240, frameRed, 4)};
    for (const ControlLine& entry : tavolaControls)
        if (std::string_view(entry.name).starts_with("bonus"))
            bonusPanel_.push_back(form.widget(QString::fromLatin1(entry.name)));
    bonusPanel_.push_back(line(client(), "bonus10", 2640, 3720, 3480, 3720, navy, 2));
    // The announcement stands at the top of its banner, clear of the name box below it.
    form.banner("rct")->label()->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The listing leaves a name box white.
    QPalette paper = form.textBox("rci")->palette();
    paper.setColor(QPalette::Base, QColor(255, 255, 192));
    form.textBox("rci")->setPalette(paper);

    connectArray(carte_, this, &TavolaWindow::carte_Click, &TavolaWindow::carte_MouseMove);
    connect(Vedi_, &PictureBox::clicked, this, &TavolaWindow::Vedi_Click);
    connect(Vedi_, &PictureBox::mouseMoved, this, &TavolaWindow::Vedi_MouseMove);
    clock_ = new ClockLine(this, form);
    connect(clock_, &ClockLine::second, this, &TavolaWindow::Timer1_Timer);
    record_ = new RecordPanel(*this, form, recordLayout, TavolaRules::recordRules());
    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova"), QKeySequence(QStringLiteral("Ctrl+N")),
                QKeySequence(QStringLiteral("Ctrl+E")));

    setIconGroup(900); // the window's own crown, outside the catalogue's numbers
    record_->read();
    for (PictureBox* card : carte_)
        card->setPicture(pictures::emptyPlace);
    form.picture("Mazzo")->setPicture(pictures::redBack);
    form.picture("Mazzo")->setState(QStringLiteral("mazzo"));
    Vedi_->setPicture(pictures::emptyPlace);
    form.picture("Image1")->setPicture(rules_.photograph());
    speakBoard();
}

TavolaWindow::~TavolaWindow() = default;

void TavolaWindow::Nuova_Click()
{
    startGame();
    setBonusVisible(false);
    gover_->setVisible(false);
    gover_->setFaceColour(qcolour(messageRed));
    record_->withdraw();
    rules_.newGame();
    clock_->start();
    showBoard();
}

void TavolaWindow::Vedi_Click()
{
    if (rules_.pickUp())
        showBoard();
}

void TavolaWindow::carte_Click(int index)
{
    switch (rules_.playCell(index)) {
    case TavolaOutcome::Nothing:
        return;
    case TavolaOutcome::WrongMove:
        mossaerrata();
        return;
    case TavolaOutcome::Won:
        vincita();
        return;
    case TavolaOutcome::Lost:
        showBoard();
        gameover();
        return;
    case TavolaOutcome::Placed:
    case TavolaOutcome::Cleared:
        showBoard();
        return;
    }
}

void TavolaWindow::mossaerrata()
{
    showMessage(QStringLiteral("Mossa Errata"), qcolour(messageRed), messageTop);
    // "Nuova" or "Esci" may come during the second: a new game has put its own board up, and a
    // closing window is not touched again.
    if (!pauseFor(TavolaRules::wrongMoveSeconds))
        return;
    rules_.endWrongMove();
    gover_->setVisible(false);
    speakBoard();
}

void TavolaWindow::gameover()
{
    clock_->stop();
    showMessage(QStringLiteral("GAME OVER"), qcolour(messageRed), messageTop);
}

void TavolaWindow::vincita()
{
    clock_->stop();
    // The board is drawn won: every card and frame gone, the photograph whole, the hand empty; the
    // clock still shows the time played until the bonus is taken off it.
    showBoard();
    const std::optional<TavolaBonus> bonus = rules_.bonus();
    clock_->show(bonus ? bonus->elapsed : rules_.seconds());
    if (!holdFor(TavolaRules::winHold))
        return;
    showMessage(QStringLiteral("Hai Vinto"), qcolour(winBlue), winMessageTop);
    if (bonus) {
        showBonus(*bonus);
        setBonusVisible(true);
        if (!holdFor(TavolaRules::winHold))
            return;
        setBonusVisible(false);
        repaint();
    }
    if (record_->isBeatenBy(rules_.seconds()))
        record_->offer(rules_.seconds());
}

// The sum written out on the bonus card, and read out whole by its title.
void TavolaWindow::showBonus(const TavolaBonus& bonus)
{
    const int numbers[] = {bonus.elapsed / 60, bonus.elapsed % 60, bonus.cards, bonus.perCard,
                           bonus.bonus / 60,   bonus.bonus % 60,   bonus.total / 60, bonus.total % 60};
    QString sum = QStringLiteral("BONUS CARTE: Tempo %1:%2, meno Carte %3 X %4 = %5:%6, Totale %7:%8");
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        const QString field = QString::fromStdString(text::twoDigits(numbers[i]));
        form_->label(QString::fromLatin1(bonusFieldNames[i]))->setCaption(field);
        sum = sum.arg(field);
    }
    accessible::setName(form_->label("bonus3"), sum);
    clock_->show(bonus.total);
}

void TavolaWindow::showMessage(const QString& caption, QColor face, int top)
{
    gover_->setFaceColour(face);
    gover_->setCaption(caption);
    place(gover_->face(), 840, top, 3015, 615);
    place(gover_->shadow(), 960, top + 120, 3015, 615);
    place(gover_->label(), 840, top + 45, 3015, 495);
    gover_->setVisible(true);
    // Shown at once: a wait may follow.
    for (QWidget* part : {static_cast<QWidget*>(gover_->shadow()), static_cast<QWidget*>(gover_->face()),
                          static_cast<QWidget*>(gover_->label())})
        part->repaint();
    speakBoard();
}

void TavolaWindow::setBonusVisible(bool visible)
{
    for (QWidget* part : bonusPanel_)
        part->setVisible(visible);
}

void TavolaWindow::showBoard()
{
    const bool won = rules_.state() == TavolaRules::State::Won;
    for (int i = 0; i < TavolaRules::cells; ++i) {
        PictureBox* card = carte_[static_cast<std::size_t>(i)];
        card->setPicture(cards::frenchPicture(rules_.cell(i)));
        const bool visible = !won && !rules_.showsPhotograph(i);
        // A court card going onto its place takes its cell away: the keyboard goes back to the hand
        // card, where the next move starts, rather than to whatever control comes first.
        if (!visible && card->hasFocus())
            Vedi_->setFocus(Qt::OtherFocusReason);
        card->setVisible(visible);
        form_->widget(arrayName("cartaM", i))->setVisible(rules_.isSelected(i));
    }
    Vedi_->setPicture(cards::frenchPicture(rules_.hand()));
    form_->widget("vediM")->setVisible(rules_.handPickedUp() || rules_.isClearing());
    for (QWidget* cross : crossed_)
        cross->setVisible(rules_.isClearing());
    form_->label("rimane")->setCaption(QString::number(rules_.cardsLeft()));
    clock_->show(rules_.seconds());
    speakBoard();
}

// What the frames and the pointer show, said beside each card: the selected cards, the cells that
// take a move now, the hand card picked up or crossed out.
void TavolaWindow::speakBoard()
{
    for (int i = 0; i < TavolaRules::cells; ++i) {
        QString state;
        if (rules_.isSelected(i))
            state = QStringLiteral("selezionata");
        else if (rules_.canPlayCell(i))
            state = QStringLiteral("giocabile");
        carte_[static_cast<std::size_t>(i)]->setState(state);
    }
    QString hand = QStringLiteral("in mano");
    if (rules_.isClearing())
        hand += QStringLiteral(", bloccata");
    else if (rules_.handPickedUp())
        hand += QStringLiteral(", selezionata");
    else if (rules_.canPickUp())
        hand += QStringLiteral(", giocabile");
    Vedi_->setState(hand);
}

void TavolaWindow::Timer1_Timer()
{
    rules_.secondPassed();
    clock_->show(rules_.seconds());
}

void TavolaWindow::carte_MouseMove(int index)
{
    setPointer(carte_[static_cast<std::size_t>(index)], rules_.canPlayCell(index) ? Pointer::Hand : Pointer::Arrow);
}

void TavolaWindow::Vedi_MouseMove() { setPointer(Vedi_, rules_.canPickUp() ? Pointer::Hand : Pointer::Arrow); }
