#include "peak_memory.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "timing.h"

namespace answerbook::bench {
namespace {

constexpr int kRuns = 3;

// Runs a command line and reads the KiB it prints.
double peakMiB(const std::string& command) {
  FILE* out = ::popen(("QT_QPA_PLATFORM=offscreen " + command).c_str(), "r");
  if (out == nullptr) throw std::runtime_error("cannot run " + command);
  long kib = -1;
  const int read = std::fscanf(out, "%ld", &kib);
  if (::pclose(out) != 0 || read != 1 || kib <= 0) throw std::runtime_error(command + " gave no peak");
  return static_cast<double>(kib) / 1024.0;
}

std::string quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace

Figure peakMemoryFigure(const std::string& examRun, const std::string& minimalProgram, const std::string& scratch) {
  Figure figure{"peak memory after a complete exam run", 0, "minimal Qt program showing one input box", 0, "MiB", 0,
                {}};
  try {
    std::vector<double> exam, minimal;
    for (int i = 0; i < kRuns; ++i) {
      exam.push_back(peakMiB(quoted(examRun) + " " + quoted(scratch)));
      minimal.push_back(peakMiB(quoted(minimalProgram) + " --peak"));
    }
    figure.value = median(exam);
    figure.baseline = median(minimal);
  } catch (const std::exception& e) {
    figure.failure = e.what();
  }
  return figure;
}

}  // namespace answerbook::bench
