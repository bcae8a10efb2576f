// Margherita's window: draws the rules' table and turns clicks on the cards into the rules' moves.
#include "games/margherita/margherita_window.h"

#include "shell/codepage.h"
#include "shell/controls/banner.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"
#include "shell/random.h"
#include "shell/record_file.h"

#include <initializer_list>

namespace {

constexpr RecordScheme records{"rcmgh.dat", 0xB7, MargheritaRules::recordWidth};

constexpr int cardWidth = 975;
constexpr int cardHeight = 1455;
constexpr int bannerLeft = 3720;
constexpr int bannerWidth = 4095;
// The inner outline of a banner sits this far inside its face.
constexpr int outlineInset = 45;
const QColor felt(0, 112, 48);
const QColor chalk(255, 255, 255);
const QColor straw(255, 236, 139);
const QColor frameYellow(255, 255, 0);

QString indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

QRect cardPlace(int i)
{
    const int row = i / MargheritaRules::columns;
    const int column = i % MargheritaRules::columns;
    return QRect(240 + 1080 * column, 360 + 1560 * row, cardWidth, cardHeight);
}

QString fromLatin(std::string_view latin) { return QString::fromLatin1(latin.data(), static_cast<qsizetype>(latin.size())); }

void showOnTop(std::initializer_list<QWidget*> controls, bool visible)
{
    for (QWidget* control : controls) {
        control->setVisible(visible);
        if (visible)
            control->raise();
    }
}

const QString rulesText = QStringLiteral(
    "Ribaltate almeno 20 carte muoven- dosi dall'una all'altra, secondo la direzione indicata dalla "
    "forma di ciascuno dei 4 semi.  CUORI: ci si dovrà spostare sulla carta situata sotto PICCHE: "
    "ci si dovrà spostare sulla carta situata sopra;                 QUADRI: ci si potrà spostare "
    "sulla carta sopra o sotto oppure destra o sinistra;   FIORI: ci si potrà spostare sulla carta "
    "sopra o a sinitra o a destra.  Il programma ti dirà su quali carte potrai muovere.");

} // namespace

