// Hatching where boundaries meet, measured against GEOS. Generated
// arrangements (boxes sharing edges, islands touching the outer edge,
// tangent circles, slots and rounded rectangles made of lines and arcs,
// placed symbols, ellipses) are hatched at many angles, and every result
// must have these properties: each hatch line lies in the even-odd region,
// none has zero length, none overlaps another, along each scan line the
// lines add up to the region's chord there, and all of them to
// area / distance within the sampling error.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "hatch/boundary.h"
#include "hatch/hatch_pattern.h"
#include "hatch/hatch_records.h"
#include "hatch/hatch_state.h"
#include "host/host_api.h"
#include "tests/hatch/hatch_fixture.h"
#include "tests/hatch/meeting_boundaries.h"
#include "tests/support/records.h"

#if defined(__SANITIZE_ADDRESS__)
#define VX_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VX_SANITIZED 1
#endif
#endif

namespace vxh::testing {
namespace {

#ifdef VX_SANITIZED
constexpr int kCasesPerArrangement = 40;
#else
constexpr int kCasesPerArrangement = 500;
#endif

constexpr double kPi = std::numbers::pi;

// Tolerances, as fractions of the arrangement's size. The reference rings
// are chords of the curves: a hatch line may end up to 5e-6 of a radius
// outside them, and near a tangent point a chord of the region differs by up
// to 2·sqrt(2 · 5e-6) ≈ 6e-3 of the radius (radii stay below 0.4 of the
// size, and scan lines rarely pass that close to a tangent point).
constexpr double kSlackRelative = 1e-4;
constexpr double kChordRelative = 2e-3;
// The reference chord is taken just beside each scan line. An edge lying on
// the scan line is drawn where the area lies on its left (half-open rule);
// an edge that is off the vertical by a rounding error may go either way, so
// the chord just right of the line is accepted too.
constexpr double kBesideLineRelative = 1e-8;
constexpr double kOnLineRelative = 1e-9;

struct HatchCase {
  Boundary boundary;
  double angle;
  double spacing;
  std::string label;
};

class MeetingBoundaries : public HatchSession {
 protected:
  // The records of the hatch lines the engine makes of the entities, read
  // as the hatch commands read a boundary.
  std::vector<Record> FillRecords(const std::vector<Node>& entities, const vx::HatchOptions& options,
                                  const vx::HatchSettings& settings, vx::ScanMode mode) {
    vx::DList* source = vx::CreateDList("~Source.kvd", 2);
    for (const Node& n : entities) AddNode(source, n);
    vx::Hatch().options = options;
    vx::Hatch().prepared = settings;
    vx::DList* boundary = vx::CreateDList("~HatchBorder.kvd", 2);
    vx::Hatch().boundary = boundary;
    std::uint8_t box[vx::kBoxBytes] = {};
    double into[16];
    vx::BuildRotation(vx::kRightAngle - settings.Angle(), into);
    source->Walk(&vx::CollectBoundary, vx::kWalkAll, reinterpret_cast<std::intptr_t>(into),
                 reinterpret_cast<std::intptr_t>(box));
    vx::DList* dest = vx::CreateDList("~Lines.kvd", 2);
    vx::FillContext context(boundary, box, mode);
    vx::HatchPattern(dest, context, nullptr);
    std::vector<Record> lines;
    FromDList(dest)->ForEach([&](vx::Entity e) { lines.emplace_back(e, e + vx::GetU32(e, vx::kHdrSize)); });
    dest->Release();
    boundary->Release();
    source->Release();
    vx::Hatch().boundary = nullptr;
    return lines;
  }

  std::vector<Segment> Fill(const Boundary& b, double angle, double spacing) {
    vx::HatchOptions options = vx::DefaultHatchOptions();
    options.SetPatternKind(vx::kKindSimpleLines);
    std::vector<Segment> lines;
    for (Record& r : FillRecords(b.entities, options, LineSettings(spacing, angle), vx::ScanMode::kIndexed)) {
      const vx::Entity e = r.data();
      lines.push_back({vx::GetF64(e, vx::kLineX1), vx::GetF64(e, vx::kLineY1), vx::GetF64(e, vx::kLineX2),
                       vx::GetF64(e, vx::kLineY2), 0});
    }
    return lines;
  }

