#include "core/NumberWriter.h"

namespace core {

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
    if (denominator == 0) numerator = 0, denominator = 1;
    using Wide = __int128;
    Wide num = numerator, den = denominator;
    if (den < 0) num = -num, den = -den;
    const bool negative = num < 0;
    if (negative) num = -num;
    Wide scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const Wide scaled = num * scale;
    Wide q = scaled / den;
    if (2 * (scaled % den) >= den) ++q;
    // The digits of q, at least one before the point.
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

} // namespace core
