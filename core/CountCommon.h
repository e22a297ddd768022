#pragma once

#include "core/DrawStore.h"
#include "core/Game.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace core {

// The number of index pairs (i, j), i < na, j < nb, with a[i] == b[j]; for two draws, the
// count of numbers they share.
int CountCommon(const std::uint8_t* a, int na, const std::uint8_t* b, int nb);

// For each of the first drawCount draws r, how many newer draws (index below r) share at
// least minimum numbers with it by CountCommon, in one pass linear in the draws rather than
// one per pair: each draw looks up, then adds, its subsets of minimum..perDraw numbers in
// counters per subset, and inclusion-exclusion turns the subset counts into draws. Draws that
// are not perDraw distinct numbers of the pool are counted pair by pair.
std::vector<std::int32_t> NewerSharing(const DrawStore& store, const Game& game, int drawCount,
                                       int minimum);

// CountCommon between draws of a store, for the commands that compare every pair of draws.
// Per number, a bit set over the draws holding it; the counts of one draw against 64 others
// are the sum of its numbers' words, added bit-sliced into three bit planes, so a pair costs
// well under one instruction and pairs below the minimum are skipped a word at a time.
// Draws the bit sets cannot stand for exactly (a repeated number, a value above 63) are
// counted byte by byte, so every count equals CountCommon.
class CommonCounts {
public:
    // The first drawCount draws of the store, perDraw numbers each.
    CommonCounts(const DrawStore& store, int drawCount, int perDraw);

    int operator()(int i, int j) const;

    // visit(j, count) for every j in [from, to) with count = CountCommon(draw i, draw j)
    // within low..high, j ascending, or descending when asked.
    template <class Visit>
    void ForEachBetween(int i, int from, int to, int low, int high, bool descending,
                        Visit&& visit) const;
    // The number of j in [from, to) whose count is within low..high, a word at a time.
    int CountBetween(int i, int from, int to, int low, int high) const;
    // No count is higher: the numbers per draw, unless a draw repeats one.
    int MaxCount() const { return maxCount_; }

    template <class Visit>
    void ForEachAtLeast(int i, int from, int to, int minimum, bool descending,
                        Visit&& visit) const {
        ForEachBetween(i, from, to, minimum, MaxPerDraw * MaxPerDraw, descending, visit);
    }

private:
    int Literal(int i, int j) const {
        return CountCommon(store_[i].data(), perDraw_, store_[j].data(), perDraw_);
    }
    bool Inexact(int j) const { return (inexact_[j >> 6] >> (j & 63)) & 1; }
    // The three bit planes of the counts of exact draw d against the draws of word w.
    void Planes(const Draw& d, int w, std::uint64_t planes[3]) const;
    // The bits whose count is at least minimum.
    static std::uint64_t AtLeast(const std::uint64_t planes[3], int minimum);
    // The bits of word w that stand for draws in [from, to).
    static std::uint64_t InRange(int w, int from, int to) {
        std::uint64_t range = ~std::uint64_t{0};
        if (w == from >> 6) range &= ~std::uint64_t{0} << (from & 63);
        if (w == (to - 1) >> 6 && (to & 63) != 0) range &= ~std::uint64_t{0} >> (64 - (to & 63));
        return range;
    }
    // The bits of word w within low..high, exact draws only.
    std::uint64_t Between(const Draw& d, int w, int low, int high, std::uint64_t planes[3]) const {
        Planes(d, w, planes);
        std::uint64_t hits = AtLeast(planes, low);
        if (high < 7) hits &= ~AtLeast(planes, high + 1);
        return hits;
    }

    const DrawStore& store_;
    int count_;
    int perDraw_;
    int maxCount_;
    int words_;
    std::vector<std::uint64_t> holders_; // value v's words at v * words_
    std::vector<std::uint64_t> inexact_;
};

inline void CommonCounts::Planes(const Draw& d, int w, std::uint64_t planes[3]) const {
    std::uint64_t c0 = 0, c1 = 0, c2 = 0;
    for (int k = 0; k < perDraw_; ++k) {
        const std::uint64_t x = holders_[d[k] * words_ + w];
        const std::uint64_t carry = c0 & x;
        c0 ^= x;
        c2 |= c1 & carry; // at most six numbers: no carry out of the third plane
        c1 ^= carry;
    }
    planes[0] = c0;
    planes[1] = c1;
    planes[2] = c2;
}

inline std::uint64_t CommonCounts::AtLeast(const std::uint64_t p[3], int minimum) {
    switch (minimum) {
    case 1:
        return p[0] | p[1] | p[2];
    case 2:
        return p[1] | p[2];
    case 3:
        return p[2] | (p[1] & p[0]);
    case 4:
        return p[2];
    case 5:
        return p[2] & (p[1] | p[0]);
    case 6:
        return p[2] & p[1];
    case 7:
        return p[2] & p[1] & p[0];
    default:
        return minimum <= 0 ? ~std::uint64_t{0} : 0;
    }
}

template <class Visit>
void CommonCounts::ForEachBetween(int i, int from, int to, int low, int high, bool descending,
                                  Visit&& visit) const {
    if (to <= from || high < low) return;
    if (Inexact(i)) {
        for (int k = 0; k < to - from; ++k) {
            const int j = descending ? to - 1 - k : from + k;
            const int c = Literal(i, j);
            if (c >= low && c <= high) visit(j, c);
        }
        return;
    }
    const Draw& d = store_[i];
    const int first = from >> 6, last = (to - 1) >> 6;
    for (int step = 0; step <= last - first; ++step) {
        const int w = descending ? last - step : first + step;
        const std::uint64_t range = InRange(w, from, to);
        std::uint64_t planes[3];
        const std::uint64_t odd = inexact_[w] & range;
        std::uint64_t hits = (Between(d, w, low, high, planes) & range & ~odd) | odd;
        while (hits) {
            const int b = descending ? 63 - std::countl_zero(hits) : std::countr_zero(hits);
            hits &= ~(std::uint64_t{1} << b);
            const int j = w * 64 + b;
            int c;
            if ((odd >> b) & 1) {
                c = Literal(i, j);
                if (c < low || c > high) continue;
            } else {
                c = static_cast<int>(((planes[0] >> b) & 1) | (((planes[1] >> b) & 1) << 1) |
                                     (((planes[2] >> b) & 1) << 2));
            }
            visit(j, c);
        }
    }
}

} // namespace core
