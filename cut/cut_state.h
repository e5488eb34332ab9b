// What the cut and trim commands keep: the VXCUT settings (for the life of
// the library, never in the registry), the boundary records rebuilt on every
// run, the copy list and placement of the detail copy, and the VXMTRIM points.
#pragma once

#include <array>
#include <cstdint>

#include "host/entity_layout.h"
#include "host/kv_types.h"
#include "transform/transform_state.h"

namespace vx {

enum CutOperation : int { kCutDelete = 0, kCutCopy = 1, kCutSelect = 2 };
enum CutKeep : int { kKeepOutside = 0, kKeepInside = 1 };
enum BoundaryKind : int { kBoundaryCircle = 0, kBoundaryBox = 1, kBoundaryExisting = 2 };

// Bound to the controls of DLG_VXCUT, so each is an int or a double.
struct CutSettings {
  int operation = kCutDelete;
  int keep = kKeepOutside;
  int boundary = kBoundaryCircle;
  int draw_boundary = 1;
  double default_scale = 3.0;
};

// The circle drag: SHIFT carries the centre, otherwise the cursor sets the
// radius.
struct CircleDragState {
  Vec2 centre{};
  Vec2 last{};
  double radius = 0;
};

struct CutState {
  CutSettings settings;
  std::array<std::uint8_t, kCircleSize> circle{};
  std::array<std::uint8_t, kBoxSize> box{};
  Entity picked = nullptr;    // the pick request's answer
  Entity boundary = nullptr;  // the circle, the box or the picked entity
  Vec3 point{};               // point request buffer; a typed number lands in [0]
  Vec2 corner{};              // the box's first corner
  CircleDragState circle_drag;
  DList* copy_list = nullptr;  // copy / enlarge only
  PlacementState placement;
  Vec3 place_point{};
};

struct TrimState {
  std::array<std::uint8_t, kLineSize> line{};
  Vec3 start{};
  Vec3 end{};
  Vec3 keep{};
};

struct CutFamilyState {
  CutState cut;
  TrimState trim;
};

}  // namespace vx