  // The x index must not change a line: the entities are filled once with the
  // index and once with the plain walk over the whole boundary list, and the
  // lines compared byte for byte. Gives the number of lines.
  std::size_t ExpectIndexedAsPlain(const std::vector<Node>& entities, const vx::HatchOptions& options,
                                   const vx::HatchSettings& settings, const std::string& label) {
    const std::vector<Record> indexed = FillRecords(entities, options, settings, vx::ScanMode::kIndexed);
    const std::vector<Record> plain = FillRecords(entities, options, settings, vx::ScanMode::kPlainWalk);
    EXPECT_EQ(indexed.size(), plain.size()) << label;
    const auto parted = std::mismatch(indexed.begin(), indexed.end(), plain.begin(), plain.end());
    EXPECT_TRUE(parted.first == indexed.end() && parted.second == plain.end())
        << label << ": line " << parted.first - indexed.begin() << " differs";
    return plain.size();
  }

  static void AddNode(vx::DList* list, const Node& node) {
    vx::Entity e = list->AddRecord(node.record.data());
    if (node.members.empty()) return;
    vx::DList* members = list->MakeMemberList(e);
    for (const Node& m : node.members) AddNode(members, m);
  }

  // Hatches the case and checks every property; false after the first failure.
  bool Holds(const HatchCase& c) {
    const std::vector<Segment> lines = Fill(c.boundary, c.angle, c.spacing);
    CheckAgainstReference(lines, c);
    return !HasFailure();
  }

  void CheckAgainstReference(const std::vector<Segment>& lines, const HatchCase& c) {
    SCOPED_TRACE(c.label);
    const double size = Size(c.boundary.rings);
    const GeosRegion region(c.boundary.rings, kSlackRelative * size);
    const double phi = vx::kRightAngle - c.angle;
    const auto into = [&](Pt p) { return Turn(p, phi); };
    std::map<long, std::vector<std::pair<double, double>>> by_line;
    double total = 0;
    for (const Segment& s : lines) {
      const Pt a{s.x1, s.y1}, b{s.x2, s.y2};
      ASSERT_GT(s.Length(), 1e-10 * size) << "a zero-length line at " << a.x << "," << a.y;
      ASSERT_TRUE(region.Holds(a, b)) << "a line outside the region: " << a.x << "," << a.y << " to " << b.x << ","
                                      << b.y;
      const Pt ha = into(a), hb = into(b);
      const long k = std::lround((ha.x + hb.x) / 2 / c.spacing);
      ASSERT_NEAR(ha.x, hb.x, kOnLineRelative * size) << "a line across the hatch direction";
      by_line[k].emplace_back(std::min(ha.y, hb.y), std::max(ha.y, hb.y));
      total += s.Length();
    }
    for (auto& [k, spans] : by_line) {
      std::sort(spans.begin(), spans.end());
      for (std::size_t i = 1; i < spans.size(); ++i) {
        ASSERT_GE(spans[i].first, spans[i - 1].second - kOnLineRelative * size)
            << "two lines overlap on scan line " << k << " at " << spans[i].first;
      }
    }
    double min_x = INFINITY, max_x = -INFINITY, min_y = INFINITY, max_y = -INFINITY;
    for (const Ring& ring : c.boundary.rings) {
      for (const Pt& p : ring) {
        const Pt h = into(p);
        min_x = std::min(min_x, h.x), max_x = std::max(max_x, h.x);
        min_y = std::min(min_y, h.y), max_y = std::max(max_y, h.y);
      }
    }
    // The reference chords of every scan line, taken in one overlay.
    const long first = static_cast<long>(std::ceil(min_x / c.spacing));
    const long last = static_cast<long>(std::floor(max_x / c.spacing));
    const auto beside = [&](double offset) {
      std::vector<std::pair<Pt, Pt>> lines;
      for (long k = first; k <= last; ++k) {
        const double x = k * c.spacing + offset;
        lines.emplace_back(Turn({x, min_y - 1}, -phi), Turn({x, max_y + 1}, -phi));
      }
      std::map<long, double> chords;
      for (const auto& [a, b] : region.PartsInside(lines)) {
        chords[std::lround((into(a).x + into(b).x) / 2 / c.spacing)] += std::hypot(b.x - a.x, b.y - a.y);
      }
      return chords;
    };
    std::map<long, double> left = beside(-kBesideLineRelative * size);
    std::map<long, double> right;
    for (long k = first; k <= last; ++k) {
      double got = 0;
      for (const auto& [from, to] : by_line[k]) got += to - from;
      if (std::fabs(got - left[k]) <= kChordRelative * size) continue;
      if (right.empty()) right = beside(kBesideLineRelative * size);
      ASSERT_NEAR(got, right[k], kChordRelative * size)
          << "scan line " << k << " (x " << k * c.spacing << "), chord just left of it " << left[k];
    }
    const long scan_lines = last - first + 1;
    const double sampling = c.spacing * region.Perimeter() + static_cast<double>(scan_lines) * kChordRelative * size;
    EXPECT_NEAR(total * c.spacing, region.Area(), sampling) << "total length against area / distance";
  }

