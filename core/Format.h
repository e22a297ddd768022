#pragma once

#include <string>

namespace core {

// Fixed-point text with '.' as separator whatever the locale; an exact half rounds away
// from zero (8.125 -> "8.13"), as users expect from a two-decimal figure.
std::string FormatFixed(double value, int decimals);

// The quotient numerator / denominator as FormatFixed writes it, computed from the integers so
// an exact half is never lost to a binary quotient (113 / 800 * 100 is 14.124999... in double).
// A zero denominator gives zero.
std::string FormatRatio(long long numerator, long long denominator, int decimals);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long RoundEven(long double value);

// A size in MB (2^20 bytes) for a message: the nearest whole MB that is not below the size, so
// a text over a limit never reads as the limit or less.
long long MegabytesNotBelow(long long bytes);

} // namespace core
