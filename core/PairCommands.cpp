#include "core/PairCommands.h"

#include "core/CountCommon.h"
#include "core/Format.h"
#include "core/LineBuilder.h"
#include "core/NumberRoutines.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace core {

namespace {

std::string DigitsOnly(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c >= '0' && c <= '9') out += c;
    return out;
}

// The distinct numbers of the pool a draw holds, ascending: a triple or a pair is "held"
// when each of its numbers is somewhere among the draw's bytes.
std::vector<int> HeldNumbers(const Draw& d, const Game& game) {
    std::vector<int> held;
    for (int k = 0; k < game.perDraw; ++k)
        if (d[k] >= 1 && d[k] <= game.pool &&
            std::find(held.begin(), held.end(), d[k]) == held.end())
            held.push_back(d[k]);
    std::sort(held.begin(), held.end());
    return held;
}

} // namespace

Prompt TriplesPrompt(Lang lang) {
    return {Tr(lang, "Число троек", "Number of triples"),
            Tr(lang, "Введите минимальное число троек", "Minimum Number of triples"), "2"};
}

int TriplesMinimum(std::string_view answer) {
    const std::string digits = DigitsOnly(answer);
    if (digits.empty()) return 2;
    const int v = StrToInt(digits);
    return v >= 1000 ? 999 : v;
}

CommandResult Triples(const DrawStore& store, const Game& game, int minimum, Lang lang) {
    const int pool = game.pool;
    const int n = store.DrawCount;
    const int side = pool + 1;

    // Triples a < b < c in lexicographic order, and each one's place in that order.
    struct Triple {
        int a, b, c;
    };
    std::vector<Triple> triples;
    std::vector<int> place(static_cast<std::size_t>(side) * side * side, -1);
    for (int a = 1; a <= pool; ++a)
        for (int b = a + 1; b <= pool; ++b)
            for (int c = b + 1; c <= pool; ++c) {
                place[(a * side + b) * side + c] = static_cast<int>(triples.size());
                triples.push_back({a, b, c});
            }

    // Each draw hands its own triples (20 for six numbers) to their lists, oldest draw first,
    // instead of every triple walking every draw.
    std::vector<std::vector<int>> held(n);
    std::vector<int> hits(triples.size(), 0);
    auto eachTriple = [&](const std::vector<int>& s, auto&& f) {
        const int m = static_cast<int>(s.size());
        for (int x = 0; x < m; ++x)
            for (int y = x + 1; y < m; ++y)
                for (int z = y + 1; z < m; ++z) f(place[(s[x] * side + s[y]) * side + s[z]]);
    };
    for (int i = n - 1; i >= 0; --i) {
        held[i] = HeldNumbers(store[i], game);
        eachTriple(held[i], [&](int t) { ++hits[t]; });
    }
    std::vector<int> start(triples.size() + 1, 0);
    for (std::size_t t = 0; t < triples.size(); ++t) start[t + 1] = start[t] + hits[t];
    std::vector<int> drawNumbers(start.back());
    std::vector<int> fill(start.begin(), start.end() - 1);
    for (int i = n - 1; i >= 0; --i)
        eachTriple(held[i], [&](int t) { drawNumbers[fill[t]++] = n - i; });

    const NumberTexts padded(std::max(n, pool), [&](int k) { return ZeroPad(k, pool) + " "; });
    CommandResult r;
    r.caption = Tr(lang, "Тройки", "Triples");
    r.lines.push_back(Tr(lang, "Тройки        Тиражи", "Triples        Draws"));
    r.lines.push_back("");
    LineBuilder line;
    for (std::size_t t = 0; t < triples.size(); ++t) {
        if (hits[t] < minimum) continue;
        line.Clear();
        line.Append(padded[triples[t].a]);
        line.Append(padded[triples[t].b]);
        line.Append(ZeroPad(triples[t].c, pool));
        line.Append(" :  ");
        for (int k = start[t]; k < start[t + 1]; ++k) line.Append(padded[drawNumbers[k]]);
        r.lines.push_back(line.Str());
    }
    r.lines.push_back("");
    r.lines.push_back("Count = " + std::to_string(triples.size()));
    return r;
}

