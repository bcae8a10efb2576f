// The accordion's window: draws the rules' row and turns clicks into the rules' moves.
#include "games/fisarmonica/fisarmonica_window.h"

#include "shell/card_pictures.h"
#include "shell/codepage.h"
#include "shell/controls/control_array.h"
#include "shell/controls/banner.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"
#include "shell/random.h"
#include "shell/record_entry.h"

namespace {

constexpr Rgb felt{0, 192, 0};
constexpr Rgb ink{0, 0, 0};
constexpr Rgb cream{255, 255, 192};
constexpr Rgb gold{255, 215, 0};
constexpr Rgb navy{0, 0, 128};

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
    label("Label1", 480, 4080, 0, 0, "52").font(14, true),
    roundedRectangle("term1", 360, 4815, 975, 375).fill(cream).border(ink, 2),
    button("term2", 360, 4815, 975, 375, "Finito").font(10, true),
    label("Label4", 2880, 3480, 0, 0, "Regole").font(10, true),
    label("Label3", 2880, 3780, 4440, 1680, rulesText).align(Qt::AlignJustify | Qt::AlignTop),
    label("Label5", 240, 5550, 0, 0, "Record:").font(10, true).piece(),
    label("record", 1200, 5550, 0, 0).font(10, true),
    label("Label6", 1560, 5550, 0, 0, "Mazzetti - ").font(10, true).piece(),
    label("nome", 2760, 5550, 0, 0).font(10, true).piece(),
    // One plaque behind both win captions: the back and its gold inner frame. The captions' places
    // overlap: the first keeps to the top of its place, the second to the bottom.
    roundedRectangle("vinto2", 1740, 375, 3855, 1005).fill(navy).border(ink, 2),
    roundedRectangle("vinto1", 1800, 435, 3735, 885).border(gold, 2),
    label("vinto3", 1920, 435, 3495, 615, "COMPLIMENTI!!!!").font(18, true).fore(gold).align(Qt::AlignHCenter | Qt::AlignTop),
    label("vinto4", 1800, 825, 3735, 495, "Solitario RIUSCITO").font(14, true).fore(gold).align(Qt::AlignHCenter | Qt::AlignBottom),
    textBox("rci", 3000, 2760, 1695, 285).length(RecordFile::nameLength),
};

} // namespace

FisarmonicaWindow::FisarmonicaWindow(std::unique_ptr<Random> random)
    : GameWindow(QStringLiteral("Fisarmonica"), QStringLiteral("La Fisarmonica - TOA-TOA Games"), 7560, 6000, qcolour(felt)),
      random_(std::move(random)), rules_(*random_), record_(FisarmonicaRules::recordRules())
{
    QWidget* area = client();
    const Form form(area, fisarmonicaControls);
    carteF_ = form.pictures("carteF");
    maschera_ = form.shapes("maschera");
    MazzoI_ = form.picture(QStringLiteral("MazzoI"));
    Label1_ = form.label(QStringLiteral("Label1"));
    term1_ = form.shape(QStringLiteral("term1"));
    term2_ = form.label(QStringLiteral("term2"));
    record_label_ = form.label(QStringLiteral("record"));
    nome_ = form.label(QStringLiteral("nome"));
    for (const char* name : {"vinto2", "vinto1", "vinto3", "vinto4"})
        vinto_.push_back(form.widget(QString::fromLatin1(name)));
    rci_ = form.textBox(QStringLiteral("rci"));
    Label1_->setReadAs(QStringLiteral("Mazzo"));
    // The plaque's captions appear only for a won game: the player hears them as they appear.
    for (const char* name : {"vinto3", "vinto4"})
        form.label(QString::fromLatin1(name))->setAlert(true);

    connectArray(carteF_, this, &FisarmonicaWindow::carteF_Click, &FisarmonicaWindow::carteF_MouseMove);
    connect(MazzoI_, &PictureBox::clicked, this, &FisarmonicaWindow::MazzoI_Click);
    connect(MazzoI_, &PictureBox::mouseMoved, this, &FisarmonicaWindow::MazzoI_MouseMove);
    connect(term2_, &Label::clicked, this, &FisarmonicaWindow::term2_Click);
    connect(term2_, &Label::mouseMoved, this, [this] { setPointer(term2_, Pointer::Hand); });

    gover_ = std::make_unique<Banner>(area, QStringLiteral("gover3"), QStringLiteral("gover1"), QStringLiteral("gover2"),
                                      QRect(2520, 1485, 2535, 615), QStringLiteral("Game Over"),
                                      BannerLook{QColor(160, 0, 0), QColor(255, 255, 255), QColor(0, 0, 0), 18, true});
    record3_ = std::make_unique<Banner>(area, QStringLiteral("record3"), QStringLiteral("record1"), QStringLiteral("record2"),
                                        QRect(2280, 2325, 3135, 495), QStringLiteral("Nuovo RECORD"),
                                        BannerLook{QColor(255, 255, 0), QColor(160, 0, 0), QColor(0, 0, 0), 14, true});
    rci_->raise();
    entry_ = new RecordEntry(*this, *rci_, record_);
    connect(entry_, &RecordEntry::written, this, &FisarmonicaWindow::rci_Written);

    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova Partita"), QKeySequence(QStringLiteral("Ctrl+N")),
                QKeySequence(QStringLiteral("Ctrl+E")));
    Form_Load();
}

