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

// A button that hides under the focus ("Gioca" while a hand is valued) keeps it: the focus is taken off
// every control, so nothing else is read meanwhile, and comes back to the button when it shows again,
// unless the player has put it elsewhere. Left to Qt, the focus would fall to the next control in the
// window. False when `control` has no focus to keep.
bool parkFocus(QWidget* control);

// True from the moment the player moves about with the keyboard until the mouse is pressed again.
bool keyboardInUse();

// The name a screen reader hears for a control: the one given with setName, else what it shows (a
// picture's name and state, a caption with its reading caption).
QString spokenName(const QWidget* control);
// Gives `control` a name of its own in place of what it shows ("TRE: 9"); an empty one gives back its own.
void setName(QWidget* control, const QString& name);

// Screen readers hear of a control whose name may have changed: its picture, its state or its caption.
// They hear it once the handler at work has done and only when the name is really another, so a picture
// and its state set one after the other are one change. (Through Qt's accessibility, which passes it on
// while a screen reader listens, and to the observer below.)
void nameChanged(QWidget* control);
// The changes of names not yet told are told now.
void tellNameChanges();
// A control's state changed: `which` holds the flags that changed (left out, focusable, disabled).
void stateChanged(QWidget* control, QAccessible::State which);
// The flags of a control that has become, or stopped being, one the keyboard reaches (and a button).
QAccessible::State focusable();
// A message that has just appeared is read out once, as an alert.
void announce(QWidget* control);

// Sees every name change, state change and alert the controls send, whether or not a screen reader listens; for
// tools and tests on platforms without an accessibility bus. Empty to stop.
using Observer = std::function<void(QWidget* control, QAccessible::Event what)>;
void setObserver(Observer observer);

} // namespace accessible
