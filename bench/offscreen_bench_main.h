#pragma once
// The main of a benchmark program that needs a Qt application: headless unless a platform
// is chosen, then Google Benchmark's usual run.

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace kestrelon {

template <typename Application> int runOffscreenBenchmarks(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace kestrelon