FisarmonicaWindow::~FisarmonicaWindow() = default;

void FisarmonicaWindow::Form_Load() { Nuova_Click(); }

void FisarmonicaWindow::LeggiRecord()
{
    record_.read(recordDirectory());
    nome_->setCaption(codepage::fromWestern(record_.holder()));
    record_label_->setCaption(QString::fromStdString(record_.valueCaption()));
    nameRecordLine();
}

// The count alone says nothing to a player who cannot see the line: it reads as the whole line does.
void FisarmonicaWindow::nameRecordLine()
{
    record_label_->setAccessibleName(QStringLiteral("Record: %1 Mazzetti - %2")
                                         .arg(record_label_->caption().simplified(), nome_->caption().simplified()));
}

// The deck's picture says only whether cards remain; the player hears how many, as the count beside it shows.
void FisarmonicaWindow::showCardsLeft(const QString& count)
{
    Label1_->setCaption(count);
    MazzoI_->setAccessibleName(QStringLiteral("Mazzo: ") + count);
}

void FisarmonicaWindow::Nuova_Click()
{
    LeggiRecord();
    for (Shape* frame : maschera_)
        frame->hide();
    term1_->hide();
    term2_->hide();
    gover_->setVisible(false);
    record3_->setVisible(false);
    for (QWidget* win : vinto_)
        win->hide();
    entry_->withdraw();
    showCardsLeft(QStringLiteral("52"));
    MazzoI_->setPicture(pictures::redBack);
    rules_.Nuova();
    showRow();
}

void FisarmonicaWindow::showRow()
{
    for (int i = 0; i < FisarmonicaRules::places; ++i) {
        PictureBox* card = carteF_[static_cast<std::size_t>(i)];
        card->setPicture(rules_.picture(i));
        const bool selected = rules_.selected() == i;
        maschera_[static_cast<std::size_t>(i)]->setVisible(selected);
        card->setState(selected ? QStringLiteral("selezionata") : QString());
    }
}

void FisarmonicaWindow::MazzoI_Click()
{
    if (rules_.deckEmpty()) {
        MazzoI_->setPicture(pictures::emptyPlace);
        return;
    }
    rules_.deal();
    if (rules_.deckEmpty()) {
        MazzoI_->setPicture(pictures::emptyPlace);
        term1_->show();
        term2_->show();
        term2_->raise();
    }
    showCardsLeft(QString::number(rules_.cardsLeft()));
    showRow();
}

void FisarmonicaWindow::carteF_Click(int index)
{
    rules_.click(index);
    showRow();
}

void FisarmonicaWindow::carteF_MouseMove(int index)
{
    setPointer(carteF_[static_cast<std::size_t>(index)], rules_.place(index).isEmpty() ? Pointer::Arrow : Pointer::Hand);
}

void FisarmonicaWindow::MazzoI_MouseMove() { setPointer(MazzoI_, rules_.deckEmpty() ? Pointer::Arrow : Pointer::Hand); }

void FisarmonicaWindow::term2_Click()
{
    if (!term2_->isVisible())
        return;
    term1_->hide();
    term2_->hide();
    const int piles = rules_.finish();
    gover_->setVisible(true);
    if (rules_.isWin()) {
        for (QWidget* win : vinto_) {
            win->show();
            win->raise();
        }
    }
    if (record_.isBeatenBy(piles)) {
        record3_->setVisible(true);
        entry_->offer(piles);
    }
}

// The record line shows the new holder at once; its count waits for the next game's reading. A record
// file that cannot be written costs the record, never the game: the line then shows what the file holds.
void FisarmonicaWindow::rci_Written(bool ok)
{
    if (ok) {
        nome_->setCaption(codepage::fromWestern(record_.holder()));
        nameRecordLine();
    } else
        LeggiRecord();
}
