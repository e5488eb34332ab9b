// The grids that spare the smart hatch and the paint hatch from asking the
// whole boundary about every connector and every probe must never change an
// answer: the grid against a scan of every box, the connector index against
// the walk over the whole boundary list, the paint probe's crossings against
// those of every piece, on generated boundaries of every kind.
#define GEOS_USE_ONLY_R_API
#include <geos_c.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "hatch/boundary_index.h"
#include "hatch/box_grid.h"
#include "hatch/connector.h"
#include "hatch/connector_index.h"
#include "hatch/crossing_buffer.h"
#include "hatch/scan_line.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "tests/hatch/hatch_fixture.h"
#include "tests/support/records.h"

namespace vxh::testing {
namespace {

using vx::GridBox;
using vxtest::Record;

std::string SeedName(const ::testing::TestParamInfo<int>& info) { return "Seed" + std::to_string(info.param); }

// ---- the grid against a scan of every box ----

enum class Spread { kScattered, kLongAndThin, kPoints, kOneSpot, kFewHuge, kVertical };

struct GridCase {
  const char* label;
  Spread spread;
  int count;
};

GridBox RandomBox(std::mt19937& rng, Spread spread) {
  std::uniform_real_distribution<double> at(-50, 50);
  std::uniform_real_distribution<double> small(0, 2);
  const double x = at(rng), y = at(rng);
  switch (spread) {
    case Spread::kScattered: return {x, y, x + small(rng), y + small(rng)};
    case Spread::kLongAndThin:
      return rng() % 2 ? GridBox{x, y, x + 10 * small(rng), y} : GridBox{x, y, x, y + 10 * small(rng)};
    case Spread::kPoints: return {std::round(x), std::round(y), std::round(x), std::round(y)};
    case Spread::kOneSpot: return {1, 1, 1, 1};
    case Spread::kFewHuge:
      switch (rng() % 50) {
        case 0: return {-60, -60, 60, 60};
        case 1: return {-60, y, 60, y};
        default: return {x, y, x + small(rng) / 50, y + small(rng) / 50};
      }
    case Spread::kVertical: return {3, y, 3, y + small(rng)};
  }
  return {};
}

GridBox RandomQuery(std::mt19937& rng) {
  std::uniform_real_distribution<double> at(-70, 70);
  std::uniform_real_distribution<double> size(0, 5);
  const double x = std::round(at(rng) * 2) / 2, y = std::round(at(rng) * 2) / 2;
  switch (rng() % 4) {
    case 0: return {x, y, x, y};
    case 1: return {x, y, x + size(rng), y + size(rng)};
    case 2: return {-100, y, 100, y};
    default: return {x, -1e300, x + 1, 1e300};
  }
}

class GridAgainstScan : public ::testing::TestWithParam<GridCase> {};

TEST_P(GridAgainstScan, FindsExactlyTheBoxesThatMeetTheQuestion) {
  const GridCase& c = GetParam();
  std::mt19937 rng(static_cast<unsigned>(c.count));
  std::vector<GridBox> boxes;
  for (int i = 0; i < c.count; ++i) boxes.push_back(RandomBox(rng, c.spread));
  vx::BoxGrid grid;
  grid.Build(boxes);
  EXPECT_LE(grid.CellCount(), std::max<std::size_t>(2, 2 * boxes.size()));
  if (c.spread == Spread::kFewHuge) {
    EXPECT_GT(grid.WideCount(), 0u) << "the wide boxes are what this case is for";
  }
  for (int q = 0; q < 400; ++q) {
    const GridBox query = RandomQuery(rng);
    std::vector<std::uint32_t> expected;
    for (std::uint32_t i = 0; i < boxes.size(); ++i) {
      if (vx::BoxesMeet(boxes[i], query)) expected.push_back(i);
    }
    ASSERT_EQ(grid.Near(query), expected) << "query " << q;
    std::vector<int> visits(boxes.size(), 0);
    grid.AnyNear(query, [&](std::uint32_t id) { return ++visits[id] > 1; });
    for (std::uint32_t i = 0; i < boxes.size(); ++i) {
      ASSERT_EQ(visits[i], vx::BoxesMeet(boxes[i], query) ? 1 : 0) << "box " << i << " query " << q;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Spreads, GridAgainstScan,
                         ::testing::Values(GridCase{"Empty", Spread::kScattered, 0},
                                           GridCase{"One", Spread::kScattered, 1},
                                           GridCase{"Scattered", Spread::kScattered, 700},
                                           GridCase{"LongAndThin", Spread::kLongAndThin, 500},
                                           GridCase{"Points", Spread::kPoints, 300},
                                           GridCase{"AllOnOneSpot", Spread::kOneSpot, 50},
                                           GridCase{"SomeSpanEverything", Spread::kFewHuge, 2000},
                                           GridCase{"AllOnOneVertical", Spread::kVertical, 200}),
                         [](const ::testing::TestParamInfo<GridCase>& info) { return info.param.label; });

// ---- generated boundaries of every kind ----

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Coordinates on a coarse grid, so that connectors and probes run through
// vertices and along edges exactly.
std::vector<Record> MixedBoundary(std::mt19937& rng, int shapes) {
  std::uniform_int_distribution<int> grid(0, 40);
  auto at = [&] { return grid(rng) * 0.25; };
  auto points = [&](int n) {
    std::vector<std::pair<double, double>> out;
    for (int i = 0; i < n; ++i) out.emplace_back(at(), at());
    return out;
  };
  std::vector<Record> out;
  for (int s = 0; s < shapes; ++s) {
    switch (std::uniform_int_distribution<int>(0, 11)(rng)) {
      case 0:
      case 1: out.push_back(vxtest::Line(at(), at(), at(), at())); break;
      case 2: out.push_back(vxtest::Poly(vx::kKindPath, points(std::uniform_int_distribution<int>(2, 8)(rng)))); break;
      case 3:
        out.push_back(vxtest::Poly(vx::kKindPolygon, points(std::uniform_int_distribution<int>(3, 8)(rng))));
        break;
      case 4: out.push_back(vxtest::Circle(at(), at(), 0.25 + grid(rng) * 0.05)); break;
      case 5: out.push_back(vxtest::Arc(at(), at(), 0.5 + grid(rng) * 0.1, grid(rng) * 0.2, grid(rng) * 0.15)); break;
      case 6: out.push_back(vxtest::Ellipse(at(), at(), 0.5 + grid(rng) * 0.05, 0.25 + grid(rng) * 0.02, at())); break;
      case 7:
        out.push_back(
            vxtest::EllipticalArc(at(), at(), 0.5 + grid(rng) * 0.05, 0.3, at(), grid(rng) * 0.1, 1 + grid(rng) * 0.1));
        break;
      case 8: out.push_back(vxtest::Bezier(points(4))); break;
      case 9: out.push_back(vxtest::Text(at(), at(), 0.5f, 0.4f, 0.3f, "Room")); break;
      case 10: {
        // A path record shorter than its vertex count claims.
        Record r = vxtest::Poly(vx::kKindPath, points(5));
        vx::PutU16(r.data(), vx::kPolyCount, 9);
        out.push_back(r);
        break;
      }
      default: out.push_back(vxtest::Line(at(), kNaN, at(), at())); break;
    }
  }
  return out;
}

class BoundaryList : public HatchSession {
 protected:
  vx::DList* Make(const std::vector<Record>& records) {
    vx::DList* list = vx::CreateDList("~HatchBorder.kvd", 2);
    for (const Record& r : records) list->Commit(list->AddRecord(r.data()));
    return list;
  }
};

// ---- the connector index against the walk over the whole list ----

vx::AreaConnector RandomConnector(std::mt19937& rng) {
  std::uniform_int_distribution<int> grid(-4, 44);
  std::uniform_real_distribution<double> anywhere(-1, 11);
  auto on_grid = [&] { return grid(rng) * 0.25; };
  const double x = on_grid(), y = on_grid();
  switch (rng() % 6) {
    case 0: return {{x, y}, {x + 0.25, y}, true};  // the overlap test's kind
    case 1: return {{x, y}, {on_grid(), on_grid()}, false};
    case 2: return {{anywhere(rng), anywhere(rng)}, {anywhere(rng), anywhere(rng)}, false};
    case 3: return {{x, y}, {x, y}, false};
    case 4: return {{-1, anywhere(rng)}, {11, anywhere(rng)}, false};
    default: return {{x, y}, {x + 0.25, anywhere(rng)}, false};  // from one scan line to the next
  }
}

class ConnectorIndexAgainstWalk : public BoundaryList, public ::testing::WithParamInterface<int> {};

TEST_P(ConnectorIndexAgainstWalk, AnswersAsTheWalkOverEveryEntity) {
  std::mt19937 rng(static_cast<unsigned>(GetParam()));
  vx::DList* list = Make(MixedBoundary(rng, std::uniform_int_distribution<int>(3, 30)(rng)));
  vx::ConnectorIndex index;
  index.Build(list);
  int blocked = 0;
  for (int k = 0; k < 1500; ++k) {
    const vx::AreaConnector c = RandomConnector(rng);
    const bool walked = vx::ConnectorBlocked(list, c);
    ASSERT_EQ(index.Blocked(c), walked) << "(" << c.from[0] << "," << c.from[1] << ")-(" << c.to[0] << "," << c.to[1]
                                        << ")" << (c.horizontal ? " horizontal" : "");
    blocked += walked ? 1 : 0;
  }
  EXPECT_GT(blocked, 0) << "a boundary that blocks nothing proves nothing";
  const vx::AreaConnector lost{{kNaN, 1}, {2, 2}, false};
  EXPECT_EQ(index.Blocked(lost), vx::ConnectorBlocked(list, lost));
  index.Clear();
  list->Release();
}

INSTANTIATE_TEST_SUITE_P(Generated, ConnectorIndexAgainstWalk, ::testing::Range(1, 31), SeedName);

// Which entities the index places in its grid and which it asks about every
// connector: it must never trust a box the host does not promise.
TEST_F(BoundaryList, ConnectorIndexGridsOnlyWhatItCanBound) {
  vx::DList* list = Make({vxtest::Line(0, 0, 1, 1), vxtest::Poly(vx::kKindPolygon, {{0, 0}, {1, 0}, {1, 1}}),
                          vxtest::Circle(5, 5, 1), vxtest::Arc(5, 5, 1, 0, 1), vxtest::Ellipse(2, 2, 1, 0.5, 0),
                          vxtest::Text(3, 3, 0.5f, 0.4f, 0, "T"), vxtest::Line(kNaN, 0, 1, 1)});
  vx::ConnectorIndex index;
  index.Build(list);
  EXPECT_EQ(index.GriddedCount(), 1u + 3u + 3u);  // the edges, the circle, the arc, the ellipse
  EXPECT_EQ(index.EverywhereCount(), 2u);         // the text and the edge that is not a number
  index.Clear();
  EXPECT_EQ(index.GriddedCount() + index.EverywhereCount(), 0u);
  list->Release();
}

// ---- an edge far along the connector's own line ----

// A connector and a wall on one line, the wall far beyond the connector's
// end: the bare parameter test passes for these on rounding noise alone.
struct FarCase {
  double c[4];
  double e[4];
};

double GeosDistance(const double* a, const double* b) {
  GEOSContextHandle_t context = GEOS_init_r();
  auto segment = [&](const double* p) {
    GEOSCoordSequence* s = GEOSCoordSeq_create_r(context, 2, 2);
    GEOSCoordSeq_setXY_r(context, s, 0, p[0], p[1]);
    GEOSCoordSeq_setXY_r(context, s, 1, p[2], p[3]);
    return GEOSGeom_createLineString_r(context, s);
  };
  GEOSGeometry* ga = segment(a);
  GEOSGeometry* gb = segment(b);
  double distance = -1;
  GEOSDistance_r(context, ga, gb, &distance);
  GEOSGeom_destroy_r(context, ga);
  GEOSGeom_destroy_r(context, gb);
  GEOS_finish_r(context);
  return distance;
}

class FarAlongTheLine : public BoundaryList, public ::testing::WithParamInterface<FarCase> {};

TEST_P(FarAlongTheLine, DoesNotBlock) {
  const FarCase& f = GetParam();
  ASSERT_GT(GeosDistance(f.c, f.e), 1);
  vx::DList* list = Make({vxtest::Line(f.e[0], f.e[1], f.e[2], f.e[3])});
  const vx::AreaConnector c{{f.c[0], f.c[1]}, {f.c[2], f.c[3]}, false};
  EXPECT_FALSE(vx::ConnectorBlocked(list, c));
  vx::ConnectorIndex index;
  index.Build(list);
  EXPECT_FALSE(index.Blocked(c));
  index.Clear();
  list->Release();
}

INSTANTIATE_TEST_SUITE_P(
    NearlyCollinear, FarAlongTheLine,
    ::testing::Values(FarCase{{-4.252673983998136, -6.1438181348554224, -6.7688391312354339, -10.056809663899545},
                              {-32.395438584706731, -49.909784612599481, -33.92733439651618, -52.292098564277161}},
                      FarCase{{17.763758922925703, 82.644498900071568, 20.44456984757668, 77.649898733870373},
                              {11.824076006705029, 93.710680780989009, 15.805442135918454, 86.293025269432889}},
                      FarCase{{2.8366264292101704, 2.4320094849368417, 10.903552540103354, -0.051283568566951043},
                              {-3.591646336941948, 4.4108654812322738, 0.9479682556782727, 3.0134071150008697}},
                      FarCase{{28.664776176462027, 1.599237371961209, 20.883953772012497, -1.5723735884093029},
                              {-28.958704541099813, -21.889187568056123, -22.247976001787535, -19.153767186891443}}));

// ---- the paint probe's crossings against those of every piece ----

class ProbeAgainstEveryPiece : public BoundaryList, public ::testing::WithParamInterface<int> {};

TEST_P(ProbeAgainstEveryPiece, FindsTheSameCrossingsBitForBit) {
  std::mt19937 rng(static_cast<unsigned>(GetParam()));
  std::vector<Record> records = MixedBoundary(rng, std::uniform_int_distribution<int>(3, 30)(rng));
  // The probes see the boundary turned a quarter turn: minus zero and
  // coordinates with their order swapped come with it.
  records.push_back(vxtest::Line(-0.0, 1, 0.0, 3));
  vx::DList* list = Make(records);
  vx::BoundaryIndex index;
  index.Build(list);
  vx::CrossingBuffer some, all;
  std::uniform_int_distribution<int> grid(-8, 48);
  std::uniform_real_distribution<double> anywhere(-1, 11);
  int crossed = 0;
  for (int k = 0; k < 600; ++k) {
    const double x = k % 3 == 0 ? anywhere(rng) : grid(rng) * 0.25 * (k % 5 == 0 ? -1 : 1);
    vx::ScanLine probe;
    vx::SetScanLine(probe, x, -2, 12);
    some.Clear();
    all.Clear();
    index.CollectAt(probe, some);
    index.CollectAll(probe, all);
    const std::vector<double>& a = some.Resolve();
    const std::vector<double>& b = all.Resolve();
    ASSERT_EQ(a.size(), b.size()) << "x = " << x;
    ASSERT_EQ(std::memcmp(a.data(), b.data(), a.size() * sizeof(double)), 0) << "x = " << x;
    crossed += a.empty() ? 0 : 1;
  }
  EXPECT_GT(crossed, 0);
  list->Release();
}

INSTANTIATE_TEST_SUITE_P(Generated, ProbeAgainstEveryPiece, ::testing::Range(1, 21), SeedName);

}  // namespace
}  // namespace vxh::testing
