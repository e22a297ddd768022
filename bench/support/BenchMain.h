#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <malloc.h>

namespace bench_support {

// Keeps freed memory in the process, so repeated runs of a command with a large result time
// the work and not the first-touch page faults of memory handed back after every run, which a
// running program does not pay per command. BENCH_PLAIN_MALLOC=1 keeps the allocator's defaults.
inline void KeepFreedMemory() {
    if (std::getenv("BENCH_PLAIN_MALLOC")) return;
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
}

// Runs the registered benchmarks with a headless application, as the windows need one.
inline int RunBenchmarks(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench_support
