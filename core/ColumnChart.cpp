#include "core/ColumnChart.h"

#include "core/Format.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace core {

namespace {

inline constexpr int kChartPoints = 100;

// take(r, value) for the filled cells of rows 1..rows; the first cell that is not a number ends
// the reading, and its message is returned (empty when every cell read).
template <class Take>
std::string ReadColumn(const std::vector<std::string>& cells, int rows, Take take) {
    for (int r = 1; r <= rows; ++r) {
        const std::string& text = cells[r - 1];
        if (text.empty()) continue;
        const auto v = ReadReal(text);
        if (!v) return RealConversionMessage(text);
        take(r, *v);
    }
    return {};
}

} // namespace

std::optional<double> ReadReal(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return v;
}

std::string RealConversionMessage(const std::string& text) {
    return "'" + text + "' is not a valid floating point value";
}

ColumnChartOutcome ColumnChart(const std::vector<std::string>& cells, const std::string& header) {
    ColumnChartOutcome out;
    ChartData chart;
    chart.caption = header;
    const int rowCount = static_cast<int>(cells.size()) + 1;
    out.error = ReadColumn(cells, rowCount - 1, [&](int r, double v) {
        const int point = rowCount - r;
        if (point <= kChartPoints) chart.values.push_back({1, point, v});
    });
    if (!out.error.empty()) return out;
    chart.yMax = 1000;
    chart.yMin = 0;
    chart.autoScale = true;
    out.chart = std::move(chart);
    return out;
}

ColumnChartOutcome PagedColumnChart(const std::vector<std::string>& cells,
                                    const std::string& header, int drawCount) {
    ColumnChartOutcome out;
    const int rows = std::clamp(drawCount, 0, static_cast<int>(cells.size()));
    std::vector<std::int32_t> series(std::max(drawCount, 0), 0);
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    out.error = ReadColumn(cells, rows, [&](int r, double v) {
        series[drawCount - r] = static_cast<std::int32_t>(RoundEven(std::clamp(v, lo, hi)));
    });
    if (!out.error.empty()) return out;
    ChartData chart;
    chart.caption = header;
    chart.pagedSeries = std::move(series);
    out.chart = std::move(chart);
    return out;
}

} // namespace core
