// Shapes never take the mouse: clicks go to the card or label beneath them.
#include "shell/controls/shape.h"

#include "shell/controls/form_scale.h"
#include "shell/controls/twips.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

Shape::Shape(QWidget* parent, const QString& name, const QRect& twips, Kind kind) : QWidget(parent), kind_(kind)
{
    setObjectName(name);
    placeControl(this, twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
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
    placeControl(this, box);
    from_ = a - box.topLeft();
    to_ = b - box.topLeft();
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, kind_ != Kind::Rectangle);
    // Scaled with the form, a border stays whole pixels wide, so a rectangle's four sides match.
    const double scale = controlScale(this);
    const int borderWidth = scale == 1.0 ? borderWidth_ : std::max(1, static_cast<int>(std::lround(borderWidth_ * scale)));
    QPen pen(border_, borderWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(borderVisible_ ? pen : QPen(Qt::NoPen));
    painter.setBrush(fill_ ? QBrush(*fill_) : QBrush(Qt::NoBrush));
    // The border lies inside the control's rectangle, as the old shapes drew it.
    const qreal half = borderVisible_ ? borderWidth / 2.0 : 0.0;
    const QRectF inner = QRectF(rect()).adjusted(half, half, -half, -half);
    switch (kind_) {
    case Kind::Rectangle:
        painter.drawRect(inner);
        break;
    case Kind::RoundedRectangle:
        painter.drawRoundedRect(inner, 6 * scale, 6 * scale);
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
        painter.drawLine(QPointF(from_) * scale, QPointF(to_) * scale);
        break;
    }
}
