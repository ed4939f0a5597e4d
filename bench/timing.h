#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

namespace answerbook::bench {

using Clock = std::chrono::steady_clock;

inline double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Times one call of `work`, in milliseconds.
template <class Work>
double timeMs(Work&& work) {
  const auto start = Clock::now();
  work();
  return millisecondsSince(start);
}

// The median of the figures of repeated runs: one busy moment of the
// machine spoils a mean, never a median.
inline double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t mid = values.size() / 2;
  return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace answerbook::bench
