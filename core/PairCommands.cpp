#include "core/PairCommands.h"

#include "core/BiText.h"
#include "core/CountCommon.h"
#include "core/Format.h"
#include "core/HeldNumbers.h"
#include "core/LineBuilder.h"
#include "core/NumberRoutines.h"
#include "core/NumberWriter.h"
#include "core/Sentence.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace core {

namespace {

constexpr int AnyCount = MaxPerDraw * MaxPerDraw; // no count of shared numbers is higher

std::string DigitsOnly(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c >= '0' && c <= '9') out += c;
    return out;
}

// Writes a row's pieces into a line. The line is sized from the row's measure up front; the
// check only guards against a measure falling short.
struct Put {
    std::string& line;
    std::size_t size = 0;
    void operator()(const ShortText& t) {
        if (size + ShortText::Capacity > line.size())
            line.resize(std::max(2 * line.size(), size + ShortText::Capacity));
        LineBuilder::Put(line.data() + size, t);
        size += t.size;
    }
};

ShortText Short(std::string_view text) {
    ShortText t;
    std::memcpy(t.bytes.data(), text.data(), text.size());
    t.size = text.size();
    return t;
}

// The bytes of texts[base - j] over the draws j in [from, to) sharing low..high numbers with
// draw i, and how many draws that is, counted a run of equally wide texts (numbers of one digit
// count) at a time.
struct Sized {
    std::size_t bytes = 0;
    int count = 0;
};
Sized NumberBytes(const CommonCounts& common, const NumberTexts& texts, int base, int i, int from,
                  int to, int low, int high) {
    Sized m;
    for (long long lo = 1, hi = 9; lo <= base; lo *= 10, hi = hi * 10 + 9) {
        const int a = static_cast<int>(std::max<long long>(from, base - hi));
        const int b = static_cast<int>(std::min<long long>(to, base - lo + 1));
        if (a >= b) continue;
        const int count = common.CountBetween(i, a, b, low, high);
        m.bytes += texts[static_cast<int>(lo)].size * count;
        m.count += count;
    }
    return m;
}

// The lines of a command comparing every pair of draws, made on demand: runs of rows, each
// after its fixed lines. Rows::Row writes row k of a run from the shared-number counts and
// Rows::RowBytes measures it without writing it, a word of draws at a time; a row is measured
// when its size is first asked for, so the first screen costs its own rows, not a pass over
// every pair. The draws are copied in, so the lines stay right after the program's store
// changes.
template <class Rows> class PairLines : public LineSource {
public:
    PairLines(const DrawStore& store, int perDraw)
        : store_(store), common_(store_, store_.DrawCount, perDraw), n_(store_.DrawCount) {}
    PairLines(const PairLines&) = delete;
    PairLines& operator=(const PairLines&) = delete;

    std::size_t Count() const override { return sizes_.size(); }
    std::size_t LineBytes(std::size_t i) const override {
        if (sizes_[i] == Unmeasured) {
            const Place at = Find(i);
            sizes_[i] = static_cast<std::uint32_t>(at.fixed ? at.fixed->size()
                                                            : Self().RowBytes(at.run, at.row));
        }
        return sizes_[i];
    }
    void Write(std::size_t i, std::string& out) const override {
        const Place at = Find(i);
        if (at.fixed) {
            out = *at.fixed;
            return;
        }
        out.resize(LineBytes(i) + ShortText::Capacity);
        Put put{out};
        Self().Row(at.run, at.row, put);
        out.resize(put.size);
    }

protected:
    // A run: its fixed lines, then rows 0..rows-1.
    void AddRun(std::vector<std::string> fixed, int rows) {
        runs_.push_back({std::move(fixed), std::max(rows, 0)});
        sizes_.resize(sizes_.size() + runs_.back().fixed.size() + runs_.back().rows, Unmeasured);
    }

    DrawStore store_;
    CommonCounts common_;
    int n_;

private:
    // A line is at most a few hundred kilobytes: a draw number per draw.
    static constexpr std::uint32_t Unmeasured = UINT32_MAX;
    struct Run {
        std::vector<std::string> fixed;
        int rows;
    };
    struct Place {
        const std::string* fixed = nullptr;
        int run = 0, row = 0;
    };
    Place Find(std::size_t i) const {
        for (int r = 0;; ++r) {
            const Run& run = runs_[r];
            if (i < run.fixed.size()) return {&run.fixed[i]};
            i -= run.fixed.size();
            if (i < static_cast<std::size_t>(run.rows)) return {nullptr, r, static_cast<int>(i)};
            i -= run.rows;
        }
    }
    const Rows& Self() const { return static_cast<const Rows&>(*this); }

    std::vector<Run> runs_;
    mutable std::vector<std::uint32_t> sizes_;
};

