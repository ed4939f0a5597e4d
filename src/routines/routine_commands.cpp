#include "routines/routine_commands.h"

#include "coding/line_functions.h"
#include "platform/program_end.h"
#include "state/values.h"
#include "window/form.h"

namespace answerbook {

bool isRoutineLine(std::string_view line) { return lowered(leftChars(line, 8)) == "`routine"; }

std::string routineName(std::string_view routineLine) {
  return lowered(remSpaces(fromPosition(routineLine, 10)));
}

void runRoutine(Form& /*form*/, std::string_view routine) {
  const std::string name = lowered(routine);
  if (name == "exitprog") endProgram();
  if (name == "graph1" || name == "graph2" || name == "graph3") return;
  endProgram();
}

void cmd_next_picture_Click(Form& form) {
  RunState& s = form.state;
  for (int i = 1; i <= 2; ++i) {
    // Once the reader has run out of script the position lies past the last
    // line; the lines beyond it hold no routine, and the click does nothing.
    const long long index = s.scriptIndex + i;
    if (index > ScriptLines::kLastIndex) continue;
    const std::string& line = s.scriptLines.at(index);
    if (!isRoutineLine(line)) continue;
    runRoutine(form, routineName(line));
    s.scriptIndex += i;
  }
}

}  // namespace answerbook
