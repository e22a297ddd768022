#include "core/FrequencyCommands.h"

#include "core/BiText.h"
#include "core/CountTables.h"
#include "core/Format.h"
#include "core/NumberRoutines.h"
#include "core/NumberWriter.h"
#include "core/Sentence.h"

#include <algorithm>
#include <cstdint>

namespace core {

namespace {

int Within(int n, const DrawStore& store) {
    return std::clamp(n, 0, std::max(store.DrawCount, 0));
}

bool InPool(int v, const Game& game) {
    return v >= 1 && v <= game.pool;
}

// A bar per counter: series 1, point k + 1.
ChartData CountsChart(const Counts& counts, double yMax) {
    ChartData chart;
    for (std::size_t k = 0; k < counts.size(); ++k)
        AddChartValue(chart, 1, static_cast<int>(k) + 1, counts[k]);
    chart.yMax = yMax;
    return chart;
}

} // namespace

std::string StatisticsPromptCaption(Lang lang) {
    return BiText{"Статистика последних тиражей", "Statistics of last draws"}(lang);
}

std::string FrequencyPromptCaption(Lang lang) {
    return BiText{"Количиство выпадений в последних тиражах",
                  "Amount of numbers appearance in last draws"}(lang);
}

FrequencyPromptTexts FrequencyPrompt(const Edition& edition, int drawCount, Lang lang) {
    const FrequencyTexts& t = *edition.frequency;
    return {t.frequencyPromptCaption(lang), t.frequencyPrompt(lang, drawCount), t.frequencyAnswer};
}

CommandResult StatisticsCommand(const DrawStore& store, const Edition& edition, int n, Lang lang) {
    const Game& game = edition.game;
    const FrequencyTexts& t = *edition.frequency;
    n = Within(n, store);
    Counts c(game.pool, 0);
    for (int i = 0; i < n; ++i)
        for (int k = 0; k < game.perDraw; ++k)
            if (InPool(store[i][k], game)) ++c[store[i][k] - 1];
    CommandResult r;
    r.caption = t.statisticsCaption(lang, n);
    r.lines = LevelLines(c, true, game.pool);
    r.charts.push_back(CountsChart(c, 1000));
    return r;
}

CommandResult DeltaCommand(const DrawStore& store, const Edition& edition, int n, Lang lang) {
    const Game& game = edition.game;
    n = Within(n, store);
    Counts c(game.pool, 0);
    for (int i = 0; i < n; ++i)
        for (int k = 0; k + 1 < game.perDraw; ++k) {
            const int d = std::abs(store[i][k] - store[i][k + 1]);
            if (InPool(d, game)) ++c[d - 1];
        }
    CommandResult r;
    r.caption = Sentence{"Статистика: Дельта - промежутки в последних %1 тиражах",
                         "Statistics - Delta Spans for last %1 games"}(lang, n);
    r.lines = LevelLines(c, false, game.pool);
    r.charts.push_back(CountsChart(c, 1000));
    return r;
}

CommandResult AverageCommand(const DrawStore& store, const Edition& edition, int n, Lang lang) {
    const Game& game = edition.game;
    n = Within(n, store);
    std::vector<long long> s(game.perDraw, 0);
    for (int i = 0; i < n; ++i)
        for (int p = 0; p < game.perDraw; ++p) s[p] += store[i][p];
    std::vector<long long> m(game.perDraw, 0);
    // An empty store leaves n at 0: every average is then 0.
    if (n > 0)
        for (int p = 0; p < game.perDraw; ++p) m[p] = RoundEven(static_cast<long double>(s[p]) / n);

    CommandResult r;
    r.caption =
        Sentence{"Среднее значение выпавших номеров для 1..%1 позиции в последних %2 тиражах",
                 "Average numbers for 1..%1 positions of last %2 draws"}(lang, game.perDraw, n);
    std::string all;
    for (int p = 0; p < game.perDraw; ++p) {
        r.lines.push_back(std::to_string(p + 1) + ": " + std::to_string(m[p]));
        all += std::to_string(m[p]) + " ";
    }
    r.lines.push_back("");
    r.lines.push_back(all);
    ChartData chart;
    for (int p = 0; p < game.perDraw; ++p)
        AddChartValue(chart, p + 1, p + 1, static_cast<double>(m[p]));
    chart.yMax = 1000;
    r.charts.push_back(std::move(chart));
    return r;
}

CommandResult ColdNumbersCommand(const DrawStore& store, const Edition& edition, Lang lang) {
    const Game& game = edition.game;
    const FrequencyTexts& t = *edition.frequency;
    const int count = std::max(store.DrawCount, 0);
    Counts last(game.pool, count);
    std::vector<bool> seen(game.pool, false);
    int left = game.pool;
    for (int i = 0; i < count && left > 0; ++i)
        for (int k = 0; k < game.perDraw; ++k) {
            const int v = store[i][k];
            if (InPool(v, game) && !seen[v - 1]) {
                seen[v - 1] = true;
                last[v - 1] = i;
                --left;
            }
        }

    CommandResult r;
    r.caption = t.coldCaption(lang);
    r.lines.reserve(static_cast<std::size_t>(game.pool) + 4);
    const int width = IntDigits(game.pool);
    for (int k = 0; k < game.pool; ++k) {
        std::string& line = r.lines.emplace_back();
        AppendPadded(line, k + 1, width);
        line += ':';
        AppendInt(line, last[k]);
    }
    r.lines.push_back("");
    r.lines.push_back(t.coldSortedTitle(lang));
    auto sorted = SortedByCount(last, game.pool);
    r.lines.push_back(std::move(sorted.numbers));
    r.lines.push_back(std::move(sorted.counts));
    ChartData chart = CountsChart(last, 255);
    chart.header = t.coldChartHeader(lang);
    r.charts.push_back(std::move(chart));
    return r;
}

CommandResult FrequencyCommand(const DrawStore& store, const Edition& edition, int n, Lang lang) {
    const Game& game = edition.game;
    const FrequencyTexts& t = *edition.frequency;
    n = Within(n, store);
    Counts h(game.pool, 0);
    for (int i = 0; i < n; ++i) {
        // A draw counts once for a number, as the membership test does.
        std::uint64_t held = 0;
        for (int k = 0; k < game.perDraw; ++k)
            if (InPool(store[i][k], game)) held |= std::uint64_t{1} << (store[i][k] - 1);
        for (; held != 0; held &= held - 1) ++h[__builtin_ctzll(held)];
    }

    CommandResult r;
    r.caption = t.frequencyCaption(lang, n);
    long long total = 0;
    r.lines.reserve(static_cast<std::size_t>(game.pool) + 4);
    const int width = IntDigits(game.pool);
    for (int k = 0; k < game.pool; ++k) {
        std::string& line = r.lines.emplace_back();
        AppendPadded(line, k + 1, width);
        line += ": ";
        AppendInt(line, h[k]);
        total += h[k];
    }
    r.lines.push_back("");
    r.lines.push_back(t.frequencySortedTitle(lang));
    auto sorted = SortedByCount(h, game.pool);
    r.lines.push_back(std::move(sorted.numbers));
    r.lines.push_back(std::move(sorted.counts));
    r.lines.push_back("");
    r.lines.push_back(
        Sentence{"Среднее: %1", "Average: %1"}(lang, FormatRatio(total, game.pool, 2)));
    ChartData chart = CountsChart(h, 255);
    chart.header = t.frequencyChartHeader(lang);
    r.charts.push_back(std::move(chart));
    return r;
}

CommandResult FreqA1A6Command(const DrawStore& store, const Edition& edition, int n, Lang lang) {
    const Game& game = edition.game;
    const FrequencyTexts& t = *edition.frequency;
    n = Within(n, store);
    CommandResult r;
    r.caption = t.positionsCaption(lang, n);
    std::vector<std::string> summary;
    for (int p = 0; p < game.perDraw; ++p) {
        Counts at(game.pool, 0);
        for (int i = 0; i < n; ++i)
            if (InPool(store[i][p], game)) ++at[store[i][p] - 1];
        std::string line = "A";
        line += std::to_string(p + 1);
        line += ": ";
        for (int k = 0; k < game.pool; ++k)
            line += at[k] == 0 ? std::string("__ ") : ZeroPad(at[k], game.pool) + " ";
        line.pop_back();
        summary.push_back(std::move(line));

        r.lines.push_back("");
        r.lines.push_back(t.positionsTitle(lang, p + 1));
        auto sorted = SortedByCount(at, game.pool);
        r.lines.push_back(std::move(sorted.numbers));
        r.lines.push_back(std::move(sorted.counts));
    }
    r.lines.push_back("");
    r.lines.push_back("");
    std::string header = "       ";
    for (int k = 1; k <= game.pool; ++k) header += ZeroPad(k, game.pool) + " ";
    r.lines.push_back(std::move(header));
    for (auto& line : summary) r.lines.push_back(std::move(line));
    return r;
}

} // namespace core
