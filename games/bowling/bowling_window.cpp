// Bowling's window: lays out the lane, turns clicks into the rules' moves and plays back what they show.
#include "games/bowling/bowling_window.h"

#include "shell/codepage.h"
#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"
#include "shell/dialogs.h"
#include "shell/random.h"
#include "shell/record_entry.h"
#include "shell/waits.h"

#include <QStringList>
#include <initializer_list>

namespace {

constexpr Rgb ink{0, 0, 0};
constexpr Rgb chalk{255, 255, 255};
constexpr Rgb cream{255, 255, 192};
constexpr Rgb frameYellow{255, 255, 0};
constexpr Rgb board{0, 96, 0};
constexpr Rgb gold{255, 215, 0};
const QColor felt(0, 192, 0);
const QColor dimmed(110, 160, 110);

constexpr int cardW = 975;
constexpr int cardH = 1455;

constexpr ControlLine bowlingControls[] = {
    // The pins, a triangle with its wide end at the top.
    picture("CarteB(0)", 360, 360, cardW, cardH),
    picture("CarteB(1)", 1440, 360, cardW, cardH),
    picture("CarteB(2)", 2520, 360, cardW, cardH),
    picture("CarteB(3)", 3600, 360, cardW, cardH),
    picture("CarteB(4)", 840, 1920, cardW, cardH),
    picture("CarteB(5)", 1920, 1920, cardW, cardH),
    picture("CarteB(6)", 3000, 1920, cardW, cardH),
    picture("CarteB(7)", 1320, 3480, cardW, cardH),
    picture("CarteB(8)", 2400, 3480, cardW, cardH),
    picture("CarteB(9)", 1800, 5040, cardW, cardH),
    // The ball piles: each card a little lower than the one before and lying on it.
    picture("Mazzo(0)", 5520, 360, cardW, cardH),
    picture("Mazzo(1)", 5520, 840, cardW, cardH),
    picture("Mazzo(2)", 5520, 1320, cardW, cardH),
    picture("Mazzo(3)", 5520, 1800, cardW, cardH),
    picture("Mazzo(4)", 5520, 2280, cardW, cardH),
    picture("Mazzo(5)", 6600, 360, cardW, cardH),
    picture("Mazzo(6)", 6600, 840, cardW, cardH),
    picture("Mazzo(7)", 6600, 1320, cardW, cardH),
    picture("Mazzo(8)", 7680, 360, cardW, cardH),
    picture("Mazzo(9)", 7680, 840, cardW, cardH),
    // The highlights: 0 to 9 on the pins, 10 + k on ball k.
    rectangle("mascher(0)", 360, 360, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(1)", 1440, 360, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(2)", 2520, 360, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(3)", 3600, 360, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(4)", 840, 1920, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(5)", 1920, 1920, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(6)", 3000, 1920, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(7)", 1320, 3480, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(8)", 2400, 3480, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(9)", 1800, 5040, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(10)", 5520, 360, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(11)", 5520, 840, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(12)", 5520, 1320, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(13)", 5520, 1800, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(14)", 5520, 2280, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(15)", 6600, 360, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(16)", 6600, 840, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(17)", 6600, 1320, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(18)", 7680, 360, cardW, cardH).border(frameYellow, 3).hidden(),
    rectangle("mascher(19)", 7680, 840, cardW, cardH).border(frameYellow, 3).hidden(),

    // The three commands, each a label on its plate.
    roundedRectangle("giocax", 6720, 3405, 735, 375).fill(cream).border(ink, 2).hidden(),
    button("Label2", 6720, 3405, 735, 375, "Gioca").font(10, true).hidden(),
    roundedRectangle("scart", 7560, 2925, 975, 375).fill(cream).border(ink, 2),
    button("scartt", 7560, 2925, 975, 375, "Scarta").font(10, true),
    roundedRectangle("termina", 7560, 3410, 975, 375).fill(cream).border(ink, 2),
    button("terminat", 7560, 3410, 975, 375, "Termina").font(10, true),

    label("Label10", 3480, 5780, 0, 0, "BIRILLI").font(10, true).piece(),
    label("somma", 3360, 6060, 975, 375, "0").font(16, true).align(Qt::AlignHCenter | Qt::AlignTop).fore(chalk),
    label("Label1", 240, 7020, 0, 0, "Carte Prese:").font(12, true).piece(),
    label("prese", 2160, 7020, 0, 0, "0").font(12, true).fore(chalk),

    // The score board on its own dark panel.
    rectangle("tabellone", 5040, 4080, 3600, 2760).fill(board).border(gold, 2),
    label("Label8(0)", 5280, 4210, 3120, 0, "TABELLONE").font(11, true).fore(gold),
    label("Label8(3)", 5280, 4560, 0, 0, "1° Partita").font(10, true).fore(chalk).piece(),
    label("Label8(4)", 5280, 4920, 0, 0, "2° Partita").font(10, true).fore(chalk).piece(),
    label("Label8(5)", 5280, 5280, 0, 0, "3° Partita").font(10, true).fore(chalk).piece(),
    label("Label8(6)", 5280, 5640, 0, 0, "4° Partita").font(10, true).fore(chalk).piece(),
    label("Label8(7)", 5280, 6000, 0, 0, "5° Partita").font(10, true).fore(chalk).piece(),
    label("PuntiP(0)", 7440, 4560, 735, 300, "--").font(10, true).align(Qt::AlignRight | Qt::AlignTop).fore(chalk),
    label("PuntiP(1)", 7440, 4920, 735, 300, "--").font(10, true).align(Qt::AlignRight | Qt::AlignTop).fore(chalk),
    label("PuntiP(2)", 7440, 5280, 735, 300, "--").font(10, true).align(Qt::AlignRight | Qt::AlignTop).fore(chalk),
    label("PuntiP(3)", 7440, 5640, 735, 300, "--").font(10, true).align(Qt::AlignRight | Qt::AlignTop).fore(chalk),
    label("PuntiP(4)", 7440, 6000, 735, 300, "--").font(10, true).align(Qt::AlignRight | Qt::AlignTop).fore(chalk),
    label("Label8(1)", 5160, 6360, 0, 0, "Totale").font(12, true).fore(gold).piece(),
    label("totale", 7320, 6360, 855, 330, "000").font(12, true).align(Qt::AlignRight | Qt::AlignTop).fore(gold),

    label("Label7", 4800, 7020, 0, 0, "Record:").font(12, true).piece(),
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
    label("Label6", 8880, 6900, 0, 0, "30%").font(14, true).fore(chalk),

    // The strike and spare plate: the word on its coloured band, a sign at either end.
    rectangle("winner1", 480, 2520, 3855, 1095).fill(chalk).border(ink, 2).hidden(),
    rectangle("winner2", 1200, 2640, 2415, 855).fill({255, 0, 0}).border(ink, 1).hidden(),
    label("winnert", 1200, 2640, 2415, 855, "STRIKE").font(22, true).align(Qt::AlignCenter).fore(chalk).hidden(),
    label("winnert1", 480, 2520, 720, 1095, "X").font(30, true).align(Qt::AlignCenter).hidden(),
    label("winnert2", 3615, 2520, 720, 1095, "X").font(30, true).align(Qt::AlignCenter).hidden(),
};

constexpr QRect errorPlace(600, 2760, 3615, 615);
constexpr QRect solvedPlace(480, 1320, 3855, 615);
constexpr QRect gameOverPlace(960, 2580, 2895, 615);
constexpr QRect recordPlace(720, 3840, 3375, 975);
constexpr QRect recordCaptionPlace(720, 3900, 3375, 375);
constexpr QRect reciPlace(1560, 4380, 1695, 285);

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

// A ball is worth its face, or ten or twenty more; the ten only ever ten.
QString ballWorth(int value)
{
    if (value == 10)
        return QStringLiteral("vale 10");
    return QStringLiteral("vale %1, %2 o %3").arg(value).arg(value + 10).arg(value + 20);
}

void dimWhenDisabled(QWidget* control)
{
    QPalette p = control->palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, dimmed);
    control->setPalette(p);
}

} // namespace

