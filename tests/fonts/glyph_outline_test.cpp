#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "headless/fonts/face_match.h"
#include "host/win_api.h"
#include "tests/fonts/font_test_support.h"
#include "tests/session/session_fixture.h"

namespace {

using fonttest::Contour;
using fonttest::ReadNative;

constexpr MAT2 kIdentity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};

struct Outline {
  DWORD size = 0;  // the size query's answer
  DWORD filled = 0;
  GLYPHMETRICS metrics{};
  std::vector<std::uint8_t> bytes;
};

// The fonts and device contexts belong to the running session, so the
// session comes first.
class GlyphOutline : public vxh::testing::SessionTest {
 protected:
  ~GlyphOutline() override {
    for (HFONT f : fonts_) {
      SelectObject(dc_, previous_);
      DeleteObject(f);
    }
    ReleaseDC(nullptr, dc_);
  }

  void Use(const char* face, int weight = FW_NORMAL, bool underline = false, bool strike = false, bool italic = false) {
    HFONT font = CreateFontA(360, 140, 0, 0, weight, italic, underline, strike, 0, 7, 0, 0, 0x22, face);
    ASSERT_NE(font, nullptr);
    fonts_.push_back(font);
    HGDIOBJ old = SelectObject(dc_, font);
    ASSERT_NE(old, nullptr);
    if (previous_ == nullptr) previous_ = old;
  }

  Outline Get(unsigned char c, const MAT2& m = kIdentity) {
    Outline o;
    o.size = GetGlyphOutlineA(dc_, c, GGO_NATIVE, &o.metrics, 0, nullptr, &m);
    if (o.size == GDI_ERROR || o.size == 0) return o;
    o.bytes.assign(o.size, 0xCD);
    o.filled = GetGlyphOutlineA(dc_, c, GGO_NATIVE, &o.metrics, o.size, o.bytes.data(), &m);
    return o;
  }

  HDC dc_ = GetDC(nullptr);
  HGDIOBJ previous_ = nullptr;
  std::vector<HFONT> fonts_;
};

TEST_F(GlyphOutline, CapitalAOfDejaVuSansHasTwoWellFormedClosedContoursAndAnOHasSplines) {
  Use("DejaVu Sans");
  const Outline a = Get('A');
  ASSERT_NE(a.size, GDI_ERROR);
  EXPECT_EQ(a.filled, a.size);
  const std::vector<Contour> contours = ReadNative(a.bytes);
  ASSERT_EQ(contours.size(), 2u);
  for (const Contour& c : contours) {
    ASSERT_FALSE(c.curves.empty());
    // The straight edge home is implied, so the contour closes whatever its
    // last record is; a spline that ends the contour ends at the start.
    const auto& last = c.curves.back();
    if (last.type == TT_PRIM_QSPLINE) {
      EXPECT_DOUBLE_EQ(last.points.back().x, c.start.x);
      EXPECT_DOUBLE_EQ(last.points.back().y, c.start.y);
    }
  }
  // Device units, y up: the apex of an A stands well above the baseline
  // and its feet on it.
  double top = -1e9, bottom = 1e9;
  for (const Contour& c : contours)
    for (const auto& curve : c.curves)
      for (const auto& p : curve.points) top = std::max(top, p.y), bottom = std::min(bottom, p.y);
  EXPECT_GT(top, 200);
  EXPECT_NEAR(bottom, 0, 1e-9);
  EXPECT_GT(a.metrics.gmCellIncX, 100);
  EXPECT_EQ(a.metrics.gmCellIncY, 0);
  EXPECT_EQ(a.metrics.gmptGlyphOrigin.y, static_cast<LONG>(std::ceil(top)));
  // Curved glyphs use quadratic splines.
  const std::vector<Contour> o = ReadNative(Get('o').bytes);
  ASSERT_EQ(o.size(), 2u);
  bool spline = false;
  for (const Contour& c : o)
    for (const auto& curve : c.curves) spline |= curve.type == TT_PRIM_QSPLINE;
  EXPECT_TRUE(spline);
}

// A blank has no outline but its cell, and an underline alone when underlined.
TEST_F(GlyphOutline, UnderlineAndStrikeOutAddARectangleEach) {
  Use("DejaVu Sans");
  const std::size_t plain = ReadNative(Get('A').bytes).size();
  const Outline space = Get(' ');
  EXPECT_EQ(space.size, 0u);
  EXPECT_GT(space.metrics.gmCellIncX, 0);
  Use("DejaVu Sans", FW_NORMAL, true);
  EXPECT_EQ(ReadNative(Get(' ').bytes).size(), 1u);
  const std::vector<Contour> underlined = ReadNative(Get('A').bytes);
  ASSERT_EQ(underlined.size(), plain + 1);
  const Contour& bar = underlined.back();
  ASSERT_EQ(bar.curves.size(), 1u);
  ASSERT_EQ(bar.curves[0].points.size(), 3u);
  EXPECT_LT(bar.start.y, 0) << "an underline lies below the baseline";
  Use("DejaVu Sans", FW_NORMAL, true, true);
  EXPECT_EQ(ReadNative(Get('A').bytes).size(), plain + 2);
}

