// The drag view handed to drag routines, and the host's drawing objects that
// draw into it.
#pragma once

#include <cstddef>

#include "host/kv_types.h"
#include "host/record.h"

namespace vx {

// The view record begins with its visible width and height in drawing units.
inline constexpr std::size_t kViewWidth = 0;   // double
inline constexpr std::size_t kViewHeight = 8;  // double

inline double ViewWidth(const DragView* view) {
  return GetF64(reinterpret_cast<const std::uint8_t*>(view), kViewWidth);
}
inline double ViewHeight(const DragView* view) {
  return GetF64(reinterpret_cast<const std::uint8_t*>(view), kViewHeight);
}

// The 2-D drawing object (GetGDraw2): points are two doubles.
struct GDraw2 {
  void (*line)(DragView* view, const double* p1, const double* p2);
  void (*circle)(DragView* view, const double* centre, double radius);
  // A text record: x, y at 0 and 8, text specification at 49, string at 72.
  void (*text)(DragView* view, const std::uint8_t* record);
  void (*setting)(DragView* view, const int* value);
};

// The 3-D drawing object (GetGDraw3): points are three doubles.
struct GDraw3 {
  void (*line)(DragView* view, const double* p1, const double* p2);
  void (*circle)(DragView* view, const double* centre, double radius);
  void (*text)(DragView* view, const std::uint8_t* record);
  void (*setting)(DragView* view, const int* value);
};

// Drag text record taken by the drawing objects' text operation.
inline constexpr std::size_t kDragTextX = 0;
inline constexpr std::size_t kDragTextY = 8;
inline constexpr std::size_t kDragTextZero = 48;
inline constexpr std::size_t kDragTextSpec = 49;
inline constexpr std::size_t kDragTextString = 72;

}  // namespace vx
