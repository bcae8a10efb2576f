// Zidu Dori's window: lays out the course, draws what the rules show and plays their steps banner by banner.
#include "games/golf/golf_window.h"

#include "games/golf/golf_record.h"

#include "shell/card_pictures.h"
#include "shell/codepage.h"
#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"
#include "shell/dialogs.h"
#include "shell/random.h"
#include "shell/record_entry.h"
#include "shell/waits.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <string>

namespace {

constexpr Rgb chalk{255, 255, 255};
constexpr Rgb ink{0, 0, 0};
constexpr Rgb frameYellow{255, 255, 0};
constexpr Rgb cream{255, 255, 208};
constexpr Rgb scoreLine{208, 232, 208};
constexpr Rgb recordRed{176, 0, 0};
constexpr Rgb gold{255, 215, 0};
const QColor felt(0, 112, 48);
const QColor greyed(150, 170, 150);

constexpr int cardWidth = 975;
constexpr int cardHeight = 1575;
constexpr int frameWidth = 1095;
constexpr int frameHeight = 1455;
constexpr int scoreTop = 4800;
constexpr int scoreStep = 360;

struct Place {
    int left;
    int top;
};
// The columns overlap downwards, so the card of each lower row lies on the one above it.
constexpr Place cardPlace(int k) { return {360 + 1200 * (k / 5), 360 + 480 * (k % 5)}; }
// The piles fill the upper row from the right, then the lower row from the right.
constexpr Place pilePlace(int i) { return i < 4 ? Place{3960 - 1200 * i, 4320} : Place{7560 - 1200 * (i - 4), 6120}; }

// The controls on a grid, as the form lists them.
constexpr ControlLine golfControls[] = {
    rectangle("partite", 9120, scoreTop, 3615, 375).array(9, 1, 0, scoreStep).border(scoreLine),
    rectangle("gara", 11280, scoreTop, 1455, 375).array(9, 1, 0, scoreStep).border(scoreLine),
    label("gioco", 9240, scoreTop, 2055, 375).array(9, 1, 0, scoreStep).font(10, true).fore(chalk)
        .align(Qt::AlignLeft | Qt::AlignVCenter),
    label("PuntiG", 11280, scoreTop, 1455, 375, "--").array(9, 1, 0, scoreStep).font(10, true).fore(chalk)
        .align(Qt::AlignCenter),
    label("Label8(0)", 9120, 4455, 3615, 315, "TABELLONE").font(11, true).fore(gold).align(Qt::AlignCenter),
    label("Label8(1)", 9240, 8100, 1935, 375, "Totale").font(11, true).fore(gold).piece()
        .align(Qt::AlignLeft | Qt::AlignVCenter),
    label("totaleG", 11280, 8100, 1455, 375, "--").font(11, true).fore(gold).align(Qt::AlignCenter),

    label("Label4", 8880, 135, 3975, 315, "Regole").font(11, true).fore(gold).align(Qt::AlignCenter),
    label("Label2", 8880, 480, 3975, 3855).font(7.5).fore(chalk).align(Qt::AlignJustify | Qt::AlignTop),

    label("Label8(3)", 240, 8100, 0, 0, "Record:").font(11, true).fore(gold).piece(),
    label("record", 1560, 8100, 0, 0, "+999").font(11, true).fore(chalk),
    label("nome", 2400, 8100, 0, 0, "CPU").font(11, true).fore(chalk),
    label("Label8(4)", 5040, 8100, 0, 0, "Penalità:").font(11, true).fore(gold),
    circle("penal", 6600, 8115, 315, 315).array(4, 4, 480, 0).border(chalk, 2),

    picture("mazzocp", 6360, 4320, cardWidth, cardHeight),
    picture("Mazzo", 7560, 4320, cardWidth, cardHeight),
    rectangle("mascherm", 7500, 4380, frameWidth, frameHeight).border(frameYellow, 3).hidden(),
    label("Label1", 5280, 4800, 975, 255, "Mazzo").font(10, true).fore(chalk).align(Qt::AlignCenter).piece(),
    label("rimanenti", 5280, 5040, 975, 315, "16").font(12, true).fore(chalk).align(Qt::AlignCenter),
    roundedRectangle("giocab", 5280, 4320, 975, 375).fill(cream).border(ink, 2).hidden(),
    button("gioca", 5280, 4335, 975, 345, "Gioca").font(10, true).fore(ink).hidden(),
    roundedRectangle("terminab", 5280, 5400, 975, 375).fill(cream).border(ink, 2),
    button("terminat", 5280, 5415, 975, 345, "Temina").font(10, true).fore(ink),
};

// The names of the controls whose places follow the table's order rather than a grid.
struct TableNames {
    std::vector<std::string> CarteG, mascher, tallone, mascheraT, palla, tiroX;
    TableNames()
    {
        auto fill = [](std::vector<std::string>& names, const char* name, int n) {
            for (int i = 0; i < n; ++i)
                names.push_back(arrayName(name, i).toStdString());
        };
        fill(CarteG, "CarteG", GolfRules::cells);
        fill(mascher, "mascher", GolfRules::cells);
        fill(tallone, "tallone", GolfRules::piles);
        fill(mascheraT, "mascheraT", GolfRules::piles);
        fill(palla, "palla", GolfRules::piles);
        fill(tiroX, "tiroX", GolfRules::piles);
    }
};

std::vector<ControlLine> tableListing()
{
    static const TableNames names;
    std::vector<ControlLine> listing;
    for (int k = 0; k < GolfRules::cells; ++k) {
        const Place at = cardPlace(k);
        listing.push_back(picture(names.CarteG[std::size_t(k)].c_str(), at.left, at.top, cardWidth, cardHeight));
    }
    for (int k = 0; k < GolfRules::cells; ++k) {
        const Place at = cardPlace(k);
        listing.push_back(rectangle(names.mascher[std::size_t(k)].c_str(), at.left - 60, at.top + 60, frameWidth,
                                    frameHeight).border(frameYellow, 3).hidden());
    }
    for (int i = 0; i < GolfRules::piles; ++i) {
        const Place at = pilePlace(i);
        const auto n = std::size_t(i);
        listing.push_back(picture(names.tallone[n].c_str(), at.left, at.top, cardWidth, cardHeight));
        listing.push_back(rectangle(names.mascheraT[n].c_str(), at.left - 60, at.top + 60, frameWidth, frameHeight)
                              .border(frameYellow, 3).hidden());
        listing.push_back(circle(names.palla[n].c_str(), at.left + 360, at.top + 1440, 375, 375)
                              .fill(chalk).border(ink, 1).hidden());
        listing.push_back(label(names.tiroX[n].c_str(), at.left, at.top + 1440, 1095, 375, "X")
                              .font(10, true).fore(recordRed).align(Qt::AlignCenter).hidden());
    }
    return listing;
}

// The new-record group lies over the tableau, so it comes after it.
constexpr ControlLine recordControls[] = {
    rectangle("rcd1", 2760, 840, 3735, 1245).fill(frameYellow).border(recordRed, 2).hidden(),
    rectangle("rcd", 2880, 1200, 3495, 765).fill(cream).border(recordRed, 1).hidden(),
    label("rcdt", 2880, 900, 3495, 315, "Nuovo Record").font(13, true).fore(recordRed).align(Qt::AlignCenter).hidden(),
    label("rcd3", 5640, 1320, 615, 495, "*").font(18, true).fore(recordRed).align(Qt::AlignCenter).hidden(),
    label("rcd4", 3000, 1320, 615, 495, "*").font(18, true).fore(recordRed).align(Qt::AlignCenter).hidden(),
    textBox("rcdi", 3720, 1560, 1935, 285).length(8).hidden(),
};

const char* const rulesText =
    "Portare tutte le carte alla sinistra nei mazzetti sottostanti. Si possono muovere le carte sia in maniera "
    "ascendente che discendente, ma quando il mazzetto termina per K, questo non è più giocabile. Non si possono "
    "muovere le carte del tabellone su nuovi mazzetti ne tantomeno sposta- re carte dai mazzetti su altri E' "
    "possibile, comunque, muovere la carta del mazzo principale su uno dei mazzetti, selezionando quest'ultimo, "
    "altrimenti premendo GIOCA, questa crea un nuovo mazzetto. I Mazzetti che hanno una X dentro una palla (quelli "
    "con una sola carta), a fine partita, costano un punto. Se un K finisce dal mazzo al mazzetto, costa una "
    "penalità (+1). Se si finiscono le carte del tabellone, si avranno punti in meno quanto le carte rimaste nel "
    "mazzo. Minore è il punteggio,  migliore è il piazzamento. (PS: Regole Ooriginali Modificate!).";

QString fromUtf8(const std::string& s) { return QString::fromStdString(s); }

Pointer pointer(GolfPointer p)
{
    switch (p) {
    case GolfPointer::Hand:
        return Pointer::Hand;
    case GolfPointer::NoEntry:
        return Pointer::NoEntry;
    case GolfPointer::Arrow:
        break;
    }
    return Pointer::Arrow;
}

// What a player hears of a card beside its face: taken, or whether it can be taken now.
QString reachWords(bool selected, GolfReach reach)
{
    if (selected)
        return QStringLiteral("selezionata");
    switch (reach) {
    case GolfReach::Playable:
        return QStringLiteral("giocabile");
    case GolfReach::Blocked:
        return QStringLiteral("bloccata");
    case GolfReach::None:
        break;
    }
    return {};
}

// The words that say something, one after another.
QString joined(const QStringList& words)
{
    QStringList said;
    for (const QString& w : words)
        if (!w.isEmpty())
            said.push_back(w);
    return said.join(QStringLiteral(", "));
}

void greyWhenDisabled(QWidget* label)
{
    QPalette p = label->palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, greyed);
    label->setPalette(p);
}

} // namespace

