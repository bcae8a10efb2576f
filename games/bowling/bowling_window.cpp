// Bowling's window: lays out the lane, turns clicks into the rules' moves and plays back what they show.
#include "games/bowling/bowling_window.h"

#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/dialogs.h"
#include "shell/random.h"
#include "shell/record_panel.h"
#include "shell/text_formats.h"

#include <QStringList>

namespace {

constexpr Rgb ink{0, 0, 0}, chalk{255, 255, 255}, cream{255, 255, 192}, gold{255, 215, 0};
// The text of a score row or a command that does not react yet, or no longer.
constexpr Rgb dimmed{110, 160, 110};
constexpr int cardW = 975, cardH = 1455;
// The left edges of the pin triangle and of the first ball pile.
constexpr int pinsLeft = 360, ballsLeft = 5520;

// The pins lie in rows of four, three, two and one, each row half a card further in than the one above.
constexpr TwipsPoint pinPlace(int i)
{
    const int row = i < 4 ? 0 : i < 7 ? 1 : i < 9 ? 2 : 3;
    const int first = 4 * row - row * (row - 1) / 2;
    return {480 * row + 1080 * (i - first), 1560 * row};
}

// Three piles of five, three and two balls, each card a little lower than the one before and lying on it.
constexpr TwipsPoint ballPlace(int k)
{
    const int pile = k < 5 ? 0 : k < 8 ? 1 : 2;
    const int first = pile == 0 ? 0 : pile == 1 ? 5 : 8;
    return {1080 * pile, 480 * (k - first)};
}

// The highlights: 0 to 9 on the pins, 10 + k on ball k.
constexpr TwipsPoint framePlace(int i)
{
    if (i < BowlingRules::pins)
        return pinPlace(i);
    const TwipsPoint ball = ballPlace(i - BowlingRules::pins);
    return {ballsLeft - pinsLeft + ball.x, ball.y};
}

constexpr ControlLine bowlingControls[] = {
    picture("CarteB", pinsLeft, 360, cardW, cardH).array(BowlingRules::pins).placed(pinPlace),
    picture("Mazzo", ballsLeft, 360, cardW, cardH).array(BowlingRules::balls).placed(ballPlace),
    rectangle("mascher", pinsLeft, 360, cardW, cardH).array(BowlingRules::deckSize).placed(framePlace)
        .border({255, 255, 0}, 3).hidden(),

    // The three commands, each a label on its plate.
    roundedRectangle("giocax", 6720, 3405, 735, 375).fill(cream).border(ink, 2).hidden(),
    button("Label2", 6720, 3405, 735, 375, "Gioca").font(10, true).greyed(dimmed).hidden(),
    roundedRectangle("scart", 7560, 2925, 975, 375).fill(cream).border(ink, 2),
    button("scartt", 7560, 2925, 975, 375, "Scarta").font(10, true).greyed(dimmed),
    roundedRectangle("termina", 7560, 3410, 975, 375).fill(cream).border(ink, 2),
    button("terminat", 7560, 3410, 975, 375, "Termina").font(10, true).greyed(dimmed),

    label("Label10", 3480, 5780, 0, 0, "BIRILLI").font(10, true).piece(),
    label("somma", 3360, 6060, 975, 375, "0").font(16, true).align(Qt::AlignHCenter | Qt::AlignTop).fore(chalk)
        .readAs("Birilli"),
    label("Label1", 240, 7020, 0, 0, "Carte Prese:").font(12, true).piece(),
    label("prese", 2160, 7020, 0, 0, "0").font(12, true).fore(chalk).readAs("Carte Prese"),

    // The score board on its own dark panel; the rows of games not yet begun are greyed.
    rectangle("tabellone", 5040, 4080, 3600, 2760).fill({0, 96, 0}).border(gold, 2),
    label("Label8(0)", 5280, 4210, 3120, 0, "TABELLONE").font(11, true).fore(gold),
    label("Label8(3)", 5280, 4560, 0, 0, "1° Partita").font(10, true).fore(chalk).greyed(dimmed).piece(),
    label("Label8(4)", 5280, 4920, 0, 0, "2° Partita").font(10, true).fore(chalk).greyed(dimmed).piece(),
    label("Label8(5)", 5280, 5280, 0, 0, "3° Partita").font(10, true).fore(chalk).greyed(dimmed).piece(),
    label("Label8(6)", 5280, 5640, 0, 0, "4° Partita").font(10, true).fore(chalk).greyed(dimmed).piece(),
    label("Label8(7)", 5280, 6000, 0, 0, "5° Partita").font(10, true).fore(chalk).greyed(dimmed).piece(),
    label("PuntiP", 7440, 4560, 735, 300, "--").array(BowlingRules::games, 1, 0, 360).font(10, true)
        .align(Qt::AlignRight | Qt::AlignTop).fore(chalk).greyed(dimmed),
    label("Label8(1)", 5160, 6360, 0, 0, "Totale").font(12, true).fore(gold).piece(),
    label("totale", 7320, 6360, 855, 330, "000").font(12, true).align(Qt::AlignRight | Qt::AlignTop).fore(gold)
        .readAs("Totale"),

    label("Label7", 4800, 7020, 0, 0, "Record:").font(12, true),
    label("pt", 6120, 7020, 0, 0, "000").font(12, true).fore(chalk),
    label("nome", 6960, 7020, 0, 0, "CPU").font(12, true).fore(chalk),

    label("Label4", 8880, 240, 0, 0, "Regole").font(11, true),
    label("Label9", 8880, 600, 3540, 5760,
          "In questo gioco, dovrete eliminare le 10 carte, che  rappresentano i birilli, utiliz- zando le altre 10 "
          "carte che rappre- senteranno le palle. Vince il solitario chi, nelle 5 partite, effettua un punteggio mag- "
          "giore o uguale a 100. Le carte birillo della prima fila, non possono essere eliminare se non si è stata "
          "tolta almeno una carta delle 3 file sotto; Con ogni carta palla si possono togliere da 1 a 3 carte "
          "birillo. Se si tolgono 2 o 3 carte, queste devono essere adiacenti fra loro; Le carte palla hanno sia il "
          "loro va- lore facciale sia lo stesso valore aumentato di 10 o di 20. Solo la carta 10 vale sempre 10. Le "
          "carte birillo hanno solo il loro valore. Con una carta palla, si possono togliere o una carta birillo "
          "dello stesso valore, o 2 o 3 carte birillo adiacenti la cui somma sia uguale al valore di una carta "
          "palla. Quando non si vuole o non si possono giocare le carte palla, premendo SCARTA, si tolgono dal gioco "
          "e vengono girate le carte suc- cessive (se disponibili). Questa scelta, viene offerta una sola volta a "
          "partita. Il tasto TERMINA si usa quando non ci sono più prese disponibili. Lo STRIKE vale 30 punti, lo "
          "SPARE (se si usa il tasto SCARTA) 20 punti altrimenti 1 punto ogni carta abbattuta.")
        .font(8)
        .align(Qt::AlignJustify | Qt::AlignTop),
    label("Label5", 8880, 6600, 0, 0, "Indice Riuscita").font(10, true).piece(),
    label("Label6", 8880, 6900, 0, 0, "30%").font(14, true).fore(chalk).readAs("Indice Riuscita"),

    // The strike and spare plate: the word on its coloured band, a sign at either end.
    rectangle("winner1", 480, 2520, 3855, 1095).fill(chalk).border(ink, 2).hidden(),
    rectangle("winner2", 1200, 2640, 2415, 855).fill({255, 0, 0}).border(ink, 1).hidden(),
    label("winnert", 1200, 2640, 2415, 855, "STRIKE").font(22, true).align(Qt::AlignCenter).fore(chalk).alert().hidden(),
    label("winnert1", 480, 2520, 720, 1095, "X").font(30, true).align(Qt::AlignCenter).hidden().decoration(),
    label("winnert2", 3615, 2520, 720, 1095, "X").font(30, true).align(Qt::AlignCenter).hidden().decoration(),

    banner("erroret", "errore", "errore1", 600, 2760, 3615, 615).face({255, 255, 160}).fore({176, 0, 0}).font(16, true),
    banner("rist", "ris", "ris1", 480, 1320, 3855, 615, "Solitario Risolto!").face({0, 0, 128}).fore(gold).font(16, true),
    banner("got", "go1", "go2", 960, 2580, 2895, 615, "Game Over").face({160, 0, 0}).fore(chalk).font(18, true),
    banner("rect", "rec1", "rec2", 720, 3840, 3375, 975, "Nuovo Record").face({255, 255, 0}).fore({176, 0, 0})
        .captionAt(720, 3900, 3375, 375),
    textBox("reci", 1560, 4380, 1695, 285).length(RecordFile::nameLength).hidden(),
};

// The record line and, over the lane, the announcement with the name box.
const RecordPanelLayout recordLayout{{"Label7", "pt", "nome"}, "pt", "nome", {"rec2", "rec1", "rect"}, "reci"};

// A ball is worth its face, or ten or twenty more; the ten only ever ten.
QString ballWorth(int value)
{
    if (value == 10)
        return QStringLiteral("vale 10");
    return QStringLiteral("vale %1, %2 o %3").arg(value).arg(value + 10).arg(value + 20);
}

} // namespace

