// The builder of a window's listing: every line becomes its control, at its place, in its order.
#include "shell/controls/layout.h"

#include "shell/controls/banner.h"
#include "shell/controls/control_array.h"
#include "shell/controls/label.h"
#include "shell/controls/picture_box.h"
#include "shell/controls/shape.h"
#include "shell/controls/text_box.h"

#include <QtGlobal>

namespace {

QWidget* make(QWidget* parent, const ControlLine& entry, const QString& name, const QRect& place)
{
    const QString caption = QString::fromUtf8(entry.caption);
    switch (entry.kind) {
    case ControlKind::Picture:
        return new PictureBox(parent, name, place);
    case ControlKind::Label:
    case ControlKind::Button: {
        auto* label = new Label(parent, name, place, caption, entry.pointSize, entry.bold);
        label->setAlignment(entry.alignment);
        if (place.width() != 0 && place.height() != 0)
            label->setWordWrap(entry.wordWrap);
        if (entry.foreColour)
            label->setForeColour(qcolour(*entry.foreColour));
        if (entry.backColour)
            label->setBackColour(qcolour(*entry.backColour));
        if (entry.kind == ControlKind::Button)
            label->setActsAsButton(true);
        label->setSpoken(entry.spoken);
        if (entry.greyedColour)
            label->setGreyedColour(qcolour(*entry.greyedColour));
        label->setAlert(entry.isAlert);
        if (*entry.readCaption)
            label->setReadAs(QString::fromUtf8(entry.readCaption));
        if (entry.boxed)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        return label;
    }
    case ControlKind::TextBox:
        return new TextBox(parent, name, place, entry.maxLength);
    case ControlKind::Rectangle:
    case ControlKind::RoundedRectangle:
    case ControlKind::Circle:
    case ControlKind::Oval: {
        static constexpr Shape::Kind kinds[] = {Shape::Kind::Rectangle, Shape::Kind::RoundedRectangle,
                                                Shape::Kind::Circle, Shape::Kind::Oval};
        auto* shape = new Shape(parent, name, place,
                                kinds[static_cast<int>(entry.kind) - static_cast<int>(ControlKind::Rectangle)]);
        if (entry.foreColour)
            shape->setBorder(qcolour(*entry.foreColour), entry.borderWidth);
        if (entry.backColour)
            shape->setFill(qcolour(*entry.backColour));
        return shape;
    }
    case ControlKind::Banner:
        break; // made by the Form, which keeps it
    }
    return nullptr;
}

} // namespace

Form::Form(QWidget* parent, std::span<const ControlLine> listing)
{
    for (const ControlLine& entry : listing) {
        const bool isArray = entry.count > 0;
        const int n = isArray ? entry.count : 1;
        for (int i = 0; i < n; ++i) {
            const QString name = isArray ? arrayName(entry.name, i) : QString::fromUtf8(entry.name);
            const TwipsPoint at = entry.placeOf ? entry.placeOf(i)
                                                : TwipsPoint{entry.stepX * (i % entry.columns), entry.stepY * (i / entry.columns)};
            const QRect place(entry.left + at.x, entry.top + at.y, entry.width, entry.height);
            if (entry.kind == ControlKind::Banner) {
                addBanner(parent, entry, name, place);
                continue;
            }
            QWidget* widget = make(parent, entry, name, place);
            widget->setVisible(entry.visible);
            if (entry.mouseTransparent)
                widget->setAttribute(Qt::WA_TransparentForMouseEvents);
            controls_.insert(name, widget);
        }
        if (isArray)
            counts_.insert(QString::fromUtf8(entry.name), n);
    }
}

void Form::addBanner(QWidget* parent, const ControlLine& entry, const QString& name, const QRect& place)
{
    const BannerLook look{qcolour(entry.backColour.value_or(Rgb{255, 255, 255})),
                          qcolour(entry.foreColour.value_or(Rgb{0, 0, 0})), qcolour(entry.shadowColour),
                          entry.pointSize, entry.bold, entry.shadowOffset};
    auto* made = new Banner(parent, name, QString::fromUtf8(entry.faceName), QString::fromUtf8(entry.shadowName), place,
                            QString::fromUtf8(entry.caption), look);
    if (entry.captionWidth > 0)
        made->placeCaption(QRect(entry.captionLeft, entry.captionTop, entry.captionWidth, entry.captionHeight));
    made->setVisible(entry.visible);
    controls_.insert(name, made->label());
    controls_.insert(made->face()->objectName(), made->face());
    controls_.insert(made->shadow()->objectName(), made->shadow());
    banners_.insert(name, made);
}

Banner* Form::banner(const QString& name) const
{
    Banner* found = banners_.value(name);
    if (!found)
        qFatal("no banner %s in the listing", qPrintable(name));
    return found;
}

QWidget* Form::widget(const QString& name) const
{
    QWidget* found = controls_.value(name);
    // The listing is the program's own: a name it lacks is a slip in the window's code, found the
    // first time the window opens.
    if (!found)
        qFatal("no control %s in the listing", qPrintable(name));
    return found;
}

template <typename T>
T* Form::find(const QString& name) const
{
    T* found = qobject_cast<T*>(widget(name));
    if (!found)
        qFatal("control %s is not of the kind asked for", qPrintable(name));
    return found;
}

template <typename T>
std::vector<T*> Form::findArray(const char* name) const
{
    std::vector<T*> elements;
    const int n = counts_.value(QString::fromUtf8(name), 0);
    if (n == 0)
        qFatal("no control array %s in the listing", name);
    for (int i = 0; i < n; ++i)
        elements.push_back(find<T>(arrayName(name, i)));
    return elements;
}

PictureBox* Form::picture(const QString& name) const { return find<PictureBox>(name); }
Label* Form::label(const QString& name) const { return find<Label>(name); }
Shape* Form::shape(const QString& name) const { return find<Shape>(name); }
TextBox* Form::textBox(const QString& name) const { return find<TextBox>(name); }
std::vector<PictureBox*> Form::pictures(const char* name) const { return findArray<PictureBox>(name); }
std::vector<Label*> Form::labels(const char* name) const { return findArray<Label>(name); }
std::vector<Shape*> Form::shapes(const char* name) const { return findArray<Shape>(name); }
