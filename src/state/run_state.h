#pragma once

#include <optional>
#include <string>
#include <vector>

namespace answerbook {

// The script: 5001 lines with the indices 0 to 5000. An index outside that
// range, on reading or writing, is error 9.
class ScriptLines {
 public:
  static constexpr long long kLastIndex = 5000;

  ScriptLines() : lines_(kLastIndex + 1) {}
  const std::string& at(long long index) const;
  void set(long long index, std::string text);

 private:
  std::vector<std::string> lines_;
};

// The values that the window's operations share during one run. Every item
// starts empty; the load fills the settings, the commands of the
// question-and-answer cycle change the rest. Texts are Windows-1252 bytes.
//
// Value items: an empty value reads as 0, as false and as the empty text.
// `awaitingResponse` keeps "not yet set" apart from false; the numbers hold 0
// while empty.
struct RunState {
  std::string problemOrder;    // the exam's problem order, drawn at start-up
  std::string nextText;        // the line the next click adds to the question box
  std::optional<bool> awaitingResponse;  // a shown line still waits for a recorded response
  std::string currentLine;     // the last non-empty script line consumed
  std::string masterFilePath;
  std::string sendFilePath;
  std::string notesFilePath;
  std::string assignmentNumber;  // as typed, brought to three characters
  std::string endMarker;         // the following assignment's number, three characters
  std::string answerPrompt;      // what the answer box shows when a response is due
  int presentationMode = 0;      // 1: each line is presented whole
  std::string questionNumber;    // of the last question-number line, as decimal text
  std::string workText;          // the text last put together for the question box or for recording
  std::string cumulativeText;    // everything shown and answered, newest first
  std::string questionTag;       // put before each shown line in cumulativeText
  std::string answerTag;         // put before each response and note in cumulativeText
  std::string querySuffix;       // suffix of the query file names; nothing sets it
  std::string workFolder;        // holds every file of the run, no closing backslash
  long long scriptIndex = 0;     // index of the script line last written or read
  ScriptLines scriptLines;
  std::string studentName;
  double codeNbr = 0;            // a whole number: 19..28, or a query file's first line length
  std::string initials;

  bool isAwaitingResponse() const { return awaitingResponse.value_or(false); }
};

}  // namespace answerbook
