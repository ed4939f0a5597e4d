#pragma once

#include <string>

#include "figures.h"

namespace answerbook::bench {

// From process start to the first input box on the screen: the program
// against the minimal Qt program that only shows one input box, both
// started again and again, turn and turn about, on an X server of the
// benchmark's own. Their files go into a folder made under `scratch`.
Figure startUpFigure(const std::string& program, const std::string& minimalProgram, const std::string& scratch);

}  // namespace answerbook::bench
