#include "cycle/next_question.h"

#include <gtest/gtest.h>

#include "platform/fake_run.h"
#include "window/error_trap.h"

namespace answerbook {
namespace {

using testing::FakeRun;

const std::string kTag = " <-<-<-<-  Q/A:   ";

TEST(NextQuestion, AppendsTheLineToTheQuestionBoxWithNothingBetween) {
  FakeRun run;
  run.loadExam();
  run.script({"DEF"});
  run.world.question.value = "ABC";
  run.click(Event::NextQuestionClick);
  EXPECT_EQ(run.world.question.value, "ABCDEF");
  EXPECT_EQ(run.state().workText, "ABCDEF");
  EXPECT_EQ(run.state().nextText, "");
}

TEST(NextQuestion, WalksTheExamLineByLine) {
  FakeRun run;
  run.loadExam();
  const std::string first = run.state().scriptLines.at(3);
  const std::string second = run.state().scriptLines.at(5);
  run.click(Event::NextQuestionClick);
  EXPECT_EQ(run.world.question.value, first) << "the title line is where the reader starts from";
  run.click(Event::NextQuestionClick);
  EXPECT_EQ(run.world.question.value, first + second);
  EXPECT_EQ(run.state().scriptIndex, 5);
  EXPECT_EQ(run.world.answer.value, run.state().answerPrompt) << "the first line awaited a response";
}

TEST(NextQuestion, ARoutineLineRunsAndTheFollowingLineIsShownInItsPlace) {
  struct Case {
    std::vector<std::string> script;
    std::string shown;
    bool ends;
  };
  const Case cases[] = {
      {{"`routine graph1", "after"}, "after", false},
      {{"`ROUTINE Graph2", "after"}, "after", false},
      {{"`routine gr-aph 1", "after"}, "after", false},
      {{"`routine graph1", "`routine graph2", "third"}, "`routine graph2", false},  // the second is shown
      {{"`routine", "next"}, "`routine", false},                                     // names nothing: shown
      {{"`routine exitprog", "never"}, "", true},
      {{"`routine raph1", "never"}, "", true},
  };
  for (const Case& c : cases) {
    FakeRun run;
    run.loadExam();
    run.script({});
    for (std::size_t i = 0; i < c.script.size(); ++i) run.state().scriptLines.set(1 + static_cast<long long>(i), c.script[i]);
    run.click(Event::NextQuestionClick);
    EXPECT_EQ(run.ended(), c.ends) << c.script[0];
    EXPECT_EQ(run.world.question.value, c.shown) << c.script[0];
    if (!c.ends) {
      EXPECT_NE(run.state().cumulativeText.find(kTag + c.script[0]), std::string::npos);
    }
  }
}

TEST(NextQuestion, TwoRoutineLinesInARowShowTheSecondAwaitingNoResponse) {
  FakeRun run;
  run.loadExam();
  run.script({"`routine graph1", "`routine graph2", "third"});
  run.click(Event::NextQuestionClick);
  EXPECT_EQ(run.state().awaitingResponse, false);
  EXPECT_EQ(run.state().currentLine, "`routine graph2");
}

TEST(NextQuestion, OutOfScriptTheQuestionBoxKeepsItsText) {
  FakeRun run;
  run.loadExam();
  run.script({"`routine graph1"});
  run.world.question.value = "kept";
  run.click(Event::NextQuestionClick);
  EXPECT_EQ(run.world.question.value, "kept");
  run.click(Event::NextQuestionClick);
  EXPECT_EQ(run.world.question.value, "kept");
  EXPECT_EQ(run.world.dialogs.messages, std::vector<std::string>(2, std::string(kInvalidAssignmentMessage)));
  EXPECT_FALSE(run.ended());
}

TEST(NextQuestion, AfterTheExamsLastLineEveryClickSaysTheScriptIsOver) {
  FakeRun run;
  run.loadExam();
  for (int i = 0; i < 7; ++i) run.click(Event::NextQuestionClick);
  EXPECT_EQ(run.state().currentLine, "This completes part 3 of your test.");
  EXPECT_TRUE(run.world.dialogs.messages.empty());
  const std::string shown = run.world.question.value;
  run.click(Event::NextQuestionClick);
  run.click(Event::NextQuestionClick);
  EXPECT_EQ(run.world.dialogs.messages.size(), 2u);
  EXPECT_EQ(run.world.question.value, shown);
  EXPECT_EQ(run.state().scriptIndex, 5002);
}

}  // namespace
}  // namespace answerbook