Prompt NumbersPrompt(int drawCount, Lang lang) {
    const std::string count = std::to_string(drawCount);
    return {Tr(lang, "Статистика пар чисел", "Number's pairing Statistics"),
            std::string(Tr(lang, "Введите число последних тиражей, 1..",
                           "Enter number of last draws, 1..")) +
                count,
            count};
}

CommandResult Numbers(const DrawStore& store, const Game& game, int lastN, Lang lang) {
    const int pool = game.pool;
    const int n = store.DrawCount;
    const int last = std::clamp(lastN, 0, std::max(n, 0));
    const int side = pool + 1;

    // One pass over the draws fills every number's partner counters at once.
    std::vector<std::int32_t> pairs(static_cast<std::size_t>(side) * side, 0);
    std::vector<int> hits(side, 0);
    for (int i = 0; i < last; ++i) {
        const std::vector<int> held = HeldNumbers(store[i], game);
        for (int x : held) {
            ++hits[x];
            for (int y : held)
                if (y != x) ++pairs[x * side + y];
        }
    }

    CommandResult r;
    r.caption = Tr(lang, "Числа в парах", "Pairing with");
    ChartData chart;
    std::vector<std::int32_t> counts(pool), order(pool);
    for (int x = 1; x <= pool; ++x) {
        r.lines.push_back("Number " + std::to_string(x) + ":");
        for (int k = 0; k < pool; ++k) {
            counts[k] = pairs[x * side + k + 1];
            order[k] = k + 1;
        }
        SortByKeyDesc(counts.data(), order.data(), pool);
        std::string partners, keys;
        long long total = 0;
        for (int k = 0; k < pool; ++k) {
            partners += ZeroPad(order[k], pool) + " ";
            keys += ZeroPad(counts[k], 99) + " ";
            total += counts[k];
        }
        r.lines.push_back(partners);
        r.lines.push_back(keys);
        r.lines.push_back("Pairs total: " + std::to_string(total) + "  " +
                          " Hits: " + std::to_string(hits[x]) + " (" +
                          FormatRatio(static_cast<long long>(hits[x]) * 100, n, 2) + "%)  ");
        r.lines.push_back("");
        chart.values.push_back({1, x, static_cast<double>(total)});
    }
    chart.yMax = 1000;
    chart.yMin = 0;
    chart.caption = lang == Lang::Russian
                        ? "Статистика пар чисел за " + std::to_string(last) + " последних тиража"
                        : "Pairs Statistics in last " + std::to_string(last) + " draws";
    r.charts.push_back(std::move(chart));
    return r;
}

Prompt DuplesPrompt(Lang lang) {
    return {Tr(lang, "Сколько номеров искать", "How many numbers to search"),
            Tr(lang, "Введите минимальный уровень (1..6)", "Enter number of minimum level (1..6)"),
            "3"};
}

int DuplesLevel(std::string_view answer) {
    const std::string digits = DigitsOnly(answer);
    if (digits.empty()) return 3;
    const int v = StrToInt(digits);
    if (v > 6) return 3;
    return std::max(v, 1);
}

CommandResult StatsDuples(const DrawStore& store, const Game& game, int level, Lang lang) {
    const int n = store.DrawCount;
    const CommonCounts common(store, n, game.perDraw);
    const NumberTexts shared(MaxPerDraw * MaxPerDraw,
                             [](int d) { return ":   " + std::to_string(d) + " № "; });
    const NumberTexts plain(std::max(n, 0), [](int k) { return std::to_string(k); });

    CommandResult r;
    r.caption = lang == Lang::Russian
                    ? "Статистика дублей для " + std::to_string(level) + " и более повторений"
                    : "Statistics of duples for " + std::to_string(level) + " and more numbers";
    r.lines.reserve(n);
    LineBuilder line;
    for (int i = 0; i < n; ++i) {
        line.Clear();
        line.Append(ZeroPad(n - i, n));
        char* out = line.Room(2 * ShortText::Capacity * (n - i));
        common.ForEachAtLeast(i, i + 1, n, level, false, [&](int j, int d) {
            out = LineBuilder::Put(out, shared[d]);
            out = LineBuilder::Put(out, plain[n - j]);
        });
        line.Commit(out);
        r.lines.push_back(line.Str());
    }
    return r;
}

