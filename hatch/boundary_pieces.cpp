#include "hatch/boundary_pieces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "hatch/fill_limits.h"
#include "hatch/loose_ends.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vx {

namespace {

constexpr double kPi = std::numbers::pi;

struct Point {
  double x, y;
};

bool Same(const Point& p, const Point& q) { return p.x == q.x && p.y == q.y; }  // exact: repeated vertices

struct Reader {
  std::vector<BoundaryPiece>& pieces;
  std::vector<LooseEnd> loose;
  std::uint32_t next_junction = 0;

  std::uint32_t NewJunction() { return next_junction++; }

  std::uint32_t Add(BoundaryPiece piece) {
    pieces.push_back(piece);
    return static_cast<std::uint32_t>(pieces.size() - 1);
  }
  void Straight(Point a, Point b, std::uint32_t ja, std::uint32_t jb) {
    Add({{a.x, a.y}, {b.x, b.y}, 0, 0, {0, 0}, 0, nullptr, ja, jb, PieceShape::kStraight, false});
  }
  void Arc(Point a, Point b, std::uint32_t ja, std::uint32_t jb, Point centre, double radius, bool upper) {
    Add({{a.x, a.y}, {b.x, b.y}, 0, 0, {centre.x, centre.y}, radius, nullptr, ja, jb, PieceShape::kArc, upper});
  }
  void LooseA() { loose.push_back({static_cast<std::uint32_t>(pieces.size() - 1), false}); }
  void LooseB() { loose.push_back({static_cast<std::uint32_t>(pieces.size() - 1), true}); }
};

Point ReadPoint(Entity e, std::size_t offset) { return {GetF64(e, offset), GetF64(e, offset + 8)}; }

std::uint16_t VertexCount(Entity e) {
  const std::uint16_t count = GetU16(e, kPolyCount);
  // A record shorter than its count says is read only as far as it goes.
  const std::uint32_t size = GetU32(e, kHdrSize);
  const std::uint32_t room = size > kPolyVertices ? (size - kPolyVertices) / kVertexBytes : 0;
  return count <= room ? count : static_cast<std::uint16_t>(room);
}

Point Vertex(Entity e, std::uint32_t i) { return ReadPoint(e, kPolyVertices + kVertexBytes * i); }

// One junction per distinct vertex: a vertex repeating the one before it
// (or, closing a polygon, the first) is the same place.
void VertexJunctions(Entity e, std::uint16_t count, bool closed, Reader& r, std::vector<std::uint32_t>& ids) {
  ids.resize(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    ids[i] = i > 0 && Same(Vertex(e, i), Vertex(e, i - 1)) ? ids[i - 1] : r.NewJunction();
  }
  if (!closed || count < 2 || !Same(Vertex(e, count - 1), Vertex(e, 0))) return;
  const std::uint32_t last = ids[count - 1u];
  for (std::uint32_t i = count; i-- > 0 && ids[i] == last;) ids[i] = ids[0];
}

void ReadLine(Entity e, Reader& r) {
  r.Straight(ReadPoint(e, kLineX1), ReadPoint(e, kLineX2), r.NewJunction(), r.NewJunction());
  r.LooseA();
  r.LooseB();
}

void ReadPath(Entity e, Reader& r, std::vector<std::uint32_t>& ids) {
  const std::uint16_t count = VertexCount(e);
  if (count < 2) return;
  VertexJunctions(e, count, false, r, ids);
  for (std::uint32_t i = 0; i + 1 < count; ++i) {
    r.Straight(Vertex(e, i), Vertex(e, i + 1), ids[i], ids[i + 1]);
    if (i == 0) r.LooseA();
  }
  r.LooseB();
}

// Each vertex is paired with the one before it; vertex 0 with the last.
void ReadPolygon(Entity e, Reader& r, std::vector<std::uint32_t>& ids) {
  const std::uint16_t count = VertexCount(e);
  VertexJunctions(e, count, true, r, ids);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t before = i == 0 ? count - 1u : i - 1;
    r.Straight(Vertex(e, i), Vertex(e, before), ids[i], ids[before]);
  }
}

// The upper half runs from the rightmost point to the leftmost, the lower
// half back; the two meet at both.
void ReadCircle(Point c, double radius, Reader& r) {
  const Point right{c.x + radius, c.y};
  const Point left{c.x - radius, c.y};
  const std::uint32_t jr = r.NewJunction();
  const std::uint32_t jl = r.NewJunction();
  r.Arc(right, left, jr, jl, c, radius, true);
  r.Arc(left, right, jl, jr, c, radius, false);
}

