// Napoleone's window: deals with its rhythm, draws the rules' table in the chosen deck, runs the clock and keeps the record.
#include "games/napoleone/napoleone_window.h"

#include "shell/card_pictures.h"
#include "shell/clock.h"
#include "shell/codepage.h"
#include "shell/picture_names.h"
#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"
#include "shell/random.h"
#include "shell/record_entry.h"
#include "shell/shell.h"
#include "shell/text_formats.h"
#include "shell/waits.h"

#include <QActionGroup>
#include <QMenuBar>

namespace {

constexpr int cardWidth = 825;
constexpr int cardHeight = 1170;
constexpr double dealPause = 0.1;

constexpr Rgb felt{0, 160, 0};
constexpr Rgb darkFelt{0, 96, 0};
constexpr Rgb parchment{255, 250, 220};
constexpr Rgb ink{0, 0, 0};
constexpr Rgb straw{255, 236, 139};
constexpr Rgb gold{255, 215, 0};

constexpr const char* rulesText =
    "Questo era il solitario che si diceva facesse Napoleone per sapere se avrebbe avuto successo in battaglia. "
    "Lo scopo del gioco è quello di riportare tutte le carte del mazzo al centro, dove si trovano gli assi. "
    "Potete muovere solo le carte più esterne e  accoppiarle in maniera ascendente o discendente. "
    "Quando non ci sono più carte nella riga, + possibile muovere una carta o un mazzo. "
    "Importante ricordare è il fatto che, se si muove un mazzo (segnato con una piccola carta che rappresenta "
    "quella in fondo), questo verrà rivoltato. ES: Asso come prima e 2 come ultima, si avrà 2 e Asso. "
    "Questo vale anche per il suo travaso su una carta o un'altro mazzo.";

// The table's backing, the foundations and the texts, lowest first; the cells come next, then the
// selection frame and the small pile cards over them.
constexpr ControlLine tableControls[] = {
    rectangle("Shape2", 0, 0, 9975, 5295).fill(felt).border(darkFelt, 1),
    rectangle("Shape3", 0, 5880, 9975, 1455).fill(parchment).border(darkFelt, 1),
    rectangle("Shape5", 0, 5400, 9975, 375).fill(darkFelt).border(darkFelt, 1),
    rectangle("Shape1", 4515, 195, 915, 1260).array(4, 1, 0, 1200).border(gold, 2),
    picture("Mazzo", 4560, 240, cardWidth, cardHeight).array(4, 1, 0, 1200).hidden(),
    label("Label1", 240, 5910, 0, 0, "Regole").font(10, true).fore(ink),
    label("Label4", 120, 6240, 9735, 975, rulesText).font(7.5).fore(ink).align(Qt::AlignJustify | Qt::AlignTop),
    label("Label8(3)", 120, 5430, 0, 0, "Record:").font(10, true).fore(straw).piece(),
    label("record", 1440, 5430, 0, 0, "59:58").font(10, true).fore(straw),
    label("nome", 2400, 5430, 0, 0, "CPU").font(10, true).fore(straw).piece(),
    label("Label2", 8040, 5430, 0, 0, "Tempo:").font(10, true).fore(straw).piece(),
    // The two fields of the clock stand against its colon.
    label("Minuti", 9000, 5430, 240, 300, "00").font(10, true).fore(straw).align(Qt::AlignRight | Qt::AlignTop).oneLine(),
    label("Label3", 9240, 5370, 240, 300, ":").font(10, true).fore(straw).align(Qt::AlignCenter).oneLine().piece(),
    label("secondi", 9480, 5430, 240, 300, "00").font(10, true).fore(straw).oneLine().piece(),
};

// Above every banner: the stars of the record banner and the name box.
constexpr ControlLine entryControls[] = {
    label("ast1", 3120, 2160, 0, 0, "*").font(18, true).fore({176, 0, 0}).hidden(),
    label("ast2", 6000, 2160, 0, 0, "*").font(18, true).fore({176, 0, 0}).hidden(),
    textBox("rci", 3960, 2520, 1935, 285).length(8).hidden(),
};

// Cell c = 8k + 2r + s: k rings out from the centre, row r from the top, side s (0 left).
QRect cellPlace(int c)
{
    const int k = NapoleoneRules::distance(c);
    const int left = NapoleoneRules::side(c) == 0 ? 3600 - 840 * k : 5520 + 840 * k;
    return QRect(left, 240 + 1200 * NapoleoneRules::row(c), cardWidth, cardHeight);
}

int pictureOf(int card, int deckOffset)
{
    const int rank = NapoleoneRules::rank(card);
    const int suit = NapoleoneRules::suit(card);
    return deckOffset == NapoleoneWindow::napoletane ? neapolitanCardPicture(rank, suit)
                                                     : piacentineCardPicture(rank, suit);
}

} // namespace

