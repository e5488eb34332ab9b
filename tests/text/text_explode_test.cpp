// Text explode: stroke-font records and native outlines read safely, and
// exploded texts that lie where the host measures and draws the text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "headless/render/render.h"
#include "host/host_api.h"
#include "host/settings_layout.h"
#include "tests/fonts/font_test_support.h"
#include "tests/render/render_fixture.h"
#include "tests/text/text_fixture.h"
#include "text/glyph_outline.h"
#include "text/stroke_font.h"
#include "text/text_explode.h"

namespace vxh::testing {
namespace {

constexpr std::uint16_t kSimplex = 1;
constexpr std::uint16_t kDejaVu = 5;

// ---- Stroke-font records ---------------------------------------------------

// A stroke font whose character 'a' holds `strokes` (the end mark added).
std::vector<std::uint8_t> StrokeFile(const std::vector<std::uint8_t>& strokes) {
  std::vector<std::uint8_t> file(vx::kStrokeHeaderBytes, 0);
  file[vx::kStrokeFormat] = vx::kStrokeFormatVersion;
  file['a'] = 20;
  vx::PutU16(file.data(), vx::kStrokeOffsets + 2 * 'a', vx::kStrokeHeaderBytes);
  vx::PutU16(file.data(), vx::kStrokeEmSize, 21);
  vx::PutU16(file.data(), vx::kStrokeBaseline, 9);
  vx::PutU16(file.data(), vx::kStrokeExtraSpacing, 2);
  for (std::uint8_t byte : strokes) file.push_back(byte);
  file.push_back(vx::kStrokeListEnd);
  return file;
}

TEST(StrokeFontRecords, ArcLineAndMoveRecordsGiveTheirShapes) {
  // move to (1, 2); line to (4, 2); line to (4, 6); move to (10, 10); line to (11, 10); arc.
  const auto file = StrokeFile({1, 2, 0x84, 2, 0x84, 6, 10, 10, 0x8B, 10, 3, 0x85, 2, 0, 64});
  const vx::StrokeFont font(file);
  ASSERT_TRUE(font.Usable());
  EXPECT_EQ(font.Advance('a'), 22);
  const auto shapes = font.Strokes('a', 100);
  ASSERT_EQ(shapes.size(), 4u);
  // A line that ends where the next starts leaves no gap.
  EXPECT_EQ(shapes[0].to.x, shapes[1].from.x);
  EXPECT_EQ(shapes[0].to.y, shapes[1].from.y);
  EXPECT_DOUBLE_EQ(shapes[0].from.x, 101);
  // The move leaves one: the third line starts at the moved-to point.
  EXPECT_DOUBLE_EQ(shapes[2].from.x, 110);
  EXPECT_DOUBLE_EQ(shapes[2].from.y, 10);
  EXPECT_NE(shapes[1].to.x, shapes[2].from.x);
  const vx::StrokeShape& arc = shapes[3];
  ASSERT_TRUE(arc.arc);
  EXPECT_DOUBLE_EQ(arc.centre.x, 103);
  EXPECT_DOUBLE_EQ(arc.centre.y, 5);
  EXPECT_DOUBLE_EQ(arc.radius, 2);
  EXPECT_NEAR(arc.sweep, 64 * 3.14159265 / 128, 1e-12);
}

TEST(StrokeFontRecords, SweepThroughZeroWrapsAroundTheCircle) {
  const auto file = StrokeFile({3, 0x85, 2, 192, 64});
  const auto shapes = vx::StrokeFont(file).Strokes('a', 0);
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_NEAR(shapes[0].sweep, 128 * 3.14159265 / 128, 1e-12);
}

TEST(StrokeFontRecords, DamagedFilesGiveNothingAndNeverReadPastTheirEnd) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> file;
  };
  auto offset_past_end = StrokeFile({});
  vx::PutU16(offset_past_end.data(), vx::kStrokeOffsets + 2 * 'a', 30000);
  auto negative_offset = StrokeFile({});
  vx::PutU16(negative_offset.data(), vx::kStrokeOffsets + 2 * 'a', 0xFFF0);
  auto cut_arc = StrokeFile({1, 1, 3, 0x85, 2});
  cut_arc.pop_back();  // no end mark: the arc runs off the end
  auto no_end = StrokeFile({1, 1, 0x83, 3});
  no_end.pop_back();
  const Case cases[] = {{"offset past the end", offset_past_end},
                        {"negative offset", negative_offset},
                        {"arc cut short", cut_arc},
                        {"list without end mark", no_end}};
  for (const Case& c : cases) {
    // Exactly the file's bytes, so ASan sees any read past them.
    const std::vector<std::uint8_t> exact(c.file);
    EXPECT_TRUE(vx::StrokeFont(exact).Strokes('a', 0).empty()) << c.what;
  }
  const std::vector<std::uint8_t> short_header(100, vx::kStrokeFormatVersion);
  EXPECT_FALSE(vx::StrokeFont(short_header).Usable());
  auto old_format = StrokeFile({});
  old_format[0] = 1;
  EXPECT_FALSE(vx::StrokeFont(old_format).Usable());
}

