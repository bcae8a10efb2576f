// The round table's window: draws the rules' board, turns clicks into moves and plays the win.
#include "games/tavola/tavola_window.h"

#include "shell/card_pictures.h"
#include "shell/clock.h"
#include "shell/codepage.h"
#include "shell/controls/control_array.h"
#include "shell/controls/banner.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/pointer.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"
#include "shell/controls/twips.h"
#include "shell/random.h"
#include "shell/record_entry.h"
#include "shell/text_formats.h"
#include "shell/waits.h"

#include <initializer_list>

namespace {

constexpr Rgb felt{0, 192, 0};
constexpr Rgb ink{0, 0, 0};
constexpr Rgb chalk{255, 255, 255};
constexpr Rgb navy{0, 0, 96};
constexpr Rgb selectedRed{210, 0, 0};
constexpr Rgb handYellow{255, 255, 0};
constexpr Rgb parchment{255, 248, 220};
constexpr Rgb lightYellow{255, 255, 192};

constexpr int cardWidth = 1095;
constexpr int cardHeight = 1455;
constexpr int messageTop = 2760;   // the panel over the middle of the board
constexpr int winMessageTop = 5280; // the panel at the foot of the board, clear of the bonus

constexpr const char* rulesText =
    "Le regole del gioco sono semplici. Mettere le figure in questo ordine: I KAPPA negli angoli; I JACK nei "
    "bordi superiori o inferiori; Le DONNE nei bordi laterali. Le altre carte vanno messe ovunque ma, se una "
    "delle figure, avrà il suo posto occupato, il gioco termina. Una volta riempito il piano di gioco, si "
    "possono eliminare le carte la cui coppia dia la somma di 10 o la singola carta sia 10.";

// The controls of `Re` as the form lists them; a later line lies on top of an earlier one.
constexpr ControlLine tavolaControls[] = {
    picture("Image1", 240, 240, 4320, 5760),
    picture("carte", 240, 240, cardWidth, cardHeight).array(16, 4, 1080, 1440),
    label("Label4", 5280, 2295, 0, 0, "Regole").font(11, true).fore(chalk),
    label("Label3", 4800, 2640, 2055, 3615, rulesText).font(7.5).fore(ink),
    picture("Mazzo", 5760, 240, cardWidth, cardHeight),
    picture("Vedi", 4680, 240, cardWidth, cardHeight),
    label("Label1", 4680, 1880, 1095, 330, "Rimanenti").font(9, true).fore(ink).align(Qt::AlignCenter).oneLine().piece(),
    label("rimane", 5760, 1820, 1095, 375, "52").font(14, true).fore(chalk).align(Qt::AlignCenter).oneLine(),
    rectangle("vediM", 4680, 240, cardWidth, cardHeight).border(handYellow, 4).hidden(),
    rectangle("cartaM", 240, 240, cardWidth, cardHeight).array(16, 4, 1080, 1440).border(selectedRed, 4).hidden(),
    rectangle("quad", 4680, 240, cardWidth, cardHeight).border(selectedRed, 3).hidden(),

    label("Label8(3)", 240, 6420, 0, 0, "Record:").font(12, true).fore(ink).piece(),
    label("record", 1560, 6420, 0, 0, "05:00").font(12, true).fore(chalk),
    label("nome", 2520, 6420, 0, 0, "CPU").font(12, true).fore(chalk).piece(),
    label("Label8(0)", 4680, 6420, 0, 0, "Tempo:").font(12, true).fore(ink).piece(),
    label("Minuti", 6000, 6420, 0, 0, "00").font(12, true).fore(chalk),
    label("Label2", 6360, 6405, 0, 0, ":").font(12, true).fore(chalk).piece(),
    label("secondi", 6480, 6420, 0, 0, "00").font(12, true).fore(chalk).piece(),

    // The bonus panel: a shadow, the card, its title band, and the sum written out on it.
    rectangle("bonus", 720, 2160, 3615, 2295).border(ink).fill(ink).hidden(),
    rectangle("bonus1", 600, 1920, 3615, 2415).border(navy, 2).fill(parchment).hidden(),
    rectangle("bonus2", 600, 1920, 3615, 615).border(navy, 2).fill(navy).hidden(),
    label("bonus3", 840, 2040, 0, 0, "BONUS CARTE").font(14, true).fore(handYellow).hidden(),
    label("bonus4", 960, 2760, 0, 0, "Tempo    =").font(10, true).fore(navy).hidden().piece(),
    label("bonusmin", 2640, 2775, 0, 0, "00").font(10, true).fore(navy).hidden().piece(),
    label("bonus5", 3000, 2760, 0, 0, ":").font(10, true).fore(navy).hidden().piece(),
    label("bonussec", 3120, 2775, 0, 0, "00").font(10, true).fore(navy).hidden().piece(),
    label("bonus11", 3480, 2760, 0, 0, "-").font(10, true).fore(navy).hidden().piece(),
    label("bonus6", 960, 3120, 0, 0, "Carte:").font(10, true).fore(navy).hidden().piece(),
    label("bonuscar", 1920, 3120, 0, 0, "00").font(10, true).fore(navy).hidden().piece(),
    label("bonus7", 2280, 3120, 0, 0, "X").font(10, true).fore(navy).hidden().piece(),
    label("bonus8", 1920, 3360, 0, 0, "05").font(10, true).fore(navy).hidden().piece(),
    label("bonus9", 2280, 3360, 0, 0, "=").font(10, true).fore(navy).hidden().piece(),
    label("bonusmint", 2640, 3375, 0, 0, "00").font(10, true).fore(navy).hidden().piece(),
    label("bonus12", 3000, 3360, 0, 0, ":").font(10, true).fore(navy).hidden().piece(),
    label("bonussect", 3120, 3375, 0, 0, "00").font(10, true).fore(navy).hidden().piece(),
    label("bonus14", 960, 3840, 0, 0, "Totale:").font(10, true).fore(navy).hidden().piece(),
    label("bonustotm", 2640, 3855, 0, 0, "00").font(10, true).fore(navy).hidden().piece(),
    label("bonus13", 3000, 3840, 0, 0, ":").font(10, true).fore(navy).hidden().piece(),
    label("bonustots", 3120, 3855, 0, 0, "00").font(10, true).fore(navy).hidden().piece(),

    label("ast1", 480, 120, 0, 0, "*").font(22, true).fore(selectedRed).hidden(),
    label("ast2", 3360, 120, 0, 0, "*").font(22, true).fore(selectedRed).hidden(),
    textBox("rci", 1320, 480, 1935, 285).hidden(),
};

constexpr const char* bonusNames[] = {
    "bonus", "bonus1", "bonus2", "bonus3", "bonus4", "bonusmin", "bonus5", "bonussec", "bonus11",
    "bonus6", "bonuscar", "bonus7", "bonus8", "bonus9", "bonusmint", "bonus12", "bonussect",
    "bonus14", "bonustotm", "bonus13", "bonustots",
};

QString qtext(const std::string& s) { return QString::fromStdString(s); }

int face(const TavolaCard& card) { return card.isEmpty() ? pictures::emptyPlace : frenchCardPicture(card.rank, card.suit); }

Shape* line(QWidget* area, const char* name, int x1, int y1, int x2, int y2, Rgb colour, int width)
{
    auto* drawn = new Shape(area, QString::fromLatin1(name), QRect(), Shape::Kind::Line);
    drawn->setBorder(qcolour(colour), width);
    drawn->setLine(x1, y1, x2, y2);
    drawn->hide();
    return drawn;
}

void place(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(twipsRect(left, top, width, height));
}

} // namespace

