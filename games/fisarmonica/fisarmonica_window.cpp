// The accordion's window: draws the rules' row and deck and turns clicks into the rules' moves.
#include "games/fisarmonica/fisarmonica_window.h"

#include "shell/controls/accessible.h"
#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/record_panel.h"

namespace {

constexpr Rgb ink{0, 0, 0};
constexpr Rgb gold{255, 215, 0};

constexpr const char* rulesText =
    "Il gioco consiste nello spostare i vari mazzetti in un unico mazzo. "
    "Per fare questo potrete muovere la carta situata più a destra su quella "
    "di sinistra, rispettando le seguenti regole: Potrete muovere la carta "
    "solo se ha lo stesso valore o lo stesso seme e solo se queste si trovino "
    "ad un massimo di 3 carte di distanza. La soluzione del gioco è giuducata "
    "molto rara...se non quasi impossibile!";

// The row's twelve places lie in two rows of six.
constexpr ControlLine fisarmonicaControls[] = {
    picture("carteF", 240, 240, 1065, 1440).array(FisarmonicaRules::places, 6, 1200, 1560),
    rectangle("maschera", 240, 240, 1095, 1455).array(FisarmonicaRules::places, 6, 1200, 1560).border({255, 255, 0}, 3).hidden(),
    picture("MazzoI", 1560, 3720, 1065, 1440),
    label("Label2", 360, 3720, 0, 0, "Mazzo").font(10, true).piece(),
    label("Label1", 480, 4080, 0, 0).font(14, true).readAs("Mazzo"),
    roundedRectangle("term1", 360, 4815, 975, 375).fill({255, 255, 192}).border(ink, 2).hidden(),
    button("term2", 360, 4815, 975, 375, "Finito").font(10, true).hidden(),
    label("Label4", 2880, 3480, 0, 0, "Regole").font(10, true),
    label("Label3", 2880, 3780, 4440, 1680, rulesText).align(Qt::AlignJustify | Qt::AlignTop),
    label("Label5", 240, 5550, 0, 0, "Record:").font(10, true),
    label("record", 1200, 5550, 0, 0).font(10, true),
    label("Label6", 1560, 5550, 0, 0, "Mazzetti - ").font(10, true),
    label("nome", 2760, 5550, 0, 0).font(10, true),
    // One plaque behind both win captions: the back and its gold inner frame. The captions' places
    // overlap: the first keeps to the top of its place, the second to the bottom.
    roundedRectangle("vinto2", 1740, 375, 3855, 1005).fill({0, 0, 128}).border(ink, 2).hidden(),
    roundedRectangle("vinto1", 1800, 435, 3735, 885).border(gold, 2).hidden(),
    label("vinto3", 1920, 435, 3495, 615, "COMPLIMENTI!!!!").font(18, true).fore(gold).align(Qt::AlignHCenter | Qt::AlignTop)
        .hidden().alert(),
    label("vinto4", 1800, 825, 3735, 495, "Solitario RIUSCITO").font(14, true).fore(gold).align(Qt::AlignHCenter | Qt::AlignBottom)
        .hidden().alert(),
    banner("gover3", "gover1", "gover2", 2520, 1485, 2535, 615, "Game Over").face({160, 0, 0}).fore({255, 255, 255})
        .shadow(ink).font(18, true),
    banner("record3", "record1", "record2", 2280, 2325, 3135, 495, "Nuovo RECORD").face({255, 255, 0})
        .fore({160, 0, 0}).shadow(ink).font(14, true),
    textBox("rci", 3000, 2760, 1695, 285).length(RecordFile::nameLength).hidden(),
};

} // namespace

