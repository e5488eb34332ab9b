// Pictures checked at their pixels: where ink must be and where it must not.
#include <gtest/gtest.h>

#include "headless/drawing/settings_tables.h"
#include "headless/render/picture_styles.h"
#include "headless/render/text_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "tests/render/render_fixture.h"

namespace rendertest {
namespace {

using vxtest::Line;
using vxtest::OnLayer;
using vxtest::Poly;

constexpr double kPi = 3.14159265358979323846;

Record Styled(Record r, std::uint16_t line_style, std::uint8_t weight = 0, std::uint16_t fill = 0) {
  vx::PutU16(r.data(), vx::kHdrLineStyle, line_style);
  vx::PutU8(r.data(), vx::kHdrAttrByte, weight);
  vx::PutU16(r.data(), vx::kHdrFillStyle, fill);
  return r;
}

Record Square(double x0, double y0, double x1, double y1) {
  return Poly(vx::kKindPolygon, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}});
}

Record TextIn(double x, double y, float height, const std::string& s, std::uint16_t font, float angle = 0) {
  Record r = vxtest::Text(x, y, height, 1.0f, angle, s);
  vx::PutU16(r.data(), vx::kTextSpec + vx::kSpecFont, font);
  return r;
}

using RenderPicture = RenderTest;

TEST_F(RenderPicture, AThickLineInksThePixelsItCrossesOnly) {
  Add(Styled(Line(0, 0, 100, 0), 1, 8));
  Add(Line(0, 40, 100, 40));
  const auto [f, p] = RenderPng("line.png");
  ASSERT_TRUE(p.Ok());
  EXPECT_EQ(p.Width(), static_cast<int>(f.width));
  for (double x : {10.0, 50.0, 90.0}) {
    EXPECT_GT(p.Ink(Px(f, x), Py(f, 0)), 150) << x;
    EXPECT_GT(p.Ink(Px(f, x), Py(f, 0) + 3), 100) << "a heavy pen is several pixels wide";
    EXPECT_EQ(p.Ink(Px(f, x), Py(f, 20)), 0) << x;
  }
}

TEST_F(RenderPicture, AHiddenOrFrozenLayerLeavesItsPixelsWhiteAlsoInAGroup) {
  vx::PutU32(vxh::FindRecordById(doc_.Tables(), vx::kTableLayers, 1), vx::kLayerFlags, vx::kLayerHidden);
  vx::PutU32(vxh::FindRecordById(doc_.Tables(), vx::kTableLayers, 2), vx::kLayerFlags, vx::kLayerFrozen);
  Add(Line(0, 0, 100, 0));
  Add(OnLayer(Line(0, 30, 100, 30), 1));
  Add(OnLayer(Line(0, 60, 100, 60), 2));
  vx::DList* members = doc_.WorkDL()->MakeMemberList(Add(vxtest::Group()));
  Add(members, Line(0, 100, 100, 100));
  Add(members, OnLayer(Line(0, 130, 100, 130), 1));
  Add(Line(0, 160, 100, 160));
  const auto [f, p] = RenderPng("layers.png");
  for (double y : {0, 100, 160}) EXPECT_GT(p.InkNear(Px(f, 50), Py(f, y), 1), 100) << y;
  EXPECT_EQ(p.InkedPixels(Px(f, 0), Py(f, 25), Px(f, 100), Py(f, 65), 0), 0);
  EXPECT_EQ(p.InkedPixels(Px(f, 0), Py(f, 125), Px(f, 100), Py(f, 135), 0), 0) << "the group's hidden member";
}

TEST_F(RenderPicture, AHatchedSquareIsInkedAlongItsFamilyLinesAndWhiteBetween) {
  // Fill style 4 of a new drawing: horizontal lines 0.5 apart through 0,0.
  Add(Styled(Square(0, 0, 10, 10), 1, 0, 4));
  Add(Square(-5, -5, 15, 15));
  const auto [f, p] = RenderPng("hatch.png");
  ASSERT_GT(0.5 * f.scale, 12) << "the test needs the lines well apart";
  for (double y : {2.0, 4.5, 7.0}) {
    EXPECT_GT(p.InkNear(Px(f, 5), Py(f, y), 1), 100) << "on the hatch line y = " << y;
    EXPECT_EQ(p.Ink(Px(f, 5), Py(f, y + 0.25)), 0) << "between the lines above y = " << y;
  }
  EXPECT_EQ(p.InkNear(Px(f, -2.5), Py(f, 2), 2), 0) << "hatching stays inside its outline";
  EXPECT_EQ(p.InkNear(Px(f, 12.5), Py(f, 7), 2), 0) << "hatching stays inside its outline";
}