TavolaWindow::TavolaWindow(std::unique_ptr<Random> random)
    : GameWindow(QStringLiteral("Re"), QStringLiteral("La Tavola Rotonda"), 7140, 6855, qcolour(felt)),
      random_(std::move(random)), rules_(*random_), record_(TavolaRules::recordRules())
{
    QWidget* area = client();
    Form form(area, tavolaControls);
    carte_ = form.pictures("carte");
    cartaM_ = form.shapes("cartaM");
    Image1_ = form.picture("Image1");
    Vedi_ = form.picture("Vedi");
    Mazzo_ = form.picture("Mazzo");
    vediM_ = form.shape("vediM");
    quad_ = form.shape("quad");
    rimane_ = form.label("rimane");
    Minuti_ = form.label("Minuti");
    secondi_ = form.label("secondi");
    recordLabel_ = form.label("record");
    nome_ = form.label("nome");
    // The player hears the count under the deck with the caption beside it, and knows the deck as such.
    rimane_->setReadAs(QStringLiteral("Rimanenti"));
    Mazzo_->setState(QStringLiteral("mazzo"));
    for (const char* name : bonusNames)
        bonusPanel_.push_back(form.widget(QString::fromLatin1(name)));
    bonusmin_ = form.label("bonusmin");
    bonussec_ = form.label("bonussec");
    bonus3_ = form.label("bonus3");
    bonuscar_ = form.label("bonuscar");
    bonus8_ = form.label("bonus8");
    bonusmint_ = form.label("bonusmint");
    bonussect_ = form.label("bonussect");
    bonustotm_ = form.label("bonustotm");
    bonustots_ = form.label("bonustots");
    ast1_ = form.label("ast1");
    ast2_ = form.label("ast2");
    rci_ = form.textBox("rci");

    // The cross over the hand card while the board is being cleared, and the rule above the total.
    Line2_ = line(area, "Line2", 4680, 1680, 5760, 240, selectedRed, 4);
    Line1_ = line(area, "Line1", 4680, 240, 5760, 1680, selectedRed, 4);
    auto* bonus10 = line(area, "bonus10", 2640, 3720, 3480, 3720, navy, 2);
    bonusPanel_.push_back(bonus10);

    connectArray(carte_, this, &TavolaWindow::carte_Click, &TavolaWindow::carte_MouseMove);
    connect(Vedi_, &PictureBox::clicked, this, &TavolaWindow::Vedi_Click);
    connect(Vedi_, &PictureBox::mouseMoved, this, &TavolaWindow::Vedi_MouseMove);

    gover_ = std::make_unique<Banner>(area, QStringLiteral("gover3"), QStringLiteral("gover2"), QStringLiteral("gover1"),
                                      QRect(840, messageTop, 3015, 615), QString(),
                                      BannerLook{QColor(255, 0, 0), QColor(255, 255, 255), QColor(0, 0, 0), 20, true, 120});
    gover_->placeCaption(QRect(840, messageTop + 45, 3015, 495));

    // The new-record banner over the top of the uncovered photograph, the name box inside it.
    rct_ = std::make_unique<Banner>(area, QStringLiteral("rct"), QStringLiteral("rc1"), QStringLiteral("rc3"),
                                    QRect(360, 45, 3480, 870), QStringLiteral("NUOVO RECORD"),
                                    BannerLook{QColor(255, 255, 0), qcolour(selectedRed), QColor(0, 0, 0), 11, true});
    rct_->placeCaption(QRect(1320, 165, 2055, 615));
    rct_->label()->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    rct_->addOutline(QStringLiteral("rc2"), qcolour(selectedRed), 45);
    rci_->setMaxLength(RecordFile::nameLength);
    QPalette paper = rci_->palette();
    paper.setColor(QPalette::Base, qcolour(lightYellow));
    rci_->setPalette(paper);
    entry_ = new RecordEntry(*this, *rci_, record_);
    connect(entry_, &RecordEntry::written, this, &TavolaWindow::showRecord);
    // The bonus is read out as one sum while its panel shows; the won game's alert is the banner's.
    bonus3_->setAlert(true);

    Timer1_ = new Ticker(this);
    Timer1_->setInterval(1000);
    connect(Timer1_, &Ticker::tick, this, &TavolaWindow::Timer1_Timer);

    addFileMenu(QStringLiteral("Nuova"), QStringLiteral("Nuova"), QKeySequence(QStringLiteral("Ctrl+N")),
                QKeySequence(QStringLiteral("Ctrl+E")));
    Form_Load();
}

