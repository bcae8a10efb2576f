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
#include <QTimer>

#ifdef TOATOA_ACCESSIBILITY_BUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#endif

#include <algorithm>
#include <cmath>
#include <utility>

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
        return spokenName(widget());
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
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now && now != parked_)
                parked_ = nullptr;
            place();
        });
    }
    bool inUse() const { return inUse_; }
    bool park(QWidget* control)
    {
        if (control != QApplication::focusWidget())
            return false;
        parked_ = control;
        control->clearFocus();
        return true;
    }

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
        case QEvent::Show:
        case QEvent::EnabledChange:
            if (watched == parked_ && parked_->isVisible() && parked_->isEnabled() && !QApplication::focusWidget()
                && parked_->window()->isActiveWindow())
                parked_->setFocus(Qt::OtherFocusReason);
            if (watched == target_ && watched != frame_)
                place();
            break;
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
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
    QPointer<QWidget> parked_;
};

KeyboardWatcher* watcher = nullptr;

// Controls whose tops lie within a few pixels of a row's first are read as one row, left to right.
int rowTolerance(const QWidget* control) { return static_cast<int>(8 * controlScale(control)); }

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

bool parkFocus(QWidget* control) { return watcher && watcher->park(control); }

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
    const int tolerance = places.empty() ? 8 : rowTolerance(places.front().widget);
    QList<QWidget*> order;
    for (std::size_t first = 0; first < places.size();) {
        std::size_t end = first + 1;
        while (end < places.size() && places[end].topLeft.y() - places[first].topLeft.y() <= tolerance)
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
    const QWidget* window = from->window();
    const int top = from->mapTo(window, QPoint(0, 0)).y();
    const QList<QWidget*> order = readingOrder(window);
    // Up and Down go no further than the next row that way, the one Tab reads next: from the dice to the
    // button below them before the card below that.
    int nextRow = -1;
    if (way.y() != 0) {
        for (QWidget* candidate : order) {
            const int rise = (candidate->mapTo(window, QPoint(0, 0)).y() - top) * way.y();
            if (candidate != from && (centreOf(candidate) - here).y() * way.y() > 0 && rise > rowTolerance(from)
                && (nextRow < 0 || rise < nextRow))
                nextRow = rise;
        }
    }
    QWidget* best = nullptr;
    int bestScore = 0;
    for (QWidget* candidate : order) {
        if (candidate == from)
            continue;
        const QPoint d = centreOf(candidate) - here;
        const int along = d.x() * way.x() + d.y() * way.y();
        const int across = std::abs(d.x() * way.y()) + std::abs(d.y() * way.x());
        if (along <= 0)
            continue;
        if (nextRow >= 0 && (candidate->mapTo(window, QPoint(0, 0)).y() - top) * way.y() > nextRow + rowTolerance(from))
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

QString spokenName(const QWidget* control)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    if (const auto* picture = qobject_cast<const PictureBox*>(control))
        return picture->spokenName();
    if (const auto* label = qobject_cast<const Label*>(control))
        return label->spokenName();
    return {};
}

namespace {
Observer observer;

void send(QWidget* control, QAccessibleEvent& event)
{
    if (observer)
        observer(control, event.type());
    if (QAccessible::isActive())
        QAccessible::updateAccessibility(&event);
}

// Qt before 6.5 tells the desktop's accessibility bus of a new name with a reference to the control in
// place of the name itself, and Orca, finding no words there, says nothing. The name is sent here as the
// bus has it, on Qt's own connection (so it comes from the program, about the control Qt put there);
// false when there is no such connection, and Qt's event goes instead.
bool tellNameOnTheBus(QWidget* control, const QString& name)
{
#if defined(TOATOA_ACCESSIBILITY_BUS) && QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    if (!bus.isConnected() || !face)
        return false;
    QDBusMessage signal = QDBusMessage::createSignal(
        QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(face)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << QStringLiteral("accessible-name") << 0 << 0 << QVariant::fromValue(QDBusVariant(name)) << QVariantMap();
    return bus.send(signal);
#else
    Q_UNUSED(control);
    Q_UNUSED(name);
    return false;
#endif
}

// The name a screen reader last heard for a control, so a change that comes back to it is not told.
constexpr const char* heardName = "heardName";

// Controls whose names may have changed since they were last told, told together when the program's
// loop next comes round (or sooner, before an alert or on asking).
QList<QPointer<QWidget>> renamed;
bool tellingQueued = false;
} // namespace

void nameChanged(QWidget* control)
{
    // A control never shown was never heard: the name it has when it shows is the one a reader finds.
    if (!control->isVisible() && !control->property(heardName).isValid())
        return;
    if (!renamed.contains(control))
        renamed.push_back(control);
    if (!tellingQueued && qApp) {
        tellingQueued = true;
        QTimer::singleShot(0, qApp, [] { tellNameChanges(); });
    }
}

void tellNameChanges()
{
    tellingQueued = false;
    const QList<QPointer<QWidget>> now = std::exchange(renamed, {});
    for (QWidget* control : now) {
        if (!control)
            continue;
        const QString name = spokenName(control);
        const QVariant heard = control->property(heardName);
        control->setProperty(heardName, name);
        if (heard.isValid() && heard.toString() == name)
            continue;
        if (observer)
            observer(control, QAccessible::NameChanged);
        if (QAccessible::isActive() && !tellNameOnTheBus(control, name)) {
            QAccessibleEvent event(control, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void setName(QWidget* control, const QString& name)
{
    if (control->accessibleName() == name)
        return;
    control->setAccessibleName(name);
    nameChanged(control);
}

void stateChanged(QWidget* control, QAccessible::State which)
{
    QAccessibleStateChangeEvent event(control, which);
    send(control, event);
}

QAccessible::State focusable()
{
    QAccessible::State which;
    which.focusable = true;
    return which;
}

void announce(QWidget* control)
{
    // The names changed by the same move come before the message that follows it.
    tellNameChanges();
    QAccessibleEvent event(control, QAccessible::Alert);
    send(control, event);
}

void setObserver(Observer watcher) { observer = std::move(watcher); }

} // namespace accessible
