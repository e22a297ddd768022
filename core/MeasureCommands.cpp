#include "core/MeasureCommands.h"

#include "core/BiText.h"
#include "core/CountTables.h"
#include "core/Format.h"
#include "core/GridColumns.h"
#include "core/NumberWriter.h"
#include "core/NumberRoutines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace core {

PerDrawChart::PerDrawChart(const Edition& edition, int drawCount) {
    if (edition.measures->pagedCharts)
        chart_.pagedSeries.emplace(std::max(drawCount, 0), 0);
    else
        chart_.values.reserve(static_cast<std::size_t>(std::clamp(drawCount, 0, ChartPointLimit)));
}

void PerDrawChart::Set(int drawNumber, std::int32_t value) {
    if (chart_.pagedSeries) {
        auto& series = *chart_.pagedSeries;
        if (drawNumber >= 1 && drawNumber <= static_cast<int>(series.size()))
            series[drawNumber - 1] = value;
    } else if (drawNumber >= 1 && drawNumber <= ChartPointLimit) {
        // Checked here too: most draws of a long history fall outside and need no call.
        AddChartValue(chart_, 1, drawNumber, value);
    }
}

void PerDrawChart::SetReal(int drawNumber, double value) {
    AddChartValue(chart_, 1, drawNumber, value);
}

ChartData PerDrawChart::Take(std::optional<double> yMax) {
    chart_.yMax = yMax;
    return std::move(chart_);
}

Characteristic DrawCharacteristic(const Draw& draw, int perDraw) {
    int row[MaxPerDraw];
    int width = std::clamp(perDraw, 2, MaxPerDraw);
    for (int k = 0; k < width; ++k) row[k] = draw[k];
    // Rows of neighbour differences until two values (b0, b1) are left.
    while (width > 2) {
        for (int k = 0; k + 1 < width; ++k) row[k] = std::abs(row[k] - row[k + 1]);
        --width;
    }
    return {std::abs(row[0] - row[1]), row[0] + row[1], row[0]};
}

namespace {

// "N: top", "N: 1 (sum)" or "N: 0 (sum) (left)" per draw, newest first: made on demand.
class CharacterLines final : public LineSource {
public:
    explicit CharacterLines(std::vector<Characteristic> values)
        : values_(std::move(values)), width_(IntDigits(static_cast<int>(values_.size()))) {
        MeasureLines();
    }
    std::size_t Count() const override { return values_.size(); }
    std::size_t LineBytes(std::size_t i) const override {
        const Characteristic& c = values_[i];
        std::size_t n = static_cast<std::size_t>(width_) + 2;
        if (c.top == 1) return n + 3 + IntDigits(c.pairSum) + 1;
        if (c.top == 0) return n + 3 + IntDigits(c.pairSum) + 3 + IntDigits(c.left) + 1;
        return n + IntDigits(c.top);
    }
    void Write(std::size_t i, std::string& out) const override {
        const Characteristic& c = values_[i];
        out.clear();
        AppendPadded(out, static_cast<int>(values_.size() - i), width_);
        out += ": ";
        if (c.top == 1) {
            out += "1 (";
            AppendInt(out, c.pairSum);
            out += ')';
        } else if (c.top == 0) {
            out += "0 (";
            AppendInt(out, c.pairSum);
            out += ") (";
            AppendInt(out, c.left);
            out += ')';
        } else {
            AppendInt(out, c.top);
        }
    }

private:
    std::vector<Characteristic> values_;
    int width_;
};

} // namespace

CommandResult CharacterCommand(const DrawStore& store, const Edition& edition, Lang lang) {
    const Game& game = edition.game;
    const int count = std::max(store.DrawCount, 0);
    PerDrawChart chart(edition, count);
    CommandResult r;
    r.caption = BiText{"Характеристическое число", "Characteristic number"}(lang);
    std::vector<Characteristic> values(count);
    for (int i = 0; i < count; ++i) {
        values[i] = DrawCharacteristic(store[i], game.perDraw);
        chart.Set(count - i, values[i].top);
    }
    r.source = std::make_shared<CharacterLines>(std::move(values));
    r.charts.push_back(chart.Take(edition.measures->characterYMax));
    return r;
}

