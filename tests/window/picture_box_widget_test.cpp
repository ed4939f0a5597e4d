#include "window/picture_box_widget.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

namespace answerbook {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

// Whether a pixel within one of `p` is black: an outline drawn around a
// centre that falls between pixels may land on either neighbour.
bool blackNear(const QImage& image, double x, double y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const QPoint p(static_cast<int>(std::lround(x)) + dx, static_cast<int>(std::lround(y)) + dy);
      if (image.rect().contains(p) && image.pixel(p) == kBlack) return true;
    }
  }
  return false;
}

int blackPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == kBlack ? 1 : 0;
  }
  return count;
}

// The size of Picture1 in the window: wide and low.
class PictureBoxWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    box.setGeometry(0, 0, 345, 92);
    box.setScaleHeight(1000);
    box.setScaleWidth(1000);
    inner = box.contentsRect().size();
    cx = inner.width() / 2.0;
    cy = inner.height() / 2.0;
  }

  // A circle's radius in pixels: on the horizontal scale.
  double pixels(double units) const { return units * inner.width() / 1000.0; }

  PictureBoxWidget box;
  QSize inner;
  double cx = 0;
  double cy = 0;
};

TEST_F(PictureBoxWidgetTest, ACircleIsARoundBlackOutlineMeasuredOnTheHorizontalScale) {
  box.circle(500, 500, 100);
  const QImage image = box.rendering();
  const double r = pixels(100);
  ASSERT_LT(r, cy) << "the whole circle lies inside the box";

  EXPECT_TRUE(blackNear(image, cx + r, cy));
  EXPECT_TRUE(blackNear(image, cx - r, cy));
  EXPECT_TRUE(blackNear(image, cx, cy - r)) << "as far up as sideways: a true circle";
  EXPECT_TRUE(blackNear(image, cx, cy + r));
  EXPECT_EQ(image.pixel(static_cast<int>(cx), static_cast<int>(cy)), kWhite) << "an outline, not filled";
  EXPECT_EQ(image.pixel(static_cast<int>(cx + r / 2), static_cast<int>(cy)), kWhite);
  EXPECT_EQ(image.pixel(static_cast<int>(cx + r + 4), static_cast<int>(cy)), kWhite);
}

TEST_F(PictureBoxWidgetTest, CirclesAccumulateAndTheBoxClipsTheLargeOnes) {
  box.circle(500, 500, 50);
  box.circle(500, 500, 450);  // far taller than the box
  const QImage image = box.rendering();
  EXPECT_TRUE(blackNear(image, cx + pixels(50), cy));
  EXPECT_TRUE(blackNear(image, cx + pixels(450), cy));
  EXPECT_TRUE(blackNear(image, cx - pixels(450), cy));
  EXPECT_EQ(image.pixel(static_cast<int>(cx), 1), kWhite) << "its top lies outside the box";
}

TEST_F(PictureBoxWidgetTest, CirclesSurviveRepaintsAndHiding) {
  box.circle(500, 500, 100);  // before the box was ever shown
  box.show();
  const int drawn = blackPixels(box.grab().toImage());
  EXPECT_GT(drawn, 0);

  box.hide();
  box.show();
  box.repaint();
  EXPECT_EQ(blackPixels(box.grab().toImage()), drawn);
  EXPECT_TRUE(blackNear(box.rendering(), cx + pixels(100), cy));
}

TEST_F(PictureBoxWidgetTest, CirclesAreNeverPartOfThePicture) {
  const Picture red{4, 3, std::vector<std::uint32_t>(12, 0xffff0000u)};
  box.circle(500, 500, 100);
  EXPECT_TRUE(box.picture().empty());

  box.setPicture(red);
  box.circle(0, 0, 5);  // right over the picture
  EXPECT_EQ(box.picture(), red);
  const QImage image = box.rendering();
  EXPECT_EQ(image.pixel(3, 2), qRgb(255, 0, 0)) << "the picture shows under the drawings";
  EXPECT_TRUE(blackNear(image, cx + pixels(100), cy));

  box.setPicture(Picture{});
  EXPECT_TRUE(box.picture().empty());
  EXPECT_EQ(box.rendering().pixel(3, 2), kWhite);
}

}  // namespace
}  // namespace answerbook
