// A picture control: shows a catalogue bitmap stretched to its rectangle and reports clicks and movements.
#pragma once

#include "shell/controls/click_tracker.h"

#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    // `twips` is the control's rectangle in twips on its parent.
    PictureBox(QWidget* parent, const QString& name, const QRect& twips);

    void setPicture(int number);
    int picture() const { return picture_; }

signals:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int picture_ = 0;
    ClickTracker clicks_;
};