BowlingWindow::BowlingWindow(std::unique_ptr<Random> random)
    : GameWindowOf(std::move(random), QStringLiteral("Bowling"), QStringLiteral("Bowling - TOA-TOA Games"), 12615, 7530, QColor(0, 192, 0))
{
    const Form form(client(), bowlingControls);
    const auto label = [&form](const char* name) { return form.label(QString::fromLatin1(name)); };
    const auto shape = [&form](const char* name) { return form.shape(QString::fromLatin1(name)); };
    CarteB_ = form.pictures("CarteB");
    Mazzo_ = form.pictures("Mazzo");
    mascher_ = form.shapes("mascher");
    Label2_ = label("Label2");
    giocax_ = shape("giocax");
    scartt_ = label("scartt");
    scart_ = shape("scart");
    terminat_ = label("terminat");
    somma_ = label("somma");
    prese_ = label("prese");
    totale_ = label("totale");
    PuntiP_ = form.labels("PuntiP");
    for (int g = 0; g < BowlingRules::games; ++g) {
        rowCaptions_.push_back(form.label(arrayName("Label8", g + 3)));
        PuntiP_[static_cast<std::size_t>(g)]->setReadAs(rowCaptions_.back()->caption());
    }
    winner2_ = shape("winner2");
    winnert_ = label("winnert");
    winnert1_ = label("winnert1");
    winnert2_ = label("winnert2");
    winner_ = {shape("winner1"), winner2_, winnert_, winnert1_, winnert2_};
    errore_ = form.banner(QStringLiteral("erroret"));
    ris_ = form.banner(QStringLiteral("rist"));
    go_ = form.banner(QStringLiteral("got"));
    record_ = new RecordPanel(*this, form, recordLayout, BowlingRules::recordRules());

    connectArray(CarteB_, this, &BowlingWindow::CarteB_Click, &BowlingWindow::CarteB_MouseMove);
    connectArray(Mazzo_, this, &BowlingWindow::Mazzo_Click, &BowlingWindow::Mazzo_MouseMove);
    connect(Label2_, &Label::clicked, this, &BowlingWindow::Label2_Click);
    connect(scartt_, &Label::clicked, this, &BowlingWindow::scartt_Click);
    connect(terminat_, &Label::clicked, this, &BowlingWindow::terminat_Click);
    for (Label* button : {Label2_, scartt_, terminat_})
        connect(button, &Label::mouseMoved, this, [this, button] { button_MouseMove(button); });

    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova Partita"), QKeySequence(QStringLiteral("Ctrl+N")),
                QKeySequence(QStringLiteral("Ctrl+E")));
    setIconGroup(101);
    Nuova_Click();
}

