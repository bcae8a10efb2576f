// The shared frame of the game windows: a client area that scales with the frame, "File" menu, and the question asked on leaving.
#include "shell/game_window.h"

#include "shell/controls/accessible.h"
#include "shell/controls/twips.h"
#include "shell/dialogs.h"
#include "shell/resource_catalogue.h"
#include "shell/shell.h"
#include "shell/waits.h"
#include "shell/window_scale.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

const LeavingQuestion abandonQuestion{QStringLiteral("ABBANDONA"),
                                      QStringLiteral("Sei sicuro di voler abbandonare la partita?")};
const LeavingQuestion backToMenuQuestion{QStringLiteral("TORNA AL MENU"),
                                         QStringLiteral("Sei sicuro di voler uscire dal gioco?")};

GameWindow::GameWindow(const QString& objectName, const QString& caption, int clientWidthTwips,
                       int clientHeightTwips, QColor background)
    : client_(new QWidget(this)), appDir_(QDir::currentPath())
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    client_->setObjectName(QStringLiteral("client"));
    new WindowScale(this, client_, QSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips)));
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, background);
    client_->setPalette(palette);
    setCentralWidget(client_);
    client_->installEventFilter(this);
    menuBar()->setNativeMenuBar(false);
    Shell::placeCentred(this);
}

bool GameWindow::holdFor(double seconds) { return waitFor(seconds, hold); }

bool GameWindow::pauseFor(double seconds) { return waitFor(seconds, TempoP); }

bool GameWindow::waitFor(double seconds, bool (*wait)(GameWindow&, double))
{
    const int current = game_;
    if (leaving_)
        return false;
    if (isVisible() && !wait(*this, seconds))
        return false;
    return !leaving_ && game_ == current;
}

void GameWindow::whenShown(std::function<void()> start)
{
    const int current = game_;
    onFirstPaint_ = [this, current, start = std::move(start)] {
        if (!leaving_ && game_ == current)
            start();
    };
    if (painted_)
        runAfterFirstPaint();
}

QMenu* GameWindow::addFileMenu(const QString& newGameName, const QString& newGameCaption,
                               const QKeySequence& newGameShortcut, const QKeySequence& esciShortcut,
                               bool separator)
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("file"));
    newGame_ = file->addAction(newGameCaption, this, [this] { newGame(); });
    newGame_->setObjectName(newGameName);
    newGame_->setShortcut(newGameShortcut);
    if (separator)
        file->addSeparator()->setObjectName(QStringLiteral("linea"));
    esci_ = file->addAction(QStringLiteral("Esci"), this, [this] { esci_Click(); });
    esci_->setObjectName(QStringLiteral("esci"));
    esci_->setShortcut(esciShortcut);
    Shell::fixSize(this);
    return file;
}

void GameWindow::esci_Click() { close(); }

// The directory's own bytes, whatever its name's encoding.
std::filesystem::path GameWindow::recordDirectory() const
{
    return std::filesystem::path(QFile::encodeName(appDir_).toStdString());
}

bool GameWindow::focusNextPrevChild(bool next)
{
    QWidget* to = accessible::nextInReadingOrder(this, focusWidget(), next);
    if (!to)
        return false;
    to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void GameWindow::runAfterFirstPaint()
{
    QTimer::singleShot(0, this, [this] {
        // A close asked before the first paint has the leaving question open: what waited for the
        // paint (a banner held as the game opens) starts after a No, not behind the question.
        if (asking_)
            return;
        if (auto run = std::exchange(onFirstPaint_, {}))
            run();
    });
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The first paint is queued behind, so what waits for it starts once the picture is on the screen.
    if (watched == client_ && event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        client_->removeEventFilter(this);
        if (onFirstPaint_)
            runAfterFirstPaint();
    }
    if (asking_ && event->type() == QEvent::Close && watched == windowHandle()) {
        requestWhileAsking();
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

LeavingQuestion GameWindow::leavingQuestion() const { return abandonQuestion; }

void GameWindow::setIconGroup(int number) { setWindowIcon(ResourceCatalogue::icon(number)); }

// The question's box has been answered and is gone, though the question has not returned yet (the
// rest of the events that came with the answer are handled first): a request now asks again. While
// the box is on the screen (or a test answers without one) the request is folded into the question.
void GameWindow::requestWhileAsking()
{
    const QList<QDialog*> boxes = findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
    const auto shown = [](const QDialog* box) { return box->isVisible(); };
    if (!boxes.isEmpty() && std::none_of(boxes.begin(), boxes.end(), shown))
        askAgain_ = true;
}

bool GameWindow::Form_Unload()
{
    const LeavingQuestion question = leavingQuestion();
    return askYesNo(this, question.title, question.text);
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    // A second close while the question is open or after Yes must not ask again.
    if (leaving_) {
        event->accept();
        return;
    }
    // Another leave request (close box, "Esci", its shortcut) while the question is open is folded
    // into that question: its answer decides for both.
    if (asking_) {
        requestWhileAsking();
        event->ignore();
        return;
    }
    // The close box pressed meanwhile reaches the window system's window while this one is already
    // closing, and Qt would let it through unasked: it is held back there too.
    QPointer<QWindow> handle = windowHandle();
    if (handle)
        handle->installEventFilter(this);
    asking_ = true;
    bool yes = false;
    // A request that came after a No, while the question was still going away, is a new one.
    do {
        askAgain_ = false;
        yes = Form_Unload();
    } while (!yes && askAgain_);
    asking_ = false;
    if (handle)
        handle->removeEventFilter(this);
    if (!yes) {
        event->ignore();
        if (painted_ && onFirstPaint_)
            runAfterFirstPaint();
        return;
    }
    leaving_ = true;
    emit leaving();
    event->accept();
    Shell::instance().showMenu();
}