Point OnCircle(Point c, double radius, double angle) {
  return {c.x + radius * std::cos(angle), c.y + radius * std::sin(angle)};
}

// An arc counter-clockwise from `start` over `sweep`, cut at every multiple
// of pi (its leftmost and rightmost points) inside it.
void ReadArc(Point c, double radius, double start, double sweep, Reader& r) {
  Point from = OnCircle(c, radius, start);
  std::uint32_t from_junction = r.NewJunction();
  double from_angle = start;
  const double end = start + sweep;
  // At most three cuts for a sweep below a full turn; the bound also keeps
  // a huge start angle (where k * pi no longer moves) from looping.
  double k = std::floor(start / kPi) + 1;
  bool first = true;
  for (int cuts = 0; cuts < 3 && k * kPi < end; ++cuts, k += 1) {
    const Point cut{c.x + (std::fmod(k, 2) == 0 ? radius : -radius), c.y};
    const std::uint32_t cut_junction = r.NewJunction();
    r.Arc(from, cut, from_junction, cut_junction, c, radius, std::sin((from_angle + k * kPi) / 2) > 0);
    if (first) r.LooseA();
    first = false;
    from = cut;
    from_junction = cut_junction;
    from_angle = k * kPi;
  }
  r.Arc(from, OnCircle(c, radius, end), from_junction, r.NewJunction(), c, radius,
        std::sin((from_angle + end) / 2) > 0);
  if (first) r.LooseA();
  r.LooseB();
}

void ReadRound(Entity e, int kind, Reader& r) {
  const Point c = ReadPoint(e, kCircleX);
  const double radius = std::fabs(GetF64(e, kCircleR));
  if (kind == kKindCircle) return ReadCircle(c, radius, r);
  double start = GetF64(e, kArcStart);
  double sweep = GetF64(e, kArcSweep);
  if (sweep < 0) {
    start += sweep;
    sweep = -sweep;
  }
  if (sweep >= 2 * kPi) return ReadCircle(c, radius, r);
  start = std::fmod(start, 2 * kPi);
  if (start < 0) start += 2 * kPi;
  ReadArc(c, radius, start, sweep, r);
}

void ReadOther(Entity e, Reader& r) {
  std::uint8_t box[kBoxBytes] = {};
  EXCheck(e, box);
  const bool valid = GetU32(box, kBoxValid) != 0;
  const double min_x = valid ? GetF64(box, kBoxMinX) : NAN;
  const double max_x = valid ? GetF64(box, kBoxMaxX) : NAN;
  r.Add({{0, 0}, {0, 0}, min_x, max_x, {0, 0}, 0, e, 0, 0, PieceShape::kOther, false});
}

struct WalkData {
  Reader* reader;
  std::vector<std::uint32_t>* ids;
};

int ReadEntity(DList*, Entity e, std::intptr_t data, std::intptr_t) {
  const auto& walk = *reinterpret_cast<const WalkData*>(data);
  Reader& r = *walk.reader;
  switch (const int kind = GetI8(e, kHdrKind)) {
    case kKindLine: ReadLine(e, r); break;
    case kKindPath: ReadPath(e, r, *walk.ids); break;
    case kKindPolygon: ReadPolygon(e, r, *walk.ids); break;
    case kKindCircle:
    case kKindArc: ReadRound(e, kind, r); break;
    default: ReadOther(e, r); break;
  }
  return 0;
}

bool Finite(const BoundaryPiece& p) {
  const bool ends = std::isfinite(p.a[0]) && std::isfinite(p.a[1]) && std::isfinite(p.b[0]) && std::isfinite(p.b[1]);
  if (p.shape == PieceShape::kArc) {
    return ends && std::isfinite(p.centre[0]) && std::isfinite(p.centre[1]) && std::isfinite(p.radius);
  }
  return ends;
}

void SetRanges(std::vector<BoundaryPiece>& pieces) {
  for (BoundaryPiece& p : pieces) {
    if (p.shape == PieceShape::kOther) continue;
    const bool finite = Finite(p);
    p.min_x = finite ? std::min(p.a[0], p.b[0]) : NAN;
    p.max_x = finite ? std::max(p.a[0], p.b[0]) : NAN;
  }
}

}  // namespace

void ReadBoundaryPieces(DList* boundary, std::vector<BoundaryPiece>& out) {
  out.clear();
  Reader reader{out, {}};
  std::vector<std::uint32_t> ids;
  WalkData data{&reader, &ids};
  boundary->Walk(&ReadEntity, kWalkAll, reinterpret_cast<std::intptr_t>(&data), 0);
  JoinLooseEnds(out, reader.loose, fill::kJunctionRelative);
  SetRanges(out);
}

}  // namespace vx
