// The accordion's window: draws the rules' row and turns clicks into the rules' moves.
#include "games/fisarmonica/fisarmonica_window.h"

#include "shell/card_pictures.h"
#include "shell/codepage.h"
#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"
#include "shell/random.h"
#include "shell/record_file.h"

namespace {

constexpr RecordScheme records{"rcfis.dat", 0x5C, FisarmonicaRules::recordWidth};

constexpr int cardWidth = 1065;
constexpr int cardHeight = 1440;
constexpr int columnLeft[6] = {240, 1440, 2640, 3840, 5040, 6240};
const QColor felt(0, 192, 0);
const QColor ink(0, 0, 0);
const QColor cream(255, 255, 192);

} // namespace

Fisarmonica::Fisarmonica(std::unique_ptr<Random> random)
    : GameWindow(QStringLiteral("Fisarmonica"), QStringLiteral("La Fisarmonica - TOA-TOA Games"), 7560, 6000, felt),
      random_(std::move(random)), rules_(*random_)
{
    QWidget* area = client();
    for (int i = 0; i < FisarmonicaRules::places; ++i) {
        const QRect place(columnLeft[i % 6], i < 6 ? 240 : 1800, cardWidth, cardHeight);
        auto* card = new PictureBox(area, arrayName("carteF", i), place);
        connect(card, &PictureBox::clicked, this, [this, i] { carteF_Click(i); });
        connect(card, &PictureBox::mouseMoved, this, [this, i] { carteF_MouseMove(i); });
        carteF_.push_back(card);
    }
    for (int i = 0; i < FisarmonicaRules::places; ++i) {
        const QRect place(columnLeft[i % 6], i < 6 ? 240 : 1800, 1095, 1455);
        auto* frame = new Shape(area, arrayName("maschera", i), place);
        frame->setBorder(QColor(255, 255, 0), 3);
        frame->hide();
        maschera_.push_back(frame);
    }

    MazzoI_ = new PictureBox(area, QStringLiteral("MazzoI"), QRect(1560, 3720, cardWidth, cardHeight));
    connect(MazzoI_, &PictureBox::clicked, this, &Fisarmonica::MazzoI_Click);
    connect(MazzoI_, &PictureBox::mouseMoved, this, &Fisarmonica::MazzoI_MouseMove);
    new Label(area, QStringLiteral("Label2"), QRect(360, 3720, 0, 0), QStringLiteral("Mazzo"), 10, true);
    Label1_ = new Label(area, QStringLiteral("Label1"), QRect(480, 4080, 0, 0), QStringLiteral("52"), 14, true);

    term1_ = new Shape(area, QStringLiteral("term1"), QRect(360, 4815, 975, 375), Shape::Kind::RoundedRectangle);
    term1_->setFill(cream);
    term1_->setBorder(ink, 2);
    term2_ = new Label(area, QStringLiteral("term2"), QRect(360, 4815, 975, 375), QStringLiteral("Finito"), 10, true);
    term2_->setAlignment(Qt::AlignCenter);
    connect(term2_, &Label::clicked, this, &Fisarmonica::term2_Click);
    connect(term2_, &Label::mouseMoved, this, [this] { setPointer(term2_, Pointer::Hand); });

    new Label(area, QStringLiteral("Label4"), QRect(2880, 3480, 0, 0), QStringLiteral("Regole"), 10, true);
    auto* rulesText = new Label(area, QStringLiteral("Label3"), QRect(2880, 3780, 4440, 1680),
                                QStringLiteral("Il gioco consiste nello spostare i vari mazzetti in un unico mazzo. "
                                               "Per fare questo potrete muovere la carta situata più a destra su quella "
                                               "di sinistra, rispettando le seguenti regole: Potrete muovere la carta "
                                               "solo se ha lo stesso valore o lo stesso seme e solo se queste si trovino "
                                               "ad un massimo di 3 carte di distanza. La soluzione del gioco è giuducata "
                                               "molto rara...se non quasi impossibile!"),
                                8);
    rulesText->setAlignment(Qt::AlignJustify | Qt::AlignTop);

    new Label(area, QStringLiteral("Label5"), QRect(240, 5550, 0, 0), QStringLiteral("Record:"), 10, true);
    record_label_ = new Label(area, QStringLiteral("record"), QRect(1200, 5550, 0, 0), {}, 10, true);
    new Label(area, QStringLiteral("Label6"), QRect(1560, 5550, 0, 0), QStringLiteral("Mazzetti - "), 10, true);
    nome_ = new Label(area, QStringLiteral("nome"), QRect(2760, 5550, 0, 0), {}, 10, true);

    // One plaque behind both win labels: the back and its gold inner frame.
    vinto2_ = new Shape(area, QStringLiteral("vinto2"), QRect(1740, 375, 3855, 1005), Shape::Kind::RoundedRectangle);
    vinto2_->setFill(QColor(0, 0, 128));
    vinto2_->setBorder(QColor(0, 0, 0), 2);
    vinto1_ = new Shape(area, QStringLiteral("vinto1"), QRect(1800, 435, 3735, 885), Shape::Kind::RoundedRectangle);
    vinto1_->setBorder(QColor(255, 215, 0), 2);
    // The two labels' places overlap: the first keeps to the top of its place, the second to the bottom.
    vinto3_ = new Label(area, QStringLiteral("vinto3"), QRect(1920, 435, 3495, 615), QStringLiteral("COMPLIMENTI!!!!"), 18, true);
    vinto4_ = new Label(area, QStringLiteral("vinto4"), QRect(1800, 825, 3735, 495), QStringLiteral("Solitario RIUSCITO"), 14, true);
    vinto3_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    vinto4_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    for (Label* win : {vinto3_, vinto4_})
        win->setForeColour(QColor(255, 215, 0));

    gover_ = std::make_unique<Banner>(area, QStringLiteral("gover3"), QStringLiteral("gover1"), QStringLiteral("gover2"),
                                      QRect(2520, 1485, 2535, 615), QStringLiteral("Game Over"),
                                      BannerLook{QColor(160, 0, 0), QColor(255, 255, 255), QColor(0, 0, 0), 18, true});
    record3_ = std::make_unique<Banner>(area, QStringLiteral("record3"), QStringLiteral("record1"), QStringLiteral("record2"),
                                        QRect(2280, 2325, 3135, 495), QStringLiteral("Nuovo RECORD"),
                                        BannerLook{QColor(255, 255, 0), QColor(160, 0, 0), QColor(0, 0, 0), 14, true});
    rci_ = new TextBox(area, QStringLiteral("rci"), QRect(3000, 2760, 1695, 285), RecordFile::nameLength);
    connect(rci_, &TextBox::keyPress, this, &Fisarmonica::rci_KeyPress);

    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova Partita"), QKeySequence(QStringLiteral("Ctrl+N")),
                QKeySequence(QStringLiteral("Ctrl+E")));
    Form_Load();
}

