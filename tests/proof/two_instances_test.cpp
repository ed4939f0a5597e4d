#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <iostream>

#include "proof/child_process.h"
#include "proof/harness_records.h"

namespace answerbook::proof {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

const std::string kName = "Ada Lovelace";
constexpr int kTurns = 12;
constexpr int kBurst = 400;

std::string expectLine(ChildProcess& harness, const std::string& what) {
  const std::optional<std::string> line = harness.readLine(milliseconds(30000));
  if (!line) {
    ADD_FAILURE() << what << ": no answer from the harness";
    return {};
  }
  EXPECT_NE(line->rfind("failed", 0), 0u) << *line;
  return *line;
}

// Two programs under the same name on the same day share the master and
// send files. Whether they record in turns or at the same moments, the files
// then hold every entry of both, each whole, none inside another.
TEST(TwoInstances, ShareTheRecordFilesWithoutLosingOrMixingEntries) {
  char pattern[] = "/tmp/answerbook-two-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const fs::path drives = fs::path(pattern) / "drives";
  const std::vector<std::string> env = {"ANSWERBOOK_DRIVES=" + drives.string()};
  ChildProcess a({RECORDING_HARNESS, kName, "A"}, env);
  ChildProcess b({RECORDING_HARNESS, kName, "B"}, env);
  ASSERT_EQ(expectLine(a, "A starting"), "loaded");
  ASSERT_EQ(expectLine(b, "B starting"), "loaded");

  // In turns: each waits until the other's click is over.
  std::vector<std::string> output;
  for (int turn = 1; turn <= kTurns; ++turn) {
    for (ChildProcess* harness : {&a, &b}) {
      harness->send(turn % 4 == 0 ? "notes" : "response");
      output.push_back(expectLine(*harness, "turn " + std::to_string(turn)));
    }
  }
  // At the same moments: both record as fast as they can.
  const std::string burst = "burst " + std::to_string(kBurst) + " 4";
  a.send(burst);
  b.send(burst);
  for (ChildProcess* harness : {&a, &b}) {
    for (std::string line = expectLine(*harness, "burst"); !line.empty() && line != "burst done";
         line = expectLine(*harness, "burst")) {
      output.push_back(line);
    }
    harness->send("quit");
    EXPECT_EQ(harness->wait(), 0);
  }
  const std::vector<Ack> acks = acksIn(output);
  ASSERT_EQ(acks.size(), static_cast<std::size_t>(2 * (kTurns + kBurst)));

  const fs::path work = drives / "c" / "zelmwork";
  std::string send;
  for (const auto& entry : fs::directory_iterator(work)) {
    if (entry.path().filename().string().rfind("send_", 0) == 0) send = entry.path().filename().string();
  }
  for (const auto& [name, kind] :
       {std::pair{std::string("masterFile_Ada_Lovelace.txt"), RecordKind::Master}, std::pair{send, RecordKind::Send},
        std::pair{std::string("notes_Ada_Lovelace.txt"), RecordKind::Notes}}) {
    const HarnessFile file = readHarnessFile(work / name, kind, kName);
    for (const std::string& problem : file.problems) ADD_FAILURE() << problem;
    for (const std::string& problem : lostOrForeign(file, acks, kind)) ADD_FAILURE() << problem;
    if (kind == RecordKind::Notes) continue;
    EXPECT_EQ(file.headers, (std::vector<std::size_t>{0, 0})) << name << ": a header block for each program";
    ASSERT_EQ(file.entries.size(), acks.size()) << name;
    for (std::size_t i = 0; i < 2 * kTurns; ++i) {
      EXPECT_EQ(file.entries[i].tag, i % 2 == 0 ? "A" : "B") << name << ": the turns are out of order at " << i;
    }
    // The bursts did meet: somewhere the two programs' entries alternate.
    int changes = 0;
    for (std::size_t i = 2 * kTurns + 1; i < file.entries.size(); ++i) {
      changes += file.entries[i].tag != file.entries[i - 1].tag;
    }
    std::cout << name << ": the two programs took turns " << changes << " times in their bursts\n";
    EXPECT_GT(changes, 0) << name << ": the bursts never met, so nothing was proven about them";
  }
  if (!HasFailure()) fs::remove_all(pattern);
}

}  // namespace
}  // namespace answerbook::proof
