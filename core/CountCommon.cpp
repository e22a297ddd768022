#include "core/CountCommon.h"

#include <algorithm>

namespace core {

int CountCommon(const std::uint8_t* a, int na, const std::uint8_t* b, int nb) {
    int c = 0;
    for (int i = 0; i < na; ++i)
        for (int j = 0; j < nb; ++j) c += a[i] == b[j];
    return c;
}

CommonCounts::CommonCounts(const DrawStore& store, int drawCount, int perDraw)
    : store_(store), count_(std::max(drawCount, 0)), perDraw_(perDraw), words_((count_ + 63) / 64),
      holders_(64 * static_cast<std::size_t>(words_), 0), inexact_(words_, 0) {
    for (int j = 0; j < count_; ++j) {
        const Draw& d = store[j];
        std::uint64_t seen = 0;
        bool exact = true;
        for (int k = 0; k < perDraw; ++k) {
            if (d[k] > 63 || ((seen >> d[k]) & 1)) exact = false;
            seen |= std::uint64_t{1} << (d[k] & 63);
        }
        const std::uint64_t bit = std::uint64_t{1} << (j & 63);
        if (!exact) {
            inexact_[j >> 6] |= bit;
            continue;
        }
        for (int k = 0; k < perDraw; ++k) holders_[d[k] * words_ + (j >> 6)] |= bit;
    }
}

int CommonCounts::operator()(int i, int j) const {
    if (Inexact(i) || Inexact(j)) return Literal(i, j);
    int c = 0;
    for (int k = 0; k < perDraw_; ++k)
        c += static_cast<int>((holders_[store_[i][k] * words_ + (j >> 6)] >> (j & 63)) & 1);
    return c;
}

} // namespace core
