// Zidu Dori's window: lays out the course, draws the rules' table and plays their announcements banner by banner.
#include "games/golf/golf_window.h"

#include "shell/controls/accessible.h"
#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/dialogs.h"
#include "shell/record_panel.h"
#include "shell/text_formats.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr Rgb chalk{255, 255, 255}, ink{0, 0, 0}, gold{255, 215, 0}, greyed{150, 170, 150}, underPar{0, 192, 192};
constexpr Rgb frameYellow{255, 255, 0}, cream{255, 255, 208}, recordRed{176, 0, 0}, scoreLine{208, 232, 208};
constexpr int cardWidth = 975, cardHeight = 1575, frameWidth = 1095, frameHeight = 1455;
constexpr int scoreTop = 4800, scoreStep = 360; // the score card's first row and the rows' spacing

// The columns overlap downwards, so the card of each lower row lies on the one above it.
constexpr TwipsPoint cardPlace(int k) { return {1200 * (k / 5), 480 * (k % 5)}; }
// From pile 0's place the piles fill the upper row leftwards, then the lower row from the right.
constexpr TwipsPoint pilePlace(int i) { return i < 4 ? TwipsPoint{-1200 * i, 0} : TwipsPoint{3600 - 1200 * (i - 4), 1800}; }

constexpr ControlLine golfControls[] = {
    rectangle("partite", 9120, scoreTop, 3615, 375).array(9, 1, 0, scoreStep).border(scoreLine),
    rectangle("gara", 11280, scoreTop, 1455, 375).array(9, 1, 0, scoreStep).border(scoreLine),
    label("gioco", 9240, scoreTop, 2055, 375).array(9, 1, 0, scoreStep).font(10, true).fore(chalk).greyed(greyed)
        .align(Qt::AlignLeft | Qt::AlignVCenter),
    label("PuntiG", 11280, scoreTop, 1455, 375, "--").array(9, 1, 0, scoreStep).font(10, true).fore(chalk)
        .greyed(greyed).align(Qt::AlignCenter),
    label("Label8(0)", 9120, 4455, 3615, 315, "TABELLONE").font(11, true).fore(gold).align(Qt::AlignCenter),
    label("Label8(1)", 9240, 8100, 1935, 375, "Totale").font(11, true).fore(gold).piece()
        .align(Qt::AlignLeft | Qt::AlignVCenter),
    label("totaleG", 11280, 8100, 1455, 375, "--").font(11, true).fore(gold).align(Qt::AlignCenter).readAs("Totale"),

    label("Label4", 8880, 135, 3975, 315, "Regole").font(11, true).fore(gold).align(Qt::AlignCenter),
    label("Label2", 8880, 480, 3975, 3855).font(7.5).fore(chalk).align(Qt::AlignJustify | Qt::AlignTop),

    label("Label8(3)", 240, 8100, 0, 0, "Record:").font(11, true).fore(gold),
    label("record", 1560, 8100, 0, 0, "+999").font(11, true).fore(chalk),
    label("nome", 2400, 8100, 0, 0, "CPU").font(11, true).fore(chalk),
    label("Label8(4)", 5040, 8100, 0, 0, "Penalità:").font(11, true).fore(gold),
    circle("penal", 6600, 8115, 315, 315).array(4, 4, 480, 0).border(chalk, 2),

    picture("mazzocp", 6360, 4320, cardWidth, cardHeight),
    picture("Mazzo", 7560, 4320, cardWidth, cardHeight),
    rectangle("mascherm", 7500, 4380, frameWidth, frameHeight).border(frameYellow, 3).hidden().transparent(),
    label("Label1", 5280, 4800, 975, 255, "Mazzo").font(10, true).fore(chalk).align(Qt::AlignCenter).piece(),
    label("rimanenti", 5280, 5040, 975, 315, "16").font(12, true).fore(chalk).align(Qt::AlignCenter).readAs("Mazzo"),
    roundedRectangle("giocab", 5280, 4320, 975, 375).fill(cream).border(ink, 2).hidden(),
    button("gioca", 5280, 4335, 975, 345, "Gioca").font(10, true).fore(ink).hidden(),
    roundedRectangle("terminab", 5280, 5400, 975, 375).fill(cream).border(ink, 2),
    button("terminat", 5280, 5415, 975, 345, "Temina").font(10, true).fore(ink).greyed(greyed),

    picture("CarteG", 360, 360, cardWidth, cardHeight).array(GolfRules::cells).placed(cardPlace),
    rectangle("mascher", 300, 420, frameWidth, frameHeight).array(GolfRules::cells).placed(cardPlace)
        .border(frameYellow, 3).hidden(),
    // The markers must not swallow the click meant for their pile.
    picture("tallone", 3960, 4320, cardWidth, cardHeight).array(GolfRules::piles).placed(pilePlace),
    rectangle("mascheraT", 3900, 4380, frameWidth, frameHeight).array(GolfRules::piles).placed(pilePlace)
        .border(frameYellow, 3).hidden(),
    circle("palla", 4320, 5760, 375, 375).array(GolfRules::piles).placed(pilePlace).fill(chalk).border(ink, 1)
        .hidden().transparent(),
    label("tiroX", 3960, 5760, 1095, 375, "X").array(GolfRules::piles).placed(pilePlace).font(10, true)
        .fore(recordRed).align(Qt::AlignCenter).hidden().transparent().decoration(),

    // The new-record group lies over the tableau.
    rectangle("rcd1", 2760, 840, 3735, 1245).fill(frameYellow).border(recordRed, 2).hidden(),
    rectangle("rcd", 2880, 1200, 3495, 765).fill(cream).border(recordRed, 1).hidden(),
    label("rcdt", 2880, 900, 3495, 315, "Nuovo Record").font(13, true).fore(recordRed).align(Qt::AlignCenter).hidden(),
    label("rcd3", 5640, 1320, 615, 495, "*").font(18, true).fore(recordRed).align(Qt::AlignCenter).hidden().decoration(),
    label("rcd4", 3000, 1320, 615, 495, "*").font(18, true).fore(recordRed).align(Qt::AlignCenter).hidden().decoration(),
    textBox("rcdi", 3720, 1560, 1935, 285).length(8).hidden(),

    banner("messaggiot", "messaggio", "messaggio1", 2760, 2400, 3735, 615, "").face({0, 0, 192}).fore(chalk)
        .shadow(ink, 120).font(16, true),
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

// The pointer over a card, a pile or the stock, and what a player hears beside its face, for what a click on
// it would do (in GolfReach's order): a hand where it takes, no entry where it is refused.
Pointer pointer(GolfReach reach)
{
    constexpr Pointer pointers[] = {Pointer::Arrow, Pointer::Hand, Pointer::NoEntry, Pointer::Arrow};
    return pointers[static_cast<int>(reach)];
}

QString state(bool selected, GolfReach reach)
{
    const char* const words[] = {"", "giocabile", "bloccata", "bloccata"};
    return selected ? QStringLiteral("selezionata") : QString::fromLatin1(words[static_cast<int>(reach)]);
}

// The words that say something, one after another.
QString joined(const QStringList& words)
{
    QStringList said = words;
    said.removeAll(QString());
    return said.join(QStringLiteral(", "));
}

// A score as the score card writes it: "0", "+3", "-2"; "--" for a hole not scored yet. The green leaves the
// running score of its hole a plain number ("2" rather than "+2").
QString scoreText(std::optional<int> score, bool plain = false)
{
    if (!score)
        return QStringLiteral("--");
    if (plain || *score == 0)
        return QString::number(*score);
    return QString::fromStdString(text::signedNumber(*score, 1));
}

// The fill and the ink of each announcement (in GolfNews's order); a hole's result takes its fill from its score.
constexpr std::pair<Rgb, Rgb> newsColours[] = {{{0, 0, 192}, chalk}, {{255, 0, 0}, chalk}, {{192, 255, 192}, ink},
                                               {underPar, ink},      {{}, chalk},          {{192, 0, 0}, chalk}};
constexpr Rgb resultFill[] = {{192, 192, 0}, {255, 192, 192}, {255, 128, 128}, {255, 0, 0}, {192, 0, 0}};

} // namespace

