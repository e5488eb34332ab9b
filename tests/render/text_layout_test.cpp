#include "headless/render/text_layout.h"

#include <gtest/gtest.h>

#include "headless/fonts/stroke_metrics.h"
#include "host/settings_layout.h"
#include "tests/fonts/font_test_support.h"

namespace vxh {
namespace {

constexpr double kPi = 3.14159265358979323846;

TextRun MakeRun(const std::string& text, double height, std::uint8_t justify, double width_factor = 1) {
  TextRun run;
  run.origin = {10, 20};
  run.height = height;
  run.width_factor = width_factor;
  run.justify = justify;
  run.text = text;
  return run;
}

const FontChoice kSimplex{vx::kFontStroke, "Simplex"};

class TextLayoutTest : public ::testing::Test {
  fonttest::TempHostFolder folder_;
};

TEST_F(TextLayoutTest, JustificationPlacesTheBoxAroundTheInsertionPoint) {
  const double width = StrokeRunLength("Simplex", "ABC") * 2 * 1.5;
  ASSERT_GT(width, 0);
  struct Case {
    std::uint8_t code;
    double left, bottom;
  };
  const Case cases[] = {
      {0, 0, 0},  {1, -width / 2, 0},  {2, -width, 0},  {3, 0, -1}, {4, -width / 2, -1}, {5, -width, -1},
      {6, 0, -2}, {7, -width / 2, -2}, {8, -width, -2}, {9, 0, -1},  // a far code: taken as its normal code 3
  };
  for (const Case& c : cases) {
    const TextLayout layout = LayOutText(MakeRun("ABC", 2, c.code, 1.5), kSimplex);
    EXPECT_NEAR(layout.left, c.left, 1e-9) << int(c.code);
    EXPECT_NEAR(layout.bottom, c.bottom, 1e-9) << int(c.code);
    ASSERT_EQ(layout.lines.size(), 1u);
    EXPECT_NEAR(layout.lines[0].x, c.left, 1e-9) << int(c.code);
    EXPECT_NEAR(layout.lines[0].y, c.bottom, 1e-9) << "one line: its baseline is the box's bottom";
  }
}

TEST_F(TextLayoutTest, LinesSplitAtCrLfStepDownOneAndAHalfHeights) {
  const TextLayout layout = LayOutText(MakeRun("WIDE LINE\r\nI\r\nmid", 2, 7), kSimplex);
  ASSERT_EQ(layout.lines.size(), 3u);
  EXPECT_EQ(layout.lines[1].text, "I");
  EXPECT_NEAR(layout.height, 2 + 2 * 3, 1e-9);
  EXPECT_NEAR(layout.lines[0].y - layout.lines[1].y, 3, 1e-9);
  EXPECT_NEAR(layout.lines[1].y - layout.lines[2].y, 3, 1e-9);
  // Top centre: the first line's top is the insertion point's height.
  EXPECT_NEAR(layout.lines[0].y + 2, 0, 1e-9);
  // Each line is centred on its own width.
  for (const LaidLine& line : layout.lines) EXPECT_NEAR(line.x, -line.width / 2, 1e-9) << line.text;
  EXPECT_GT(layout.lines[0].width, layout.lines[1].width);
  EXPECT_DOUBLE_EQ(layout.width, layout.lines[0].width);
}

TEST_F(TextLayoutTest, TrueTypeLinesAreOneCellApart) {
  const TextLayout layout = LayOutText(MakeRun("A\r\nB", 2.5, 0), {vx::kFontTrueType, "DejaVu Sans"});
  ASSERT_EQ(layout.lines.size(), 2u);
  EXPECT_NEAR(layout.lines[0].y - layout.lines[1].y, 2.5 * 360 / 250, 1e-9);
  EXPECT_GT(layout.lines[0].width, 0);
}

TEST_F(TextLayoutTest, CornersTurnWithTheTextAboutItsInsertionPoint) {
  TextRun run = MakeRun("ABC", 2, 0);
  run.angle = kPi / 2;
  const TextLayout layout = LayOutText(run, kSimplex);
  const auto corners = TextCorners(run, layout);
  EXPECT_NEAR(corners[0].x, 10, 1e-9);
  EXPECT_NEAR(corners[0].y, 20, 1e-9);
  EXPECT_NEAR(corners[1].x, 10, 1e-9);  // along the baseline: up the page
  EXPECT_NEAR(corners[1].y, 20 + layout.width, 1e-9);
  EXPECT_NEAR(corners[3].x, 10 - 2, 1e-9);  // the top of the text: to the left
}

}  // namespace
}  // namespace vxh
