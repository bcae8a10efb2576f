// The Poker window: lays out the table and plays back, one by one, what the rules say the player sees.
#include "games/poker/poker_window.h"

#include "shell/codepage.h"
#include "shell/controls/accessible.h"
#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"
#include "shell/random.h"
#include "shell/record_entry.h"
#include "shell/waits.h"

namespace {

constexpr int positions = PokerHand::size;
constexpr int rows = 8;

constexpr Rgb felt{0, 96, 48};
constexpr Rgb white{255, 255, 255};
constexpr Rgb black{0, 0, 0};
constexpr Rgb gold{255, 204, 0};
constexpr Rgb navy{0, 0, 112};
constexpr Rgb yellow{255, 255, 0};
constexpr Rgb darkRed{176, 0, 0};
constexpr Rgb paper{255, 255, 208};

// The message panel's face, one colour for each kind of message.
constexpr Rgb messageColour(PokerStep::Message message)
{
    switch (message) {
    case PokerStep::Message::Win:
        return {255, 128, 128};
    case PokerStep::Message::Loss:
        return {128, 128, 255};
    case PokerStep::Message::GameOver:
        return {192, 0, 0};
    case PokerStep::Message::Bonus:
        return {192, 192, 0};
    }
    return {};
}

// The pay table's lit row, and the caption it lies under; the rows run from the top hand down.
constexpr ControlLine litRow(const char* name, int top)
{
    return rectangle(name, 240, top, 5415, 255).fill(darkRed).border(yellow).hidden();
}
// The blanks in each caption set its points apart: the caption must stay on one line.
constexpr ControlLine payRow(const char* name, int top)
{
    return label(name, 360, top, 5235, 255).font(10, true).oneLine().align(Qt::AlignLeft | Qt::AlignVCenter).fore(yellow);
}
constexpr ControlLine whiteLabel(const char* name, int l, int t, int w, int h, const char* caption, double size)
{
    return label(name, l, t, w, h, caption).font(size, true).fore(white);
}
constexpr ControlLine recordLine(const char* name, int l, int t, int w, const char* caption)
{
    return whiteLabel(name, l, t, w, 375, caption, 12).align(Qt::AlignHCenter | Qt::AlignTop);
}

constexpr ControlLine pokerControls[] = {
    // The pay table: a dark board with the eight rows, the paid row lit behind its caption.
    rectangle("tabella", 120, 240, 5655, 3030).fill(navy).border(gold, 2),
    // maspo(k) lies on the row of the hand with code k + 1.
    litRow("maspo(0)", 2890), litRow("maspo(1)", 2520), litRow("maspo(2)", 2160), litRow("maspo(3)", 1800),
    litRow("maspo(4)", 1440), litRow("maspo(5)", 1080), litRow("maspo(6)", 720), litRow("maspo(7)", 360),
    payRow("winner(0)", 360), payRow("winner(1)", 720), payRow("winner(2)", 1080), payRow("winner(3)", 1440),
    payRow("winner(4)", 1800), payRow("winner(5)", 2160), payRow("winner(6)", 2520), payRow("winner(7)", 2890),

    picture("CarteP", 360, 3840, 975, 1455).array(positions, positions, 1080),
    roundedRectangle("mascherp", 360, 3840, 975, 1455).array(positions, positions, 1080)
        .fill({0, 0, 0, 110}).border({255, 64, 64}, 3).hidden(),
    label("tieni", 360, 5350, 975, 255, "Scarta").array(positions, positions, 1080)
        .font(9, true).align(Qt::AlignCenter).fore(yellow).hidden(),

    roundedRectangle("gioca", 2280, 5655, 1455, 375).fill(gold).border(black, 2),
    button("Label1", 2280, 5700, 1455, 255, "Gioca").font(10, true),

    whiteLabel("Label2(0)", 240, 6120, 0, 0, "Punteggio:", 10).piece(),
    whiteLabel("xxx", 1440, 6120, 975, 255, "000000", 10),
    whiteLabel("Label2(1)", 4200, 6120, 0, 0, "Crediti:", 10).piece(),
    whiteLabel("crd", 5040, 6120, 735, 255, "10", 10),

    whiteLabel("Label4", 6000, 240, 0, 0, "Regole", 11),
    label("Label3", 6000, 600, 1800, 4200,
          "Questo Poker in solitario, ha le stesse regole di un normale Video Poker (dove la vincita minima aprte da "
          "una coppia di J, Q, K o A), ma con delle aggiunte.Partirete con 10 Crediti che diminuiranno di 1 ogni "
          "volta che perderete.Ogni 1000 Punti raggiunti, vi verranno dati altri e 5 Crediti. Il gioco finisce "
          "quando avrete finito i Crediti.").fore(white),
    recordLine("Label5", 6120, 4950, 1575, "RECORD").fore(gold).piece(),
    recordLine("recpk", 6120, 5400, 1575, "000000"),
    recordLine("nome", 6000, 5880, 1695, "CPU").piece(),

    rectangle("rc2", 1680, 5160, 2895, 900).fill(black).hidden(),
    rectangle("rc1", 1560, 5040, 2895, 900).fill(paper).border(darkRed, 2).hidden(),
    // The caption keeps to the top of its place, clear of the name box that overlaps its lower part.
    label("rct", 1680, 5160, 2655, 495, "NUOVO RECORD").font(14, true).align(Qt::AlignHCenter | Qt::AlignTop)
        .fore({255, 0, 0}).hidden(),
    textBox("rci", 2160, 5520, 1695, 285).hidden(),
};

QString qtext(const std::string& s) { return QString::fromStdString(s); }

// The word under a card marked to be changed, also what a screen reader says of the card.
const QString scarta = QStringLiteral("Scarta");

} // namespace