// Stats duples: per draw, newest first, the older draws sharing at least the level.
class DuplesLines : public PairLines<DuplesLines> {
public:
    DuplesLines(const DrawStore& store, const Game& game, int level)
        : PairLines(store, game.perDraw), level_(level), head_(n_, IntDigits(n_), ""),
          plain_(n_, 0, ""),
          shared_(AnyCount, [](int d) { return ":   " + std::to_string(d) + " № "; }) {
        AddRun({}, n_);
    }
    void Row(int, int i, Put& put) const {
        put(head_[n_ - i]);
        common_.ForEachAtLeast(i, i + 1, n_, level_, false, [&](int j, int d) {
            put(shared_[d]);
            put(plain_[n_ - j]);
        });
    }
    std::size_t RowBytes(int, int i) const {
        const int top = common_.MaxCount();
        const Sized older = NumberBytes(common_, plain_, n_, i, i + 1, n_, level_, top);
        // ":   d № " is one width for one-digit counts and another for two.
        const int twoDigits = common_.CountBetween(i, i + 1, n_, std::max(level_, 10), top);
        return head_[n_ - i].size + older.bytes + shared_[0].size * (older.count - twoDigits) +
               shared_[10].size * twoDigits;
    }

private:
    int level_;
    NumberTexts head_, plain_, shared_;
};

// Match in draws: a run of three or more shared numbers, then a run of exactly two; the oldest
// draw has no row.
class MatchLines : public PairLines<MatchLines> {
public:
    MatchLines(const DrawStore& store, const Game& game, Lang lang)
        : PairLines(store, game.perDraw), padded_(n_, IntDigits(n_), " ") {
        AddRun(
            {BiText{"Совпадение трёх и более чисел:", "Three and more numbers matches:"}(lang), ""},
            n_ - 1);
        AddRun({"", BiText{"Совпадение двух чисел:", "Two numbers matches:"}(lang), ""}, n_ - 1);
    }
    void Row(int run, int i, Put& put) const {
        put(padded_[n_ - i]);
        --put.size; // the draw number, then ": "
        put(colon_);
        for (const Bucket& b : Buckets(run)) {
            bool any = false;
            common_.ForEachBetween(i, i + 1, n_, b.low, b.high, false, [&](int j, int) {
                if (!any) put(open_[b.low - 2]);
                any = true;
                put(padded_[n_ - j]);
            });
            if (any) put(close_);
        }
    }
    std::size_t RowBytes(int run, int i) const {
        std::size_t bytes = padded_[n_ - i].size - 1 + colon_.size;
        for (const Bucket& b : Buckets(run)) {
            const int count = common_.CountBetween(i, i + 1, n_, b.low, b.high);
            if (count > 0) bytes += open_[b.low - 2].size + count * padded_[n_].size + close_.size;
        }
        return bytes;
    }

private:
    // Each bucket in brackets, left out when empty: 3, 4, 5 and more, then 2 alone.
    struct Bucket {
        int low, high;
    };
    static std::vector<Bucket> Buckets(int run) {
        if (run == 1) return {{2, 2}};
        return {{3, 3}, {4, 4}, {5, AnyCount}};
    }

