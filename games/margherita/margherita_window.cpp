// Margherita's window: draws the rules' table and turns clicks on the cards into the rules' moves.
#include "games/margherita/margherita_window.h"

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

namespace {

constexpr Rgb chalk{255, 255, 255}, straw{255, 236, 139}, gold{255, 215, 0}, recordInk{176, 0, 0};
// The inner outline of a banner sits this far inside its face.
constexpr int outlineInset = 45;

constexpr const char* rulesText =
    "Ribaltate almeno 20 carte muoven- dosi dall'una all'altra, secondo la direzione indicata dalla "
    "forma di ciascuno dei 4 semi.  CUORI: ci si dovrà spostare sulla carta situata sotto PICCHE: "
    "ci si dovrà spostare sulla carta situata sopra;                 QUADRI: ci si potrà spostare "
    "sulla carta sopra o sotto oppure destra o sinistra;   FIORI: ci si potrà spostare sulla carta "
    "sopra o a sinitra o a destra.  Il programma ti dirà su quali carte potrai muovere.";

constexpr ControlLine margheritaControls[] = {
    picture("carte", 240, 360, 975, 1455).array(MargheritaRules::cellCount, MargheritaRules::columns, 1080, 1560),
    rectangle("mascher", 240, 360, 975, 1455).array(MargheritaRules::cellCount, MargheritaRules::columns, 1080, 1560)
        .border({255, 255, 0}, 3).hidden(),
    label("Label1", 360, 6795, 5175, 495, "Carte Scoperte: 00").font(16, true).fore(chalk),
    label("Label2", 6840, 6800, 0, 0, "RECORD: ").font(16, true).fore(straw).piece(),
    label("punti", 8400, 6795, 0, 0, "00").font(16, true).fore(straw),
    label("nome", 9000, 6795, 0, 0).font(16, true).fore(straw),
    label("Label4", 11280, 360, 0, 0, "Regole").font(11, true).fore(chalk),
    label("Label3", 11280, 720, 1410, 5640, rulesText).font(7.5).fore(chalk),
    label("Label5", 11280, 6510, 0, 0, "Indice Riuscita").font(8, true).fore(chalk).piece(),
    label("Label6", 11280, 6780, 0, 0, "1%").font(12, true).fore(chalk).readAs("Indice Riuscita"),
    // The new-record box holds its title between two stars and, below them, the name box.
    label("ast1", 3960, 4680, 0, 0, "*").font(16, true).fore(recordInk).hidden().decoration(),
    label("ast2", 7080, 4680, 0, 0, "*").font(16, true).fore(recordInk).hidden().decoration(),
    textBox("rci", 4920, 5040, 1935, 285).length(RecordFile::nameLength).hidden(),
    banner("vt", "vt1", "vt3", 3720, 2280, 4095, 495, "GIOCO RIUSCITO").face({0, 0, 128}).fore(gold).font(16, true),
    banner("Pt", "p2", "ombra", 3720, 3500, 4095, 495, "MOSSE TERMINATE").face({176, 0, 0}).fore(chalk).font(16, true),
    banner("rct", "rc1", "rc3", 3720, 4560, 4095, 900, "NUOVO RECORD").face({255, 255, 0}).fore(recordInk).font(13, true)
        .captionAt(3840, 4750, 3510, 285),
    rectangle("rc2", 3720 + outlineInset, 4560 + outlineInset, 4095 - 2 * outlineInset, 900 - 2 * outlineInset)
        .border(recordInk).hidden(),
};

// The line's "RECORD: " is its caption, read by the value in the line's one spoken form.
const RecordPanelLayout recordLayout{{"punti", "nome"}, "punti", "nome", {"rc3", "rc1", "rc2", "rct", "ast1", "ast2"}, "rci"};

} // namespace

MargheritaWindow::MargheritaWindow(std::unique_ptr<Random> random)
    : GameWindowOf(std::move(random), QStringLiteral("margerita"), QStringLiteral("Margherita - TOA-TOA Games"), 12810, 7380, QColor(0, 112, 48))
{
    const Form form(client(), margheritaControls);
    carte_ = form.pictures("carte");
    mascher_ = form.shapes("mascher");
    Label1_ = form.label(QStringLiteral("Label1"));
    vt_ = form.banner(QStringLiteral("vt"));
    vt_->addOutline(QStringLiteral("vt2"), qcolour(gold), outlineInset);
    Pt_ = form.banner(QStringLiteral("Pt"));
    Pt_->addOutline(QStringLiteral("p3"), qcolour(chalk), outlineInset);
    record_ = new RecordPanel(*this, form, recordLayout, MargheritaRules::recordRules());
    connectArray(carte_, this, &MargheritaWindow::carte_Click, &MargheritaWindow::carte_MouseMove);

    addFileMenu(QStringLiteral("inizia"), QStringLiteral("Inizia Partita"), QKeySequence(QStringLiteral("Ctrl+I")),
                QKeySequence(QStringLiteral("Ctrl+E")));
    setIconGroup(102);
    inizia_Click();
}

MargheritaWindow::~MargheritaWindow() = default;

LeavingQuestion MargheritaWindow::leavingQuestion() const
{
    return rules_.isOver() ? backToMenuQuestion : abandonQuestion;
}

void MargheritaWindow::inizia_Click()
{
    startGame();
    for (PictureBox* card : carte_)
        setPointer(card, Pointer::Hand);
    record_->read();
    vt_->setVisible(false);
    Pt_->setVisible(false);
    record_->withdraw();
    rules_.newGame();
    showTable();
}

// Each card says what its frame and the pointer over it show: framed, it may be turned next; face
// down and unframed after the first card, it may not. Before the first card every card is free and
// nothing marks one out.
void MargheritaWindow::showTable()
{
    for (int i = 0; i < MargheritaRules::cellCount; ++i) {
        PictureBox* card = carte_[static_cast<std::size_t>(i)];
        card->setPicture(rules_.isTurned(i) ? cards::frenchPicture(rules_.card(i)) : pictures::redBack);
        mascher_[static_cast<std::size_t>(i)]->setVisible(rules_.isFramed(i));
        if (rules_.isFramed(i))
            card->setState(QStringLiteral("giocabile"));
        else if (rules_.state(i) == CellState::Blocked)
            card->setState(QStringLiteral("bloccata"));
        else
            card->setState({});
    }
    Label1_->setCaption(QStringLiteral("Carte Scoperte: ") + QString::fromStdString(text::twoDigits(rules_.turnedCount())));
}

void MargheritaWindow::carte_Click(int index)
{
    if (!rules_.turn(index))
        return;
    showTable();
    if (rules_.isOver())
        showEnd();
}

void MargheritaWindow::carte_MouseMove(int index)
{
    static constexpr Pointer byState[] = {Pointer::Hand, Pointer::NoEntry, Pointer::Arrow};
    setPointer(carte_[static_cast<std::size_t>(index)], byState[static_cast<int>(rules_.state(index))]);
}

void MargheritaWindow::showEnd()
{
    Pt_->setVisible(true);
    if (record_->isBeatenBy(rules_.turnedCount()))
        record_->offer(rules_.turnedCount());
    if (rules_.isSuccess())
        vt_->setVisible(true);
}
