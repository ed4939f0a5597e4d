#include "startup/record_opening.h"

#include "coding/line_functions.h"
#include "platform/program_end.h"
#include "state/values.h"
#include "window/error_trap.h"
#include "window/form.h"

namespace answerbook {
namespace {

constexpr int kMasterSlot = 1;
constexpr int kSendSlot = 2;

// Moves scriptIndex to the first line, from index 1 on, that starts with the
// assignment number and a point; running past the last line is error 9.
void findHeaderLine(RunState& s) {
  const std::string header = s.assignmentNumber + ".";
  s.scriptIndex = 0;
  std::string_view line;
  while (leftChars(line, 4) != header) {
    ++s.scriptIndex;
    line = s.scriptLines.at(s.scriptIndex);
  }
}

// The six header lines; the last one's date and time are read now, with
// `dateTimeGap` between them.
std::string headerBlock(Form& form, const std::string& codeLine, std::string_view dateTimeGap) {
  const RunState& s = form.state;
  Clock& clock = form.platform.clock;
  std::string block;
  for (const std::string& line : {
           codeLine,
           code("Student Name:  " + s.studentName, s.codeNbr),
           code("assignment #" + s.assignmentNumber, s.codeNbr),
           code(s.scriptLines.at(s.scriptIndex), s.codeNbr),
           "Initials:  " + s.initials,
       }) {
    block += line;
    block += "\r\n";
  }
  const std::string date = clock.date();
  block += "Date and Time " + date + std::string(dateTimeGap) + clock.time() + "\r\n";
  return block;
}

// Each block goes to its file in one write and reaches the disk before the
// file is closed, so that a crash never leaves half a header behind.
void appendBlock(FileSlots& slots, int slot, const std::string& block) {
  slots.write(slot, block);
  slots.flush(slot);
}

}  // namespace

void openRecords(Form& form) {
  RunState& s = form.state;
  FileSlots& slots = form.slots;
  const int trapped = runTrapped(form.platform.dialogs, [&] {
    findHeaderLine(s);
    s.presentationMode = 1;

    // Creates the master record file when it does not exist yet.
    slots.close(kMasterSlot);
    slots.open(kMasterSlot, s.masterFilePath, OpenMode::Append);
    slots.close(kMasterSlot);

    slots.open(kMasterSlot, s.masterFilePath, OpenMode::Append);
    slots.open(kSendSlot, s.sendFilePath, OpenMode::Append);
    const std::string codeLine = makeCodeLine(s.codeNbr, form.platform.random);
    appendBlock(slots, kMasterSlot, headerBlock(form, codeLine, ""));
    appendBlock(slots, kSendSlot, headerBlock(form, codeLine, " "));
    slots.close(kMasterSlot);
    slots.close(kSendSlot);
  });
  if (trapped == err::kSubscriptOutOfRange) endProgram();
  // After any other error the run goes on; no slot may stay open for the
  // recording commands to trip over.
  if (trapped != 0) slots.abandonAll();
}

}  // namespace answerbook
