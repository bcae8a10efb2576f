// Banners: the shadow sits a few pixels down and right of the face; the caption is centred on the face.
#include "shell/controls/banner.h"

#include "shell/controls/form_scale.h"
#include "shell/controls/twips.h"

Banner::Banner(QWidget* parent, const QString& labelName, const QString& faceName, const QString& shadowName,
               const QRect& twips, const QString& caption, const BannerLook& look)
    : QObject(parent), shadow_(new Shape(parent, shadowName, twips.translated(look.shadowOffset, look.shadowOffset))),
      face_(new Shape(parent, faceName, twips)),
      label_(new Label(parent, labelName, twips, caption, look.pointSize, look.bold))
{
    shadow_->setFill(look.shadow);
    shadow_->setBorder(look.shadow);
    face_->setFill(look.face);
    face_->setBorder(look.text, 2);
    label_->setForeColour(look.text);
    label_->setAlignment(Qt::AlignCenter);
    label_->setAlert(true);
    setVisible(false);
}

void Banner::setVisible(bool visible)
{
    for (QWidget* part : {static_cast<QWidget*>(shadow_), static_cast<QWidget*>(face_),
                          static_cast<QWidget*>(outline_), static_cast<QWidget*>(label_)}) {
        if (!part)
            continue;
        part->setVisible(visible);
        if (visible)
            part->raise();
    }
}

Shape* Banner::addOutline(const QString& name, QColor colour, int insetTwips)
{
    const QRect face = controlPlace(face_);
    const int inset = twipsToPixels(insetTwips);
    outline_ = new Shape(face_->parentWidget(), name, QRect());
    placeControl(outline_, face.adjusted(inset, inset, -inset, -inset));
    outline_->setBorder(colour, 1);
    outline_->setVisible(label_->isVisible());
    return outline_;
}

void Banner::placeCaption(const QRect& twips)
{
    placeControl(label_, twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}
