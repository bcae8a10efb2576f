// Picture controls draw their bitmap at their size; a click is a press and release on the control.
#include "shell/controls/picture_box.h"

#include "shell/controls/accessible.h"
#include "shell/controls/form_scale.h"
#include "shell/controls/twips.h"
#include "shell/picture_names.h"
#include "shell/resource_catalogue.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent, const QString& name, const QRect& twips) : QWidget(parent)
{
    setObjectName(name);
    placeControl(this, twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    accessible::install();
}

void PictureBox::setPicture(int number)
{
    if (number == picture_)
        return;
    picture_ = number;
    update();
    accessible::nameChanged(this);
}

void PictureBox::setState(const QString& state)
{
    if (state == state_)
        return;
    state_ = state;
    accessible::nameChanged(this);
}

QString PictureBox::spokenName() const
{
    const QString name = pictureName(picture_);
    return state_.isEmpty() ? name : name + QStringLiteral(", ") + state_;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (picture_ == 0)
        return;
    QPainter painter(this);
    // At 100% the table is drawn as it always was; scaled, the picture is made for the control's own
    // pixels and drawn one to one, never stretched. While the frame is dragged a table of fifty cards
    // must redraw within a frame: each card is shrunk pixel for pixel from the rendering at hand,
    // and made finished once the frame rests.
    if (controlScale(this) == 1.0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), ResourceCatalogue::bitmap(picture_));
        return;
    }
    if (isFormResizing(parentWidget())) {
        painter.drawPixmap(rect(), ResourceCatalogue::bitmapOrRendering(picture_, size(), devicePixelRatioF()));
        return;
    }
    painter.drawPixmap(rect(), ResourceCatalogue::bitmap(picture_, size(), devicePixelRatioF()));
}

void PictureBox::mousePressEvent(QMouseEvent* event) { clicks_.press(event); }

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) { clicks_.press(event); }

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (clicks_.release(event, rect()))
        emit clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent*) { emit mouseMoved(); }

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    const auto use = clickable_ ? accessible::useKey(this, event) : accessible::KeyUse::Ignored;
    if (use == accessible::KeyUse::Click)
        emit clicked();
    else if (use == accessible::KeyUse::Ignored)
        QWidget::keyPressEvent(event);
}

// A click handler makes the picture one the Tab key reaches; the mouse still leaves the focus alone.
void PictureBox::connectNotify(const QMetaMethod& signal)
{
    if (signal == QMetaMethod::fromSignal(&PictureBox::clicked) && !clickable_) {
        clickable_ = true;
        setFocusPolicy(Qt::TabFocus);
        accessible::stateChanged(this, accessible::focusable());
    }
}

// The keyboard's focus arriving is the pointer coming over the control: the game shows what it shows on hover.
void PictureBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (accessible::keyboardInUse())
        emit mouseMoved();
}
