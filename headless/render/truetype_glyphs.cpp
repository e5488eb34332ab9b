#include "headless/render/truetype_glyphs.h"

#include <cstring>
#include <map>
#include <memory>
#include <tuple>

#include "headless/fonts/gdi_font.h"
#include "headless/fonts/truetype_metrics.h"
#include "host/entity_layout.h"

namespace vxh {

namespace {

const GdiFont& FontFor(const std::string& name, std::uint8_t style) {
  static std::map<std::tuple<std::string, std::uint8_t>, std::unique_ptr<GdiFont>> fonts;
  const std::uint8_t bits = style & (vx::kStyleBold | vx::kStyleItalic | vx::kStyleUnderline | vx::kStyleStrikeOut);
  auto& slot = fonts[{name, bits}];
  if (!slot) {
    LOGFONTA d{};
    d.lfHeight = kExplodeFontHeight;
    d.lfWidth = kExplodeFontWidth;
    d.lfWeight = (bits & vx::kStyleBold) ? FW_BOLD : FW_NORMAL;
    d.lfItalic = (bits & vx::kStyleItalic) ? 1 : 0;
    d.lfUnderline = (bits & vx::kStyleUnderline) ? 1 : 0;
    d.lfStrikeOut = (bits & vx::kStyleStrikeOut) ? 1 : 0;
    std::strncpy(d.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    slot = std::make_unique<GdiFont>(d);
  }
  return *slot;
}

MAT2 IdentityMatrix() {
  MAT2 m{};
  m.eM11.value = 1;
  m.eM22.value = 1;
  return m;
}

// A spline run: off-curve points, then its on-curve end; two off-curve
// points in a row have an on-curve point midway.
void AddSpline(PathBuilder& path, P2 from, const std::vector<P2>& points) {
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const P2 control = points[i];
    const P2 to = i + 2 == points.size() ? points[i + 1]
                                         : P2{(control.x + points[i + 1].x) / 2, (control.y + points[i + 1].y) / 2};
    path.CurveTo({from.x + 2.0 / 3 * (control.x - from.x), from.y + 2.0 / 3 * (control.y - from.y)},
                 {to.x + 2.0 / 3 * (control.x - to.x), to.y + 2.0 / 3 * (control.y - to.y)}, to);
    from = to;
  }
}

void AddOutline(PathBuilder& path, const NativeOutline& outline, double pen, double sx, double sy) {
  const auto at = [&](const OutlinePoint& p) { return P2{pen + p.x * sx, p.y * sy}; };
  for (const OutlineContour& contour : outline) {
    P2 current = at(contour.start);
    path.MoveTo(current);
    for (const OutlineCurve& curve : contour.curves) {
      if (curve.points.empty()) continue;
      if (curve.type == TT_PRIM_QSPLINE) {
        std::vector<P2> points;
        for (const OutlinePoint& p : curve.points) points.push_back(at(p));
        AddSpline(path, current, points);
      } else {
        for (const OutlinePoint& p : curve.points) path.LineTo(at(p));
      }
      current = at(curve.points.back());
    }
    path.Close();
  }
}

}  // namespace

void AddTrueTypeLine(PathBuilder& path, const std::string& font_name, std::uint8_t style_bits, std::string_view line,
                     double height, double width_factor) {
  const GdiFont& font = FontFor(font_name, style_bits);
  const double sx = height * width_factor / kExplodeUnitsPerWidth, sy = height / kExplodeUnitsPerHeight;
  const MAT2 identity = IdentityMatrix();
  double pen = 0;  // drawing units
  for (unsigned char c : line) {
    if (c == 0) continue;
    if (const std::optional<GdiGlyph> glyph = font.Glyph(c, identity)) {
      AddOutline(path, glyph->outline, pen, sx, sy);
      pen += glyph->metrics.gmCellIncX * sx;
    } else {
      pen += font.Advance(c) * sx;
    }
  }
}

}  // namespace vxh
