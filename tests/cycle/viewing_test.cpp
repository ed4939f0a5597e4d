#include "cycle/viewing.h"

#include <gtest/gtest.h>

#include "platform/fake_run.h"
#include "window/error_trap.h"

namespace answerbook {
namespace {

using testing::Fault;
using testing::FakeRun;
using testing::FileOp;
using testing::kMasterFile;
using testing::kNotesFile;
using testing::kSendFile;

const std::string kQTag = " <-<-<-<-  Q/A:   ";
const std::string kATag = " YOUR ANSWER  ->->->->  ";

class ViewingTest : public ::testing::Test {
 protected:
  void SetUp() override { run.loadExam(); }
  FakeRun run;
};

TEST_F(ViewingTest, DisplayNotesAddsWorkTextAndTheNotesLinesToTheQuestionBox) {
  run.script({"Q"});
  run.click(Event::NextQuestionClick);
  run.world.files.files[kNotesFile] = "L1\r\nL2\r\n";
  run.click(Event::DisplayNotesClick);
  EXPECT_EQ(run.state().workText, "QL1L2");
  EXPECT_EQ(run.world.question.value, "QQL1L2");

  run.click(Event::DisplayNotesClick);  // again: the lines once more, and all of workText again
  EXPECT_EQ(run.state().workText, "QL1L2L1L2");
  EXPECT_EQ(run.world.question.value, "QQL1L2QL1L2L1L2");
  EXPECT_EQ(run.world.files.openFiles, 0);
}

TEST_F(ViewingTest, DisplayNotesAfterAResponseStartsWithTheResponse) {
  run.click(Event::NextQuestionClick);
  run.world.answer.value = "R";
  run.click(Event::EnterResponseClick);
  run.world.files.files[kNotesFile] = "L1\r\n";
  run.click(Event::DisplayNotesClick);
  EXPECT_EQ(run.world.question.value, "RL1");
}

TEST_F(ViewingTest, AnEmptyNotesFileAddsWorkTextOnce) {
  run.state().workText = "W";
  run.world.files.files[kNotesFile] = "";
  run.click(Event::DisplayNotesClick);
  EXPECT_EQ(run.world.question.value, "W");
  EXPECT_EQ(run.state().workText, "W");
}

TEST_F(ViewingTest, DisplayNotesWithoutANotesFileSaysSoAndChangesNothing) {
  // No note saved yet: there is no notes file.
  run.state().workText = "W";
  run.world.question.value = "shown";
  run.click(Event::DisplayNotesClick);
  EXPECT_EQ(run.world.dialogs.messages, std::vector<std::string>{generalErrorMessage(err::kFileNotFound)});
  EXPECT_EQ(run.world.question.value, "shown");
  EXPECT_EQ(run.state().workText, "W");
  EXPECT_FALSE(run.ended());

  // Unreadable in the middle: nothing of it is shown.
  run.world.dialogs.messages.clear();
  run.world.files.files[kNotesFile] = std::string(200000, 'n') + "\r\n";
  run.world.files.inject(Fault{FileOp::Read, "notes_", err::kDeviceIoError, 1});
  run.click(Event::DisplayNotesClick);
  EXPECT_EQ(run.world.dialogs.messages, std::vector<std::string>{generalErrorMessage(err::kDeviceIoError)});
  EXPECT_EQ(run.world.question.value, "shown");
  EXPECT_EQ(run.state().workText, "W");
  EXPECT_EQ(run.world.files.openFiles, 0);
}

TEST_F(ViewingTest, DisplayEverythingShowsTheRunNewestFirst) {
  run.click(Event::DisplayEverythingClick);
  EXPECT_EQ(run.world.question.value, "") << "nothing shown or answered yet";

  run.script({"A", "B"});
  run.click(Event::NextQuestionClick);
  run.click(Event::NextQuestionClick);
  run.world.answer.value = "R";
  run.click(Event::EnterResponseClick);
  run.world.question.value = "replaced";
  run.click(Event::DisplayEverythingClick);
  EXPECT_EQ(run.world.question.value, kATag + "R" + kQTag + "B" + kQTag + "A");
}

TEST_F(ViewingTest, ClearBoxEmptiesOnlyTheAnswerBox) {
  run.script({"Q"});
  run.click(Event::NextQuestionClick);
  run.world.answer.value = "draft";
  run.click(Event::ClearBoxClick);
  EXPECT_EQ(run.world.answer.value, "");
  EXPECT_EQ(run.world.question.value, "Q");
  EXPECT_EQ(run.state().awaitingResponse, true);

  // An empty answer is an answer: it is recorded.
  run.click(Event::EnterResponseClick);
  EXPECT_NE(run.file(kSendFile).find("RESPONSE -->  \r\n\r\n"), std::string::npos);
}

TEST_F(ViewingTest, QuitEndsTheProgramAndUnrecordedTextIsNotRecorded) {
  run.click(Event::NextQuestionClick);
  const std::string master = run.file(kMasterFile);
  run.world.answer.value = "not recorded";
  run.click(Event::QuitClick);
  EXPECT_TRUE(run.ended());
  EXPECT_TRUE(run.world.dialogs.messages.empty());
  EXPECT_EQ(run.file(kMasterFile), master);
}

}  // namespace
}  // namespace answerbook
