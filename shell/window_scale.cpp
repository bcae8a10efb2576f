// The table follows its window's frame: the largest scale that fits, centred, with the window's
// background round it until the frame closes up round the table.
#include "shell/window_scale.h"

#include "shell/controls/form_scale.h"
#include "shell/window_memory.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <iterator>
#include <cmath>

namespace {
// Scales this close are one: a frame is whole pixels, a step is a round number.
constexpr double nearEnough = 0.01;

double validScale(double scale) { return std::isfinite(scale) ? std::clamp(scale, 1.0, WindowScale::largest) : 1.0; }
} // namespace

WindowScale::WindowScale(QMainWindow* window, QWidget* form, QSize formSize)
    : QObject(window), window_(window), form_(form), formSize_(formSize)
{
    setObjectName(QStringLiteral("scala"));
    form_->setMinimumSize(formSize_);
    form_->installEventFilter(this);
    window_->installEventFilter(this);
    rest_.setSingleShot(true);
    rest_.setInterval(150);
    connect(&rest_, &QTimer::timeout, this, [this] { setFormResizing(form_, false); });
    settle_.setSingleShot(true);
    settle_.setInterval(400);
    connect(&settle_, &QTimer::timeout, this, [this] {
        // Once for each size the frame rests at: a window system that keeps its own size is left to it.
        const QSize area = form_->size();
        if (window_->isMaximized() || window_->isFullScreen() || area == unsettled_
            || area == scaledRect(QRect(QPoint(), formSize_), scale()).size())
            return;
        unsettled_ = area;
        zoomTo(scale());
    });
}

WindowScale* WindowScale::of(const QWidget* window)
{
    return window ? window->findChild<WindowScale*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

double WindowScale::scale() const { return formScale(form_); }

QSize WindowScale::windowSizeFor(double scale) const
{
    const int bar = window_->menuBar() && !window_->menuBar()->isNativeMenuBar() ? window_->menuBar()->sizeHint().height() : 0;
    return scaledRect(QRect(QPoint(), formSize_), scale).size() + QSize(0, bar);
}

void WindowScale::fit()
{
    const QSize bar = windowSizeFor(1.0) - formSize_;
    window_->setMinimumSize(windowSizeFor(1.0));
    window_->setMaximumSize(windowSizeFor(largest));
    double wanted = 1.0;
    if (const std::optional<QSize> last = windowMemory::lastSize(window_->objectName())) {
        rememberedSize_ = *last;
        const double fits = std::min(double(last->width()) / formSize_.width(), double(last->height()) / formSize_.height());
        // A size from another program's file, or written by hand, gives the table at 100%.
        if (std::isfinite(fits) && fits >= 1.0 && fits <= largest)
            wanted = fits;
    }
    // Never larger than the screen it opens on.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() - bar;
        wanted = std::max(1.0, std::min({wanted, double(room.width()) / formSize_.width(), double(room.height()) / formSize_.height()}));
    }
    for (double step : steps)
        if (std::abs(wanted - step) < nearEnough)
            wanted = step;
    zoomTo(wanted);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), window_->size());
        frame.moveCenter(screen->availableGeometry().center());
        window_->move(frame.topLeft());
    }
}

void WindowScale::zoomTo(double scale)
{
    asked_ = validScale(scale);
    // The table first, drawn finished, then the frame round it: the frame's resize then finds the
    // table already at its scale (a window not yet shown lays its table out when it is shown).
    scaleForm(form_, asked_, QPoint());
    if (!form_->isVisible())
        form_->resize(scaledRect(QRect(QPoint(), formSize_), asked_).size());
    window_->resize(windowSizeFor(asked_));
}

void WindowScale::zoomIn()
{
    for (double step : steps) {
        if (step > scale() + nearEnough) {
            zoomTo(step);
            return;
        }
    }
}

void WindowScale::zoomOut()
{
    for (auto step = std::rbegin(steps); step != std::rend(steps); ++step) {
        if (*step < scale() - nearEnough) {
            zoomTo(*step);
            return;
        }
    }
}

void WindowScale::followFrame()
{
    if (!form_->isVisible())
        return;
    const QSize area = form_->size();
    double scale = validScale(std::min(double(area.width()) / formSize_.width(), double(area.height()) / formSize_.height()));
    if (std::abs(scale - asked_) < nearEnough)
        scale = asked_;
    const QSize table = scaledRect(QRect(QPoint(), formSize_), scale).size();
    const QPoint origin(std::max(0, (area.width() - table.width()) / 2), std::max(0, (area.height() - table.height()) / 2));
    // A frame being dragged passes through a new scale at every step: its pictures are shrunk from
    // what is at hand until it rests. A zoom key's scale was set at once and is drawn finished.
    if (scale != formScale(form_)) {
        setFormResizing(form_, true);
        rest_.start();
    }
    scaleForm(form_, scale, origin);
    if (table != area)
        settle_.start();
}

bool WindowScale::zoomKey(const QKeyEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier) || (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
        return false;
    // The name box keeps its keys.
    if (qobject_cast<const QLineEdit*>(window_->focusWidget()))
        return false;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomIn();
        return true;
    case Qt::Key_Minus:
        zoomOut();
        return true;
    case Qt::Key_0:
        zoomTo(1.0);
        return true;
    default:
        return false;
    }
}

void WindowScale::remember()
{
    const QSize size = form_->size();
    const QSize atFull = formSize_;
    // A window never resized leaves the file alone; one brought back to 100% says so.
    if (size == rememberedSize_ || (!rememberedSize_.isValid() && size == atFull))
        return;
    rememberedSize_ = size;
    windowMemory::remember(window_->objectName(), size);
}

bool WindowScale::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == form_ && event->type() == QEvent::Resize)
        followFrame();
    else if (watched == window_ && event->type() == QEvent::KeyPress && zoomKey(static_cast<QKeyEvent*>(event)))
        return true;
    else if (watched == window_ && event->type() == QEvent::Hide)
        remember();
    return QObject::eventFilter(watched, event);
}
