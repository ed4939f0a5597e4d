#pragma once

#include <fstream>
#include <string>

namespace answerbook::bench {

// The most resident memory this process has had so far, in KiB (VmHWM).
inline long peakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long kib = 0;
  while (status >> key) {
    if (key == "VmHWM:") {
      status >> kib;
      return kib;
    }
    status.ignore(4096, '\n');
  }
  return -1;
}

}  // namespace answerbook::bench
