#include "core/CountCommon.h"

#include <algorithm>

namespace {

// The set bits of a word, inline: a portable build has no popcount instruction to rely on,
// and the library call costs more than this.
int Bits(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555u);
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

} // namespace

namespace core {

int CountCommon(const std::uint8_t* a, int na, const std::uint8_t* b, int nb) {
    int c = 0;
    for (int i = 0; i < na; ++i)
        for (int j = 0; j < nb; ++j) c += a[i] == b[j];
    return c;
}

CommonCounts::CommonCounts(const DrawStore& store, int drawCount, int perDraw)
    : store_(store), count_(std::max(drawCount, 0)), perDraw_(perDraw), maxCount_(perDraw),
      words_((count_ + 63) / 64), holders_(64 * static_cast<std::size_t>(words_), 0),
      inexact_(words_, 0) {
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
            maxCount_ = perDraw * perDraw;
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

int CommonCounts::CountBetween(int i, int from, int to, int low, int high) const {
    if (to <= from || high < low) return 0;
    int total = 0;
    auto literal = [&](int j) {
        const int c = Literal(i, j);
        total += c >= low && c <= high;
    };
    if (Inexact(i)) {
        for (int j = from; j < to; ++j) literal(j);
        return total;
    }
    const Draw& d = store_[i];
    for (int w = from >> 6; w <= (to - 1) >> 6; ++w) {
        const std::uint64_t range = InRange(w, from, to);
        std::uint64_t planes[3];
        std::uint64_t odd = inexact_[w] & range;
        total += Bits(Between(d, w, low, high, planes) & range & ~odd);
        for (; odd; odd &= odd - 1) literal(w * 64 + std::countr_zero(odd));
    }
    return total;
}

} // namespace core
