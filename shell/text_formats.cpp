// The shared number formats and their readers.
#include "shell/text_formats.h"

namespace text {

namespace {

// Numbers larger than any game can show are cut here, so reading never overflows.
constexpr long long largest = 999'999'999'999LL;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<long long> digitsFrom(std::string_view text, std::size_t i)
{
    if (i >= text.size() || !isDigit(text[i]))
        return std::nullopt;
    long long value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        value = value >= largest / 10 ? largest : value * 10 + (text[i] - '0');
    return value;
}

std::size_t skipBlanks(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    return i;
}

} // namespace

std::string twoDigits(long long n) { return zeroPadded(n, 2); }

std::string zeroPadded(long long n, int width)
{
    if (n < 0)
        return std::to_string(n);
    std::string digits = std::to_string(n);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

std::string rightAligned(long long n, int width)
{
    std::string digits = std::to_string(n);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), ' ');
    return digits;
}

std::string signedNumber(long long n, int digits)
{
    const char sign = n > 0 ? '+' : n < 0 ? '-' : ' ';
    return sign + zeroPadded(n < 0 ? -n : n, digits);
}

std::string clock(long long seconds)
{
    if (seconds < 0)
        seconds = 0;
    return twoDigits(seconds / 60) + ':' + twoDigits(seconds % 60);
}

std::optional<long long> readNumber(std::string_view text) { return digitsFrom(text, skipBlanks(text)); }

std::optional<long long> readSignedNumber(std::string_view text)
{
    std::size_t i = skipBlanks(text);
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    const std::optional<long long> value = digitsFrom(text, i);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

std::optional<long long> readClock(std::string_view text)
{
    if (text.size() != 5 || text[2] != ':')
        return std::nullopt;
    for (std::size_t i : {0u, 1u, 3u, 4u})
        if (!isDigit(text[i]))
            return std::nullopt;
    const int minutes = (text[0] - '0') * 10 + (text[1] - '0');
    const int seconds = (text[3] - '0') * 10 + (text[4] - '0');
    if (seconds >= 60)
        return std::nullopt;
    return minutes * 60LL + seconds;
}

} // namespace text
