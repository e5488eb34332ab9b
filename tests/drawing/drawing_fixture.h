// Small builders shared by the drawing and .kvd tests.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "headless/drawing/document.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh::testing {

inline std::vector<std::uint8_t> LineRecord(double x1, double y1, double x2, double y2,
                                            std::uint16_t layer = 0) {
  std::vector<std::uint8_t> r(vx::kLineSize, 0);
  vx::PutU32(r.data(), vx::kHdrSize, vx::kLineSize);
  vx::PutI8(r.data(), vx::kHdrKind, vx::kKindLine);
  vx::PutU16(r.data(), vx::kHdrLayer, layer);
  vx::PutF64(r.data(), vx::kLineX1, x1);
  vx::PutF64(r.data(), vx::kLineY1, y1);
  vx::PutF64(r.data(), vx::kLineX2, x2);
  vx::PutF64(r.data(), vx::kLineY2, y2);
  return r;
}

inline std::vector<std::uint8_t> TextRecord(const std::string& text) {
  const std::uint32_t size = vx::TextSize(static_cast<std::uint32_t>(text.size()));
  std::vector<std::uint8_t> r(size, 0);
  vx::PutU32(r.data(), vx::kHdrSize, size);
  vx::PutI8(r.data(), vx::kHdrKind, vx::kKindText);
  std::memcpy(r.data() + vx::kTextString, text.data(), text.size());
  return r;
}

inline std::vector<std::uint8_t> GroupRecord() {
  std::vector<std::uint8_t> r(vx::kGroupSize, 0);
  vx::PutU32(r.data(), vx::kHdrSize, vx::kGroupSize);
  vx::PutI8(r.data(), vx::kHdrKind, vx::kKindGroup);
  return r;
}

// Lines whose x1 is 1, 2, 3, ... so order is easy to read back.
inline std::vector<vx::Entity> AddLines(vx::DList* list, int count, double first = 1) {
  std::vector<vx::Entity> added;
  for (int i = 0; i < count; ++i) {
    added.push_back(list->AddRecord(LineRecord(first + i, 0, 0, 0).data()));
  }
  return added;
}

// The x1 of every entity the walk visits with the filter (0 for records too
// short to have one).
inline std::vector<double> WalkOrder(vx::DList* list, int filter = vx::kWalkAll) {
  std::vector<double> seen;
  list->Walk(
      [](vx::DList*, vx::Entity e, std::intptr_t out, std::intptr_t) {
        const bool has_x1 = vx::GetU32(e, vx::kHdrSize) >= vx::kLineX1 + 8;
        reinterpret_cast<std::vector<double>*>(out)->push_back(has_x1 ? vx::GetF64(e, vx::kLineX1) : 0);
        return 0;
      },
      filter, reinterpret_cast<std::intptr_t>(&seen));
  return seen;
}

}  // namespace vxh::testing
