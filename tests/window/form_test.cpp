#include "window/form.h"

#include <gtest/gtest.h>

#include "platform/fake_run.h"
#include "platform/program_end.h"
#include "platform/run_error.h"

namespace answerbook {
namespace {

using testing::FakeRun;

TEST(Form, ClosingTheWindowEndsTheProgramWithoutAMessage) {
  FakeRun run;
  run.loadExam();
  run.form->slots.open(1, testing::kHome + "\\x.txt", OpenMode::Append);
  run.form->close();
  EXPECT_TRUE(run.ended());
  EXPECT_EQ(run.world.desktop.ends, 1);
  EXPECT_TRUE(run.world.dialogs.messages.empty());
  EXPECT_TRUE(run.world.dialogs.errorBoxes.empty());
  EXPECT_EQ(run.world.files.openFiles, 0);

  run.form->close();
  run.form->handle(Event::Load);
  EXPECT_EQ(run.world.desktop.ends, 1) << "nothing runs after the end";
  EXPECT_EQ(run.world.dialogs.prompts.size(), 4u);
}

TEST(Form, AnErrorNoHandlerTrapsIsReportedInTheErrorBoxAndEndsTheProgram) {
  FakeRun run;
  run.world.random.failWith = err::kDeviceIoError;  // the first draw comes before any trap
  run.loadExam();
  EXPECT_EQ(run.world.dialogs.errorBoxes, std::vector<int>{err::kDeviceIoError});
  EXPECT_TRUE(run.world.dialogs.messages.empty());
  EXPECT_TRUE(run.ended());
  EXPECT_EQ(run.world.desktop.ends, 1);
}

}  // namespace
}  // namespace answerbook
