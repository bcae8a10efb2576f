// The bundled Arial-compatible face, so text is laid out the same on every machine.
#pragma once

#include <QFont>

// Registers the faces compiled into the program; call once after the application starts.
void loadBundledFonts();
// Arial as the games ask for it, served by the bundled Liberation Sans.
QFont arialFont(qreal pointSize, bool bold = false);