MargheritaWindow::MargheritaWindow(std::unique_ptr<Random> random)
    : GameWindow(QStringLiteral("margerita"), QStringLiteral("Margherita - TOA-TOA Games"), 12810, 7380, felt),
      random_(std::move(random)), rules_(*random_)
{
    QWidget* area = client();
    for (int i = 0; i < MargheritaRules::cellCount; ++i) {
        auto* card = new PictureBox(area, indexed("carte", i), cardPlace(i));
        connect(card, &PictureBox::clicked, this, [this, i] { carte_Click(i); });
        connect(card, &PictureBox::mouseMoved, this, [this, i] { carte_MouseMove(i); });
        carte_.push_back(card);
    }
    for (int i = 0; i < MargheritaRules::cellCount; ++i) {
        auto* frame = new Shape(area, indexed("mascher", i), cardPlace(i));
        frame->setBorder(frameYellow, 3);
        frame->hide();
        mascher_.push_back(frame);
    }

    Label1_ = new Label(area, QStringLiteral("Label1"), QRect(360, 6795, 5175, 495),
                        QStringLiteral("Carte Scoperte: 00"), 16, true);
    Label1_->setForeColour(chalk);
    auto* recordTitle = new Label(area, QStringLiteral("Label2"), QRect(6840, 6800, 0, 0), QStringLiteral("RECORD: "), 16, true);
    punti_ = new Label(area, QStringLiteral("punti"), QRect(8400, 6795, 0, 0), QStringLiteral("00"), 16, true);
    nome_ = new Label(area, QStringLiteral("nome"), QRect(9000, 6795, 0, 0), {}, 16, true);
    for (Label* record : {recordTitle, punti_, nome_})
        record->setForeColour(straw);

    auto* rulesTitle = new Label(area, QStringLiteral("Label4"), QRect(11280, 360, 0, 0), QStringLiteral("Regole"), 11, true);
    auto* rules = new Label(area, QStringLiteral("Label3"), QRect(11280, 720, 1410, 5640), rulesText, 7.5);
    auto* rateTitle = new Label(area, QStringLiteral("Label5"), QRect(11280, 6510, 0, 0), QStringLiteral("Indice Riuscita"), 8, true);
    auto* rate = new Label(area, QStringLiteral("Label6"), QRect(11280, 6780, 0, 0), QStringLiteral("1%"), 12, true);
    for (Label* column : {rulesTitle, rules, rateTitle, rate})
        column->setForeColour(chalk);

    const QRect vtPlace(bannerLeft, 2280, bannerWidth, 495);
    vt_ = std::make_unique<Banner>(area, QStringLiteral("vt"), QStringLiteral("vt1"), QStringLiteral("vt3"), vtPlace,
                                   fromLatin(MargheritaRules::successText),
                                   BannerLook{QColor(0, 0, 128), QColor(255, 215, 0), QColor(0, 0, 0), 16, true});
    vt_->addOutline(QStringLiteral("vt2"), QColor(255, 215, 0), outlineInset);

    const QRect PtPlace(bannerLeft, 3500, bannerWidth, 495);
    Pt_ = std::make_unique<Banner>(area, QStringLiteral("Pt"), QStringLiteral("p2"), QStringLiteral("ombra"), PtPlace,
                                   fromLatin(MargheritaRules::noMovesText),
                                   BannerLook{QColor(176, 0, 0), chalk, QColor(0, 0, 0), 16, true});
    Pt_->addOutline(QStringLiteral("p3"), chalk, outlineInset);

    // The new-record box holds its title between two stars and, below them, the name box.
    const QRect rcPlace(bannerLeft, 4560, bannerWidth, 900);
    const QColor recordInk(176, 0, 0);
    rct_ = std::make_unique<Banner>(area, QStringLiteral("rct"), QStringLiteral("rc1"), QStringLiteral("rc3"), rcPlace,
                                    fromLatin(MargheritaRules::newRecordText),
                                    BannerLook{QColor(255, 255, 0), recordInk, QColor(0, 0, 0), 13, true});
    rct_->placeCaption(QRect(3840, 4750, 3510, 285));
    rct_->addOutline(QStringLiteral("rc2"), recordInk, outlineInset);
    ast1_ = new Label(area, QStringLiteral("ast1"), QRect(3960, 4680, 0, 0), QStringLiteral("*"), 16, true);
    ast2_ = new Label(area, QStringLiteral("ast2"), QRect(7080, 4680, 0, 0), QStringLiteral("*"), 16, true);
    for (Label* star : {ast1_, ast2_}) {
        star->setForeColour(recordInk);
        star->hide();
    }
    rci_ = new TextBox(area, QStringLiteral("rci"), QRect(4920, 5040, 1935, 285), RecordFile::nameLength);
    rci_->hide();
    connect(rci_, &TextBox::keyPress, this, &MargheritaWindow::rci_KeyPress);

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
    const RecordText record = recordFile(records).read();
    rules_.takeRecord(record.name, record.value);
    nome_->setCaption(codepage::fromWestern(rules_.recordName()));
    punti_->setCaption(QString::fromStdString(rules_.recordText()));
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
    // A name typed for an earlier record stays in the box; only its being locked is undone.
    rci_->setEnabled(true);
    for (Shape* frame : mascher_)
        frame->hide();
    metticarte();
}

void MargheritaWindow::metticarte()
{
    rules_.newGame();
    for (int i = 0; i < MargheritaRules::cellCount; ++i)
        carte_[static_cast<std::size_t>(i)]->setPicture(rules_.picture(i));
}

void MargheritaWindow::carte_Click(int index)
{
    if (!rules_.turn(index))
        return;
    for (int i = 0; i < MargheritaRules::cellCount; ++i) {
        carte_[static_cast<std::size_t>(i)]->setPicture(rules_.picture(i));
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
    if (!rules_.isNewRecord())
        return;
    showRecordEntry(true);
    rci_->setEnabled(true);
    rci_->setFocus();
}

void MargheritaWindow::showRecordEntry(bool visible)
{
    rct_->setVisible(visible);
    showOnTop({ast1_, ast2_, rci_}, visible);
}

void MargheritaWindow::rci_KeyPress(int keyAscii)
{
    // Only a pending record takes a name, and only once.
    if (keyAscii != 13 || rci_->isHidden() || !rci_->isEnabled())
        return;
    const std::string name = takeRecordName(*rci_);
    nome_->setCaption(codepage::fromWestern(name));
    punti_->setCaption(QString::fromStdString(rules_.turnedText()));
    // A record file that cannot be written costs the record, never the game: the record line then
    // shows what the file still holds.
    if (!recordFile(records).write(name, MargheritaRules::recordValueText(rules_.turnedCount())))
        LeggiRecord();
}
