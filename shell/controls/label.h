// A label control in Arial: a caption, its colours, and clicks when it serves as a button.
#pragma once

#include "shell/controls/click_tracker.h"

#include <QLabel>
#include <optional>

class Label : public QLabel {
    Q_OBJECT
public:
    // A width or height of 0 in `twips` sizes the label to its caption.
    Label(QWidget* parent, const QString& name, const QRect& twips, const QString& caption = {},
          qreal pointSize = 8, bool bold = false);

    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    void setForeColour(QColor colour);
    void setBackColour(std::optional<QColor> colour); // nullopt: transparent, the parent shows through
    void setPointSize(qreal pointSize, bool bold = false);
    // A label the player clicks like a button ("Gioca", "Finito").
    void setActsAsButton(bool button) { actsAsButton_ = button; }
    bool actsAsButton() const { return actsAsButton_; }

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool autoSize_;
    bool actsAsButton_ = false;
    ClickTracker clicks_;
};
