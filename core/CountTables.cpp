#include "core/CountTables.h"

#include "core/NumberRoutines.h"
#include "core/NumberWriter.h"

#include <algorithm>

namespace core {

std::vector<std::string> LevelLines(const Counts& counts, bool pad, int reference) {
    const auto text = [&](long long v) { return pad ? ZeroPad(v, reference) : std::to_string(v); };
    std::vector<std::string> lines;
    std::int32_t level = 0;
    for (int j = 0; j < 100; ++j) {
        // Level 0 is the largest counter; then the largest one strictly below the previous.
        std::int32_t next = 0;
        bool found = false;
        for (auto c : counts)
            if ((j == 0 || c < level) && (!found || c > next)) {
                next = c;
                found = true;
            }
        level = found ? std::max(next, 0) : 0;
        std::string line = text(level) + ":";
        for (std::size_t k = 0; k < counts.size(); ++k)
            if (counts[k] == level) {
                line += ' ';
                line += text(static_cast<long long>(k) + 1);
            }
        lines.push_back(std::move(line));
        if (level == 0) break;
    }
    return lines;
}

SortedLines SortedByCount(const Counts& counts, int reference) {
    Counts keys = counts;
    std::vector<std::int32_t> partners(counts.size());
    for (std::size_t k = 0; k < partners.size(); ++k)
        partners[k] = static_cast<std::int32_t>(k + 1);
    SortByKeyDesc(keys.data(), partners.data(), static_cast<int>(keys.size()));
    SortedLines out;
    const int width = IntDigits(reference);
    for (std::size_t k = 0; k < keys.size(); ++k) {
        AppendPadded(out.numbers, partners[k], width);
        out.numbers += ' ';
        AppendPadded(out.counts, keys[k], width);
        out.counts += ' ';
    }
    return out;
}

void AddChartValue(ChartData& chart, int series, int point, double value) {
    if (point < 1 || point > ChartPointLimit) return;
    chart.values.push_back({series, point, value});
}

} // namespace core
