// Yahtzee's window: draws the dice and the card from the rules and tumbles the thrown dice while no input is taken.
#include "games/yahtzee/yahtzee_window.h"

#include "shell/controls/accessible.h"
#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/random.h"
#include "shell/record_panel.h"
#include "shell/text_formats.h"

#include <algorithm>

namespace {

// The table's ink and chalk, the gold and straw of its words, the dark red of its banners.
constexpr Rgb ink{0, 0, 0}, chalk{255, 255, 255}, gold{255, 204, 0}, straw{255, 236, 139}, darkRed{176, 0, 0};
// The dice: ivory faces with dark pips, and the red mark of a die to throw again.
constexpr Rgb ivory{252, 250, 240}, pip{20, 24, 60}, markRed{200, 0, 0};
// The card: paper, white boxes, yellow sums, and the highlight behind a box that may be chosen.
constexpr Rgb paper{250, 244, 215}, boxWhite{255, 255, 255}, sumYellow{255, 250, 190}, highlight{255, 215, 0};

constexpr int dieStep = 1200;

// The card's rows, 360 twips apart: boxes 0 to 5 on the left with the subtotal and the bonus below
// them, boxes 6 to 12 on the right with the total below them.
constexpr TwipsPoint cell(int column, int row) { return {2160 * column, 360 * row}; }
constexpr TwipsPoint boxRow(int box) { return box < YahtzeeRules::upperBoxes ? cell(0, box) : cell(1, box - YahtzeeRules::upperBoxes); }

// A name on the card; it lets the mouse through to the card beneath, which puts out the highlights. The
// box beside it says its row with its score, so a screen reader passes the name by.
constexpr ControlLine boxName(const char* name, TwipsPoint at, const char* caption)
{
    return label(name, 300 + at.x, 3480 + at.y, 1455, 375, caption).font(10, true).align(Qt::AlignLeft | Qt::AlignVCenter)
        .fore(ink).transparent().piece();
}
constexpr ControlLine sumBox(const char* name, TwipsPoint at, const char* readAs)
{
    return label(name, 1800 + at.x, 3480 + at.y, 615, 375).font(11, true).align(Qt::AlignCenter).fore(ink).back(sumYellow)
        .readAs(readAs).framed();
}

// The dice, their pips, marks and click areas, the roll button, the card and the record line, as the form lists them.
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
    button("sceltatxt", 2640, 1680, 1335, 495, "Nuova").font(13, true).greyed({150, 120, 40}),
    label("Label3", 4320, 1800, 0, 0, "Lanci:").font(11, true).fore(chalk),
    circle("tiri", 5160, 1800, 255, 255).array(3, 3, 360).fill({220, 30, 30}).border(ink),

    rectangle("help1", 600, 2340, 5415, 435).fill({0, 0, 112}).border(gold, 2).hidden(),
    // The request for a box appears after the third roll: the player who cannot see it hears it.
    label("help", 600, 2340, 5415, 435, "Seleziona la Combinazione dal tabellone dei punti")
        .font(10, true).fore(gold).align(Qt::AlignCenter).alert().hidden(),

    // The card's paper lies under its names and boxes.
    label("Label4", 120, 3360, 4575, 3120).back(paper).decoration(),

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

