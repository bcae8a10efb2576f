// Napoleone's window: deals with its rhythm, draws the rules' table in the chosen deck, runs the clock and keeps the record.
#include "games/napoleone/napoleone_window.h"

#include "shell/controls/accessible.h"
#include "shell/cards.h"
#include "shell/clock_line.h"
#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/form_scale.h"
#include "shell/controls/layout.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"
#include "shell/picture_names.h"
#include "shell/record_panel.h"
#include "shell/shell.h"

#include <QActionGroup>
#include <QMenuBar>

namespace {

constexpr int cardWidth = 825, cardHeight = 1170;
// The felt of the table and its status band, the parchment of the rules band, the straw of the status
// band's words, the gold of the foundations' outlines and of the end banner.
constexpr Rgb felt{0, 160, 0}, darkFelt{0, 96, 0}, parchment{255, 250, 220}, ink{0, 0, 0};
constexpr Rgb straw{255, 236, 139}, gold{255, 215, 0}, darkRed{176, 0, 0};

constexpr const char* rulesText =
    "Questo era il solitario che si diceva facesse Napoleone per sapere se avrebbe avuto successo in battaglia. "
    "Lo scopo del gioco è quello di riportare tutte le carte del mazzo al centro, dove si trovano gli assi. "
    "Potete muovere solo le carte più esterne e  accoppiarle in maniera ascendente o discendente. "
    "Quando non ci sono più carte nella riga, + possibile muovere una carta o un mazzo. "
    "Importante ricordare è il fatto che, se si muove un mazzo (segnato con una piccola carta che rappresenta "
    "quella in fondo), questo verrà rivoltato. ES: Asso come prima e 2 come ultima, si avrà 2 e Asso. "
    "Questo vale anche per il suo travaso su una carta o un'altro mazzo.";

// Cell c = 8k + 2r + s lies k rings out from the centre, in row r from the top, on side s (0 left).
constexpr TwipsPoint cellPlace(int c)
{
    const int k = NapoleoneRules::distance(c);
    return {NapoleoneRules::side(c) == 0 ? 3600 - 840 * k : 5520 + 840 * k, 240 + 1200 * NapoleoneRules::row(c)};
}

// The table's backing, the foundations and the texts, lowest first; then the cells, the selection
// frame and the small pile cards over them; the banners and the name box above everything.
constexpr ControlLine napoleoneControls[] = {
    rectangle("Shape2", 0, 0, 9975, 5295).fill(felt).border(darkFelt, 1),
    rectangle("Shape3", 0, 5880, 9975, 1455).fill(parchment).border(darkFelt, 1),
    rectangle("Shape5", 0, 5400, 9975, 375).fill(darkFelt).border(darkFelt, 1),
    rectangle("Shape1", 4515, 195, 915, 1260).array(4, 1, 0, 1200).border(gold, 2),
    picture("Mazzo", 4560, 240, cardWidth, cardHeight).array(4, 1, 0, 1200).hidden(),
    label("Label1", 240, 5910, 0, 0, "Regole").font(10, true).fore(ink),
    label("Label4", 120, 6240, 9735, 975, rulesText).font(7.5).fore(ink).align(Qt::AlignJustify | Qt::AlignTop),
    label("Label8(3)", 120, 5430, 0, 0, "Record:").font(10, true).fore(straw),
    label("record", 1440, 5430, 0, 0, "59:58").font(10, true).fore(straw),
    label("nome", 2400, 5430, 0, 0, "CPU").font(10, true).fore(straw),
    label("Label2", 8040, 5430, 0, 0, "Tempo:").font(10, true).fore(straw).piece(),
    // The two fields of the clock stand against its colon.
    label("Minuti", 9000, 5430, 240, 300, "00").font(10, true).fore(straw).align(Qt::AlignRight | Qt::AlignTop).oneLine(),
    label("Label3", 9240, 5370, 240, 300, ":").font(10, true).fore(straw).align(Qt::AlignCenter).oneLine().piece(),
    label("secondi", 9480, 5430, 240, 300, "00").font(10, true).fore(straw).oneLine().piece(),
    picture("sopra", 0, 0, cardWidth, cardHeight).array(NapoleoneRules::cellCount).placed(cellPlace),
    rectangle("Traspa1", 0, 0, cardWidth, cardHeight).border({255, 255, 0}, 3).hidden(),
    // A pile's small card lies on its cell's lower corner.
    picture("sotto", 0, 615, 285, 555).array(NapoleoneRules::cellCount).placed(cellPlace).hidden(),
    banner("Fine2", "fine1", "Fine3", 3120, 1200, 3615, 495, "GIOCO RIUSCITO").face({0, 0, 128}).fore(gold)
        .shadow(ink, 120).font(16, true).captionAt(3240, 1200, 3375, 495),
    banner("rct", "rc1", "rc3", 3000, 2160, 4095, 855, "NUOVO RECORD").face({255, 255, 0}).fore(darkRed)
        .shadow(ink, 120).font(11, true).captionAt(3960, 2205, 2055, 300),
    label("ast1", 3120, 2160, 0, 0, "*").font(18, true).fore(darkRed).hidden().decoration(),
    label("ast2", 6000, 2160, 0, 0, "*").font(18, true).fore(darkRed).hidden().decoration(),
    textBox("rci", 3960, 2520, 1935, 285).length(8).hidden(),
};

const RecordPanelLayout recordLayout{
    {"Label8(3)", "record", "nome"}, "record", "nome", {"rc3", "rc1", "rct", "ast1", "ast2"}, "rci"};

} // namespace

