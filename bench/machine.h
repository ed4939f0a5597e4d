#pragma once

#include <string>

namespace answerbook::bench {

// One line on the machine the figures were taken on: processor, cores,
// memory, system, Qt, the file system of `folder` and the load at the start.
std::string describeMachine(const std::string& folder);

}  // namespace answerbook::bench
