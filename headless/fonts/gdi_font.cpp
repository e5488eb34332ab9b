#include "headless/fonts/gdi_font.h"

#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "headless/fonts/face_match.h"
#include "headless/fonts/freetype_faces.h"
#include "headless/text_encoding.h"

namespace vxh {

namespace {

// A font of height 0 gets the size Windows gives it: about 12 points.
constexpr double kDefaultCellHeight = 16;
// Synthetic italic leans like a typical oblique face.
constexpr double kObliqueShear = 0.21255656;  // tan 12°
// Synthetic bold widens stems by a 24th of the em, as FreeType does.
constexpr long kEmboldenDivisor = 24;

double FixedValue(const FIXED& f) { return f.value + f.fract / 65536.0; }

struct Matrix2 {
  double m11, m12, m21, m22;
  explicit Matrix2(const MAT2& m)
      : m11(FixedValue(m.eM11)), m12(FixedValue(m.eM12)), m21(FixedValue(m.eM21)), m22(FixedValue(m.eM22)) {}
  OutlinePoint Apply(double x, double y) const { return {x * m11 + y * m21, x * m12 + y * m22}; }
};

struct FaceMetrics {
  double cell_height;  // ascent plus descent, as Windows measures a cell
  double average_width;
  double strike_position;
  double strike_size;
};

FaceMetrics ReadFaceMetrics(FT_Face face) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  FaceMetrics m{};
  m.cell_height = os2 && os2->usWinAscent + os2->usWinDescent > 0 ? os2->usWinAscent + os2->usWinDescent
                                                                  : face->ascender - face->descender;
  m.average_width = os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : face->units_per_EM / 2.0;
  m.strike_position = os2 && os2->yStrikeoutSize > 0 ? os2->yStrikeoutPosition : face->units_per_EM * 0.3;
  m.strike_size = os2 && os2->yStrikeoutSize > 0 ? os2->yStrikeoutSize : face->underline_thickness;
  if (m.cell_height <= 0) m.cell_height = face->units_per_EM;
  return m;
}

// The black box and origin cover every point of the outline (control points
// included); a blank glyph has Windows' 1 by 1 box at the origin.
GLYPHMETRICS MetricsOf(const NativeOutline& outline, const OutlinePoint& increment) {
  GLYPHMETRICS gm{};
  gm.gmCellIncX = static_cast<SHORT>(std::lround(increment.x));
  gm.gmCellIncY = static_cast<SHORT>(std::lround(increment.y));
  double x0 = HUGE_VAL, y0 = HUGE_VAL, x1 = -HUGE_VAL, y1 = -HUGE_VAL;
  const auto widen = [&](const OutlinePoint& p) {
    x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
  };
  for (const OutlineContour& c : outline) {
    widen(c.start);
    for (const OutlineCurve& curve : c.curves)
      for (const OutlinePoint& p : curve.points) widen(p);
  }
  if (outline.empty()) {
    gm.gmBlackBoxX = gm.gmBlackBoxY = 1;
    return gm;
  }
  gm.gmptGlyphOrigin = {static_cast<LONG>(std::floor(x0)), static_cast<LONG>(std::ceil(y1))};
  gm.gmBlackBoxX = static_cast<UINT>(std::max(1.0, std::ceil(x1) - std::floor(x0)));
  gm.gmBlackBoxY = static_cast<UINT>(std::max(1.0, std::ceil(y1) - std::floor(y0)));
  return gm;
}

std::string FaceName(const LOGFONTA& d) { return std::string(d.lfFaceName, strnlen(d.lfFaceName, LF_FACESIZE)); }

}  // namespace

struct GdiFont::Loaded {
  std::vector<OutlinePoint> points;
  std::vector<std::uint8_t> on_curve;
  std::vector<int> ends;
  double advance = 0;  // font units
};