CommandResult MatchInDraws(const DrawStore& store, const Game& game, Lang lang) {
    const int n = store.DrawCount;
    const CommonCounts common(store, n, game.perDraw);
    const NumberTexts padded(std::max(n, 0), [n](int k) { return ZeroPad(k, n) + " "; });

    CommandResult r;
    r.caption = Tr(lang, "Совпадения между тиражами", "Matches between draws");
    r.lines.push_back(
        Tr(lang, "Совпадение трёх и более чисел:", "Three and more numbers matches:"));
    r.lines.push_back("");
    // Both passes see the same counts, so the second pass's lines are made alongside the first.
    std::vector<std::string> twos;
    twos.reserve(std::max(n - 1, 0));
    r.lines.reserve(2 * std::max(n - 1, 0) + 5);
    LineBuilder buckets[4]; // 2, 3, 4, 5 and more
    LineBuilder line;
    static constexpr const char* opening[4] = {"[2 ->  ", "[3 ->  ", "[4 ->  ", "[5,6 ->  "};
    auto close = [&](int b) {
        if (buckets[b].Size() == 0) return;
        line.Append(opening[b]);
        line.Append(buckets[b].View());
        line.Append("] ");
    };
    for (int i = 0; i + 1 < n; ++i) {
        char* out[4];
        for (int b = 0; b < 4; ++b) {
            buckets[b].Clear();
            out[b] = buckets[b].Room(ShortText::Capacity * (n - i));
        }
        common.ForEachAtLeast(i, i + 1, n, 2, false, [&](int j, int c) {
            const int b = std::min(c, 5) - 2;
            out[b] = LineBuilder::Put(out[b], padded[n - j]);
        });
        for (int b = 0; b < 4; ++b) buckets[b].Commit(out[b]);
        const std::string number = ZeroPad(n - i, n) + ": ";
        line.Clear();
        line.Append(number);
        for (int b = 1; b < 4; ++b) close(b);
        r.lines.push_back(line.Str());
        line.Clear();
        line.Append(number);
        close(0);
        twos.push_back(line.Str());
    }
    r.lines.push_back("");
    r.lines.push_back(Tr(lang, "Совпадение двух чисел:", "Two numbers matches:"));
    r.lines.push_back("");
    for (auto& t : twos) r.lines.push_back(std::move(t));
    return r;
}

Prompt PeriodPrompt() {
    return {"Minimum Number for matches", "Enter a number (3,4, or 5)", "3"};
}

CommandResult Period(const DrawStore& store, const Game& game, int minimum, Lang) {
    const int n = store.DrawCount;
    const CommonCounts common(store, n, game.perDraw);
    const NumberTexts padded(std::max(n, 0), [n](int k) { return ZeroPad(k, n) + " "; });

    CommandResult r;
    r.caption = "Period of Repeating";
    r.lines.reserve(std::max(n - 1, 0) + 3);
    r.lines.push_back("Matches for " + std::to_string(minimum) + " and more:");
    r.lines.push_back("");
    r.lines.push_back("Draw Period");
    ChartData chart;
    LineBuilder line;
    for (int rec = n - 1; rec >= 1; --rec) {
        line.Clear();
        line.Append(padded[n - rec]);
        int count = 0;
        // Newer draws from the nearest on, so the distances come out ascending.
        char* out = line.Room(ShortText::Capacity * rec);
        common.ForEachAtLeast(rec, 0, rec, minimum, true, [&](int f, int) {
            out = LineBuilder::Put(out, padded[rec - f]);
            ++count;
        });
        line.Commit(out);
        r.lines.push_back(line.Str());
        // The chart keeps points 1..100 only.
        if (n - rec <= 100) chart.values.push_back({1, n - rec, static_cast<double>(count)});
    }
    chart.yMax = 1000;
    chart.yMin = 0;
    chart.caption = "Number of Repeating";
    r.charts.push_back(std::move(chart));
    return r;
}

} // namespace core
