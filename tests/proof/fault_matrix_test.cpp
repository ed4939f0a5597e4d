#include <gtest/gtest.h>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/fake_run.h"
#include "proof/record_file_check.h"
#include "window/error_trap.h"

namespace answerbook::proof {
namespace {

using testing::Fault;
using testing::FakeRun;
using testing::FileOp;
using testing::kHome;

const std::string kMaster = kHome + "\\masterFile_First_Middle_Last.txt";
const std::string kSend = kHome + "\\send_0307First_Middle_Last.txt";
const std::string kNotes = kHome + "\\notes_First_Middle_Last.txt";
const std::string kTyped = "my careful answer";

// The part of a path that a fault is aimed at.
std::string partOf(const std::string& path) {
  for (const char* part : {"masterFile_", "send_", "notes_"}) {
    if (path.find(part) != std::string::npos) return part;
  }
  return path;
}

// What a failing operation of the host reports, as the disk would.
int errorFor(FileOp op) {
  switch (op) {
    case FileOp::Open: return err::kPermissionDenied;
    case FileOp::Write: return err::kDiskFull;
    case FileOp::CreateFolder: return err::kPathNotFound;
    default: return err::kDeviceIoError;
  }
}

const char* opName(FileOp op) {
  switch (op) {
    case FileOp::Open: return "open";
    case FileOp::Read: return "read";
    case FileOp::Write: return "write";
    case FileOp::Sync: return "flush";
    case FileOp::Close: return "close";
    case FileOp::CreateFolder: return "create folder";
  }
  return "?";
}

// A command that touches files, with the state a student is in when giving it.
struct Command {
  const char* name;
  Event event;  // Event::Load: the start-up

  void prepare(FakeRun& run) const {
    if (event == Event::Load) return;
    run.loadExam();
    run.click(Event::NextQuestionClick);
    if (event == Event::DisplayNotesClick) {
      run.world.answer.value = "an earlier note";
      run.click(Event::SaveAsNotesClick);
      run.click(Event::NextQuestionClick);
    }
    run.world.answer.value = kTyped;
  }

  void give(FakeRun& run) const {
    if (event == Event::Load) {
      run.loadExam();
    } else {
      run.click(event);
    }
  }
};

const Command kCommands[] = {
    {"start-up", Event::Load},
    {"Enter Response", Event::EnterResponseClick},
    {"Save as Notes", Event::SaveAsNotesClick},
    {"display notes", Event::DisplayNotesClick},
};

// What the student can see and has typed, before the failing command.
struct Seen {
  std::string question, answer, cumulative, work;
  std::optional<bool> awaiting;

  static Seen of(FakeRun& run) {
    return {run.world.question.value, run.world.answer.value, run.state().cumulativeText, run.state().workText,
            run.state().awaitingResponse};
  }
  friend bool operator==(const Seen&, const Seen&) = default;
};

void expectWholeFilesAndNothingOpen(FakeRun& run, const std::string& what) {
  EXPECT_FALSE(run.form->slots.anyOpen()) << what;
  EXPECT_EQ(run.world.files.openFiles, 0) << what;
  for (const auto& [path, kind] :
       {std::pair{kMaster, RecordKind::Master}, {kSend, RecordKind::Send}, {kNotes, RecordKind::Notes}}) {
    const RecordFile file = parseRecordFile(run.file(path), kind);
    EXPECT_TRUE(file.whole()) << what << ": " << path << ": " << file.error;
  }
}

// Each file operation of each command fails in turn: the first time only,
// and then from that operation on every time. The student always sees a
// message and the program goes on; no file holds half a block, no file stays
// open, and nothing typed is lost.
TEST(FaultMatrix, EveryFailingFileOperationIsReportedAndLosesNothing) {
  int injected = 0;
  for (const Command& command : kCommands) {
    FakeRun dry;
    command.prepare(dry);
    const std::size_t mark = dry.world.files.history.size();
    command.give(dry);
    ASSERT_TRUE(dry.world.dialogs.messages.empty()) << command.name;
    const std::vector<std::pair<FileOp, std::string>> ops(dry.world.files.history.begin() + static_cast<long>(mark),
                                                          dry.world.files.history.end());
    ASSERT_FALSE(ops.empty()) << command.name;

    for (std::size_t j = 0; j < ops.size(); ++j) {
      const auto& [op, path] = ops[j];
      const std::string part = partOf(path);
      int before = 0;  // earlier operations of the same kind on the same file
      for (std::size_t e = 0; e < j; ++e) before += ops[e].first == op && partOf(ops[e].second) == part;

      for (const int times : {1, -1}) {
        const std::string what = std::string(command.name) + ": " + opName(op) + " #" + std::to_string(before + 1) +
                                 " of " + part + (times == 1 ? ", once" : ", from then on");
        FakeRun run;
        command.prepare(run);
        const Seen seen = Seen::of(run);
        const std::size_t messagesBefore = run.world.dialogs.messages.size();
        run.world.files.inject(Fault{op, part, errorFor(op), before, times});
        ++injected;
        command.give(run);

        // A home folder that cannot be made shows itself when the files in it are opened.
        const int shown = op == FileOp::CreateFolder ? err::kPathNotFound : errorFor(op);
        EXPECT_FALSE(run.ended()) << what;
        ASSERT_EQ(run.world.dialogs.messages.size(), messagesBefore + 1) << what;
        EXPECT_EQ(run.world.dialogs.messages.back(), generalErrorMessage(shown)) << what;
        EXPECT_TRUE(run.world.dialogs.errorBoxes.empty()) << what;
        expectWholeFilesAndNothingOpen(run, what);
        if (command.event != Event::Load) {
          EXPECT_EQ(Seen::of(run), seen) << what << ": the student's texts changed";
        }

        // The student goes on: records the answer (again).
        if (command.event == Event::Load) {
          run.click(Event::NextQuestionClick);
          run.world.answer.value = kTyped;
        }
        const Event retry = command.event == Event::Load ? Event::EnterResponseClick : command.event;
        const std::size_t messagesNow = run.world.dialogs.messages.size();
        const std::string answerNow = run.world.answer.value;
        run.click(retry);
        const bool failedAgain = run.world.dialogs.messages.size() > messagesNow;
        EXPECT_FALSE(run.ended()) << what;
        // A home folder that could not be made stays missing: only the
        // student's next start makes it.
        const bool passing = times == 1 && op != FileOp::CreateFolder;
        EXPECT_TRUE(!passing || !failedAgain) << what << ": a passing fault must not stop the next try";
        expectWholeFilesAndNothingOpen(run, what + ", tried again");
        if (failedAgain) {
          EXPECT_EQ(run.world.answer.value, answerNow) << what;
        } else if (retry == Event::DisplayNotesClick) {
          EXPECT_NE(run.world.question.value.find("NOTES -------> an earlier note"), std::string::npos) << what;
        } else {
          EXPECT_EQ(run.world.answer.value, "") << what;
          EXPECT_NE(run.file(kSend).find(kTyped), std::string::npos) << what;
        }
      }
    }
  }
  ::testing::Test::RecordProperty("faults_injected", injected);
  std::cout << "faults injected: " << injected << "\n";
}

}  // namespace
}  // namespace answerbook::proof
