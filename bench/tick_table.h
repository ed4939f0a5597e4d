#pragma once

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace answerbook::bench {

using Clock = std::chrono::steady_clock;

// The duration of every tick of one run, in microseconds.
using Ticks = std::vector<double>;

// The mean of ticks `first` to `last`, counted from 1.
inline double meanOf(const Ticks& ticks, std::size_t first, std::size_t last) {
  double sum = 0;
  for (std::size_t i = first - 1; i < last; ++i) sum += ticks[i];
  return sum / static_cast<double>(last - first + 1);
}

// One row of the table: how much a tick costs early on and late in a run.
// A figure holds when the late mean is at most `limit` times the early one.
struct Figure {
  std::string name;
  double early = 0;  // microseconds
  double late = 0;
  double limit = 0;

  double ratio() const { return late / early; }
  bool holds() const { return ratio() <= limit; }
};

// Prints the table, means in microseconds, and tells whether every figure
// holds.
inline bool printTable(const std::string& earlyTicks, const std::string& lateTicks,
                       const std::vector<Figure>& figures) {
  std::printf("%-44s %20s %20s %7s %7s\n", "figure", ("ticks " + earlyTicks).c_str(),
              ("ticks " + lateTicks).c_str(), "ratio", "limit");
  bool all = true;
  for (const Figure& f : figures) {
    std::printf("%-44s %17.2f us %17.2f us %7.3f %7.2f  %s\n", f.name.c_str(), f.early, f.late, f.ratio(),
                f.limit, f.holds() ? "ok" : "TOO SLOW");
    all = all && f.holds();
  }
  return all;
}

}  // namespace answerbook::bench
