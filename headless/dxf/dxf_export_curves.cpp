// Curve paths, closed curves and Bezier curves as SPLINEs: cubic Bezier
// points are the control points of a degree-3 spline whose inner knots are
// triple, the quadratic B-spline (TrueType) curve is a degree-2 spline with
// clamped uniform knots, and an interpolating spline keeps its fit points.
// Straight curve paths are LWPOLYLINEs.
#include <cmath>

#include "headless/drawing/document.h"
#include "headless/dxf/dxf_export_writer.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh::dxf {

namespace {

constexpr int kSplineClosed = 1;
constexpr int kSplinePlanar = 8;

std::vector<double> ClampedUniformKnots(std::size_t control_count, int degree) {
  std::vector<double> knots;
  const std::size_t spans = control_count - static_cast<std::size_t>(degree);
  for (int i = 0; i <= degree; ++i) knots.push_back(0);
  for (std::size_t i = 1; i < spans; ++i) knots.push_back(static_cast<double>(i));
  for (int i = 0; i <= degree; ++i) knots.push_back(static_cast<double>(spans));
  return knots;
}

}  // namespace

void EntityWriter::WriteSpline(int degree, const std::vector<double>& knots, const std::vector<double>& xy, bool fit,
                               bool closed, const DL_Attributes& a) {
  const auto count = static_cast<int>(xy.size() / 2);
  DL_SplineData data(degree, static_cast<int>(knots.size()), fit ? 0 : count, fit ? count : 0,
                     kSplinePlanar | (closed ? kSplineClosed : 0));
  data.tangentStartX = data.tangentStartY = data.tangentStartZ = 0;
  data.tangentEndX = data.tangentEndY = data.tangentEndZ = 0;
  dxf_.writeSpline(out_, data, a);
  for (double k : knots) dxf_.writeKnot(out_, DL_KnotData(k));
  for (int i = 0; i < count; ++i) {
    if (fit)
      dxf_.writeFitPoint(out_, DL_FitPointData(xy[2 * i], xy[2 * i + 1], 0));
    else
      dxf_.writeControlPoint(out_, DL_ControlPointData(xy[2 * i], xy[2 * i + 1], 0, 1));
  }
}

void EntityWriter::WriteBezierSpline(const std::vector<double>& xy, bool closed, const DL_Attributes& a) {
  const std::size_t count = xy.size() / 2;
  if (count < 4 || (count - 1) % 3 != 0) {
    ++skipped_["Bezier curve with an incomplete segment"];
    return;
  }
  const std::size_t segments = (count - 1) / 3;
  std::vector<double> knots(4, 0.0);
  for (std::size_t s = 1; s < segments; ++s) knots.insert(knots.end(), 3, static_cast<double>(s));
  knots.insert(knots.end(), 4, static_cast<double>(segments));
  WriteSpline(3, knots, xy, false, closed, a);
}

void EntityWriter::WriteCurve(vx::Entity e, const DL_Attributes& a) {
  const std::size_t count = vx::GetU16(e, vx::kCurveCount);
  if (vx::kCurveVertices + 16 * count > vx::GetU32(e, vx::kHdrSize)) return;
  const bool closed = vx::GetI8(e, vx::kHdrKind) == vx::kKindClosedCurve;
  std::vector<double> xy(2 * count);
  for (std::size_t i = 0; i < 2 * count; ++i) xy[i] = vx::GetF64(e, vx::kCurveVertices + 8 * i);
  switch (vx::GetU8(e, vx::kCurveType)) {
    case vx::kCurveLines: WritePoly(e, a, vx::kCurveCount, vx::kCurveVertices, closed); return;
    case vx::kCurveSpline:
      if (count < 3) break;
      WriteSpline(2, ClampedUniformKnots(count, 2), xy, false, closed, a);
      return;
    case vx::kCurvePSpline:
      if (count < 2) break;
      WriteSpline(3, {}, xy, true, closed, a);
      return;
    case vx::kCurveBezier: WriteBezierSpline(xy, closed, a); return;
    default: break;
  }
  ++skipped_["curve of an unknown type or too few points"];
}

}  // namespace vxh::dxf
