#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "proof/record_file_check.h"

namespace answerbook::proof {

// An entry that a recording harness said it had recorded: its click was over.
struct Ack {
  std::string tag;
  int n;
  bool notes;
  friend bool operator==(const Ack&, const Ack&) = default;
};

// Reads the harness's "response TAG N" and "notes TAG N" lines.
std::vector<Ack> acksIn(const std::vector<std::string>& output);

// A record file written by recording harnesses, read block by block: its
// entries in file order and where its header blocks stand.
struct HarnessFile {
  std::vector<Ack> entries;
  std::vector<std::size_t> headers;  // for each header block, how many entries come before it
  std::vector<std::string> problems;  // a damaged file, or an entry that is not exactly what was typed
};

HarnessFile readHarnessFile(const std::filesystem::path& path, RecordKind kind, const std::string& studentName);

// What is wrong with the entries of `file` against what the harnesses said:
// an entry whose click was over must be there, once, in the order of the
// clicks; the only other entry a harness may have left is the one after its
// last acknowledged entry, whose click was cut short. The master and send
// files hold every entry, the notes file the notes.
std::vector<std::string> lostOrForeign(const HarnessFile& file, const std::vector<Ack>& acks, RecordKind kind);

}  // namespace answerbook::proof
