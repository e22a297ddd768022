#pragma once

// Literal versions of the pair, triple, match, period and combination commands, written
// step by step as the commands are described, slow on purpose: the fast commands must give
// the same lines.

#include "core/CommandResult.h"
#include "core/DrawStore.h"
#include "core/Format.h"
#include "core/Game.h"
#include "core/NumberRoutines.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace pair_reference {

inline int Common(const core::Draw& a, const core::Draw& b, int per) {
    int c = 0;
    for (int i = 0; i < per; ++i)
        for (int j = 0; j < per; ++j)
            if (a[i] == b[j]) ++c;
    return c;
}

inline bool Has(int v, const core::Draw& d, int per) {
    for (int k = 0; k < per; ++k)
        if (d[k] == v) return true;
    return false;
}

inline std::vector<std::string> Triples(const core::DrawStore& s, const core::Game& g, int m) {
    using core::ZeroPad;
    const int n = s.DrawCount;
    std::vector<std::string> lines{"Triples        Draws", ""};
    int count = 0;
    for (int a = 1; a <= g.pool; ++a)
        for (int b = a + 1; b <= g.pool; ++b)
            for (int c = b + 1; c <= g.pool; ++c) {
                ++count;
                std::string line =
                    ZeroPad(a, 45) + " " + ZeroPad(b, 45) + " " + ZeroPad(c, 45) + " : " + " ";
                int hits = 0;
                for (int i = n - 1; i >= 0; --i) {
                    const core::Draw& d = s[i];
                    if (Has(a, d, g.perDraw) && Has(b, d, g.perDraw) && Has(c, d, g.perDraw)) {
                        ++hits;
                        line += ZeroPad(n - i, 45) + " ";
                    }
                }
                if (hits >= m) lines.push_back(line);
            }
    lines.push_back("");
    lines.push_back("Count = " + std::to_string(count));
    return lines;
}

// Valid draws only: the partner counter is indexed by the number itself.
inline std::vector<std::string> Numbers(const core::DrawStore& s, const core::Game& g, int lastN) {
    using core::ZeroPad;
    std::vector<std::string> lines;
    for (int x = 1; x <= g.pool; ++x) {
        lines.push_back("Number " + std::to_string(x) + ":");
        std::vector<int> counter(g.pool + 1, 0), order(g.pool + 1, 0);
        for (int k = 1; k <= g.pool; ++k) order[k] = k;
        int hits = 0;
        for (int i = 0; i < lastN; ++i) {
            const core::Draw& d = s[i];
            if (!Has(x, d, g.perDraw)) continue;
            ++hits;
            for (int k = 0; k < g.perDraw; ++k)
                if (d[k] != x) ++counter[d[k]];
        }
        // Bubble sort, descending, swapping only when the left key is smaller.
        bool swapped = true;
        while (swapped) {
            swapped = false;
            for (int k = 1; k < g.pool; ++k)
                if (counter[k] < counter[k + 1]) {
                    std::swap(counter[k], counter[k + 1]);
                    std::swap(order[k], order[k + 1]);
                    swapped = true;
                }
        }
        std::string a, b;
        int total = 0;
        for (int k = 1; k <= g.pool; ++k) {
            a += ZeroPad(order[k], 45) + " ";
            b += ZeroPad(counter[k], 99) + " ";
            total += counter[k];
        }
        lines.push_back(a);
        lines.push_back(b);
        lines.push_back(
            "Pairs total: " + std::to_string(total) + "  " + " Hits: " + std::to_string(hits) +
            " (" + core::FormatFixed(static_cast<double>(hits) / s.DrawCount * 100, 2) + "%)  ");
        lines.push_back("");
    }
    return lines;
}

inline std::vector<std::string> Duples(const core::DrawStore& s, const core::Game& g, int k) {
    const int n = s.DrawCount;
    std::vector<std::string> lines;
    for (int i = 0; i < n; ++i) {
        std::string line = core::ZeroPad(n - i, n);
        for (int j = i + 1; j <= n - 1; ++j) {
            const int d = Common(s[i], s[j], g.perDraw);
            if (d >= k) line += ":   " + std::to_string(d) + " № " + std::to_string(n - j);
        }
        lines.push_back(line);
    }
    return lines;
}

