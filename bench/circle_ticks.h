#pragma once

#include <vector>

#include "figures.h"

namespace answerbook::bench {

// The circle timer's tick after 100,000 circles against the first 1,000.
std::vector<Figure> circleFigures();

}  // namespace answerbook::bench
