#include "cycle/recording.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/fake_run.h"
#include "window/error_trap.h"

namespace answerbook {
namespace {

using testing::Fault;
using testing::FakeRun;
using testing::FileOp;
using testing::kHome;
using testing::kMasterFile;
using testing::kNotesFile;
using testing::kSendFile;


const std::string kDivider = "......!!!!!!!!...................................\r\n";
const std::string kClosing = ".................................................\r\n";
const std::string kBlanks(36, ' ');
const std::string kAnswerTag = " YOUR ANSWER  ->->->->  ";

// A loaded run whose question box shows the line "Question one"; the files' content
// so far is remembered, so that each test sees only what its clicks added.
class RecordingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    run.loadExam();
    run.script({"Question one"});
    run.click(Event::NextQuestionClick);
    run.world.clock.now = "14:06:10";
    for (const std::string& f : {kMasterFile, kSendFile, kNotesFile}) before[f] = run.file(f);
  }

  std::string added(const std::string& path) { return run.file(path).substr(before[path].size()); }
  void type(const std::string& text) { run.world.answer.value = text; }

  std::string responseEntry(const std::string& question, const std::string& response, bool master,
                            const std::string& number = "10000") {
    return kDivider + kBlanks + "14:06:10\r\n" + (master ? "\r\n\r\n`questionNumber " + number + " \r\n" : "") +
           question + "\r\n" + kDivider + "RESPONSE -->  \r\n" + response + "\r\n" + kClosing;
  }

  std::string notesEntry(const std::string& question, const std::string& note) {
    return kDivider + kBlanks + "14:06:10\r\n" + kBlanks + "03-07-200414:06:10\r\n" + question + "\r\n" + kDivider +
           "NOTES -------> " + note + "\r\n" + kClosing;
  }

  FakeRun run;
  std::map<std::string, std::string> before;
};

TEST_F(RecordingTest, AResponseEntryGoesToTheMasterAndSendFiles) {
  type("My answer");
  run.click(Event::EnterResponseClick);
  EXPECT_EQ(added(kMasterFile), responseEntry("Question one", "My answer", true));
  EXPECT_EQ(added(kSendFile), responseEntry("Question one", "My answer", false));
  EXPECT_FALSE(run.world.files.exists(kNotesFile));
  EXPECT_EQ(run.world.question.value, "");
  EXPECT_EQ(run.world.answer.value, "");
  EXPECT_EQ(run.state().awaitingResponse, false);
  EXPECT_EQ(run.state().workText, "My answer");
  EXPECT_EQ(run.state().cumulativeText.substr(0, kAnswerTag.size() + 9), kAnswerTag + "My answer");
}

TEST_F(RecordingTest, ANotesEntryGoesToAllThreeFiles) {
  type("remember this");
  run.click(Event::SaveAsNotesClick);
  for (const std::string& f : {kMasterFile, kSendFile, kNotesFile}) {
    EXPECT_EQ(added(f), notesEntry("Question one", "remember this")) << f;
  }
  EXPECT_EQ(run.state().workText, "NOTES -------> remember this");
  EXPECT_EQ(run.state().cumulativeText.substr(0, kAnswerTag.size() + 28), kAnswerTag + "NOTES -------> remember this");
  EXPECT_EQ(run.world.answer.value, "");
}

TEST_F(RecordingTest, EveryEntryIsOnDiskWhenTheClickIsOverAndNoFileStaysOpen) {
  type("a");
  run.click(Event::EnterResponseClick);
  type("b");
  run.click(Event::SaveAsNotesClick);
  for (const std::string& f : {kMasterFile, kSendFile, kNotesFile}) {
    EXPECT_EQ(run.world.files.synced[f], run.file(f).size()) << f;
  }
  EXPECT_EQ(run.world.files.openFiles, 0);
}

TEST_F(RecordingTest, ResponsesKeepTheirOwnLineBreaksAndMayBeEmpty) {
  const std::string cases[] = {"", "line one\r\nline two", "\r\n", "ends with a break\r\n"};
  for (const std::string& response : cases) {
    const std::size_t start = run.file(kSendFile).size();
    type(response);
    run.click(Event::EnterResponseClick);
    EXPECT_EQ(run.file(kSendFile).substr(start), responseEntry("Question one", response, false));
  }
}

TEST_F(RecordingTest, AnAnswerBoxThatStillShowsThePromptRecordsNothing) {
  run.script({"Question one", "Question two"});
  run.click(Event::NextQuestionClick);
  run.click(Event::NextQuestionClick);  // moving on puts the prompt into the answer box
  ASSERT_EQ(run.world.answer.value, run.state().answerPrompt);
  const std::string cumulative = run.state().cumulativeText;
  for (Event click : {Event::EnterResponseClick, Event::SaveAsNotesClick}) {
    run.world.answer.value = run.state().answerPrompt;
    run.world.question.value = "question";
    run.click(click);
    EXPECT_EQ(run.world.question.value, "");
    EXPECT_EQ(run.world.answer.value, "");
    EXPECT_EQ(run.state().awaitingResponse, true);
    EXPECT_EQ(run.state().cumulativeText, cumulative);
  }
  EXPECT_EQ(added(kMasterFile), "");
  EXPECT_EQ(added(kSendFile), "");

  // One character more, and it is an answer like any other.
  type(run.state().answerPrompt + "!");
  run.click(Event::EnterResponseClick);
  EXPECT_NE(added(kMasterFile).find(run.state().answerPrompt + "!\r\n"), std::string::npos);
}

