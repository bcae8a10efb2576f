// The waits run a local event loop woken by the clock, so the processor sleeps while they last.
#include "shell/waits.h"

#include "shell/clock.h"
#include "shell/game_window.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

namespace {

// Swallows the player's input to one window while it is held; a close is remembered for later.
class InputBlocker final : public QObject {
public:
    explicit InputBlocker(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }
    bool closeWanted() const { return closeWanted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !window_ || widget->window() != window_)
            return false;
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Taken here, the key never reaches the window's menu shortcuts.
            event->accept();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
            return true;
        case QEvent::Close:
            if (widget == window_) {
                closeWanted_ = true;
                event->ignore();
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> window_;
    bool closeWanted_ = false;
};

// Runs a local loop until the clock passes `seconds`, the window starts leaving or is destroyed.
bool waitOn(GameWindow& window, double seconds)
{
    if (window.isLeaving())
        return false;
    if (seconds <= 0)
        return true;
    QPointer<GameWindow> alive(&window);
    QEventLoop loop;
    Clock& clock = Clock::current();
    clock.wakeAt(clock.now() + seconds, &loop, [&loop] { loop.quit(); });
    QObject::connect(&window, &GameWindow::leaving, &loop, &QEventLoop::quit);
    QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
    return alive && !alive->isLeaving();
}

} // namespace

bool TempoP(GameWindow& window, double seconds) { return waitOn(window, seconds); }

bool hold(GameWindow& window, double seconds)
{
    QPointer<GameWindow> alive(&window);
    bool closeWanted = false;
    {
        InputBlocker blocker(&window);
        window.repaint();
        waitOn(window, seconds);
        closeWanted = blocker.closeWanted();
    }
    if (!alive || alive->isLeaving())
        return false;
    if (closeWanted)
        QTimer::singleShot(0, alive.data(), [alive] { if (alive) alive->close(); });
    return true;
}