// ---- Native outlines -------------------------------------------------------

void PutFixed(std::vector<std::uint8_t>& b, double x, double y) {
  for (double v : {x, y}) {
    const auto raw = static_cast<std::int32_t>(std::lround(v * 65536));
    const std::size_t at = b.size();
    b.resize(at + 4);
    vx::PutI32(b.data(), at, raw);
  }
}

// One contour: start (1, 0), a line run to (3, 0), a spline (4, 1) (2, 2).
std::vector<std::uint8_t> OneContour() {
  std::vector<std::uint8_t> b(8, 0);
  vx::PutU32(b.data(), 4, 24);
  PutFixed(b, 1, 0);
  b.insert(b.end(), {1, 0, 1, 0});
  PutFixed(b, 3, 0);
  b.insert(b.end(), {2, 0, 2, 0});
  PutFixed(b, 4, 1);
  PutFixed(b, 2, 2.5);
  vx::PutU32(b.data(), 0, static_cast<std::uint32_t>(b.size()));
  return b;
}

TEST(GlyphOutlines, RecordsChainFromTheCurrentPointAndTakeThePen) {
  const auto contours = vx::ReadGlyphOutline(OneContour(), {10, 20});
  ASSERT_EQ(contours.size(), 1u);
  ASSERT_EQ(contours[0].size(), 2u);
  EXPECT_FALSE(contours[0][0].spline);
  ASSERT_EQ(contours[0][0].points.size(), 2u);
  EXPECT_DOUBLE_EQ(contours[0][0].points[0].x, 11);
  EXPECT_DOUBLE_EQ(contours[0][0].points[1].x, 13);
  EXPECT_TRUE(contours[0][1].spline);
  ASSERT_EQ(contours[0][1].points.size(), 3u);
  EXPECT_DOUBLE_EQ(contours[0][1].points[0].x, 13);
  EXPECT_DOUBLE_EQ(contours[0][1].points[2].y, 22.5);
}

TEST(GlyphOutlines, SizesThatOverrunStopTheReading) {
  auto too_big = OneContour();
  vx::PutU32(too_big.data(), 0, 4000);
  auto count_overrun = OneContour();
  vx::PutU16(count_overrun.data(), 16 + 2, 900);
  auto tiny = OneContour();
  vx::PutU32(tiny.data(), 0, 3);
  EXPECT_TRUE(vx::ReadGlyphOutline(too_big, {}).empty());
  EXPECT_TRUE(vx::ReadGlyphOutline(tiny, {}).empty());
  const auto cut = vx::ReadGlyphOutline(count_overrun, {});
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_TRUE(cut[0].empty());
}

// ---- Exploding texts in a session -------------------------------------------

