#pragma once

#include "core/TColor.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace core {

// What a command hands to the chart window, in the order the window applies it:
// ClearGraph, SetHeader, SetSchemeColor, SetValue for each point, SetYRange, AutoScale.
struct ChartData {
    std::optional<std::string> header;
    struct SchemeColor {
        int series;
        int point;
        TColor color;
    };
    std::vector<SchemeColor> schemeColors;
    struct Value {
        int series;
        int point;
        double value;
    };
    std::vector<Value> values;
    std::optional<double> yMax = 1000; // SetYRange(yMax, yMin); none: left out
    double yMin = 0;
    bool autoScale = true;
    // Caption of the chart window; empty means the text window's caption read back.
    std::string caption;
    // A per-draw series that the window pages through, 100 values a page: element k - 1 is
    // the value of draw number k. When set, values is empty.
    std::optional<std::vector<std::int32_t>> paged;
};

// The first index of the page that ends with the newest draw: a multiple of 100.
inline int LastPageFirst(const ChartData& chart) {
    return chart.paged ? static_cast<int>(chart.paged->size()) / 100 * 100 : 0;
}

// One page of a paged series as chart values: draw number k at point k - first, for
// k = first .. the newest draw (point 0 is none).
inline ChartData SeriesPage(const ChartData& chart, int first) {
    ChartData page = chart;
    page.paged.reset();
    page.values.clear();
    if (!chart.paged) return page;
    const int count = static_cast<int>(chart.paged->size());
    for (int k = std::max(first + 1, 1); k <= count && k - first <= 100; ++k)
        page.values.push_back({1, k - first, static_cast<double>((*chart.paged)[k - 1])});
    return page;
}

// The result of one command: the text window's caption and lines, then its charts.
struct CommandResult {
    std::string caption;
    std::vector<std::string> lines;
    std::vector<ChartData> charts;
};

} // namespace core
