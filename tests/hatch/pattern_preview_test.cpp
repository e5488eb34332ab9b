// The pattern previews of the hatch dialog: the scale that fits a PAT
// pattern into its preview, worked out by hand, and what the owner-drawn
// list paints for each kind of pattern.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "hatch/pat_list.h"
#include "hatch/preview_lines.h"
#include "host/settings_layout.h"
#include "tests/hatch/hatch_dialog_fixture.h"

namespace vxh::testing {
namespace {

constexpr int kPreviewList = 1043;
constexpr int kItemHeight = 45;

struct FamilyOf {
  double degrees, delta_y;
};

struct ScaleCase {
  const char* label;
  std::vector<FamilyOf> families;
  double k;
};

vx::PatPattern Pattern(const std::vector<FamilyOf>& families) {
  vx::PatPattern p;
  for (const FamilyOf& f : families) {
    vx::PatFamily family;
    family.angle = f.degrees * vx::kDegrees;
    family.delta_y = f.delta_y;
    p.families.push_back(family);
  }
  return p;
}

// k = 0.5 / My, then brought between one and four repeats of Mx; a k below
// 0.01 (a pattern with no family the rule can measure) is 1.
TEST(PatPreviewScale, FitsTheRepeatIntoThePreview) {
  const double r = std::sqrt(0.5);
  const ScaleCase cases[] = {
      {"45 degrees: My = Mx = .125/r, then k / (Mx k)", {{45, 0.125}}, (0.5 * r / 0.125) / 0.5},
      {"horizontal: Mx = -1 makes k negative, so 1", {{0, 0.25}}, 1.0},
      {"grid with Mx k = 4 stays", {{0, 0.25}, {90, 2}}, 2.0},
      {"grid with Mx k = 8 halves", {{0, 0.25}, {90, 4}}, 1.0},
      {"grid with Mx k = 2 stays", {{0, 0.25}, {90, 1}}, 2.0},
      {"vertical only: My = -1, k = -0.5 / (Mx * -0.5)", {{90, 0.25}}, 4.0},
      {"no families", {}, 1.0},
  };
  for (const ScaleCase& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_NEAR(vx::PatPreviewScale(Pattern(c.families)), c.k, 1e-6);
  }
}

// Distances between the parallel lines of one direction, as drawn.
std::vector<double> Spacings(const std::vector<screen::Primitive>& drawn, double angle) {
  std::vector<double> offsets;
  const double s = std::sin(angle), c = std::cos(angle);
  for (const screen::Primitive& p : drawn) {
    if (p.kind != screen::PrimitiveKind::kEntity || p.record.size() < vx::kLineSize) continue;
    const vx::Entity e = const_cast<std::uint8_t*>(p.record.data());
    const double x1 = vx::GetF64(e, vx::kLineX1), y1 = vx::GetF64(e, vx::kLineY1);
    const double x2 = vx::GetF64(e, vx::kLineX2), y2 = vx::GetF64(e, vx::kLineY2);
    if (std::fabs((x2 - x1) * s - (y2 - y1) * c) > 1e-6 * std::hypot(x2 - x1, y2 - y1)) continue;
    offsets.push_back(-x1 * s + y1 * c);
  }
  std::sort(offsets.begin(), offsets.end());
  std::vector<double> gaps;
  for (std::size_t i = 1; i < offsets.size(); ++i)
    if (offsets[i] - offsets[i - 1] > 1e-9) gaps.push_back(offsets[i] - offsets[i - 1]);
  return gaps;
}

class PatternPreview : public HatchDialogSession {
 protected:
  // The paint of the preview list the last time the hatch dialog waited.
  std::vector<win::PaintOp> Painted() {
    const Waited w = Last("DLGHATCHCMD");
    const auto it = w.painted.find(kPreviewList);
    return it == w.painted.end() ? std::vector<win::PaintOp>{} : it->second;
  }
  static std::vector<win::PaintOp> OfKind(const std::vector<win::PaintOp>& ops, win::PaintKind kind) {
    std::vector<win::PaintOp> out;
    for (const win::PaintOp& op : ops)
      if (op.kind == kind) out.push_back(op);
    return out;
  }
};

struct ItemCase {
  const char* label;
  const char* answer;  // chooses the kind and the selected entry, previews on
  std::size_t items;
  std::size_t selected;
  double view_width, view_height;
};

TEST_F(PatternPreview, EveryItemIsAViewOnTheBackgroundWithItsNameOverIt) {
  StoreEverything();  // "Test" has distance 1, "Wide" distance 3
  const ItemCase cases[] = {
      {"PAT patterns", "{1041; 1045; 1043=DOTS}", 5, 3, 8.5, 2.25},
      {"saved line patterns, the selected one 3 apart", "{1039; 1045; 1043=Wide}", 2, 1, 6.375 * 3, 1.6875 * 3},
  };
  for (const ItemCase& c : cases) {
    SCOPED_TRACE(c.label);
    Run(std::string("VXHATCH\n") + c.answer + "\n{press cancel}\n");
    const std::vector<win::PaintOp> ops = Painted();
    const std::vector<win::PaintOp> fills = OfKind(ops, win::PaintKind::kFill);
    const std::vector<win::PaintOp> views = OfKind(ops, win::PaintKind::kView);
    const std::vector<win::PaintOp> texts = OfKind(ops, win::PaintKind::kText);
    const std::vector<win::PaintOp> edges = OfKind(ops, win::PaintKind::kEdge);
    ASSERT_EQ(views.size(), c.items);
    ASSERT_EQ(fills.size(), c.items);
    ASSERT_EQ(texts.size(), c.items);
    ASSERT_EQ(edges.size(), 1u) << "only the selected item is sunken";
    for (std::size_t i = 0; i < c.items; ++i) {
      SCOPED_TRACE(i);
      const RECT& r = views[i].rect;
      EXPECT_EQ(r.bottom - r.top, kItemHeight);
      EXPECT_EQ(r.top, views[0].rect.top + static_cast<LONG>(i) * kItemHeight);
      EXPECT_EQ(fills[i].colour, 0x000000u) << "the screen's background";
      EXPECT_EQ(fills[i].rect.top, r.top - 1);
      EXPECT_EQ(fills[i].rect.bottom, r.bottom + 1);
      EXPECT_EQ(texts[i].colour, i == c.selected ? 0x00FFFFu : 0xFFFFFFu);
      EXPECT_TRUE(texts[i].transparent);
      EXPECT_FALSE(views[i].primitives.empty());
    }
    EXPECT_EQ(edges[0].rect.top, views[c.selected].rect.top);
    EXPECT_NEAR(views[c.selected].view_width, c.view_width, 1e-9);
    EXPECT_NEAR(views[c.selected].view_height, c.view_height, 1e-9);
  }
}

struct SpacingCase {
  const char* name;
  double degrees;
  double spacing;  // |delta-y| times the preview scale worked out above
};

TEST_F(PatternPreview, PatLinesLieTheirScaledSpacingApart) {
  StoreEverything();
  const double r = std::sqrt(0.5);
  const SpacingCase cases[] = {
      {"BRASS", 45, 0.125 * (0.5 * r / 0.125) / 0.5},  // k = 2 / r
      {"GRID", 0, 0.25 * 1.0},                         // k = 2, Mx k = 8: halved
      {"GRID", 90, 4 * 1.0},
      {"BARS", 90, 1 * 1.0},  // My = -1: k = -0.5 / (1 * -0.5)
  };
  for (const SpacingCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.degrees));
    Run(std::string("VXHATCH\n{1041; 1045; 1043=") + c.name + "}\n{press cancel}\n");
    const Waited w = Last("DLGHATCHCMD");
    const std::size_t selected = static_cast<std::size_t>(w.At(kPreviewList).selection);
    const std::vector<win::PaintOp> views = OfKind(Painted(), win::PaintKind::kView);
    ASSERT_LT(selected, views.size());
    const std::vector<double> gaps = Spacings(views[selected].primitives, c.degrees * vx::kDegrees);
    // The view clips at 8.5 by 2.25: a wide spacing shows at least one gap.
    ASSERT_FALSE(gaps.empty());
    for (double g : gaps) EXPECT_NEAR(g, c.spacing, 1e-6);
  }
}

