#pragma once

#include <string>
#include <vector>

namespace answerbook::bench {

// One row of the table: a median measured next to the median of what it is
// compared with, both taken in the same run, turn and turn about.
struct Figure {
  std::string name;
  double value = 0;
  std::string against;
  double baseline = 0;
  std::string unit;  // "ms", "us" or "MiB"
  double limit = 0;  // the most the ratio may be; 0 when the figure only informs
  std::string failure;  // set when the figure could not be measured

  double ratio() const { return baseline > 0 ? value / baseline : 0; }
  bool measured() const { return failure.empty(); }
  bool holds() const { return measured() && (limit <= 0 || ratio() <= limit); }
};

// Prints the figures as a Markdown table (so that it goes into the README
// as it is) and tells whether every one was measured and within its limit.
bool printTable(const std::vector<Figure>& figures);

}  // namespace answerbook::bench
