// Glyph outlines in the layout GetGlyphOutlineA gives for GGO_NATIVE: per
// contour a TTPOLYGONHEADER (its byte count including its curves, type 24,
// start point) followed by TTPOLYCURVE records (TT_PRIM_LINE or
// TT_PRIM_QSPLINE, point count, points), coordinates 16.16 fixed. A contour
// is closed implicitly: a final straight edge back to the start is left out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vxh {

struct OutlinePoint {
  double x = 0;
  double y = 0;
  friend bool operator==(const OutlinePoint&, const OutlinePoint&) = default;
};

struct OutlineCurve {
  std::uint16_t type = 0;  // TT_PRIM_LINE or TT_PRIM_QSPLINE
  // Lines: the corners after the current point. Splines: the off-curve
  // points, then the on-curve end point; between two off-curve points an
  // on-curve point lies implicitly at their midpoint.
  std::vector<OutlinePoint> points;
};

struct OutlineContour {
  OutlinePoint start;
  std::vector<OutlineCurve> curves;
};

using NativeOutline = std::vector<OutlineContour>;

// Contours of a TrueType glyph from its points, their on-curve flags (non-zero
// on the curve) and the
// index of each contour's last point. Contours of fewer than two points are
// dropped.
NativeOutline OutlineFromTrueType(std::span<const OutlinePoint> points, std::span<const std::uint8_t> on_curve,
                                  std::span<const int> contour_ends);

// A closed four-cornered contour of straight edges (underline, strike-out).
OutlineContour QuadContour(const OutlinePoint (&corners)[4]);

std::size_t NativeOutlineBytes(const NativeOutline& outline);

// Writes NativeOutlineBytes(outline) bytes to out.
void WriteNativeOutline(const NativeOutline& outline, std::uint8_t* out);

}  // namespace vxh
