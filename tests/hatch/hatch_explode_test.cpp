// Scalable hatch explode: fills turned into groups of lines, checked against
// the host's own drawing of the fill cut to the outline by GEOS, plus what is
// left alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "headless/render/fill_pattern.h"
#include "host/host_api.h"
#include "host/settings_layout.h"
#include "tests/hatch/geos_region.h"
#include "tests/hatch/hatch_fixture.h"

namespace vxh::testing {
namespace {

class HatchExplode : public HatchSession {
 protected:
  static std::uint16_t FillId(const char* name) {
    const std::uint8_t* style = vx::FindFStyleName(name);
    EXPECT_NE(style, nullptr) << name;
    return style == nullptr ? 0 : vx::GetU16(style, vx::kFillId);
  }

  // Draws a box whose new entity carries the fill style (0: none).
  void FilledBox(const std::string& corners, std::uint16_t fill) {
    vx::SetCurFStyle(fill);
    Run("BOX;" + corners);
    vx::SetCurFStyle(0);
  }

  static void SetPatternScale(const char* name, float scale) {
    std::uint8_t* style = vx::FindFStyleName(name);
    ASSERT_NE(style, nullptr);
    vx::PutF32(style + vx::GetI8(style, vx::kFillDataOffset), vx::kFillDataScale, scale);
  }

