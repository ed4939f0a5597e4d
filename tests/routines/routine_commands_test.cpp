#include "routines/routine_commands.h"

#include <gtest/gtest.h>

#include "platform/fake_run.h"
#include "platform/program_end.h"

namespace answerbook {
namespace {

using testing::FakeRun;

TEST(RunRoutine, GraphNamesReturnAndEveryOtherNameEndsTheProgram) {
  const std::pair<std::string, bool> cases[] = {
      {"graph1", false}, {"GRAPH2", false}, {"Graph3", false}, {"exitprog", true}, {"EXITPROG", true},
      {"graph4", true},  {"", true},        {"raph1", true},   {"graph1 ", true},
  };
  for (const auto& [name, ends] : cases) {
    FakeRun run;
    run.loadExam();
    try {
      runRoutine(*run.form, name);
      EXPECT_FALSE(ends) << name;
    } catch (const ProgramEnd&) {
      EXPECT_TRUE(ends) << name;
    }
  }
}

TEST(RoutineName, SkipsTheNinthCharacterAndDropsBlanksAndHyphens) {
  const std::pair<std::string, std::string> cases[] = {
      {"`routine graph1", "graph1"},
      {"`ROUTINE exit-prog", "exitprog"},
      {"`routine gr-aph 1", "graph1"},
      {"`routinegraph1", "raph1"},
      {"`routine", ""},
      {"`routine ", ""},
  };
  for (const auto& [line, name] : cases) EXPECT_EQ(routineName(line), name) << line;
  EXPECT_TRUE(isRoutineLine("`Routine x"));
  EXPECT_TRUE(isRoutineLine("`routine"));
  EXPECT_FALSE(isRoutineLine("`routin"));
  EXPECT_FALSE(isRoutineLine(" `routine x"));
}

// "next picture" with the position s = 10: which lines it runs and where it
// leaves the position.
TEST(NextPicture, RunsTheRoutineLinesAfterThePositionAndMovesOverThem) {
  const std::string graph = "`routine graph1";
  const std::string plain = "a line";
  struct Case {
    std::string line11, line12, line13;
    long long after;
  };
  const Case cases[] = {
      {plain, plain, plain, 10},  // nothing to run
      {graph, plain, plain, 11},  // line 12 is not looked at after line 11 ran
      {graph, graph, plain, 11},
      {graph, plain, graph, 13},
      {plain, graph, plain, 12},
      {plain, plain, graph, 10},
  };
  for (const Case& c : cases) {
    FakeRun run;
    run.loadExam();
    run.script({}, 10);
    run.state().scriptLines.set(11, c.line11);
    run.state().scriptLines.set(12, c.line12);
    run.state().scriptLines.set(13, c.line13);
    run.click(Event::NextPictureClick);
    EXPECT_EQ(run.state().scriptIndex, c.after) << c.line11 << " / " << c.line12 << " / " << c.line13;
    EXPECT_FALSE(run.ended());
  }
}

TEST(NextPicture, ARoutineThatEndsTheProgramEndsIt) {
  FakeRun run;
  run.loadExam();
  run.script({"`ROUTINE exit-prog"});
  run.click(Event::NextPictureClick);
  EXPECT_TRUE(run.ended());
  EXPECT_TRUE(run.world.dialogs.messages.empty());
}

TEST(NextPicture, PastTheEndOfTheScriptDoesNothing) {
  for (long long index : {4999LL, 5000LL, 5001LL, 5007LL}) {
    FakeRun run;
    run.loadExam();
    run.script({}, index);
    run.click(Event::NextPictureClick);
    EXPECT_EQ(run.state().scriptIndex, index);
    EXPECT_FALSE(run.ended()) << index;
    EXPECT_TRUE(run.world.dialogs.errorBoxes.empty());
  }
}

}  // namespace
}  // namespace answerbook
