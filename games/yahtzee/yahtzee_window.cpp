// Yahtzee's window: draws the dice and the card from the rules and tumbles the thrown dice while no input is taken.
#include "games/yahtzee/yahtzee_window.h"

#include "shell/codepage.h"
#include "shell/controls/accessible.h"
#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"
#include "shell/random.h"
#include "shell/record_entry.h"
#include "shell/text_formats.h"
#include "shell/waits.h"

#include <algorithm>

namespace {

constexpr Rgb ink{0, 0, 0};
constexpr Rgb chalk{255, 255, 255};
constexpr Rgb ivory{252, 250, 240};
constexpr Rgb pip{20, 24, 60};
constexpr Rgb markRed{200, 0, 0};
constexpr Rgb gold{255, 204, 0};
constexpr Rgb straw{255, 236, 139};
constexpr Rgb paper{250, 244, 215};
constexpr Rgb boxWhite{255, 255, 255};
constexpr Rgb sumYellow{255, 250, 190};
constexpr Rgb highlight{255, 215, 0};

constexpr int dieStep = 1200;
constexpr int firstBoxTop = 3480;
constexpr int rowStep = 360;
constexpr int boxWidth = 615;
constexpr int rowHeight = 375;
constexpr int nameWidth = 1575;

// The dice, their pips, marks and click areas, the roll button and the record line, as the form lists them.
constexpr ControlLine yatzControls[] = {
    roundedRectangle("faccia", 360, 360, 1095, 1215).array(5, 5, dieStep).fill(ivory).border(ink, 2),
    circle("AL", 480, 480, 255, 255).array(5, 5, dieStep).fill(pip).border(pip),
    circle("AR", 1080, 480, 255, 255).array(5, 5, dieStep).fill(pip).border(pip),
    circle("CL", 480, 840, 255, 255).array(5, 5, dieStep).fill(pip).border(pip),
    circle("CC", 780, 840, 255, 255).array(5, 5, dieStep).fill(pip).border(pip),
    circle("CR", 1080, 840, 255, 255).array(5, 5, dieStep).fill(pip).border(pip),
    circle("DL", 480, 1200, 255, 255).array(5, 5, dieStep).fill(pip).border(pip),
    circle("DR", 1080, 1200, 255, 255).array(5, 5, dieStep).fill(pip).border(pip),
    roundedRectangle("maschera", 360, 360, 1095, 1215).array(5, 5, dieStep).fill({200, 0, 0, 80}).border(markRed, 4).hidden(),
    label("cliccami", 360, 360, 1095, 1215).array(5, 5, dieStep),

    roundedRectangle("scelta", 2520, 1680, 1575, 495).fill(gold).border(ink, 2),
    button("sceltatxt", 2640, 1680, 1335, 495, "Nuova").font(13, true),
    label("Label3", 4320, 1800, 0, 0, "Lanci:").font(11, true).fore(chalk),
    circle("tiri", 5160, 1800, 255, 255).array(3, 3, 360).fill({220, 30, 30}).border(ink),

    rectangle("help1", 600, 2340, 5415, 435).fill({0, 0, 112}).border(gold, 2).hidden(),
    label("help", 600, 2340, 5415, 435, "Seleziona la Combinazione dal tabellone dei punti")
        .font(10, true).fore(gold).align(Qt::AlignCenter).hidden(),

    // The card's paper lies under its names and boxes.
    label("Label4", 120, 3360, 4575, 3120).back(paper),

    label("Label6", 240, 6720, 0, 0, "Record:").font(13, true).fore(straw),
    label("record", 1680, 6720, 735, 375, "000").font(13, true).fore(straw),
    label("nominativo", 2400, 6720, 1935, 375).font(13, true).fore(straw).oneLine(),

    label("regole", 6600, 360, 0, 0, "Regole").font(12, true).fore(straw),
    label("Label5", 6600, 780, 2520, 6000,
          "Realizzare il maggior punteggio. TRIS, POKER e CHANGE valgono la somma dei dadi; Il FULL vale 25 punti; "
          "La SCALA MINIMA (se- quenza di 4 dadi) vale 30; La SCALA MASSIMA (sequen- za di 5 dadi) vale 40; Lo "
          "YAHTZEE (cinque dadi uguali) vale 50. Se il SUB TOTALE (la somma dei dadi) supera 62 si avranno 35 punti "
          "BONUS. La scelta dei punteggi, implica una nuova mano.")
        .font(10).fore(chalk),
};

const char* const boxNames[YahtzeeRules::boxes] = {"ASSI", "DUE",       "TRE",       "QUATTRO", "CINQUE",
                                                   "SEI",  "TRIS",      "POKER",     "FULL",    "SCALA MIN",
                                                   "SCALA MAX", "YAHTZEE", "CHANGE"};

// Boxes 0 to 5 are the upper section on the left, 6 to 12 the column on the right.
int boxLeft(int box) { return box < YahtzeeRules::upperBoxes ? 1800 : 3960; }
int nameLeft(int box) { return box < YahtzeeRules::upperBoxes ? 240 : 2400; }
int rowTop(int box) { return firstBoxTop + rowStep * (box < YahtzeeRules::upperBoxes ? box : box - YahtzeeRules::upperBoxes); }

// The pips lit for each face, in the order AL, AR, CL, CC, CR, DL, DR.
constexpr bool pipsOf[7][7] = {
    {},
    {false, false, false, true, false, false, false},
    {true, false, false, false, false, false, true},
    {true, false, false, true, false, false, true},
    {true, true, false, false, false, true, true},
    {true, true, false, true, false, true, true},
    {true, true, true, false, true, true, true},
};

QString number(int n) { return QString::number(n); }

// A face as the player hears it: "Dado 2: cinque".
QString faceWord(int face)
{
    static const char* const words[7] = {"", "uno", "due", "tre", "quattro", "cinque", "sei"};
    return QString::fromLatin1(words[face]);
}

// A label with no caption of its own, or one whose caption tells only half, says `name`; a screen
// reader hears of the change as of any caption's.
void sayAs(Label* label, const QString& name)
{
    if (label->accessibleName() == name)
        return;
    label->setAccessibleName(name);
    accessible::nameChanged(label);
}

} // namespace