NapoleoneWindow::NapoleoneWindow(std::unique_ptr<Random> random)
    : GameWindow(QStringLiteral("Napoleone"), QStringLiteral("Napoleone"), 9945, 7335, QColor(0, 192, 0)),
      random_(std::move(random)), rules_(*random_), slot_(NapoleoneRules::recordRules())
{
    QWidget* area = client();
    Form table(area, tableControls);
    Mazzo_ = table.pictures("Mazzo");
    Shape1_ = table.shapes("Shape1");
    for (PictureBox* foundation : Mazzo_)
        foundation->setState(QStringLiteral("al centro"));
    Minuti_ = table.label("Minuti");
    secondi_ = table.label("secondi");
    record_ = table.label("record");
    nome_ = table.label("nome");

    for (int i = 0; i < NapoleoneRules::cellCount; ++i) {
        auto* card = new PictureBox(area, arrayName("sopra", i), cellPlace(i));
        connect(card, &PictureBox::clicked, this, [this, i] { sopra_Click(i); });
        sopra_.push_back(card);
    }
    Traspa1_ = new Shape(area, QStringLiteral("Traspa1"), QRect(0, 0, cardWidth, cardHeight));
    Traspa1_->setBorder(QColor(255, 255, 0), 3);
    Traspa1_->hide();
    for (int i = 0; i < NapoleoneRules::cellCount; ++i) {
        const QRect place = cellPlace(i);
        auto* small = new PictureBox(area, arrayName("sotto", i), QRect(place.x(), place.y() + 615, 285, 555));
        // The small card lies on its cell's corner: a click on it is a click on the cell.
        connect(small, &PictureBox::clicked, this, [this, i] { sopra_Click(i); });
        small->setState(QStringLiteral("in fondo al mazzo"));
        small->hide();
        sotto_.push_back(small);
    }

    BannerLook endLook{QColor(0, 0, 128), qcolour(gold), QColor(0, 0, 0), 16, true};
    endLook.shadowOffset = 120;
    fine_ = std::make_unique<Banner>(area, QStringLiteral("Fine2"), QStringLiteral("fine1"), QStringLiteral("Fine3"),
                                     QRect(3120, 1200, 3615, 495), QStringLiteral("GIOCO RIUSCITO"), endLook);
    fine_->placeCaption(QRect(3240, 1200, 3375, 495));
    fine_->label()->setAlignment(Qt::AlignCenter);
    BannerLook recordLook{QColor(255, 255, 0), QColor(176, 0, 0), QColor(0, 0, 0), 11, true};
    recordLook.shadowOffset = 120;
    rct_ = std::make_unique<Banner>(area, QStringLiteral("rct"), QStringLiteral("rc1"), QStringLiteral("rc3"),
                                    QRect(3000, 2160, 4095, 855), QStringLiteral("NUOVO RECORD"), recordLook);
    rct_->placeCaption(QRect(3960, 2205, 2055, 300));
    rct_->label()->setAlignment(Qt::AlignCenter);

    Form entry(area, entryControls);
    ast1_ = entry.label("ast1");
    ast2_ = entry.label("ast2");
    rci_ = entry.textBox("rci");
    QPalette palette = rci_->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 192));
    rci_->setPalette(palette);
    entry_ = new RecordEntry(*this, *rci_, slot_);
    connect(entry_, &RecordEntry::written, this, &NapoleoneWindow::recordWritten);

    Timer1_ = new Ticker(this);
    Timer1_->setInterval(1000);
    connect(Timer1_, &Ticker::tick, this, &NapoleoneWindow::Timer1_Timer);

    addFileMenu(QStringLiteral("np"), QStringLiteral("Nuova Partita"), QKeySequence(), QKeySequence(), false);
    Tcarte_ = menuBar()->addMenu(QStringLiteral("Tipo Carte"));
    Tcarte_->setObjectName(QStringLiteral("Tcarte"));
    auto* decks = new QActionGroup(this);
    // A choice of one: choosing the checked deck again leaves it checked.
    decks->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    Piace_ = Tcarte_->addAction(QStringLiteral("Piacentine"), this, &NapoleoneWindow::Piace_Click);
    Piace_->setObjectName(QStringLiteral("Piace"));
    Piace_->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    Napo_ = Tcarte_->addAction(QStringLiteral("Napoletane"), this, &NapoleoneWindow::Napo_Click);
    Napo_->setObjectName(QStringLiteral("Napo"));
    Napo_->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    for (QAction* item : {Piace_, Napo_}) {
        item->setCheckable(true);
        decks->addAction(item);
    }
    Shell::fixSize(this);
    Form_Load();
}

