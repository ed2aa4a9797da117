// neonvine-bench: the headless geometry benchmarks; with --frames also
// whole frames in a real window (run it under X, e.g. Xvfb at 3840x2160),
// and with --shots DIR the last frame of each of those as a PNG.
#include "WholeFrameBench.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

// Removes argv[i] and the n arguments after it.
void drop(int& argc, char** argv, int i, int n) {
    for (int k = i; k + n + 1 <= argc; ++k) argv[k] = argv[k + n + 1];
    argc -= n + 1;
}

}  // namespace

int main(int argc, char** argv) {
    bool frames = false;
    std::string shots;
    for (int i = 1; i < argc;) {
        if (std::strcmp(argv[i], "--frames") == 0) {
            frames = true;
            drop(argc, argv, i, 0);
        } else if (std::strcmp(argv[i], "--shots") == 0 && i + 1 < argc) {
            shots = argv[i + 1];
            drop(argc, argv, i, 1);
        } else {
            ++i;
        }
    }
    if (frames) registerWholeFrames(shots);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