NapoleoneWindow::NapoleoneWindow(std::unique_ptr<Random> random)
    : GameWindowOf(std::move(random), QStringLiteral("Napoleone"), QStringLiteral("Napoleone"), 9945, 7335,
                   QColor(0, 192, 0)),
      form_(std::make_unique<Form>(client(), napoleoneControls))
{
    const Form& form = *form_;
    sopra_ = form.pictures("sopra");
    sotto_ = form.pictures("sotto");
    for (PictureBox* foundation : form.pictures("Mazzo"))
        foundation->setState(QStringLiteral("al centro"));
    // The small card lies on its cell's corner: a click on it is a click on the cell.
    for (int i = 0; i < NapoleoneRules::cellCount; ++i) {
        sotto_[static_cast<std::size_t>(i)]->setState(QStringLiteral("in fondo al mazzo"));
        for (PictureBox* control : {sopra_[static_cast<std::size_t>(i)], sotto_[static_cast<std::size_t>(i)]})
            connect(control, &PictureBox::clicked, this, [this, i] { sopra_Click(i); });
    }
    clock_ = new ClockLine(this, form);
    connect(clock_, &ClockLine::second, this, &NapoleoneWindow::Timer1_Timer);
    record_ = new RecordPanel(*this, form, recordLayout, NapoleoneRules::recordRules());
    connect(record_, &RecordPanel::written, this, &NapoleoneWindow::recordWritten);
    // The name box is light yellow, hidden and disabled until a record is beaten.
    TextBox* box = form.textBox("rci");
    QPalette paper = box->palette();
    paper.setColor(QPalette::Base, QColor(255, 255, 192));
    box->setPalette(paper);
    box->setEnabled(false);

    addFileMenu(QStringLiteral("np"), QStringLiteral("Nuova Partita"), QKeySequence(), QKeySequence(), false);
    Tcarte_ = menuBar()->addMenu(QStringLiteral("Tipo Carte"));
    Tcarte_->setObjectName(QStringLiteral("Tcarte"));
    // A choice of one: choosing the checked deck again leaves it checked.
    decks_ = new QActionGroup(this);
    const auto item = [this](const char* name, const char* caption, const char* shortcut, void (NapoleoneWindow::*chosen)()) {
        QAction* action = Tcarte_->addAction(QString::fromLatin1(caption), this, chosen);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
        action->setCheckable(true);
        decks_->addAction(action);
    };
    item("Piace", "Piacentine", "Ctrl+P", &NapoleoneWindow::Piace_Click);
    item("Napo", "Napoletane", "Ctrl+N", &NapoleoneWindow::Napo_Click);
    Shell::fixSize(this);

    record_->read();
    setIconGroup(106);
    chooseDeck(piacentine);
}

NapoleoneWindow::~NapoleoneWindow() = default;

int NapoleoneWindow::pictureOf(const Card& card) const
{
    return deckOffset_ == napoletane ? cards::neapolitanPicture(card) : cards::piacentinePicture(card);
}

// While the cards go out nothing else may touch the table: not a second deal, not a click, not a
// change of deck. The actions themselves are disabled, since a shortcut outlives its greyed menu.
void NapoleoneWindow::setDealing(bool dealing)
{
    newGameAction()->setEnabled(!dealing);
    decks_->setEnabled(!dealing);
    Tcarte_->setEnabled(!dealing);
}

