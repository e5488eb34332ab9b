// What the measuring commands keep: the dimension scale table and the arc
// dimension's leaders and record, both for the life of the library.
#pragma once

#include <array>
#include <cstdint>

#include "host/entity_layout.h"
#include "host/kv_types.h"
#include "transform/transform_state.h"

namespace vx {

inline constexpr int kDimScaleEntries = 8;

// Bound to the dialog's tick boxes and factor edits, so an int and a float.
struct DimScaleEntry {
  int on = 1;
  float factor = 1.0f;
};

struct DimScaleState {
  std::array<DimScaleEntry, kDimScaleEntries> entries{{
      {1, 1.0f},
      {1, 2.0f},
      {1, 0.3125f},
      {1, 1.0f},
      {1, 0.9f},
      {1, 0.4f},
      {1, 0.9f},
      {1, 0.4f},
  }};
  float scale = 0;  // the dialog's scale factor, taken afresh on every run
};

struct ArcDimState {
  Vec2 p1{};
  Vec2 p2{};
  double a1 = 0;
  double a2 = 0;
  Vec3 scratch{};  // angle prompts and the arc placement answer here
  std::array<std::uint8_t, kDimArcSize> record{};
};

// The distance's start point is the next run's default, so it outlives the
// command; the four values are bound to the dialog's edits.
struct DistanceState {
  Vec2 start{};
  Vec2 end{};
  std::array<double, 4> values{};  // distance, difference X, difference Y, angle
};

// The length's picked entity is the pick request's buffer; the ignored count
// is read by the dialog's init routine.
struct LengthState {
  Entity picked = nullptr;
  double total = 0;
  std::int32_t ignored = 0;
};

struct MeasureState {
  DimScaleState scale;
  DistanceState distance;
  LengthState length;
  ArcDimState arc;
};

}  // namespace vx
