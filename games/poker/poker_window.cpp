// The Poker window: lays out the table and plays back, one by one, what the rules say the player sees.
#include "games/poker/poker_window.h"

#include "shell/card_pictures.h"
#include "shell/codepage.h"
#include "shell/controls/banner.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"
#include "shell/random.h"
#include "shell/record_file.h"
#include "shell/waits.h"

namespace {

constexpr RecordScheme records{"rcpkr.dat", 0xB7, pokerRecordValueWidth};

constexpr int positions = PokerHand::size;
constexpr int rows = 8;
constexpr int cardTop = 3840;
constexpr int cardWidth = 975;
constexpr int cardHeight = 1455;
constexpr int cardLeft(int i) { return 360 + 1080 * i; }
// maspo(k) lies on the row of the hand with code k + 1; the rows run from the top hand down.
constexpr int highlightTop[rows] = {2890, 2520, 2160, 1800, 1440, 1080, 720, 360};

const QColor felt(0, 96, 48);
const QColor white(255, 255, 255);
const QColor black(0, 0, 0);
const QColor gold(255, 204, 0);
const QColor navy(0, 0, 112);
const QColor yellow(255, 255, 0);
const QColor darkRed(176, 0, 0);
const QColor paper(255, 255, 208);

const QString rulesText = QStringLiteral(
    "Questo Poker in solitario, ha le stesse regole di un normale Video Poker (dove la vincita minima aprte da una "
    "coppia di J, Q, K o A), ma con delle aggiunte.Partirete con 10 Crediti che diminuiranno di 1 ogni volta che "
    "perderete.Ogni 1000 Punti raggiunti, vi verranno dati altri e 5 Crediti. Il gioco finisce quando avrete finito i "
    "Crediti.");

QString indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

QString text(const std::string& s) { return QString::fromStdString(s); }

QColor colour(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

} // namespace

Pokerfrm::Pokerfrm(std::unique_ptr<Random> random)
    : GameWindow(QStringLiteral("Pokerfrm"), QStringLiteral("Poker - TOA-TOA Games"), 7920, 6600, felt),
      random_(std::move(random)), game_(*random_)
{
    QWidget* area = client();

    // The pay table: a dark board with the eight rows, the paid row lit behind its caption.
    auto* board = new Shape(area, QStringLiteral("tabella"), QRect(120, 240, 5655, 3030));
    board->setFill(navy);
    board->setBorder(gold, 2);
    for (int k = 0; k < rows; ++k) {
        auto* row = new Shape(area, indexed("maspo", k), QRect(240, highlightTop[k], 5415, 255));
        row->setFill(darkRed);
        row->setBorder(yellow, 1);
        row->hide();
        maspo_.push_back(row);
    }
    for (int r = 0; r < rows; ++r) {
        auto* row = new Label(area, indexed("winner", r), QRect(360, highlightTop[rows - 1 - r], 5235, 255),
                              text(payTableCaptions()[static_cast<std::size_t>(r)]), 10, true);
        // The blanks in each caption set its points apart: the caption must stay on one line.
        row->setWordWrap(false);
        row->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        row->setForeColour(yellow);
    }

    for (int i = 0; i < positions; ++i) {
        auto* card = new PictureBox(area, indexed("CarteP", i), QRect(cardLeft(i), cardTop, cardWidth, cardHeight));
        connect(card, &PictureBox::clicked, this, [this, i] { CarteP_Click(i); });
        connect(card, &PictureBox::mouseMoved, this, [this, i] { CarteP_MouseMove(i); });
        CarteP_.push_back(card);
    }
    for (int i = 0; i < positions; ++i) {
        auto* marker = new Shape(area, indexed("mascherp", i), QRect(cardLeft(i), cardTop, cardWidth, cardHeight),
                                 Shape::Kind::RoundedRectangle);
        marker->setFill(QColor(0, 0, 0, 110));
        marker->setBorder(QColor(255, 64, 64), 3);
        marker->hide();
        mascherp_.push_back(marker);
        auto* mark = new Label(area, indexed("tieni", i), QRect(cardLeft(i), 5350, cardWidth, 255),
                               QStringLiteral("Scarta"), 9, true);
        mark->setAlignment(Qt::AlignCenter);
        mark->setForeColour(yellow);
        mark->hide();
        tieni_.push_back(mark);
    }

    gioca_ = new Shape(area, QStringLiteral("gioca"), QRect(2280, 5655, 1455, 375), Shape::Kind::RoundedRectangle);
    gioca_->setFill(gold);
    gioca_->setBorder(black, 2);
    Label1_ = new Label(area, QStringLiteral("Label1"), QRect(2280, 5700, 1455, 255), QStringLiteral("Gioca"), 10, true);
    Label1_->setAlignment(Qt::AlignCenter);
    connect(Label1_, &Label::clicked, this, &Pokerfrm::Label1_Click);
    connect(Label1_, &Label::mouseMoved, this, [this] { setPointer(Label1_, Pointer::Hand); });

    auto whiteLabel = [area](const QString& name, const QRect& twips, const QString& caption, qreal size,
                             bool bold = true) {
        auto* label = new Label(area, name, twips, caption, size, bold);
        label->setForeColour(white);
        return label;
    };
    whiteLabel(QStringLiteral("Label2(0)"), QRect(240, 6120, 0, 0), QStringLiteral("Punteggio:"), 10);
    xxx_ = whiteLabel(QStringLiteral("xxx"), QRect(1440, 6120, 975, 255), QStringLiteral("000000"), 10);
    whiteLabel(QStringLiteral("Label2(1)"), QRect(4200, 6120, 0, 0), QStringLiteral("Crediti:"), 10);
    crd_ = whiteLabel(QStringLiteral("crd"), QRect(5040, 6120, 735, 255), QStringLiteral("10"), 10);

    whiteLabel(QStringLiteral("Label4"), QRect(6000, 240, 0, 0), QStringLiteral("Regole"), 11);
    whiteLabel(QStringLiteral("Label3"), QRect(6000, 600, 1800, 4200), rulesText, 8, false);

    auto* recordTitle = whiteLabel(QStringLiteral("Label5"), QRect(6120, 4950, 1575, 375), QStringLiteral("RECORD"), 12);
    recordTitle->setForeColour(gold);
    recpk_ = whiteLabel(QStringLiteral("recpk"), QRect(6120, 5400, 1575, 375), QStringLiteral("000000"), 12);
    nome_ = whiteLabel(QStringLiteral("nome"), QRect(6000, 5880, 1695, 375), QStringLiteral("CPU"), 12);
    for (Label* label : {recordTitle, recpk_, nome_})
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    vincita_ = std::make_unique<Banner>(area, QStringLiteral("vincita"), QStringLiteral("vin1"), QStringLiteral("vin2"),
                                        QRect(1440, 4200, 2895, 615), QString(),
                                        BannerLook{colour(winColour), white, black, 14, true, 120});
    vincita_->placeCaption(QRect(1560, 4320, 2535, 375));

    rc2_ = new Shape(area, QStringLiteral("rc2"), QRect(1680, 5160, 2895, 900));
    rc2_->setFill(black);
    rc1_ = new Shape(area, QStringLiteral("rc1"), QRect(1560, 5040, 2895, 900));
    rc1_->setFill(paper);
    rc1_->setBorder(darkRed, 2);
    // The caption keeps to the top of its place, clear of the name box that overlaps its lower part.
    rct_ = new Label(area, QStringLiteral("rct"), QRect(1680, 5160, 2655, 495), QStringLiteral("NUOVO RECORD"), 14, true);
    rct_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    rct_->setForeColour(QColor(255, 0, 0));
    rci_ = new TextBox(area, QStringLiteral("rci"), QRect(2160, 5520, 1695, 285), RecordFile::nameLength);
    connect(rci_, &TextBox::keyPress, this, &Pokerfrm::rci_KeyPress);
    for (QWidget* part : std::initializer_list<QWidget*>{rc2_, rc1_, rct_, rci_})
        part->hide();

    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova Partita"), QKeySequence(), QKeySequence());
    Form_Load();
}

Pokerfrm::~Pokerfrm() = default;

void Pokerfrm::Form_Load()
{
    setIconGroup(103);
    Nuova_Click();
}

LeavingQuestion Pokerfrm::leavingQuestion() const
{
    return game_.isOver() ? backToMenuQuestion : abandonQuestion;
}

void Pokerfrm::Nuova_Click()
{
    rci_->setEnabled(true);
    LeggiRecord();
    const auto steps = game_.nuovaPartita();
    for (int i = 0; i < positions; ++i)
        CarteP_MouseMove(i);
    setPointer(Label1_, Pointer::Hand);
    play(steps);
}

void Pokerfrm::LeggiRecord()
{
    const RecordText stored = recordFile(records).read();
    const PokerRecord record = readPokerRecord(stored.name + stored.value, codepage::toWestern(nome_->caption()));
    game_.setRecord(record);
    nome_->setCaption(codepage::fromWestern(record.holder));
    recpk_->setCaption(text(record.valueCaption()));
}

bool Pokerfrm::pause(double seconds)
{
    if (isLeaving())
        return false;
    // The first deal runs before the window is shown: there is nothing to watch, so no waiting.
    if (!isVisible())
        return true;
    return hold(*this, seconds);
}

bool Pokerfrm::play(const std::vector<PokerStep>& steps)
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
            break;
        case PokerStep::Kind::Banner:
            if (!showMessage(step))
                return false;
            break;
        case PokerStep::Kind::Credits:
            crd_->setCaption(text(step.text));
            crd_->repaint();
            break;
        case PokerStep::Kind::Score:
            xxx_->setCaption(text(step.text));
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

bool Pokerfrm::showMessage(const PokerStep& step)
{
    vincita_->setFaceColour(colour(step.colour));
    vincita_->setCaption(text(step.text));
    vincita_->setVisible(true);
    if (!pause(step.hold))
        return false;
    vincita_->setVisible(false);
    client()->repaint();
    return true;
}

void Pokerfrm::ripulisci()
{
    gioca_->show();
    Label1_->show();
    for (int i = 0; i < positions; ++i) {
        const auto at = static_cast<std::size_t>(i);
        CarteP_[at]->setEnabled(true);
        tieni_[at]->hide();
        mascherp_[at]->hide();
    }
    for (QWidget* part : std::initializer_list<QWidget*>{rc2_, rc1_, rct_, rci_})
        part->hide();
    vincita_->setVisible(false);
    for (Shape* row : maspo_)
        row->hide();
    client()->repaint();
}

void Pokerfrm::newrecord()
{
    for (QWidget* part : std::initializer_list<QWidget*>{rc2_, rc1_, rct_, rci_}) {
        part->show();
        part->raise();
    }
    rci_->setFocus();
    client()->repaint();
}

void Pokerfrm::disableCards()
{
    for (int i = 0; i < positions; ++i) {
        const auto at = static_cast<std::size_t>(i);
        tieni_[at]->hide();
        CarteP_[at]->setEnabled(false);
        CarteP_MouseMove(i);
    }
}

void Pokerfrm::CarteP_MouseMove(int index)
{
    // Once the game is over the backs take no clicks, so they lose the hand.
    setPointer(CarteP_[static_cast<std::size_t>(index)], game_.isOver() ? Pointer::Arrow : Pointer::Hand);
}

void Pokerfrm::CarteP_Click(int index)
{
    const auto at = static_cast<std::size_t>(index);
    if (!CarteP_[at]->isEnabled())
        return;
    const bool marked = game_.toggleMark(index);
    tieni_[at]->setVisible(marked);
    mascherp_[at]->setVisible(marked);
}

void Pokerfrm::Label1_Click()
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

void Pokerfrm::rci_KeyPress(int keyAscii)
{
    if (keyAscii != 13 || !rci_->isEnabled() || !game_.isNewRecord())
        return;
    const std::string name = takeRecordName(*rci_);
    for (PictureBox* card : CarteP_)
        card->setEnabled(false);
    nome_->setCaption(codepage::fromWestern(recordHolderCaption(name)));
    recpk_->setCaption(text(game_.recordValueText()));
    // A record file that cannot be written costs the record, never the game: the record line then
    // shows what the file still holds.
    if (!recordFile(records).write(name, game_.recordValueText()))
        LeggiRecord();
    nome_->repaint();
    recpk_->repaint();
}
