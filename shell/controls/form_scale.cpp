// Places and fonts at 100% kept on each control as properties, applied at the form's scale.
#include "shell/controls/form_scale.h"

#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

constexpr const char* scaleKey = "toatoaFormScale";
constexpr const char* originKey = "toatoaFormOrigin";
constexpr const char* placeKey = "toatoaPlace";
constexpr const char* fontKey = "toatoaFont";
constexpr const char* sizedKey = "toatoaSizedToContents";
constexpr const char* resizingKey = "toatoaFormResizing";

int scaled(int pixels, double scale) { return static_cast<int>(std::lround(pixels * scale)); }

QFont fontAt(const QFont& atFull, double scale)
{
    if (scale == 1.0)
        return atFull;
    // In quarter points, rounded down so a caption never outgrows its box: a frame being dragged
    // then passes through few sizes of a face, whose letters are drawn once each.
    QFont font = atFull;
    font.setPointSizeF(std::max(1.0, std::floor(atFull.pointSizeF() * scale * 4) / 4));
    return font;
}

void apply(QWidget* control)
{
    const QWidget* form = control->parentWidget();
    const double scale = formScale(form);
    const QVariant font = control->property(fontKey);
    if (font.isValid())
        control->setFont(fontAt(font.value<QFont>(), scale));
    const QVariant place = control->property(placeKey);
    if (!place.isValid())
        return;
    const QRect at = scaledRect(place.toRect(), scale).translated(formOrigin(form));
    if (control->property(sizedKey).toBool()) {
        control->move(at.topLeft());
        control->adjustSize();
    } else {
        control->setGeometry(at);
    }
}

} // namespace

double formScale(const QWidget* form)
{
    if (!form)
        return 1.0;
    const QVariant scale = form->property(scaleKey);
    return scale.isValid() ? scale.toDouble() : 1.0;
}

QPoint formOrigin(const QWidget* form) { return form ? form->property(originKey).toPoint() : QPoint(); }

double controlScale(const QWidget* control) { return control ? formScale(control->parentWidget()) : 1.0; }

QRect scaledRect(const QRect& atFull, double scale)
{
    if (scale == 1.0)
        return atFull;
    const int left = scaled(atFull.left(), scale);
    const int top = scaled(atFull.top(), scale);
    return QRect(left, top, scaled(atFull.left() + atFull.width(), scale) - left,
                 scaled(atFull.top() + atFull.height(), scale) - top);
}

void placeControl(QWidget* control, const QRect& atFull)
{
    control->setProperty(placeKey, atFull);
    apply(control);
}

QRect controlPlace(const QWidget* control)
{
    const QVariant place = control->property(placeKey);
    return place.isValid() ? place.toRect() : control->geometry();
}

void setControlFont(QWidget* control, const QFont& atFull)
{
    control->setProperty(fontKey, atFull);
    control->setFont(fontAt(atFull, controlScale(control)));
}

void setSizedToContents(QWidget* control, bool sized) { control->setProperty(sizedKey, sized); }

void setFormResizing(QWidget* form, bool resizing)
{
    if (resizing == isFormResizing(form))
        return;
    form->setProperty(resizingKey, resizing);
    if (!resizing)
        for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            control->update();
    form->update();
}

bool isFormResizing(const QWidget* form) { return form && form->property(resizingKey).toBool(); }

void scaleForm(QWidget* form, double scale, QPoint origin)
{
    if (scale == formScale(form) && origin == formOrigin(form))
        return;
    form->setProperty(scaleKey, scale);
    form->setProperty(originKey, origin);
    for (QObject* child : form->children())
        if (auto* control = qobject_cast<QWidget*>(child); control && !control->isWindow())
            apply(control);
    form->update();
}
