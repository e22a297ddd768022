#pragma once

#include "core/CommandResult.h"

#include <algorithm>
#include <fstream>
#include <string>

namespace bench_support {

// A figure of /proc/self/status (VmRSS, VmHWM) in MB.
inline double StatusMB(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::stod(line.substr(line.find(':') + 1)) / 1024.0;
    return 0;
}

// A result's text in MB, a line end counted per line, whether it was written out or is made on
// demand.
inline double TextMB(const core::CommandResult& r) {
    double bytes = 0;
    if (r.source) bytes = static_cast<double>(r.source->TextBytes() + r.source->Count());
    for (const auto& l : r.lines) bytes += static_cast<double>(l.size()) + 1;
    return bytes / (1024.0 * 1024.0);
}

// Writes lines [first, first + count) of a result as the text window does when they come on
// screen or are copied; returns their bytes.
inline std::size_t WriteLines(const core::CommandResult& r, std::size_t first, std::size_t count) {
    std::size_t bytes = 0;
    if (r.source) {
        std::string line;
        const std::size_t total = r.source->Count();
        const std::size_t end = first >= total ? first : first + std::min(count, total - first);
        for (std::size_t i = first; i < end; ++i) {
            r.source->Write(i, line);
            bytes += line.size() + 1;
        }
    } else {
        for (std::size_t i = first; i < r.lines.size() && i - first < count; ++i)
            bytes += r.lines[i].size() + 1;
    }
    return bytes;
}

// Lines one screen of the text window shows.
inline constexpr std::size_t ScreenLines = 40;

} // namespace bench_support