TEST_F(GlyphOutline, TheMatrixScalesOutlineAndCellIncrement) {
  Use("Liberation Serif");
  const Outline plain = Get('B');
  const MAT2 twice = {{0, 2}, {0, 0}, {0, 0}, {0, 2}};
  const Outline doubled = Get('B', twice);
  ASSERT_EQ(plain.size, doubled.size);
  const auto p = ReadNative(plain.bytes), d = ReadNative(doubled.bytes);
  ASSERT_EQ(p.size(), d.size());
  for (std::size_t i = 0; i < p.size(); ++i) {
    EXPECT_NEAR(d[i].start.x, 2 * p[i].start.x, 1e-4);
    EXPECT_NEAR(d[i].start.y, 2 * p[i].start.y, 1e-4);
  }
  EXPECT_EQ(doubled.metrics.gmCellIncX, 2 * plain.metrics.gmCellIncX);
}

TEST_F(GlyphOutline, BoldAndItalicChangeTheGlyph) {
  Use("Liberation Sans");
  const Outline regular = Get('H');
  const UINT thin = Get('l').metrics.gmBlackBoxX;
  Use("Liberation Sans", FW_BOLD);
  EXPECT_GT(Get('l').metrics.gmBlackBoxX, thin) << "a bold stem is wider";
  Use("Liberation Sans", FW_NORMAL, false, false, true);
  const Outline italic = Get('H');
  // An italic H leans right: its top reaches further right than the upright one.
  EXPECT_GT(italic.metrics.gmptGlyphOrigin.x + static_cast<LONG>(italic.metrics.gmBlackBoxX),
            regular.metrics.gmptGlyphOrigin.x + static_cast<LONG>(regular.metrics.gmBlackBoxX));
}

TEST_F(GlyphOutline, AFaceThatIsNotInstalledFallsBackToDejaVuSans) {
  EXPECT_FALSE(vxh::MatchTrueTypeFace("No Such Face Anywhere", false, false));
  Use("DejaVu Sans");
  const Outline dejavu = Get('g');
  Use("No Such Face Anywhere");
  const Outline fallback = Get('g');
  EXPECT_EQ(fallback.bytes, dejavu.bytes);
}

TEST_F(GlyphOutline, FailuresAnswerGdiError) {
  Use("DejaVu Sans");
  GLYPHMETRICS gm{};
  std::uint8_t small[8];
  EXPECT_EQ(GetGlyphOutlineA(nullptr, 'A', GGO_NATIVE, &gm, 0, nullptr, &kIdentity), GDI_ERROR);
  EXPECT_EQ(GetGlyphOutlineA(dc_, 'A', GGO_NATIVE, &gm, 0, nullptr, nullptr), GDI_ERROR);
  EXPECT_EQ(GetGlyphOutlineA(dc_, 'A', GGO_NATIVE, nullptr, 0, nullptr, &kIdentity), GDI_ERROR);
  EXPECT_EQ(GetGlyphOutlineA(dc_, 'A', GGO_NATIVE, &gm, sizeof small, small, &kIdentity), GDI_ERROR);
  EXPECT_EQ(GetGlyphOutlineA(dc_, 'A', 77, &gm, 0, nullptr, &kIdentity), GDI_ERROR);
  EXPECT_EQ(GetGlyphOutlineA(dc_, 0x141, GGO_NATIVE, &gm, 0, nullptr, &kIdentity), GDI_ERROR);
}

using GdiObjects = vxh::testing::SessionTest;

TEST_F(GdiObjects, HandlesFollowTheWindowsRules) {
  HDC dc = GetDC(nullptr);
  ASSERT_NE(dc, nullptr);
  HFONT font = CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 7, 0, 0, 0x22, "DejaVu Sans");
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
  HGDIOBJ stock = SelectObject(dc, font);
  ASSERT_NE(stock, nullptr);
  EXPECT_EQ(DeleteObject(font), FALSE) << "a selected font stays";
  EXPECT_EQ(SelectObject(dc, reinterpret_cast<HGDIOBJ>(dc)), nullptr) << "not a font";
  EXPECT_EQ(SelectObject(dc, stock), font);
  EXPECT_EQ(DeleteObject(font), TRUE);
  EXPECT_EQ(DeleteObject(font), FALSE);
  EXPECT_EQ(ReleaseDC(nullptr, dc), 1);
  EXPECT_EQ(ReleaseDC(nullptr, dc), 0);
}

}  // namespace
