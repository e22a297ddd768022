#include "core/PairCommands.h"

#include "core/BiText.h"
#include "core/CountCommon.h"
#include "core/Format.h"
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
struct Measured {
    std::size_t bytes = 0;
    int count = 0;
};
Measured NumberBytes(const CommonCounts& common, const NumberTexts& texts, int base, int i,
                     int from, int to, int low, int high) {
    Measured m;
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

// The lines of a command comparing every pair of draws, made on demand: fixed lines and rows.
// Rows::Row writes a row from the shared-number counts; each row is added with its size,
// measured without writing it, so the sizes are known up front. The draws are copied in, so the
// lines stay right after the program's store changes.
template <class Rows> class PairLines : public LineSource {
public:
    PairLines(const DrawStore& store, int perDraw)
        : store_(store), common_(store_, store_.DrawCount, perDraw), n_(store_.DrawCount),
          head_(std::max(n_, 0), [this](int k) { return ZeroPad(k, n_); }) {}
    PairLines(const PairLines&) = delete;
    PairLines& operator=(const PairLines&) = delete;

    std::size_t Count() const override { return entries_.size(); }
    std::size_t LineBytes(std::size_t i) const override { return entries_[i].bytes; }
    void Write(std::size_t i, std::string& out) const override {
        const Entry& e = entries_[i];
        if (e.run < 0) {
            out = fixed_[e.row];
            return;
        }
        out.resize(e.bytes + ShortText::Capacity);
        Put put{out};
        static_cast<const Rows&>(*this).Row(e.run, e.row, put);
        out.resize(put.size);
    }

protected:
    void AddFixed(std::string text) {
        entries_.push_back({-1, static_cast<int>(fixed_.size()), text.size()});
        fixed_.push_back(std::move(text));
    }
    void AddRow(int run, int row, std::size_t bytes) { entries_.push_back({run, row, bytes}); }

    DrawStore store_;
    CommonCounts common_;
    int n_;
    NumberTexts head_; // a row's draw number, padded to the newest one's width

private:
    struct Entry {
        int run; // -1: a fixed line
        int row;
        std::size_t bytes;
    };
    std::vector<Entry> entries_;
    std::vector<std::string> fixed_;
};

// Stats duples: per draw, newest first, the older draws sharing at least the level.
class DuplesLines : public PairLines<DuplesLines> {
public:
    DuplesLines(const DrawStore& store, const Game& game, int level)
        : PairLines(store, game.perDraw), level_(level),
          shared_(MaxPerDraw * MaxPerDraw,
                  [](int d) { return ":   " + std::to_string(d) + " № "; }),
          plain_(std::max(n_, 0), [](int k) { return std::to_string(k); }) {
        for (int i = 0; i < n_; ++i) AddRow(0, i, RowBytes(i));
        MeasureLines();
    }
    void Row(int, int i, Put& put) const {
        put(head_[n_ - i]);
        common_.ForEachAtLeast(i, i + 1, n_, level_, false, [&](int j, int d) {
            put(shared_[d]);
            put(plain_[n_ - j]);
        });
    }
    std::size_t RowBytes(int i) const {
        const int top = common_.MaxCount();
        const Measured older = NumberBytes(common_, plain_, n_, i, i + 1, n_, level_, top);
        // ":   d № " is one width for one-digit counts and another for two.
        const int twoDigits = common_.CountBetween(i, i + 1, n_, std::max(level_, 10), top);
        return head_[n_ - i].size + older.bytes + shared_[0].size * (older.count - twoDigits) +
               shared_[10].size * twoDigits;
    }

private:
    int level_;
    NumberTexts shared_, plain_;
};

// Match in draws: a pass of three or more shared numbers, then a pass of exactly two.
class MatchLines : public PairLines<MatchLines> {
public:
    MatchLines(const DrawStore& store, const Game& game, Lang lang)
        : PairLines(store, game.perDraw),
          padded_(std::max(n_, 0), [this](int k) { return ZeroPad(k, n_) + " "; }) {
        AddFixed(BiText{"Совпадение трёх и более чисел:", "Three and more numbers matches:"}(lang));
        AddFixed("");
        for (int i = 0; i + 1 < n_; ++i) AddRow(0, i, RowBytes(0, i));
        AddFixed("");
        AddFixed(BiText{"Совпадение двух чисел:", "Two numbers matches:"}(lang));
        AddFixed("");
        for (int i = 0; i + 1 < n_; ++i) AddRow(1, i, RowBytes(1, i));
        MeasureLines();
    }
    void Row(int pass, int i, Put& put) const {
        put(head_[n_ - i]);
        put(colon_);
        for (const Bucket& b : Buckets(pass)) {
            bool any = false;
            common_.ForEachBetween(i, i + 1, n_, b.low, b.high, false, [&](int j, int) {
                if (!any) put(open_[b.low - 2]);
                any = true;
                put(padded_[n_ - j]);
            });
            if (any) put(close_);
        }
    }
    std::size_t RowBytes(int pass, int i) const {
        std::size_t bytes = head_[n_ - i].size + colon_.size;
        for (const Bucket& b : Buckets(pass)) {
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
    static std::vector<Bucket> Buckets(int pass) {
        if (pass == 1) return {{2, 2}};
        return {{3, 3}, {4, 4}, {5, MaxPerDraw * MaxPerDraw}};
    }

    NumberTexts padded_;
    const ShortText colon_ = Short(": ");
    const ShortText close_ = Short("] ");
    const ShortText open_[4] = {Short("[2 ->  "), Short("[3 ->  "), Short("[4 ->  "),
                                Short("[5,6 ->  ")};
};

// Period: per draw, oldest first, the distances to the newer draws sharing at least minimum.
class PeriodLines : public PairLines<PeriodLines> {
public:
    PeriodLines(const DrawStore& store, const Edition& edition, int minimum)
        : PairLines(store, edition.game.perDraw), minimum_(minimum),
          padded_(std::max(n_, 0), [this](int k) { return ZeroPad(k, n_) + " "; }),
          plain_(std::max(n_, 0), [](int k) { return std::to_string(k) + " "; }),
          distances_(edition.pairs->periodPadded ? padded_ : plain_) {
        AddFixed("Matches for " + std::to_string(minimum) + " and more:");
        AddFixed("");
        AddFixed("Draw Period");
        hits_.assign(std::max(n_, 0), 0);
        for (int rec = n_ - 1; rec >= 1; --rec) {
            const Measured m = NumberBytes(common_, distances_, rec, rec, 0, rec, minimum_,
                                           MaxPerDraw * MaxPerDraw);
            hits_[rec] = m.count;
            AddRow(0, rec, padded_[n_ - rec].size + m.bytes);
        }
        MeasureLines();
    }
    // The number of newer draws the draw at rec shares at least minimum numbers with.
    int Hits(int rec) const { return hits_[rec]; }
    void Row(int, int rec, Put& put) const {
        put(padded_[n_ - rec]);
        // Newer draws from the nearest on, so the distances come out ascending.
        common_.ForEachAtLeast(rec, 0, rec, minimum_, true,
                               [&](int f, int) { put(distances_[rec - f]); });
    }

private:
    int minimum_;
    NumberTexts padded_, plain_;
    const NumberTexts& distances_;
    std::vector<int> hits_;
};

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
    const Game& game = edition.game;
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
    struct Held {
        std::array<int, MaxPerDraw> numbers;
        int count;
    };
    std::vector<Held> held(static_cast<std::size_t>(std::max(n, 0)));
    std::vector<int> hits(triples.size(), 0);
    auto eachTriple = [&](const Held& s, auto&& f) {
        for (int x = 0; x < s.count; ++x)
            for (int y = x + 1; y < s.count; ++y)
                for (int z = y + 1; z < s.count; ++z)
                    f(place[(s.numbers[x] * side + s.numbers[y]) * side + s.numbers[z]]);
    };
    for (int i = n - 1; i >= 0; --i) {
        const std::vector<int> numbers = HeldNumbers(store[i], game);
        held[i].count = static_cast<int>(numbers.size());
        std::copy(numbers.begin(), numbers.end(), held[i].numbers.begin());
        eachTriple(held[i], [&](int t) { ++hits[t]; });
    }

    // The triples drawn at least `minimum` times, each with the draws that hold it.
    struct Kept {
        std::array<int, 3> numbers;
        int first, last; // its draws in `draws`
    };
    struct Values {
        std::vector<Kept> kept;
        std::vector<int> draws;
    } values;
    std::vector<int> start(triples.size() + 1, 0);
    for (std::size_t t = 0; t < triples.size(); ++t) start[t + 1] = start[t] + hits[t];
    values.draws.resize(start.back());
    std::vector<int> fill(start.begin(), start.end() - 1);
    for (int i = n - 1; i >= 0; --i)
        eachTriple(held[i], [&](int t) { values.draws[fill[t]++] = n - i; });
    for (std::size_t t = 0; t < triples.size(); ++t)
        if (hits[t] >= minimum)
            values.kept.push_back(
                {{triples[t].a, triples[t].b, triples[t].c}, start[t], start[t + 1]});

    // "a b c :  " and each draw number, every number zero-padded to the pool's width and
    // followed by a blank but c, made when the line is shown.
    const int width = IntDigits(pool);
    const auto padded = [width](int k) { return std::max(width, IntDigits(k)); };
    CommandResult r;
    r.caption = BiText{"Тройки", "Triples"}(lang);
    const std::size_t rows = values.kept.size();
    r.source = MakeRowLines(
        {edition.pairs->triplesHeader(lang), ""}, rows, std::move(values),
        [padded](const Values& v, std::size_t row) {
            const Kept& k = v.kept[row];
            std::size_t bytes = 4;
            for (int x : k.numbers) bytes += static_cast<std::size_t>(padded(x)) + 1;
            for (int d = k.first; d < k.last; ++d)
                bytes += static_cast<std::size_t>(padded(v.draws[d])) + 1;
            return bytes - 1;
        },
        [width](const Values& v, std::size_t row, std::string& out) {
            const Kept& k = v.kept[row];
            for (int x = 0; x < 3; ++x) {
                AppendPadded(out, k.numbers[x], width);
                if (x < 2) out += ' ';
            }
            out += " :  ";
            for (int d = k.first; d < k.last; ++d) {
                AppendPadded(out, v.draws[d], width);
                out += ' ';
            }
        },
        {"", "Count = " + std::to_string(triples.size())});
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
    for (int i = 0; i < last; ++i) {
        const std::vector<int> held = HeldNumbers(store[i], game);
        for (int x : held) {
            ++hits[x];
            for (int y : held)
                if (y != x) ++pairs[x * side + y];
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
        chart.pagedSeries.emplace(std::max(n, 0), 0);
        for (int rec = n - 1; rec >= 1; --rec) (*chart.pagedSeries)[n - rec - 1] = lines->Hits(rec);
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
