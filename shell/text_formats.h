// The number formats every window shows and every record file stores, written once for all the games.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace text {

// "05" below ten, the number itself from ten on (and a negative number as it is).
std::string twoDigits(long long n);
// Leading zeros up to `width` digits ("000050" in 6); a longer number is written in full.
std::string zeroPadded(long long n, int width);
// Right-aligned in `width` characters with blanks before it (" 7" in 2); a longer number in full.
std::string rightAligned(long long n, int width);
// A sign and `digits` zero-padded digits: "+005", "-012", and a blank in place of the sign for 0 (" 000").
std::string signedNumber(long long n, int digits);
// Minutes and seconds, two digits each: "03:05". Minutes go past 59 rather than wrapping.
std::string clock(long long seconds);

// Optional blanks, then the digits up to the first other character; nothing when there is no digit.
std::optional<long long> readNumber(std::string_view text);
// Optional blanks, an optional sign, then digits up to the first other character; nothing when there is no digit.
std::optional<long long> readSignedNumber(std::string_view text);
// Exactly "mm:ss" with seconds below 60, as seconds; anything else is nothing.
std::optional<long long> readClock(std::string_view text);

} // namespace text
