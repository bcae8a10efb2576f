// The controls' accessible interfaces and the keyboard watcher. A control is clickable once a handler
// listens to its click; only then does it take the keyboard, read as a button and draw a focus frame.
#include "shell/controls/accessible.h"

#include "shell/controls/form_scale.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <cmath>

namespace accessible {
namespace {

// Pictures and labels the player clicks; the name box keeps its own look and interface.
bool isClickable(const QWidget* widget)
{
    if (const auto* picture = qobject_cast<const PictureBox*>(widget))
        return picture->isClickable();
    if (const auto* label = qobject_cast<const Label*>(widget))
        return label->isClickable();
    return false;
}

// Space through the control's own key handling, so a hold that takes no keys takes no press either.
void pressWithSpace(QWidget* widget)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(widget, &release);
}

// What pictures and labels tell a screen reader. Clickable ones are buttons with a press action.
class ControlInterface : public QAccessibleWidget {
public:
    explicit ControlInterface(QWidget* widget) : QAccessibleWidget(widget) {}

    QAccessible::Role role() const override
    {
        if (isClickable(widget()))
            return QAccessible::Button;
        if (const auto* label = qobject_cast<const Label*>(widget()))
            return label->isAlert() ? QAccessible::AlertMessage : QAccessible::StaticText;
        return QAccessible::Graphic;
    }

    // A piece of a line read whole elsewhere is left out, as a hidden control is.
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto* label = qobject_cast<const Label*>(widget()); label && !label->isSpoken())
            s.invisible = true;
        return s;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (const auto* picture = qobject_cast<const PictureBox*>(widget()))
            return picture->spokenName();
        if (const auto* label = qobject_cast<const Label*>(widget()))
            return label->spokenName();
        return {};
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (isClickable(widget()))
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && isClickable(widget()) && widget()->isEnabled())
            pressWithSpace(widget());
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction())
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

QAccessibleInterface* controlInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("PictureBox") || className == QLatin1String("Label"))
        return new ControlInterface(static_cast<QWidget*>(object));
    return nullptr;
}

// A frame laid over the focused control, above its neighbours so an overlapped card shows it whole.
class FocusFrame final : public QWidget {
public:
    static constexpr int margin = 3;
    explicit FocusFrame(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("cornice"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(QStringLiteral("Cornice della selezione da tastiera"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // Drawn at 100% and scaled with the table, so the frame keeps its weight round a larger card.
        const qreal scale = controlScale(this);
        painter.scale(scale, scale);
        const QRectF outer = QRectF(0, 0, width() / scale, height() / scale).adjusted(0.5, 0.5, -0.5, -0.5);
        // Blue edged in white: apart from every game's own frames, which are yellow, red or black.
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRoundedRect(outer, 4, 4);
        painter.setPen(QPen(QColor(30, 110, 255), 2));
        painter.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRoundedRect(outer.adjusted(3, 3, -3, -3), 2, 2);
    }
};

// Watches the whole program's input: a navigation key puts the keyboard in use and shows the frame
// on the focused control; a mouse press takes it away, so the mouse player's table stays as laid out.
class KeyboardWatcher final : public QObject {
public:
    KeyboardWatcher()
    {
        qApp->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this] { place(); });
    }
    bool inUse() const { return inUse_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (isNavigation(static_cast<QKeyEvent*>(event)->key()) && !inUse_) {
                inUse_ = true;
                place();
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (inUse_) {
                inUse_ = false;
                place();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (watched == target_ && watched != frame_)
                place();
            break;
        default:
            break;
        }
        return false;
    }

private:
    static bool isNavigation(int key)
    {
        switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            return false;
        }
    }

    void place()
    {
        QWidget* focus = QApplication::focusWidget();
        target_ = isClickable(focus) ? focus : nullptr;
        if (!inUse_ || !target_ || !target_->isVisible()) {
            if (frame_)
                frame_->hide();
            return;
        }
        QWidget* parent = target_->parentWidget();
        if (!frame_)
            frame_ = new FocusFrame(parent);
        else if (frame_->parentWidget() != parent)
            frame_->setParent(parent);
        const int m = static_cast<int>(std::lround(FocusFrame::margin * controlScale(target_)));
        frame_->setGeometry(target_->geometry().adjusted(-m, -m, m, m));
        frame_->raise();
        frame_->show();
    }

    bool inUse_ = false;
    QPointer<QWidget> target_;
    QPointer<FocusFrame> frame_;
};

KeyboardWatcher* watcher = nullptr;

QPoint centreOf(const QWidget* widget)
{
    return widget->mapTo(widget->window(), widget->rect().center());
}

} // namespace

