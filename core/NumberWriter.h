#pragma once

#include <charconv>
#include <cstddef>
#include <string>

namespace core {

// Every command writes its numbers through these: straight into the line being built, no
// string per number.

// Room a whole number of any width needs.
inline constexpr std::size_t IntTextRoom = 24;

inline char* WriteInt(char* out, long long value) {
    return std::to_chars(out, out + IntTextRoom, value).ptr;
}

inline void AppendInt(std::string& out, long long value) {
    char buf[IntTextRoom];
    out.append(buf, WriteInt(buf, value));
}

// Characters of the number's text.
inline int IntDigits(long long value) {
    int n = value < 0 ? 2 : 1;
    unsigned long long u = value < 0 ? 0 - static_cast<unsigned long long>(value)
                                     : static_cast<unsigned long long>(value);
    for (; u >= 10; u /= 10) ++n;
    return n;
}

// The number zero-padded to `width` characters (ZeroPad with the width worked out once).
inline void AppendPadded(std::string& out, long long value, int width) {
    char buf[IntTextRoom];
    char* end = WriteInt(buf, value);
    if (end - buf < width) out.append(static_cast<std::size_t>(width - (end - buf)), '0');
    out.append(buf, end);
}

// number left-padded with zeros to as many digits as reference has.
std::string ZeroPad(long long number, long long reference);

inline std::string IntText(long long value) {
    std::string s;
    AppendInt(s, value);
    return s;
}

// The most figures after the point the writers below give: with them any long long quotient
// and any double below 2^63 is still worked out exactly. A count outside 0..MaxDecimals
// throws std::out_of_range.
inline constexpr int MaxDecimals = 19;

// numerator / denominator with `decimals` figures after the point, from the integers so an
// exact half is never lost to a binary quotient (113 / 800 * 100 is 14.124999... in double);
// an exact half rounds away from zero (8.125 -> "8.13"). A zero denominator gives zero.
void AppendRatio(std::string& out, long long numerator, long long denominator, int decimals);

// The exact binary value of a double the same way (8.125 -> "8.13", 9.995 -> "9.99", as 9.995
// is stored a little below it). Throws std::out_of_range for a value that is not finite or is
// 2^63 or more in size.
void AppendFixed(std::string& out, double value, int decimals);

// AppendRatio's text on its own.
std::string FormatRatio(long long numerator, long long denominator, int decimals);

} // namespace core
