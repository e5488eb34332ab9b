// The even-odd region of a set of closed rings, computed by GEOS: the
// independent reference that hatch results are measured against.
#pragma once

#define GEOS_USE_ONLY_R_API
#include <geos_c.h>

#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vxh::testing {

struct Pt {
  double x, y;
};
using Ring = std::vector<Pt>;  // closed implicitly: the last point joins the first

class GeosRegion {
 public:
  // The region inside an odd number of `rings`; segments are measured with
  // `slack` of room around it.
  GeosRegion(const std::vector<Ring>& rings, double slack) : context_(GEOS_init_r()) {
    GEOSContext_setErrorMessageHandler_r(context_, &GeosRegion::OnError, this);
    for (const Ring& ring : rings) {
      GEOSGeometry* polygon = Polygon(ring);
      if (region_ == nullptr) {
        region_ = polygon;
        continue;
      }
      GEOSGeometry* next = GEOSSymDifference_r(context_, region_, polygon);
      GEOSGeom_destroy_r(context_, region_);
      GEOSGeom_destroy_r(context_, polygon);
      Require(next, "symmetric difference");
      region_ = next;
    }
    if (region_ == nullptr) throw std::runtime_error("no rings");
    roomy_ = GEOSBuffer_r(context_, region_, slack, 8);
    Require(roomy_, "buffer");
    prepared_roomy_ = GEOSPrepare_r(context_, roomy_);
  }
  ~GeosRegion() {
    GEOSPreparedGeom_destroy_r(context_, prepared_roomy_);
    GEOSGeom_destroy_r(context_, roomy_);
    GEOSGeom_destroy_r(context_, region_);
    GEOS_finish_r(context_);
  }
  GeosRegion(const GeosRegion&) = delete;
  GeosRegion& operator=(const GeosRegion&) = delete;

  double Area() const {
    double area = 0;
    GEOSArea_r(context_, region_, &area);
    return area;
  }
  // The length of the region's boundary.
  double Perimeter() const {
    double length = 0;
    GEOSLength_r(context_, region_, &length);
    return length;
  }
  // Whether the segment lies in the region, give or take the slack.
  bool Holds(Pt a, Pt b) const {
    GEOSGeometry* line = Segment(a, b);
    const char holds = GEOSPreparedCovers_r(context_, prepared_roomy_, line);
    GEOSGeom_destroy_r(context_, line);
    return holds == 1;
  }
  // A point of the region at least `clearance` from its edges; none when it is too narrow.
  std::optional<Pt> PointInside(double clearance) const {
    GEOSGeometry* inner = GEOSBuffer_r(context_, region_, -clearance, 8);
    Require(inner, "buffer");
    std::optional<Pt> point;
    if (!GEOSisEmpty_r(context_, inner)) {
      GEOSGeometry* on = GEOSPointOnSurface_r(context_, inner);
      Require(on, "point on surface");
      point.emplace();
      GEOSGeomGetX_r(context_, on, &point->x);
      GEOSGeomGetY_r(context_, on, &point->y);
      GEOSGeom_destroy_r(context_, on);
    }
    GEOSGeom_destroy_r(context_, inner);
    return point;
  }
  // The parts of the segments that lie in the region, in one overlay.
  std::vector<std::pair<Pt, Pt>> PartsInside(const std::vector<std::pair<Pt, Pt>>& segments) const {
    std::vector<GEOSGeometry*> lines;
    for (const auto& [a, b] : segments) lines.push_back(Segment(a, b));
    GEOSGeometry* all =
        GEOSGeom_createCollection_r(context_, GEOS_MULTILINESTRING, lines.data(), static_cast<unsigned>(lines.size()));
    Require(all, "collection");
    GEOSGeometry* inside = GEOSIntersection_r(context_, region_, all);
    GEOSGeom_destroy_r(context_, all);
    Require(inside, "intersection");
    std::vector<std::pair<Pt, Pt>> parts;
    Collect(inside, parts);
    GEOSGeom_destroy_r(context_, inside);
    return parts;
  }

 private:
  // GEOS reports and returns null; the message is kept for the exception.
  static void OnError(const char* message, void* self) { static_cast<GeosRegion*>(self)->error_ = message; }
  void Require(const void* result, const char* what) const {
    if (result == nullptr) throw std::runtime_error(std::string("GEOS ") + what + ": " + error_);
  }

  GEOSCoordSequence* Sequence(const std::vector<Pt>& points, bool close) const {
    const unsigned count = static_cast<unsigned>(points.size() + (close ? 1 : 0));
    GEOSCoordSequence* seq = GEOSCoordSeq_create_r(context_, count, 2);
    for (unsigned i = 0; i < count; ++i) {
      const Pt& p = points[i % points.size()];
      GEOSCoordSeq_setXY_r(context_, seq, i, p.x, p.y);
    }
    return seq;
  }
  // Points repeating the one before them (as zero-length sides give) are
  // left out: GEOS's overlay can take a ring with them for inside out.
  GEOSGeometry* Polygon(const Ring& ring) const {
    Ring distinct;
    for (const Pt& p : ring) {
      const bool repeats = !distinct.empty() && std::hypot(p.x - distinct.back().x, p.y - distinct.back().y) <= 1e-12;
      if (!repeats) distinct.push_back(p);
    }
    while (distinct.size() > 1 &&
           std::hypot(distinct.back().x - distinct[0].x, distinct.back().y - distinct[0].y) <= 1e-12) {
      distinct.pop_back();
    }
    GEOSGeometry* shell = GEOSGeom_createLinearRing_r(context_, Sequence(distinct, true));
    return GEOSGeom_createPolygon_r(context_, shell, nullptr, 0);
  }
  // Every straight part of the lines in `g`.
  void Collect(const GEOSGeometry* g, std::vector<std::pair<Pt, Pt>>& parts) const {
    const int type = GEOSGeomTypeId_r(context_, g);
    if (type == GEOS_LINESTRING) {
      const GEOSCoordSequence* seq = GEOSGeom_getCoordSeq_r(context_, g);
      unsigned count = 0;
      GEOSCoordSeq_getSize_r(context_, seq, &count);
      for (unsigned i = 0; i + 1 < count; ++i) {
        Pt a{}, b{};
        GEOSCoordSeq_getXY_r(context_, seq, i, &a.x, &a.y);
        GEOSCoordSeq_getXY_r(context_, seq, i + 1, &b.x, &b.y);
        parts.emplace_back(a, b);
      }
      return;
    }
    if (type != GEOS_MULTILINESTRING && type != GEOS_GEOMETRYCOLLECTION) return;
    for (int i = 0, n = GEOSGetNumGeometries_r(context_, g); i < n; ++i) {
      Collect(GEOSGetGeometryN_r(context_, g, i), parts);
    }
  }
  GEOSGeometry* Segment(Pt a, Pt b) const { return GEOSGeom_createLineString_r(context_, Sequence({a, b}, false)); }

  GEOSContextHandle_t context_;
  std::string error_;
  GEOSGeometry* region_ = nullptr;
  GEOSGeometry* roomy_ = nullptr;
  const GEOSPreparedGeometry* prepared_roomy_ = nullptr;
};

}  // namespace vxh::testing
