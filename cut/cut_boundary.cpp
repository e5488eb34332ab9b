#include "cut/cut_boundary.h"

#include <cmath>

#include "host/host_api.h"
#include "host/point_in_polygon.h"
#include "host/record.h"

namespace vx {

namespace {

void PutVertex(std::uint8_t* record, std::size_t index, double x, double y) {
  const std::size_t at = kPolyVertices + index * kVertexBytes;
  PutF64(record, at, x);
  PutF64(record, at + 8, y);
}

constexpr std::uint16_t kBoxVertices = 5;
constexpr double kMiddle = 0.5;

}  // namespace

void FillCircleBoundary(std::array<std::uint8_t, kCircleSize>& record, Point2 centre, double radius) {
  record.fill(0);
  PutU32(record.data(), kHdrSize, kCircleSize);
  PutI8(record.data(), kHdrKind, kKindCircle);
  PutF64(record.data(), kCircleX, centre.x);
  PutF64(record.data(), kCircleY, centre.y);
  PutF64(record.data(), kCircleR, radius);
}

void FillBoxBoundary(std::array<std::uint8_t, kBoxSize>& record, Point2 c1, Point2 c2) {
  record.fill(0);
  std::uint8_t* r = record.data();
  PutU32(r, kHdrSize, kBoxSize);
  PutI8(r, kHdrKind, kKindPolygon);
  PutU16(r, kPolyCount, kBoxVertices);
  PutVertex(r, 0, c1.x, c1.y);
  PutVertex(r, 1, c1.x, c2.y);
  PutVertex(r, 2, c2.x, c2.y);
  PutVertex(r, 3, c2.x, c1.y);
  PutVertex(r, 4, c1.x, c1.y);
}

bool BoundaryContains(const std::uint8_t* b, Point2 p) {
  switch (GetI8(b, kHdrKind)) {
    case kKindCircle: return std::hypot(p.x - GetF64(b, kCircleX), p.y - GetF64(b, kCircleY)) < GetF64(b, kCircleR);
    case kKindPolygon: return PointInPolygon(b + kHeaderBytes, p);
    default: return false;
  }
}

Extents ExtentsOf(Entity entity) {
  std::uint8_t box[kBoxBytes] = {};
  EXCheck(entity, box);
  return {GetF64(box, kBoxMinX), GetF64(box, kBoxMinY), GetF64(box, kBoxMaxX), GetF64(box, kBoxMaxY),
          GetU32(box, kBoxValid) != 0};
}

bool Overlap(const Extents& e, const Extents& b) {
  return e.xmin < b.xmax && e.xmax > b.xmin && e.ymin < b.ymax && e.ymax > b.ymin;
}

bool TestPointOf(Entity e, Point2& p) {
  switch (GetI8(e, kHdrKind)) {
    case kKindText: p = {GetF64(e, kTextX), GetF64(e, kTextY)}; return true;
    case kKindSymbol: p = {GetF64(e, kSymInsertX), GetF64(e, kSymInsertY)}; return true;
    default: break;
  }
  const double t = kMiddle;
  double point[3] = {};
  if (EGet(e, kQueryPointAt, &t, point) != 0) {
    p = {point[0], point[1]};
    return true;
  }
  const Extents x = ExtentsOf(e);
  if (!x.valid) return false;
  p = {(x.xmin + x.xmax) / 2, (x.ymin + x.ymax) / 2};
  return true;
}

}  // namespace vx
