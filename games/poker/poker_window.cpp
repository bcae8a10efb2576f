// The Poker window: lays out the table and plays back, one by one, what the rules say happened.
#include "games/poker/poker_window.h"

#include "shell/controls/accessible.h"
#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/random.h"
#include "shell/record_panel.h"
#include "shell/text_formats.h"

#include <algorithm>

namespace {

constexpr int positions = PokerHand::size;
// The score is shown, and the record kept, in six digits.
constexpr int scoreDigits = 6;
// Six digits cannot hold a million: such a score is kept as the highest they can.
constexpr long long largestStored = 999999;

// The felt of the table, its white words and black shadows, the gold of "Gioca" and the record.
constexpr Rgb felt{0, 96, 48}, white{255, 255, 255}, black{0, 0, 0}, gold{255, 204, 0};
// The pay table: navy, yellow words, the paid row dark red.
constexpr Rgb navy{0, 0, 112}, yellow{255, 255, 0}, darkRed{176, 0, 0};
// The plaque of a new record.
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

// The pay table's rows run from the top hand down; the bottom row sits a little lower.
constexpr int payRowTop(int row) { return row == 7 ? 2890 : 360 + 360 * row; }
// maspo(k), the paid row's light, lies on the row of the hand with code k + 1.
constexpr TwipsPoint onPaidRow(int k) { return {0, payRowTop(7 - k)}; }
// The blanks in each caption set its points apart: the caption must stay on one line.
constexpr ControlLine payRow(const char* name, int row, const char* caption)
{
    return label(name, 360, payRowTop(row), 5235, 255, caption).font(10, true).oneLine()
        .align(Qt::AlignLeft | Qt::AlignVCenter).fore(yellow);
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
    rectangle("maspo", 240, 0, 5415, 255).array(8).placed(onPaidRow).fill(darkRed).border(yellow).hidden(),
    payRow("winner(0)", 0, "Scala Reale                                            2000 Punti"),
    payRow("winner(1)", 1, "Poker                                                       1000 Punti"),
    payRow("winner(2)", 2, "Colore                                                       700 Punti"),
    payRow("winner(3)", 3, "Full                                                             500 Punti"),
    payRow("winner(4)", 4, "Scala                                                          300 Punti"),
    payRow("winner(5)", 5, "Tris                                                             200 Punti"),
    payRow("winner(6)", 6, "Doppia Coppia                                       100 Punti"),
    payRow("winner(7)", 7, "Coppia Vestita                                          50 Punti"),

    picture("CarteP", 360, 3840, 975, 1455).array(positions, positions, 1080),
    roundedRectangle("mascherp", 360, 3840, 975, 1455).array(positions, positions, 1080)
        .fill({0, 0, 0, 110}).border({255, 64, 64}, 3).hidden(),
    label("tieni", 360, 5350, 975, 255, "Scarta").array(positions, positions, 1080)
        .font(9, true).align(Qt::AlignCenter).fore(yellow).hidden(),

    roundedRectangle("gioca", 2280, 5655, 1455, 375).fill(gold).border(black, 2),
    button("Label1", 2280, 5700, 1455, 255, "Gioca").font(10, true),

    whiteLabel("Label2(0)", 240, 6120, 0, 0, "Punteggio:", 10).piece(),
    whiteLabel("xxx", 1440, 6120, 975, 255, "000000", 10).readAs("Punteggio"),
    whiteLabel("Label2(1)", 4200, 6120, 0, 0, "Crediti:", 10).piece(),
    whiteLabel("crd", 5040, 6120, 735, 255, "10", 10).readAs("Crediti"),

    whiteLabel("Label4", 6000, 240, 0, 0, "Regole", 11),
    label("Label3", 6000, 600, 1800, 4200,
          "Questo Poker in solitario, ha le stesse regole di un normale Video Poker (dove la vincita minima aprte da "
          "una coppia di J, Q, K o A), ma con delle aggiunte.Partirete con 10 Crediti che diminuiranno di 1 ogni "
          "volta che perderete.Ogni 1000 Punti raggiunti, vi verranno dati altri e 5 Crediti. Il gioco finisce "
          "quando avrete finito i Crediti.").fore(white),
    recordLine("Label5", 6120, 4950, 1575, "RECORD").fore(gold).piece(),
    recordLine("recpk", 6120, 5400, 1575, "000000"),
    recordLine("nome", 6000, 5880, 1695, "CPU"),

    rectangle("rc2", 1680, 5160, 2895, 900).fill(black).hidden(),
    rectangle("rc1", 1560, 5040, 2895, 900).fill(paper).border(darkRed, 2).hidden(),
    // The caption keeps to the top of its place, clear of the name box that overlaps its lower part.
    label("rct", 1680, 5160, 2655, 495, "NUOVO RECORD").font(14, true).align(Qt::AlignHCenter | Qt::AlignTop)
        .fore({255, 0, 0}).alert().hidden(),
    textBox("rci", 2160, 5520, 1695, 285).hidden(),

    banner("vincita", "vin1", "vin2", 1440, 4200, 2895, 615).face(messageColour(PokerStep::Message::Win)).fore(white)
        .shadow(black, 120),
};

// The record line reads "000050" and the holder below it; "RECORD" above them is their heading.
const RecordPanelLayout pokerRecord{{"recpk", "nome"}, "recpk", "nome", {"rc2", "rc1", "rct"}, "rci"};

// The word under a card marked to be changed, also what a screen reader says of the card.
const QString scarta = QStringLiteral("Scarta");

} // namespace

