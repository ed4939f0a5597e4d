#include "cycle/script_reader.h"

#include <gtest/gtest.h>

#include "platform/fake_run.h"
#include "window/error_trap.h"

namespace answerbook {
namespace {

using testing::FakeRun;

const std::string kTag = " <-<-<-<-  Q/A:   ";

class ScriptReaderTest : public ::testing::Test {
 protected:
  void SetUp() override { run.loadExam(); }
  void read() { readNextQuestion(*run.form); }
  RunState& s() { return run.state(); }
  FakeRun run;
};

TEST_F(ScriptReaderTest, PassesOverEmptySlotsToTheNextLine) {
  run.script({"", "", "", "", "", "", "", "abc"}, 5);
  read();
  EXPECT_EQ(s().scriptIndex, 8);
  EXPECT_EQ(s().currentLine, "abc");
  EXPECT_EQ(s().nextText, "abc");
  EXPECT_EQ(s().awaitingResponse, true);
}

TEST_F(ScriptReaderTest, PutsEachLineInFrontOfTheCumulativeText) {
  s().cumulativeText = "older";
  run.script({"A", "B"});
  read();
  read();
  EXPECT_EQ(s().cumulativeText, kTag + "B" + kTag + "A" + "older");
}

TEST_F(ScriptReaderTest, MarkersSetTheQuestionNumberAndTheResponseDue) {
  struct Case {
    std::string line;
    std::string questionNumber;
    bool awaiting;
  };
  const Case cases[] = {
      {"`q12", "12", true},          {"`Q 7 what?", "7", true}, {"`q", "0", true},
      {"`qabc", "0", true},          {"q12", "", true},         {"`routine graph1", "", false},
      {"`ROUTINE graph2", "", false}, {"`routin", "", true},     {"`q5`routine", "5", true},
  };
  for (const Case& c : cases) {
    FakeRun fresh;
    fresh.loadExam();
    fresh.script({c.line});
    readNextQuestion(*fresh.form);
    EXPECT_EQ(fresh.state().questionNumber, c.questionNumber) << c.line;
    EXPECT_EQ(fresh.state().awaitingResponse, c.awaiting) << c.line;
    EXPECT_EQ(fresh.state().nextText, c.line);
    EXPECT_FALSE(fresh.ended());
  }
}

TEST_F(ScriptReaderTest, MovingOnWithoutRecordingPutsThePromptBack) {
  run.script({"first", "second", "`routine graph1", "after routine"});
  run.world.answer.value = "typed";
  read();
  EXPECT_EQ(run.world.answer.value, "typed") << "no response was due yet";
  run.world.answer.value = "typed but not recorded";
  read();
  EXPECT_EQ(run.world.answer.value, s().answerPrompt);
  run.world.answer.value = "typed again";
  read();  // the routine line
  EXPECT_EQ(run.world.answer.value, s().answerPrompt);
  run.world.answer.value = "kept";
  read();
  EXPECT_EQ(run.world.answer.value, "kept") << "a routine line awaits no response";
}

TEST_F(ScriptReaderTest, TheEndMarkerAndTheEndOfScriptEndTheProgram) {
  const std::pair<std::string, bool> cases[] = {
      {"002 next assignment", true}, {"002", true},   {"02", false},     {"0021", true},
      {"####.#", true},              {"####.# x", true}, {"####.", false}, {"###.##", false},
      {"003", false},
  };
  for (const auto& [line, ends] : cases) {
    FakeRun fresh;
    fresh.loadExam();
    fresh.script({line});
    fresh.click(Event::NextQuestionClick);
    EXPECT_EQ(fresh.ended(), ends) << line;
    EXPECT_EQ(fresh.world.question.value, ends ? "" : line) << "an ending line is never shown";
    EXPECT_TRUE(fresh.world.dialogs.messages.empty());
  }
}

TEST_F(ScriptReaderTest, RunningOutOfScriptShowsTheInvalidAssignmentMessageEachTime) {
  run.script({"only"}, 0);
  read();
  s().nextText.clear();
  read();
  EXPECT_EQ(s().scriptIndex, 5001) << "every slot up to 5000 was examined";
  read();
  EXPECT_EQ(s().scriptIndex, 5002);
  EXPECT_EQ(run.world.dialogs.messages,
            std::vector<std::string>(2, std::string(kInvalidAssignmentMessage)));
  EXPECT_EQ(s().awaitingResponse, false);
  EXPECT_FALSE(run.ended());
}

TEST_F(ScriptReaderTest, TheLastSlotIsReadAndTheNextOneIsPastTheEnd) {
  s().scriptLines.set(5000, "last");
  s().scriptIndex = 4998;
  read();
  EXPECT_EQ(s().currentLine, "last");
  EXPECT_TRUE(run.world.dialogs.messages.empty());
}

}  // namespace
}  // namespace answerbook
