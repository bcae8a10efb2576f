// Turns a control's presses and releases into clicks, as the old controls reported them.
#pragma once

#include <QMouseEvent>
#include <QRect>

class ClickTracker {
public:
    // A quick second click arrives as a double click; pass it here too, it counts as a click of its own.
    void press(const QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }
    // True when the left button, pressed on the control, is released still over it.
    bool release(const QMouseEvent* event, const QRect& area)
    {
        const bool click = pressed_ && event->button() == Qt::LeftButton && area.contains(event->position().toPoint());
        pressed_ = false;
        return click;
    }

private:
    bool pressed_ = false;
};