struct Box {
  double x0 = std::numeric_limits<double>::infinity(), y0 = x0, x1 = -x0, y1 = -x0;
  void Take(double x, double y) {
    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
  }
  double Width() const { return x1 - x0; }
  double CentreX() const { return (x0 + x1) / 2; }
};

// What an explode left: the extents of its geometry, its kinds, and how many
// outlines of glyphs are not closed.
struct Exploded {
  Box all;
  int kinds[64] = {};
  int open_contours = 0;
};

// Contours of a glyph container are closed when its pieces, taken in order,
// chain end to start and the last ends on the first's start.
int OpenContours(vx::DList* glyph_members) {
  std::vector<std::array<double, 4>> pieces;  // first and last point
  glyph_members->Walk(
      [](vx::DList*, vx::Entity e, std::intptr_t a, std::intptr_t) {
        const bool curve = vx::GetI8(e, vx::kHdrKind) == vx::kKindCurvePath;
        const std::size_t first = curve ? vx::kCurveVertices : vx::kPolyVertices;
        const std::size_t last = first + 16 * (vx::GetU16(e, curve ? vx::kCurveCount : vx::kPolyCount) - 1);
        reinterpret_cast<std::vector<std::array<double, 4>>*>(a)->push_back(
            {vx::GetF64(e, first), vx::GetF64(e, first + 8), vx::GetF64(e, last), vx::GetF64(e, last + 8)});
        return 0;
      },
      vx::kWalkAll, reinterpret_cast<std::intptr_t>(&pieces), 0);
  auto meets = [&](std::size_t a, std::size_t b) {
    return std::hypot(pieces[a][2] - pieces[b][0], pieces[a][3] - pieces[b][1]) < 1e-9;
  };
  int open = 0;
  for (std::size_t i = 0, start = 0; i < pieces.size(); ++i) {
    if (i + 1 < pieces.size() && meets(i, i + 1)) continue;
    open += !meets(i, start);
    start = i + 1;
  }
  return open;
}

// The host's extents of each piece; containers take their members'.
void TakeEntity(vx::DList* list, vx::Entity e, Exploded& out, Box& box) {
  const int kind = vx::GetI8(e, vx::kHdrKind);
  if (kind >= 0 && kind < 64) ++out.kinds[kind];
  if (kind == vx::kKindLine || kind == vx::kKindArc || kind == vx::kKindPath || kind == vx::kKindCurvePath) {
    std::uint8_t extents[vx::kBoxBytes] = {};
    vx::EXCheck(e, extents);
    box.Take(vx::GetF64(extents, vx::kBoxMinX), vx::GetF64(extents, vx::kBoxMinY));
    box.Take(vx::GetF64(extents, vx::kBoxMaxX), vx::GetF64(extents, vx::kBoxMaxY));
  }
  if (vx::DList* members = list->MemberList(e)) {
    Box inner;
    members->Walk(
        [](vx::DList* l, vx::Entity m, std::intptr_t a, std::intptr_t b) {
          auto* self = reinterpret_cast<Exploded*>(a);
          TakeEntity(l, m, *self, *reinterpret_cast<Box*>(b));
          return 0;
        },
        vx::kWalkAll, reinterpret_cast<std::intptr_t>(&out), reinterpret_cast<std::intptr_t>(&inner));
    if (kind == vx::kKindGlyphContainer) out.open_contours += OpenContours(members);
    if (inner.x0 <= inner.x1) box.Take(inner.x0, inner.y0), box.Take(inner.x1, inner.y1);
  }
}

