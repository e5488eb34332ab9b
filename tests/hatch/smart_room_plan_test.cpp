// Room plans drawn as users draw walls, separate lines crossing and
// overshooting each other: the smart hatch fills exactly the face of the
// line arrangement around the picked point, as GEOS polygonizes it.
#define GEOS_USE_ONLY_R_API
#include <geos_c.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "host/host_api.h"
#include "tests/hatch/hatch_fixture.h"
#include "tests/support/records.h"

namespace vxh::testing {
namespace {

struct Wall {
  double x1, y1, x2, y2;
};

// The face of the arrangement holding a point, from GEOS.
class Faces {
 public:
  explicit Faces(const std::vector<Wall>& walls) : c_(GEOS_init_r()) {
    std::vector<GEOSGeometry*> lines;
    for (const Wall& w : walls) {
      GEOSCoordSequence* s = GEOSCoordSeq_create_r(c_, 2, 2);
      GEOSCoordSeq_setXY_r(c_, s, 0, w.x1, w.y1);
      GEOSCoordSeq_setXY_r(c_, s, 1, w.x2, w.y2);
      lines.push_back(GEOSGeom_createLineString_r(c_, s));
    }
    GEOSGeometry* all =
        GEOSGeom_createCollection_r(c_, GEOS_MULTILINESTRING, lines.data(), static_cast<unsigned>(lines.size()));
    GEOSGeometry* noded = GEOSUnaryUnion_r(c_, all);
    GEOSGeom_destroy_r(c_, all);
    const GEOSGeometry* pieces[] = {noded};
    faces_ = GEOSPolygonize_r(c_, pieces, 1);
    GEOSGeom_destroy_r(c_, noded);
  }
  ~Faces() {
    if (face_roomy_ != nullptr) GEOSGeom_destroy_r(c_, face_roomy_);
    GEOSGeom_destroy_r(c_, faces_);
    GEOS_finish_r(c_);
  }
  Faces(const Faces&) = delete;
  Faces& operator=(const Faces&) = delete;

  int Count() const { return GEOSGetNumGeometries_r(c_, faces_); }

  // Chooses face i; gives a point inside it at least `clearance` from its
  // edges, false when there is none.
  bool Choose(int i, double clearance, double slack, double& px, double& py) {
    face_ = GEOSGetGeometryN_r(c_, faces_, i);
    GEOSGeometry* inner = GEOSBuffer_r(c_, face_, -clearance, 8);
    bool ok = inner != nullptr && !GEOSisEmpty_r(c_, inner);
    if (ok) {
      GEOSGeometry* p = GEOSPointOnSurface_r(c_, inner);
      GEOSGeomGetX_r(c_, p, &px);
      GEOSGeomGetY_r(c_, p, &py);
      GEOSGeom_destroy_r(c_, p);
    }
    if (inner != nullptr) GEOSGeom_destroy_r(c_, inner);
    if (face_roomy_ != nullptr) GEOSGeom_destroy_r(c_, face_roomy_);
    face_roomy_ = GEOSBuffer_r(c_, face_, slack, 8);
    return ok;
  }
  double Area() const {
    double a = 0;
    GEOSArea_r(c_, face_, &a);
    return a;
  }
  double Perimeter() const {
    double l = 0;
    GEOSLength_r(c_, face_, &l);
    return l;
  }
  bool Covers(const Segment& s) const {
    GEOSCoordSequence* q = GEOSCoordSeq_create_r(c_, 2, 2);
    GEOSCoordSeq_setXY_r(c_, q, 0, s.x1, s.y1);
    GEOSCoordSeq_setXY_r(c_, q, 1, s.x2, s.y2);
    GEOSGeometry* line = GEOSGeom_createLineString_r(c_, q);
    const bool covered = GEOSCovers_r(c_, face_roomy_, line) == 1;
    GEOSGeom_destroy_r(c_, line);
    return covered;
  }

