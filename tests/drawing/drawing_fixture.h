// Small helpers shared by the drawing and .kvd tests.
#pragma once

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "headless/drawing/document.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "tests/support/records.h"

namespace vxh::testing {

// Lines whose x1 is 1, 2, 3, ... so order is easy to read back.
inline std::vector<vx::Entity> AddLines(vx::DList* list, int count, double first = 1) {
  std::vector<vx::Entity> added;
  for (int i = 0; i < count; ++i) {
    added.push_back(list->AddRecord(vxtest::Line(first + i, 0, 0, 0).data()));
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

// The first entity of the list of `kind` (-1: of any kind), or null.
inline vx::Entity FirstOf(vx::DList* list, int kind = -1) {
  std::pair<int, vx::Entity> found{kind, nullptr};
  list->Walk(
      [](vx::DList*, vx::Entity e, std::intptr_t out, std::intptr_t) {
        auto* f = reinterpret_cast<std::pair<int, vx::Entity>*>(out);
        if (f->first != -1 && vx::GetI8(e, vx::kHdrKind) != f->first) return 0;
        f->second = e;
        return 1;
      },
      0, reinterpret_cast<std::intptr_t>(&found));
  return found.second;
}

}  // namespace vxh::testing