GolfWindow::GolfWindow(std::unique_ptr<Random> random)
    : GameWindowOf(std::move(random), QStringLiteral("golf"), QStringLiteral("Zidu Dori - TOA-TOA Games"), 13065, 8595, QColor(0, 112, 48))
{
    const Form form(client(), golfControls);
    CarteG_ = form.pictures("CarteG");
    mascher_ = form.shapes("mascher");
    tallone_ = form.pictures("tallone");
    mascheraT_ = form.shapes("mascheraT");
    palla_ = form.shapes("palla");
    tiroX_ = form.labels("tiroX");
    Mazzo_ = form.picture(QStringLiteral("Mazzo"));
    mascherm_ = form.shape(QStringLiteral("mascherm"));
    mazzocp_ = form.picture(QStringLiteral("mazzocp"));
    rimanenti_ = form.label(QStringLiteral("rimanenti"));
    gioca_ = form.label(QStringLiteral("gioca"));
    giocab_ = form.shape(QStringLiteral("giocab"));
    terminat_ = form.label(QStringLiteral("terminat"));
    gioco_ = form.labels("gioco");
    PuntiG_ = form.labels("PuntiG");
    totaleG_ = form.label(QStringLiteral("totaleG"));
    penal_ = form.shapes("penal");
    // The penalties are only filled circles: their caption says how many.
    penalita_ = form.label(QStringLiteral("Label8(4)"));
    messaggio_ = form.banner(QStringLiteral("messaggiot"));
    // The lower row of piles lies over the markers of the row above, as the piles were laid one by one.
    for (std::size_t i = 4; i < tallone_.size(); ++i)
        for (QWidget* part : std::initializer_list<QWidget*>{tallone_[i], mascheraT_[i], palla_[i], tiroX_[i]})
            part->raise();
    mazzocp_->setPicture(pictures::redBack);
    form.label(QStringLiteral("Label2"))->setCaption(QString::fromUtf8(rulesText));
    for (std::size_t i = 0; i < gioco_.size(); ++i) {
        gioco_[i]->setCaption(QStringLiteral("Buca %1").arg(i + 1));
        PuntiG_[i]->setReadAs(gioco_[i]->caption());
    }

    record_ = new RecordPanel(
        *this, form, {{"Label8(3)", "record", "nome"}, "record", "nome", {"rcd1", "rcd", "rcdt", "rcd3", "rcd4"}, "rcdi"},
        GolfRules::recordRules());
    connect(record_, &RecordPanel::written, this, [this] {
        rules_.freeze();
        draw();
    });

    connectArray(CarteG_, this, &GolfWindow::CarteG_Click, &GolfWindow::CarteG_MouseMove);
    connectArray(tallone_, this, &GolfWindow::tallone_Click, &GolfWindow::tallone_MouseMove);
    connect(Mazzo_, &PictureBox::clicked, this, &GolfWindow::Mazzo_Click);
    connect(Mazzo_, &PictureBox::mouseMoved, this, &GolfWindow::Mazzo_MouseMove);
    connect(gioca_, &Label::clicked, this, &GolfWindow::gioca_Click);
    connect(gioca_, &Label::mouseMoved, this, [this] { setPointer(gioca_, Pointer::Hand); });
    connect(terminat_, &Label::clicked, this, &GolfWindow::terminat_Click);
    connect(terminat_, &Label::mouseMoved, this,
            [this] { setPointer(terminat_, rules_.canEndHole() ? Pointer::Hand : Pointer::Arrow); });

    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova Partita"), QKeySequence(), QKeySequence());
    setIconGroup(104);
    startRound();
}

