// Room plans drawn as users draw walls, separate lines crossing and
// overshooting each other, against the faces of the line arrangement as
// GEOS polygonizes it: the smart hatch fills exactly the face around the
// picked point, and every painted segment runs from wall to wall inside one
// face; neither makes a place twice.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "host/host_api.h"
#include "tests/hatch/geos_region.h"
#include "tests/hatch/hatch_fixture.h"
#include "tests/hatch/strokes.h"
#include "tests/support/records.h"

namespace vxh::testing {
namespace {

struct Wall {
  double x1, y1, x2, y2;
};

// The faces of the walls' arrangement as GEOS polygonizes it, each the
// region of its rings, measured with `slack` of room around it.
std::vector<std::unique_ptr<GeosRegion>> Faces(const std::vector<Wall>& walls, double slack) {
  GEOSContextHandle_t c = GEOS_init_r();
  std::vector<GEOSGeometry*> lines;
  for (const Wall& w : walls) {
    GEOSCoordSequence* q = GEOSCoordSeq_create_r(c, 2, 2);
    GEOSCoordSeq_setXY_r(c, q, 0, w.x1, w.y1);
    GEOSCoordSeq_setXY_r(c, q, 1, w.x2, w.y2);
    lines.push_back(GEOSGeom_createLineString_r(c, q));
  }
  GEOSGeometry* all =
      GEOSGeom_createCollection_r(c, GEOS_MULTILINESTRING, lines.data(), static_cast<unsigned>(lines.size()));
  GEOSGeometry* noded = GEOSUnaryUnion_r(c, all);
  const GEOSGeometry* pieces[] = {noded};
  GEOSGeometry* polygons = GEOSPolygonize_r(c, pieces, 1);
  const auto ring_of = [&](const GEOSGeometry* ring) {
    const GEOSCoordSequence* seq = GEOSGeom_getCoordSeq_r(c, ring);
    unsigned count = 0;
    GEOSCoordSeq_getSize_r(c, seq, &count);
    Ring out(count);
    for (unsigned i = 0; i < count; ++i) GEOSCoordSeq_getXY_r(c, seq, i, &out[i].x, &out[i].y);
    return out;
  };
  std::vector<std::unique_ptr<GeosRegion>> faces;
  for (int i = 0; i < GEOSGetNumGeometries_r(c, polygons); ++i) {
    const GEOSGeometry* face = GEOSGetGeometryN_r(c, polygons, i);
    std::vector<Ring> rings = {ring_of(GEOSGetExteriorRing_r(c, face))};
    for (int h = 0; h < GEOSGetNumInteriorRings_r(c, face); ++h)
      rings.push_back(ring_of(GEOSGetInteriorRingN_r(c, face, h)));
    faces.push_back(std::make_unique<GeosRegion>(rings, slack));
  }
  for (GEOSGeometry* g : {all, noded, polygons}) GEOSGeom_destroy_r(c, g);
  GEOS_finish_r(c);
  return faces;
}

double DistanceToWall(double x, double y, const Wall& w) {
  const double dx = w.x2 - w.x1, dy = w.y2 - w.y1;
  const double t = std::clamp(((x - w.x1) * dx + (y - w.y1) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(x - (w.x1 + t * dx), y - (w.y1 + t * dy));
}

bool OnAWall(double x, double y, const std::vector<Wall>& walls) {
  return std::any_of(walls.begin(), walls.end(), [&](const Wall& w) { return DistanceToWall(x, y, w) < 1e-7; });
}

struct Plan {
  double w, h;
  std::vector<Wall> walls;
};

// An outer wall and walls across it, every line overshooting the ones it
// meets, and sometimes a wall ending inside a room.
Plan RoomPlan(std::mt19937& rng) {
  std::uniform_real_distribution<double> u(0, 1);
  Plan plan{6 + 6 * u(rng), 5 + 5 * u(rng), {}};
  const double w = plan.w, h = plan.h;
  auto over = [&] { return 0.2 + 0.5 * u(rng); };
  plan.walls = {{-over(), 0, w + over(), 0},
                {-over(), h, w + over(), h},
                {0, -over(), 0, h + over()},
                {w, -over(), w, h + over()}};
  for (int i = 0, across = 1 + static_cast<int>(u(rng) * 3); i < across; ++i) {
    if (u(rng) < 0.5) {
      const double x = w * (0.2 + 0.6 * u(rng));
      plan.walls.push_back({x, -over(), x, h + over()});
    } else {
      const double y = h * (0.2 + 0.6 * u(rng));
      plan.walls.push_back({-over(), y, w + over(), y});
    }
  }
  if (u(rng) < 0.5) {
    const double x = w * (0.1 + 0.8 * u(rng));
    plan.walls.push_back({x, -over(), x, h * (0.2 + 0.5 * u(rng))});
  }
  return plan;
}

// A stroke wandering inside the plan, kept `margin` from its outer walls,
// with steps shorter than the margin: a hatch position swept by a step then
// lies with the cursor inside the plan too.
std::vector<StrokePoint> Wander(std::mt19937& rng, const Plan& plan, double margin) {
  std::uniform_real_distribution<double> u(0, 1);
  std::vector<StrokePoint> points = {
      {margin + u(rng) * (plan.w - 2 * margin), margin + u(rng) * (plan.h - 2 * margin)}};
  for (int i = 0, n = 2 + static_cast<int>(u(rng) * 30); i < n; ++i) {
    const double a = u(rng) * 2 * 3.14159265358979, r = 0.8 * margin * u(rng);
    points.push_back({std::clamp(points.back().x + r * std::cos(a), margin, plan.w - margin),
                      std::clamp(points.back().y + r * std::sin(a), margin, plan.h - margin)});
  }
  return points;
}

bool Overlap(const Segment& a, const Segment& b) {
  const double dx = a.x2 - a.x1, dy = a.y2 - a.y1, len = a.Length();
  if (std::fabs((b.x1 - a.x1) * dy - (b.y1 - a.y1) * dx) / len > 1e-6) return false;
  if (std::fabs((b.x2 - a.x1) * dy - (b.y2 - a.y1) * dx) / len > 1e-6) return false;
  const double t1 = ((b.x1 - a.x1) * dx + (b.y1 - a.y1) * dy) / len;
  const double t2 = ((b.x2 - a.x1) * dx + (b.y2 - a.y1) * dy) / len;
  return std::max(t1, t2) > 1e-6 && std::min(t1, t2) < len - 1e-6;
}

// A segment linked to several areas, or painted by several strokes, is made once.
void ExpectNoOverlap(const std::vector<Segment>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (std::size_t j = i + 1; j < lines.size(); ++j) EXPECT_FALSE(Overlap(lines[i], lines[j])) << i << " " << j;
  }
}

std::string Text(const Segment& s) {
  return "(" + std::to_string(s.x1) + "," + std::to_string(s.y1) + ")-(" + std::to_string(s.x2) + "," +
         std::to_string(s.y2) + ")";
}

class RoomPlanTest : public HatchSession, public ::testing::WithParamInterface<int> {
 protected:
  // A generated plan, drawn, and hatch settings of a distance from 0.1 to
  // 0.1 + spread at a random angle, drawn from `rng` in that order.
  Plan DrawnPlan(std::mt19937& rng, double spread, double& distance) {
    std::uniform_real_distribution<double> u(0, 1);
    Plan plan = RoomPlan(rng);
    distance = 0.1 + spread * u(rng);
    UseSettings(LineSettings(distance, u(rng) * 3.14159265));
    for (const Wall& wall : plan.walls) HatchSession::Draw(vxtest::Line(wall.x1, wall.y1, wall.x2, wall.y2));
    return plan;
  }
};

using SmartRoomPlan = RoomPlanTest;

TEST_P(SmartRoomPlan, HatchesExactlyTheFaceAroundThePoint) {
  std::mt19937 rng(777 + GetParam());
  std::uniform_real_distribution<double> u(0, 1);
  double distance = 0;
  const Plan plan = DrawnPlan(rng, 0.15, distance);
  const auto faces = Faces(plan.walls, 1e-6);
  ASSERT_GT(faces.size(), 1u);
  // A point a distance away from the walls: nearer, the smart hatch's own
  // rule (segments within distance / 2 across) may decide for a neighbour.
  const std::size_t first = static_cast<std::size_t>(u(rng) * static_cast<double>(faces.size()));
  const GeosRegion* face = nullptr;
  std::optional<Pt> point;
  for (std::size_t k = 0; k < faces.size() && !point; ++k) {
    face = faces[(first + k) % faces.size()].get();
    point = face->PointInside(2 * distance);
  }
  ASSERT_TRUE(point);
  Run("VXHATCHSMART;all;" + std::to_string(point->x) + "," + std::to_string(point->y));
  const std::vector<Segment> lines = HatchLines();
  ASSERT_FALSE(lines.empty());
  ExpectNoOverlap(lines);
  double longest = 0;
  for (const Segment& s : lines) {
    EXPECT_TRUE(face->Holds({s.x1, s.y1}, {s.x2, s.y2})) << Text(s);
    longest = std::max(longest, s.Length());
  }
  // Sampling: the lines times the distance miss the area of a convex room by
  // less than one chord (the ends of the face across the scan lines). A part
  // left out or hatched twice misses by many chords.
  EXPECT_NEAR(TotalLength(lines), face->Area() / distance, longest + distance);
}

INSTANTIATE_TEST_SUITE_P(Generated, SmartRoomPlan, ::testing::Range(0, 80));

using ScanRoomPlan = RoomPlanTest;

TEST_P(ScanRoomPlan, EverySegmentRunsWallToWallInOneFaceAndNoneTwice) {
  std::mt19937 rng(4242 + GetParam());
  std::uniform_real_distribution<double> u(0, 1);
  double distance = 0;
  const Plan plan = DrawnPlan(rng, 0.2, distance);
  std::string script = "VXHATCHSCAN;all;";
  for (int i = 0, strokes = 1 + static_cast<int>(u(rng) * 4); i < strokes; ++i) {
    const bool shift = u(rng) < 0.4;
    if (shift) script += "<hold shift>;";
    script += Stroke(Wander(rng, plan, 0.5));
    if (shift) script += "<release shift>;";
  }
  Run(script + "<esc>");
  const std::vector<Segment> lines = HatchLines();
  ASSERT_FALSE(lines.empty());
  const auto faces = Faces(plan.walls, 1e-6);
  ASSERT_GT(faces.size(), 1u);
  for (const Segment& s : lines) {
    const bool one_face_holds = std::any_of(faces.begin(), faces.end(), [&](const auto& face) {
      return face->Holds({s.x1, s.y1}, {s.x2, s.y2});
    });
    EXPECT_TRUE(one_face_holds) << Text(s);
    EXPECT_TRUE(OnAWall(s.x1, s.y1, plan.walls) && OnAWall(s.x2, s.y2, plan.walls)) << Text(s);
  }
  ExpectNoOverlap(lines);
}

INSTANTIATE_TEST_SUITE_P(Generated, ScanRoomPlan, ::testing::Range(0, 60));

}  // namespace
}  // namespace vxh::testing