Fisarmonica::~Fisarmonica() = default;

void Fisarmonica::Form_Load() { Nuova_Click(); }

void Fisarmonica::LeggiRecord()
{
    const RecordText text = recordFile(records).read();
    const int stored = FisarmonicaRules::storedRecord(text.value);
    record_ = stored > 0 ? stored : FisarmonicaRules::defaultRecord;
    nome_->setCaption(stored > 0 ? codepage::fromWestern(text.name)
                                 : QString::fromLatin1(FisarmonicaRules::defaultRecordName));
    record_label_->setCaption(QString::number(record_));
}

void Fisarmonica::Nuova_Click()
{
    LeggiRecord();
    for (Shape* frame : maschera_)
        frame->hide();
    term1_->hide();
    term2_->hide();
    gover_->setVisible(false);
    record3_->setVisible(false);
    for (QWidget* win : std::initializer_list<QWidget*>{vinto1_, vinto2_, vinto3_, vinto4_})
        win->hide();
    rci_->hide();
    rci_->setEnabled(true);
    Label1_->setCaption(QStringLiteral("52"));
    MazzoI_->setPicture(pictures::redBack);
    rules_.Nuova();
    showRow();
}

void Fisarmonica::showRow()
{
    for (int i = 0; i < FisarmonicaRules::places; ++i) {
        carteF_[static_cast<std::size_t>(i)]->setPicture(rules_.picture(i));
        maschera_[static_cast<std::size_t>(i)]->setVisible(rules_.selected() == i);
    }
}

void Fisarmonica::MazzoI_Click()
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
    Label1_->setCaption(QString::number(rules_.cardsLeft()));
    showRow();
}

void Fisarmonica::carteF_Click(int index)
{
    rules_.click(index);
    showRow();
}

void Fisarmonica::carteF_MouseMove(int index)
{
    setPointer(carteF_[static_cast<std::size_t>(index)], rules_.place(index).isEmpty() ? Pointer::Arrow : Pointer::Hand);
}

void Fisarmonica::MazzoI_MouseMove() { setPointer(MazzoI_, rules_.deckEmpty() ? Pointer::Arrow : Pointer::Hand); }

void Fisarmonica::term2_Click()
{
    if (!term2_->isVisible())
        return;
    term1_->hide();
    term2_->hide();
    const int piles = rules_.finish();
    gover_->setVisible(true);
    if (rules_.isWin()) {
        for (QWidget* win : std::initializer_list<QWidget*>{vinto2_, vinto1_, vinto3_, vinto4_}) {
            win->show();
            win->raise();
        }
    }
    if (record_ > piles) {
        record3_->setVisible(true);
        rci_->show();
        rci_->raise();
        rci_->setFocus();
    }
}

void Fisarmonica::rci_KeyPress(int keyAscii)
{
    if (keyAscii != 13 || !rci_->isEnabled())
        return;
    const std::string name = takeRecordName(*rci_);
    nome_->setCaption(codepage::fromWestern(name));
    // A record file that cannot be written costs the record, never the game: the record line then
    // shows what the file still holds.
    if (!recordFile(records).write(name, FisarmonicaRules::recordValueText(rules_.pileCount())))
        LeggiRecord();
}
