// What a scan/paint hatch keeps while its strokes are painted: the boundary
// seen along both hatch directions, the result group, the step table and the
// segments painted so far.
#pragma once

#include <vector>

#include "hatch/boundary_index.h"
#include "hatch/crossing_buffer.h"
#include "hatch/extents_box.h"
#include "hatch/painted_segments.h"
#include "hatch/smart_steps.h"
#include "host/kv_types.h"
#include "host/win_api.h"

namespace vx {

struct ScanPaintState {
  // The boundary turned a quarter turn further than hatch space, so that the
  // crosshatch's probes, which run along x, are vertical scan lines too.
  DList* cross_list = nullptr;
  // The probes' view of the boundary: [0] for the hatch direction (from the
  // boundary list), [1] for the crosshatch (from `cross_list`).
  BoundaryIndex probes[2];
  CrossingBuffer crossings;
  ExtentsBox box{};
  bool box_valid = false;
  double into[16] = {};  // drawing space to hatch space
  double back[16] = {};  // and back
  Entity group = nullptr;
  DList* members = nullptr;  // the group's member list
  SmartSteps steps;
  double smallest_step = 0;
  double origin[2] = {0, 0};    // the pattern offset in hatch space, within one distance
  double previous[2] = {0, 0};  // the cursor at the last sample, in hatch space
  std::vector<PaintedSegment> painted;
  double point[3] = {0, 0, 0};  // the point request's buffer
  bool dragging = false;        // the left button is held
  bool released = false;        // the mouse hook saw the button go up
  HHOOK hook = nullptr;
};

}  // namespace vx