class TextExplode : public TextTest {
 protected:
  vx::Entity AddStyledText(vx::DList* list, double x, double y, const std::string& s, std::uint16_t font,
                           std::uint8_t justify = 0, float width = 1.0f, std::uint8_t style = 0, float angle = 0) {
    vx::Entity e = Add(list, vxtest::Text(x, y, 10.0f, width, angle, s, justify));
    vx::PutU16(e, vx::kTextSpec + vx::kSpecFont, font);
    vx::PutU8(e, vx::kTextSpec + vx::kSpecStyleBits, style);
    return e;
  }
  void Clear() {
    session.Doc().Work().ForEach([&](vx::Entity e) { Work()->Remove(e); });
  }
  Exploded ExplodeAll() {
    for (vx::Entity e : Entities())
      if (vx::GetI8(e, vx::kHdrKind) == vx::kKindText) vx::ExplodeText(Work(), e, Work());
    return Collect();
  }
  Exploded Collect() {
    Exploded out;
    for (vx::Entity e : Entities()) TakeEntity(Work(), e, out, out.all);
    return out;
  }
};

TEST_F(TextExplode, CentredTextsExplodeCentredAndOtherCodesAtTheirInsertionPoint) {
  struct Case {
    std::uint16_t font;
    std::uint8_t justify;
    double expected_left;  // -1: centred on x = 0
  };
  const Case cases[] = {{kDejaVu, 1, -1}, {kSimplex, 1, -1}, {kDejaVu, 0, 0}, {kDejaVu, 4, 0},
                        {kSimplex, 7, 0}, {kSimplex, 20, 0}, {kDejaVu, 2, -2}};
  for (const Case& c : cases) {
    Clear();
    vx::Entity text = AddStyledText(Work(), 0, 0, "HOH", c.font, c.justify);
    const double length = vx::LenText2(text);
    const Exploded out = ExplodeAll();
    ASSERT_EQ(out.kinds[vx::kKindText], 0) << "font " << c.font;
    // The ink of "HOH" starts a side bearing inside the layout box; "O"
    // overshoots the baseline a little.
    const double bearing = 0.25 * 10;
    if (c.expected_left == -1) {
      EXPECT_NEAR(out.all.CentreX(), 0, 0.2) << "font " << c.font;
    } else if (c.expected_left == -2) {
      EXPECT_NEAR(out.all.x1, 0, bearing) << "right aligned";
      EXPECT_LT(out.all.x1, 0.01);
    } else {
      EXPECT_GE(out.all.x0, -0.01) << "code " << int(c.justify);
      EXPECT_LT(out.all.x0, bearing) << "code " << int(c.justify);
      EXPECT_NEAR(out.all.y0, 0, 0.3) << "code " << int(c.justify);
    }
    EXPECT_NEAR(out.all.Width(), length, 2 * bearing) << "font " << c.font;
  }
}

TEST_F(TextExplode, WidthFactorStretchesBothFontKindsAsTheyAreMeasured) {
  for (std::uint16_t font : {kSimplex, kDejaVu}) {
    AddStyledText(Work(), 0, 0, "HH", font, 1, 1.0f);
    const double narrow = ExplodeAll().all.Width();
    Clear();
    AddStyledText(Work(), 0, 0, "HH", font, 1, 2.0f);
    const Exploded wide = ExplodeAll();
    EXPECT_NEAR(wide.all.Width(), 2 * narrow, 1e-6) << "font " << font;
    EXPECT_NEAR(wide.all.CentreX(), 0, 0.2) << "font " << font;
    Clear();
  }
}

TEST_F(TextExplode, TrueTypeOutlinesAreClosedAndUnderlinesAddAContour) {
  AddStyledText(Work(), 0, 0, "Ob", kDejaVu);
  const Exploded plain = ExplodeAll();
  EXPECT_EQ(plain.open_contours, 0);
  EXPECT_EQ(plain.kinds[vx::kKindGroup], 1);
  EXPECT_EQ(plain.kinds[vx::kKindGlyphContainer], 2);
  EXPECT_GT(plain.kinds[vx::kKindCurvePath], 0);
  EXPECT_GE(plain.all.y0, -0.3);  // no more than the overshoot of "O" below the baseline
  Clear();
  AddStyledText(Work(), 0, 0, "Ob", kDejaVu, 0, 1.0f, vx::kStyleUnderline);
  const Exploded underlined = ExplodeAll();
  EXPECT_EQ(underlined.open_contours, 0);
  EXPECT_LT(underlined.all.y0, -0.5);  // the underline lies below the baseline
  EXPECT_GT(underlined.kinds[vx::kKindPath], plain.kinds[vx::kKindPath]);
}

