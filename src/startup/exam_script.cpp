#include "startup/exam_script.h"

#include <array>
#include <string>
#include <string_view>

#include "startup/settings.h"
#include "window/form.h"

namespace answerbook {
namespace {

// Puts the text at the line after scriptIndex; past the last line this is
// error 9, with scriptIndex already moved on.
void appendLine(RunState& s, std::string text) {
  ++s.scriptIndex;
  s.scriptLines.set(s.scriptIndex, std::move(text));
}

std::string instructionLine(const std::string& problemOrder, std::string_view ordinal) {
  std::string line = "The problem order is for your test is ";
  line += problemOrder;
  line += ".  Copy the ";
  line += ordinal;
  line += " problem from part 3 of the test at ";
  line += kTestSiteAddress;
  line +=
      " into the Answer Box, work the problem on paper and sketch any required graphs, and insert your "
      "answers into the Answer box before clicking Enter Answer.  ";
  return line;
}

}  // namespace

void buildExamScript(Form& form) {
  RunState& s = form.state;
  constexpr std::array<std::string_view, 6> kOrdinals = {"first", "ssecond", "third", "fourth", "fifth", "sixth"};

  appendLine(s, "001.  Final Exam");
  appendLine(s, "");
  for (std::string_view ordinal : kOrdinals) {
    appendLine(s, instructionLine(s.problemOrder, ordinal));
    appendLine(s, "");
  }
  appendLine(s, "This completes part 3 of your test.");
  appendLine(s, "");
}

}  // namespace answerbook