    NumberTexts padded_; // ZeroPad(k, DrawCount) + " "
    const ShortText colon_ = Short(": ");
    const ShortText close_ = Short("] ");
    const ShortText open_[4] = {Short("[2 ->  "), Short("[3 ->  "), Short("[4 ->  "),
                                Short("[5,6 ->  ")};
};

// Period: per draw, oldest first, the distances to the newer draws sharing at least minimum;
// the newest draw has no row.
class PeriodLines : public PairLines<PeriodLines> {
public:
    PeriodLines(const DrawStore& store, const Edition& edition, int minimum)
        : PairLines(store, edition.game.perDraw), minimum_(minimum),
          padded_(n_, IntDigits(n_), " "), plain_(edition.pairs->periodPadded ? 0 : n_, 0, " "),
          distances_(edition.pairs->periodPadded ? padded_ : plain_) {
        AddRun({"Matches for " + std::to_string(minimum) + " and more:", "", "Draw Period"},
               n_ - 1);
    }
    // The number of newer draws the draw at rec shares at least minimum numbers with.
    int Hits(int rec) const { return common_.CountBetween(rec, 0, rec, minimum_, AnyCount); }
    std::size_t RowBytes(int, int k) const {
        const int rec = n_ - 1 - k;
        return padded_[n_ - rec].size +
               NumberBytes(common_, distances_, rec, rec, 0, rec, minimum_, AnyCount).bytes;
    }
    void Row(int, int k, Put& put) const {
        const int rec = n_ - 1 - k;
        put(padded_[n_ - rec]);
        // Newer draws from the nearest on, so the distances come out ascending.
        common_.ForEachAtLeast(rec, 0, rec, minimum_, true,
                               [&](int f, int) { put(distances_[rec - f]); });
    }

private:
    int minimum_;
    NumberTexts padded_, plain_;
    const NumberTexts& distances_;
};

// The triples a < b < c of the pool in lexicographic order, and each one's place in that order.
struct TripleTable {
    explicit TripleTable(int pool)
        : side(pool + 1), place(static_cast<std::size_t>(side) * side * side, -1) {
        for (int a = 1; a <= pool; ++a)
            for (int b = a + 1; b <= pool; ++b)
                for (int c = b + 1; c <= pool; ++c) {
                    place[(a * side + b) * side + c] = static_cast<int>(triples.size());
                    triples.push_back({a, b, c});
                }
    }
    int Place(int a, int b, int c) const { return place[(a * side + b) * side + c]; }

    int side;
    std::vector<std::array<int, 3>> triples;
    std::vector<int> place;
};

// The draw numbers holding each triple, oldest first, in one array; the rows of Triples are
// the triples kept, each line made from these when it is shown.
struct TripleDraws {
    std::vector<int> start; // triple t's draws are draws[start[t] .. start[t + 1])
    std::vector<int> draws;
    struct Kept {
        std::array<int, 3> numbers;
        int first, last;
    };
    std::vector<Kept> kept;
    NumberTexts padded; // ZeroPad(k, pool) + " "
    ShortText colon = Short(" :  ");

    // The triples drawn at least minimum times.
    void KeepFrom(const TripleTable& table, int minimum) {
        for (std::size_t t = 0; t < table.triples.size(); ++t)
            if (start[t + 1] - start[t] >= minimum)
                kept.push_back({table.triples[t], start[t], start[t + 1]});
    }
    // "a b c :  " and each draw number followed by a blank, every number zero-padded to the
    // pool's width.
    static std::size_t RowBytes(const TripleDraws& v, std::size_t row) {
        const Kept& k = v.kept[row];
        std::size_t bytes = v.colon.size - 1;
        for (int x : k.numbers) bytes += v.padded[x].size;
        // The draw numbers ascend: a run of one width at a time.
        const auto end = v.draws.begin() + k.last;
        for (auto at = v.draws.begin() + k.first; at != end;) {
            const auto next = std::lower_bound(at, end, NextWidth(*at));
            bytes += static_cast<std::size_t>(next - at) * v.padded[*at].size;
            at = next;
        }
        return bytes;
    }
    static void Row(const TripleDraws& v, std::size_t row, std::string& out) {
        const Kept& k = v.kept[row];
        out.resize(RowBytes(v, row) + ShortText::Capacity);
        Put put{out};
        for (int x : k.numbers) put(v.padded[x]);
        --put.size; // no blank after c
        put(v.colon);
        for (int d = k.first; d < k.last; ++d) put(v.padded[v.draws[d]]);
        out.resize(put.size);
    }
    // The first number written one digit wider than k.
    static int NextWidth(int k) {
        int p = 10;
        while (p <= k) p *= 10;
        return p;
    }
};

