#include "cycle/next_question.h"

#include "cycle/script_reader.h"
#include "routines/routine_commands.h"
#include "window/error_trap.h"
#include "window/form.h"

namespace answerbook {

void cmdNextQuestion_Click(Form& form) {
  RunState& s = form.state;
  runTrapped(form.platform.dialogs, [&] {
    readNextQuestion(form);
    // Exactly "`routine" is shown as text: it names no routine.
    if (s.nextText.size() > 8 && isRoutineLine(s.nextText)) {
      runRoutine(form, routineName(s.nextText));
      s.nextText.clear();
      readNextQuestion(form);
    }
    s.workText = form.controls.txt_question.text() + s.nextText;
    s.nextText.clear();
    form.controls.txt_question.setText(s.workText);
  });
}

}  // namespace answerbook