GolfWindow::~GolfWindow() = default;

void GolfWindow::startRound()
{
    startGame();
    record_->read();
    const std::vector<GolfStep> steps = rules_.newRound();
    // The table lies face down until the first hole is announced, once the window is on the screen.
    draw(steps.front().table, true);
    whenShown([this, steps] { playMove(steps); });
}

void GolfWindow::Nuova_Click()
{
    if (!askYesNo(this, QStringLiteral("Ricomincia"), QStringLiteral("Vuoi Ricominciare la Partita?")))
        return;
    record_->withdraw();
    startRound();
}

void GolfWindow::playMove(const std::vector<GolfStep>& steps)
{
    if (!play(steps, [this](const GolfStep& step) { announce(step); }))
        return;
    draw();
    const auto news = [&steps](GolfNews n) {
        return std::any_of(steps.begin(), steps.end(), [n](const GolfStep& step) { return step.news == n; });
    };
    if (news(GolfNews::Hole) || news(GolfNews::GameOver))
        record_->read();
    if (news(GolfNews::GameOver) && record_->isBeatenBy(rules_.total()))
        record_->offer(rules_.total());
}

void GolfWindow::announce(const GolfStep& step)
{
    draw(step.table, step.news == GolfNews::Hole);
    auto [face, words] = newsColours[static_cast<int>(step.news)];
    if (step.news == GolfNews::Result)
        face = step.score < 0 ? underPar : resultFill[std::min(step.score, 4)];
    messaggio_->setCaption(QString::fromStdString(step.words));
    messaggio_->setFaceColour(qcolour(face));
    messaggio_->label()->setForeColour(qcolour(words));
    messaggio_->setVisible(true);
}