// Each draw hands its own triples (20 for six numbers) to their lists, oldest draw first,
// instead of every triple walking every draw.
TripleDraws DrawsOfTriples(const DrawStore& store, const Game& game, const TripleTable& table) {
    const int n = std::max(store.DrawCount, 0);
    struct Held {
        std::array<int, MaxPerDraw> numbers;
        int count;
    };
    std::vector<Held> held(static_cast<std::size_t>(n));
    auto eachTriple = [&table](const Held& s, auto&& f) {
        for (int x = 0; x < s.count; ++x)
            for (int y = x + 1; y < s.count; ++y)
                for (int z = y + 1; z < s.count; ++z)
                    f(table.Place(s.numbers[x], s.numbers[y], s.numbers[z]));
    };
    TripleDraws v{.start = {},
                  .draws = {},
                  .kept = {},
                  .padded = NumberTexts(std::max(n, game.pool), IntDigits(game.pool), " ")};
    v.start.assign(table.triples.size() + 1, 0);
    for (int i = n - 1; i >= 0; --i) {
        held[i].count = HeldNumbers(store[i], game, held[i].numbers);
        eachTriple(held[i], [&](int t) { ++v.start[t + 1]; });
    }
    for (std::size_t t = 0; t < table.triples.size(); ++t) v.start[t + 1] += v.start[t];
    v.draws.resize(v.start.back());
    std::vector<int> fill(v.start.begin(), v.start.end() - 1);
    for (int i = n - 1; i >= 0; --i)
        eachTriple(held[i], [&](int t) { v.draws[fill[t]++] = n - i; });
    return v;
}

} // namespace

Prompt TriplesPrompt(const Edition& edition, Lang lang) {
    return {edition.pairs->triplesCaption(lang),
            BiText{"Введите минимальное число троек", "Minimum Number of triples"}(lang), "2"};
}

int TriplesMinimum(std::string_view answer) {
    const std::string digits = DigitsOnly(answer);
    if (digits.empty()) return 2;
    const int v = StrToInt(digits);
    return v >= 1000 ? 999 : v;
}

CommandResult Triples(const DrawStore& store, const Edition& edition, int minimum, Lang lang) {
    const TripleTable table(edition.game.pool);
    TripleDraws values = DrawsOfTriples(store, edition.game, table);
    values.KeepFrom(table, minimum);
    CommandResult r;
    r.caption = BiText{"Тройки", "Triples"}(lang);
    const std::size_t rows = values.kept.size();
    r.source = MakeRowLines({edition.pairs->triplesHeader(lang), ""}, rows, std::move(values),
                            &TripleDraws::RowBytes, &TripleDraws::Row,
                            {"", "Count = " + std::to_string(table.triples.size())});
    return r;
}

Prompt NumbersPrompt(int drawCount, Lang lang) {
    const std::string count = std::to_string(drawCount);
    return {BiText{"Статистика пар чисел", "Number's pairing Statistics"}(lang),
            Sentence{"Введите число последних тиражей, 1..%1",
                     "Enter number of last draws, 1..%1"}(lang, count),
            count};
}

