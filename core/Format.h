#pragma once

#include <string>

namespace core {

// Fixed-point text with '.' as separator whatever the locale; an exact half rounds away
// from zero (8.125 -> "8.13"), as users expect from a two-decimal figure. "NAN", "INF" or
// "-INF" for a value that is not finite; otherwise AppendFixed's text and limits.
std::string FormatFixed(double value, int decimals);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long RoundEven(long double value);

// A size in MB (2^20 bytes) for a message: the nearest whole MB that is not below the size, so
// a text over a limit never reads as the limit or less.
long long MegabytesNotBelow(long long bytes);

} // namespace core
