// Picture controls draw their bitmap smoothly scaled; a click is a press and release on the control.
#include "shell/controls/picture_box.h"

#include "shell/controls/twips.h"
#include "shell/resource_catalogue.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent, const QString& name, const QRect& twips) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBox::setPicture(int number)
{
    if (number == picture_)
        return;
    picture_ = number;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (picture_ == 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), ResourceCatalogue::bitmap(picture_));
}

void PictureBox::mousePressEvent(QMouseEvent* event) { clicks_.press(event); }

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) { clicks_.press(event); }

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (clicks_.release(event, rect()))
        emit clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent*) { emit mouseMoved(); }