NapoleoneWindow::~NapoleoneWindow() = default;

void NapoleoneWindow::Form_Load()
{
    showClock();
    fine_->setVisible(false);
    showRecordBanner(false);
    entry_->withdraw();
    rci_->setEnabled(false);
    slot_.read(recordDirectory());
    showRecord();
    deckOffset_ = piacentine;
    Piace_->setChecked(true);
    setIconGroup(106);
    Converti(deckOffset_);
}

void NapoleoneWindow::showClock()
{
    Minuti_->setCaption(QString::fromStdString(text::twoDigits(rules_.seconds() / 60)));
    secondi_->setCaption(QString::fromStdString(text::twoDigits(rules_.seconds() % 60)));
    Minuti_->setAccessibleName(QStringLiteral("Tempo: %1:%2").arg(Minuti_->caption(), secondi_->caption()));
}

void NapoleoneWindow::showRecord()
{
    record_->setCaption(QString::fromStdString(slot_.valueCaption()));
    nome_->setCaption(codepage::fromWestern(slot_.holder()));
    // The record line is three labels on screen; a screen reader hears it as one.
    record_->setAccessibleName(QStringLiteral("Record: %1 %2").arg(record_->caption(), nome_->caption()).simplified());
}

void NapoleoneWindow::showRecordBanner(bool visible)
{
    rct_->setVisible(visible);
    for (Label* star : {ast1_, ast2_}) {
        star->setVisible(visible);
        if (visible)
            star->raise();
    }
}

// While the cards go out nothing else may touch the table: not a second deal, not a click, not a
// change of deck. The actions themselves are disabled, since a shortcut outlives its greyed menu.
void NapoleoneWindow::setDealing(bool dealing)
{
    dealing_ = dealing;
    for (QAction* action : {newGameAction(), Piace_, Napo_})
        action->setEnabled(!dealing);
    Tcarte_->setEnabled(!dealing);
}

void NapoleoneWindow::np_Click()
{
    if (dealing_)
        return;
    const int game = ++gameNumber_;
    Timer1_->setEnabled(false);
    const std::vector<NapoleoneDealt> steps = rules_.deal();
    showClock();
    fine_->setVisible(false);
    showRecordBanner(false);
    entry_->withdraw();
    rci_->setEnabled(false);
    setDealing(true);

    Traspa1_->hide();
    for (int i = 0; i < NapoleoneRules::cellCount; ++i) {
        sopra_[static_cast<std::size_t>(i)]->setPicture(pictures::emptyPlace);
        sotto_[static_cast<std::size_t>(i)]->setPicture(0);
        hideSmallCard(i);
    }
    for (PictureBox* foundation : Mazzo_) {
        foundation->setPicture(0);
        foundation->hide();
    }
    speakTable();
    for (const NapoleoneDealt& step : steps) {
        if (step.foundation >= 0) {
            PictureBox* foundation = Mazzo_[static_cast<std::size_t>(step.foundation)];
            foundation->setPicture(pictureOf(step.card, deckOffset_));
            foundation->show();
            speakFoundations();
        } else {
            sopra_[static_cast<std::size_t>(step.cell)]->setPicture(pictureOf(step.card, deckOffset_));
        }
        // The window may have closed during the pause; then nothing here may be touched.
        if (!TempoP(*this, dealPause) || game != gameNumber_)
            return;
    }
    setDealing(false);
    rules_.startClock();
    Timer1_->setEnabled(rules_.clockRunning());
}