TEST_F(TextExplode, TextsInUnknownFontsStay) {
  AddStyledText(Work(), 0, 0, "keep", 99);
  const Exploded out = ExplodeAll();
  EXPECT_EQ(out.kinds[vx::kKindText], 1);
  EXPECT_EQ(Strings(), (std::vector<std::string>{"keep"}));
}

TEST_F(TextExplode, CommandExplodesGroupMembersLeavesSymbolsAndUndoesInOneStep) {
  AddStyledText(Work(), 0, 0, "top", kDejaVu);
  vx::DList* group = AddGroup(Work());
  AddStyledText(group, 0, 20, "in group", kSimplex);
  vx::DList* symbol = AddSymbol(Work(), Placement(0, 40, 0));
  AddStyledText(symbol, 0, 0, "in symbol", kDejaVu);
  Run("VXTEXTEXPL;all");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"in symbol"}));
  const Exploded out = Collect();
  EXPECT_EQ(out.kinds[vx::kKindGlyphContainer], 3);  // t, o, p
  EXPECT_GT(out.kinds[vx::kKindLine], 10);
  EXPECT_EQ(out.kinds[vx::kKindSymbol], 1);
  EXPECT_EQ(LinesWith("? Text explode - select entities (h - help):"), 1);
  Run("UNDO");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"top", "in group", "in symbol"}));
  EXPECT_EQ(Collect().kinds[vx::kKindLine], 0);
}

TEST_F(TextExplode, CancelledSelectionChangesNothing) {
  AddStyledText(Work(), 0, 0, "top", kDejaVu);
  Run("VXTEXTEXPL;<esc>");
  EXPECT_EQ(Strings(), (std::vector<std::string>{"top"}));
}

// The exploded outlines and the rendered text cover the same pixels: each
// inked pixel of one picture has ink within a pixel in the other. Two marks
// far out fix the picture's frame, so both pictures share one scale.
TEST_F(TextExplode, ExplodedTextsOverlayTheRenderedTexts) {
  for (std::uint16_t font : {kSimplex, kDejaVu}) {
    Clear();
    Add(Work(), vxtest::Line(-5, -10, -5, -9.9));
    Add(Work(), vxtest::Line(95, 30, 95, 30.1));
    // Outlined TrueType text draws its outlines, not a fill, as the explode does.
    AddStyledText(Work(), 40, 5, "Wab gy", font, 1, 1.5f, font == kDejaVu ? vx::kStyleOutline : 0, 0.2f);
    const std::string dir = ::testing::TempDir();
    const std::string before = dir + "/explode_before_" + std::to_string(font) + ".png";
    const std::string after = dir + "/explode_after_" + std::to_string(font) + ".png";
    vxh::RenderDrawing(session.Doc(), before);
    ExplodeAll();
    vxh::RenderDrawing(session.Doc(), after);
    const rendertest::Picture a(before), b(after);
    ASSERT_TRUE(a.Ok() && b.Ok());
    ASSERT_EQ(a.Width(), b.Width());
    int inked = 0, unmatched_a = 0, unmatched_b = 0;
    for (int y = 0; y < a.Height(); ++y) {
      for (int x = 0; x < a.Width(); ++x) {
        if (a.Ink(x, y) > 128) ++inked, unmatched_a += b.InkNear(x, y, 1) < 32;
        if (b.Ink(x, y) > 128) unmatched_b += a.InkNear(x, y, 1) < 32;
      }
    }
    EXPECT_GT(inked, 200) << "font " << font;
    EXPECT_LT(unmatched_a, inked / 100 + 2) << "font " << font;
    EXPECT_LT(unmatched_b, inked / 100 + 2) << "font " << font;
  }
}

}  // namespace
}  // namespace vxh::testing
