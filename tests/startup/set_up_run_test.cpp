#include "startup/set_up_run.h"

#include <gtest/gtest.h>

#include "platform/fake_run.h"
#include "startup/settings.h"
#include "window/error_trap.h"

namespace answerbook {
namespace {

using testing::FakeRun;
using testing::kHome;
using testing::kLan;

const std::string kAnswerPrompt =
    "Enter, as appropriate, an answer to the question, a critique of your answer in response to a given answer, "
    "your insights regarding the situation at this point, notes to yourself, or just an OK.\r\n\r\nAlways critique "
    "your solutions by describing any insights you had or errors you makde, and by explaining how you can make use "
    "of the insight or how you now know how to avoid certain errors.  Also pose for the instructor any question or "
    "questions that you have related to the problem or series of problems.";

TEST(SetUpRun, AsksTheFourQuestionsInOrderAndFixesTheSettings) {
  FakeRun run;
  run.world.random.draws = {0.05f, 0.0f};
  run.loadExam();
  const RunState& s = run.state();

  EXPECT_EQ(run.world.dialogs.prompts,
            (std::vector<std::string>{"Enter 1 for home user, 2 for Pelmarr LAN user", "Your full name:  ",
                                      "Your initials (use all 3 initials and always use the same three initials "
                                      "when submitting work):  ",
                                      "Assignment Number:  "}));
  EXPECT_EQ(run.world.random.seeds, std::vector<float>{50709.0f});
  EXPECT_EQ(s.problemOrder, "A1, C2, E4, D2, B2, F4");
  EXPECT_EQ(s.codeNbr, 19);
  EXPECT_EQ(s.workFolder, kHome);
  EXPECT_EQ(s.studentName, "First Middle Last");
  EXPECT_EQ(s.initials, "XYZ");
  EXPECT_EQ(s.masterFilePath, kHome + "\\masterFile_First_Middle_Last.txt");
  EXPECT_EQ(s.sendFilePath, kHome + "\\send_0307First_Middle_Last.txt");
  EXPECT_EQ(s.notesFilePath, kHome + "\\notes_First_Middle_Last.txt");
  EXPECT_EQ(s.assignmentNumber, "001");
  EXPECT_EQ(s.endMarker, "002");
  EXPECT_EQ(s.answerPrompt, kAnswerPrompt);
  EXPECT_EQ(s.questionTag, " <-<-<-<-  Q/A:   ");
  EXPECT_EQ(s.answerTag, " YOUR ANSWER  ->->->->  ");
  EXPECT_EQ(run.world.picture1.scaleWidth, 1000);
  EXPECT_EQ(run.world.picture1.scaleHeight, 1000);
  EXPECT_EQ(run.world.picture2.scaleWidth, 1000);
  EXPECT_EQ(run.world.picture2.scaleHeight, 1000);
  EXPECT_TRUE(run.world.dialogs.messages.empty());
  EXPECT_TRUE(run.world.files.folders.count(kHome));
}

TEST(SetUpRun, TheHomeOrLanAnswerChoosesTheWorkFolder) {
  const std::pair<std::string, std::string> cases[] = {
      {"2", kLan}, {" 2 ", kLan}, {"02", kLan}, {"2.0", kLan}, {"1", kHome}, {"3", kHome}, {"0", kHome}, {"12", kHome},
  };
  for (const auto& [answer, folder] : cases) {
    FakeRun run;
    run.world.files.folders.insert(kLan);
    run.load({answer, "N", "I", "1"});
    EXPECT_EQ(run.state().workFolder, folder) << answer;
    EXPECT_TRUE(run.world.files.folders.count(kHome)) << "the home folder is created for every answer";
    EXPECT_FALSE(run.ended()) << answer;
  }
}

TEST(SetUpRun, ANonNumericFirstAnswerStopsTheSetUpWithError13ThenTheLoadEnds) {
  for (const std::optional<std::string>& answer : {std::optional<std::string>(""), std::optional<std::string>(),
                                                    std::optional<std::string>("abc"), std::optional<std::string>("2x")}) {
    FakeRun run;
    run.world.random.draws = {0.35f, 0.5f};
    run.load({answer, "never asked"});
    const RunState& s = run.state();

    EXPECT_EQ(run.world.dialogs.prompts.size(), 1u);
    ASSERT_EQ(run.world.dialogs.messages.size(), 2u);
    EXPECT_EQ(run.world.dialogs.messages[0], std::string(kGeneralErrorMessage) + "13");
    EXPECT_EQ(run.world.dialogs.messages[0].substr(run.world.dialogs.messages[0].size() - 4), "  13");
    EXPECT_EQ(run.world.dialogs.messages[1], kInvalidAssignmentMessage);
    EXPECT_TRUE(run.ended());
    EXPECT_EQ(run.world.desktop.ends, 1);
    EXPECT_TRUE(run.world.dialogs.errorBoxes.empty());

    // Only the draws were made; every other setting stayed empty.
    EXPECT_EQ(s.problemOrder, "A4, B4, E1, D4, C3, F2");
    EXPECT_EQ(s.codeNbr, 24);
    EXPECT_EQ(s.workFolder, "");
    EXPECT_EQ(s.masterFilePath, "");
    EXPECT_EQ(s.assignmentNumber, "");
    EXPECT_EQ(s.answerPrompt, "");
    EXPECT_EQ(s.questionTag, "");
    EXPECT_EQ(s.scriptLines.at(1), "");
    EXPECT_TRUE(run.world.files.files.empty()) << "no record file";
  }
}

TEST(SetUpRun, TheAssignmentNumberGetsItsThreeCharacterFormAndEndMarker) {
  struct Case {
    std::string typed, number, endMarker;
  };
  const Case cases[] = {
      {"7", "007", "008"},   {"12", "012", "013"}, {"99", "099", "100"}, {"999", "999", "1000"},
      {"abc", "abc", "001"}, {"", "", "001"},      {"1.5", "1.5", "2.5"}, {"01", "001", "002"},
      {"001", "001", "002"}, {" 1", "0 1", "002"},
  };
  for (const Case& c : cases) {
    FakeRun run;
    run.load({"1", "N", "I", c.typed});
    EXPECT_EQ(run.state().assignmentNumber, c.number) << c.typed;
    EXPECT_EQ(run.state().endMarker, c.endMarker) << c.typed;
  }
}

TEST(ProblemOrder, EachDrawFallsIntoItsBand) {
  const std::pair<float, std::string> cases[] = {
      {0.0f, "A1, C2, E4, D2, B2, F4"},        {0.0999999f, "A1, C2, E4, D2, B2, F4"},
      {0.1f, "A2, B3, E3, D1, C1, F3"},        {0.25f, "A3, E2, B1, D3, F4, C4"},
      {0.45f, "A3, C2, E4, D1, B4, F1"},       {0.5f, "A1, C1, E1, D2, B1, F4"},
      {0.65f, "A2, B2, E2, D3, C4, F3"},       {0.75f, "A3, E3, B3, D4, F4, C3"},
      {0.85f, "A4, B1, E1, D1, C2, F2"},       {0.9f, "A2, C1, E4, D2, B2, F1"},
      {0.99999994f, "A2, C1, E4, D2, B2, F1"},
  };
  for (const auto& [r, order] : cases) EXPECT_EQ(problemOrderFor(r), order) << r;
}

TEST(SetUpRun, TheCodeNumberStaysWithin19And28) {
  const std::pair<float, double> cases[] = {{0.0f, 19}, {0.1f, 20}, {0.55f, 24}, {0.99999994f, 28}};
  for (const auto& [draw, codeNbr] : cases) {
    FakeRun run;
    run.world.random.draws = {0.5f, draw};
    run.loadExam();
    EXPECT_EQ(run.state().codeNbr, codeNbr) << draw;
  }
}

TEST(FileNamePart, ReplacesBlanksAndEveryCharacterThatCouldLeaveTheFolder) {
  const std::pair<std::string, std::string> cases[] = {
      {"First Middle Last", "First_Middle_Last"},
      {"Jo O'Neil-Smith Jr.", "Jo_O'Neil-Smith_Jr."},
      {"", ""},
      {"Solo", "Solo"},
      {"..\\..\\evil", ".._.._evil"},
      {"a/b:c*d?e\"f<g>h|i", "a_b_c_d_e_f_g_h_i"},
      {std::string("tab\there\x01\x7f"), "tab_here__"},
      {"Ren\xE9 M\xFCller", "Ren\xE9_M\xFCller"},
      {std::string(10000, 'x'), std::string(80, 'x')},
      {std::string(79, 'y') + " z", std::string(79, 'y') + "_"},
  };
  for (const auto& [name, part] : cases) EXPECT_EQ(fileNamePart(name), part) << name;
}

TEST(SetUpRun, FileNamesFollowTheNameAndTheDate) {
  FakeRun run;
  run.world.clock.today = "12-31-2026";
  run.load({"1", "", "", "1"});
  EXPECT_EQ(run.state().masterFilePath, kHome + "\\masterFile_.txt");
  EXPECT_EQ(run.state().sendFilePath, kHome + "\\send_1231.txt");
  EXPECT_EQ(run.state().notesFilePath, kHome + "\\notes_.txt");
}

TEST(SetUpRun, AnExistingHomeFolderIsNoReasonForAMessage) {
  FakeRun run;
  run.world.files.folders.insert(kHome);
  run.loadExam();
  EXPECT_TRUE(run.world.dialogs.messages.empty());
  EXPECT_FALSE(run.ended());
}

TEST(ExamScript, HoldsTheSixteenLinesWithTheProblemOrder) {
  FakeRun run;
  run.world.random.draws = {0.05f};
  run.loadExam();
  const RunState& s = run.state();
  const std::string order = "A1, C2, E4, D2, B2, F4";
  const std::string tail = " problem from part 3 of the test at " + std::string(kTestSiteAddress) +
                           " into the Answer Box, work the problem on paper and sketch any required graphs, and "
                           "insert your answers into the Answer box before clicking Enter Answer.  ";
  const char* ordinals[] = {"first", "ssecond", "third", "fourth", "fifth", "sixth"};

  EXPECT_EQ(s.scriptLines.at(0), "");
  EXPECT_EQ(s.scriptLines.at(1), "001.  Final Exam");
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(s.scriptLines.at(2 + 2 * i), "");
    EXPECT_EQ(s.scriptLines.at(3 + 2 * i),
              "The problem order is for your test is " + order + ".  Copy the " + ordinals[i] + tail);
  }
  EXPECT_EQ(s.scriptLines.at(14), "");
  EXPECT_EQ(s.scriptLines.at(15), "This completes part 3 of your test.");
  for (long long i = 16; i <= 5000; ++i) ASSERT_EQ(s.scriptLines.at(i), "") << i;
}

}  // namespace
}  // namespace answerbook