  static double Size(const std::vector<Ring>& rings) {
    double min_x = INFINITY, max_x = -INFINITY, min_y = INFINITY, max_y = -INFINITY;
    for (const Ring& ring : rings) {
      for (const Pt& p : ring) {
        min_x = std::min(min_x, p.x), max_x = std::max(max_x, p.x);
        min_y = std::min(min_y, p.y), max_y = std::max(max_y, p.y);
      }
    }
    return std::max(max_x - min_x, max_y - min_y);
  }
};

// ---- Generated arrangements ------------------------------------------------

class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}

  double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Coin() { return Int(0, 1) == 1; }
  // A multiple of 0.25, the grid that puts corners on the scan lines of
  // distance 0.25 at 0 and 90 degrees.
  double Grid(int lo, int hi) { return Int(lo, hi) * 0.25; }
  BoxStyle Style() { return static_cast<BoxStyle>(Int(0, 3)); }

  // The default angle, the two angles whose scan lines meet grid corners
  // exactly, and any other.
  double Angle() {
    switch (Int(0, 3)) {
      case 0: return vx::kDefaultHatchAngle;
      case 1: return vx::kRightAngle;
      case 2: return 0;
      default: return Uniform(0, kPi);
    }
  }
  double Spacing() { return Coin() ? 0.25 : Uniform(0.1, 0.4); }

 private:
  std::mt19937 rng_;
};

std::string Label(const char* what, unsigned seed, double angle, double spacing) {
  std::ostringstream s;
  s.precision(17);
  s << what << " seed " << seed << " angle " << angle << " spacing " << spacing;
  return s.str();
}

// Two to four boxes in a row, each sharing part of an edge with the one
// before it, and sometimes one more on top of the first.
HatchCase SharedEdges(unsigned seed) {
  Generator g(seed);
  Boundary b;
  double x = g.Grid(0, 8), y0 = g.Grid(0, 8), y1 = y0 + g.Grid(4, 24);
  const double first_x0 = x, first_y1 = y1;
  double first_x1 = x;
  for (int i = 0, n = g.Int(2, 4); i < n; ++i) {
    const double w = g.Grid(4, 16);
    b.Add(Box(x, y0, x + w, y1, g.Style()));
    if (i == 0) first_x1 = x + w;
    x += w;
    double ny0 = y0 + g.Grid(-8, 8), ny1 = ny0 + g.Grid(4, 24);
    if (ny0 >= y1 || ny1 <= y0) ny0 = y0, ny1 = y1;
    y0 = ny0, y1 = ny1;
  }
  if (g.Coin()) {
    const double a = first_x0 + 0.25 * g.Int(0, 2), c = std::max(a + 0.5, first_x1 - 0.25 * g.Int(0, 2));
    b.Add(Box(a, first_y1, c, first_y1 + g.Grid(4, 12), g.Style()));
  }
  const double angle = g.Angle(), spacing = g.Spacing();
  return {std::move(b), angle, spacing, Label("shared edges", seed, angle, spacing)};
}

