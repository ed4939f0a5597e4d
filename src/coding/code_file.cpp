#include "coding/code_file.h"

#include <cstdint>
#include <string>

#include "coding/line_functions.h"
#include "platform/run_error.h"
#include "state/values.h"
#include "window/form.h"

namespace answerbook {
namespace {

constexpr int kQuerySlot = 1;
constexpr int kCodedSlot = 2;

std::string codedLine(const std::string& line, double codeNbr) {
  const std::string prefix = lowered(leftChars(line, 6));
  if (prefix == "assign") return line;
  if (prefix == "query ") return "query" + code(fromPosition(line, 8), codeNbr);
  return code(line, codeNbr);
}

}  // namespace

void codeFile(Form& form) {
  RunState& s = form.state;
  FileSlots& slots = form.slots;
  const std::string queryPath = s.workFolder + "\\query" + s.querySuffix + ".txt";
  const std::string codedPath = s.workFolder + "\\queri" + s.querySuffix + ".txt";
  try {
    slots.open(kQuerySlot, queryPath, OpenMode::Read);
    const std::string firstLine = slots.readLine(kQuerySlot);
    s.codeNbr = static_cast<std::int32_t>(firstLine.size());
    slots.closeAll();

    // From the beginning again: the first line is converted like every other.
    slots.open(kQuerySlot, queryPath, OpenMode::Read);
    slots.open(kCodedSlot, codedPath, OpenMode::Write);
    while (!slots.atEnd(kQuerySlot)) {
      const std::string line = slots.readLine(kQuerySlot);
      slots.write(kCodedSlot, codedLine(line, s.codeNbr) + "\r\n");
    }
    slots.closeAll();
  } catch (const RunError&) {
    // The recording commands open slots 1 and 2 without closing them first:
    // a conversion that stops at an error must not leave its files open.
    // The caller learns of the error that stopped it, not of a close behind it.
    slots.abandonAll();
    throw;
  }
}

}  // namespace answerbook
