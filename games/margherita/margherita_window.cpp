// Margherita's window: draws the rules' table and turns clicks on the cards into the rules' moves.
#include "games/margherita/margherita_window.h"

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

#include <initializer_list>

namespace {

constexpr RecordScheme records{"rcmgh.dat", 0xB7, MargheritaRules::recordWidth};

constexpr int bannerLeft = 3720;
constexpr int bannerWidth = 4095;
// The inner outline of a banner sits this far inside its face.
constexpr int outlineInset = 45;
constexpr Rgb felt{0, 112, 48};
constexpr Rgb chalk{255, 255, 255};
constexpr Rgb straw{255, 236, 139};
constexpr Rgb recordInk{176, 0, 0};

QString fromLatin(std::string_view latin) { return QString::fromLatin1(latin.data(), static_cast<qsizetype>(latin.size())); }

void showOnTop(std::initializer_list<QWidget*> controls, bool visible)
{
    for (QWidget* control : controls) {
        control->setVisible(visible);
        if (visible)
            control->raise();
    }
}

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
    label("nome", 9000, 6795, 0, 0).font(16, true).fore(straw).piece(),
    label("Label4", 11280, 360, 0, 0, "Regole").font(11, true).fore(chalk),
    label("Label3", 11280, 720, 1410, 5640, rulesText).font(7.5).fore(chalk),
    label("Label5", 11280, 6510, 0, 0, "Indice Riuscita").font(8, true).fore(chalk).piece(),
    label("Label6", 11280, 6780, 0, 0, "1%").font(12, true).fore(chalk),
    // The new-record box holds its title between two stars and, below them, the name box; they are
    // raised over the box when it appears.
    label("ast1", 3960, 4680, 0, 0, "*").font(16, true).fore(recordInk).hidden(),
    label("ast2", 7080, 4680, 0, 0, "*").font(16, true).fore(recordInk).hidden(),
    textBox("rci", 4920, 5040, 1935, 285).length(RecordFile::nameLength).hidden(),
};

} // namespace

MargheritaWindow::MargheritaWindow(std::unique_ptr<Random> random)
    : GameWindow(QStringLiteral("margerita"), QStringLiteral("Margherita - TOA-TOA Games"), 12810, 7380, qcolour(felt)),
      random_(std::move(random)), rules_(*random_), record_(MargheritaRules::recordRules())
{
    QWidget* area = client();
    const Form form(area, margheritaControls);
    carte_ = form.pictures("carte");
    mascher_ = form.shapes("mascher");
    Label1_ = form.label(QStringLiteral("Label1"));
    punti_ = form.label(QStringLiteral("punti"));
    nome_ = form.label(QStringLiteral("nome"));
    ast1_ = form.label(QStringLiteral("ast1"));
    ast2_ = form.label(QStringLiteral("ast2"));
    rci_ = form.textBox(QStringLiteral("rci"));
    form.label(QStringLiteral("Label6"))->setReadAs(QStringLiteral("Indice Riuscita"));
    connectArray(carte_, this, &MargheritaWindow::carte_Click, &MargheritaWindow::carte_MouseMove);

    const QRect vtPlace(bannerLeft, 2280, bannerWidth, 495);
    vt_ = std::make_unique<Banner>(area, QStringLiteral("vt"), QStringLiteral("vt1"), QStringLiteral("vt3"), vtPlace,
                                   fromLatin(MargheritaRules::successText),
                                   BannerLook{QColor(0, 0, 128), QColor(255, 215, 0), QColor(0, 0, 0), 16, true});
    vt_->addOutline(QStringLiteral("vt2"), QColor(255, 215, 0), outlineInset);

    const QRect PtPlace(bannerLeft, 3500, bannerWidth, 495);
    Pt_ = std::make_unique<Banner>(area, QStringLiteral("Pt"), QStringLiteral("p2"), QStringLiteral("ombra"), PtPlace,
                                   fromLatin(MargheritaRules::noMovesText),
                                   BannerLook{QColor(176, 0, 0), qcolour(chalk), QColor(0, 0, 0), 16, true});
    Pt_->addOutline(QStringLiteral("p3"), qcolour(chalk), outlineInset);

    const QRect rcPlace(bannerLeft, 4560, bannerWidth, 900);
    rct_ = std::make_unique<Banner>(area, QStringLiteral("rct"), QStringLiteral("rc1"), QStringLiteral("rc3"), rcPlace,
                                    fromLatin(MargheritaRules::newRecordText),
                                    BannerLook{QColor(255, 255, 0), qcolour(recordInk), QColor(0, 0, 0), 13, true});
    rct_->placeCaption(QRect(3840, 4750, 3510, 285));
    rct_->addOutline(QStringLiteral("rc2"), qcolour(recordInk), outlineInset);
    entry_ = new RecordEntry(*this, *rci_, record_);
    connect(entry_, &RecordEntry::written, this, &MargheritaWindow::rci_Written);

    addFileMenu(QStringLiteral("inizia"), QStringLiteral("Inizia Partita"), QKeySequence(QStringLiteral("Ctrl+I")),
                QKeySequence(QStringLiteral("Ctrl+E")));
    Form_Load();
}