GdiFont::GdiFont(const LOGFONTA& d) {
  const bool bold = d.lfWeight >= FW_BOLD - 100;
  const bool italic = d.lfItalic != 0;
  const std::string name = FaceName(d);
  const FaceFile file = FindTrueTypeFace(name.empty() ? kFallbackFamily : name, bold, italic);
  face_ = OpenFace(file.path, file.index);
  const FaceMetrics m = ReadFaceMetrics(face_);
  // Windows: a positive height is the cell height, a negative one the em.
  if (d.lfHeight > 0)
    scale_y_ = d.lfHeight / m.cell_height;
  else if (d.lfHeight < 0)
    scale_y_ = -static_cast<double>(d.lfHeight) / face_->units_per_EM;
  else
    scale_y_ = kDefaultCellHeight / m.cell_height;
  scale_x_ = d.lfWidth != 0 ? std::abs(static_cast<double>(d.lfWidth)) / m.average_width : scale_y_;
  shear_ = file.synthesize_italic ? kObliqueShear * scale_y_ / scale_x_ : 0;
  embolden_ = file.synthesize_bold ? face_->units_per_EM / kEmboldenDivisor : 0;
  underline_ = d.lfUnderline != 0;
  strike_out_ = d.lfStrikeOut != 0;
}

bool GdiFont::Load(unsigned char code, Loaded& out) const {
  const FT_UInt index = FT_Get_Char_Index(face_, Cp1252CodePoint(code));
  if (FT_Load_Glyph(face_, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) return false;
  FT_GlyphSlot slot = face_->glyph;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return false;
  FT_Outline& outline = slot->outline;
  if (embolden_ != 0 && FT_Outline_EmboldenXY(&outline, embolden_, 0) != 0) return false;
  out.advance = static_cast<double>(slot->metrics.horiAdvance + embolden_);
  for (int i = 0; i < outline.n_points; ++i) {
    const char tag = FT_CURVE_TAG(outline.tags[i]);
    if (tag == FT_CURVE_TAG_CUBIC) return false;  // not a TrueType outline
    const double x = static_cast<double>(outline.points[i].x), y = static_cast<double>(outline.points[i].y);
    out.points.push_back({(x + shear_ * y) * scale_x_, y * scale_y_});
    out.on_curve.push_back(tag == FT_CURVE_TAG_ON);
  }
  for (int c = 0; c < outline.n_contours; ++c) out.ends.push_back(outline.contours[c]);
  return true;
}

int GdiFont::Advance(unsigned char code) const {
  Loaded glyph;
  if (!Load(code, glyph)) return 0;
  return static_cast<int>(std::lround(glyph.advance * scale_x_));
}

// Underline and strike-out are bars under or through the glyph's whole cell,
// so a run of glyphs joins them into one line.
void GdiFont::AddLines(double advance, const MAT2& matrix, NativeOutline& outline) const {
  const Matrix2 m(matrix);
  const auto bar = [&](double top, double bottom) {
    bottom = std::min(bottom, top - 1);  // at least a device unit thick
    const OutlinePoint corners[4] = {m.Apply(0, top), m.Apply(advance, top), m.Apply(advance, bottom),
                                     m.Apply(0, bottom)};
    outline.push_back(QuadContour(corners));
  };
  if (underline_) {
    const double centre = face_->underline_position * scale_y_;
    const double half = face_->underline_thickness * scale_y_ / 2;
    bar(centre + half, centre - half);
  }
  if (strike_out_) {
    const FaceMetrics fm = ReadFaceMetrics(face_);
    bar(fm.strike_position * scale_y_, (fm.strike_position - fm.strike_size) * scale_y_);
  }
}

std::optional<GdiGlyph> GdiFont::Glyph(unsigned char code, const MAT2& matrix) const {
  Loaded loaded;
  if (!Load(code, loaded)) return std::nullopt;
  const Matrix2 m(matrix);
  for (OutlinePoint& p : loaded.points) p = m.Apply(p.x, p.y);
  GdiGlyph glyph;
  glyph.outline = OutlineFromTrueType(loaded.points, loaded.on_curve, loaded.ends);
  // Windows keeps whole device units for the cell.
  const double advance = std::round(loaded.advance * scale_x_);
  AddLines(advance, matrix, glyph.outline);
  glyph.metrics = MetricsOf(glyph.outline, m.Apply(advance, 0));
  return glyph;
}

}  // namespace vxh
