// The single-byte Western code page (Windows-1252) in which record files keep names.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace codepage {

// True if the character has a byte of its own in the code page.
bool isWestern(QChar c);
// One byte per character; a character the code page lacks becomes '?'.
std::string toWestern(const QString& text);
QString fromWestern(std::string_view bytes);
// Upper case that stays inside the code page and keeps one character per character (ß stays ß).
QString upperWestern(const QString& text);

} // namespace codepage