FisarmonicaWindow::FisarmonicaWindow(std::unique_ptr<Random> random)
    : GameWindowOf(std::move(random), QStringLiteral("Fisarmonica"), QStringLiteral("La Fisarmonica - TOA-TOA Games"), 7560, 6000, QColor(0, 192, 0))
{
    const Form form(client(), fisarmonicaControls);
    carteF_ = form.pictures("carteF");
    maschera_ = form.shapes("maschera");
    MazzoI_ = form.picture(QStringLiteral("MazzoI"));
    Label1_ = form.label(QStringLiteral("Label1"));
    term1_ = form.shape(QStringLiteral("term1"));
    term2_ = form.label(QStringLiteral("term2"));
    gover_ = form.banner(QStringLiteral("gover3"));
    for (const char* name : {"vinto2", "vinto1", "vinto3", "vinto4"})
        vinto_.push_back(form.widget(QString::fromLatin1(name)));

    // The record line's count waits for the next game's reading; the new holder shows at once.
    record_ = new RecordPanel(*this, form,
                              {{"Label5", "record", "Label6", "nome"}, "record", "nome",
                               {"record2", "record1", "record3"}, "rci", true},
                              FisarmonicaRules::recordRules());

    connectArray(carteF_, this, &FisarmonicaWindow::carteF_Click, &FisarmonicaWindow::carteF_MouseMove);
    connect(MazzoI_, &PictureBox::clicked, this, &FisarmonicaWindow::MazzoI_Click);
    connect(MazzoI_, &PictureBox::mouseMoved, this, &FisarmonicaWindow::MazzoI_MouseMove);
    connect(term2_, &Label::clicked, this, &FisarmonicaWindow::term2_Click);
    connect(term2_, &Label::mouseMoved, this, [this] { setPointer(term2_, Pointer::Hand); });

    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova Partita"), QKeySequence(QStringLiteral("Ctrl+N")),
                QKeySequence(QStringLiteral("Ctrl+E")));
    Nuova_Click();
}

FisarmonicaWindow::~FisarmonicaWindow() = default;

void FisarmonicaWindow::Nuova_Click()
{
    record_->read();
    record_->withdraw();
    rules_.newGame();
    draw();
}

void FisarmonicaWindow::draw()
{
    for (int i = 0; i < FisarmonicaRules::places; ++i) {
        const Card& card = rules_.place(i);
        const bool selected = rules_.selected() == i;
        const auto n = static_cast<std::size_t>(i);
        carteF_[n]->setPicture(card.isEmpty() ? pictures::emptyPlace : cards::frenchPicture(card));
        maschera_[n]->setVisible(selected);
        carteF_[n]->setState(selected ? QStringLiteral("selezionata") : QString());
    }
    // The deck's picture says only whether cards remain; the player hears how many, as the count beside it shows.
    const QString left = QString::number(rules_.cardsLeft());
    Label1_->setCaption(left);
    accessible::setName(MazzoI_, QStringLiteral("Mazzo: ") + left);
    MazzoI_->setPicture(rules_.deckEmpty() ? pictures::emptyPlace : pictures::redBack);
    term1_->setVisible(rules_.canFinish());
    term2_->setVisible(rules_.canFinish());
    gover_->setVisible(rules_.finished());
    for (QWidget* part : vinto_)
        part->setVisible(rules_.isWin());
}

void FisarmonicaWindow::MazzoI_Click()
{
    rules_.deal();
    draw();
}

void FisarmonicaWindow::carteF_Click(int index)
{
    rules_.takeCard(index);
    draw();
}

void FisarmonicaWindow::carteF_MouseMove(int index)
{
    setPointer(carteF_[static_cast<std::size_t>(index)], rules_.place(index).isEmpty() ? Pointer::Arrow : Pointer::Hand);
}

void FisarmonicaWindow::MazzoI_MouseMove() { setPointer(MazzoI_, rules_.deckEmpty() ? Pointer::Arrow : Pointer::Hand); }

void FisarmonicaWindow::term2_Click()
{
    if (!rules_.canFinish())
        return;
    const int piles = rules_.finish();
    draw();
    if (record_->isBeatenBy(piles))
        record_->offer(piles);
}
