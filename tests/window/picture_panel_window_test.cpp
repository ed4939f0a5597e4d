#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QPushButton>

#include "platform/fake_platform.h"
#include "platform/qt/qt_desktop.h"
#include "window/form.h"
#include "window/main_window.h"
#include "window/picture_box_widget.h"

namespace answerbook {
namespace {

// The picture panel in the real window, with the real clipboard; the rest of
// the world is faked.
class PicturePanelWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* a : {"1", "First Middle Last", "XYZ", "1"}) world.dialogs.answer(a);
    window.attach(&form);
    form.handle(Event::Load);
    ASSERT_FALSE(form.ended());
  }
  void TearDown() override { window.timer().stop(); }

  void click(const char* name) { static_cast<QPushButton*>(window.control(name))->click(); }
  PictureBoxWidget& box(const char* name) { return *static_cast<PictureBoxWidget*>(window.control(name)); }

  testing::FakeWorld world;
  QtDesktop desktop;
  MainWindow window;
  Form form{Platform{world.dialogs, world.files, world.clock, world.random, desktop}, window.controls()};
};

TEST_F(PicturePanelWindow, PendExpStartsTheOneTimerWhoseTicksDrawInPicture1) {
  QTimer& timer = window.timer();
  EXPECT_FALSE(timer.isActive());

  click("cmd_pend_exp");
  click("cmd_pend_exp");
  EXPECT_TRUE(timer.isActive());
  EXPECT_EQ(timer.interval(), 15);
  EXPECT_EQ(QAbstractEventDispatcher::instance()->registeredTimers(&timer).size(), 1);

  // A draw of 0.25 gives radius 125, well inside the box's height.
  world.random.fallback = 0.25f;
  const QSize inner = box("Picture1").contentsRect().size();
  const QPoint onTheCircle(static_cast<int>(inner.width() / 2.0 + 125 * inner.width() / 1000.0),
                           inner.height() / 2);
  const int ticks = 3;
  const int drawsBefore = world.random.taken;
  const QDeadlineTimer deadline(10000);
  while (world.random.taken < drawsBefore + ticks && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  ASSERT_GE(world.random.taken, drawsBefore + ticks) << "the timer ticks by itself";
  bool drawn = false;
  const QImage image = box("Picture1").rendering();
  for (int dx = -1; dx <= 1; ++dx) drawn = drawn || image.pixel(onTheCircle + QPoint(dx, 0)) == qRgb(0, 0, 0);
  EXPECT_TRUE(drawn);
  EXPECT_TRUE(box("Picture1").picture().empty());
}

TEST_F(PicturePanelWindow, CopyPictureCarriesThePictureButNotTheCirclesThroughTheClipboard) {
  const Picture red{6, 4, std::vector<std::uint32_t>(24, 0xffff0000u)};
  box("Picture1").setPicture(red);
  world.random.fallback = 0.5f;
  form.handle(Event::TimerTick);

  click("cmd_copy_picture");
  EXPECT_EQ(box("Picture2").picture(), red);
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32).pixel(5, 3),
            qRgb(255, 0, 0));
  const QImage shown = box("Picture2").rendering();
  EXPECT_EQ(shown.pixel(5, 3), qRgb(255, 0, 0));
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) ASSERT_NE(shown.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
  }
}

TEST_F(PicturePanelWindow, CopyingTheEmptyPictureKeepsTheStudentsClipboard) {
  QGuiApplication::clipboard()->setText(QStringLiteral("copied from the test site"));
  form.handle(Event::TimerTick);

  click("cmd_copy_picture");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("copied from the test site"));
  EXPECT_TRUE(box("Picture2").picture().empty());
  const QImage shown = box("Picture2").rendering();
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) ASSERT_EQ(shown.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
  }
}

}  // namespace
}  // namespace answerbook