// A 10 x 10 box with holes touching it from inside: a box on its left side
// (with a neighbour sharing its edge), a circle tangent to its right side,
// a box in its bottom right corner; and a circle touching it from outside.
HatchCase IslandsTouching(unsigned seed) {
  Generator g(seed);
  Boundary b = Box(0, 0, 10, 10, g.Style());
  int islands = 0;
  if (g.Coin()) {
    const double x1 = g.Grid(4, 12), y0 = g.Grid(4, 16), y1 = y0 + g.Grid(4, 36 - static_cast<int>(y0 * 4));
    b.Add(Box(0, y0, x1, y1, g.Style()));
    if (g.Coin()) b.Add(Box(x1, y0 + g.Grid(0, 2), x1 + g.Grid(2, 7), y1, g.Style()));
    ++islands;
  }
  if (g.Coin()) {
    const double r = g.Grid(2, 10);
    b.Add(Circle(10 - r, 7, r));
    ++islands;
  }
  if (g.Coin() || islands == 0) b.Add(Box(10 - g.Grid(2, 16), 0, 10, g.Grid(2, 14), g.Style()));
  if (g.Coin()) {
    const double r = g.Grid(2, 8);
    b.Add(Circle(10 + r, g.Grid(16, 28), r));
  }
  const double angle = g.Angle(), spacing = g.Spacing();
  return {std::move(b), angle, spacing, Label("islands touching", seed, angle, spacing)};
}

// Circles touching circles (from outside and from inside) and boxes.
HatchCase TangentCircles(unsigned seed) {
  Generator g(seed);
  Boundary b;
  const double r1 = g.Grid(8, 16);
  const double direction = g.Coin() ? g.Int(0, 7) * kPi / 4 : g.Uniform(0, 2 * kPi);
  const Pt c1{5, 5};
  b.Add(Circle(c1.x, c1.y, r1));
  switch (g.Int(0, 3)) {
    case 0: {
      const double r2 = g.Grid(2, 12);
      b.Add(Circle(c1.x + (r1 + r2) * std::cos(direction), c1.y + (r1 + r2) * std::sin(direction), r2));
      break;
    }
    case 1: {
      const double r2 = r1 - g.Grid(1, static_cast<int>(r1 * 4) - 2);
      b.Add(Circle(c1.x + (r1 - r2) * std::cos(direction), c1.y + (r1 - r2) * std::sin(direction), r2));
      break;
    }
    case 2:
      b.Add(Box(c1.x + r1, c1.y - g.Grid(0, 8), c1.x + r1 + g.Grid(4, 12), c1.y + g.Grid(1, 8), g.Style()));
      break;
    default: b.Add(Box(c1.x - r1, c1.y - r1 - g.Grid(0, 4), c1.x + r1 + g.Grid(0, 4), c1.y + r1, g.Style())); break;
  }
  const double angle = g.Angle(), spacing = g.Spacing();
  return {std::move(b), angle, spacing, Label("tangent circles", seed, angle, spacing)};
}