BowlingWindow::BowlingWindow(std::unique_ptr<Random> random)
    : GameWindow(QStringLiteral("Bowling"), QStringLiteral("Bowling - TOA-TOA Games"), 12615, 7530, felt),
      random_(std::move(random)), rules_(*random_), record_(BowlingRules::recordRules())
{
    QWidget* area = client();
    Form form(area, bowlingControls);
    // The cards lie at places no single step describes, so the listing names each element itself.
    for (int i = 0; i < BowlingRules::pins; ++i)
        CarteB_.push_back(form.picture(arrayName("CarteB", i)));
    for (int k = 0; k < BowlingRules::balls; ++k)
        Mazzo_.push_back(form.picture(arrayName("Mazzo", k)));
    for (int i = 0; i < BowlingRules::deckSize; ++i)
        mascher_.push_back(form.shape(arrayName("mascher", i)));
    Label2_ = form.label(QStringLiteral("Label2"));
    giocax_ = form.shape(QStringLiteral("giocax"));
    scartt_ = form.label(QStringLiteral("scartt"));
    scart_ = form.shape(QStringLiteral("scart"));
    terminat_ = form.label(QStringLiteral("terminat"));
    somma_ = form.label(QStringLiteral("somma"));
    prese_ = form.label(QStringLiteral("prese"));
    for (int g = 0; g < BowlingRules::games; ++g) {
        rowCaptions_.push_back(form.label(arrayName("Label8", g + 3)));
        dimWhenDisabled(rowCaptions_.back());
    }
    for (int g = 0; g < BowlingRules::games; ++g) {
        PuntiP_.push_back(form.label(arrayName("PuntiP", g)));
        dimWhenDisabled(PuntiP_.back());
    }
    totale_ = form.label(QStringLiteral("totale"));
    pt_ = form.label(QStringLiteral("pt"));
    nome_ = form.label(QStringLiteral("nome"));
    winner1_ = form.shape(QStringLiteral("winner1"));
    winner2_ = form.shape(QStringLiteral("winner2"));
    winnert_ = form.label(QStringLiteral("winnert"));
    winnert1_ = form.label(QStringLiteral("winnert1"));
    winnert2_ = form.label(QStringLiteral("winnert2"));
    winnert_->setAlert(true);

    somma_->setReadAs(QStringLiteral("Birilli"));
    prese_->setReadAs(QStringLiteral("Carte Prese"));
    for (int g = 0; g < BowlingRules::games; ++g)
        PuntiP_[static_cast<std::size_t>(g)]->setReadAs(rowCaptions_[static_cast<std::size_t>(g)]->caption());
    totale_->setReadAs(QStringLiteral("Totale"));
    pt_->setReadAs(QStringLiteral("Record"));
    nome_->setReadAs(QStringLiteral("Nome"));
    form.label(QStringLiteral("Label6"))->setReadAs(QStringLiteral("Indice Riuscita"));

    connectArray(CarteB_, this, &BowlingWindow::CarteB_Click, &BowlingWindow::CarteB_MouseMove);
    connectArray(Mazzo_, this, &BowlingWindow::Mazzo_Click, &BowlingWindow::Mazzo_MouseMove);
    connect(Label2_, &Label::clicked, this, &BowlingWindow::Label2_Click);
    connect(scartt_, &Label::clicked, this, &BowlingWindow::scartt_Click);
    connect(terminat_, &Label::clicked, this, &BowlingWindow::terminat_Click);
    for (Label* button : {Label2_, scartt_, terminat_}) {
        dimWhenDisabled(button);
        connect(button, &Label::mouseMoved, this, [this, button] { button_MouseMove(button); });
    }

    errore_ = std::make_unique<Banner>(area, QStringLiteral("erroret"), QStringLiteral("errore"), QStringLiteral("errore1"),
                                       errorPlace, QString(),
                                       BannerLook{QColor(255, 255, 160), QColor(176, 0, 0), QColor(0, 0, 0), 16, true});
    ris_ = std::make_unique<Banner>(area, QStringLiteral("rist"), QStringLiteral("ris"), QStringLiteral("ris1"),
                                    solvedPlace, fromStd(std::string(BowlingRules::solvedText)),
                                    BannerLook{QColor(0, 0, 128), QColor(255, 215, 0), QColor(0, 0, 0), 16, true});
    go_ = std::make_unique<Banner>(area, QStringLiteral("got"), QStringLiteral("go1"), QStringLiteral("go2"),
                                   gameOverPlace, fromStd(std::string(BowlingRules::gameOverText)),
                                   BannerLook{QColor(160, 0, 0), QColor(255, 255, 255), QColor(0, 0, 0), 18, true});
    rec_ = std::make_unique<Banner>(area, QStringLiteral("rect"), QStringLiteral("rec1"), QStringLiteral("rec2"),
                                    recordPlace, QStringLiteral("Nuovo Record"),
                                    BannerLook{QColor(255, 255, 0), QColor(176, 0, 0), QColor(0, 0, 0), 14, true});
    rec_->placeCaption(recordCaptionPlace);
    reci_ = new TextBox(area, QStringLiteral("reci"), reciPlace, RecordFile::nameLength);
    reci_->hide();
    entry_ = new RecordEntry(*this, *reci_, record_);
    connect(entry_, &RecordEntry::written, this, [this](bool) { showRecord(); });

    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova Partita"), QKeySequence(QStringLiteral("Ctrl+N")),
                QKeySequence(QStringLiteral("Ctrl+E")));
    Form_Load();
}

