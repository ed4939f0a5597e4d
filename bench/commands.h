#pragma once

#include <string>
#include <vector>

#include "figures.h"

namespace answerbook::bench {

// The commands of the question-and-answer loop, clicked in the real window:
// Next Question with a full question box, the two viewing commands on ten
// times the data, and Enter Response with its flush to disk. Their files go
// into folders made under `scratch`.
std::vector<Figure> commandFigures(const std::string& scratch);

}  // namespace answerbook::bench