// Slots and rounded rectangles made of lines and arcs, alone or as holes of
// a plate; at grid positions and along the axes half of the time, so that
// their junctions lie on scan lines.
HatchCase SlotsAndRoundedRectangles(unsigned seed) {
  Generator g(seed);
  Boundary b;
  const bool plate = g.Coin();
  if (plate) b = Box(0, 0, 10, 10, g.Style());
  const bool on_grid = g.Coin();
  if (!plate || g.Coin()) {
    const Pt p{g.Grid(6, 10), g.Grid(8, 20)};
    const double along = on_grid ? g.Int(0, 3) * kPi / 2 : g.Uniform(0, 2 * kPi);
    const double length = on_grid ? g.Grid(0, 6) : g.Uniform(0, 1.5);
    const Pt q{p.x + length * std::cos(along), p.y + length * std::sin(along)};
    b.Add(Slot(p, q, on_grid ? g.Grid(1, 4) : g.Uniform(0.2, 1), g.Coin()));
  }
  if (!plate || g.Coin() || b.rings.size() == 1) {
    const double w = on_grid ? g.Grid(4, 14) : g.Uniform(1, 3.5);
    const double h = on_grid ? g.Grid(4, 14) : g.Uniform(1, 3.5);
    const double r = std::min(w, h) / 2 * (g.Coin() ? 1 : g.Uniform(0.1, 0.9));
    const double angle = on_grid ? g.Int(0, 3) * kPi / 2 : g.Uniform(0, 2 * kPi);
    const Pt centre{7.5, 5};
    const Pt half = Turn({w / 2, h / 2}, angle);
    b.Add(RoundedRectangle({centre.x - half.x, centre.y - half.y}, w, h, r, angle, g.Coin()));
  }
  const double angle = g.Angle(), spacing = g.Spacing();
  return {std::move(b), angle, spacing, Label("slots", seed, angle, spacing)};
}

Boundary Hole(Generator& g) {
  switch (g.Int(0, 2)) {
    case 0: return Circle(0, 0, g.Uniform(0.3, 1));
    case 1: return Box(-1, -0.5, 1, 0.5, g.Style());
    default: return Slot({-0.5, 0}, {0.5, 0}, 0.4, true);
  }
}

Affine RandomPlacement(Generator& g, Pt at) {
  const double scale = g.Uniform(0.6, 1.5);
  const bool uniform = g.Coin();
  const double sx = (g.Int(0, 3) == 0 ? -1 : 1) * scale;
  const double sy = uniform ? std::fabs(sx) : g.Uniform(0.6, 1.5);
  return Placement(g.Uniform(0, 2 * kPi), sx, sy, at.x, at.y);
}

// A plate with hole symbols placed (turned, scaled, mirrored) where they
// are shown; sometimes the plate itself is a symbol holding another.
HatchCase PlacedSymbols(unsigned seed) {
  Generator g(seed);
  Boundary block = Box(0, 0, 10, 10, g.Style());
  block.Add(Symbol(Hole(g), RandomPlacement(g, {2.75, 5})));
  if (g.Coin()) block.Add(Symbol(Hole(g), RandomPlacement(g, {7.25, 5})));
  Boundary b = g.Coin() ? Symbol(std::move(block), Placement(g.Uniform(0, 2 * kPi), 1, 1, g.Uniform(-5, 5), 3))
                        : std::move(block);
  const double angle = g.Angle(), spacing = g.Spacing();
  return {std::move(b), angle, spacing, Label("symbols", seed, angle, spacing)};
}

// Ellipses, exploded into paths by the engine: alone, as holes, or beside a
// box.
HatchCase Ellipses(unsigned seed) {
  Generator g(seed);
  Boundary b;
  const double major = g.Uniform(1, 4), minor = g.Uniform(0.5, major);
  const double rotation = g.Coin() ? 0 : g.Uniform(0, kPi);
  switch (g.Int(0, 2)) {
    case 0: b = Ellipse(5, 5, major, minor, rotation); break;
    case 1:
      b = Box(0, 0, 10, 10, g.Style());
      b.Add(Ellipse(5, 5, major, minor, rotation));
      break;
    default:
      b = Ellipse(5, 5, major, minor, 0);
      b.Add(Box(5 + major, 3, 8 + major, 7, g.Style()));
      break;
  }
  const double angle = g.Angle(), spacing = g.Spacing();
  return {std::move(b), angle, spacing, Label("ellipses", seed, angle, spacing)};
}

struct Arrangement {
  const char* name;
  HatchCase (*make)(unsigned seed);
};
void PrintTo(const Arrangement& a, std::ostream* os) { *os << a.name; }

class GeneratedArrangements : public MeetingBoundaries, public ::testing::WithParamInterface<Arrangement> {};