 private:
  GEOSContextHandle_t c_;
  GEOSGeometry* faces_ = nullptr;
  const GEOSGeometry* face_ = nullptr;
  GEOSGeometry* face_roomy_ = nullptr;
};

// An outer wall and walls across it, every line overshooting the ones it
// meets, and sometimes a wall ending inside a room.
std::vector<Wall> RoomPlan(std::mt19937& rng) {
  std::uniform_real_distribution<double> u(0, 1);
  const double w = 6 + 6 * u(rng), h = 5 + 5 * u(rng);
  auto over = [&] { return 0.2 + 0.5 * u(rng); };
  std::vector<Wall> walls = {{-over(), 0, w + over(), 0},
                             {-over(), h, w + over(), h},
                             {0, -over(), 0, h + over()},
                             {w, -over(), w, h + over()}};
  const int across = 1 + static_cast<int>(u(rng) * 3);
  for (int i = 0; i < across; ++i) {
    if (u(rng) < 0.5) {
      const double x = w * (0.2 + 0.6 * u(rng));
      walls.push_back({x, -over(), x, h + over()});
    } else {
      const double y = h * (0.2 + 0.6 * u(rng));
      walls.push_back({-over(), y, w + over(), y});
    }
  }
  if (u(rng) < 0.5) {
    const double x = w * (0.1 + 0.8 * u(rng));
    walls.push_back({x, -over(), x, h * (0.2 + 0.5 * u(rng))});
  }
  return walls;
}

class SmartRoomPlan : public HatchSession, public ::testing::WithParamInterface<int> {};

TEST_P(SmartRoomPlan, HatchesExactlyTheFaceAroundThePoint) {
  std::mt19937 rng(777 + GetParam());
  std::uniform_real_distribution<double> u(0, 1);
  const std::vector<Wall> walls = RoomPlan(rng);
  const double distance = 0.1 + 0.15 * u(rng);
  const double angle = u(rng) * 3.14159265;
  UseSettings(LineSettings(distance, angle));
  vx::DList* work = vx::GetWorkDL();
  for (const Wall& wall : walls) {
    const vxtest::Record r = vxtest::Line(wall.x1, wall.y1, wall.x2, wall.y2);
    work->Commit(work->AddRecord(r.data()));
  }
  Faces faces(walls);
  ASSERT_GT(faces.Count(), 1);
  double px = 0, py = 0;
  // A point a distance away from the walls: nearer, the Part's own rule
  // (segments within distance / 2 across) may decide for a neighbour.
  const int first = static_cast<int>(u(rng) * faces.Count());
  bool chosen = false;
  for (int k = 0; k < faces.Count() && !chosen; ++k) {
    chosen = faces.Choose((first + k) % faces.Count(), 2 * distance, 1e-6, px, py);
  }
  ASSERT_TRUE(chosen);
  Run("VXHATCHSMART;all;" + std::to_string(px) + "," + std::to_string(py));
  const std::vector<Segment> lines = HatchLines();
  ASSERT_FALSE(lines.empty());
  // No two lines overlap: a segment linked to several areas is made once.
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (std::size_t j = i + 1; j < lines.size(); ++j) {
      const Segment& a = lines[i];
      const Segment& b = lines[j];
      const double dx = a.x2 - a.x1, dy = a.y2 - a.y1;
      const double len = a.Length();
      const double across = std::fabs((b.x1 - a.x1) * dy - (b.y1 - a.y1) * dx) / len;
      if (across > 1e-6) continue;
      const double t1 = ((b.x1 - a.x1) * dx + (b.y1 - a.y1) * dy) / len;
      const double t2 = ((b.x2 - a.x1) * dx + (b.y2 - a.y1) * dy) / len;
      EXPECT_FALSE(std::max(t1, t2) > 1e-6 && std::min(t1, t2) < len - 1e-6) << "lines " << i << " and " << j;
    }
  }
  double total = 0;
  for (const Segment& s : lines) {
    EXPECT_TRUE(faces.Covers(s)) << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
    total += s.Length();
  }
  // Sampling: the lines times the distance miss the area of a convex room by
  // less than one chord (the ends of the face across the scan lines). A part
  // left out or hatched twice misses by many chords.
  double longest = 0;
  for (const Segment& s : lines) longest = std::max(longest, s.Length());
  EXPECT_NEAR(total, faces.Area() / distance, longest + distance);
}

INSTANTIATE_TEST_SUITE_P(Generated, SmartRoomPlan, ::testing::Range(0, 80));

}  // namespace
}  // namespace vxh::testing
