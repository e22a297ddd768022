#pragma once

// Literal versions of the strategy and filter commands, walked step by step as the commands
// are described and slow on purpose: the fast commands must give the same results.

#include "core/CountCommon.h"
#include "core/DrawStore.h"
#include "core/FilterCommands.h"
#include "core/Game.h"
#include "core/NumberRoutines.h"
#include "core/StrategyCommands.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace strategy_reference {

// A random history, newest first. Every third draw comes from a narrow band, so the numbers
// outside it recur rarely and long distances occur; odd ones add repeated numbers, zeros
// and bytes beyond the pool.
inline core::DrawStore RandomStore(int count, const core::Game& g, unsigned seed, bool odd,
                                   int narrow = 12) {
    std::mt19937 rng(seed);
    core::DrawStore s;
    std::vector<int> pool(g.pool);
    std::iota(pool.begin(), pool.end(), 1);
    for (int i = 0; i < count; ++i) {
        std::shuffle(pool.begin(), pool.end(), rng);
        const int span = i % 3 == 0 ? g.pool : narrow;
        std::vector<int> pick;
        for (int v : pool)
            if (v <= std::max(span, g.perDraw) && static_cast<int>(pick.size()) < g.perDraw)
                pick.push_back(v);
        std::sort(pick.begin(), pick.end());
        core::Draw d{};
        for (int k = 0; k < g.perDraw; ++k) d[k] = static_cast<std::uint8_t>(pick[k]);
        if (odd && i % 37 == 5) d[1] = d[0];
        if (odd && i % 53 == 7) d[0] = 0;
        if (odd && i % 61 == 9) d[g.perDraw - 1] = 200;
        s.PutDraw(d, i);
    }
    s.DrawCount = count;
    return s;
}

inline bool Holds(const core::DrawStore& s, int index, int x, int per) {
    return core::HasNumber(x, s[index].data(), per);
}

// Columns 9..11 per row: a fresh ranking of the window before every draw.
inline std::vector<std::vector<std::string>> FrequencyStrategy(const core::DrawStore& s,
                                                               const core::Game& g, int n,
                                                               core::FrequencyGroups groups) {
    std::vector<std::vector<std::string>> rows(std::max(s.DrawCount - 1, 0));
    std::vector<std::int32_t> ranked(g.pool);
    for (int i = s.DrawCount - 2; i >= 0; --i) {
        core::RankByFrequency(s, g, i + 1, n, ranked.data());
        std::vector<std::uint8_t> r(ranked.begin(), ranked.end());
        const std::uint8_t* d = s[i].data();
        rows[i] = {std::to_string(core::CountCommon(d, g.perDraw, r.data(), groups.g1)),
                   std::to_string(core::CountCommon(d, g.perDraw, r.data() + groups.g1, groups.g2)),
                   std::to_string(core::CountCommon(d, g.perDraw, r.data() + groups.g1 + groups.g2,
                                                    groups.g3))};
    }
    return rows;
}

inline std::vector<std::string> FreqAnalyse(const core::DrawStore& s, const core::Game& g, int n) {
    std::vector<std::string> lines{"Number/Frequency", ""};
    for (int x = 1; x <= g.pool; ++x) {
        lines.push_back("Number " + std::to_string(x) + ":");
        std::vector<std::int32_t> counters(g.pool, 0), order(g.pool);
        std::iota(order.begin(), order.end(), 1);
        for (int d = n - 1; d >= 1; --d) {
            if (!Holds(s, d, x, g.perDraw)) continue;
            for (int p = 0; p < g.perDraw; ++p) {
                const int y = s[d - 1][p];
                if (y >= 1 && y <= g.pool) ++counters[y - 1];
            }
        }
        core::SortByKeyDesc(counters.data(), order.data(), g.pool);
        lines.push_back(core::IntsToText(order.data(), g.pool, " ", true, g.pool));
        lines.push_back(core::IntsToText(counters.data(), g.pool, " ", true, g.pool));
        lines.emplace_back();
    }
    return lines;
}

// The Any and Pos cells of every row (2 * perDraw each), walking back from every draw.
inline std::vector<std::vector<std::string>> FilterAny(const core::DrawStore& s,
                                                       const core::Game& g) {
    const int per = g.perDraw;
    std::vector<std::vector<std::string>> rows(s.DrawCount);
    for (int i = 0; i < s.DrawCount; ++i) {
        auto& row = rows[i];
        std::vector<std::uint8_t> remaining(s[i].begin(), s[i].begin() + per);
        std::vector<int> slots;
        for (int k = i + 1; k < s.DrawCount && static_cast<int>(slots.size()) < per; ++k)
            for (auto& v : remaining)
                if (v != 0 && Holds(s, k, v, per)) {
                    slots.push_back(k - i);
                    v = 0;
                }
        while (static_cast<int>(slots.size()) < per) slots.push_back(0);
        std::sort(slots.begin(), slots.end());
        std::stable_partition(slots.begin(), slots.end(), [](int v) { return v != 0; });
        for (int v : slots) row.push_back(v == 0 ? "" : std::to_string(v - 1));

        std::vector<int> pos(per, 0);
        int closed = 0;
        for (int k = i + 1; k < s.DrawCount && closed < per; ++k)
            for (int p = 0; p < per; ++p)
                if (pos[p] == 0 && s[k][p] == s[i][p]) {
                    pos[p] = k - i;
                    ++closed;
                }
        for (int v : pos) row.push_back(v == 0 ? "" : std::to_string(v - 1));
    }
    return rows;
}

// The records of Separation, removed number by number from every older record of the range.
inline std::vector<std::string> Separation(const core::DrawStore& s, const core::Game& g, int a) {
    const int per = g.perDraw;
    const int st = s.DrawCount - a;
    bool incomplete = false;
    int largest = 0;
    for (int x = 1; x <= g.pool; ++x) {
        int reach = 0;
        for (int k = st + 1; k < s.DrawCount; ++k)
            if (Holds(s, k, x, per)) {
                reach = k - st;
                break;
            }
        if (reach == 0) incomplete = true;
        largest = std::max(largest, reach);
    }
    const int e = std::min(st + largest, s.DrawCount - 1);
    std::vector<core::Draw> local(core::MaxDraws, core::Draw{});
    for (int k = st; k <= e; ++k) local[k] = s[k];
    for (int k = st; k <= e; ++k)
        for (int p = 0; p < per; ++p)
            for (int j = k + 1; j <= e; ++j) {
                const int at = core::IndexOfNumber(s[k][p], local[j].data(), per);
                if (at >= 0) local[j][at] = 0;
            }
    std::vector<std::string> lines;
    const std::uint8_t* marked = st >= 1 ? s[st - 1].data() : nullptr;
    for (int k = st; k <= e; ++k)
        lines.push_back(core::SeparationLine(local[k].data(), marked, per, g.pool));
    lines.emplace_back();
    if (incomplete) lines.push_back("Not Completed");
    return lines;
}

} // namespace strategy_reference
