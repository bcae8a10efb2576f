// Keyboard play and screen readers for the controls: reading order, arrow keys, Space and Enter as a
// click, the focus frame shown only while the keyboard is in use, and the controls' accessible
// interfaces (names, roles, the press action, alerts).
#pragma once

#include <QAccessible>
#include <QList>

#include <functional>

class QKeyEvent;
class QWidget;

namespace accessible {

// Installs, once for the program, the controls' accessible interfaces and the watcher that shows the
// focus frame while the keyboard is used. Every control calls it when it is made.
void install();

// The controls of `window` that Tab reaches (shown, enabled, taking the keyboard), in reading order:
// row by row from the top, left to right within a row.
QList<QWidget*> readingOrder(const QWidget* window);
// The control after (or before) `from` in reading order, wrapping round; nullptr when there is none.
QWidget* nextInReadingOrder(const QWidget* window, const QWidget* from, bool forward);
// The control an arrow key leads to from `from`, by their places on the table; nullptr when none lies that way.
QWidget* neighbour(const QWidget* from, int key);

// What a clickable control does with a key: Space or Enter (not held down) is a click; an arrow moves
// the focus to the neighbour that way and is taken; anything else goes on to the control's base class.
enum class KeyUse { Click, Taken, Ignored };
KeyUse useKey(QWidget* control, const QKeyEvent* event);

// True from the moment the player moves about with the keyboard until the mouse is pressed again.
bool keyboardInUse();

// Screen readers hear of a control whose name follows its picture or caption.
// (Both go to Qt's accessibility, which passes them on while a screen reader listens, and to the
// observer below.)
void nameChanged(QWidget* control);
// A message that has just appeared is read out once, as an alert.
void announce(QWidget* control);

// Sees every name change and alert the controls send, whether or not a screen reader listens; for
// tools and tests on platforms without an accessibility bus. Empty to stop.
using Observer = std::function<void(QWidget* control, QAccessible::Event what)>;
void setObserver(Observer observer);

} // namespace accessible