TavolaWindow::~TavolaWindow() = default;

void TavolaWindow::Form_Load()
{
    setIconGroup(iconGroup);
    LeggiRecord();
    for (PictureBox* card : carte_)
        card->setPicture(pictures::emptyPlace);
    Mazzo_->setPicture(pictures::redBack);
    Vedi_->setPicture(pictures::emptyPlace);
    Image1_->setPicture(rules_.photograph());
    showClock(0);
    speakBoard();
}

void TavolaWindow::LeggiRecord()
{
    record_.read(recordDirectory());
    showRecord();
}

void TavolaWindow::showRecord()
{
    recordLabel_->setCaption(qtext(record_.valueCaption()));
    nome_->setCaption(codepage::fromWestern(record_.holder()));
    // The record line is three labels on screen; a screen reader hears it as one.
    recordLabel_->setAccessibleName(
        QStringLiteral("Record: %1 %2").arg(recordLabel_->caption(), nome_->caption()).simplified());
}

void TavolaWindow::Nuova_Click()
{
    ++gameNumber_;
    setBonusVisible(false);
    gover_->setVisible(false);
    gover_->setFaceColour(QColor(255, 0, 0));
    setRecordBannerVisible(false);
    entry_->withdraw();
    rules_.Nuova();
    // A fresh start for the timer, so the first second of the new game is a whole one.
    Timer1_->setEnabled(false);
    Timer1_->setEnabled(true);
    showBoard();
}

