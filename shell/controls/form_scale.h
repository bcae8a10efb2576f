// The scale a form is shown at. Every control keeps its place and font as the form lays it out at
// 100%; the form's scale turns them into pixels, so a window grows in one place for every game.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>

class QWidget;

// The scale of the form `control` lies on (its parent), or of `form` itself; 1 until it is scaled.
double formScale(const QWidget* form);
double controlScale(const QWidget* control);
// Where the table's top left corner lies on `form`.
QPoint formOrigin(const QWidget* form);

// A rectangle at 100% shown at `scale`: its edges are scaled, so controls that touch still touch.
QRect scaledRect(const QRect& atFull, double scale);

// Puts `control` at `atFull` (its place at 100%, in pixels) at its form's scale.
void placeControl(QWidget* control, const QRect& atFull);
// Its place at 100%; where nothing has placed it, its geometry.
QRect controlPlace(const QWidget* control);
// The control's font at 100%; it is shown scaled with its form.
void setControlFont(QWidget* control, const QFont& atFull);
// A label sized to its caption keeps only its corner from its place; its size follows its font.
void setSizedToContents(QWidget* control, bool sized);

// While a form follows its frame being dragged, pictures may be drawn from a rendering already at
// hand instead of one made for each passing size; when the frame rests they are made again.
void setFormResizing(QWidget* form, bool resizing);
bool isFormResizing(const QWidget* form);

// Shows every control of `form` at `scale`, the table's top left corner at `origin` (a window wider
// than its table shows the table centred).
void scaleForm(QWidget* form, double scale, QPoint origin = {});
