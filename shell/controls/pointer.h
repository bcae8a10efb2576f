// The mouse pointer a control shows: the arrow, the pointing hand (101) or no entry (102).
#pragma once

class QWidget;

enum class Pointer { Arrow = 0, Hand = 101, NoEntry = 102 };

// Sets the pointer over `control`; tests read it back with pointerOf.
void setPointer(QWidget* control, Pointer pointer);
Pointer pointerOf(const QWidget* control);
