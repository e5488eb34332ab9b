#include "text/explode_records.h"

#include <cstdint>
#include <vector>

#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vx {

namespace {

// Open path (3): u16 point count, then x, y pairs.
constexpr std::size_t kOpenPathCount = 32;
constexpr std::size_t kOpenPathPoints = 34;
constexpr std::uint32_t OpenPathSize(std::size_t count) { return static_cast<std::uint32_t>(34 + 16 * count); }
// The fixed field the host expects in curve paths the explode makes.
constexpr std::uint8_t kExplodedCurveFlag = 8;

std::vector<std::uint8_t> Blank(Kind kind, std::uint32_t size) {
  std::vector<std::uint8_t> r(size, 0);
  PutU32(r.data(), kHdrSize, size);
  PutI8(r.data(), kHdrKind, static_cast<std::int8_t>(kind));
  return r;
}

void PutPoints(std::uint8_t* r, std::size_t at, std::span<const Point2> points) {
  for (const Point2& p : points) {
    PutF64(r, at, p.x);
    PutF64(r, at + 8, p.y);
    at += 16;
  }
}

Entity Place(DList* target, const std::vector<std::uint8_t>& record, Entity source) {
  Entity e = target->AddRecord(record.data());
  CopyCStuff(e, source);
  return ETran(e, nullptr);
}

}  // namespace

Entity AddStrokeShape(DList* target, const StrokeShape& shape, Entity source) {
  if (shape.arc) {
    std::vector<std::uint8_t> r = Blank(kKindArc, kArcSize);
    PutF64(r.data(), kCircleX, shape.centre.x);
    PutF64(r.data(), kCircleY, shape.centre.y);
    PutF64(r.data(), kCircleR, shape.radius);
    PutF64(r.data(), kArcStart, shape.start);
    PutF64(r.data(), kArcSweep, shape.sweep);
    return Place(target, r, source);
  }
  std::vector<std::uint8_t> r = Blank(kKindLine, kLineSize);
  PutF64(r.data(), kLineX1, shape.from.x);
  PutF64(r.data(), kLineY1, shape.from.y);
  PutF64(r.data(), kLineX2, shape.to.x);
  PutF64(r.data(), kLineY2, shape.to.y);
  return Place(target, r, source);
}

Entity AddOpenPath(DList* target, std::span<const Point2> points, Entity source) {
  std::vector<std::uint8_t> r = Blank(kKindPath, OpenPathSize(points.size()));
  PutU16(r.data(), kOpenPathCount, static_cast<std::uint16_t>(points.size()));
  PutPoints(r.data(), kOpenPathPoints, points);
  return Place(target, r, source);
}

Entity AddSplinePath(DList* target, std::span<const Point2> points, Entity source) {
  const auto count = static_cast<std::uint32_t>(points.size());
  std::vector<std::uint8_t> r = Blank(kKindCurvePath, CurveSize(count));
  PutU8(r.data(), kCurveType, kCurveSpline);
  PutU8(r.data(), kCurveFlag, kExplodedCurveFlag);
  PutF64(r.data(), kCurveSpan, count - 1.0);
  PutU16(r.data(), kCurveCount, static_cast<std::uint16_t>(count));
  PutPoints(r.data(), kCurveVertices, points);
  return Place(target, r, source);
}

}  // namespace vx
