#include "headless/render/picture_frame.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vxh {
namespace {

TEST(PictureFrame, TheDrawingFillsThePictureInsideTheMarginKeepingItsShape) {
  const PictureFrame f = FitPicture({0, 0, 200, 100}, 1600, 1200);
  EXPECT_NEAR(f.X(0), 60, 1e-9);
  EXPECT_NEAR(f.X(200), f.width - 60, 1e-9);
  EXPECT_NEAR(f.Y(0) - f.Y(100), 100 * f.scale, 1e-9) << "one scale both ways";
  EXPECT_LE(f.height, 1200);
  EXPECT_NEAR((f.Y(0) + f.Y(100)) / 2, f.height / 2, 1) << "centred across";
}

TEST(PictureFrame, ATallDrawingIsLimitedByThePicturesHeight) {
  const PictureFrame f = FitPicture({-10, -10, 10, 990}, 1600, 1200);
  EXPECT_NEAR(f.Y(-10), 1200 - 60, 1e-9);
  EXPECT_NEAR(f.Y(990), 60, 1e-9);
  EXPECT_LT(f.width, 200);
}

TEST(PictureFrame, AHorizontalLineGetsRoomAcross) {
  const PictureFrame f = FitPicture({0, 5, 100, 5}, 1600, 1200);
  EXPECT_GE(f.height, 60 * 2 + 0.05 * 100 * f.scale - 1);
  EXPECT_NEAR(f.Y(5), f.height / 2, 1);
}

TEST(PictureFrame, NothingOrOnePointIsShownInASmallWindow) {
  for (const Box2& box : {Box2{}, Box2{3, 4, 3, 4}, Box2{NAN, 0, 1, 1}}) {
    const PictureFrame f = FitPicture(box, 1600, 1200);
    EXPECT_TRUE(std::isfinite(f.scale));
    EXPECT_GT(f.width, 100);
    EXPECT_GT(f.height, 100);
    EXPECT_LE(f.width, 1600);
  }
}

}  // namespace
}  // namespace vxh