void GolfWindow::draw(const GolfTable& table, bool faceDown)
{
    for (std::size_t k = 0; k < CarteG_.size(); ++k) {
        const Card& card = table.cell[k];
        const bool selected = table.selectedCell == int(k);
        CarteG_[k]->setVisible(!card.isEmpty());
        if (!card.isEmpty())
            CarteG_[k]->setPicture(faceDown ? pictures::redBack : cards::frenchPicture(card));
        mascher_[k]->setVisible(selected);
        CarteG_[k]->setState(faceDown ? QString() : state(selected, table.cellReach[k]));
    }
    for (std::size_t i = 0; i < tallone_.size(); ++i) {
        const bool shown = !faceDown && !table.pile[i].isEmpty();
        const bool single = shown && table.single[i];
        const bool selected = table.selectedPile == int(i);
        tallone_[i]->setPicture(shown ? cards::frenchPicture(table.pile[i]) : pictures::emptyPlace);
        palla_[i]->setVisible(single);
        tiroX_[i]->setVisible(single);
        mascheraT_[i]->setVisible(selected);
        tallone_[i]->setState(joined({QStringLiteral("mazzetto %1").arg(i + 1),
                                      single ? QStringLiteral("una sola carta") : QString(),
                                      shown ? state(selected, table.pileReach[i]) : QString()}));
    }
    const bool stock = !faceDown && !table.stock.isEmpty();
    Mazzo_->setVisible(stock);
    if (stock)
        Mazzo_->setPicture(cards::frenchPicture(table.stock));
    mascherm_->setVisible(stock && table.stockSelected);
    Mazzo_->setState(joined({QStringLiteral("mazzo"), stock ? state(table.stockSelected, table.stockReach) : QString()}));
    mazzocp_->setVisible(faceDown || table.beneath > 0);
    rimanenti_->setCaption(QString::number(table.beneath));
    gioca_->setVisible(table.movePrepared);
    giocab_->setVisible(table.movePrepared);
    terminat_->setEnabled(table.canEndHole);
    for (std::size_t i = 0; i < penal_.size(); ++i)
        penal_[i]->setFill(int(i) < table.penalties ? std::optional<QColor>(QColor(255, 0, 0)) : std::nullopt);
    const QString penalties = QStringLiteral("Penalità: %1").arg(table.penalties);
    accessible::setName(penalita_, penalties);
    for (int i = 0; i < GolfRules::holes; ++i) {
        const auto n = std::size_t(i);
        PuntiG_[n]->setCaption(scoreText(table.score[n], i == table.hole - 1 && table.greenCounted));
        gioco_[n]->setEnabled(i < std::max(1, table.hole));
        PuntiG_[n]->setEnabled(i < std::max(1, table.hole));
    }
    // Once the record's name is taken the total keeps the form the record file stores.
    totaleG_->setCaption(table.frozen && table.total ? QString::fromStdString(text::signedNumber(*table.total, 3))
                                                     : scoreText(table.total));
    // "GAME OVER" stays up once the round is over.
    messaggio_->setVisible(table.over);
}

void GolfWindow::CarteG_Click(int index)
{
    if (rules_.takeCard(index))
        draw();
}

void GolfWindow::Mazzo_Click()
{
    if (rules_.takeStockCard())
        draw();
}

void GolfWindow::tallone_Click(int index)
{
    if (rules_.choosePile(index))
        draw();
}

void GolfWindow::gioca_Click()
{
    if (rules_.canPlay())
        playMove(rules_.gioca());
}

void GolfWindow::terminat_Click()
{
    if (!rules_.canEndHole())
        return;
    if (rules_.tableauCount() > 0) {
        const QString hole = QString::number(rules_.hole());
        if (!askYesNo(this, QStringLiteral("Abbandona Buca ") + hole,
                      QStringLiteral("Vuoi Terminare la buca ") + hole + QStringLiteral("?")))
            return;
        // The question's own event loop may have let the window start closing.
        if (isLeaving())
            return;
    }
    playMove(rules_.endHole());
}

void GolfWindow::CarteG_MouseMove(int index)
{
    setPointer(CarteG_[std::size_t(index)], pointer(rules_.cellReach(index)));
}

void GolfWindow::Mazzo_MouseMove() { setPointer(Mazzo_, pointer(rules_.stockReach())); }

void GolfWindow::tallone_MouseMove(int index)
{
    setPointer(tallone_[std::size_t(index)], pointer(rules_.pileReach(index)));
}
