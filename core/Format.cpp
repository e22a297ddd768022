#include "core/Format.h"

#include <cfenv>
#include <cmath>
#include <cstdio>

namespace core {

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    // glibc prints the exact binary value at any precision, so the digit after the last kept
    // one decides the rounding exactly.
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", decimals + 40, std::fabs(value));
    std::string digits(buf);
    const auto dot = digits.find('.');
    std::string intPart = digits.substr(0, dot);
    std::string frac = digits.substr(dot + 1);
    const bool up = frac[decimals] >= '5';
    std::string kept = intPart + frac.substr(0, decimals);
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') kept[i--] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i];
    }
    std::string out = kept.substr(0, kept.size() - decimals);
    if (decimals > 0) out += "." + kept.substr(kept.size() - decimals);
    bool allZero = true;
    for (char c : kept) allZero = allZero && c == '0';
    if (value < 0 && !allZero) out.insert(out.begin(), '-');
    return out;
}

long long RoundEven(long double value) {
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double r = std::nearbyintl(value);
    std::fesetround(saved);
    return static_cast<long long>(r);
}

long long MegabytesNotBelow(long long bytes) {
    constexpr long long kMB = 1LL << 20;
    return bytes <= 0 ? 0 : (bytes - 1) / kMB + 1;
}

} // namespace core