BowlingWindow::~BowlingWindow() = default;

void BowlingWindow::Nuova_Click()
{
    startGame();
    record_->read();
    record_->withdraw();
    hideMessages();
    ris_->setVisible(false);
    go_->setVisible(false);
    rules_.nuovaPartita();
    for (Label* button : {Label2_, scartt_, terminat_})
        setPointer(button, Pointer::Hand);
    clearPinPointers();
    draw(rules_.table());
}

void BowlingWindow::hideMessages()
{
    errore_->setVisible(false);
    for (QWidget* part : winner_)
        part->hide();
}

void BowlingWindow::clearPinPointers()
{
    for (PictureBox* pin : CarteB_)
        setPointer(pin, Pointer::Arrow);
}

// Once the match is over every card shows its back and the commands no longer react.
void BowlingWindow::draw(const BowlingTable& t)
{
    const bool over = t.isOver();
    for (int i = 0; i < BowlingRules::pins; ++i) {
        const auto at = static_cast<std::size_t>(i);
        CarteB_[at]->setPicture(over ? pictures::redBack : cards::frenchPicture(t.deck[at]));
        CarteB_[at]->setVisible(over || t.standing[at]);
        mascher_[at]->setVisible(t.pinSelected[at]);
        CarteB_[at]->setState(t.pinSelected[at] ? QStringLiteral("birillo, selezionata") : QStringLiteral("birillo"));
    }
    for (int k = 0; k < BowlingRules::balls; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const Card& ball = t.deck[at + BowlingRules::pins];
        const bool faceUp = !over && t.ballStates[at] == BallState::FaceUp;
        const bool inHand = t.selectedBall == k;
        Mazzo_[at]->setPicture(faceUp ? cards::frenchPicture(ball) : pictures::redBack);
        Mazzo_[at]->setVisible(over || t.ballStates[at] != BallState::Gone);
        mascher_[at + BowlingRules::pins]->setVisible(inHand);
        QStringList state{QStringLiteral("palla")};
        if (faceUp)
            state.push_back(ballWorth(ball.rank));
        if (inHand)
            state.push_back(QStringLiteral("selezionata"));
        Mazzo_[at]->setState(state.join(QStringLiteral(", ")));
    }
    somma_->setCaption(QString::number(t.somma));
    prese_->setCaption(QString::number(t.prese));
    totale_->setCaption(QString::fromStdString(text::zeroPadded(t.total, 3)));
    for (int g = 0; g < BowlingRules::games; ++g) {
        const auto at = static_cast<std::size_t>(g);
        PuntiP_[at]->setCaption(t.scores[at] < 0 ? QStringLiteral("--") : QString::number(t.scores[at]));
        PuntiP_[at]->setEnabled(g <= t.gameNumber);
        rowCaptions_[at]->setEnabled(g <= t.gameNumber);
    }
    Label2_->setVisible(t.giocaShown);
    giocax_->setVisible(t.giocaShown);
    // "Scarta" is offered once a game; at the end of the match it is back but no longer reacts.
    scartt_->setVisible(over || !t.discardUsed);
    scart_->setVisible(over || !t.discardUsed);
    scartt_->setEnabled(!over);
    terminat_->setEnabled(!over);
}