    // The card: a highlight behind each name, the names, then the boxes and the sums beside them.
    roundedRectangle("msctxt", 240, 3480, 1575, 375).array(YahtzeeRules::boxes).placed(boxRow).fill(highlight).border(ink).hidden(),
    boxName("Label2(0)", boxRow(0), "ASSI"), boxName("Label2(1)", boxRow(1), "DUE"), boxName("Label2(2)", boxRow(2), "TRE"),
    boxName("Label2(3)", boxRow(3), "QUATTRO"), boxName("Label2(4)", boxRow(4), "CINQUE"), boxName("Label2(5)", boxRow(5), "SEI"),
    boxName("Label2(6)", boxRow(6), "TRIS"), boxName("Label2(7)", boxRow(7), "POKER"), boxName("Label2(8)", boxRow(8), "FULL"),
    boxName("Label2(9)", boxRow(9), "SCALA MIN"), boxName("Label2(10)", boxRow(10), "SCALA MAX"),
    boxName("Label2(11)", boxRow(11), "YAHTZEE"), boxName("Label2(12)", boxRow(12), "CHANGE"),
    boxName("Label2(13)", cell(0, 6), "SUB TOT"), boxName("Label2(14)", cell(0, 7), "BONUS"), boxName("Label2(15)", cell(1, 7), "TOTALE"),
    label("gioco", 1800, 3480, 615, 375).array(YahtzeeRules::boxes).placed(boxRow).font(11, true).align(Qt::AlignCenter)
        .fore(ink).back(boxWhite).framed(),
    sumBox("subt", cell(0, 6), "SUB TOT"), sumBox("bonus", cell(0, 7), "BONUS"), sumBox("totale", cell(1, 7), "TOTALE"),

    banner("gameovert", "gameover", "gameover1", 1560, 1780, 3135, 615, "GAME OVER").face(darkRed).fore(chalk).shadow(ink)
        .font(20, true),
    banner("rectxt", "rec", "rec1", 1320, 2640, 3615, 780, "Nuovo Record").face({255, 255, 0}).fore(darkRed).shadow(ink)
        .font(13, true).captionAt(1320, 2660, 3615, 330),
    textBox("reci", 2400, 3020, 1455, 285).hidden(),
};

// The record line, left to right, and the new record's banner (shadow, face, caption) with the name box.
const RecordPanelLayout yatzRecord{{"Label6", "record", "nominativo"}, "record", "nominativo", {"rec1", "rec", "rectxt"}, "reci"};

// The card's names, as a screen reader says each box.
const char* const boxNames[YahtzeeRules::boxes] = {"ASSI", "DUE",       "TRE",       "QUATTRO", "CINQUE",
                                                   "SEI",  "TRIS",      "POKER",     "FULL",    "SCALA MIN",
                                                   "SCALA MAX", "YAHTZEE", "CHANGE"};

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

// One frame of a tumble: the thrown dice show other faces for a moment.
struct TumbleFrame {
    int frame;
    double hold;
};

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
    : GameWindowOf(std::move(random), QStringLiteral("yatz"), QStringLiteral("Yahtzee - TOA-TOA Games"), 9360, 7320, QColor(0, 112, 48)), form_(std::make_unique<const Form>(client(), yatzControls))
{
    for (const char* name : {"AL", "AR", "CL", "CC", "CR", "DL", "DR"})
        pips_.push_back(form_->shapes(name));
    maschera_ = form_->shapes("maschera");
    cliccami_ = form_->labels("cliccami");
    msctxt_ = form_->shapes("msctxt");
    gioco_ = form_->labels("gioco");
    connectArray(cliccami_, this, &YahtzeeWindow::cliccami_Click, &YahtzeeWindow::cliccami_MouseMove);
    connectArray(gioco_, this, &YahtzeeWindow::gioco_Click, &YahtzeeWindow::gioco_MouseMove);
    Label* roll = form_->label("sceltatxt");
    setPointer(roll, Pointer::Hand);
    connect(roll, &Label::clicked, this, &YahtzeeWindow::sceltatxt_Click);
    connect(roll, &Label::mouseMoved, this, &YahtzeeWindow::sceltatxt_MouseMove);
    connect(form_->label("Label4"), &Label::mouseMoved, this, &YahtzeeWindow::Label4_MouseMove);
    record_ = new RecordPanel(*this, *form_, yatzRecord, recordRules());

    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova Partita"), QKeySequence(QStringLiteral("Ctrl+N")),
                QKeySequence());
    Nuova_Click();
}

YahtzeeWindow::~YahtzeeWindow() = default;

void YahtzeeWindow::Nuova_Click()
{
    // A tumble still playing belongs to the game before: it stops.
    startGame();
    rules_.nuovaPartita();
    form_->banner("gameovert")->setVisible(false);
    record_->withdraw();
    record_->read();
    showAll();
}