RecordRules YahtzeeWindow::recordRules()
{
    return {{"rcyah.dat", 0xB7, 3},
            RecordRules::Better::Higher,
            0,
            "CPU     ",
            [](long long score) { return text::zeroPadded(score, 3); },
            [](std::string_view stored) -> std::optional<long long> {
                const auto score = text::readNumber(stored.substr(0, 3));
                return score && *score > 0 ? score : std::nullopt;
            },
            [](long long score) { return text::zeroPadded(score, 3); },
            // The holder's name ends at its first blank.
            [](std::string_view name) { return std::string(name.substr(0, name.find(' '))); }};
}

YahtzeeWindow::YahtzeeWindow(std::unique_ptr<Random> random)
    : GameWindow(QStringLiteral("yatz"), QStringLiteral("Yahtzee - TOA-TOA Games"), 9360, 7320, QColor(0, 112, 48)),
      random_(std::move(random)), rules_(*random_), slot_(recordRules())
{
    QWidget* area = client();
    Form form(area, yatzControls);
    faccia_ = form.shapes("faccia");
    for (const char* name : {"AL", "AR", "CL", "CC", "CR", "DL", "DR"})
        pips_.push_back(form.shapes(name));
    maschera_ = form.shapes("maschera");
    cliccami_ = form.labels("cliccami");
    connectArray(cliccami_, this, &YahtzeeWindow::cliccami_Click, &YahtzeeWindow::cliccami_MouseMove);
    scelta_ = form.shape("scelta");
    sceltatxt_ = form.label("sceltatxt");
    QPalette greyed = sceltatxt_->palette();
    greyed.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 120, 40));
    sceltatxt_->setPalette(greyed);
    setPointer(sceltatxt_, Pointer::Hand);
    connect(sceltatxt_, &Label::clicked, this, &YahtzeeWindow::sceltatxt_Click);
    connect(sceltatxt_, &Label::mouseMoved, this, &YahtzeeWindow::sceltatxt_MouseMove);
    Label3_ = form.label("Label3");
    tiri_ = form.shapes("tiri");
    help1_ = form.shape("help1");
    help_ = form.label("help");
    Label4_ = form.label("Label4");
    connect(Label4_, &Label::mouseMoved, this, &YahtzeeWindow::Label4_MouseMove);
    record_ = form.label("record");
    nominativo_ = form.label("nominativo");

    // The card: a highlight behind each name, the names, then the boxes and the sums beside them.
    for (int k = 0; k < YahtzeeRules::boxes; ++k) {
        auto* lit = new Shape(area, arrayName("msctxt", k), QRect(nameLeft(k), rowTop(k), nameWidth, rowHeight),
                              Shape::Kind::RoundedRectangle);
        lit->setFill(qcolour(highlight));
        lit->setBorder(qcolour(ink), 1);
        lit->hide();
        msctxt_.push_back(lit);
    }
    auto nameLabel = [area](int index, int left, int top, const char* caption) {
        auto* name = new Label(area, arrayName("Label2", index), QRect(left + 60, top, nameWidth - 120, rowHeight),
                               QString::fromLatin1(caption), 10, true);
        name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        name->setForeColour(qcolour(ink));
        // The name lets the mouse through to the card beneath, which puts out the highlights.
        name->setAttribute(Qt::WA_TransparentForMouseEvents);
    };
    auto valueLabel = [area](const QString& name, int left, int top, Rgb back) {
        auto* value = new Label(area, name, QRect(left, top, boxWidth, rowHeight), {}, 11, true);
        value->setAlignment(Qt::AlignCenter);
        value->setForeColour(qcolour(ink));
        value->setBackColour(qcolour(back));
        value->setFrameStyle(QFrame::Box | QFrame::Plain);
        return value;
    };
    for (int k = 0; k < YahtzeeRules::boxes; ++k) {
        nameLabel(k, nameLeft(k), rowTop(k), boxNames[k]);
        Label* box = valueLabel(arrayName("gioco", k), boxLeft(k), rowTop(k), boxWhite);
        connect(box, &Label::clicked, this, [this, k] { gioco_Click(k); });
        connect(box, &Label::mouseMoved, this, [this, k] { gioco_MouseMove(k); });
        gioco_.push_back(box);
    }
    nameLabel(13, 240, 5640, "SUB TOT");
    nameLabel(14, 240, 6000, "BONUS");
    nameLabel(15, 2400, 6000, "TOTALE");
    subt_ = valueLabel(QStringLiteral("subt"), 1800, 5640, sumYellow);
    bonus_ = valueLabel(QStringLiteral("bonus"), 1800, 6000, sumYellow);
    totale_ = valueLabel(QStringLiteral("totale"), 3960, 6000, sumYellow);
    subt_->setReadAs(QStringLiteral("SUB TOT"));
    bonus_->setReadAs(QStringLiteral("BONUS"));
    totale_->setReadAs(QStringLiteral("TOTALE"));
    // The request for a box appears after the third roll: the player who cannot see it hears it.
    help_->setAlert(true);

    gameover_ = std::make_unique<Banner>(area, QStringLiteral("gameovert"), QStringLiteral("gameover"),
                                         QStringLiteral("gameover1"), QRect(1560, 1780, 3135, 615),
                                         QStringLiteral("GAME OVER"),
                                         BannerLook{QColor(176, 0, 0), QColor(255, 255, 255), QColor(0, 0, 0), 20, true});
    rec_ = std::make_unique<Banner>(area, QStringLiteral("rectxt"), QStringLiteral("rec"), QStringLiteral("rec1"),
                                    QRect(1320, 2640, 3615, 780), QStringLiteral("Nuovo Record"),
                                    BannerLook{QColor(255, 255, 0), QColor(176, 0, 0), QColor(0, 0, 0), 13, true});
    rec_->placeCaption(QRect(1320, 2660, 3615, 330));
    reci_ = new TextBox(area, QStringLiteral("reci"), QRect(2400, 3020, 1455, 285), 8);
    reci_->hide();
    entry_ = new RecordEntry(*this, *reci_, slot_);
    connect(entry_, &RecordEntry::written, this, [this] { showRecord(); });

    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova Partita"), QKeySequence(QStringLiteral("Ctrl+N")),
                QKeySequence());
    Form_Load();
}

