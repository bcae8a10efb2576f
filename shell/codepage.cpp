// Conversions between Qt text and Windows-1252 bytes.
#include "shell/codepage.h"

#include <array>

namespace {

// The characters of bytes 0x80 to 0x9F; the other bytes are the same as in Latin-1. Zero marks the
// five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] != 0 && high[i] == u)
            return static_cast<int>(0x80 + i);
    return -1;
}

} // namespace

namespace codepage {

bool isWestern(QChar c) { return byteOf(c) >= 0; }

std::string toWestern(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const int b = byteOf(c);
        bytes.push_back(static_cast<char>(b < 0 ? '?' : b));
    }
    return bytes;
}

QString fromWestern(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0)
            text.append(QChar(high[b - 0x80] != 0 ? high[b - 0x80] : u'?'));
        else
            text.append(QChar(static_cast<char16_t>(b)));
    }
    return text;
}

QString upperWestern(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        const QChar upper = c.toUpper();
        result.append(isWestern(upper) ? upper : c);
    }
    return result;
}

} // namespace codepage