void NapoleoneWindow::np_Click()
{
    if (rules_.isDealing())
        return;
    startGame();
    clock_->stop();
    const std::vector<NapoleoneDealt> steps = rules_.deal();
    clock_->show(rules_.seconds());
    form_->banner("Fine2")->setVisible(false);
    record_->withdraw();
    setDealing(true);

    // The table is cleared, then the cards go out one by one as the rules dealt them.
    form_->widget("Traspa1")->hide();
    for (int i = 0; i < NapoleoneRules::cellCount; ++i) {
        sopra_[static_cast<std::size_t>(i)]->setPicture(pictures::emptyPlace);
        sopra_[static_cast<std::size_t>(i)]->setState({});
        hideSmallCard(i);
    }
    for (int j = 0; j < NapoleoneRules::foundationCount; ++j)
        showFoundation(j, {});
    for (const NapoleoneDealt& step : steps) {
        if (step.foundation >= 0)
            showFoundation(step.foundation, step.card);
        else
            sopra_[static_cast<std::size_t>(step.cell)]->setPicture(pictureOf(step.card));
        // The window may have closed during the pause; then nothing here may be touched.
        if (!pauseFor(NapoleoneRules::dealPause))
            return;
    }
    rules_.dealt();
    setDealing(false);
    if (rules_.clockRunning())
        clock_->start();
}

void NapoleoneWindow::Piace_Click() { chooseDeck(piacentine); }

void NapoleoneWindow::Napo_Click() { chooseDeck(napoletane); }

void NapoleoneWindow::chooseDeck(int offset)
{
    if (rules_.isDealing())
        return;
    deckOffset_ = offset;
    decks_->actions()[offset == piacentine ? 0 : 1]->setChecked(true);
    Converti();
}

void NapoleoneWindow::Converti()
{
    const int selected = rules_.selected();
    for (int i = 0; i < NapoleoneRules::cellCount; ++i) {
        const NapoleoneCell& cell = rules_.cell(i);
        PictureBox* top = sopra_[static_cast<std::size_t>(i)];
        PictureBox* small = sotto_[static_cast<std::size_t>(i)];
        top->setPicture(pictureOf(cell.top));
        small->setPicture(pictureOf(cell.bottom));
        if (cell.isPile())
            small->show();
        else
            hideSmallCard(i);
        // What the small card and the frame show, said beside the cell: the bottom of its pile, the selection.
        QStringList words;
        if (cell.isPile())
            words << QStringLiteral("mazzo, in fondo %1").arg(pictureName(small->picture()));
        if (i == selected)
            words << QStringLiteral("selezionata");
        top->setState(words.join(QStringLiteral(", ")));
    }
    for (int j = 0; j < NapoleoneRules::foundationCount; ++j)
        showFoundation(j, rules_.foundation(j));
    QWidget* frame = form_->widget("Traspa1");
    if (selected >= 0)
        placeControl(frame, controlPlace(sopra_[static_cast<std::size_t>(selected)]));
    frame->setVisible(selected >= 0);
}

// An empty foundation shows only its outline, so the outline says what lies there.
void NapoleoneWindow::showFoundation(int j, const Card& top)
{
    PictureBox* foundation = form_->picture(arrayName("Mazzo", j));
    foundation->setPicture(pictureOf(top));
    foundation->setVisible(!top.isEmpty());
    const QString name = top.isEmpty() ? QStringLiteral("vuoto") : pictureName(foundation->picture());
    accessible::setName(form_->widget(arrayName("Shape1", j)), QStringLiteral("Centro %1: %2").arg(j + 1).arg(name));
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

void NapoleoneWindow::sopra_Click(int index)
{
    if (rules_.playCell(index) == NapoleoneMove::Nothing)
        return;
    Converti();
    if (rules_.isWon())
        vincita();
}

void NapoleoneWindow::Timer1_Timer()
{
    if (!rules_.secondPassed())
        clock_->stop();
    clock_->show(rules_.seconds());
}

void NapoleoneWindow::vincita()
{
    clock_->stop();
    clock_->show(rules_.seconds());
    form_->banner("Fine2")->setVisible(true);
    if (record_->isBeatenBy(rules_.seconds()))
        record_->offer(rules_.seconds());
}

// Written or not, the line shows what the file holds, and the table is clear of the win.
void NapoleoneWindow::recordWritten()
{
    form_->banner("Fine2")->setVisible(false);
    record_->withdraw();
}
