// Labels: word-wrapped captions that may also act as buttons.
#include "shell/controls/label.h"

#include "shell/controls/accessible.h"
#include "shell/controls/fonts.h"
#include "shell/controls/form_scale.h"
#include "shell/controls/twips.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QMetaMethod>
#include <QMouseEvent>
#include <algorithm>

Label::Label(QWidget* parent, const QString& name, const QRect& twips, const QString& caption,
             qreal pointSize, bool bold)
    : QLabel(parent), autoSize_(twips.width() == 0 || twips.height() == 0)
{
    // Before the first caption: a label made first in a program is then heard as ours too.
    accessible::install();
    setObjectName(name);
    setControlFont(this, arialFont(pointSize, bold));
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(!autoSize_);
    setSizedToContents(this, autoSize_);
    placeControl(this, twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    setCaption(caption);
}

void Label::setCaption(const QString& caption)
{
    const bool changed = caption != text();
    setText(caption);
    if (autoSize_)
        adjustSize();
    if (!changed)
        return;
    accessible::nameChanged(this);
    if (alert_ && isVisible())
        accessible::announce(this);
}

void Label::setActsAsButton(bool button)
{
    const bool was = isClickable();
    actsAsButton_ = button;
    setFocusPolicy(isClickable() ? Qt::TabFocus : Qt::NoFocus);
    if (was != isClickable())
        accessible::stateChanged(this, accessible::focusable());
}

void Label::setSpoken(bool spoken)
{
    if (spoken == spoken_)
        return;
    spoken_ = spoken;
    QAccessible::State left;
    left.invisible = true;
    accessible::stateChanged(this, left);
}

void Label::setReadAs(const QString& caption)
{
    readAs_ = caption;
    accessible::nameChanged(this);
}

QString Label::spokenName() const
{
    const QString words = text().simplified();
    if (readAs_.isEmpty())
        return words;
    return words.isEmpty() ? readAs_ : readAs_ + QStringLiteral(": ") + words;
}

void Label::setForeColour(QColor colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    if (greyed_)
        p.setColor(QPalette::Disabled, QPalette::WindowText, *greyed_);
    setPalette(p);
}

void Label::setGreyedColour(QColor colour)
{
    greyed_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, colour);
    setPalette(p);
}

void Label::setBackColour(std::optional<QColor> colour)
{
    setAutoFillBackground(colour.has_value());
    if (colour) {
        QPalette p = palette();
        p.setColor(QPalette::Window, *colour);
        setPalette(p);
    }
}

void Label::setPointSize(qreal pointSize, bool bold)
{
    setControlFont(this, arialFont(pointSize, bold));
    if (autoSize_)
        adjustSize();
}

void Label::mousePressEvent(QMouseEvent* event) { clicks_.press(event); }

void Label::mouseDoubleClickEvent(QMouseEvent* event) { clicks_.press(event); }

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (clicks_.release(event, rect()))
        emit clicked();
}

void Label::mouseMoveEvent(QMouseEvent*) { emit mouseMoved(); }

void Label::keyPressEvent(QKeyEvent* event)
{
    const auto use = isClickable() ? accessible::useKey(this, event) : accessible::KeyUse::Ignored;
    if (use == accessible::KeyUse::Click)
        emit clicked();
    else if (use == accessible::KeyUse::Ignored)
        QLabel::keyPressEvent(event);
}

// A framed label's line grows with its font when the form is scaled.
void Label::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && frameShape() != QFrame::NoFrame)
        setLineWidth(std::max(1, static_cast<int>(controlScale(this))));
}

void Label::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    if (alert_)
        accessible::announce(this);
}

void Label::connectNotify(const QMetaMethod& signal)
{
    if (signal == QMetaMethod::fromSignal(&Label::clicked) && !clickConnected_) {
        const bool was = isClickable();
        clickConnected_ = true;
        setFocusPolicy(Qt::TabFocus);
        if (!was)
            accessible::stateChanged(this, accessible::focusable());
    }
}

// Asked by Qt for where the focus goes when the button hides under it: nowhere, for now. (A button
// disabled under the focus, as the roll while the dice tumble, passes it on to the next control as Qt does.)
bool Label::focusNextPrevChild(bool next)
{
    if (hasFocus() && !isVisible() && accessible::parkFocus(this))
        return true;
    return QLabel::focusNextPrevChild(next);
}

// The keyboard's focus arriving is the pointer coming over the control: the game shows what it shows on hover.
void Label::focusInEvent(QFocusEvent* event)
{
    // Past QLabel, which would make the caption selectable text and draw it differently.
    QWidget::focusInEvent(event);
    if (accessible::keyboardInUse())
        emit mouseMoved();
}

// A label that takes the keyboard is laid out by QLabel as text to select, a pixel lower and greyed
// otherwise when disabled; it is drawn here as every other caption is, so the table looks the same.
void Label::paintEvent(QPaintEvent* event)
{
    if (focusPolicy() == Qt::NoFocus) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    QStyleOption option;
    option.initFrom(this);
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextForceLeftToRight;
    style()->drawItemText(&painter, contentsRect(), flags, option.palette, isEnabled(), text(), foregroundRole());
}