GolfWindow::GolfWindow(std::unique_ptr<Random> random)
    : GameWindow(QStringLiteral("golf"), QStringLiteral("Zidu Dori - TOA-TOA Games"), 13065, 8595, felt),
      random_(std::move(random)), rules_(*random_), slot_(golfRecordRules())
{
    QWidget* area = client();
    const Form form(area, golfControls);
    const std::vector<ControlLine> table = tableListing();
    const Form tableForm(area, table);
    const Form recordForm(area, recordControls);

    for (int k = 0; k < GolfRules::cells; ++k) {
        auto* card = tableForm.picture(arrayName("CarteG", k));
        connect(card, &PictureBox::clicked, this, [this, k] { CarteG_Click(k); });
        connect(card, &PictureBox::mouseMoved, this, [this, k] { CarteG_MouseMove(k); });
        CarteG_.push_back(card);
        mascher_.push_back(tableForm.shape(arrayName("mascher", k)));
    }
    for (int i = 0; i < GolfRules::piles; ++i) {
        auto* pile = tableForm.picture(arrayName("tallone", i));
        connect(pile, &PictureBox::clicked, this, [this, i] { tallone_Click(i); });
        connect(pile, &PictureBox::mouseMoved, this, [this, i] { tallone_MouseMove(i); });
        tallone_.push_back(pile);
        mascheraT_.push_back(tableForm.shape(arrayName("mascheraT", i)));
        palla_.push_back(tableForm.shape(arrayName("palla", i)));
        tiroX_.push_back(tableForm.label(arrayName("tiroX", i)));
        // The marker must not swallow the click meant for its pile.
        tiroX_.back()->setAttribute(Qt::WA_TransparentForMouseEvents);
        palla_.back()->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    Mazzo_ = form.picture(QStringLiteral("Mazzo"));
    connect(Mazzo_, &PictureBox::clicked, this, &GolfWindow::Mazzo_Click);
    connect(Mazzo_, &PictureBox::mouseMoved, this, &GolfWindow::Mazzo_MouseMove);
    mascherm_ = form.shape(QStringLiteral("mascherm"));
    mascherm_->setAttribute(Qt::WA_TransparentForMouseEvents);
    mazzocp_ = form.picture(QStringLiteral("mazzocp"));
    mazzocp_->setPicture(pictures::redBack);
    rimanenti_ = form.label(QStringLiteral("rimanenti"));
    rimanenti_->setReadAs(QStringLiteral("Mazzo"));
    gioca_ = form.label(QStringLiteral("gioca"));
    giocab_ = form.shape(QStringLiteral("giocab"));
    connect(gioca_, &Label::clicked, this, &GolfWindow::gioca_Click);
    connect(gioca_, &Label::mouseMoved, this, [this] { setPointer(gioca_, Pointer::Hand); });
    terminat_ = form.label(QStringLiteral("terminat"));
    terminab_ = form.shape(QStringLiteral("terminab"));
    connect(terminat_, &Label::clicked, this, &GolfWindow::terminat_Click);
    connect(terminat_, &Label::mouseMoved, this, [this] {
        setPointer(terminat_, rules_.teminaEnabled() ? Pointer::Hand : Pointer::Arrow);
    });
    greyWhenDisabled(terminat_);

    gioco_ = form.labels("gioco");
    PuntiG_ = form.labels("PuntiG");
    for (int i = 0; i < GolfRules::holes; ++i) {
        const auto n = std::size_t(i);
        gioco_[n]->setCaption(QStringLiteral("Buca %1").arg(i + 1));
        greyWhenDisabled(gioco_[n]);
        greyWhenDisabled(PuntiG_[n]);
        PuntiG_[n]->setReadAs(gioco_[n]->caption());
    }
    totaleG_ = form.label(QStringLiteral("totaleG"));
    totaleG_->setReadAs(QStringLiteral("Totale"));
    penal_ = form.shapes("penal");
    // The penalties are only filled circles: their caption says how many.
    penalita_ = form.label(QStringLiteral("Label8(4)"));
    form.label(QStringLiteral("Label2"))->setCaption(QString::fromUtf8(rulesText));
    record_ = form.label(QStringLiteral("record"));
    nome_ = form.label(QStringLiteral("nome"));
    record_->setReadAs(QStringLiteral("Record"));
    nome_->setReadAs(QStringLiteral("Nome"));

    for (const char* name : {"rcd1", "rcd", "rcdt", "rcd3", "rcd4"})
        recordGroup_.push_back(recordForm.widget(QString::fromLatin1(name)));
    rcdi_ = recordForm.textBox(QStringLiteral("rcdi"));
    entry_ = new RecordEntry(*this, *rcdi_, slot_);
    connect(entry_, &RecordEntry::written, this, [this](bool) { recordWritten(); });

    messaggio_ = std::make_unique<Banner>(area, QStringLiteral("messaggiot"), QStringLiteral("messaggio"),
                                          QStringLiteral("messaggio1"), QRect(2760, 2400, 3735, 615), QString(),
                                          BannerLook{QColor(0, 0, 192), QColor(255, 255, 255), QColor(0, 0, 0),
                                                     16, true, 120});

    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova Partita"), QKeySequence(), QKeySequence());
    Form_Load();
}

GolfWindow::~GolfWindow() = default;

void GolfWindow::Form_Load()
{
    setIconGroup(104);
    startRound(false);
}

void GolfWindow::startRound(bool onScreen)
{
    LeggiRecord();
    const int round = ++round_;
    played_ = false;
    const std::vector<GolfStep> steps = rules_.Nuova();
    if (onScreen) {
        play(steps);
        return;
    }
    // The table lies face down until the first hole is announced, once the window is on the screen.
    GolfView quiet = steps.front().view;
    quiet.banner.shown = false;
    draw(quiet);
    QTimer::singleShot(0, this, [this, round, steps] {
        if (round != round_ || played_ || isLeaving())
            return;
        play(steps);
    });
}

void GolfWindow::Nuova_Click()
{
    if (!askYesNo(this, QStringLiteral("Ricomincia"), QStringLiteral("Vuoi Ricominciare la Partita?")))
        return;
    entry_->withdraw();
    showRecordGroup(false);
    startRound(true);
}

void GolfWindow::LeggiRecord()
{
    slot_.read(recordDirectory());
    nome_->setCaption(codepage::fromWestern(slot_.holder()));
    record_->setCaption(QString::fromStdString(slot_.valueCaption()));
}

bool GolfWindow::play(const std::vector<GolfStep>& steps)
{
    played_ = true;
    for (const GolfStep& step : steps) {
        draw(step.view);
        if (step.hold > 0 && !hold(*this, step.hold))
            return false;
    }
    draw(rules_.view());
    return true;
}

void GolfWindow::playMove(const std::function<std::vector<GolfStep>()>& move)
{
    const int hole = rules_.hole();
    const bool wasOver = rules_.roundOver();
    // The steps are a copy: a close during a hold touches nothing of the rules.
    if (!play(move()))
        return;
    if (rules_.hole() != hole || rules_.roundOver() != wasOver)
        LeggiRecord();
    if (rules_.roundOver() && !wasOver && slot_.isBeatenBy(rules_.total())) {
        showRecordGroup(true);
        entry_->offer(rules_.total());
    }
}

void GolfWindow::draw(const GolfView& view)
{
    for (int k = 0; k < GolfRules::cells; ++k) {
        const auto n = std::size_t(k);
        CarteG_[n]->setVisible(view.card[n] != 0);
        if (view.card[n] != 0)
            CarteG_[n]->setPicture(view.card[n]);
        mascher_[n]->setVisible(view.cardFrame[n]);
        CarteG_[n]->setState(reachWords(view.cardFrame[n], view.cardReach[n]));
    }
    for (int i = 0; i < GolfRules::piles; ++i) {
        const auto n = std::size_t(i);
        tallone_[n]->setPicture(view.pile[n]);
        palla_[n]->setVisible(view.single[n]);
        tiroX_[n]->setVisible(view.single[n]);
        mascheraT_[n]->setVisible(view.pileFrame[n]);
        tallone_[n]->setState(joined({QStringLiteral("mazzetto %1").arg(i + 1),
                                      view.single[n] ? QStringLiteral("una sola carta") : QString(),
                                      reachWords(view.pileFrame[n], view.pileReach[n])}));
    }
    Mazzo_->setVisible(view.mazzoShown);
    if (view.mazzoShown)
        Mazzo_->setPicture(view.mazzoPicture);
    mascherm_->setVisible(view.mazzoShown && view.stockFrame);
    Mazzo_->setState(joined({QStringLiteral("mazzo"), reachWords(view.stockFrame, view.stockReach)}));
    mazzocp_->setVisible(view.backShown);
    rimanenti_->setCaption(fromUtf8(view.rimanenti));
    gioca_->setVisible(view.giocaShown);
    giocab_->setVisible(view.giocaShown);
    terminat_->setEnabled(view.teminaEnabled);
    for (int i = 0; i < GolfView::penaltyMarkers; ++i)
        penal_[std::size_t(i)]->setFill(i < view.penaltiesFilled ? std::optional<QColor>(QColor(255, 0, 0))
                                                                  : std::nullopt);
    const QString penalties = QStringLiteral("Penalità: %1").arg(view.penaltiesFilled);
    if (penalita_->accessibleName() != penalties)
        penalita_->setAccessibleName(penalties);
    for (int i = 0; i < GolfRules::holes; ++i) {
        const auto n = std::size_t(i);
        PuntiG_[n]->setCaption(fromUtf8(view.scores[n]));
        gioco_[n]->setEnabled(i < view.holesOpen);
        PuntiG_[n]->setEnabled(i < view.holesOpen);
    }
    totaleG_->setCaption(fromUtf8(view.total));
    if (view.banner.shown) {
        messaggio_->setCaption(fromUtf8(view.banner.text));
        messaggio_->setFaceColour(qcolour(view.banner.face));
        messaggio_->label()->setForeColour(qcolour(view.banner.ink));
    }
    messaggio_->setVisible(view.banner.shown);
}

void GolfWindow::showRecordGroup(bool visible)
{
    for (QWidget* part : recordGroup_) {
        part->setVisible(visible);
        if (visible)
            part->raise();
    }
}

void GolfWindow::CarteG_Click(int index)
{
    if (rules_.CarteG_Click(index))
        draw(rules_.view());
}

void GolfWindow::Mazzo_Click()
{
    if (rules_.Mazzo_Click())
        draw(rules_.view());
}

void GolfWindow::tallone_Click(int index)
{
    if (rules_.tallone_Click(index))
        draw(rules_.view());
}

void GolfWindow::gioca_Click()
{
    if (!rules_.giocaShown() || rules_.roundOver())
        return;
    playMove([this] { return rules_.gioca(); });
}

void GolfWindow::terminat_Click()
{
    if (!rules_.teminaEnabled())
        return;
    if (rules_.endNeedsQuestion()) {
        const QString hole = QString::number(rules_.hole());
        if (!askYesNo(this, QStringLiteral("Abbandona Buca ") + hole,
                      QStringLiteral("Vuoi Terminare la buca ") + hole + QStringLiteral("?")))
            return;
        // The question's own event loop may have let the window start closing.
        if (isLeaving())
            return;
    }
    playMove([this] { return rules_.terminat(); });
}

void GolfWindow::rcdi_KeyPress(int keyAscii) { entry_->rci_KeyPress(keyAscii); }

void GolfWindow::recordWritten()
{
    rules_.freeze();
    // A file that could not be written leaves the slot with what the file still holds.
    nome_->setCaption(codepage::fromWestern(slot_.holder()));
    record_->setCaption(QString::fromStdString(slot_.valueCaption()));
    draw(rules_.view());
}

void GolfWindow::CarteG_MouseMove(int index)
{
    setPointer(CarteG_[std::size_t(index)], pointer(rules_.pointerOverCard(index)));
}

void GolfWindow::Mazzo_MouseMove() { setPointer(Mazzo_, pointer(rules_.pointerOverStock())); }

void GolfWindow::tallone_MouseMove(int index)
{
    setPointer(tallone_[std::size_t(index)], pointer(rules_.pointerOverPile(index)));
}