PokerWindow::PokerWindow(std::unique_ptr<Random> random)
    : GameWindow(QStringLiteral("Pokerfrm"), QStringLiteral("Poker - TOA-TOA Games"), 7920, 6600, qcolour(felt)),
      random_(std::move(random)), game_(*random_), record_(pokerRecordRules())
{
    QWidget* area = client();
    const Form form(area, pokerControls);

    for (int k = 0; k < rows; ++k) {
        maspo_.push_back(form.shape(arrayName("maspo", k)));
        winner_.push_back(form.label(arrayName("winner", k)));
        winner_.back()->setCaption(qtext(payTableCaptions()[static_cast<std::size_t>(k)]));
    }
    CarteP_ = form.pictures("CarteP");
    mascherp_ = form.shapes("mascherp");
    tieni_ = form.labels("tieni");
    connectArray(CarteP_, this, &PokerWindow::CarteP_Click, &PokerWindow::CarteP_MouseMove);
    gioca_ = form.shape(QStringLiteral("gioca"));
    Label1_ = form.label(QStringLiteral("Label1"));
    connect(Label1_, &Label::clicked, this, &PokerWindow::Label1_Click);
    connect(Label1_, &Label::mouseMoved, this, [this] { setPointer(Label1_, Pointer::Hand); });
    xxx_ = form.label(QStringLiteral("xxx"));
    xxx_->setReadAs(QStringLiteral("Punteggio"));
    crd_ = form.label(QStringLiteral("crd"));
    crd_->setReadAs(QStringLiteral("Crediti"));
    recpk_ = form.label(QStringLiteral("recpk"));
    nome_ = form.label(QStringLiteral("nome"));

    TextBox* rci = form.textBox(QStringLiteral("rci"));
    recordPanel_ = {form.shape(QStringLiteral("rc2")), form.shape(QStringLiteral("rc1")), form.label(QStringLiteral("rct"))};
    form.label(QStringLiteral("rct"))->setAlert(true);
    entry_ = new RecordEntry(*this, *rci, record_);
    connect(entry_, &RecordEntry::written, this, &PokerWindow::showRecord);

    vincita_ = std::make_unique<Banner>(area, QStringLiteral("vincita"), QStringLiteral("vin1"), QStringLiteral("vin2"),
                                        QRect(1440, 4200, 2895, 615), QString(),
                                        BannerLook{qcolour(messageColour(PokerStep::Message::Win)), qcolour(white),
                                                   qcolour(black), 14, true, 120});
    vincita_->placeCaption(QRect(1560, 4320, 2535, 375));

    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova Partita"), QKeySequence(), QKeySequence());
    Form_Load();
}

PokerWindow::~PokerWindow() = default;

void PokerWindow::Form_Load()
{
    setIconGroup(103);
    Nuova_Click();
}

LeavingQuestion PokerWindow::leavingQuestion() const
{
    return game_.isOver() ? backToMenuQuestion : abandonQuestion;
}

void PokerWindow::Nuova_Click()
{
    LeggiRecord();
    const auto steps = game_.nuovaPartita();
    for (int i = 0; i < positions; ++i)
        CarteP_MouseMove(i);
    setPointer(Label1_, Pointer::Hand);
    play(steps);
}

void PokerWindow::LeggiRecord()
{
    record_.read(recordDirectory());
    game_.setRecord(record_.value());
    showRecord();
}

void PokerWindow::showRecord()
{
    // The score alone would be a bare number: it is read with the holder, as "Record: MARCO 001200".
    const QString spoken = QStringLiteral("Record: %1 %2")
                               .arg(codepage::fromWestern(record_.holder()), qtext(record_.valueCaption()))
                               .simplified();
    if (recpk_->accessibleName() != spoken) {
        recpk_->setAccessibleName(spoken);
        accessible::nameChanged(recpk_);
    }
    nome_->setCaption(codepage::fromWestern(record_.holder()));
    recpk_->setCaption(qtext(record_.valueCaption()));
    nome_->repaint();
    recpk_->repaint();
}