TEST_F(RecordingTest, TheNumberLineCarriesAssignmentAndQuestionNumber) {
  struct Case {
    std::string assignment, questionLine, number;
  };
  const Case cases[] = {
      {"001", "plain line", "10000"},
      {"012", "`q5 fifth", "120005"},
      {"001", "`Q 12", "10012"},
      {"1.5", "plain", "15000"},
  };
  for (const Case& c : cases) {
    FakeRun r;
    r.loadExam();
    r.world.clock.now = "14:06:10";
    r.state().assignmentNumber = c.assignment;
    r.script({c.questionLine});
    r.click(Event::NextQuestionClick);
    const std::size_t start = r.file(kMasterFile).size();
    r.world.answer.value = "x";
    r.click(Event::EnterResponseClick);
    EXPECT_EQ(r.file(kMasterFile).substr(start), responseEntry(c.questionLine, "x", true, c.number));
  }

  // The question number stays until the next question-number line.
  run.script({"`q3", "plain"});
  for (int i = 0; i < 2; ++i) run.click(Event::NextQuestionClick);
  const std::size_t start = run.file(kMasterFile).size();
  type("y");
  run.click(Event::EnterResponseClick);
  EXPECT_EQ(run.file(kMasterFile).substr(start), responseEntry("plain", "y", true, "10003"));
}

TEST_F(RecordingTest, BeforeAnyLineTheQuestionIsEmpty) {
  FakeRun fresh;
  fresh.loadExam();
  const std::size_t start = fresh.file(kMasterFile).size();
  fresh.world.answer.value = "early";
  fresh.click(Event::EnterResponseClick);
  EXPECT_NE(fresh.file(kMasterFile).substr(start).find("`questionNumber 10000 \r\n\r\n" + kDivider), std::string::npos);
}

// A file that cannot be opened or written: the student is told, keeps every
// word typed, and can try again; no file holds half an entry.
TEST_F(RecordingTest, AFailedRecordingLosesNothingAndCanBeTriedAgain) {
  const Fault faults[] = {
      {FileOp::Open, "masterFile_", err::kPathNotFound},  {FileOp::Open, "send_", err::kPermissionDenied},
      {FileOp::Open, "notes_", err::kPermissionDenied},   {FileOp::Write, "masterFile_", err::kDiskFull},
      {FileOp::Write, "send_", err::kDiskFull},           {FileOp::Write, "notes_", err::kDiskFull},
      {FileOp::Sync, "masterFile_", err::kDeviceIoError}, {FileOp::Sync, "notes_", err::kDeviceIoError},
      {FileOp::Close, "send_", err::kDeviceIoError},
  };
  for (Event click : {Event::EnterResponseClick, Event::SaveAsNotesClick}) {
    for (const Fault& fault : faults) {
      if (click == Event::EnterResponseClick && fault.pathPart == "notes_") continue;  // not its file
      FakeRun r;
      r.loadExam();
      r.script({"Question one"});
      r.click(Event::NextQuestionClick);
      const std::string question = r.world.question.value;
      const std::string cumulative = r.state().cumulativeText;
      std::map<std::string, std::string> start;
      for (const std::string& f : {kMasterFile, kSendFile, kNotesFile}) start[f] = r.file(f);
      r.world.files.inject(fault);
      r.world.answer.value = "my careful answer";
      r.click(click);

      const std::string what = std::string(click == Event::EnterResponseClick ? "response" : "note") + " / " +
                               fault.pathPart + " / " + std::to_string(static_cast<int>(fault.op));
      EXPECT_FALSE(r.ended()) << what;
      EXPECT_EQ(r.world.dialogs.messages, std::vector<std::string>{generalErrorMessage(fault.error)}) << what;
      EXPECT_EQ(r.world.answer.value, "my careful answer") << what;
      EXPECT_EQ(r.world.question.value, question) << what;
      EXPECT_EQ(r.state().awaitingResponse, true) << what;
      EXPECT_EQ(r.state().cumulativeText, cumulative) << what;
      EXPECT_FALSE(r.form->slots.anyOpen()) << what;
      EXPECT_EQ(r.world.files.openFiles, 0) << what;
      for (const std::string& f : {kMasterFile, kSendFile, kNotesFile}) {
        const std::string grown = r.file(f).substr(start[f].size());
        EXPECT_TRUE(grown.empty() || (grown.rfind(kDivider, 0) == 0 && grown.size() >= kClosing.size() &&
                                      grown.substr(grown.size() - kClosing.size()) == kClosing))
            << what << ": half an entry in " << f;
      }

      // The fault is gone: the same click records the answer.
      r.click(click);
      EXPECT_EQ(r.world.answer.value, "") << what;
      EXPECT_EQ(r.state().awaitingResponse, false) << what;
      EXPECT_NE(r.file(kSendFile).find("my careful answer"), std::string::npos) << what;
    }
  }
}

}  // namespace
}  // namespace answerbook
