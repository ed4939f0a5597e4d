#include "startup/record_opening.h"

#include <gtest/gtest.h>

#include "platform/fake_run.h"
#include "window/error_trap.h"

namespace answerbook {
namespace {

using testing::Fault;
using testing::FakeRun;
using testing::FileOp;
using testing::kMasterFile;
using testing::kSendFile;


// With codeNbr 19 and every later draw 0.5, the code line is 19 characters
// of code 186 (0.5 x 137 + 118 = 186.5, to the even 186).
const std::string kCodeLine(19, '\xBA');

std::string headerBlock(const std::string& dateTimeGap) {
  return kCodeLine + "\r\n" +
         "Student Name:  First Middle Last\r\n"
         "assignment #001\r\n"
         "001.  Final Exam\r\n"
         "Initials:  XYZ\r\n"
         "Date and Time 03-07-2004" + dateTimeGap + "14:05:09\r\n";
}

void drawForExactHeader(FakeRun& run) {
  run.world.random.draws = {0.05f, 0.0f};
  run.world.random.fallback = 0.5f;
}

TEST(OpenRecords, WritesTheHeaderBlockToTheMasterAndSendFiles) {
  FakeRun run;
  drawForExactHeader(run);
  run.loadExam();

  EXPECT_EQ(run.file(kMasterFile), headerBlock(""));
  EXPECT_EQ(run.file(kSendFile), headerBlock(" "));
  EXPECT_EQ(run.world.files.synced[kMasterFile], run.file(kMasterFile).size()) << "on disk before the load ends";
  EXPECT_EQ(run.world.files.synced[kSendFile], run.file(kSendFile).size());
  EXPECT_EQ(run.world.files.openFiles, 0);
  EXPECT_EQ(run.state().scriptIndex, 1);
  EXPECT_EQ(run.state().presentationMode, 1);
  EXPECT_FALSE(run.ended());
  EXPECT_TRUE(run.world.dialogs.messages.empty());
}

TEST(OpenRecords, ASecondRunAppendsASecondHeaderBlock) {
  FakeRun first;
  drawForExactHeader(first);
  first.loadExam();

  FakeRun second;
  second.world.files.files = first.world.files.files;
  second.world.files.folders = first.world.files.folders;
  drawForExactHeader(second);
  second.world.clock.now = "15:00:00";
  second.loadExam();

  std::string later = headerBlock("");
  later.replace(later.find("14:05:09"), 8, "15:00:00");
  EXPECT_EQ(second.file(kMasterFile), headerBlock("") + later);
}

TEST(OpenRecords, TheCodeLineIsTheSameInBothFilesAndWithinItsRanges) {
  FakeRun run;
  run.world.random.draws = {0.3f, 0.95f};  // codeNbr 28
  for (int i = 0; i < 200; ++i) run.world.random.draws.push_back(static_cast<float>((i * 37) % 100) / 100.0f);
  run.loadExam();

  const std::string master = run.file(kMasterFile);
  const std::string codeLine = master.substr(0, master.find("\r\n"));
  EXPECT_EQ(run.file(kSendFile).substr(0, codeLine.size() + 2), codeLine + "\r\n");
  EXPECT_GE(codeLine.size(), 28u);
  EXPECT_LE(codeLine.size(), 56u);
  for (char c : codeLine) {
    const int code = static_cast<unsigned char>(c);
    EXPECT_TRUE((code >= 66 && code <= 116) || code >= 118) << code;
  }
}

TEST(OpenRecords, AnAssignmentTheScriptLacksEndsTheProgramAndLeavesNoFile) {
  for (const std::string assignment : {"2", "0", "10", "1000", "", "abc", "0001", "1.0"}) {
    FakeRun run;
    run.load({"1", "First Middle Last", "XYZ", assignment});
    EXPECT_EQ(run.world.dialogs.messages, std::vector<std::string>{std::string(kInvalidAssignmentMessage)})
        << assignment;
    EXPECT_TRUE(run.ended()) << assignment;
    EXPECT_TRUE(run.world.files.files.empty()) << assignment;
    EXPECT_EQ(run.state().scriptIndex, 5001) << "every line was examined";
  }
}

TEST(OpenRecords, AssignmentOneMayBeTypedInEveryForm) {
  for (const std::string assignment : {"1", "01", "001"}) {
    FakeRun run;
    run.load({"1", "First Middle Last", "XYZ", assignment});
    EXPECT_FALSE(run.ended()) << assignment;
    EXPECT_NE(run.file(kMasterFile).find("\r\n001.  Final Exam\r\n"), std::string::npos);
  }
}

TEST(OpenRecords, AMissingLanFolderShowsError76AndTheWindowStillOpens) {
  FakeRun run;
  run.load({"2", "First Middle Last", "XYZ", "1"});
  EXPECT_EQ(run.world.dialogs.messages, std::vector<std::string>{std::string(kGeneralErrorMessage) + "76"});
  EXPECT_FALSE(run.ended());
  EXPECT_TRUE(run.world.files.files.empty());
  EXPECT_FALSE(run.form->slots.anyOpen());
}

TEST(OpenRecords, AnyOtherFailureClosesEverySlotItOpenedAndTheRunGoesOn) {
  const Fault faults[] = {
      {FileOp::Open, "send_", 70},          // the send file cannot be opened
      {FileOp::Write, "masterFile_", 61},   // the disk is full
      {FileOp::Write, "send_", 61},
      {FileOp::Sync, "send_", 57},
      {FileOp::Close, "masterFile_", 57, 1},  // the second close of the master file
  };
  for (const Fault& fault : faults) {
    FakeRun run;
    run.world.files.inject(fault);
    run.loadExam();
    EXPECT_EQ(run.world.dialogs.messages,
              std::vector<std::string>{std::string(kGeneralErrorMessage) + std::to_string(fault.error)});
    EXPECT_FALSE(run.ended());
    EXPECT_FALSE(run.form->slots.anyOpen()) << fault.pathPart;
    EXPECT_EQ(run.world.files.openFiles, 0) << fault.pathPart;
  }
}

TEST(OpenRecords, AHeaderIsWholeOrAbsentNeverHalf) {
  FakeRun run;
  run.world.files.inject(Fault{FileOp::Write, "send_", 61});
  run.loadExam();
  EXPECT_NE(run.file(kMasterFile).find("Date and Time"), std::string::npos);
  EXPECT_EQ(run.file(kSendFile), "");
}

}  // namespace
}  // namespace answerbook
