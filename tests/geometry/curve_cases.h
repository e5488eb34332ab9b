// Named records of every measurable kind for the curve kernel's tests, and
// host-owned (loose) copies of them for the operations that need those.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "headless/drawing/loose_record.h"
#include "host/host_api.h"
#include "tests/support/records.h"

namespace vxtest {

struct NamedRecord {
  std::string name;
  Record record;
};

inline void PrintTo(const NamedRecord& r, std::ostream* os) { *os << r.name; }

inline constexpr double kTestPi = 3.14159265358979323846;

inline std::vector<NamedRecord> MeasurableRecords() {
  return {
      {"line", Line(1, 2, 30, -4)},
      {"path", Poly(vx::kKindPath, {{0, 0}, {5, 1}, {7, 9}})},
      {"polygon", Poly(vx::kKindPolygon, {{0, 0}, {4, 0}, {4, 3}, {0, 3}})},
      {"circle", Circle(3, 4, 2)},
      {"arc", Arc(-1, 2, 3, 0.5, 2.0)},
      {"clockwise_arc", Arc(0, 0, 2, 1.0, -2.5)},
      {"ellipse", Ellipse(1, 1, 5, 2, 0.3)},
      {"elliptical_arc", EllipticalArc(1, 1, 5, 2, 0.3, 1.0, -2.5)},
      {"curve_lines", Curve(vx::kKindCurvePath, 0, {{0, 0}, {3, 1}, {4, 5}})},
      {"curve_spline", Curve(vx::kKindCurvePath, 1, {{0, 0}, {2, 4}, {5, 4}, {7, 0}, {9, 1}})},
      {"curve_pspline", Curve(vx::kKindCurvePath, 2, {{0, 0}, {2, 3}, {5, -1}, {8, 2}})},
      {"curve_bezier", Curve(vx::kKindCurvePath, 3, {{0, 0}, {1, 3}, {4, 3}, {5, 0}, {6, -2}, {8, -2}, {9, 1}})},
      {"closed_spline", Curve(vx::kKindClosedCurve, 1, {{0, 0}, {6, 0}, {6, 4}, {0, 4}})},
      {"closed_pspline", Curve(vx::kKindClosedCurve, 2, {{0, 0}, {6, 0}, {3, 5}})},
      {"closed_lines", Curve(vx::kKindClosedCurve, 0, {{0, 0}, {6, 0}, {3, 5}})},
      {"bezier", Bezier({{0, 0}, {0, 4}, {6, 4}, {6, 0}})},
      {"wall", Wall(0, 0, 10, 5, 1)},
  };
}

struct LooseDeleter {
  void operator()(std::uint8_t* record) const {
    if (record != nullptr) vxh::DeleteLooseRecord(record);
  }
};
using Loose = std::unique_ptr<std::uint8_t, LooseDeleter>;

inline Loose MakeLoose(const Record& r) { return Loose(vxh::CopyLooseRecord(r.data())); }

inline std::pair<double, double> PointAt(vx::Entity e, double t) {
  double p[2] = {};
  vx::EGet(e, vx::kQueryPointAt, &t, p);
  return {p[0], p[1]};
}

inline double ParamOf(vx::Entity e, std::pair<double, double> point) {
  const double p[2] = {point.first, point.second};
  double t = -1;
  vx::EGet(e, vx::kQueryParamOf, p, &t);
  return t;
}

inline double LengthOf(vx::Entity e) {
  double length = -1;
  vx::EGet(e, vx::kQueryLength, nullptr, &length);
  return length;
}

}  // namespace vxtest
