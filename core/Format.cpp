#include "core/Format.h"

#include "core/NumberWriter.h"

#include <cfenv>
#include <cmath>

namespace core {

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    std::string out;
    AppendFixed(out, value, decimals);
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