// A host fill style is previewed over 4.25 by 1.125 of its preview size, as
// a rectangle of 4 by 1 filled by the host.
TEST_F(PatternPreview, AFillStyleIsARectangleTheHostFills) {
  std::uint8_t* style = vx::FindFStyleName(".5 Horizontal");
  ASSERT_NE(style, nullptr);
  const double size = 2.5;
  vx::PutF64(style, static_cast<std::size_t>(vx::GetI8(style, vx::kFillDataOffset)) + vx::kFillDataPreview, size);
  Run("VXHATCH\n{1040; 1045; 1043=\".5 Horizontal\"}\n{press cancel}\n");
  const Waited w = Last("DLGHATCHCMD");
  const std::size_t selected = static_cast<std::size_t>(w.At(kPreviewList).selection);
  const std::vector<win::PaintOp> views = OfKind(Painted(), win::PaintKind::kView);
  ASSERT_LT(selected, views.size());
  const win::PaintOp& view = views[selected];
  EXPECT_DOUBLE_EQ(view.view_width, 4.25 * size);
  EXPECT_DOUBLE_EQ(view.view_height, 1.125 * size);
  ASSERT_EQ(view.primitives.size(), 1u);
  const vx::Entity polygon = const_cast<std::uint8_t*>(view.primitives[0].record.data());
  EXPECT_EQ(vx::GetI8(polygon, vx::kHdrKind), vx::kKindPolygon);
  EXPECT_EQ(vx::GetU16(polygon, vx::kHdrFillStyle), vx::GetU16(style, vx::kFillId));
  EXPECT_DOUBLE_EQ(vx::GetF64(polygon, vx::kPolyVertices), -2 * size);
  EXPECT_DOUBLE_EQ(vx::GetF64(polygon, vx::kPolyVertices + 8), -0.5 * size);
}

}  // namespace
}  // namespace vxh::testing
