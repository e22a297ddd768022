#pragma once

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

} // namespace bench_support
