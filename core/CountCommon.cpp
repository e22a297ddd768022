#include "core/CountCommon.h"

#include "core/HeldNumbers.h"

#include <algorithm>
#include <array>
#include <bit>

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

namespace {

// Counters of the draws seen so far holding each subset of low..perDraw numbers of the pool,
// a subset found by its rank in the combinatorial number system.
class SubsetCounts {
public:
    SubsetCounts(const Game& game, int low) : perDraw_(game.perDraw), choose_(game.pool + 1) {
        for (int v = 0; v <= game.pool; ++v)
            for (int j = 0; j <= MaxPerDraw; ++j) choose_[v][j] = Binomial(v, j);
        for (unsigned mask = 1; mask < (1u << perDraw_); ++mask)
            if (std::popcount(mask) >= low) masks_.push_back(mask);
        for (int j = low; j <= perDraw_; ++j) {
            counts_[j].assign(static_cast<std::size_t>(Binomial(game.pool, j)), 0);
            // The sum over j of (-1)^(j - low) C(j - 1, low - 1) C(m, j) is 1 for m >= low,
            // else 0: m numbers shared are C(m, j) shared subsets of j.
            weight_[j] = ((j - low) % 2 ? -1 : 1) * Binomial(j - 1, low - 1);
        }
        subsets_.resize(masks_.size());
    }

    // The draws seen so far sharing at least low numbers with these perDraw ascending ones.
    int Sharing(const std::array<int, MaxPerDraw>& held) {
        long long total = 0;
        for (std::size_t s = 0; s < masks_.size(); ++s) {
            Subset& at = subsets_[s];
            at = {0, 0};
            for (int k = 0; k < perDraw_; ++k)
                if ((masks_[s] >> k) & 1) at.rank += choose_[held[k] - 1][++at.size];
            total += weight_[at.size] * counts_[at.size][at.rank];
        }
        return static_cast<int>(total);
    }
    // Counts the draw Sharing was asked about last.
    void Add() {
        for (const Subset& s : subsets_) ++counts_[s.size][s.rank];
    }

private:
    struct Subset {
        int size;
        long long rank;
    };
    int perDraw_;
    std::vector<std::array<long long, MaxPerDraw + 1>> choose_;
    std::vector<unsigned> masks_; // positions in a draw of each subset counted
    std::array<long long, MaxPerDraw + 1> weight_{};
    // A subset is held by at most MaxDraws draws.
    std::array<std::vector<std::uint16_t>, MaxPerDraw + 1> counts_;
    std::vector<Subset> subsets_;
};
static_assert(MaxDraws <= 0xFFFF);

} // namespace

std::vector<std::int32_t> NewerSharing(const DrawStore& store, const Game& game, int drawCount,
                                       int minimum) {
    const int n = std::max(drawCount, 0);
    std::vector<std::int32_t> out(static_cast<std::size_t>(n), 0);
    if (minimum <= 0) { // every newer draw shares at least none
        for (int r = 0; r < n; ++r) out[r] = r;
        return out;
    }
    // With more than perDraw numbers asked, only draws with repeats can share enough.
    const bool subsets = minimum <= game.perDraw;
    SubsetCounts seen(game, std::min(minimum, game.perDraw + 1));
    std::vector<int> odd; // the draws counted pair by pair
    std::array<int, MaxPerDraw> held{};
    auto shares = [&](int a, int b) {
        return CountCommon(store[a].data(), game.perDraw, store[b].data(), game.perDraw) >= minimum;
    };
    for (int r = 0; r < n; ++r) {
        if (HeldNumbers(store[r], game, held) != game.perDraw) {
            for (int f = 0; f < r; ++f) out[r] += shares(r, f);
            odd.push_back(r);
            continue;
        }
        if (subsets) {
            out[r] = seen.Sharing(held);
            seen.Add();
        }
        for (int f : odd) out[r] += shares(r, f);
    }
    return out;
}

} // namespace core
