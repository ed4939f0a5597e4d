#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace answerbook::proof {

// Reads a record file the way the instructor relies on it: a sequence of
// whole header blocks and whole entries, every line ended by CR LF, time
// stamps in their fixed forms. Anything else (a torn block, a stray line,
// a line break other than CR LF) is reported with its byte offset.

enum class RecordKind { Master, Send, Notes };

struct RecordBlock {
  enum class Kind { Header, Response, Notes };
  Kind kind;
  std::string name;      // header: the student's name
  std::string question;  // entries: the line answered
  std::string text;      // response: the response; notes: the note without its prefix
};

struct RecordFile {
  std::vector<RecordBlock> blocks;
  std::string error;  // empty when the file is whole
  bool whole() const { return error.empty(); }
};

RecordFile parseRecordFile(std::string_view bytes, RecordKind kind);

}  // namespace answerbook::proof