void BowlingWindow::showStep(const BowlingStep& step)
{
    hideMessages();
    switch (step.kind) {
    case BowlingStep::Kind::Refused:
        errore_->setCaption(QString::fromStdString(step.text));
        errore_->setVisible(true);
        break;
    case BowlingStep::Kind::Scored:
        // The next game is dealt behind the lane shown: its pins start without pointers.
        clearPinPointers();
        draw(step.table);
        break;
    case BowlingStep::Kind::Strike:
    case BowlingStep::Kind::Spare: {
        const bool strike = step.kind == BowlingStep::Kind::Strike;
        winner2_->setFill(strike ? QColor(255, 0, 0) : QColor(0, 0, 255));
        for (Label* end : {winnert1_, winnert2_}) {
            end->setCaption(strike ? QStringLiteral("X") : QStringLiteral("/"));
            end->setForeColour(strike ? QColor(128, 0, 0) : QColor(0, 0, 128));
        }
        winnert_->setCaption(QString::fromStdString(step.text));
        for (QWidget* part : winner_) {
            part->show();
            part->raise();
        }
        break;
    }
    case BowlingStep::Kind::MatchOver:
        draw(rules_.table());
        if (step.solved)
            ris_->setVisible(true);
        break;
    case BowlingStep::Kind::GameOver:
        go_->setVisible(true);
        break;
    }
}

void BowlingWindow::playSteps(const std::vector<BowlingStep>& steps)
{
    if (!GameWindow::play(steps, [this](const BowlingStep& step) { showStep(step); }))
        return;
    hideMessages();
    draw(rules_.table());
    // The match ended with its "Game Over": a better total than the record asks for a name.
    if (!steps.empty() && steps.back().kind == BowlingStep::Kind::GameOver && record_->isBeatenBy(rules_.total()))
        record_->offer(rules_.total());
}

void BowlingWindow::Mazzo_Click(int index)
{
    rules_.selectBall(index);
    draw(rules_.table());
}

void BowlingWindow::CarteB_Click(int index)
{
    rules_.selectPin(index);
    draw(rules_.table());
}

void BowlingWindow::Label2_Click()
{
    if (!rules_.isGiocaShown())
        return;
    clearPinPointers();
    playSteps(rules_.gioca());
}

void BowlingWindow::scartt_Click()
{
    if (rules_.canDiscard())
        playSteps(rules_.scarta());
}

void BowlingWindow::terminat_Click()
{
    if (rules_.isOver())
        return;
    if (askYesNo(this, QStringLiteral("TERMINARE LA MANO?"), QStringLiteral("Sei sicuro che non ci sono più messe?"))) {
        playSteps(rules_.termina());
        return;
    }
    rules_.keepPlaying();
    draw(rules_.table());
}

// With a ball in hand a pin shows whether it may join the selection; otherwise it keeps the pointer it
// had until the next deal or "Gioca".
void BowlingWindow::CarteB_MouseMove(int index)
{
    if (rules_.selectedBall() >= 0)
        setPointer(CarteB_[static_cast<std::size_t>(index)], rules_.canChoosePin(index) ? Pointer::Hand : Pointer::NoEntry);
}

void BowlingWindow::Mazzo_MouseMove(int index)
{
    setPointer(Mazzo_[static_cast<std::size_t>(index)], rules_.canTakeBall(index) ? Pointer::Hand : Pointer::Arrow);
}

void BowlingWindow::button_MouseMove(Label* button)
{
    // At the end of the match the commands no longer react, so they lose the hand.
    setPointer(button, rules_.isOver() ? Pointer::Arrow : Pointer::Hand);
}