MargheritaWindow::~MargheritaWindow() = default;

void MargheritaWindow::Form_Load()
{
    setIconGroup(102);
    inizia_Click();
}

LeavingQuestion MargheritaWindow::leavingQuestion() const
{
    return gameOver_ == 1 ? backToMenuQuestion : abandonQuestion;
}

void MargheritaWindow::LeggiRecord()
{
    record_.read(recordDirectory());
    nome_->setCaption(codepage::fromWestern(record_.holder()));
    punti_->setCaption(QString::fromStdString(record_.valueCaption()));
    nameRecordLine();
}

// The count alone says nothing to a player who cannot see the line: it reads as the whole line does.
void MargheritaWindow::nameRecordLine()
{
    punti_->setAccessibleName(
        QStringLiteral("RECORD: %1 %2").arg(punti_->caption().simplified(), nome_->caption().simplified()));
}

// Each card says what its frame and the pointer over it show: framed, it may be turned next; face
// down and unframed after the first card, it may not. Before the first card every card is free and
// nothing marks one out.
void MargheritaWindow::showCard(int index)
{
    PictureBox* card = carte_[static_cast<std::size_t>(index)];
    card->setPicture(rules_.picture(index));
    if (rules_.isFramed(index))
        card->setState(QStringLiteral("giocabile"));
    else if (rules_.state(index) == CellState::Blocked)
        card->setState(QStringLiteral("bloccata"));
    else
        card->setState({});
}

void MargheritaWindow::inizia_Click()
{
    for (PictureBox* card : carte_)
        setPointer(card, Pointer::Hand);
    LeggiRecord();
    Label1_->setCaption(QStringLiteral("Carte Scoperte: 00"));
    gameOver_ = 0;
    vt_->setVisible(false);
    Pt_->setVisible(false);
    showRecordEntry(false);
    for (Shape* frame : mascher_)
        frame->hide();
    metticarte();
}

void MargheritaWindow::metticarte()
{
    rules_.newGame();
    for (int i = 0; i < MargheritaRules::cellCount; ++i)
        showCard(i);
}

void MargheritaWindow::carte_Click(int index)
{
    if (!rules_.turn(index))
        return;
    for (int i = 0; i < MargheritaRules::cellCount; ++i) {
        showCard(i);
        mascher_[static_cast<std::size_t>(i)]->setVisible(rules_.isFramed(i));
    }
    Label1_->setCaption(QStringLiteral("Carte Scoperte: ") + QString::fromStdString(rules_.turnedText()));
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
    gameOver_ = 1;
    ctrlrec();
    if (rules_.isSuccess()) {
        vt_->setVisible(true);
    }
}

void MargheritaWindow::ctrlrec()
{
    if (!record_.isBeatenBy(rules_.turnedCount()))
        return;
    showRecordEntry(true);
}

// The box keeps the last name typed; it only appears, or goes, with its banner and stars.
void MargheritaWindow::showRecordEntry(bool visible)
{
    rct_->setVisible(visible);
    showOnTop({ast1_, ast2_}, visible);
    if (visible)
        entry_->offer(rules_.turnedCount());
    else
        entry_->withdraw();
}

// The record line shows the new record at once. A record file that cannot be written costs the
// record, never the game: the line then shows what the file still holds.
void MargheritaWindow::rci_Written(bool ok)
{
    if (!ok) {
        LeggiRecord();
        return;
    }
    nome_->setCaption(codepage::fromWestern(record_.holder()));
    punti_->setCaption(QString::fromStdString(record_.valueCaption()));
    nameRecordLine();
}