bool TavolaWindow::messageShown() const { return !gover_->shadow()->isHidden(); }

void TavolaWindow::Vedi_Click()
{
    if (messageShown() || !rules_.pickUp())
        return;
    showBoard();
}

void TavolaWindow::carte_Click(int index)
{
    // The message panel covers the board while it is shown: the wrong move's second, a lost or won game.
    if (messageShown())
        return;
    switch (rules_.carte(index)) {
    case TavolaOutcome::Nothing:
        return;
    case TavolaOutcome::WrongMove:
        mossaerrata();
        return;
    case TavolaOutcome::Lost:
        showBoard();
        gameover();
        return;
    case TavolaOutcome::Won:
        vincita();
        return;
    case TavolaOutcome::Placed:
    case TavolaOutcome::Cleared:
        showBoard();
        return;
    }
}

bool TavolaWindow::mossaerrata()
{
    showMessage(QStringLiteral("Mossa Errata"), QColor(255, 0, 0), messageTop);
    const int game = gameNumber_;
    // "Nuova" or "Esci" may run during the second: the new game has put its own board up, and a
    // closing window is not touched again.
    if (!TempoP(*this, 1) || game != gameNumber_)
        return false;
    gover_->setVisible(false);
    speakBoard();
    return true;
}

void TavolaWindow::gameover()
{
    Timer1_->setEnabled(false);
    showMessage(QStringLiteral("GAME OVER"), QColor(255, 0, 0), messageTop);
}

void TavolaWindow::vincita()
{
    Timer1_->setEnabled(false);
    // The board is drawn won: every card and frame gone, the photograph whole, the hand empty; the
    // clock still shows the time played until the bonus is taken off it.
    showBoard();
    const std::optional<TavolaBonus> bonus = rules_.bonus();
    showClock(bonus ? bonus->elapsed : rules_.seconds());
    const int game = gameNumber_;
    if (!hold(*this, 5) || game != gameNumber_)
        return;
    showMessage(QStringLiteral("Hai Vinto"), QColor(0, 0, 255), winMessageTop);
    if (bonus) {
        showBonus(*bonus);
        setBonusVisible(true);
        if (!hold(*this, 5) || game != gameNumber_)
            return;
        setBonusVisible(false);
        repaint();
    }
    if (record_.isBeatenBy(rules_.seconds())) {
        setRecordBannerVisible(true);
        entry_->offer(rules_.seconds());
    }
}

void TavolaWindow::showBonus(const TavolaBonus& bonus)
{
    bonuscar_->setCaption(qtext(text::twoDigits(bonus.cards)));
    bonus8_->setCaption(qtext(text::twoDigits(bonus.perCard)));
    bonusmint_->setCaption(qtext(text::twoDigits(bonus.bonus / 60)));
    bonussect_->setCaption(qtext(text::twoDigits(bonus.bonus % 60)));
    bonusmin_->setCaption(qtext(text::twoDigits(bonus.elapsed / 60)));
    bonussec_->setCaption(qtext(text::twoDigits(bonus.elapsed % 60)));
    bonustotm_->setCaption(qtext(text::twoDigits(bonus.total / 60)));
    bonustots_->setCaption(qtext(text::twoDigits(bonus.total % 60)));
    bonus3_->setAccessibleName(QStringLiteral("BONUS CARTE: Tempo %1:%2, meno Carte %3 X %4 = %5:%6, Totale %7:%8")
                                   .arg(bonusmin_->caption(), bonussec_->caption(), bonuscar_->caption(),
                                        bonus8_->caption(), bonusmint_->caption(), bonussect_->caption(),
                                        bonustotm_->caption(), bonustots_->caption()));
    showClock(bonus.total);
}

