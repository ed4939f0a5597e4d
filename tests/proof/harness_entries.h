#pragma once

#include <string>
#include <string_view>

namespace answerbook::proof {

// What the recording harness types for its entries, so that the checks can
// tell exactly which entries a record file holds. Entry `n` of the harness
// tagged `tag` answers with answerText(tag, n); every fourth one spans two
// lines and every ninth one is a few thousand characters long.
std::string answerText(std::string_view tag, int n);

// The tag and number of an entry from its text; false when the text is not
// one of the harness's.
bool parseAnswerText(std::string_view text, std::string& tag, int& n);

// The harness clicks "Next Question / Answer" before each of its first seven
// entries, so entry n answers exam line min(n, 7).
bool isQuestionOfEntry(std::string_view question, int n);

}  // namespace answerbook::proof
