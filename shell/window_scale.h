// A window's table at any size: its frame resizes it keeping the table's proportions, Ctrl++ (or
// Ctrl+=) and Ctrl+- step through 100, 125, 150, 175 and 200%, Ctrl+0 returns to 100%, and the size
// it is left at is remembered for the next run.
#pragma once

#include <QObject>
#include <QSize>
#include <QTimer>

class QKeyEvent;
class QMainWindow;
class QWidget;

class WindowScale : public QObject {
    Q_OBJECT
public:
    // `form` is the window's central widget, whose controls are laid out for `formSize` pixels at 100%.
    WindowScale(QMainWindow* window, QWidget* form, QSize formSize);

    static WindowScale* of(const QWidget* window);
    static constexpr double steps[] = {1.0, 1.25, 1.5, 1.75, 2.0};
    // Past four times its size a picture would have to be enlarged: the frame stops there.
    static constexpr double largest = 4.0;

    double scale() const;
    // Resizes the window so its table shows at `scale` (1 to `largest`).
    void zoomTo(double scale);
    void zoomIn();
    void zoomOut();
    // The window at its table's size at the scale it was last left at (100% the first time), centred.
    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followFrame();
    bool zoomKey(const QKeyEvent* event);
    void remember();
    QSize windowSizeFor(double scale) const;

    QMainWindow* window_;
    QWidget* form_;
    QSize formSize_;
    double asked_ = 1.0;      // the scale last asked for, kept exact when the frame's pixels round it
    QSize rememberedSize_;    // what the settings hold for this window
    QTimer settle_;           // after the frame stops, it closes round the table
    QTimer rest_;             // and the pictures are made for their size
    QSize unsettled_;         // the last frame size it tried to close up
};