CommandResult Numbers(const DrawStore& store, const Edition& edition, int lastN, Lang lang) {
    const Game& game = edition.game;
    const PairRules& texts = *edition.pairs;
    const int pool = game.pool;
    const int n = store.DrawCount;
    const int last = std::clamp(lastN, 0, std::max(n, 0));
    const int side = pool + 1;

    // One pass over the draws fills every number's partner counters at once.
    std::vector<std::int32_t> pairs(static_cast<std::size_t>(side) * side, 0);
    std::vector<int> hits(side, 0);
    std::array<int, MaxPerDraw> held{};
    for (int i = 0; i < last; ++i) {
        const int count = HeldNumbers(store[i], game, held);
        for (int a = 0; a < count; ++a) {
            ++hits[held[a]];
            for (int b = 0; b < count; ++b)
                if (b != a) ++pairs[held[a] * side + held[b]];
        }
    }

    CommandResult r;
    r.caption = texts.numbersCaption(lang);
    ChartData chart;
    std::vector<std::int32_t> counts(pool), order(pool);
    for (int x = 1; x <= pool; ++x) {
        r.lines.push_back(texts.numbersHeading(lang, x));
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
        // From the integers, so an exact half rounds away from zero.
        const std::string percent =
            n > 0 ? FormatRatio(static_cast<long long>(hits[x]) * 100, n, 2) : FormatFixed(0.0, 2);
        r.lines.push_back(texts.pairsLine(lang, total, hits[x], percent));
        r.lines.push_back("");
        chart.values.push_back({1, x, static_cast<double>(total)});
    }
    chart.yMax = 1000;
    chart.yMin = 0;
    chart.caption = Sentence{"Статистика пар чисел за %1 последних тиража",
                             "Pairs Statistics in last %1 draws"}(lang, last);
    r.charts.push_back(std::move(chart));
    return r;
}

Prompt DuplesPrompt(Lang lang) {
    return {
        BiText{"Сколько номеров искать", "How many numbers to search"}(lang),
        BiText{"Введите минимальный уровень (1..6)", "Enter number of minimum level (1..6)"}(lang),
        "3"};
}

int DuplesLevel(std::string_view answer, const Edition& edition) {
    const std::string digits = DigitsOnly(answer);
    if (digits.empty()) return 3;
    const int v = StrToInt(digits);
    if (v > edition.pairs->duplesMaxLevel) return 3;
    return std::max(v, 1);
}

CommandResult StatsDuples(const DrawStore& store, const Game& game, int level, Lang lang) {
    CommandResult r;
    r.caption = Sentence{"Статистика дублей для %1 и более повторений",
                         "Statistics of duples for %1 and more numbers"}(lang, level);
    r.source = std::make_shared<DuplesLines>(store, game, level);
    return r;
}

CommandResult MatchInDraws(const DrawStore& store, const Game& game, Lang lang) {
    CommandResult r;
    r.caption = BiText{"Совпадения между тиражами", "Matches between draws"}(lang);
    r.source = std::make_shared<MatchLines>(store, game, lang);
    return r;
}

Prompt PeriodPrompt(const Edition& edition) {
    return {edition.pairs->periodCaption, edition.pairs->periodPrompt, "3"};
}

CommandResult Period(const DrawStore& store, const Edition& edition, int minimum, Lang) {
    CommandResult r;
    r.caption = "Period of Repeating";
    auto lines = std::make_shared<PeriodLines>(store, edition, minimum);
    ChartData chart;
    const int n = store.DrawCount;
    if (edition.filter->pagedSeries) {
        // Every draw's count, the newest one's 0 with them, in one pass over the draws.
        const std::vector<std::int32_t> hits = NewerSharing(store, edition.game, n, minimum);
        chart.pagedSeries.emplace(std::max(n, 0), 0);
        for (int rec = n - 1; rec >= 0; --rec) (*chart.pagedSeries)[n - rec - 1] = hits[rec];
    } else {
        for (int rec = n - 1; rec >= 1 && n - rec <= 100; --rec) // the chart keeps points 1..100
            chart.values.push_back({1, n - rec, static_cast<double>(lines->Hits(rec))});
    }
    chart.yMax = 1000;
    chart.yMin = 0;
    chart.caption = "Number of Repeating";
    r.source = std::move(lines);
    r.charts.push_back(std::move(chart));
    return r;
}

} // namespace core