TEST_F(RenderPicture, DashedLinesHaveGapsAndSolidLinesNone) {
  Add(Styled(Line(0, 0, 100, 0), 2));
  Add(Line(0, -20, 100, -20));
  const auto [f, p] = RenderPng("dashes.png");
  int dashed_white = 0, solid_white = 0, run = 0, longest_run = 0;
  for (int x = Px(f, 5); x < Px(f, 95); ++x) {
    const bool white = p.Ink(x, Py(f, 0)) < 60;
    dashed_white += white;
    run = white ? run + 1 : 0;
    longest_run = std::max(longest_run, run);
    solid_white += p.Ink(x, Py(f, -20)) < 60;
  }
  EXPECT_EQ(solid_white, 0);
  EXPECT_GT(dashed_white, 100);
  EXPECT_GE(longest_run, 3) << "gaps are wide enough to see";
}

struct TextCase {
  const char* name;
  std::uint16_t font;
};

class RenderText : public RenderTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(RenderText, TextsInkTheirBoxAndNothingBeyond) {
  const Record text = TextIn(0, 0, 10, "HELLO", GetParam().font);
  Add(text);
  Add(Line(-20, -20, -19, -20));
  Add(Line(120, 40, 121, 40));
  const auto [f, p] = RenderPng(std::string("text-") + GetParam().name + ".png");
  const vxh::PictureStyles styles(doc_.Tables());
  const double width =
      vxh::LayOutText(vxh::RunOf({}, text.data() + vx::kTextSpec, "HELLO"), styles.Font(GetParam().font)).width;
  ASSERT_GT(width, 30);
  // Ink inside the box, in each fifth of it.
  for (int i = 0; i < 5; ++i)
    EXPECT_GT(p.InkedPixels(Px(f, i * width / 5), Py(f, 10), Px(f, (i + 1) * width / 5), Py(f, 0)), 5) << i;
  EXPECT_EQ(p.InkedPixels(Px(f, width + 2), Py(f, 12), Px(f, 110), Py(f, -3)), 0) << "nothing right of the text";
  EXPECT_EQ(p.InkedPixels(Px(f, 0), Py(f, 30), Px(f, 60), Py(f, 14)), 0) << "nothing above it";
}

