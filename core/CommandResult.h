#pragma once

#include "core/LineSource.h"
#include "core/TColor.h"

#include <cstdint>
#include <memory>
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
    // A series over every draw, (*pagedSeries)[d - 1] the value of draw number d: the chart
    // window shows it as series 1 a page of 100 draws at a time.
    std::optional<std::vector<std::int32_t>> pagedSeries;
    std::optional<double> yMax = 1000; // SetYRange(yMax, yMin); none: left out
    double yMin = 0;
    bool autoScale = true;
    // Caption of the chart window; empty means the text window's caption read back.
    std::string caption;
};

// The result of one command: the text window's caption and lines, then its charts. A result
// too large to write out gives its lines as a source instead, and leaves `lines` empty.
struct CommandResult {
    std::string caption;
    std::vector<std::string> lines;
    std::shared_ptr<const LineSource> source;
    std::vector<ChartData> charts;
};

// Every line of the result, written out.
inline std::vector<std::string> AllLines(const CommandResult& r) {
    return r.source ? r.source->Lines() : r.lines;
}

} // namespace core
