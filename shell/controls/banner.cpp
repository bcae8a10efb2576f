// Banners: the shadow sits a few pixels down and right of the face; the caption is centred on the face.
#include "shell/controls/banner.h"

#include "shell/controls/twips.h"

Banner::Banner(QWidget* parent, const QString& labelName, const QString& faceName, const QString& shadowName,
               const QRect& twips, const QString& caption, const BannerLook& look)
    : shadow_(new Shape(parent, shadowName, twips.translated(look.shadowOffset, look.shadowOffset))),
      face_(new Shape(parent, faceName, twips)),
      label_(new Label(parent, labelName, twips, caption, look.pointSize, look.bold))
{
    shadow_->setFill(look.shadow);
    shadow_->setBorder(look.shadow);
    face_->setFill(look.face);
    face_->setBorder(look.text, 2);
    label_->setForeColour(look.text);
    label_->setAlignment(Qt::AlignCenter);
    setVisible(false);
}

void Banner::setVisible(bool visible)
{
    shadow_->setVisible(visible);
    face_->setVisible(visible);
    label_->setVisible(visible);
    if (visible) {
        shadow_->raise();
        face_->raise();
        label_->raise();
    }
}

void Banner::placeCaption(const QRect& twips)
{
    label_->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}
