#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <cstdlib>

#include "window/control_table.h"
#include "window/main_window.h"

namespace answerbook {
namespace {

// The window on a screen of more than 96 dpi, however Qt is told to scale
// it (CTest runs this on several such screens): in the screen's own pixels,
// the window and every control are as large as their twips say in inches,
// so the window is not tiny where pixels are small.
class ScreenScalingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    // The screen's own pixels per inch: Qt's logical dpi, in device
    // independent pixels, times the scale Qt applies to them.
    scale = window.devicePixelRatioF();
    dpi = window.screen()->logicalDotsPerInchX() * scale;
    const char* expected = std::getenv("ANSWERBOOK_TEST_SCREEN_DPI");
    ASSERT_NE(expected, nullptr) << "run by CTest on a screen of known dpi";
    ASSERT_DOUBLE_EQ(dpi, std::atof(expected)) << "the test's screen is in place";
  }

  // Twips in the screen's own pixels, give or take the rounding to whole
  // device-independent pixels.
  void expectScreenPixels(int pixels, int twips, const char* what) {
    EXPECT_NEAR(pixels * scale, twips * dpi / kTwipsPerInch, scale / 2 + 0.01) << what;
  }

  MainWindow window;
  double scale = 1;
  double dpi = 96;
};

TEST_F(ScreenScalingTest, TheWindowAndEveryControlKeepTheirSizeInInches) {
  expectScreenPixels(window.width(), kClientWidthTwips, "window width");
  expectScreenPixels(window.height(), kClientHeightTwips, "window height");
  for (const ControlLayout& layout : kControls) {
    SCOPED_TRACE(std::string(layout.name));
    const QRect g = window.control(layout.name)->geometry();
    expectScreenPixels(g.x(), layout.left, "left");
    expectScreenPixels(g.y(), layout.top, "top");
    expectScreenPixels(g.width(), layout.width, "width");
    expectScreenPixels(g.height(), layout.height, "height");
  }
}

}  // namespace
}  // namespace answerbook
