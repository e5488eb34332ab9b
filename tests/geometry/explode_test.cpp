#include <gtest/gtest.h>

#include <vector>

#include "headless/drawing/loose_record.h"
#include "headless/geometry/entity_pick.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "tests/geometry/curve_cases.h"

namespace {

using namespace vxtest;

struct Collected {
  std::vector<Record> pieces;
};

int Keep(vx::Entity piece, std::intptr_t data) {
  auto* c = reinterpret_cast<Collected*>(data);
  c->pieces.emplace_back(piece, piece + vx::GetU32(piece, vx::kHdrSize));
  vxh::DeleteLooseRecord(piece);
  return 0;
}

TEST(EExplode, CurvedKindsBecomePathsThatFollowTheCurve) {
  for (const NamedRecord& named : MeasurableRecords()) {
    Record r = named.record;
    Collected c;
    const int kind = vx::GetI8(r.data(), vx::kHdrKind);
    const bool curved = kind == vx::kKindEllipse || kind == vx::kKindEllipticalArc || kind == vx::kKindCurvePath ||
                        kind == vx::kKindClosedCurve || kind == vx::kKindBezier || kind == vx::kKindWall;
    ASSERT_EQ(vx::EExplode(r.data(), Keep, reinterpret_cast<std::intptr_t>(&c)), curved ? 1 : 0) << named.name;
    if (!curved) continue;
    ASSERT_EQ(c.pieces.size(), 1u) << named.name;
    Record& path = c.pieces[0];
    ASSERT_EQ(vx::GetI8(path.data(), vx::kHdrKind), vx::kKindPath);
    // Every vertex lies on the curve; every point of the curve near the path.
    const int n = vx::GetU16(path.data(), vx::kPolyCount);
    for (int i = 0; i < n; ++i) {
      const vxh::P2 v{vx::GetF64(path.data(), vx::kPolyVertices + 16 * i),
                      vx::GetF64(path.data(), vx::kPolyVertices + 16 * i + 8)};
      EXPECT_LE(*vxh::DistanceToEntity(r.data(), v), 1e-9) << named.name << " vertex " << i;
    }
    std::uint8_t box[vx::kBoxBytes] = {};
    vx::EXCheck(r.data(), box);
    const double size = vx::GetF64(box, vx::kBoxMaxX) - vx::GetF64(box, vx::kBoxMinX) + vx::GetF64(box, vx::kBoxMaxY) -
                        vx::GetF64(box, vx::kBoxMinY);
    for (int i = 0; i <= 200; ++i) {
      const auto p = PointAt(r.data(), i / 200.0);
      EXPECT_LE(*vxh::DistanceToEntity(path.data(), {p.first, p.second}), 1e-5 * size) << named.name;
    }
  }
}

}  // namespace
