#include "text/glyph_outline.h"

#include "host/record.h"

namespace vx {

namespace {

// TTPOLYGONHEADER: cb u32, type u32, start point; TTPOLYCURVE: type u16,
// count u16, points. A point is two 16.16 numbers, fraction first.
constexpr std::size_t kPolyBytes = 0;
constexpr std::size_t kPolyStart = 8;
constexpr std::size_t kPolyHeaderBytes = 16;
constexpr std::size_t kCurveKind = 0;
constexpr std::size_t kCurvePointCount = 2;
constexpr std::size_t kCurvePoints = 4;
constexpr std::size_t kFixedPointBytes = 8;
constexpr std::uint16_t kPrimQSpline = 2;

double Fixed(const std::uint8_t* at) { return static_cast<std::int16_t>(GetU16(at, 2)) + GetU16(at, 0) / 65536.0; }

Point2 FixedPoint(const std::uint8_t* at, Point2 pen) { return {Fixed(at) + pen.x, Fixed(at + 4) + pen.y}; }

OutlineContour ReadContour(const std::uint8_t* contour, std::size_t size, Point2 pen) {
  OutlineContour pieces;
  Point2 current = FixedPoint(contour + kPolyStart, pen);
  for (std::size_t at = kPolyHeaderBytes; size - at >= kCurvePoints;) {
    const std::uint8_t* curve = contour + at;
    const std::size_t count = GetU16(curve, kCurvePointCount);
    const std::size_t bytes = kCurvePoints + count * kFixedPointBytes;
    if (count == 0 || bytes > size - at) break;
    OutlinePiece piece{GetU16(curve, kCurveKind) == kPrimQSpline, {current}};
    for (std::size_t i = 0; i < count; ++i) {
      piece.points.push_back(FixedPoint(curve + kCurvePoints + i * kFixedPointBytes, pen));
    }
    current = piece.points.back();
    pieces.push_back(std::move(piece));
    at += bytes;
  }
  return pieces;
}

}  // namespace

std::vector<OutlineContour> ReadGlyphOutline(std::span<const std::uint8_t> buffer, Point2 pen) {
  std::vector<OutlineContour> contours;
  for (std::size_t at = 0; buffer.size() - at >= kPolyHeaderBytes;) {
    const std::size_t size = GetU32(buffer.data() + at, kPolyBytes);
    if (size < kPolyHeaderBytes || size > buffer.size() - at) break;
    contours.push_back(ReadContour(buffer.data() + at, size, pen));
    at += size;
  }
  return contours;
}

}  // namespace vx