RecordRules pokerRecordRules()
{
    RecordRules rules{{"rcpkr.dat", 0xB7, scoreDigits},
                      RecordRules::Better::Higher,
                      0,
                      "CPU",
                      [](long long v) { return text::zeroPadded(std::clamp(v, 0LL, largestStored), scoreDigits); },
                      [](std::string_view s) { return text::readNumber(s); }};
    // The record line shows the name up to its first blank.
    rules.holderCaption = [](std::string_view name) { return std::string(name.substr(0, name.find(' '))); };
    rules.shortFileKeepsHolder = true;
    rules.nameWithoutValueCounts = true;
    return rules;
}

PokerWindow::PokerWindow(std::unique_ptr<Random> random)
    : GameWindowOf(std::move(random), QStringLiteral("Pokerfrm"), QStringLiteral("Poker - TOA-TOA Games"), 7920, 6600, qcolour(felt))
{
    form_ = std::make_unique<const Form>(client(), pokerControls);
    CarteP_ = form_->pictures("CarteP");
    mascherp_ = form_->shapes("mascherp");
    tieni_ = form_->labels("tieni");
    maspo_ = form_->shapes("maspo");
    connectArray(CarteP_, this, &PokerWindow::CarteP_Click, &PokerWindow::CarteP_MouseMove);
    Label* button = form_->label("Label1");
    connect(button, &Label::clicked, this, &PokerWindow::Label1_Click);
    connect(button, &Label::mouseMoved, this, [button] { setPointer(button, Pointer::Hand); });
    form_->banner("vincita")->placeCaption(QRect(1560, 4320, 2535, 375));
    record_ = new RecordPanel(*this, *form_, pokerRecord, pokerRecordRules());

    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova Partita"), QKeySequence(), QKeySequence());
    setIconGroup(103);
    Nuova_Click();
}

PokerWindow::~PokerWindow() = default;

LeavingQuestion PokerWindow::leavingQuestion() const
{
    return rules_.isOver() ? backToMenuQuestion : abandonQuestion;
}

void PokerWindow::Nuova_Click()
{
    startGame();
    record_->read();
    record_->withdraw();
    const auto steps = rules_.nuovaPartita();
    for (int i = 0; i < positions; ++i)
        CarteP_MouseMove(i);
    setPointer(form_->label("Label1"), Pointer::Hand);
    play(steps, [this](const PokerStep& step) { showStep(step); });
}

