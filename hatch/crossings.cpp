#include "hatch/crossings.h"

#include <cmath>

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vx {

namespace {

bool Finite(const double* p) { return std::isfinite(p[0]) && std::isfinite(p[1]); }

// The parameter of a point of the scan line along it. For a point on the
// line this is what EGet query 2 of the scan line gives.
double ScanParam(const double* point, const ScanLine& scan) { return P2TL2(point, scan.p1, scan.p2); }

void AddIfFinite(double t, CrossingBuffer& out) {
  if (std::isfinite(t)) out.AddCrossing(t);
}

double ReadVertex(Entity e, std::size_t offset, double* out) {
  out[0] = GetF64(e, offset);
  out[1] = GetF64(e, offset + 8);
  return out[0];
}

void LineCrossings(Entity e, const ScanLine& scan, CrossingBuffer& out) {
  double a[2], b[2];
  ReadVertex(e, kLineX1, a);
  ReadVertex(e, kLineX2, b);
  EdgeCrossings(a, b, scan, false, out);
}

std::uint16_t VertexCount(Entity e) {
  const std::uint16_t count = GetU16(e, kPolyCount);
  // A record shorter than its count says is read only as far as it goes.
  const std::uint32_t size = GetU32(e, kHdrSize);
  const std::uint32_t room = size > kPolyVertices ? (size - kPolyVertices) / kVertexBytes : 0;
  return count <= room ? count : static_cast<std::uint16_t>(room);
}

void PathCrossings(Entity e, const ScanLine& scan, CrossingBuffer& out) {
  const std::uint16_t count = VertexCount(e);
  double a[2], b[2];
  for (std::uint16_t i = 0; i + 1 < count; ++i) {
    ReadVertex(e, kPolyVertices + kVertexBytes * i, a);
    ReadVertex(e, kPolyVertices + kVertexBytes * (i + 1u), b);
    EdgeCrossings(a, b, scan, false, out);
  }
}

// Each vertex is paired with the one before it; vertex 0 with the last.
void PolygonCrossings(Entity e, const ScanLine& scan, CrossingBuffer& out) {
  const std::uint16_t count = VertexCount(e);
  double a[2], b[2];
  for (std::uint16_t i = 0; i < count; ++i) {
    const std::uint16_t before = i == 0 ? static_cast<std::uint16_t>(count - 1) : static_cast<std::uint16_t>(i - 1);
    ReadVertex(e, kPolyVertices + kVertexBytes * i, a);
    ReadVertex(e, kPolyVertices + kVertexBytes * before, b);
    EdgeCrossings(a, b, scan, true, out);
  }
}

}  // namespace

bool HasStraightEdges(int kind) { return kind == kKindLine || kind == kKindPath || kind == kKindPolygon; }

void EdgeCrossings(const double* a, const double* b, const ScanLine& scan, bool within_edge, CrossingBuffer& out) {
  if (!Finite(a) || !Finite(b)) return;
  const double x = scan.x;
  // Exact on purpose: only a vertex lying exactly on the scan line needs the
  // vertex rule; everywhere else the crossing rule below is exact too.
  const bool a_on = a[0] == x;
  const bool b_on = b[0] == x;
  if (a_on && b_on) return;  // along the scan line: its neighbours decide
  if (a_on || b_on) {
    const double* on = a_on ? a : b;
    const double* other = a_on ? b : a;
    out.AddVertex(ScanParam(on, scan), other[0] < x);
    return;
  }
  if ((a[0] < x) != (b[0] > x)) return;
  double meeting[2];
  if (IntL2(a, b, scan.p1, scan.p2, meeting) == 0) return;
  if (within_edge) {
    const double along = P2TL2(meeting, a, b);
    if (!(along >= 0 && along <= 1)) return;
  }
  AddIfFinite(ScanParam(meeting, scan), out);
}

void OtherCrossings(Entity entity, double min_x, double max_x, const ScanLine& scan, CrossingBuffer& out) {
  if ((min_x < scan.x) != (max_x > scan.x)) return;
  double* points = nullptr;
  const int count = FindAllInts(const_cast<std::uint8_t*>(scan.record), entity, &points);
  if (count <= 0 || points == nullptr) return;
  const bool closed = (EInfo(entity, 1) & kInfoClosed) != 0;
  // A closed entity met at one point only touches the scan line.
  if (count == 1 && closed) return;
  for (int i = 0; i < count; ++i) {
    const double* point = points + 3 * i;
    // Every point of a closed entity lies within its parameter range, so the
    // range check (and its cost per hole and scan line) is for open ones.
    if (!closed) {
      double along = -1;
      if (EGet(entity, kQueryParamOf, point, &along) == 0) continue;
      if (!(along >= 0 && along <= 1)) continue;
    }
    AddIfFinite(ScanParam(point, scan), out);
  }
}

int CollectCrossings(DList*, Entity entity, std::intptr_t a, std::intptr_t b) {
  const auto& scan = *reinterpret_cast<const ScanLine*>(a);
  auto& out = *reinterpret_cast<CrossingBuffer*>(b);
  switch (GetI8(entity, kHdrKind)) {
    case kKindLine: LineCrossings(entity, scan, out); break;
    case kKindPath: PathCrossings(entity, scan, out); break;
    case kKindPolygon: PolygonCrossings(entity, scan, out); break;
    default: {
      std::uint8_t box[kBoxBytes] = {};
      EXCheck(entity, box);
      if (GetU32(box, kBoxValid) != 0) OtherCrossings(entity, GetF64(box, kBoxMinX), GetF64(box, kBoxMaxX), scan, out);
      break;
    }
  }
  return 0;
}

}  // namespace vx
