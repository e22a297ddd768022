#include "core/StrategyCommands.h"

#include "core/BiText.h"
#include "core/Format.h"
#include "core/HeldNumbers.h"
#include "core/NumberRoutines.h"
#include "core/NumberWriter.h"
#include "core/Sentence.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace core {

namespace {

constexpr int MaxPool = 64;

int WindowOf(int lastN, const DrawStore& store) {
    return std::clamp(lastN, 0, std::max(store.DrawCount, 0));
}

// ZeroPad(v, pool) + " " for every value: the summary lines of Skip strategy.
std::string PaddedLine(const std::int32_t* values, int count, int pool) {
    std::string line;
    for (int k = 0; k < count; ++k) line += ZeroPad(values[k], pool) + " ";
    return line;
}

void OrderOneToPool(std::int32_t* order, int pool) {
    std::iota(order, order + pool, 1);
}

} // namespace

void PermuteByNumbers(std::int32_t* values, const std::int32_t* numbers, int count) {
    std::vector<std::int32_t> old(values, values + count);
    for (int k = 0; k < count; ++k) {
        const int at = numbers[k] - 1;
        const std::int32_t v = at >= 0 && at < count ? old[at] : 0;
        values[k] = static_cast<std::uint8_t>(v);
    }
}

void RankByFrequency(const DrawStore& store, const Game& game, int start, int length,
                     std::int32_t* ranked) {
    length = std::min(length, store.DrawCount);
    if (start + length > store.DrawCount) length = store.DrawCount - start;
    std::vector<std::int32_t> counts(game.pool, 0);
    for (int k = start; k < start + length; ++k)
        for (int x = 1; x <= game.pool; ++x)
            if (HasNumber(x, store[k].data(), game.perDraw)) ++counts[x - 1];
    OrderOneToPool(ranked, game.pool);
    SortByKeyDesc(counts.data(), ranked, game.pool);
}

std::string IntsToText(const std::int32_t* values, int count, std::string_view separator, bool pad,
                       int pool) {
    std::string text;
    for (int k = 0; k < count; ++k) {
        if (k > 0) text += separator;
        text += pad ? ZeroPad(values[k], pool) : std::to_string(values[k]);
    }
    return text;
}

Prompt SkipStrategyPrompt(int drawCount, const Edition& edition, Lang lang) {
    const StrategyRules& t = *edition.strategy;
    return {t.skipCaption(lang), t.skipPrompt(lang, drawCount), std::to_string(drawCount)};
}

int SkipStrategyLastN(std::string_view answer, int drawCount) {
    std::string digits;
    for (char c : answer)
        if (c >= '0' && c <= '9') digits += c;
    if (!digits.empty() && StrToInt(digits) == 0) return 0;
    return LastNAnswer(answer, drawCount);
}

