#include "core/CountCommon.h"

#include <algorithm>
#include <bit>

namespace core {

int CountCommon(const std::uint8_t* a, int na, const std::uint8_t* b, int nb) {
    int c = 0;
    for (int i = 0; i < na; ++i)
        for (int j = 0; j < nb; ++j) c += a[i] == b[j];
    return c;
}

namespace {

void RowPortable(std::uint64_t m, const std::uint64_t* masks, int n, std::uint8_t* out) {
    for (int k = 0; k < n; ++k) out[k] = static_cast<std::uint8_t>(std::popcount(m & masks[k]));
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// The baseline x86-64 target has no popcount instruction; the quadratic commands spend their
// time here, so this loop is built for it and chosen when the processor has one.
__attribute__((target("popcnt"))) void RowPopcnt(std::uint64_t m, const std::uint64_t* masks, int n,
                                                 std::uint8_t* out) {
    for (int k = 0; k < n; ++k)
        out[k] = static_cast<std::uint8_t>(__builtin_popcountll(m & masks[k]));
}

bool HasPopcnt() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("popcnt");
}
#endif

void RowOfMasks(std::uint64_t m, const std::uint64_t* masks, int n, std::uint8_t* out) {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    if (HasPopcnt()) {
        RowPopcnt(m, masks, n, out);
        return;
    }
#endif
    RowPortable(m, masks, n, out);
}

} // namespace

CommonCounts::CommonCounts(const DrawStore& store, int drawCount, int perDraw)
    : store_(store), perDraw_(perDraw), masks_(std::max(drawCount, 0), 0),
      exact_(std::max(drawCount, 0), 1) {
    for (int i = 0; i < drawCount; ++i) {
        const Draw& d = store[i];
        std::uint64_t m = 0;
        bool exact = true;
        for (int k = 0; k < perDraw; ++k) {
            const std::uint64_t bit = std::uint64_t{1} << (d[k] & 63);
            if (d[k] > 63 || (m & bit)) exact = false;
            m |= bit;
        }
        masks_[i] = m;
        if (!exact) {
            exact_[i] = 0;
            inexact_.push_back(i);
        }
    }
}

int CommonCounts::operator()(int i, int j) const {
    if (exact_[i] && exact_[j]) return std::popcount(masks_[i] & masks_[j]);
    return CountCommon(store_[i].data(), perDraw_, store_[j].data(), perDraw_);
}

void CommonCounts::Row(int i, int from, int to, std::uint8_t* out) const {
    if (to <= from) return;
    if (!exact_[i]) {
        for (int j = from; j < to; ++j)
            out[j - from] = static_cast<std::uint8_t>(
                CountCommon(store_[i].data(), perDraw_, store_[j].data(), perDraw_));
        return;
    }
    RowOfMasks(masks_[i], masks_.data() + from, to - from, out);
    auto it = std::lower_bound(inexact_.begin(), inexact_.end(), from);
    for (; it != inexact_.end() && *it < to; ++it)
        out[*it - from] = static_cast<std::uint8_t>(
            CountCommon(store_[i].data(), perDraw_, store_[*it].data(), perDraw_));
}

} // namespace core