  std::vector<Segment> LinesOf(vx::Entity group) { return HatchSession::LinesOf(session.Doc().Work(), group); }
  using HatchSession::LinesOf;
};

TEST_F(HatchExplode, ASecondExplodeChangesNothing) {
  FilledBox("0,0;4,4", FillId(".5 Horizontal"));
  Run("VXHEXPLODE;all");
  const auto once = Snapshot(session.Doc().Work());
  ASSERT_EQ(once.size() > 2, true);
  Run("VXHEXPLODE;all");
  EXPECT_EQ(Snapshot(session.Doc().Work()), once);
}

// A set of segments as the stretches of ink it lays down: per line (its
// direction and distance from the origin) the covered intervals, merged, so
// that two drawings compare however their lines are cut into pieces. Slivers
// shorter than any pen (a line grazing a corner) leave no ink.
struct Stretch {
  long long angle, offset;  // micro-units
  double from, to;
};

std::vector<Stretch> Ink(const std::vector<std::pair<Pt, Pt>>& segments) {
  std::vector<Stretch> pieces;
  for (const auto& [a, b] : segments) {
    if (std::hypot(b.x - a.x, b.y - a.y) < 1e-6) continue;
    double angle = std::atan2(b.y - a.y, b.x - a.x);
    if (angle < 0) angle += M_PI;
    if (angle >= M_PI - 1e-9) angle -= M_PI;
    const double c = std::cos(angle), s = std::sin(angle);
    const double w1 = a.x * c + a.y * s, w2 = b.x * c + b.y * s;
    pieces.push_back(
        {std::llround(angle * 1e6), std::llround((-a.x * s + a.y * c) * 1e6), std::min(w1, w2), std::max(w1, w2)});
  }
  std::sort(pieces.begin(), pieces.end(), [](const Stretch& p, const Stretch& q) {
    return std::tie(p.angle, p.offset, p.from) < std::tie(q.angle, q.offset, q.from);
  });
  std::vector<Stretch> merged;
  for (const Stretch& p : pieces) {
    if (!merged.empty() && merged.back().angle == p.angle && merged.back().offset == p.offset &&
        p.from <= merged.back().to + 1e-6) {
      merged.back().to = std::max(merged.back().to, p.to);
    } else {
      merged.push_back(p);
    }
  }
  return merged;
}

struct DrawnFillCase {
  const char* label;
  const char* fill;
  float scale;
  std::uint32_t pen, fill_colour;  // of the polygon
  std::uint32_t lines_colour;      // what the host draws the fill in
};

// The host draws a fill as the fill style's lines over the entity's box, cut
// to its outline (headless/render): those lines, cut by GEOS, are what the
// explode must leave in the drawing, in the colour the fill was drawn in.
TEST_F(HatchExplode, TheLinesAreTheHostsOwnDrawingOfTheFill) {
  const std::vector<Pt> outline{{0, 0}, {8, 0}, {10, 5}, {4.5, 7.25}, {1, 4}};
  std::string poly = "POLY";
  for (const Pt& p : outline) poly += ";" + std::to_string(p.x) + "," + std::to_string(p.y);
  const DrawnFillCase cases[] = {
      {"crosshatch in the pen's colour", ".25 Crosshatch", 1.0f, 0x0000FF, 0, 0x0000FF},
      {"horizontal at scale 3 in its fill colour", ".5 Horizontal", 3.0f, 0x0000FF, 0x00FF00, 0x00FF00},
      {"right diagonal at scale 0.5, colour by layer", ".25 Right Diagonal", 0.5f, 0, 0, 0},
  };
  Run("LAYER;Hatching");
  for (const DrawnFillCase& c : cases) {
    SCOPED_TRACE(c.label);
    Run("UNDO");  // each case starts from an empty drawing
    while (!Entities().empty()) Run("UNDO");
    SetPatternScale(c.fill, c.scale);
    vx::SetCurFStyle(FillId(c.fill));
    Run(poly + ";;");
    vx::SetCurFStyle(0);
    ASSERT_EQ(Entities().size(), 1u);
    vx::Entity polygon = Entities()[0];
    vx::PutU32(polygon, vx::kHdrAttr6, c.pen);
    vx::PutU32(polygon, vx::kHdrAttr10, c.fill_colour);
    const std::optional<FillPattern> pattern =
        ReadFillPattern(vx::FindFStyleID(vx::GetU16(polygon, vx::kHdrFillStyle)));
    ASSERT_TRUE(pattern);
    const Box2 box{0, 0, 10, 7.25};  // the outline's extents
    std::vector<std::pair<Pt, Pt>> host;
    for (const auto& [a, b] : HatchSegments(*pattern, box)) host.push_back({{a.x, a.y}, {b.x, b.y}});
    const GeosRegion region({outline}, 1e-9);
    const std::vector<Stretch> drawn = Ink(region.PartsInside(host));

    Run("VXHEXPLODE;all");
    const std::vector<vx::Entity> all = Entities();
    ASSERT_EQ(all.size(), 2u);
    const vx::Entity group = all[0];
    std::vector<std::pair<Pt, Pt>> exploded;
    for (const Segment& l : LinesOf(group)) exploded.push_back({{l.x1, l.y1}, {l.x2, l.y2}});
    const std::vector<Stretch> ink = Ink(exploded);
    ASSERT_EQ(ink.size(), drawn.size());
    for (std::size_t i = 0; i < ink.size(); ++i) {
      EXPECT_EQ(ink[i].angle, drawn[i].angle) << i;
      EXPECT_EQ(ink[i].offset, drawn[i].offset) << i;
      EXPECT_NEAR(ink[i].from, drawn[i].from, 1e-6) << i;
      EXPECT_NEAR(ink[i].to, drawn[i].to, 1e-6) << i;
    }
    EXPECT_EQ(vx::GetU32(group, vx::kHdrAttr6) & 0xFFFFFF, c.lines_colour);
    EXPECT_EQ(vx::GetU16(group, vx::kHdrLayer), vx::GetU16(all[1], vx::kHdrLayer));
    EXPECT_EQ(vx::GetU16(all[1], vx::kHdrFillStyle), 0);
    session.Doc().Work().Members(group)->ForEach([&](vx::Entity line) {
      EXPECT_EQ(vx::GetU32(line, vx::kHdrAttr6) & 0xFFFFFF, c.lines_colour);
      EXPECT_EQ(vx::GetU16(line, vx::kHdrLayer), vx::GetU16(all[1], vx::kHdrLayer));
    });
  }
}

// Inside a group only the filled members are exploded, each with a group of
// lines of its own placed before it; the outer group stays.
TEST_F(HatchExplode, AGroupsFilledMembersAreExplodedInPlace) {
  FilledBox("0,0;4,4", FillId(".5 Horizontal"));
  Run("BOX;5,0;9,4");
  FilledBox("10,0;14,4", FillId(".5 Vertical"));
  Run("VXGROUP1;all");
  ASSERT_EQ(Entities().size(), 1u);
  const vx::Entity outer = Entities()[0];
  Run("VXHEXPLODE;all");
  ASSERT_EQ(Entities(), std::vector<vx::Entity>{outer});
  std::vector<vx::Entity> members;
  session.Doc().Work().Members(outer)->ForEach([&](vx::Entity e) { members.push_back(e); });
  ASSERT_EQ(members.size(), 5u);
  const int kinds[] = {vx::kKindGroup, vx::kKindPolygon, vx::kKindPolygon, vx::kKindGroup, vx::kKindPolygon};
  for (std::size_t i = 0; i < members.size(); ++i) EXPECT_EQ(KindOf(members[i]), kinds[i]) << i;
  for (const vx::Entity e : members) EXPECT_EQ(vx::GetU16(e, vx::kHdrFillStyle), 0);
  EntityList& inner = *session.Doc().Work().Members(outer);
  EXPECT_NEAR(TotalLength(LinesOf(inner, members[0])), 4 * 4 / 0.5, 4);
  EXPECT_NEAR(TotalLength(LinesOf(inner, members[3])), 4 * 4 / 0.5, 4);
}

struct SkipCase {
  const char* label;
  const char* script;
  const char* fill;  // current fill style while drawing, nullptr: none
};

TEST_F(HatchExplode, OpenUnfilledAndNonLineFillsAreLeftAlone) {
  const SkipCase cases[] = {
      {"unfilled box", "BOX;0,0;4,4", nullptr},
      {"open path with a fill style", "PATH;0,0;4,0;4,4;;", ".5 Horizontal"},
      {"line with a fill style", "LINE;0,0;5,5;;", ".5 Horizontal"},
  };
  for (const SkipCase& c : cases) {
    if (c.fill != nullptr) vx::SetCurFStyle(FillId(c.fill));
    Run(c.script);
    vx::SetCurFStyle(0);
  }
  const auto before = Snapshot(session.Doc().Work());
  ASSERT_EQ(before.size(), std::size(cases));
  Run("VXHEXPLODE;all");
  EXPECT_EQ(Snapshot(session.Doc().Work()), before);
  for (const std::string& line : TranscriptLines()) EXPECT_NE(line[0], '[') << line;
}

}  // namespace
}  // namespace vxh::testing
