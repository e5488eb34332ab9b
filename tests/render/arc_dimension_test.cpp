#include "headless/render/arc_dimension.h"

#include <gtest/gtest.h>

#include <cmath>

#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "tests/support/records.h"

namespace vxh {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct DimSpec {
  double cx = 0, cy = 0, radius = 10, start = 0, sweep = kPi / 2, lead1 = 4, lead2 = 6;
  double tx = 0, ty = 0;
  std::uint8_t flags = 3;
};

vxtest::Record DimRecord(const DimSpec& s) {
  vxtest::Record r = vxtest::Blank(vx::kKindDimArc, vx::kDimArcSize);
  std::uint8_t* block = r.data() + vx::kDimStyle;
  vx::PutF32(block, vx::kDimBlockExtendPast, 1.0f);
  vx::PutF32(block, vx::kDimBlockOffsetPoint, 0.5f);
  vx::PutF32(block, vx::kDimBlockArrowLength, 2.0f);
  vx::PutF32(block, vx::kDimBlockArrowHeight, 1.0f);
  vx::PutF32(block, vx::kDimBlockTextHeight, 2.0f);
  vx::PutF64(r.data(), vx::kDimArcCentreX, s.cx);
  vx::PutF64(r.data(), vx::kDimArcCentreY, s.cy);
  vx::PutF64(r.data(), vx::kDimArcRadius, s.radius);
  vx::PutF64(r.data(), vx::kDimArcStart, s.start);
  vx::PutF64(r.data(), vx::kDimArcSweep, s.sweep);
  vx::PutF64(r.data(), vx::kDimArcLeader1, s.lead1);
  vx::PutF64(r.data(), vx::kDimArcLeader2, s.lead2);
  vx::PutF64(r.data(), vx::kDimArcTextX, s.tx);
  vx::PutF64(r.data(), vx::kDimArcTextY, s.ty);
  vx::PutU8(r.data(), vx::kDimArcFlags, s.flags);
  return r;
}

// Every label 1 unit wide per character.
double Measure(const TextRun& run) { return static_cast<double>(run.text.size()); }

DimensionFigure FigureFor(const DimSpec& s) {
  auto record = DimRecord(s);
  const auto dimension = ReadArcDimension(record.data());
  EXPECT_TRUE(dimension);
  return ArcDimensionFigure(*dimension, TextSpec{}, Measure);
}

void ExpectNear(const P2& a, const P2& b, const char* what) {
  EXPECT_NEAR(a.x, b.x, 1e-9) << what;
  EXPECT_NEAR(a.y, b.y, 1e-9) << what;
}

// The arc from start over the sweep; extension lines from the leader points
// (a gap of 0.5 off them) to 1 past the arc; arrows at the arc's ends whose
// bodies lie inside the sweep.
TEST(ArcDimension, ArcExtensionLinesAndArrowsOfAPlainDimension) {
  const DimensionFigure f = FigureFor({});
  ASSERT_GE(f.strokes.size(), 3u);
  ExpectNear(f.strokes[0].Start(), {10, 0}, "arc start");
  ExpectNear(f.strokes[0].End(), {0, 10}, "arc end");
  ExpectNear(f.strokes[0].At(0.5), {10 * std::cos(kPi / 4), 10 * std::sin(kPi / 4)}, "arc middle");
  ExpectNear(f.strokes[1].Start(), {4.5, 0}, "start side, from");
  ExpectNear(f.strokes[1].End(), {11, 0}, "start side, to");
  ExpectNear(f.strokes[2].Start(), {0, 6.5}, "end side, from");
  ExpectNear(f.strokes[2].End(), {0, 11}, "end side, to");
  ASSERT_EQ(f.arrows.size(), 2u);
  ExpectNear(f.arrows[0][0], {10, 0}, "start arrow tip");
  ExpectNear(f.arrows[1][0], {0, 10}, "end arrow tip");
  EXPECT_GT(f.arrows[0][1].y, 0);
  EXPECT_GT(f.arrows[1][1].x, 0);
}

TEST(ArcDimension, ExtensionLinesRunInwardsToAnArcInsideTheLeaderPoints) {
  DimSpec s;
  s.lead1 = 20, s.lead2 = 10.2;
  const DimensionFigure f = FigureFor(s);
  ExpectNear(f.strokes[1].Start(), {19.5, 0}, "start side, from");
  ExpectNear(f.strokes[1].End(), {9, 0}, "start side, to");
  ExpectNear(f.strokes[2].Start(), {0, 10}, "the gap is cut to the arc");
}

TEST(ArcDimension, ArrowsOfAShortArcPointInFromOutside) {
  DimSpec s;
  s.sweep = 0.2;  // 2 units of arc for two 2-unit arrows
  const DimensionFigure f = FigureFor(s);
  EXPECT_LT(f.arrows[0][1].y, 0);
  EXPECT_LT(f.strokes[0].start, 0) << "the arc reaches out under the arrows";
}

TEST(ArcDimension, LabelShowsTheSweepInDegreesAtThePlacedText) {
  DimSpec s;
  s.sweep = kPi / 3;
  s.tx = 20, s.ty = 5, s.flags = 3 | 4;
  const DimensionFigure f = FigureFor(s);
  EXPECT_EQ(f.label.text, "60.00");
  EXPECT_DOUBLE_EQ(f.label.height, 2);
  EXPECT_EQ(f.label.justify, 4);
  EXPECT_NEAR(f.label.origin.y, 5, 1e-9);
  EXPECT_LT(std::fabs(f.label.origin.x - 20), 1) << "number and degree mark together centre on the place";
}

TEST(ArcDimension, WithoutAPlacedTextTheLabelSitsOutsideTheMiddleOfTheArc) {
  const DimensionFigure f = FigureFor({});
  const double angle = std::atan2(f.label.origin.y, f.label.origin.x);
  EXPECT_NEAR(angle, kPi / 4, 0.15);
  EXPECT_GT(std::hypot(f.label.origin.x, f.label.origin.y), 10 + 1);
}

TEST(ArcDimension, ATextPlacedBeyondTheSweepDrawsTheArcOnToIt) {
  DimSpec s;
  s.tx = -10, s.ty = 10, s.flags = 7;  // at 135°, 45° past the end
  const DimensionFigure f = FigureFor(s);
  EXPECT_NEAR(f.strokes[0].start, 0, 1e-12);
  EXPECT_NEAR(f.strokes[0].sweep, 3 * kPi / 4, 1e-9);
}

TEST(ArcDimension, RecordsThatCannotBeDrawnAreRefused) {
  auto short_record = DimRecord({});
  vx::PutU32(short_record.data(), vx::kHdrSize, vx::kDimArcSize - 1);
  EXPECT_FALSE(ReadArcDimension(short_record.data()));
  DimSpec nan;
  nan.radius = NAN;
  EXPECT_FALSE(ReadArcDimension(DimRecord(nan).data()));
  DimSpec flat;
  flat.radius = 0;
  EXPECT_FALSE(ReadArcDimension(DimRecord(flat).data()));
  DimSpec loops;
  loops.sweep = 100;
  EXPECT_FALSE(ReadArcDimension(DimRecord(loops).data()));
}

}  // namespace
}  // namespace vxh
