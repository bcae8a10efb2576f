// A picture control: shows a catalogue bitmap stretched to its rectangle and reports clicks and movements.
// Once a handler listens to its click it is also a button for the keyboard and for screen readers.
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
    // What the game says of the card beside its face ("selezionata", "bloccata"); empty for nothing.
    void setState(const QString& state);
    // The picture's name from the catalogue, then its state: "Sette di cuori, selezionata".
    QString spokenName() const;
    bool isClickable() const { return clickable_; }

signals:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;

private:
    int picture_ = 0;
    QString state_;
    bool clickable_ = false;
    ClickTracker clicks_;
};
