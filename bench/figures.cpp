#include "figures.h"

#include <cstdio>

namespace answerbook::bench {
namespace {

std::string amount(double value, const std::string& unit) {
  char text[64];
  const char* format = value >= 100 ? "%.0f %s" : value >= 10 ? "%.1f %s" : "%.2f %s";
  std::snprintf(text, sizeof text, format, value, unit.c_str());
  return text;
}

std::string number(const char* format, double value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

bool printTable(const std::vector<Figure>& figures) {
  std::printf("| figure | median | against | median | ratio | target | |\n");
  std::printf("|---|---:|---|---:|---:|---:|---|\n");
  bool all = true;
  for (const Figure& f : figures) {
    if (!f.measured()) {
      std::printf("| %s | | %s | | | | NOT MEASURED: %s |\n", f.name.c_str(), f.against.c_str(), f.failure.c_str());
      all = false;
      continue;
    }
    const std::string target = f.limit > 0 ? "<= " + number("%.2g", f.limit) : "-";
    const char* verdict = f.limit <= 0 ? "" : f.holds() ? "ok" : "MISSED";
    std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", f.name.c_str(), amount(f.value, f.unit).c_str(),
                f.against.c_str(), amount(f.baseline, f.unit).c_str(), number("%.2f", f.ratio()).c_str(),
                target.c_str(), verdict);
    all = all && f.holds();
  }
  std::fflush(stdout);
  return all;
}

}  // namespace answerbook::bench
