// What the interactive transforms keep between their steps and between runs:
// the shared selection set and each command's own placement, rotation, scale,
// shear and part state. One instance lives in the pack state.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "host/kv_types.h"
#include "host/prompt_record.h"

namespace vx {

using Vec3 = std::array<double, 3>;
using Vec2 = std::array<double, 2>;
// A matrix as STCTM stores it.
using StoredMatrix = std::array<double, 16>;

// Which feedback text a drag shows (DrawDragFeedback).
enum FeedbackMode : int {
  kFeedbackNone = 0,
  kFeedbackScale = 1,
  kFeedbackAngle = 2,
  kFeedbackHeight = 3,
};

// The entities a transform works on, in the working list's order.
struct SelectionSet {
  std::vector<Entity> entities;
  bool erased = false;  // collected with erase and not yet brought back
};

// The placement drag of move, copy, part insertion and the cut piece.
struct PlacementState {
  Vec3 from{};         // F: carried to the cursor
  Vec3 base{};         // B: where F is placed
  double angle = 0;    // A, radians, about F
  double scale = 1.0;  // S, uniform, about F
  Vec3 last{};         // L: cursor of the last computation; kept between runs
  StoredMatrix matrix{};
  int feedback = kFeedbackNone;
  const double* feedback_value = nullptr;
  std::array<Vec3, 2> rubber{};
  // A run's first drag call always computes, so a cursor that happens to sit
  // where the previous run left L never shows that run's matrix.
  bool first_call = true;
};

// VXMOVE and VXCOPY: the from point and the placement point buffers.
struct MoveCopyState {
  PlacementState placement;
  Vec3 from_buffer{};
  Vec3 point_buffer{};
};

// Where a rotate or shear drag last computed, as the cursor stood before the
// snap: a point given there is a click on what the preview showed.
struct PreviewedAt {
  Vec2 cursor{};
  bool valid = false;

  // Deliberately exact: a click reports the very cursor the drag computed for.
  bool Is(const Vec2& given) const { return valid && given == cursor; }
};

// VXROTATE and VXROTATE2.
struct RotateState {
  Vec2 origin{};
  double reference_angle = 0;
  Vec2 reference{};
  double angle = 0;
  Vec2 last{};  // kept between runs
  StoredMatrix matrix{};
  std::array<Vec2, 2> rubber{};
  Vec2 target{};
  PreviewedAt previewed;
  bool first_call = true;
  bool with_reference = false;
};

// VXSCALE.
struct ScaleState {
  Vec3 origin{};
  Vec3 factors{1.0, 1.0, 1.0};
  double reference = 0;  // D; 0 = no reference yet
  std::array<Vec3, 2> reference_line{};
  Vec3 last{};
  bool first_call = true;
  StoredMatrix matrix{};
  std::array<Vec3, 2> rubber{};
  Vec3 target{};
};

// VXSHEAR.
struct ShearState {
  Vec2 axis_start{};
  Vec2 axis_end{};
  Vec2 target{};
  StoredMatrix matrix{};
  std::array<Vec2, 2> rubber{};
  PreviewedAt previewed;
};

// VXPART and VXPARTM.
inline constexpr std::size_t kPartNameBytes = 264;
inline constexpr int kPartFlagsFirst = 0x20;
inline constexpr int kPartFlagsInserted = 0x02;

struct PartState {
  PlacementState placement;
  char name[kPartNameBytes] = {};           // kept between runs: the next default
  char previous_name[kPartNameBytes] = {};  // VXPARTM's fallback and Enter
  DList* part = nullptr;
  Vec3 point_buffer{};
  int flags = kPartFlagsFirst;
  PromptRecord name_prompt;  // "Filename [!01]: " offering the current name
};

struct TransformState {
  SelectionSet selection;
  MoveCopyState move;
  MoveCopyState copy;
  RotateState rotate;
  ScaleState scale;
  ShearState shear;
  PartState part;
};

}  // namespace vx