void TavolaWindow::showMessage(const QString& caption, QColor faceColour, int top)
{
    gover_->setFaceColour(faceColour);
    gover_->setCaption(caption);
    place(gover_->face(), 840, top, 3015, 615);
    place(gover_->shadow(), 960, top + 120, 3015, 615);
    place(gover_->label(), 840, top + 45, 3015, 495);
    gover_->setVisible(true);
    gover_->shadow()->repaint();
    gover_->face()->repaint();
    gover_->label()->repaint();
    speakBoard();
}

void TavolaWindow::setBonusVisible(bool visible)
{
    for (QWidget* part : bonusPanel_) {
        part->setVisible(visible);
        if (visible)
            part->raise();
    }
}

void TavolaWindow::setRecordBannerVisible(bool visible)
{
    rct_->setVisible(visible);
    for (QWidget* part : {static_cast<QWidget*>(ast1_), static_cast<QWidget*>(ast2_)}) {
        part->setVisible(visible);
        if (visible)
            part->raise();
    }
}

void TavolaWindow::showBoard()
{
    const bool won = rules_.state() == TavolaRules::State::Won;
    for (int i = 0; i < TavolaRules::cells; ++i) {
        PictureBox* card = carte_[static_cast<std::size_t>(i)];
        card->setPicture(face(rules_.cell(i)));
        const bool visible = !won && !rules_.showsPhotograph(i);
        // A court card going onto its place takes its cell away: the keyboard goes back to the hand
        // card, where the next move starts, rather than to whatever control comes first.
        if (!visible && card->hasFocus())
            Vedi_->setFocus(Qt::OtherFocusReason);
        card->setVisible(visible);
        cartaM_[static_cast<std::size_t>(i)]->setVisible(rules_.isSelected(i));
    }
    Vedi_->setPicture(face(rules_.hand()));
    const bool clearing = rules_.isClearing();
    vediM_->setVisible(rules_.handPickedUp() || clearing);
    for (Shape* cross : {quad_, Line1_, Line2_}) {
        cross->setVisible(clearing);
        if (clearing)
            cross->raise();
    }
    rimane_->setCaption(QString::number(rules_.cardsLeft()));
    showClock(rules_.seconds());
    speakBoard();
}

// What the frames and the pointer show, said beside each card: the selected cards, the cells that
// take a click now, the hand card picked up or crossed out.
void TavolaWindow::speakBoard()
{
    const bool open = !messageShown();
    for (int i = 0; i < TavolaRules::cells; ++i) {
        QString state;
        if (rules_.isSelected(i))
            state = QStringLiteral("selezionata");
        else if (open && rules_.acceptsClick(i))
            state = QStringLiteral("giocabile");
        carte_[static_cast<std::size_t>(i)]->setState(state);
    }
    QString hand = QStringLiteral("in mano");
    if (rules_.isClearing())
        hand += QStringLiteral(", bloccata");
    else if (rules_.handPickedUp())
        hand += QStringLiteral(", selezionata");
    else if (open && rules_.canPickUp())
        hand += QStringLiteral(", giocabile");
    Vedi_->setState(hand);
}

void TavolaWindow::showClock(int seconds)
{
    Minuti_->setCaption(qtext(text::twoDigits(seconds / 60)));
    secondi_->setCaption(qtext(text::twoDigits(seconds % 60)));
    Minuti_->setAccessibleName(QStringLiteral("Tempo: %1:%2").arg(Minuti_->caption(), secondi_->caption()));
}

void TavolaWindow::Timer1_Timer()
{
    if (!rules_.isPlaying())
        return;
    rules_.tick();
    showClock(rules_.seconds());
}

void TavolaWindow::rci_KeyPress(int keyAscii) { entry_->rci_KeyPress(keyAscii); }

void TavolaWindow::carte_MouseMove(int index)
{
    const bool takes = !messageShown() && rules_.acceptsClick(index);
    setPointer(carte_[static_cast<std::size_t>(index)], takes ? Pointer::Hand : Pointer::Arrow);
}

void TavolaWindow::Vedi_MouseMove()
{
    setPointer(Vedi_, !messageShown() && rules_.canPickUp() ? Pointer::Hand : Pointer::Arrow);
}
