// The size each window was last left at, kept between runs in the platform's settings file. It is
// the only setting the program reads; a file that cannot be trusted is passed by.
#pragma once

#include <QSize>
#include <QString>
#include <optional>

namespace windowMemory {

// The settings file; by default the platform's own place ($XDG_CONFIG_HOME/toatoa-games/toatoa-games.conf).
QString file();
// Keeps the sizes in `path` instead (tests and tools); an empty path keeps nothing at all.
void useFile(const QString& path);

// The size of the window's table area as it was left, if the file holds a readable one.
std::optional<QSize> lastSize(const QString& window);
// Remembers it; nothing is written through a link or over anything but a small plain file.
void remember(const QString& window, QSize size);

} // namespace windowMemory