YahtzeeWindow::~YahtzeeWindow() = default;

void YahtzeeWindow::Form_Load() { Nuova_Click(); }

void YahtzeeWindow::Nuova_Click()
{
    // A tumble still playing sees the new number and stops.
    ++gameNumber_;
    rules_.nuovaPartita();
    gameover_->setVisible(false);
    rec_->setVisible(false);
    entry_->withdraw();
    slot_.read(recordDirectory());
    showRecord();
    showAll();
}

void YahtzeeWindow::showRecord()
{
    const QString holder = codepage::fromWestern(slot_.holder());
    const QString value = QString::fromStdString(slot_.valueCaption());
    sayAs(record_, (QStringLiteral("Record: ") + holder + QLatin1Char(' ') + value).simplified());
    record_->setCaption(value);
    nominativo_->setCaption(holder);
}

void YahtzeeWindow::disegna(int i, int face)
{
    const bool* lit = pipsOf[face];
    for (std::size_t p = 0; p < pips_.size(); ++p)
        pips_[p][static_cast<std::size_t>(i)]->setVisible(lit[p]);
    // The die's click area lies over it and speaks for it, the mark included: red means "throw it again".
    QString name = QStringLiteral("Dado %1: ").arg(i + 1) + faceWord(face);
    if (rules_.isMarked(i))
        name += QStringLiteral(", da cambiare");
    sayAs(cliccami_[static_cast<std::size_t>(i)], name);
}

