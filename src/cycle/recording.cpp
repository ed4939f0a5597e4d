#include "cycle/recording.h"

#include <functional>
#include <initializer_list>

#include "coding/line_functions.h"
#include "cycle/record_entries.h"
#include "window/error_trap.h"
#include "window/form.h"

namespace answerbook {
namespace {

constexpr int kMasterSlot = 1;
constexpr int kSendSlot = 2;
constexpr int kNotesSlot = 3;

// One file of a recording and how to build its entry (built just before it
// is written, so that its time stamp is the time of writing).
struct Target {
  int slot;
  const std::string& path;
  std::function<std::string()> entry;
};

// Appends each target's entry to its file in one write and flushes it to
// stable storage before the files are closed. When a file cannot be opened
// or written, the student sees the general error message and every slot is
// closed; entries already written to another file stay there. Returns
// whether every entry was recorded.
bool record(Form& form, std::initializer_list<Target> targets) {
  FileSlots& slots = form.slots;
  try {
    for (const Target& t : targets) slots.open(t.slot, t.path, OpenMode::Append);
    for (const Target& t : targets) {
      slots.write(t.slot, t.entry());
      slots.flush(t.slot);
    }
    for (const Target& t : targets) slots.close(t.slot);
    return true;
  } catch (const RunError& error) {
    slots.abandonAll();
    form.platform.dialogs.messageBox(generalErrorMessage(error.number()));
    return false;
  }
}

// The answer box still shows the prompt: nothing to record. Both boxes are
// emptied and the response stays due.
bool onlyThePrompt(Form& form, const std::string& answer) {
  if (answer != form.state.answerPrompt) return false;
  form.controls.txt_question.setText("");
  form.controls.txt_answer.setText("");
  return true;
}

// After an entry was recorded: it goes in front of the cumulative text and
// both boxes are emptied for the next line.
void recorded(Form& form, const std::string& workText) {
  RunState& s = form.state;
  s.awaitingResponse = false;
  s.workText = workText;
  s.cumulativeText.insert(0, s.answerTag + s.workText);
  form.controls.txt_question.setText("");
  form.controls.txt_answer.setText("");
}

}  // namespace

void cmd_enter_response_Click(Form& form) {
  const std::string response = form.controls.txt_answer.text();
  if (onlyThePrompt(form, response)) return;
  RunState& s = form.state;
  Clock& clock = form.platform.clock;
  const std::string number = numberLine(entryNumber(s.assignmentNumber, s.questionNumber));
  const auto entry = [&](const std::string* numberLineText) {
    const std::string question = code(s.currentLine, s.codeNbr);
    const std::string text = code(response, s.codeNbr);
    return responseEntry({question, text}, clock, numberLineText);
  };
  if (!record(form, {
                        {kMasterSlot, s.masterFilePath, [&] { return entry(&number); }},
                        {kSendSlot, s.sendFilePath, [&] { return entry(nullptr); }},
                    })) {
    return;
  }
  recorded(form, response);
}

void cmd_save_as_notes_Click(Form& form) {
  const std::string answer = form.controls.txt_answer.text();
  if (onlyThePrompt(form, answer)) return;
  RunState& s = form.state;
  Clock& clock = form.platform.clock;
  const std::string notes = std::string(kNotesPrefix) + answer;
  const auto entry = [&] {
    const std::string question = code(s.currentLine, s.codeNbr);
    const std::string text = code(notes, s.codeNbr);
    return notesEntry({question, text}, clock);
  };
  form.slots.abandonAll();
  if (!record(form, {
                        {kMasterSlot, s.masterFilePath, entry},
                        {kSendSlot, s.sendFilePath, entry},
                        {kNotesSlot, s.notesFilePath, entry},
                    })) {
    return;
  }
  recorded(form, notes);
}

}  // namespace answerbook
