// Custom pointers from the catalogue, set on a control at each mouse movement.
#include "shell/controls/pointer.h"

#include "shell/controls/form_scale.h"
#include "shell/resource_catalogue.h"

#include <QVariant>
#include <QWidget>

void setPointer(QWidget* control, Pointer pointer)
{
    control->setProperty("pointer", static_cast<int>(pointer));
    if (pointer == Pointer::Arrow)
        control->unsetCursor();
    else if (const double zoom = controlScale(control); zoom != 1.0)
        control->setCursor(ResourceCatalogue::cursor(static_cast<int>(pointer), control->devicePixelRatioF(), zoom));
    else
        control->setCursor(ResourceCatalogue::cursor(static_cast<int>(pointer)));
}

Pointer pointerOf(const QWidget* control)
{
    return static_cast<Pointer>(control->property("pointer").toInt());
}