void install()
{
    if (watcher || !qApp)
        return;
    QAccessible::installFactory(controlInterface);
    watcher = new KeyboardWatcher;
    watcher->setParent(qApp);
}

bool keyboardInUse() { return watcher && watcher->inUse(); }

QList<QWidget*> readingOrder(const QWidget* window)
{
    struct Place {
        QWidget* widget;
        QPoint topLeft;
    };
    std::vector<Place> places;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = isClickable(w) || qobject_cast<QLineEdit*>(w);
        if (control && w->window() == window && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled()
            && w->isVisibleTo(window))
            places.push_back({w, w->mapTo(window, QPoint(0, 0))});
    }
    std::sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return a.topLeft.y() != b.topLeft.y() ? a.topLeft.y() < b.topLeft.y() : a.topLeft.x() < b.topLeft.x();
    });
    // Controls whose tops lie within a few pixels of the row's first are read as one row, left to right.
    const int rowTolerance = static_cast<int>(8 * (places.empty() ? 1.0 : controlScale(places.front().widget)));
    QList<QWidget*> order;
    for (std::size_t first = 0; first < places.size();) {
        std::size_t end = first + 1;
        while (end < places.size() && places[end].topLeft.y() - places[first].topLeft.y() <= rowTolerance)
            ++end;
        std::stable_sort(places.begin() + static_cast<std::ptrdiff_t>(first),
                         places.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const Place& a, const Place& b) { return a.topLeft.x() < b.topLeft.x(); });
        for (std::size_t i = first; i < end; ++i)
            order.push_back(places[i].widget);
        first = end;
    }
    return order;
}

QWidget* nextInReadingOrder(const QWidget* window, const QWidget* from, bool forward)
{
    const QList<QWidget*> order = readingOrder(window);
    if (order.isEmpty())
        return nullptr;
    const qsizetype at = order.indexOf(const_cast<QWidget*>(from));
    if (at < 0)
        return forward ? order.front() : order.back();
    const qsizetype n = order.size();
    return order[(at + (forward ? 1 : n - 1)) % n];
}

QWidget* neighbour(const QWidget* from, int key)
{
    QPoint way;
    switch (key) {
    case Qt::Key_Left: way = {-1, 0}; break;
    case Qt::Key_Right: way = {1, 0}; break;
    case Qt::Key_Up: way = {0, -1}; break;
    case Qt::Key_Down: way = {0, 1}; break;
    default: return nullptr;
    }
    const QPoint here = centreOf(from);
    QWidget* best = nullptr;
    int bestScore = 0;
    for (QWidget* candidate : readingOrder(from->window())) {
        if (candidate == from)
            continue;
        const QPoint d = centreOf(candidate) - here;
        const int along = d.x() * way.x() + d.y() * way.y();
        const int across = std::abs(d.x() * way.y()) + std::abs(d.y() * way.x());
        if (along <= 0)
            continue;
        // The nearest that way, a control straight ahead before one off to the side.
        const int score = along + 2 * across;
        if (!best || score < bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

KeyUse useKey(QWidget* control, const QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        return event->isAutoRepeat() ? KeyUse::Taken : KeyUse::Click;
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down)
        return KeyUse::Ignored;
    if (QWidget* to = neighbour(control, key))
        to->setFocus(Qt::TabFocusReason);
    return KeyUse::Taken;
}

namespace {
Observer observer;

void send(QWidget* control, QAccessible::Event what)
{
    if (observer)
        observer(control, what);
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, what);
    QAccessible::updateAccessibility(&event);
}
} // namespace

void nameChanged(QWidget* control) { send(control, QAccessible::NameChanged); }

void announce(QWidget* control) { send(control, QAccessible::Alert); }

void setObserver(Observer watcher) { observer = std::move(watcher); }

} // namespace accessible