void PokerWindow::showStep(const PokerStep& step)
{
    // A message stays up until the next thing happens.
    Banner* vincita = form_->banner("vincita");
    if (vincita->isVisible()) {
        vincita->setVisible(false);
        client()->repaint();
    }
    switch (step.kind) {
    case PokerStep::Kind::Card: {
        PictureBox* card = CarteP_[static_cast<std::size_t>(step.position)];
        card->setPicture(step.faceUp ? cards::frenchPicture(step.card) : pictures::redBack);
        card->repaint();
        break;
    }
    case PokerStep::Kind::Valued:
        // Nothing is marked or played while the hand is valued.
        for (Shape* marker : mascherp_)
            marker->hide();
        form_->label("Label1")->hide();
        form_->shape("gioca")->hide();
        if (step.code != HandCode::None)
            litRow(static_cast<int>(step.code), true);
        break;
    case PokerStep::Kind::Message:
        vincita->setFaceColour(qcolour(messageColour(step.message)));
        vincita->setCaption(QString::fromStdString(step.text));
        vincita->setVisible(true);
        break;
    case PokerStep::Kind::Credits:
        form_->label("crd")->setCaption(QString::fromStdString(text::twoDigits(step.value)));
        form_->label("crd")->repaint();
        break;
    case PokerStep::Kind::Score:
        form_->label("xxx")->setCaption(QString::fromStdString(text::zeroPadded(step.value, scoreDigits)));
        break;
    case PokerStep::Kind::NewHand:
        ripulisci();
        break;
    case PokerStep::Kind::GameOver:
        gameOver();
        break;
    }
}

void PokerWindow::ripulisci()
{
    form_->shape("gioca")->show();
    form_->label("Label1")->show();
    for (int i = 0; i < positions; ++i) {
        CarteP_[static_cast<std::size_t>(i)]->setEnabled(true);
        markCard(i, false);
    }
    for (int code = 1; code <= static_cast<int>(maspo_.size()); ++code)
        litRow(code, false);
    client()->repaint();
}

void PokerWindow::gameOver()
{
    if (record_->isBeatenBy(rules_.score()))
        record_->offer(rules_.score());
    for (int i = 0; i < positions; ++i) {
        markCard(i, false);
        CarteP_[static_cast<std::size_t>(i)]->setEnabled(false);
        CarteP_MouseMove(i);
    }
    client()->repaint();
}

void PokerWindow::litRow(int code, bool on)
{
    maspo_[static_cast<std::size_t>(code - 1)]->setVisible(on);
    Label* row = form_->label(arrayName("winner", static_cast<int>(maspo_.size()) - code));
    const QString name = on ? row->text().simplified() + QStringLiteral(", vincente") : QString();
    accessible::setName(row, name);
}

void PokerWindow::markCard(int index, bool marked)
{
    const auto at = static_cast<std::size_t>(index);
    tieni_[at]->setVisible(marked);
    mascherp_[at]->setVisible(marked);
    CarteP_[at]->setState(marked ? scarta : QString());
}

void PokerWindow::CarteP_MouseMove(int index)
{
    // Once the game is over the backs take no clicks, so they lose the hand.
    setPointer(CarteP_[static_cast<std::size_t>(index)], rules_.isOver() ? Pointer::Arrow : Pointer::Hand);
}

void PokerWindow::CarteP_Click(int index)
{
    rules_.toggleMark(index);
    markCard(index, rules_.hand().isMarked(index));
}

void PokerWindow::Label1_Click()
{
    // The steps are the rules' own: if the window goes while a message is held, nothing of it is touched.
    const auto draw = [this](const PokerStep& step) { showStep(step); };
    if (play(rules_.carica(), draw))
        play(rules_.controlla(), draw);
}