namespace {

// Where each number was drawn among the newest n draws, oldest first (position p is draw index
// n - 1 - p): one pass over the draws instead of one per number.
std::vector<std::vector<int>> DrawnAt(const DrawStore& store, const Game& game, int n) {
    std::vector<std::vector<int>> drawnAt(game.pool);
    for (int p = 0; p < n; ++p) {
        const Draw& d = store[n - 1 - p];
        std::uint64_t seen = 0;
        for (int k = 0; k < game.perDraw; ++k) {
            const int v = d[k];
            if (v < 1 || v > game.pool || (seen >> v & 1)) continue;
            seen |= std::uint64_t{1} << v;
            drawnAt[v - 1].push_back(p);
        }
    }
    return drawnAt;
}

struct NumberSkips {
    std::int32_t last;
    std::int32_t median;
};

// Number x's lines: its skips in draw order, sorted, then their median, sum and average. A
// skip is the count of draws between two of the number's draws; the last one runs to the
// newest draw. `skips` is a buffer of MaxDraws + 1 entries.
NumberSkips AppendNumberSkips(std::vector<std::string>& lines, int x, const std::vector<int>& at,
                              int n, int pool, const StrategyRules& t, Lang lang,
                              std::vector<std::uint8_t>& skips) {
    lines.push_back(t.numberHeading(lang, x));
    const int hits = static_cast<int>(at.size());
    int stored = 0;
    std::int32_t sum = 0;
    std::string skipLine;
    for (int h = 1; h < hits; ++h) {
        const int closed = at[h] - at[h - 1] - 1;
        AppendInt(skipLine, closed);
        skipLine += ' ';
        sum += closed;
        skips[stored++] = static_cast<std::uint8_t>(closed);
    }
    const int last = hits > 0 ? n - 1 - at.back() : 0;
    AppendInt(skipLine, last);
    sum += last;
    skips[stored] = static_cast<std::uint8_t>(last);
    lines.push_back(skipLine);
    lines.push_back(t.sorted(lang));
    SortNumbers(skips.data(), hits);
    lines.push_back(NumbersToText(skips.data(), false, " ", hits, pool));
    const int median = hits % 2 == 1 ? skips[hits / 2] : skips[hits / 2] - 1;
    if (hits > 0) lines.push_back(t.skipFigures(lang, median, sum, FormatRatio(sum, hits, 2)));
    lines.emplace_back();
    return {last, median};
}

// The summary: the numbers by last skip with their last skips and medians, then by median.
// Returns the numbers by last skip.
std::vector<std::int32_t> AppendSkipSummary(std::vector<std::string>& lines,
                                            std::vector<std::int32_t>& order,
                                            const std::vector<std::int32_t>& lastSkips,
                                            std::vector<std::int32_t>& medians, int pool,
                                            const StrategyRules& t, Lang lang) {
    lines.push_back(t.probability50(lang));
    lines.push_back(t.probability75(lang));
    lines.emplace_back();
    lines.push_back(t.summaryHeading(lang));
    lines.push_back(PaddedLine(order.data(), pool, pool));
    lines.push_back(PaddedLine(lastSkips.data(), pool, pool));
    PermuteByNumbers(medians.data(), order.data(), pool);
    lines.push_back(PaddedLine(medians.data(), pool, pool));

    std::vector<std::int32_t> byLastSkip = order;
    SortByKeyDesc(medians.data(), order.data(), pool);
    lines.emplace_back();
    lines.push_back("Number/Skip Median:");
    lines.push_back(PaddedLine(order.data(), pool, pool));
    lines.push_back(PaddedLine(medians.data(), pool, pool));
    return byLastSkip;
}

} // namespace

CommandResult SkipStrategy(const DrawStore& store, const Edition& edition, int lastN, Lang lang) {
    const Game& game = edition.game;
    const StrategyRules& t = *edition.strategy;
    const int n = WindowOf(lastN, store);
    const int pool = game.pool;
    CommandResult r;
    r.lines.reserve(pool * 5 + 12);

    // One buffer for every number's skips; only the first hit-count entries are read.
    std::vector<std::uint8_t> skips(MaxDraws + 1, 0);
    std::vector<std::int32_t> lastSkips(pool, 0), medians(pool, 0), order(pool);
    OrderOneToPool(order.data(), pool);

    const auto drawnAt = DrawnAt(store, game, n);
    for (int x = 1; x <= pool; ++x) {
        const NumberSkips k =
            AppendNumberSkips(r.lines, x, drawnAt[x - 1], n, pool, t, lang, skips);
        // x still stands at its own position: the numbers after it are all at 0 so far.
        lastSkips[x - 1] = k.last;
        SortByKeyDesc(lastSkips.data(), order.data(), pool);
        medians[x - 1] = k.median;
    }
    std::vector<std::int32_t> byLastSkip =
        AppendSkipSummary(r.lines, order, lastSkips, medians, pool, t, lang);

    r.caption = Sentence{"Стратегия пропусков в последних %1 тиражах",
                         "Skip strategy in last %1 draws"}(lang, n);

    SortByKeyAsc(byLastSkip.data(), pool, lastSkips.data());
    ChartData chart;
    chart.yMax.reset();
    for (int x = 1; x <= pool; ++x) chart.values.push_back({1, x, double(lastSkips[x - 1])});
    chart.caption = BiText{"Последний пропуск", "Last skip's chart"}(lang);
    r.charts.push_back(std::move(chart));
    return r;
}

Prompt FrequencyStrategyPrompt(int drawCount, Lang lang) {
    const std::string n = std::to_string(drawCount);
    return {BiText{"Количество шаров, выпавших в последних тиражах",
                   "Amount of numbers appearance in last draws"}(lang),
            LastNPrompt(drawCount, lang), n};
}

FrequencyGroups FrequencyGroupsOf(const Edition& edition) {
    return {edition.strategy->g1, edition.strategy->g2, edition.strategy->g3};
}

