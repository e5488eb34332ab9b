#include "headless/fonts/native_outline.h"

#include <cmath>
#include <limits>

#include "host/record.h"
#include "host/win_api.h"

namespace vxh {

namespace {

struct Node {
  OutlinePoint p;
  bool on = false;
};

OutlinePoint Midpoint(const OutlinePoint& a, const OutlinePoint& b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

// The contour's points after its start, ending with the start itself. A
// contour with no on-curve point starts between its first and last points.
std::vector<Node> WalkFromStart(std::span<const OutlinePoint> pts, std::span<const std::uint8_t> on,
                                OutlinePoint& start) {
  const std::size_t n = pts.size();
  std::size_t s = 0;
  while (s < n && !on[s]) ++s;
  std::vector<Node> walk;
  if (s == n) {
    start = Midpoint(pts[0], pts[n - 1]);
    for (std::size_t i = 0; i < n; ++i) walk.push_back({pts[i], false});
    walk.push_back({start, true});
    return walk;
  }
  start = pts[s];
  for (std::size_t k = 1; k <= n; ++k) {
    const std::size_t i = (s + k) % n;
    walk.push_back({pts[i], on[i] != 0});
  }
  return walk;
}

OutlineContour BuildContour(std::span<const OutlinePoint> pts, std::span<const std::uint8_t> on) {
  OutlineContour contour;
  const std::vector<Node> walk = WalkFromStart(pts, on, contour.start);
  for (std::size_t i = 0; i < walk.size();) {
    if (walk[i].on) {
      if (contour.curves.empty() || contour.curves.back().type != TT_PRIM_LINE)
        contour.curves.push_back({TT_PRIM_LINE, {}});
      contour.curves.back().points.push_back(walk[i++].p);
      continue;
    }
    OutlineCurve spline{TT_PRIM_QSPLINE, {}};
    while (i < walk.size() && !walk[i].on) spline.points.push_back(walk[i++].p);
    spline.points.push_back(walk[i++].p);  // the walk ends on-curve
    contour.curves.push_back(std::move(spline));
  }
  // The straight edge back to the start is implied.
  OutlineCurve& last = contour.curves.back();
  if (last.type == TT_PRIM_LINE) {
    last.points.pop_back();
    if (last.points.empty()) contour.curves.pop_back();
  }
  return contour;
}

std::size_t CurveBytes(const OutlineCurve& c) { return 4 + sizeof(POINTFX) * c.points.size(); }

std::size_t ContourBytes(const OutlineContour& c) {
  std::size_t bytes = sizeof(TTPOLYGONHEADER);
  for (const OutlineCurve& curve : c.curves) bytes += CurveBytes(curve);
  return bytes;
}

// FIXED is a 16-bit fraction then a 16-bit whole part: in memory, the
// 32-bit two's complement of value * 65536.
std::int32_t ToFixed(double v) {
  const double scaled = std::round(v * 65536.0);
  constexpr double lo = std::numeric_limits<std::int32_t>::min(), hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(scaled < lo ? lo : scaled > hi ? hi : scaled);
}

std::uint8_t* PutPoint(std::uint8_t* out, const OutlinePoint& p) {
  vx::PutI32(out, 0, ToFixed(p.x));
  vx::PutI32(out, 4, ToFixed(p.y));
  return out + sizeof(POINTFX);
}

}  // namespace

NativeOutline OutlineFromTrueType(std::span<const OutlinePoint> points, std::span<const std::uint8_t> on_curve,
                                  std::span<const int> contour_ends) {
  NativeOutline outline;
  std::size_t first = 0;
  for (int end : contour_ends) {
    if (end < 0 || static_cast<std::size_t>(end) >= points.size() || static_cast<std::size_t>(end) < first) break;
    const std::size_t count = static_cast<std::size_t>(end) + 1 - first;
    if (count >= 2) outline.push_back(BuildContour(points.subspan(first, count), on_curve.subspan(first, count)));
    first = static_cast<std::size_t>(end) + 1;
  }
  return outline;
}

OutlineContour QuadContour(const OutlinePoint (&corners)[4]) {
  return {corners[0], {{TT_PRIM_LINE, {corners[1], corners[2], corners[3]}}}};
}

std::size_t NativeOutlineBytes(const NativeOutline& outline) {
  std::size_t bytes = 0;
  for (const OutlineContour& c : outline) bytes += ContourBytes(c);
  return bytes;
}

void WriteNativeOutline(const NativeOutline& outline, std::uint8_t* out) {
  for (const OutlineContour& c : outline) {
    vx::PutU32(out, 0, static_cast<std::uint32_t>(ContourBytes(c)));
    vx::PutU32(out, 4, TT_POLYGON_TYPE);
    out = PutPoint(out + 8, c.start);
    for (const OutlineCurve& curve : c.curves) {
      vx::PutU16(out, 0, curve.type);
      vx::PutU16(out, 2, static_cast<std::uint16_t>(curve.points.size()));
      out += 4;
      for (const OutlinePoint& p : curve.points) out = PutPoint(out, p);
    }
  }
}

}  // namespace vxh