std::vector<Run> GroupRuns(const std::vector<int>& sorted) {
    std::vector<Run> runs;
    for (int v : sorted) {
        if (runs.empty() || runs.back().value != v) runs.push_back({v, 0});
        ++runs.back().length;
    }
    return runs;
}

namespace {

// "N:sum" per draw, newest first, N zero-padded to the draw count's width: made on demand.
class CheckSumLines final : public LineSource {
public:
    explicit CheckSumLines(std::vector<int> sums)
        : sums_(std::move(sums)), width_(IntDigits(static_cast<int>(sums_.size()))) {
        MeasureLines();
    }
    std::size_t Count() const override { return sums_.size(); }
    std::size_t LineBytes(std::size_t i) const override {
        return static_cast<std::size_t>(width_) + 1 + IntDigits(sums_[i]);
    }
    void Write(std::size_t i, std::string& out) const override {
        out.clear();
        AppendPadded(out, static_cast<int>(sums_.size() - i), width_);
        out += ':';
        AppendInt(out, sums_[i]);
    }

private:
    std::vector<int> sums_;
    int width_;
};

} // namespace

CommandResult CheckSumCommand(const DrawStore& store, const Edition& edition, Lang lang) {
    const Game& game = edition.game;
    const int count = std::max(store.DrawCount, 0);
    std::vector<int> sums(count);
    for (int i = 0; i < count; ++i)
        for (int k = 0; k < game.perDraw; ++k) sums[i] += store[i][k];

    CommandResult r;
    r.caption = edition.measures->checkSumCaption(lang);
    PerDrawChart perDraw(edition, count);
    for (int i = 0; i < count; ++i) perDraw.Set(count - i, sums[i]);
    r.charts.push_back(perDraw.Take(255));

    // The runs of equal sums in ascending order, counted rather than sorted (a sum is at most
    // 255 per number).
    std::vector<int> tally(static_cast<std::size_t>(MaxPerDraw) * 255 + 1);
    for (int v : sums) ++tally[static_cast<std::size_t>(v)];
    std::vector<Run> runs;
    for (std::size_t v = 0; v < tally.size(); ++v)
        if (tally[v] > 0) runs.push_back({static_cast<int>(v), tally[v]});
    r.source = std::make_shared<CheckSumLines>(std::move(sums));

    ChartData distribution;
    distribution.schemeColors = {{1, 1, 0x00FF00}, {1, 2, 0xFF00FF}};
    for (std::size_t g = 0; g < runs.size(); ++g) {
        const int point = static_cast<int>(g) + 1;
        AddChartValue(distribution, 1, point, runs[g].length * 25.0);
        AddChartValue(distribution, 2, point, runs[g].value);
    }
    distribution.yMax = 255;
    distribution.caption = BiText{"Распределение", "Distribution"}(lang);
    r.charts.push_back(std::move(distribution));
    return r;
}

double StrToFloat(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string::npos) throw FloatConversionError(text);
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+') ++begin; // from_chars takes no plus sign
    double value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end || begin == end || !std::isfinite(value))
        throw FloatConversionError(text);
    return value;
}

std::optional<ChartData> ColumnChart(int col, const std::vector<std::string>& cells,
                                     const Edition& edition) {
    if (!ChartsColumn(MainGridTable(), col, edition.game)) return std::nullopt;
    const int rowCount = static_cast<int>(cells.size());
    if (edition.measures->refuseEmptyHeader && (rowCount == 0 || cells[0].empty()))
        return std::nullopt;
    const bool paged = edition.measures->pagedCharts;
    PerDrawChart perDraw(edition, std::max(rowCount - 1, 0));
    for (int row = 1; row < rowCount; ++row) {
        if (cells[row].empty()) continue;
        // Every cell is read, so a bad one is reported even outside the charted draws.
        const double value = StrToFloat(cells[row]);
        if (paged)
            perDraw.Set(rowCount - row,
                        static_cast<std::int32_t>(RoundEven(std::clamp(value, -2e9, 2e9))));
        else
            perDraw.SetReal(rowCount - row, value);
    }
    ChartData chart = perDraw.Take(1000);
    chart.caption = rowCount > 0 ? cells[0] : std::string();
    return chart;
}

} // namespace core