BowlingWindow::~BowlingWindow() = default;

void BowlingWindow::Form_Load()
{
    setIconGroup(101);
    Nuova_Click();
}

void BowlingWindow::showRecord()
{
    nome_->setCaption(codepage::fromWestern(record_.holder()));
    pt_->setCaption(fromStd(record_.valueCaption()));
}

void BowlingWindow::Nuova_Click()
{
    record_.read(recordDirectory());
    showRecord();
    entry_->withdraw();
    hideBanners();
    rules_.nuovaPartita();
    shownGame_ = rules_.gameNumber();
    for (Label* button : {Label2_, scartt_, terminat_})
        setPointer(button, Pointer::Hand);
    clearPinPointers();
    draw(rules_.table());
}

void BowlingWindow::hideBanners()
{
    errore_->setVisible(false);
    ris_->setVisible(false);
    go_->setVisible(false);
    rec_->setVisible(false);
    for (QWidget* part : std::initializer_list<QWidget*>{winner1_, winner2_, winnert_, winnert1_, winnert2_})
        part->hide();
}

void BowlingWindow::clearPinPointers()
{
    for (PictureBox* pin : CarteB_)
        setPointer(pin, Pointer::Arrow);
}

void BowlingWindow::draw(const BowlingTable& t)
{
    for (int i = 0; i < BowlingRules::pins; ++i) {
        const auto at = static_cast<std::size_t>(i);
        CarteB_[at]->setPicture(t.pinPicture[at]);
        CarteB_[at]->setVisible(t.pinShown[at]);
        mascher_[at]->setVisible(t.pinFramed[at]);
        CarteB_[at]->setState(t.pinFramed[at] ? QStringLiteral("birillo, selezionata") : QStringLiteral("birillo"));
    }
    for (int k = 0; k < BowlingRules::balls; ++k) {
        const auto at = static_cast<std::size_t>(k);
        Mazzo_[at]->setPicture(t.ballPicture[at]);
        Mazzo_[at]->setVisible(t.ballShown[at]);
        mascher_[at + BowlingRules::pins]->setVisible(t.ballFramed[at]);
        QStringList state{QStringLiteral("palla")};
        if (t.ballValue[at] > 0)
            state.push_back(ballWorth(t.ballValue[at]));
        if (t.ballFramed[at])
            state.push_back(QStringLiteral("selezionata"));
        Mazzo_[at]->setState(state.join(QStringLiteral(", ")));
    }
    somma_->setCaption(fromStd(t.somma));
    prese_->setCaption(fromStd(t.prese));
    totale_->setCaption(fromStd(t.totale));
    for (int g = 0; g < BowlingRules::games; ++g) {
        const auto at = static_cast<std::size_t>(g);
        PuntiP_[at]->setCaption(fromStd(t.scores[at]));
        PuntiP_[at]->setEnabled(g < t.rowsEnabled);
        rowCaptions_[at]->setEnabled(g < t.rowsEnabled);
    }
    Label2_->setVisible(t.gioca);
    giocax_->setVisible(t.gioca);
    scartt_->setVisible(t.scarta);
    scart_->setVisible(t.scarta);
    scartt_->setEnabled(t.buttonsEnabled);
    terminat_->setEnabled(t.buttonsEnabled);
}

