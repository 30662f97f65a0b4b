#pragma once

// What the benchmarks share: the median of the timed samples and a main
// that runs Google Benchmark.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace km62rx::bench {

inline double Median(std::vector<double>& samples) {
  if (samples.empty())
    return 0;
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

inline int RunBenchmarks(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace km62rx::bench