void YahtzeeWindow::disegna(int i, int face)
{
    const bool* lit = pipsOf[face];
    for (std::size_t p = 0; p < pips_.size(); ++p)
        pips_[p][static_cast<std::size_t>(i)]->setVisible(lit[p]);
}

void YahtzeeWindow::showAll()
{
    for (int i = 0; i < YahtzeeRules::dice; ++i) {
        maschera_[static_cast<std::size_t>(i)]->setVisible(rules_.isMarked(i));
        disegna(i, rules_.face(i));
        // The die's click area lies over it and speaks for it, the mark included: red means "throw it
        // again". A tumbling die keeps its name until it lands, so a screen reader hears only the landing.
        QString name = QStringLiteral("Dado %1: ").arg(i + 1) + faceWord(rules_.face(i));
        if (rules_.isMarked(i))
            name += QStringLiteral(", da cambiare");
        accessible::setName(cliccami_[static_cast<std::size_t>(i)], name);
    }
    Label* roll = form_->label("sceltatxt");
    roll->setCaption(rules_.startsNewHand() ? QStringLiteral("Nuova") : QStringLiteral("Cambia"));
    roll->setVisible(rules_.rollOffered());
    form_->shape("scelta")->setVisible(rules_.rollOffered());
    roll->setEnabled(rules_.rollReady());
    // Once the game is over the rolls of a hand are no longer counted: "GAME OVER" stands in their place.
    Label* rolls = form_->label("Label3");
    rolls->setVisible(!rules_.isOver());
    int rollsLeft = 0;
    for (int k = 0; k < YahtzeeRules::rollsPerHand; ++k) {
        form_->shape(arrayName("tiri", k))->setVisible(rules_.isRollToCome(k) && !rules_.isOver());
        rollsLeft += rules_.isRollToCome(k) ? 1 : 0;
    }
    // The red dots left beside "Lanci:" are the rolls still to come in this hand.
    accessible::setName(rolls, QStringLiteral("Lanci rimasti: %1").arg(rollsLeft));
    form_->shape("help1")->setVisible(rules_.awaitsChoice());
    form_->label("help")->setVisible(rules_.awaitsChoice());
    for (int k = 0; k < YahtzeeRules::boxes; ++k) {
        const auto value = rules_.box(k);
        Label* box = gioco_[static_cast<std::size_t>(k)];
        accessible::setName(box, QString::fromLatin1(boxNames[k]) + QStringLiteral(": ") + (value ? number(*value) : QStringLiteral("vuoto")));
        box->setCaption(value ? number(*value) : QString());
    }
    form_->label("subt")->setCaption(number(rules_.subtotal()));
    form_->label("bonus")->setCaption(number(rules_.bonus()));
    form_->label("totale")->setCaption(number(rules_.total()));
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
    form_->label("sceltatxt")->setEnabled(false);
    std::vector<TumbleFrame> frames;
    for (int frame = 0; frame < tumbleFrames; ++frame)
        frames.push_back({frame, tumbleFrameSeconds});
    return play(frames, [this, &rolled](const TumbleFrame& f) {
        for (int i = 0; i < YahtzeeRules::dice; ++i) {
            if (!rolled[static_cast<std::size_t>(i)])
                continue;
            maschera_[static_cast<std::size_t>(i)]->hide();
            disegna(i, tumbleFace(rules_.face(i), i, f.frame));
        }
    });
}

void YahtzeeWindow::sceltatxt_Click()
{
    const bool wasOver = rules_.isOver();
    const auto roll = rules_.roll();
    if (!roll || !tumble(roll->rolled))
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
    form_->banner("gameovert")->setVisible(true);
    if (record_->isBeatenBy(rules_.finalScore()))
        record_->offer(rules_.finalScore());
}

// The mouse leaves the card over its paper, which puts out the highlights; the keyboard leaves it
// for the dice or the roll button at one step, so these put them out too.
void YahtzeeWindow::sceltatxt_MouseMove()
{
    setPointer(form_->label("sceltatxt"), Pointer::Hand);
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
