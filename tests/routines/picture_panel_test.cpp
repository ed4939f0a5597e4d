#include "routines/picture_panel.h"

#include <gtest/gtest.h>

#include "platform/fake_run.h"

namespace answerbook {
namespace {

using testing::Circle;
using testing::FakeRun;

const Picture kRedAndGreen{2, 1, {0xffff0000u, 0xff00ff00u}};
const Picture kBlue{1, 1, {0xff0000ffu}};

class PicturePanel : public ::testing::Test {
 protected:
  void SetUp() override { run.loadExam(); }

  FakeRun run;
  testing::FakeWorld& world = run.world;
};

TEST_F(PicturePanel, TheTimerIsStoppedUntilPendExpAndThenStaysRunning) {
  EXPECT_FALSE(world.timer.on);

  run.form->handle(Event::PendExpClick);
  EXPECT_TRUE(world.timer.on);
  run.form->handle(Event::PendExpClick);
  EXPECT_TRUE(world.timer.on) << "a second click must not stop it";

  EXPECT_EQ(world.desktop.beeps, 0) << "the clicks themselves neither beep nor draw";
  EXPECT_TRUE(world.picture1.circles.empty());
  EXPECT_FALSE(run.ended());
}

TEST_F(PicturePanel, EveryTickBeepsOnceAndAddsOneCircleAroundTheCentre) {
  // 0.1f x 500 is 50.0000007 in double precision but exactly 50 in single.
  const float draws[] = {0.0f, 0.25f, 0.1f, 0.5f, 0.99999994f};
  const double radii[] = {0.0, 125.0, 50.0, 250.0, 499.99996948242188};
  for (float r : draws) world.random.draws.push_back(r);
  const int takenAtStart = world.random.taken;
  run.form->handle(Event::PendExpClick);

  std::vector<Circle> expected;
  for (double radius : radii) {
    run.form->handle(Event::TimerTick);
    expected.push_back({500, 500, radius});
    EXPECT_EQ(world.picture1.circles, expected);
    EXPECT_EQ(world.desktop.beeps, static_cast<int>(expected.size()));
  }
  EXPECT_EQ(world.random.taken - takenAtStart, 5) << "one draw per tick";
  EXPECT_TRUE(world.picture2.circles.empty());
  EXPECT_TRUE(world.picture1.stored.empty()) << "drawing never becomes the picture";
  EXPECT_FALSE(run.ended());
}

TEST_F(PicturePanel, CopyPictureCarriesThePictureOfPicture1ThroughTheClipboard) {
  world.picture1.stored = kRedAndGreen;
  world.desktop.clipboard = kBlue;
  world.picture1.circle(500, 500, 100);

  run.form->handle(Event::CopyPictureClick);
  EXPECT_EQ(world.desktop.clipboard, kRedAndGreen);
  EXPECT_EQ(world.picture2.stored, kRedAndGreen);
  EXPECT_TRUE(world.picture2.circles.empty());
}

TEST_F(PicturePanel, AnEmptyPictureLeavesTheClipboardAloneAndPicture2Empty) {
  world.desktop.clipboard = kBlue;  // something the student copied elsewhere
  world.picture2.stored = kRedAndGreen;
  world.picture1.circle(500, 500, 100);

  run.form->handle(Event::CopyPictureClick);
  EXPECT_EQ(world.desktop.clipboard, kBlue);
  EXPECT_TRUE(world.picture2.stored.empty());
  EXPECT_FALSE(run.ended());
}

}  // namespace
}  // namespace answerbook
