#pragma once

#include <string>
#include <string_view>

namespace answerbook {

class Clock;

// The entries that the recording commands append to the record files, each
// built whole in memory so that it reaches its file in one write.

inline constexpr std::string_view kDividerLine = "......!!!!!!!!...................................";
inline constexpr std::string_view kClosingLine = ".................................................";
inline constexpr std::string_view kResponseHeading = "RESPONSE -->  ";
inline constexpr std::string_view kNotesPrefix = "NOTES -------> ";

// "`questionNumber" and the entry number as the record files have always
// written a number: a blank (or the minus sign), the digits, a blank.
std::string numberLine(double entryNumber);

// The entry number: the assignment number times 10000 plus the question number.
double entryNumber(std::string_view assignmentNumber, std::string_view questionNumber);

struct EntryText {
  std::string_view question;  // the line the entry answers, as `code` gave it
  std::string_view text;      // the response, or the notes text with its prefix, as `code` gave it
};

// A response entry; the master file's carries the number line after two
// empty lines. The time line's clock is read now.
std::string responseEntry(const EntryText& entry, Clock& clock, const std::string* numberLineText);

// A notes entry, the same for every file; its time is read now, twice.
std::string notesEntry(const EntryText& entry, Clock& clock);

}  // namespace answerbook