TEST_P(GeneratedArrangements, HatchExactlyTheEvenOddRegion) {
  for (int i = 0; i < kCasesPerArrangement; ++i) {
    if (!Holds(GetParam().make(static_cast<unsigned>(i)))) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, GeneratedArrangements,
                         ::testing::Values(Arrangement{"SharedEdges", &SharedEdges},
                                           Arrangement{"IslandsTouching", &IslandsTouching},
                                           Arrangement{"TangentCircles", &TangentCircles},
                                           Arrangement{"Slots", &SlotsAndRoundedRectangles},
                                           Arrangement{"Symbols", &PlacedSymbols}, Arrangement{"Ellipses", &Ellipses}),
                         [](const ::testing::TestParamInfo<Arrangement>& info) { return info.param.name; });

TEST_P(GeneratedArrangements, IndexedAndPlainWalkAgree) {
  vx::HatchOptions options = vx::DefaultHatchOptions();
  options.SetPatternKind(vx::kKindSimpleLines);
  for (int i = 0; i < kCasesPerArrangement / 5; ++i) {
    const HatchCase c = GetParam().make(static_cast<unsigned>(i));
    ExpectIndexedAsPlain(c.boundary.entities, options, LineSettings(c.spacing, c.angle), c.label);
    if (HasFailure()) return;
  }
}

// Random boundaries and patterns of every kind for the x index; vertices on
// a coarse grid put many corners exactly on scan lines.
std::vector<Node> RandomBoundary(std::mt19937& rng) {
  std::uniform_int_distribution<int> grid(0, 40);
  auto at = [&] { return grid(rng) * 0.25; };
  std::vector<Node> out;
  const int shapes = std::uniform_int_distribution<int>(2, 6)(rng);
  for (int s = 0; s < shapes; ++s) {
    switch (std::uniform_int_distribution<int>(0, 4)(rng)) {
      case 0: out.push_back({vxtest::Line(at(), at(), at(), at()), {}}); break;
      case 1: out.push_back({vxtest::Circle(at(), at(), 0.5 + grid(rng) * 0.1), {}}); break;
      case 2:
        out.push_back({vxtest::Arc(at(), at(), 0.5 + grid(rng) * 0.1, grid(rng) * 0.2, grid(rng) * 0.15), {}});
        break;
      default: {
        std::vector<std::pair<double, double>> points;
        const int n = std::uniform_int_distribution<int>(3, 12)(rng);
        for (int i = 0; i < n; ++i) points.emplace_back(at(), at());
        out.push_back({vxtest::Poly(s % 2 == 0 ? vx::kKindPolygon : vx::kKindPath, points), {}});
      }
    }
  }
  return out;
}

class IndexedAgainstPlainWalk : public MeetingBoundaries, public ::testing::WithParamInterface<int> {};

TEST_P(IndexedAgainstPlainWalk, GiveTheSameLinesInTheSameOrder) {
  std::mt19937 rng(static_cast<unsigned>(GetParam()));
  const std::vector<Node> boundary = RandomBoundary(rng);
  std::uniform_int_distribution<int> choice(0, 2);
  vx::HatchSettings settings = LineSettings(0.25, choice(rng) == 0 ? vx::kRightAngle : 0.3 * choice(rng));
  settings.SetScanOn(1, true);
  settings.SetScanOffset(1, 0.5);
  const int kind = choice(rng);
  vx::HatchOptions options = vx::DefaultHatchOptions();
  options.SetPatternKind(kind);
  options.SetKorvexName(".25 Crosshatch");
  options.SetPatName("R");
  if (kind == vx::kKindPatFile) {
    UsePat("*R\n0, 0,0, 0.1,0.25, 0.5,-0.25,0,-0.25\n90, 0.1,0, 0,-0.5, -0.2,0.4\n45, 0,0, 0,0.35\n", "R", options);
  }
  EXPECT_GT(ExpectIndexedAsPlain(boundary, options, settings, "kind " + std::to_string(kind)), 0u)
      << "a case that draws nothing proves nothing";
}

INSTANTIATE_TEST_SUITE_P(RandomBoundaries, IndexedAgainstPlainWalk, ::testing::Range(1, 25),
                         [](const ::testing::TestParamInfo<int>& info) { return "Seed" + std::to_string(info.param); });

// ---- One regression per fault ----------------------------------------------

class MeetingBoundaryFaults : public MeetingBoundaries {};

// Equal crossings of the shared wall were merged into one, leaving the second room empty.
TEST_F(MeetingBoundaryFaults, TwoRoomsSharingAWallAreBothHatched) {
  Boundary b = Box(0, 0, 5, 4, BoxStyle::kBox);
  b.Add(Box(5, 0, 9, 4, BoxStyle::kBox));
  EXPECT_TRUE(Holds({b, vx::kDefaultHatchAngle, 0.2, "two rooms"}));
}

// The island's edge and the outer edge met the scan line at one parameter and were merged: lines ran inside the island.
TEST_F(MeetingBoundaryFaults, AnIslandTouchingTheOuterEdgeStaysEmpty) {
  Boundary b = Box(0, 0, 10, 10, BoxStyle::kBox);
  b.Add(Box(0, 2, 3, 5, BoxStyle::kBox));
  EXPECT_TRUE(Holds({b, vx::kDefaultHatchAngle, 0.2, "island on the edge"}));
}

// A circle inside a box touching its side: its crossing merged with the side's and the circle was hatched.
TEST_F(MeetingBoundaryFaults, ACircleTangentToABoxStaysEmpty) {
  Boundary b = Box(0, 0, 10, 10, BoxStyle::kBox);
  b.Add(Circle(8, 5, 2));
  EXPECT_TRUE(Holds({b, vx::kRightAngle, 0.25, "tangent circle"}));
  EXPECT_TRUE(Holds({b, 0, 0.25, "tangent circle"}));
}

// Where a line met an arc on a scan line the junction was counted twice or not at all: lines went missing or doubled.
TEST_F(MeetingBoundaryFaults, ASlotOfLinesAndArcsCrossesEachJunctionOnce) {
  for (bool grouped : {false, true}) {
    EXPECT_TRUE(Holds({Slot({2, 2}, {6, 2}, 1, grouped), vx::kRightAngle, 0.25, "slot along x"}));
    EXPECT_TRUE(Holds({Slot({2, 2}, {2, 6}, 1, grouped), 0, 0.25, "slot along y"}));
    EXPECT_TRUE(Holds({RoundedRectangle({0, 0}, 4, 3, 0.5, 0, grouped), vx::kRightAngle, 0.25, "rounded"}));
  }
}

// The pieces of an exploded ellipse did not close bit for bit, and the gap gave zero-length lines.
TEST_F(MeetingBoundaryFaults, AnExplodedEllipseGivesNoZeroLengthLines) {
  for (double rotation : {0.0, 0.3, kPi / 2}) {
    EXPECT_TRUE(Holds({Ellipse(5, 5, 3, 2, rotation), vx::kRightAngle, 0.25, "ellipse"}));
    EXPECT_TRUE(Holds({Ellipse(5, 5, 3, 2, rotation), 0, 0.25, "ellipse"}));
  }
}

// A symbol's members were taken in block coordinates: the hole was cut where the block was defined.
TEST_F(MeetingBoundaryFaults, AHoleSymbolIsCutWhereItIsPlaced) {
  Boundary b = Box(0, 0, 10, 10, BoxStyle::kBox);
  b.Add(Symbol(Circle(0, 0, 1), Placement(0.5, 2, 1, 6, 4)));
  EXPECT_TRUE(Holds({b, vx::kDefaultHatchAngle, 0.2, "placed hole"}));
  for (const Segment& s : Fill(b, vx::kRightAngle, 0.25)) {
    EXPECT_FALSE(s.x1 == 6 && std::min(s.y1, s.y2) < 4 && std::max(s.y1, s.y2) > 4) << "a line across the hole";
  }
}

}  // namespace
}  // namespace vxh::testing