void YahtzeeWindow::showAll()
{
    for (int i = 0; i < YahtzeeRules::dice; ++i) {
        maschera_[static_cast<std::size_t>(i)]->setVisible(rules_.isMarked(i));
        disegna(i, rules_.face(i));
    }
    sceltatxt_->setCaption(rules_.startsNewHand() ? QStringLiteral("Nuova") : QStringLiteral("Cambia"));
    sceltatxt_->setVisible(rules_.rollOffered());
    scelta_->setVisible(rules_.rollOffered());
    sceltatxt_->setEnabled(rules_.rollReady());
    // Once the game is over the rolls of a hand are no longer counted: "GAME OVER" stands in their place.
    Label3_->setVisible(!rules_.isOver());
    int rollsLeft = 0;
    for (int k = 0; k < YahtzeeRules::rollsPerHand; ++k) {
        tiri_[static_cast<std::size_t>(k)]->setVisible(rules_.isRollToCome(k) && !rules_.isOver());
        rollsLeft += rules_.isRollToCome(k) ? 1 : 0;
    }
    // The red dots left beside "Lanci:" are the rolls still to come in this hand.
    sayAs(Label3_, QStringLiteral("Lanci rimasti: %1").arg(rollsLeft));
    help1_->setVisible(rules_.awaitsChoice());
    help_->setVisible(rules_.awaitsChoice());
    for (int k = 0; k < YahtzeeRules::boxes; ++k) {
        const auto value = rules_.box(k);
        Label* box = gioco_[static_cast<std::size_t>(k)];
        sayAs(box, QString::fromLatin1(boxNames[k]) + QStringLiteral(": ") + (value ? number(*value) : QStringLiteral("vuoto")));
        box->setCaption(value ? number(*value) : QString());
    }
    subt_->setCaption(number(rules_.subtotal()));
    bonus_->setCaption(number(rules_.bonus()));
    totale_->setCaption(number(rules_.total()));
}

int YahtzeeWindow::tumbleFace(int landing, int die, int frame)
{
    static constexpr int offsets[tumbleFrames] = {3, 1, 4, 2};
    return (landing - 1 + offsets[frame % tumbleFrames] + die) % 6 + 1;
}

bool YahtzeeWindow::tumble(const std::array<bool, YahtzeeRules::dice>& rolled)
{
    if (std::none_of(rolled.begin(), rolled.end(), [](bool r) { return r; }))
        return true;
    const int game = gameNumber_;
    sceltatxt_->setEnabled(false);
    for (int frame = 0; frame < tumbleFrames; ++frame) {
        for (int i = 0; i < YahtzeeRules::dice; ++i) {
            if (!rolled[static_cast<std::size_t>(i)])
                continue;
            maschera_[static_cast<std::size_t>(i)]->hide();
            disegna(i, tumbleFace(rules_.face(i), i, frame));
        }
        if (!hold(*this, tumbleFrameSeconds) || game != gameNumber_)
            return false;
    }
    return true;
}

void YahtzeeWindow::sceltatxt_Click()
{
    const bool wasOver = rules_.isOver();
    const auto roll = rules_.roll();
    if (!roll)
        return;
    if (!tumble(roll->rolled))
        return;
    showAll();
    if (!wasOver && rules_.isOver())
        gameOver();
}

void YahtzeeWindow::cliccami_Click(int index)
{
    if (rules_.toggleMark(index))
        showAll();
}

void YahtzeeWindow::gioco_Click(int index)
{
    const bool wasOver = rules_.isOver();
    if (!rules_.chooseBox(index))
        return;
    showAll();
    if (!wasOver && rules_.isOver())
        gameOver();
}

void YahtzeeWindow::gameOver()
{
    gameover_->setVisible(true);
    if (slot_.isBeatenBy(rules_.finalScore())) {
        rec_->setVisible(true);
        entry_->offer(rules_.finalScore());
    }
}

void YahtzeeWindow::reci_KeyPress(int keyAscii)
{
    // The box's own key presses reach the entry directly; this is the same door for a caller without a keyboard.
    entry_->rci_KeyPress(keyAscii);
}

// The mouse leaves the card over its paper, which puts out the highlights; the keyboard leaves it
// for the dice or the roll button at one step, so these put them out too.
void YahtzeeWindow::sceltatxt_MouseMove()
{
    setPointer(sceltatxt_, Pointer::Hand);
    Label4_MouseMove();
}

void YahtzeeWindow::cliccami_MouseMove(int index)
{
    Label4_MouseMove();
    setPointer(cliccami_[static_cast<std::size_t>(index)], rules_.canMark() ? Pointer::Hand : Pointer::Arrow);
}

void YahtzeeWindow::gioco_MouseMove(int index)
{
    const bool invites = rules_.invitesChoice(index);
    setPointer(gioco_[static_cast<std::size_t>(index)], invites ? Pointer::Hand : Pointer::Arrow);
    for (int k = 0; k < YahtzeeRules::boxes; ++k)
        msctxt_[static_cast<std::size_t>(k)]->setVisible(invites && k == index);
}

void YahtzeeWindow::Label4_MouseMove()
{
    for (Shape* lit : msctxt_)
        lit->hide();
}