bool BowlingWindow::pause(double seconds)
{
    if (isLeaving())
        return false;
    // Nothing is held before the window is on the screen: there is nothing to watch.
    if (!isVisible())
        return true;
    return hold(*this, seconds);
}

void BowlingWindow::showBanner(BowlingBanner banner, const QString& text, bool visible)
{
    switch (banner) {
    case BowlingBanner::Error:
        errore_->setCaption(text);
        errore_->setVisible(visible);
        break;
    case BowlingBanner::Strike:
    case BowlingBanner::Spare: {
        const bool strike = banner == BowlingBanner::Strike;
        winner2_->setFill(strike ? QColor(255, 0, 0) : QColor(0, 0, 255));
        const QColor sign = strike ? QColor(128, 0, 0) : QColor(0, 0, 128);
        for (Label* end : {winnert1_, winnert2_}) {
            end->setCaption(strike ? QStringLiteral("X") : QStringLiteral("/"));
            end->setForeColour(sign);
        }
        winnert_->setCaption(text);
        for (QWidget* part : std::initializer_list<QWidget*>{winner1_, winner2_, winnert_, winnert1_, winnert2_}) {
            part->setVisible(visible);
            if (visible)
                part->raise();
        }
        break;
    }
    case BowlingBanner::Solved:
        ris_->setVisible(visible);
        break;
    case BowlingBanner::GameOver:
        go_->setVisible(visible);
        break;
    }
}