bool PokerWindow::pause(double seconds)
{
    if (isLeaving())
        return false;
    // The first deal runs before the window is shown: there is nothing to watch, so no waiting.
    if (!isVisible())
        return true;
    return hold(*this, seconds);
}

bool PokerWindow::play(const std::vector<PokerStep>& steps)
{
    for (const PokerStep& step : steps) {
        const auto at = static_cast<std::size_t>(step.index);
        switch (step.kind) {
        case PokerStep::Kind::Card:
            CarteP_[at]->setPicture(step.picture);
            CarteP_[at]->repaint();
            if (step.hold > 0 && !pause(step.hold))
                return false;
            break;
        case PokerStep::Kind::HideControls:
            for (Shape* marker : mascherp_)
                marker->hide();
            Label1_->hide();
            gioca_->hide();
            break;
        case PokerStep::Kind::Highlight:
            maspo_[at]->show();
            litRow(at, true);
            break;
        case PokerStep::Kind::Banner:
            if (!showMessage(step))
                return false;
            break;
        case PokerStep::Kind::Credits:
            crd_->setCaption(qtext(step.text));
            crd_->repaint();
            break;
        case PokerStep::Kind::Score:
            xxx_->setCaption(qtext(step.text));
            break;
        case PokerStep::Kind::Ripulisci:
            ripulisci();
            break;
        case PokerStep::Kind::NewRecord:
            newrecord();
            break;
        case PokerStep::Kind::CardsDisabled:
            disableCards();
            break;
        }
    }
    return true;
}

bool PokerWindow::showMessage(const PokerStep& step)
{
    vincita_->setFaceColour(qcolour(messageColour(step.message)));
    vincita_->setCaption(qtext(step.text));
    vincita_->setVisible(true);
    if (!pause(step.hold))
        return false;
    vincita_->setVisible(false);
    client()->repaint();
    return true;
}

void PokerWindow::ripulisci()
{
    gioca_->show();
    Label1_->show();
    for (int i = 0; i < positions; ++i) {
        const auto at = static_cast<std::size_t>(i);
        CarteP_[at]->setEnabled(true);
        markCard(i, false);
        mascherp_[at]->hide();
    }
    for (QWidget* part : recordPanel_)
        part->hide();
    entry_->withdraw();
    vincita_->setVisible(false);
    for (std::size_t k = 0; k < maspo_.size(); ++k) {
        maspo_[k]->hide();
        litRow(k, false);
    }
    client()->repaint();
}

void PokerWindow::litRow(std::size_t lit, bool on)
{
    // maspo(k) lies under the row of the hand with code k + 1, the rows running from the top hand down.
    Label* row = winner_[winner_.size() - 1 - lit];
    const QString name = on ? row->text().simplified() + QStringLiteral(", vincente") : QString();
    if (row->accessibleName() == name)
        return;
    row->setAccessibleName(name);
    accessible::nameChanged(row);
}

void PokerWindow::markCard(int index, bool marked)
{
    const auto at = static_cast<std::size_t>(index);
    tieni_[at]->setVisible(marked);
    CarteP_[at]->setState(marked ? scarta : QString());
}

void PokerWindow::newrecord()
{
    for (QWidget* part : recordPanel_) {
        part->show();
        part->raise();
    }
    entry_->offer(game_.score());
    client()->repaint();
}

void PokerWindow::disableCards()
{
    for (int i = 0; i < positions; ++i) {
        markCard(i, false);
        CarteP_[static_cast<std::size_t>(i)]->setEnabled(false);
        CarteP_MouseMove(i);
    }
}

void PokerWindow::CarteP_MouseMove(int index)
{
    // Once the game is over the backs take no clicks, so they lose the hand.
    setPointer(CarteP_[static_cast<std::size_t>(index)], game_.isOver() ? Pointer::Arrow : Pointer::Hand);
}

void PokerWindow::CarteP_Click(int index)
{
    const auto at = static_cast<std::size_t>(index);
    if (!CarteP_[at]->isEnabled())
        return;
    const bool marked = game_.toggleMark(index);
    markCard(index, marked);
    mascherp_[at]->setVisible(marked);
}

void PokerWindow::Label1_Click()
{
    if (Label1_->isHidden() || game_.isOver())
        return;
    // The steps are local copies: if the window goes while a message is held, nothing of it is touched.
    const std::vector<PokerStep> draw = game_.carica();
    if (!play(draw))
        return;
    const std::vector<PokerStep> result = game_.controlla();
    play(result);
}
