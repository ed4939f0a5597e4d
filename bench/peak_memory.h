#pragma once

#include <string>

#include "figures.h"

namespace answerbook::bench {

// The peak memory of a process that ran a complete exam in the real window,
// against that of the minimal Qt program showing its input box; both
// offscreen, each started afresh.
Figure peakMemoryFigure(const std::string& examRun, const std::string& minimalProgram, const std::string& scratch);

}  // namespace answerbook::bench