void NapoleoneWindow::Piace_Click()
{
    if (dealing_)
        return;
    Piace_->setChecked(true);
    deckOffset_ = piacentine;
    Converti(deckOffset_);
}

void NapoleoneWindow::Napo_Click()
{
    if (dealing_)
        return;
    Napo_->setChecked(true);
    deckOffset_ = napoletane;
    Converti(deckOffset_);
}

void NapoleoneWindow::Converti(int TPC)
{
    for (int i = 0; i < NapoleoneRules::cellCount; ++i) {
        const NapoleoneCell& cell = rules_.cell(i);
        PictureBox* top = sopra_[static_cast<std::size_t>(i)];
        PictureBox* small = sotto_[static_cast<std::size_t>(i)];
        top->setPicture(cell.isEmpty() ? pictures::emptyPlace : pictureOf(cell.top, TPC));
        small->setPicture(cell.isPile() ? pictureOf(cell.bottom, TPC) : 0);
        if (cell.isPile())
            small->show();
        else
            hideSmallCard(i);
    }
    for (int j = 0; j < NapoleoneRules::foundationCount; ++j) {
        const int top = rules_.foundation(j);
        PictureBox* foundation = Mazzo_[static_cast<std::size_t>(j)];
        foundation->setPicture(top == 0 ? 0 : pictureOf(top, TPC));
        foundation->setVisible(top != 0);
    }
    const int selected = rules_.selected();
    if (selected >= 0)
        Traspa1_->setGeometry(sopra_[static_cast<std::size_t>(selected)]->geometry());
    Traspa1_->setVisible(selected >= 0);
    speakTable();
}

// A pile's small card goes with its pile; the keyboard on it stays on the cell rather than leaping
// to the first control of the table.
void NapoleoneWindow::hideSmallCard(int index)
{
    PictureBox* small = sotto_[static_cast<std::size_t>(index)];
    if (small->hasFocus())
        sopra_[static_cast<std::size_t>(index)]->setFocus(Qt::OtherFocusReason);
    small->hide();
}

// What the small cards and the frame show, said beside each cell: the bottom of its pile, the selection.
void NapoleoneWindow::speakTable()
{
    const int selected = rules_.selected();
    for (int i = 0; i < NapoleoneRules::cellCount; ++i) {
        const PictureBox* small = sotto_[static_cast<std::size_t>(i)];
        QStringList words;
        if (!small->isHidden())
            words << QStringLiteral("mazzo, in fondo %1").arg(pictureName(small->picture()));
        if (i == selected)
            words << QStringLiteral("selezionata");
        sopra_[static_cast<std::size_t>(i)]->setState(words.join(QStringLiteral(", ")));
    }
    speakFoundations();
}

// An empty foundation shows only its outline, so the outline says what lies there.
void NapoleoneWindow::speakFoundations()
{
    for (int j = 0; j < NapoleoneRules::foundationCount; ++j) {
        const PictureBox* foundation = Mazzo_[static_cast<std::size_t>(j)];
        const QString top = foundation->isHidden() ? QStringLiteral("vuoto") : pictureName(foundation->picture());
        Shape1_[static_cast<std::size_t>(j)]->setAccessibleName(QStringLiteral("Centro %1: %2").arg(j + 1).arg(top));
    }
}

void NapoleoneWindow::sopra_Click(int index)
{
    if (dealing_)
        return;
    const NapoleoneMove move = rules_.sopra_Click(index);
    if (move == NapoleoneMove::Nothing)
        return;
    Converti(deckOffset_);
    // The win is looked for where it can happen: when a card reaches a foundation.
    if (move == NapoleoneMove::ToFoundation && rules_.vincita())
        vincita();
}

void NapoleoneWindow::Timer1_Timer()
{
    if (!rules_.Timer1_Timer())
        Timer1_->setEnabled(false);
    showClock();
}

void NapoleoneWindow::vincita()
{
    Timer1_->setEnabled(false);
    showClock();
    fine_->setVisible(true);
    if (slot_.isBeatenBy(rules_.seconds())) {
        showRecordBanner(true);
        entry_->offer(rules_.seconds());
    }
}

void NapoleoneWindow::recordWritten()
{
    // Written or not, the record line shows what the file now holds.
    showRecord();
    fine_->setVisible(false);
    showRecordBanner(false);
    rci_->hide();
}
