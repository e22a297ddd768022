#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace bench_support {

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
