#include "core/ZoneCommands.h"

#include "core/BiText.h"
#include "core/NumberRoutines.h"
#include "core/NumberWriter.h"
#include "core/Sentence.h"

#include <algorithm>

namespace core {

namespace {

int Lowest(const Draw& d, int perDraw) {
    return *std::min_element(d.begin(), d.begin() + perDraw);
}

int Highest(const Draw& d, int perDraw) {
    return *std::max_element(d.begin(), d.begin() + perDraw);
}

int Sum(const Draw& d, int perDraw) {
    int s = 0;
    for (int p = 0; p < perDraw; ++p) s += d[p];
    return s;
}

} // namespace

int ZoneAnswer(std::string_view answer, int pool) {
    std::string digits;
    for (char c : answer)
        if (c >= '0' && c <= '9') digits += c;
    if (digits.empty()) return 2;
    const int z = StrToInt(digits);
    return std::clamp(z, 1, pool);
}

std::vector<ZoneRange> ZoneRanges(int z, int pool) {
    const int w = pool / std::clamp(z, 1, std::max(pool, 1));
    std::vector<ZoneRange> ranges{{1, w}};
    // The walk goes on while a number is left, so single-number zones reach the pool's end.
    while (ranges.back().hi < pool) {
        const int lo = ranges.back().hi + 1;
        int hi = ranges.back().hi + w;
        if (hi > pool || pool - hi < w) hi = pool;
        ranges.push_back({lo, hi});
    }
    return ranges;
}

std::string ZoneRangesText(int z, int pool) {
    std::string text;
    for (const auto& r : ZoneRanges(z, pool))
        text += std::to_string(r.lo) + ".." + std::to_string(r.hi) + " ";
    return text;
}

std::vector<int> ZoneCounts(const Draw& draw, const std::vector<ZoneRange>& ranges, int perDraw) {
    std::vector<int> counts(ranges.size(), 0);
    for (int p = 0; p < perDraw; ++p)
        for (std::size_t k = 0; k < ranges.size(); ++k)
            if (draw[p] >= ranges[k].lo && draw[p] <= ranges[k].hi) ++counts[k];
    return counts;
}

CommandResult Zones(const DrawStore& store, const Edition& edition, int z, Lang lang) {
    const Game& game = edition.game;
    z = std::clamp(z, 1, game.pool);
    const auto ranges = ZoneRanges(z, game.pool);
    std::vector<std::uint8_t> zoneOf(256, 0xFF);
    for (std::size_t k = 0; k < ranges.size(); ++k)
        for (int n = ranges[k].lo; n <= ranges[k].hi; ++n) zoneOf[n] = static_cast<std::uint8_t>(k);

    CommandResult r;
    r.caption = Sentence{"Числа в %1 зонах", "Numbers in %1 zones"}(lang, z);
    // A line per draw, "N:   c : c : ...", made when it is shown from the draw's numbers.
    const int count = std::max(store.DrawCount, 0);
    const int width = IntDigits(count);
    const std::size_t zones = ranges.size();
    struct Values {
        std::vector<Draw> draws;
        std::vector<std::uint8_t> zoneOf;
    } values{store.Loaded(), std::move(zoneOf)};
    r.source = MakeRowLines(
        {"    " + ZoneRangesText(z, game.pool)}, static_cast<std::size_t>(count), std::move(values),
        [width, zones](const Values&, std::size_t) {
            return static_cast<std::size_t>(width) + 4 * zones + 1;
        },
        [width, zones, count, perDraw = game.perDraw](const Values& v, std::size_t i,
                                                      std::string& out) {
            // A count is a single digit: a draw holds at most six numbers.
            int counts[256] = {};
            for (int p = 0; p < perDraw; ++p)
                if (v.zoneOf[v.draws[i][p]] != 0xFF) ++counts[v.zoneOf[v.draws[i][p]]];
            AppendPadded(out, count - static_cast<int>(i), width);
            out += ":   ";
            for (std::size_t k = 0; k < zones; ++k) {
                if (k > 0) out += " : ";
                out += static_cast<char>('0' + counts[k]);
            }
        });
    return r;
}

ZonePrompt ZonesPrompt(const Edition& edition, Lang lang) {
    return {edition.zones->promptCaption(lang), edition.zones->prompt(lang), "2"};
}

int FinalSum(int n) {
    const int m = n % 9;
    return m == 0 ? 9 : m;
}

TableResult FinalSums(const DrawStore& store, const Edition& edition, Lang lang) {
    const Game& game = edition.game;
    TableResult r;
    r.caption = BiText{"Таблица конечных сумм чисел (n mod 9)",
                       "Table - Final summary of numbers (n mod 9)"}(lang);
    const int first = game.perDraw + 3;
    r.table.colCount = first + game.perDraw;
    for (int k = 0; k < edition.zones->clearedCount; ++k) {
        TableColumn c;
        c.index = edition.zones->clearedColumns[k];
        c.clearRows = std::max(store.DrawCount, 0);
        r.table.columns.push_back(std::move(c));
    }
    for (int p = 0; p < game.perDraw; ++p) {
        TableColumn c;
        c.index = first + p;
        c.header = "S" + std::to_string(p + 1);
        c.width = 20;
        std::vector<std::int32_t> sums(static_cast<std::size_t>(std::max(store.DrawCount, 0)));
        for (std::size_t i = 0; i < sums.size(); ++i)
            sums[i] = FinalSum(store[static_cast<int>(i)][p]);
        c.cells = std::make_shared<NumberColumn>(std::move(sums));
        r.table.columns.push_back(std::move(c));
    }
    return r;
}

namespace {

// Prognosis's lines, made on demand: its fixed texts, and per passing draw k "k: " followed by
// "#j-->v  " for each of the up to ten newer draws j whose lowest (highest) number v passes.
class PrognosisLines final : public LineSource {
public:
    PrognosisLines(const DrawStore& store, int perDraw) : count_(std::max(store.DrawCount, 0)) {
        width_ = IntDigits(count_);
        low_.resize(static_cast<std::size_t>(count_) + 1);
        high_.resize(low_.size());
        sum_.resize(low_.size());
        for (int k = 1; k <= count_; ++k) {
            const Draw& d = store[count_ - k];
            low_[k] = static_cast<std::uint8_t>(Lowest(d, perDraw));
            high_[k] = static_cast<std::uint8_t>(Highest(d, perDraw));
            sum_[k] = Sum(d, perDraw);
        }
    }

