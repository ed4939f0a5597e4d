#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <thread>

#include "proof/child_process.h"
#include "proof/harness_records.h"

namespace answerbook::proof {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

constexpr int kKills = 40;
const std::string kName = "Ada Lovelace";

// A seed of its own for every run, printed, and taken from
// ANSWERBOOK_PROOF_SEED when set, so that a failing run can be replayed.
unsigned proofSeed() {
  if (const char* seed = std::getenv("ANSWERBOOK_PROOF_SEED"); seed != nullptr && *seed != '\0') {
    return static_cast<unsigned>(std::strtoul(seed, nullptr, 10));
  }
  return std::random_device{}();
}

// The program is killed at random moments while it records, and started
// again each time, as a student would after a crash or a power cut of the
// machine's own making. Whatever the moment, every record file stays a
// sequence of whole header blocks and whole entries, and every entry whose
// click was over is there.
TEST(CrashSafety, EveryRecordedEntrySurvivesAKillAtAnyMoment) {
  const unsigned seed = proofSeed();
  std::cout << "ANSWERBOOK_PROOF_SEED=" << seed << "\n";
  std::mt19937 random(seed);
  char pattern[] = "/tmp/answerbook-crash-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const fs::path drives = fs::path(pattern) / "drives";

  std::vector<Ack> acks;
  int kills = 0;
  int killedWhileLoading = 0;
  for (int k = 0; k < kKills; ++k) {
    const std::string tag = "k" + std::to_string(k);
    ChildProcess harness({RECORDING_HARNESS, kName, tag}, {"ANSWERBOOK_DRIVES=" + drives.string()});
    harness.send("burst 1000000 5");
    std::vector<std::string> output;
    if (k % 5 == 0) {
      // Now and then while it starts and writes its header blocks.
      std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution(0, 4000)(random)));
    } else {
      // Mostly in the middle of its entries: after a few, a moment later.
      const int after = std::uniform_int_distribution(0, 30)(random);
      while (static_cast<int>(acksIn(output).size()) < after) {
        const std::optional<std::string> line = harness.readLine(milliseconds(20000));
        ASSERT_TRUE(line) << tag << ": the harness went silent";
        output.push_back(*line);
        ASSERT_NE(line->rfind("failed", 0), 0u) << *line;
      }
      std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution(0, 2000)(random)));
    }
    harness.kill();
    ASSERT_EQ(harness.wait(), -SIGKILL) << tag << ": the harness ended by itself";
    ++kills;
    for (std::string& line : harness.readRest(milliseconds(5000))) output.push_back(std::move(line));
    for (const std::string& line : output) ASSERT_NE(line.rfind("failed", 0), 0u) << line;
    if (std::find(output.begin(), output.end(), "loaded") == output.end()) ++killedWhileLoading;
    for (const Ack& ack : acksIn(output)) acks.push_back(ack);
  }

  const fs::path work = drives / "c" / "zelmwork";
  const std::string master = "masterFile_Ada_Lovelace.txt";
  std::string send;
  for (const auto& entry : fs::directory_iterator(work)) {
    if (entry.path().filename().string().rfind("send_", 0) == 0) send = entry.path().filename().string();
  }
  int lost = 0;
  for (const auto& [name, kind] : {std::pair{master, RecordKind::Master}, std::pair{send, RecordKind::Send},
                                   std::pair{std::string("notes_Ada_Lovelace.txt"), RecordKind::Notes}}) {
    const HarnessFile file = readHarnessFile(work / name, kind, kName);
    for (const std::string& problem : file.problems) ADD_FAILURE() << problem;
    for (const std::string& problem : lostOrForeign(file, acks, kind)) ADD_FAILURE() << problem;
    for (const Ack& ack : acks) {
      const bool belongs = kind != RecordKind::Notes || ack.notes;
      lost += belongs && std::find(file.entries.begin(), file.entries.end(), ack) == file.entries.end();
    }
    if (kind != RecordKind::Notes) {
      // Runs follow each other: the entries after a header block are all of one run.
      for (std::size_t h = 0; h < file.headers.size(); ++h) {
        const std::size_t end = h + 1 < file.headers.size() ? file.headers[h + 1] : file.entries.size();
        for (std::size_t e = file.headers[h] + 1; e < end; ++e) {
          EXPECT_EQ(file.entries[e].tag, file.entries[file.headers[h]].tag) << name << ": runs mixed";
        }
      }
    }
  }
  EXPECT_GE(kills, 30);
  std::cout << "kills survived: " << kills << " (" << killedWhileLoading << " while starting), entries recorded: "
            << acks.size() << ", entries lost: " << lost << "\n";
  if (HasFailure()) {
    std::cout << "the record files are kept in " << work << "\n";
  } else {
    fs::remove_all(pattern);
  }
}

}  // namespace
}  // namespace answerbook::proof
