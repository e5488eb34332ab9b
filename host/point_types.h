// Points as the pack passes them around: plain values in drawing units. The
// host's own operations take points as arrays of doubles; the helpers in
// point_ops.h convert at that boundary.
#pragma once

namespace vx {

struct Point2 {
  double x = 0;
  double y = 0;
};

struct Point3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

// A point held in a host buffer of two doubles (a point request's answer, a
// vertex read out of a record).
inline Point2 Point2At(const double* xy) { return Point2{xy[0], xy[1]}; }

}  // namespace vx
