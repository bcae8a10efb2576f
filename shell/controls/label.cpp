// Labels: word-wrapped captions that may also act as buttons.
#include "shell/controls/label.h"

#include "shell/controls/fonts.h"
#include "shell/controls/twips.h"

#include <QMouseEvent>

Label::Label(QWidget* parent, const QString& name, const QRect& twips, const QString& caption,
             qreal pointSize, bool bold)
    : QLabel(parent), autoSize_(twips.width() == 0 || twips.height() == 0)
{
    setObjectName(name);
    setFont(arialFont(pointSize, bold));
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(!autoSize_);
    move(twipsToPixels(twips.x()), twipsToPixels(twips.y()));
    if (!autoSize_)
        resize(twipsToPixels(twips.width()), twipsToPixels(twips.height()));
    setCaption(caption);
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    if (autoSize_)
        adjustSize();
}

void Label::setForeColour(QColor colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
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
    setFont(arialFont(pointSize, bold));
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
