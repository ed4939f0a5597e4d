#include "cycle/viewing.h"

#include "platform/program_end.h"
#include "window/error_trap.h"
#include "window/form.h"

namespace answerbook {
namespace {
constexpr int kNotesSlot = 3;
}

void cmd_clear_answer_box_Click(Form& form) { form.controls.txt_answer.setText(""); }

void cmd_display_note_file_Click(Form& form) {
  RunState& s = form.state;
  FileSlots& slots = form.slots;
  slots.close(kNotesSlot);
  try {
    slots.open(kNotesSlot, s.notesFilePath, OpenMode::Read);
    std::string text = s.workText;
    while (!slots.atEnd(kNotesSlot)) text += slots.readLine(kNotesSlot);
    slots.close(kNotesSlot);
    s.workText = std::move(text);
  } catch (const RunError& error) {
    // Before the first note is saved there is no notes file: say so and go on.
    slots.abandonAll();
    form.platform.dialogs.messageBox(generalErrorMessage(error.number()));
    return;
  }
  form.controls.txt_question.setText(form.controls.txt_question.text() + s.workText);
}

void cmd_displayCumulativeText_Click(Form& form) { form.controls.txt_question.setText(form.state.cumulativeText); }

void cmd_quit_Click(Form& /*form*/) { endProgram(); }

}  // namespace answerbook