    void AddText(std::string text) {
        rows_.push_back({static_cast<int>(texts_.size()), 0, false});
        texts_.push_back(std::move(text));
    }
    // Draws whose sum passes, followed by the newer draws whose lowest (highest) number passes.
    void AddRule(bool lowest) {
        for (int k = 1; k <= count_; ++k)
            if (lowest ? sum_[k] >= 180 : sum_[k] <= 120) rows_.push_back({-1, k, lowest});
    }
    void Done() { MeasureLines(); }

    std::size_t Count() const override { return rows_.size(); }
    std::size_t LineBytes(std::size_t i) const override {
        const Row& row = rows_[i];
        if (row.text >= 0) return texts_[row.text].size();
        std::size_t bytes = static_cast<std::size_t>(width_) + 2;
        Visit(row, [&](int, int v) {
            bytes += 1 + static_cast<std::size_t>(width_) + 3 + std::max(2, IntDigits(v)) + 2;
        });
        return bytes;
    }
    void Write(std::size_t i, std::string& out) const override {
        const Row& row = rows_[i];
        if (row.text >= 0) {
            out = texts_[row.text];
            return;
        }
        out.clear();
        AppendPadded(out, row.k, width_);
        out += ": ";
        Visit(row, [&](int j, int v) {
            out += '#';
            AppendPadded(out, j, width_);
            out += "-->";
            AppendPadded(out, v, 2);
            out += "  ";
        });
    }

private:
    struct Row {
        int text; // a fixed text, or -1 for draw k of a rule
        int k;
        bool lowest;
    };
    template <class Sink> void Visit(const Row& row, Sink sink) const {
        for (int j = row.k + 1; j <= std::min(row.k + 10, count_); ++j) {
            const int v = row.lowest ? low_[j] : high_[j];
            if (row.lowest ? v >= 10 : v <= 36) sink(j, v);
        }
    }

