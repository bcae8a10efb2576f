// A message banner: a caption laid on a filled rectangle with a second rectangle as its shadow.
#pragma once

#include "shell/controls/label.h"
#include "shell/controls/shape.h"

#include <QColor>
#include <QObject>

struct BannerLook {
    QColor face;
    QColor text;
    QColor shadow = QColor(0, 0, 0);
    qreal pointSize = 14;
    bool bold = true;
    int shadowOffset = 90; // twips down and right of the face
};

// The three controls keep their own names (label on face on shadow), and show and hide together.
// The banner belongs to the window it lies on.
class Banner : public QObject {
public:
    Banner(QWidget* parent, const QString& labelName, const QString& faceName, const QString& shadowName,
           const QRect& twips, const QString& caption, const BannerLook& look);

    void setVisible(bool visible);
    bool isVisible() const { return label_->isVisible(); }
    void setCaption(const QString& caption) { label_->setCaption(caption); }
    void setFaceColour(QColor colour) { face_->setFill(colour); }
    // The caption covers the face unless it is given a place of its own.
    void placeCaption(const QRect& twips);
    // A thin frame just inside the face's border, shown and hidden with the banner.
    Shape* addOutline(const QString& name, QColor colour, int insetTwips = 60);

    Label* label() const { return label_; }
    Shape* face() const { return face_; }
    Shape* shadow() const { return shadow_; }
    Shape* outline() const { return outline_; }

private:
    Shape* shadow_;
    Shape* face_;
    Label* label_;
    Shape* outline_ = nullptr;
};
