#include "proof/harness_records.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "proof/harness_entries.h"

namespace answerbook::proof {

std::vector<Ack> acksIn(const std::vector<std::string>& output) {
  std::vector<Ack> acks;
  for (const std::string& line : output) {
    std::istringstream words(line);
    std::string kind;
    Ack ack{"", 0, false};
    words >> kind >> ack.tag >> ack.n;
    if (!words || (kind != "response" && kind != "notes")) continue;
    ack.notes = kind == "notes";
    acks.push_back(ack);
  }
  return acks;
}

HarnessFile readHarnessFile(const std::filesystem::path& path, RecordKind kind, const std::string& studentName) {
  HarnessFile result;
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  const RecordFile file = parseRecordFile(bytes.str(), kind);
  if (!file.whole()) result.problems.push_back(path.filename().string() + ": " + file.error);
  for (const RecordBlock& block : file.blocks) {
    if (block.kind == RecordBlock::Kind::Header) {
      result.headers.push_back(result.entries.size());
      if (block.name != studentName) result.problems.push_back("a header for " + block.name);
      continue;
    }
    Ack entry{"", 0, block.kind == RecordBlock::Kind::Notes};
    if (!parseAnswerText(block.text, entry.tag, entry.n) || block.text != answerText(entry.tag, entry.n)) {
      result.problems.push_back(path.filename().string() + ": an entry not typed as such: " + block.text.substr(0, 80));
      continue;
    }
    if (!isQuestionOfEntry(block.question, entry.n)) {
      result.problems.push_back(path.filename().string() + ": entry " + entry.tag + " " + std::to_string(entry.n) +
                                " answers the wrong line: " + block.question.substr(0, 80));
    }
    result.entries.push_back(entry);
  }
  return result;
}

std::vector<std::string> lostOrForeign(const HarnessFile& file, const std::vector<Ack>& acks, RecordKind kind) {
  std::vector<std::string> problems;
  const std::string where = kind == RecordKind::Master ? "master" : kind == RecordKind::Send ? "send" : "notes";
  std::map<std::string, std::vector<Ack>> expected;  // by tag, in click order
  std::map<std::string, int> last;
  for (const Ack& ack : acks) {
    last[ack.tag] = std::max(last[ack.tag], ack.n);
    if (kind != RecordKind::Notes || ack.notes) expected[ack.tag].push_back(ack);
  }
  std::map<std::string, std::vector<Ack>> found;
  for (const Ack& entry : file.entries) found[entry.tag].push_back(entry);

  for (const auto& [tag, entries] : found) {
    const std::vector<Ack>& want = expected[tag];
    std::size_t i = 0;
    for (; i < entries.size() && i < want.size(); ++i) {
      if (entries[i] != want[i]) {
        problems.push_back(where + ": " + tag + " " + std::to_string(want[i].n) + " is lost or out of order");
        break;
      }
    }
    if (i < entries.size() && i == want.size()) {
      // Beyond the acknowledged entries: at most the one whose click was cut.
      const Ack& extra = entries[i];
      if (extra.n != last[tag] + 1 || i + 1 != entries.size()) {
        problems.push_back(where + ": " + tag + " " + std::to_string(extra.n) + " was never recorded or is there twice");
      }
    }
  }
  for (const auto& [tag, want] : expected) {
    if (!want.empty() && found[tag].size() < want.size()) {
      problems.push_back(where + ": " + std::to_string(want.size() - found[tag].size()) + " entries of " + tag +
                         " are lost");
    }
  }
  return problems;
}

}  // namespace answerbook::proof