    int count_;
    int width_ = 1;
    // Of draw k (1 the oldest); index 0 unused.
    std::vector<std::uint8_t> low_, high_;
    std::vector<int> sum_;
    std::vector<std::string> texts_;
    std::vector<Row> rows_;
};

} // namespace

CommandResult Prognosis(const DrawStore& store, const Game& game, Lang lang) {
    CommandResult r;
    r.caption = BiText{"Прогноз", "Prognosis"}(lang);
    auto lines = std::make_shared<PrognosisLines>(store, game.perDraw);
    lines->AddText(BiText{"Если сумма всех чисел тиража больше 180, то в ближацшие 10 розыгрышей "
                          "может выпасть такая комбинация, в которой минимальное число будет 10. "
                          "[10..45]",
                          "If the sum of the 6 regular numbers is greater then 180, then in the "
                          "next 10 draws there should be a draw where the lowest number will be "
                          "10. [10..45]"}(lang));
    lines->AddText("");
    lines->AddRule(true);
    lines->AddText("");
    lines->AddText(BiText{"Если сумма всех чисел в тираже не превышает 120, то в ближайшие 10 "
                          "тиражей может выпасть такая комбинация, в которой самое большое число "
                          "будет 36. [1..36].",
                          "If the sum of the 6 regular numbers is lower then 120, then in the next "
                          "10 draws there should be a draw which the highest number is lower then "
                          "37. [1..36]."}(lang));
    lines->AddText("");
    lines->AddRule(false);
    lines->Done();
    r.source = std::move(lines);
    return r;
}

Draw DrawGaps(const Draw& draw, int perDraw) {
    Draw gaps{};
    for (int k = 0; k + 1 < perDraw; ++k)
        gaps[k] = static_cast<std::uint8_t>(draw[k + 1] - draw[k] - 1);
    return gaps;
}

int StripLeadingZeros(std::vector<std::uint8_t>& bytes) {
    const auto first = std::find_if(bytes.begin(), bytes.end(), [](auto b) { return b != 0; });
    bytes.erase(bytes.begin(), first);
    return static_cast<int>(bytes.size());
}

std::vector<int> CountLevels(const int* counters, int count, int levels) {
    std::vector<int> out;
    out.reserve(levels);
    long long previous = -1; // no level yet: every counter lies below
    for (int l = 0; l < levels; ++l) {
        int best = 0;
        for (int k = 0; k < count; ++k)
            if ((previous < 0 || counters[k] < previous) && counters[k] > best) best = counters[k];
        out.push_back(best);
        previous = best;
    }
    return out;
}

std::array<int, 45> SpanBins(const DrawStore& store, int perDraw) {
    std::array<int, 45> bins{};
    for (int i = 0; i < store.DrawCount; ++i) {
        const Draw& d = store[i];
        for (int k = 0; k + 1 < perDraw; ++k) {
            // Gaps of 0 (neighbouring numbers) are not counted; nor is anything out of order.
            const int g = d[k + 1] - d[k] - 1;
            if (g >= 1 && g <= static_cast<int>(bins.size())) ++bins[g - 1];
        }
    }
    return bins;
}

SpansResult Spans(const DrawStore& store, const Game& game) {
    SpansResult r;
    r.bins = SpanBins(store, game.perDraw);
    r.text.caption = "Statistics - Most Frequently Spans for all games";
    for (int level : CountLevels(r.bins.data(), 45, 100)) {
        std::string line = std::to_string(level) + ":";
        if (level != 0)
            for (int j = 0; j < 45; ++j)
                if (r.bins[j] == level) line += " " + std::to_string(j);
        r.text.lines.push_back(std::move(line));
    }
    return r;
}

CommandResult SortByGroups(const DrawStore& store, const Game& game) {
    static constexpr int kLast[7] = {7, 13, 20, 26, 32, 39, 45};
    CommandResult r;
    r.caption = "Numbers sorted by groups: 1..7  8..13  14..20  21..26  27..32  33..39  40..45";
    r.lines.assign(7, {});
    for (int i = 0; i < store.DrawCount; ++i) {
        Draw d = store[i];
        SortNumbers(d.data(), game.perDraw);
        for (int p = 0; p < game.perDraw; ++p) {
            const int n = d[p];
            if (n < 1 || n > 45) continue;
            const int g = static_cast<int>(std::lower_bound(kLast, kLast + 7, n) - kLast);
            r.lines[g] += std::to_string(n) + " ";
        }
    }
    return r;
}

CommandResult Band(const DrawStore& store, const Game& game) {
    CommandResult r;
    r.caption = "1..12 34..45 ";
    // Draws are gathered per number first, so each line costs only its own hits.
    std::vector<std::vector<std::uint8_t>> collected(13);
    for (int i = 0; i < store.DrawCount; ++i) {
        const Draw& d = store[i];
        const int high = Highest(d, game.perDraw);
        if (high < 34) continue;
        for (int n = 1; n <= 12; ++n)
            if (HasNumber(n, d.data(), game.perDraw))
                collected[n].push_back(static_cast<std::uint8_t>(high));
    }
    for (int n = 1; n <= 12; ++n) {
        auto& c = collected[n];
        std::sort(c.begin(), c.end());
        const int left = StripLeadingZeros(c);
        r.lines.push_back(ZeroPad(n, 12) + ": " +
                          NumbersToText(c.data(), true, " ", left, game.pool));
    }
    return r;
}

} // namespace core
