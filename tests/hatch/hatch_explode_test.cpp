// Scalable hatch explode: fills turned into groups of lines, checked by their
// total length against area / spacing, plus what is left alone and undo.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/host_api.h"
#include "host/settings_layout.h"
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

  std::vector<Segment> LinesOf(vx::Entity group) { return LinesOf(session.Doc().Work(), group); }
  static std::vector<Segment> LinesOf(EntityList& list, vx::Entity group) {
    std::vector<Segment> out;
    EntityList* members = list.Members(group);
    if (members == nullptr) return out;
    members->ForEach([&](vx::Entity e) {
      out.push_back({vx::GetF64(e, vx::kLineX1), vx::GetF64(e, vx::kLineY1), vx::GetF64(e, vx::kLineX2),
                     vx::GetF64(e, vx::kLineY2), vx::GetU16(e, vx::kHdrLineStyle)});
    });
    return out;
  }

  std::vector<std::vector<std::uint8_t>> Snapshot(EntityList& list) {
    std::vector<std::vector<std::uint8_t>> out;
    list.ForEach([&](vx::Entity e) {
      out.emplace_back(e, e + vx::GetU32(e, vx::kHdrSize));
      if (EntityList* members = list.Members(e)) {
        for (auto& member : Snapshot(*members)) out.push_back(std::move(member));
      }
    });
    return out;
  }
};

struct FilledBoxCase {
  const char* fill;
  float scale;
  const char* corners;
  double area;
  double spacing;  // the family's spacing times the pattern scale
  double side;     // one line's length: bounds the strip error
};

// Each line stands for a strip of width `spacing`, so a box's lines add up to
// area / spacing within about one line.
TEST_F(HatchExplode, EachFillBecomesAGroupAtItsOwnScale) {
  const FilledBoxCase cases[] = {
      {".5 Horizontal", 1.0f, "0,0;10,4", 40, 0.5, 10},
      {".5 Vertical", 3.0f, "20,0;26,6", 36, 1.5, 6},
      {".25 Crosshatch", 0.5f, "30,0;34,4", 16, 0.125 / 2, 2 * 5.7},
  };
  for (const FilledBoxCase& c : cases) {
    SetPatternScale(c.fill, c.scale);
    FilledBox(c.corners, FillId(c.fill));
  }
  Run("VXHEXPLODE;all");
  const std::vector<vx::Entity> all = Entities();
  ASSERT_EQ(all.size(), 2 * std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const FilledBoxCase& c = cases[i];
    SCOPED_TRACE(c.fill);
    const vx::Entity group = all[2 * i], box = all[2 * i + 1];
    ASSERT_EQ(KindOf(group), vx::kKindGroup) << "the group stands just before its entity";
    EXPECT_NE(KindOf(box), vx::kKindGroup);
    EXPECT_EQ(vx::GetU16(box, vx::kHdrFillStyle), 0) << "the fill reference is gone";
    EXPECT_EQ(vx::GetU16(group, vx::kHdrFillStyle), 0);
    EXPECT_EQ(vx::GetU16(group, vx::kHdrLayer), vx::GetU16(box, vx::kHdrLayer));
    const std::vector<Segment> lines = LinesOf(group);
    ASSERT_FALSE(lines.empty());
    // The crosshatch has two families, each adding area / spacing.
    const double families = std::string(c.fill) == ".25 Crosshatch" ? 2 : 1;
    const double spacing = std::string(c.fill) == ".25 Crosshatch" ? 0.125 : c.spacing;
    EXPECT_NEAR(TotalLength(lines), families * c.area / spacing, families * c.side);
  }
}

TEST_F(HatchExplode, ASecondExplodeChangesNothing) {
  FilledBox("0,0;4,4", FillId(".5 Horizontal"));
  Run("VXHEXPLODE;all");
  const auto once = Snapshot(session.Doc().Work());
  ASSERT_EQ(once.size() > 2, true);
  Run("VXHEXPLODE;all");
  EXPECT_EQ(Snapshot(session.Doc().Work()), once);
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

TEST_F(HatchExplode, UndoRestoresTheDrawingByteForByte) {
  FilledBox("0,0;4,4", FillId(".5 Horizontal"));
  FilledBox("5,0;9,4", FillId(".25 Crosshatch"));
  Run("BOX;10,0;12,2");
  const auto before = Snapshot(session.Doc().Work());
  Run("VXHEXPLODE;all");
  ASSERT_EQ(Entities().size(), 5u);
  Run("UNDO");
  EXPECT_EQ(Snapshot(session.Doc().Work()), before);
}

}  // namespace
}  // namespace vxh::testing
