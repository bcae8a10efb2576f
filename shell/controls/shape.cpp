// Shapes never take the mouse: clicks go to the card or label beneath them.
#include "shell/controls/shape.h"

#include "shell/controls/twips.h"

#include <QPainter>

Shape::Shape(QWidget* parent, const QString& name, const QRect& twips, Kind kind) : QWidget(parent), kind_(kind)
{
    setObjectName(name);
    setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setBorder(QColor colour, int width)
{
    border_ = colour;
    borderWidth_ = width;
    update();
}

void Shape::setFill(std::optional<QColor> colour)
{
    fill_ = colour;
    update();
}

void Shape::setBorderVisible(bool visible)
{
    borderVisible_ = visible;
    update();
}

void Shape::setLine(int x1, int y1, int x2, int y2)
{
    kind_ = Kind::Line;
    const QPoint a(twipsToPixels(x1), twipsToPixels(y1));
    const QPoint b(twipsToPixels(x2), twipsToPixels(y2));
    const QRect box = QRect(a, b).normalized().adjusted(-borderWidth_, -borderWidth_, borderWidth_, borderWidth_);
    setGeometry(box);
    from_ = a - box.topLeft();
    to_ = b - box.topLeft();
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, kind_ != Kind::Rectangle);
    QPen pen(border_, borderWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(borderVisible_ ? pen : QPen(Qt::NoPen));
    painter.setBrush(fill_ ? QBrush(*fill_) : QBrush(Qt::NoBrush));
    // The border lies inside the control's rectangle, as the old shapes drew it.
    const qreal half = borderVisible_ ? borderWidth_ / 2.0 : 0.0;
    const QRectF inner = QRectF(rect()).adjusted(half, half, -half, -half);
    switch (kind_) {
    case Kind::Rectangle:
        painter.drawRect(inner);
        break;
    case Kind::RoundedRectangle:
        painter.drawRoundedRect(inner, 6, 6);
        break;
    case Kind::Circle: {
        const qreal side = std::min(inner.width(), inner.height());
        QRectF circle(0, 0, side, side);
        circle.moveCenter(inner.center());
        painter.drawEllipse(circle);
        break;
    }
    case Kind::Oval:
        painter.drawEllipse(inner);
        break;
    case Kind::Line:
        painter.drawLine(from_, to_);
        break;
    }
}
