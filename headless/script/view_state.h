// What the scripted user sees: the visible area and its size in pixels (set
// by <view x1,y1 x2,y2 W H>), the cursor, and the drag view that drag
// routines receive.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "headless/script/event.h"
#include "host/kv_types.h"

namespace vxh {

// A 100 x 100 area from the origin on a 1000 x 1000 pixel window, until a
// script says otherwise.
inline constexpr script::ViewSpec kDefaultView{0.0, 0.0, 100.0, 100.0, 1000.0, 1000.0};

// Picks reach this many pixels around the cursor.
inline constexpr double kPickPixels = 5.0;

// The pick record of RscAdr(4198): the raw pick position at byte 36.
inline constexpr std::size_t kPickRecordBytes = 64;
inline constexpr std::size_t kPickRecordPoint = 36;

// The drag view's bytes: visible width and height first (host/drag_view.h).
inline constexpr std::size_t kDragViewBytes = 256;

struct ViewState {
  script::ViewSpec view = kDefaultView;
  std::array<double, 3> cursor{};  // RscAdr(4147)
  std::array<double, 3> origin{};  // SetCursorOrg2/3, RscAdr(4140)
  alignas(8) std::uint8_t pick_record[kPickRecordBytes] = {};
  alignas(8) std::uint8_t drag_view[kDragViewBytes] = {};

  void SetView(const script::ViewSpec& v);
  // The cursor after a scripted point or pick: also the raw pick position.
  void PointAt(double x, double y, double z);
  double PickTolerance() const;  // in drawing units
  vx::DragView* DragView() { return reinterpret_cast<vx::DragView*>(drag_view); }
};

// The view of the running session; a HostFault when no session runs.
ViewState& CurrentViewState();

}  // namespace vxh
