#include "core/NumberWriter.h"

#include <cmath>
#include <stdexcept>

namespace core {

namespace {

using Wide = unsigned __int128;

void CheckDecimals(int decimals) {
    if (decimals < 0 || decimals > MaxDecimals)
        throw std::out_of_range("cannot write " + std::to_string(decimals) +
                                " decimals exactly (0.." + std::to_string(MaxDecimals) + ")");
}

// numerator / denominator (denominator > 0) with `decimals` figures after the point, an exact
// half rounded away from zero. Callers keep numerator below 2^63 and decimals at most
// MaxDecimals, so numerator * 10^decimals stays below 2^127.
void AppendQuotient(std::string& out, bool negative, Wide numerator, Wide denominator,
                    int decimals) {
    Wide scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const Wide scaled = numerator * scale;
    Wide q = scaled / denominator;
    const Wide rest = scaled % denominator;
    if (rest >= denominator - rest) ++q;
    // At most 38 digits, at least one before the point.
    char digits[48];
    char* end = digits + sizeof digits;
    char* first = end;
    for (Wide v = q; v > 0; v /= 10) *--first = static_cast<char>('0' + int(v % 10));
    while (end - first <= decimals) *--first = '0';
    if (negative && q != 0) out += '-';
    out.append(first, end - decimals);
    if (decimals > 0) {
        out += '.';
        out.append(end - decimals, end);
    }
}

Wide Magnitude(long long v) {
    const auto u = static_cast<unsigned long long>(v);
    return v < 0 ? 0 - u : u;
}

} // namespace

std::string ZeroPad(long long number, long long reference) {
    std::string out;
    AppendPadded(out, number, IntDigits(reference));
    return out;
}

std::string FormatRatio(long long numerator, long long denominator, int decimals) {
    std::string out;
    AppendRatio(out, numerator, denominator, decimals);
    return out;
}

void AppendRatio(std::string& out, long long numerator, long long denominator, int decimals) {
    CheckDecimals(decimals);
    if (denominator == 0) numerator = 0, denominator = 1;
    AppendQuotient(out, (numerator < 0) != (denominator < 0), Magnitude(numerator),
                   Magnitude(denominator), decimals);
}

void AppendFixed(std::string& out, double value, int decimals) {
    CheckDecimals(decimals);
    if (!std::isfinite(value) || std::fabs(value) >= 0x1p63)
        throw std::out_of_range("cannot write " + std::to_string(value) + " exactly");
    // The exact binary value: mantissa * 2^exponent with a 53-bit whole mantissa.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const auto mantissa = static_cast<unsigned long long>(std::ldexp(fraction, 53));
    exponent -= 53;
    Wide numerator = mantissa, denominator = 1;
    if (exponent >= 0)
        numerator <<= exponent; // below 2^63: the value is
    else if (exponent >= -126)
        denominator <<= -exponent;
    else
        numerator = 0; // below 2^-74: far under half of the last figure kept
    AppendQuotient(out, value < 0, numerator, denominator, decimals);
}

} // namespace core