INSTANTIATE_TEST_SUITE_P(Fonts, RenderText,
                         ::testing::Values(TextCase{"stroke", 1}, TextCase{"truetype", 5}, TextCase{"serif", 7}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RenderPicture, EachLineOfAMultiLineTextGetsItsOwnBand) {
  Add(TextIn(0, 0, 10, "AAAA\r\nBB", 1));
  Add(Line(-20, -30, -19, -30));
  Add(Line(80, 20, 81, 20));
  const auto [f, p] = RenderPng("lines.png");
  // Bottom-left justified: the last line sits on the baseline, the first 15 above.
  EXPECT_GT(p.InkedPixels(Px(f, 0), Py(f, 25), Px(f, 30), Py(f, 15)), 20);
  EXPECT_GT(p.InkedPixels(Px(f, 0), Py(f, 10), Px(f, 12), Py(f, 0)), 20);
  EXPECT_EQ(p.InkedPixels(Px(f, 0), Py(f, 14), Px(f, 40), Py(f, 11)), 0) << "the gap between the lines";
  EXPECT_EQ(p.InkedPixels(Px(f, 25), Py(f, 10), Px(f, 40), Py(f, 0)), 0) << "the short line ends early";
}

TEST_F(RenderPicture, ARotatedTextTurnsAboutItsInsertionPoint) {
  Add(TextIn(0, 0, 10, "HELLO", 1, static_cast<float>(kPi / 2)));
  Add(Line(-40, -20, -39, -20));
  Add(Line(20, 70, 21, 70));
  const auto [f, p] = RenderPng("rotated.png");
  EXPECT_GT(p.InkedPixels(Px(f, -10), Py(f, 40), Px(f, 0), Py(f, 5)), 50);
  EXPECT_EQ(p.InkedPixels(Px(f, 3), Py(f, 60), Px(f, 15), Py(f, 5)), 0);
}

TEST_F(RenderPicture, SymbolMembersArePlacedByTheInstanceTransform) {
  Record symbol = vxtest::Blank(vx::kKindSymbol, vx::SymbolSize(4));
  const double m[12] = {2, 0, 0, 100, 0, 2, 0, 50, 0, 0, 1, 0};  // scale 2, then move to 100,50
  for (int i = 0; i < 12; ++i) vx::PutF64(symbol.data(), vx::kSymMatrix + 8 * i, m[i]);
  std::memcpy(symbol.data() + vx::kSymName, "gear", 4);
  vx::DList* members = doc_.WorkDL()->MakeMemberList(Add(symbol));
  Add(members, vxtest::Circle(0, 0, 5));
  Add(Line(0, 0, 1, 0));
  const auto [f, p] = RenderPng("symbol.png");
  for (double a : {0.0, kPi / 2, kPi, 1.5 * kPi})
    EXPECT_GT(p.InkNear(Px(f, 100 + 10 * std::cos(a)), Py(f, 50 + 10 * std::sin(a)), 1), 100) << a;
  EXPECT_EQ(p.InkNear(Px(f, 100), Py(f, 50), 3), 0) << "the circle's centre";
  EXPECT_EQ(p.InkNear(Px(f, 5), Py(f, 3), 3), 0) << "nothing at the definition's coordinates";
}

TEST_F(RenderPicture, EllipsesAreDrawnThroughTheEndsOfTheirAxes) {
  Add(vxtest::Ellipse(0, 0, 40, 10, kPi / 6));
  Add(vxtest::EllipticalArc(100, 0, 20, 10, 0, 0, kPi));
  const auto [f, p] = RenderPng("ellipse.png");
  const double c = std::cos(kPi / 6), s = std::sin(kPi / 6);
  EXPECT_GT(p.InkNear(Px(f, 40 * c), Py(f, 40 * s), 1), 100);
  EXPECT_GT(p.InkNear(Px(f, -10 * s), Py(f, 10 * c), 1), 100);
  EXPECT_EQ(p.InkNear(Px(f, 20 * c), Py(f, 20 * s), 2), 0) << "inside, halfway along the major axis";
  EXPECT_GT(p.InkNear(Px(f, 100), Py(f, 10), 1), 100) << "top of the half ellipse";
  EXPECT_EQ(p.InkNear(Px(f, 100), Py(f, -10), 3), 0) << "the half the arc leaves out";
}

TEST_F(RenderPicture, AnArcDimensionDrawsItsArcLeadersAndAngle) {
  Record dim = vxtest::Blank(vx::kKindDimArc, vx::kDimArcSize);
  vx::PutF64(dim.data(), vx::kDimArcRadius, 40);
  vx::PutF64(dim.data(), vx::kDimArcSweep, kPi / 2);
  vx::PutF64(dim.data(), vx::kDimArcLeader1, 10);
  vx::PutF64(dim.data(), vx::kDimArcLeader2, 10);
  Add(dim);
  Add(Line(0, 0, 10, 0));
  Add(Line(0, 0, 0, 10));
  const auto [f, p] = RenderPng("dimension.png");
  EXPECT_GT(p.InkNear(Px(f, 40 * std::cos(kPi / 8)), Py(f, 40 * std::sin(kPi / 8)), 1), 100) << "the arc";
  EXPECT_GT(p.InkNear(Px(f, 25), Py(f, 0), 1), 100) << "the extension line on the start side";
  EXPECT_GT(p.InkNear(Px(f, 0), Py(f, 25), 1), 100) << "the extension line on the end side";
  // The label, outside the middle of the arc.
  const double r = 40 + 6, a = kPi / 4;
  EXPECT_GT(p.InkedPixels(Px(f, r * std::cos(a) - 6), Py(f, r * std::sin(a) + 3), Px(f, r * std::cos(a) + 6),
                          Py(f, r * std::sin(a) - 3)),
            20);
}

TEST_F(RenderPicture, AnEmptyDrawingIsAWhitePicture) {
  const auto [f, p] = RenderPng("empty.png");
  ASSERT_TRUE(p.Ok());
  EXPECT_EQ(p.InkedPixels(0, 0, p.Width() - 1, p.Height() - 1, 0), 0);
  EXPECT_GT(f.width, 100);
}

}  // namespace
}  // namespace rendertest
