#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Benchmarks that time a piece of work and its baseline in the same iteration report the median
// of their per-iteration ratios: drift in the machine's speed between two separate benchmarks
// leaves such a median standing.
namespace BrisBench {

// Times one call of run in milliseconds.
template <class TRun> double Milliseconds(TRun run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// The median of values, which it reorders; 0 for none.
inline double MedianOf(std::vector<double>& values) {
  if (values.empty()) {
    return 0;
  }
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

} // namespace BrisBench
