#include "proof/record_file_check.h"

#include <cstddef>
#include <string>

#include "cycle/record_entries.h"

namespace answerbook::proof {
namespace {

struct Line {
  std::string_view text;
  std::size_t offset;
};

bool digits(std::string_view s, std::size_t from, std::size_t count) {
  if (s.size() < from + count) return false;
  for (std::size_t i = from; i < from + count; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
  }
  return true;
}

// hh:mm:ss at `at`.
bool isTime(std::string_view s, std::size_t at) {
  return digits(s, at, 2) && s[at + 2] == ':' && digits(s, at + 3, 2) && s[at + 5] == ':' && digits(s, at + 6, 2);
}

// mm-dd-yyyy at `at`.
bool isDate(std::string_view s, std::size_t at) {
  return digits(s, at, 2) && s[at + 2] == '-' && digits(s, at + 3, 2) && s[at + 5] == '-' && digits(s, at + 6, 4);
}

constexpr std::size_t kIndent = 36;

bool indented(std::string_view s) { return s.size() > kIndent && s.substr(0, kIndent) == std::string(kIndent, ' '); }

bool isTimeLine(std::string_view s) { return s.size() == kIndent + 8 && indented(s) && isTime(s, kIndent); }

bool isDateTimeLine(std::string_view s) {
  return s.size() == kIndent + 18 && indented(s) && isDate(s, kIndent) && isTime(s, kIndent + 10);
}

// "`questionNumber", a blank or minus, a decimal number, a blank.
bool isNumberLine(std::string_view s) {
  constexpr std::string_view kStart = "`questionNumber";
  if (s.size() < kStart.size() + 3 || s.substr(0, kStart.size()) != kStart || s.back() != ' ') return false;
  const char sign = s[kStart.size()];
  if (sign != ' ' && sign != '-') return false;
  const std::string_view number = s.substr(kStart.size() + 1, s.size() - kStart.size() - 2);
  for (char c : number) {
    if ((c < '0' || c > '9') && c != '.') return false;
  }
  return !number.empty();
}

// The code line: 19 to 28 code characters, each perhaps after a filler;
// every one of them 66 or above.
bool isCodeLine(std::string_view s) {
  if (s.size() < 19 || s.size() > 56) return false;
  for (char c : s) {
    if (static_cast<unsigned char>(c) < 66) return false;
  }
  return true;
}

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

class Parser {
 public:
  Parser(std::string_view bytes, RecordKind kind) : kind_(kind) { split(bytes); }

  RecordFile run() {
    if (!result_.whole()) return result_;
    while (i_ < lines_.size() && result_.whole()) {
      if (lines_[i_].text == kDividerLine) {
        entry();
      } else if (kind_ != RecordKind::Notes) {
        header();
      } else {
        fail("neither a header block nor an entry");
      }
    }
    return result_;
  }

 private:
  void split(std::string_view bytes) {
    std::size_t start = 0;
    while (start < bytes.size()) {
      const std::size_t end = bytes.find_first_of("\r\n", start);
      if (end == std::string_view::npos) {
        result_.error = "the last line has no line end, at byte " + std::to_string(start);
        return;
      }
      if (bytes[end] != '\r' || end + 1 >= bytes.size() || bytes[end + 1] != '\n') {
        result_.error = "a line break other than CR LF at byte " + std::to_string(end);
        return;
      }
      lines_.push_back({bytes.substr(start, end - start), start});
      start = end + 2;
    }
  }

  void fail(const std::string& what) {
    const std::size_t offset = i_ < lines_.size() ? lines_[i_].offset : (lines_.empty() ? 0 : lines_.back().offset);
    result_.error = what + ", at byte " + std::to_string(offset);
  }

  bool has(std::size_t count) const { return i_ + count <= lines_.size(); }
  std::string_view at(std::size_t k) const { return lines_[i_ + k].text; }

  void header() {
    if (!has(6)) return fail("a torn header block");
    const std::string_view dateTime = at(5);
    constexpr std::string_view kDateAndTime = "Date and Time ";
    const std::size_t gap = kind_ == RecordKind::Send ? 1 : 0;
    const bool dateTimeOk = startsWith(dateTime, kDateAndTime) &&
                            dateTime.size() == kDateAndTime.size() + 18 + gap &&
                            isDate(dateTime, kDateAndTime.size()) &&
                            (gap == 0 || dateTime[kDateAndTime.size() + 10] == ' ') &&
                            isTime(dateTime, kDateAndTime.size() + 10 + gap);
    if (!isCodeLine(at(0)) || !startsWith(at(1), "Student Name:  ") || !startsWith(at(2), "assignment #") ||
        !startsWith(at(4), "Initials:  ") || !dateTimeOk) {
      return fail("neither a header block nor an entry");
    }
    result_.blocks.push_back({RecordBlock::Kind::Header, std::string(at(1).substr(15)), "", ""});
    i_ += 6;
  }

  void entry() {
    if (!has(3) || !isTimeLine(at(1))) return fail("a torn entry");
    if (isDateTimeLine(at(2))) return notes();
    if (kind_ == RecordKind::Notes) return fail("a response entry in the notes file");
    std::size_t question = 2;
    if (kind_ == RecordKind::Master) {
      if (!has(5) || !at(2).empty() || !at(3).empty() || !isNumberLine(at(4))) return fail("a response entry without its number line");
      question = 5;
    }
    if (!has(question + 3) || at(question + 1) != kDividerLine || at(question + 2) != kResponseHeading) {
      return fail("a torn response entry");
    }
    std::string text;
    if (!body(question + 3, text)) return;
    result_.blocks.push_back({RecordBlock::Kind::Response, "", std::string(at(question)), text});
    finishEntry();
  }

  void notes() {
    if (!has(6) || at(4) != kDividerLine || !startsWith(at(5), kNotesPrefix)) return fail("a torn notes entry");
    std::string text;
    if (!body(5, text)) return;
    result_.blocks.push_back({RecordBlock::Kind::Notes, "", std::string(at(3)), text.substr(kNotesPrefix.size())});
    finishEntry();
  }

  // The student's text: every line up to the closing line, joined as typed.
  bool body(std::size_t from, std::string& text) {
    for (std::size_t k = from; i_ + k < lines_.size(); ++k) {
      if (at(k) == kClosingLine) {
        end_ = i_ + k + 1;
        return true;
      }
      if (at(k) == kDividerLine) break;  // the next entry began: this one is torn
      if (k > from) text += "\r\n";
      text += at(k);
    }
    fail("an entry without its closing line");
    return false;
  }

  void finishEntry() { i_ = end_; }

  RecordKind kind_;
  std::vector<Line> lines_;
  std::size_t i_ = 0;
  std::size_t end_ = 0;
  RecordFile result_;
};

}  // namespace

RecordFile parseRecordFile(std::string_view bytes, RecordKind kind) { return Parser(bytes, kind).run(); }

}  // namespace answerbook::proof