bool BowlingWindow::play(const std::vector<BowlingStep>& steps)
{
    for (const BowlingStep& step : steps) {
        switch (step.kind) {
        case BowlingStep::Kind::Table:
            draw(step.table);
            break;
        case BowlingStep::Kind::Message:
            showBanner(step.banner, fromStd(step.text), true);
            if (!pause(step.hold))
                return false;
            if (!step.keep)
                showBanner(step.banner, {}, false);
            break;
        case BowlingStep::Kind::Pause:
            if (!pause(step.hold))
                return false;
            break;
        case BowlingStep::Kind::Record:
            mettirecord();
            break;
        }
    }
    // A new game was dealt: the pins start again without pointer pictures.
    if (rules_.gameNumber() != shownGame_) {
        shownGame_ = rules_.gameNumber();
        clearPinPointers();
    }
    draw(rules_.table());
    return true;
}

void BowlingWindow::mettirecord()
{
    if (!record_.isBeatenBy(rules_.total()))
        return;
    rec_->setVisible(true);
    entry_->offer(rules_.total());
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
    play(rules_.gioca());
}

void BowlingWindow::scartt_Click()
{
    if (rules_.isOver() || rules_.discardUsed())
        return;
    play(rules_.scarta());
}

void BowlingWindow::terminat_Click()
{
    if (rules_.isOver())
        return;
    if (askYesNo(this, QStringLiteral("TERMINARE LA MANO?"), QStringLiteral("Sei sicuro che non ci sono più messe?"))) {
        play(rules_.termina());
        return;
    }
    rules_.keepPlaying();
    draw(rules_.table());
}

void BowlingWindow::CarteB_MouseMove(int index)
{
    PictureBox* pin = CarteB_[static_cast<std::size_t>(index)];
    if (rules_.isOver())
        return;
    if (rules_.selectedBall() >= 0)
        setPointer(pin, rules_.selectedCount() < BowlingRules::mostPins ? Pointer::Hand : Pointer::NoEntry);
    if (rules_.isPinSelected(index))
        setPointer(pin, Pointer::Hand);
    // Otherwise the pin keeps the pointer it had until the next deal or "Gioca".
}

void BowlingWindow::Mazzo_MouseMove(int index)
{
    // With a ball in hand only that ball reacts (it is put back); the others wait.
    const int inHand = rules_.selectedBall();
    const bool throwable = !rules_.isOver() && rules_.ballState(index) == BallState::FaceUp
                           && (inHand < 0 || inHand == index);
    setPointer(Mazzo_[static_cast<std::size_t>(index)], throwable ? Pointer::Hand : Pointer::Arrow);
}

void BowlingWindow::button_MouseMove(Label* button)
{
    // At the end of the match the commands no longer react, so they lose the hand.
    setPointer(button, rules_.isOver() ? Pointer::Arrow : Pointer::Hand);
}