inline std::vector<std::string> Match(const core::DrawStore& s, const core::Game& g) {
    using core::ZeroPad;
    const int n = s.DrawCount;
    std::vector<std::string> lines{"Three and more numbers matches:", ""};
    for (int i = 0; i <= n - 2; ++i) {
        std::string b2 = "[2 ->  ", b3 = "[3 ->  ", b4 = "[4 ->  ", b5 = "[5,6 ->  ";
        bool u3 = false, u4 = false, u5 = false;
        for (int j = i + 1; j <= n - 1; ++j) {
            const int c = Common(s[i], s[j], g.perDraw);
            const std::string t = ZeroPad(n - j, n) + " ";
            if (c == 2) b2 += t;
            if (c == 3) b3 += t, u3 = true;
            if (c == 4) b4 += t, u4 = true;
            if (c >= 5) b5 += t, u5 = true;
        }
        std::string line = ZeroPad(n - i, n) + ": ";
        if (u3) line += b3 + "] ";
        if (u4) line += b4 + "] ";
        if (u5) line += b5 + "] ";
        lines.push_back(line);
    }
    lines.push_back("");
    lines.push_back("Two numbers matches:");
    lines.push_back("");
    for (int i = 0; i <= n - 2; ++i) {
        std::string b2 = "[2 ->  ";
        bool u2 = false;
        for (int j = i + 1; j <= n - 1; ++j)
            if (Common(s[i], s[j], g.perDraw) == 2) b2 += ZeroPad(n - j, n) + " ", u2 = true;
        lines.push_back(ZeroPad(n - i, n) + ": " + (u2 ? b2 + "] " : ""));
    }
    return lines;
}

struct PeriodOut {
    std::vector<std::string> lines;
    std::vector<core::ChartData::Value> values; // every SetValue, before the chart drops any
};

inline PeriodOut Period(const core::DrawStore& s, const core::Game& g, int k, bool padded = true) {
    using core::ZeroPad;
    const int n = s.DrawCount;
    PeriodOut out;
    out.lines = {"Matches for " + std::to_string(k) + " and more:", "", "Draw Period"};
    for (int r = n - 1; r >= 1; --r) {
        std::string distances;
        int count = 0;
        for (int f = r - 1; f >= 0; --f)
            if (Common(s[r], s[f], g.perDraw) >= k) {
                distances += (padded ? ZeroPad(r - f, n) : std::to_string(r - f)) + " ";
                ++count;
            }
        out.lines.push_back(ZeroPad(n - r, n) + " " + distances);
        out.values.push_back({1, n - r, static_cast<double>(count)});
    }
    return out;
}

// The enumeration of every combination in lexicographic order, counting up to the draw.
inline int RankByEnumeration(const std::uint8_t* draw, const core::Game& g) {
    std::vector<int> c(g.perDraw);
    for (int i = 0; i < g.perDraw; ++i) c[i] = i + 1;
    int counter = 0, rank = 0;
    while (true) {
        bool same = true;
        for (int i = 0; i < g.perDraw; ++i) same = same && c[i] == draw[i];
        if (same) rank = counter + 1;
        ++counter;
        int i = g.perDraw - 1;
        while (i >= 0 && c[i] == g.pool - g.perDraw + 1 + i) --i;
        if (i < 0) break;
        ++c[i];
        for (int j = i + 1; j < g.perDraw; ++j) c[j] = c[j - 1] + 1;
    }
    return rank;
}

// A random history, newest first; with odd set, a few records hold repeated numbers, zeros or
// bytes above the pool, which the fast paths must count as the literal walk does.
inline core::DrawStore RandomStore(int count, const core::Game& g, unsigned seed, bool odd) {
    std::mt19937 rng(seed);
    core::DrawStore s;
    std::vector<int> pool(g.pool);
    for (int k = 0; k < g.pool; ++k) pool[k] = k + 1;
    for (int i = 0; i < count; ++i) {
        // Small pools of numbers make shared numbers frequent, so every bucket is used.
        std::shuffle(pool.begin(), pool.end(), rng);
        core::Draw d{};
        const int span = i % 3 == 0 ? 12 : g.pool;
        std::vector<int> pick;
        for (int v : pool)
            if (v <= span && static_cast<int>(pick.size()) < g.perDraw) pick.push_back(v);
        std::sort(pick.begin(), pick.end());
        for (int k = 0; k < g.perDraw; ++k) d[k] = static_cast<std::uint8_t>(pick[k]);
        if (odd && i % 37 == 5) d[1] = d[0];               // repeated number
        if (odd && i % 53 == 7) d[0] = 0;                  // zero
        if (odd && i % 61 == 9) d[g.perDraw - 1] = 200;    // beyond any mask
        if (odd && i % 71 == 3) d = s[std::max(0, i - 1)]; // identical to its neighbour
        s.PutDraw(d, i);
    }
    s.DrawCount = count;
    return s;
}

} // namespace pair_reference
