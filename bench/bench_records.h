// Records the benchmarks build their drawings from.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "host/entity_layout.h"
#include "host/record.h"

namespace vxbench {

inline std::vector<std::uint8_t> LineRecord(double x1, double y1, double x2, double y2) {
  std::vector<std::uint8_t> r(vx::kLineSize, 0);
  vx::PutU32(r.data(), vx::kHdrSize, vx::kLineSize);
  vx::PutI8(r.data(), vx::kHdrKind, vx::kKindLine);
  vx::PutF64(r.data(), vx::kLineX1, x1);
  vx::PutF64(r.data(), vx::kLineY1, y1);
  vx::PutF64(r.data(), vx::kLineX2, x2);
  vx::PutF64(r.data(), vx::kLineY2, y2);
  return r;
}

inline std::vector<std::uint8_t> CircleRecord(double x, double y, double radius) {
  std::vector<std::uint8_t> c(vx::kCircleSize, 0);
  vx::PutU32(c.data(), vx::kHdrSize, vx::kCircleSize);
  vx::PutI8(c.data(), vx::kHdrKind, vx::kKindCircle);
  vx::PutF64(c.data(), vx::kCircleX, x);
  vx::PutF64(c.data(), vx::kCircleY, y);
  vx::PutF64(c.data(), vx::kCircleR, radius);
  return c;
}

inline std::vector<std::uint8_t> TextRecord(double x, double y, const std::string& text) {
  const std::uint32_t size = vx::TextSize(static_cast<std::uint32_t>(text.size()));
  std::vector<std::uint8_t> r(size, 0);
  vx::PutU32(r.data(), vx::kHdrSize, size);
  vx::PutI8(r.data(), vx::kHdrKind, vx::kKindText);
  vx::PutF64(r.data(), vx::kTextX, x);
  vx::PutF64(r.data(), vx::kTextY, y);
  vx::PutF32(r.data(), vx::kTextSpec + vx::kSpecHeight, 2.5f);
  vx::PutF32(r.data(), vx::kTextSpec + vx::kSpecWidth, 1.0f);
  std::memcpy(r.data() + vx::kTextString, text.data(), text.size());
  return r;
}

}  // namespace vxbench
