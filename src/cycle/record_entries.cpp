#include "cycle/record_entries.h"

#include "platform/clock.h"
#include "state/values.h"

namespace answerbook {
namespace {

constexpr std::string_view kCrLf = "\r\n";
const std::string kTimeIndent(36, ' ');

void addLine(std::string& entry, std::string_view line) {
  entry += line;
  entry += kCrLf;
}

}  // namespace

std::string numberLine(double number) {
  const std::string digits = decimalText(number < 0 ? -number : number);
  return "`questionNumber" + std::string(number < 0 ? "-" : " ") + digits + " ";
}

double entryNumber(std::string_view assignmentNumber, std::string_view questionNumber) {
  return numericValue(assignmentNumber) * 10000 + numericValue(questionNumber);
}

std::string responseEntry(const EntryText& entry, Clock& clock, const std::string* numberLineText) {
  std::string block;
  addLine(block, kDividerLine);
  addLine(block, kTimeIndent + clock.time());
  if (numberLineText != nullptr) {
    block += "\r\n\r\n";
    addLine(block, *numberLineText);
  }
  addLine(block, entry.question);
  addLine(block, kDividerLine);
  addLine(block, kResponseHeading);
  addLine(block, entry.text);
  addLine(block, kClosingLine);
  return block;
}

std::string notesEntry(const EntryText& entry, Clock& clock) {
  std::string block;
  addLine(block, kDividerLine);
  addLine(block, kTimeIndent + clock.time());
  const std::string date = clock.date();
  addLine(block, kTimeIndent + date + clock.time());
  addLine(block, entry.question);
  addLine(block, kDividerLine);
  addLine(block, entry.text);
  addLine(block, kClosingLine);
  return block;
}

}  // namespace answerbook
