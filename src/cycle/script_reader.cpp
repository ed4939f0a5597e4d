#include "cycle/script_reader.h"

#include "platform/program_end.h"
#include "routines/routine_commands.h"
#include "state/values.h"
#include "window/error_trap.h"
#include "window/form.h"

namespace answerbook {
namespace {

constexpr std::string_view kQuestionNumberMarker = "`q";
constexpr std::string_view kEndOfScript = "####.#";

}  // namespace

void readNextQuestion(Form& form) {
  RunState& s = form.state;
  runTrapped(form.platform.dialogs, [&] {
    // Moving on without recording: the prompt replaces what was typed.
    if (s.isAwaitingResponse()) form.controls.txt_answer.setText(s.answerPrompt);
    s.awaitingResponse = false;

    // Empty lines are passed over; past the last line is error 9, with the
    // position left where it got to.
    std::string_view line;
    do {
      ++s.scriptIndex;
      line = s.scriptLines.at(s.scriptIndex);
    } while (line.empty());

    s.currentLine = line;
    if (lowered(leftChars(line, 2)) == kQuestionNumberMarker) {
      s.questionNumber = decimalText(numericValue(fromPosition(line, 3)));
    }
    s.cumulativeText.insert(0, s.questionTag + s.currentLine);
    if (!isRoutineLine(line)) s.awaitingResponse = true;
    if (s.presentationMode == 1) s.nextText = line;

    if (leftChars(line, 3) == s.endMarker) endProgram();
    if (leftChars(line, 6) == kEndOfScript) endProgram();
  });
}

}  // namespace answerbook
