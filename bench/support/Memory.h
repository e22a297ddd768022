#pragma once

#include "core/CommandResult.h"

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

} // namespace bench_support