TableResult FrequencyStrategy(const DrawStore& store, const Edition& edition, int lastN,
                              Lang lang) {
    const Game& game = edition.game;
    const StrategyRules& rules = *edition.strategy;
    const int dc = std::max(store.DrawCount, 0);
    const int n = WindowOf(lastN, store);
    const int pool = std::min(game.pool, MaxPool - 1);
    const FrequencyGroups groups = FrequencyGroupsOf(edition);
    const int g1End = groups.g1, g2End = groups.g1 + groups.g2;

    TableResult r;
    r.caption = Sentence{"Стратегия, основанная на частоте выпадений в %1 предыдущих тиражах",
                         "Lottery Strategy, Systems Based On Number Frequency of %1 previous "
                         "draws"}(lang, n);
    r.table.colCount = 12;
    const int width = rules.groupColumnWidth;
    r.table.columns = {{9, "G1", width, {}}, {10, "G2", width, {}}, {11, "G3", width, {}}};
    const int rows = rules.emptiesOldestRow ? dc : std::max(dc - 1, 0);
    std::array<std::shared_ptr<NumberColumn>, 3> values;
    for (int g = 0; g < 3; ++g) {
        values[g] = std::make_shared<NumberColumn>(static_cast<std::size_t>(rows));
        r.table.columns[g].cells = values[g];
    }
    if (width > 0)
        r.table.columns.push_back(
            {8, "", width, std::make_shared<NumberColumn>(static_cast<std::size_t>(dc))});

    // The window of draw i is i + 1 .. i + n (cut at the oldest draw); it moves one draw newer
    // per row, so the counts are kept running instead of recounted.
    std::array<int, MaxPool> counts{};
    std::array<int, MaxPerDraw> held{};
    auto add = [&](int index, int by) {
        const int k = HeldNumbers(store[index], game, held);
        for (int j = 0; j < k; ++j) counts[held[j]] += by;
    };
    for (int i = dc - 2; i >= 0; --i) {
        add(i + 1, +1);
        if (i + n + 1 <= dc - 1) add(i + n + 1, -1);
        // A number's rank: those counted more, then those counted as often with a lower number.
        int inGroup[3] = {0, 0, 0};
        const Draw& d = store[i];
        for (int p = 0; p < game.perDraw; ++p) {
            const int v = d[p];
            if (v < 1 || v > pool) continue;
            int rank = 0;
            for (int u = 1; u <= pool; ++u)
                rank += counts[u] > counts[v] || (counts[u] == counts[v] && u < v);
            ++inGroup[rank < g1End ? 0 : rank < g2End ? 1 : 2];
        }
        for (int g = 0; g < 3; ++g) values[g]->Set(i, inGroup[g]);
    }
    return r;
}

Prompt FreqAnalysePrompt(int drawCount, Lang lang) {
    const std::string n = std::to_string(drawCount);
    return {BiText{"Частотный анализ в последних тиражах", "Frequency Analyse in last draws"}(lang),
            Sentence{"Введите число полседних тиражей, 1..%1",
                     "Enter number of last draws 1..%1"}(lang, n),
            n};
}

CommandResult FreqAnalyse(const DrawStore& store, const Game& game, int lastN, Lang lang) {
    const int n = WindowOf(lastN, store);
    const int pool = std::min(game.pool, MaxPool - 1);
    // followers[x][y]: how often y was in the draw after one holding x, all numbers at once.
    std::vector<std::array<std::int32_t, MaxPool>> followers(pool + 1);
    for (auto& f : followers) f.fill(0);
    std::array<int, MaxPerDraw> held{};
    for (int d = n - 1; d >= 1; --d) {
        const int k = HeldNumbers(store[d], game, held);
        const Draw& newer = store[d - 1];
        for (int j = 0; j < k; ++j)
            for (int p = 0; p < game.perDraw; ++p)
                if (newer[p] >= 1 && newer[p] <= pool) ++followers[held[j]][newer[p]];
    }

    CommandResult r;
    r.lines.push_back(BiText{"Номер/Частота", "Number/Frequency"}(lang));
    r.lines.emplace_back();
    std::vector<std::int32_t> counters(pool), order(pool);
    for (int x = 1; x <= pool; ++x) {
        r.lines.push_back(Sentence{"Номер %1:", "Number %1:"}(lang, x));
        std::copy(followers[x].begin() + 1, followers[x].begin() + 1 + pool, counters.begin());
        OrderOneToPool(order.data(), pool);
        SortByKeyDesc(counters.data(), order.data(), pool);
        r.lines.push_back(IntsToText(order.data(), pool, " ", true, game.pool));
        r.lines.push_back(IntsToText(counters.data(), pool, " ", true, game.pool));
        r.lines.emplace_back();
    }
    r.caption = Sentence{"Частотный анализ в последних %1 тиражах",
                         "Frequency Analyse in last %1 draws"}(lang, n);
    return r;
}

} // namespace core
