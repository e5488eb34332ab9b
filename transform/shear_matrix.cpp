#include "transform/shear_matrix.h"

#include "host/host_api.h"

namespace vx {

StoredMatrix ShearMatrix(const Vec2& axis_start, const Vec2& axis_end, const Vec2& target) {
  const double theta = Angle(axis_start.data(), axis_end.data());
  StoredMatrix shear;
  CTMI2();
  STCTM(shear.data());
  CTMI2();
  CTMT2(-axis_end[0], -axis_end[1]);
  CTMR2(-theta);
  Vec2 q = target;
  TRNP2(q.data());
  // Deliberately exact: a target on the axis line gives no shear.
  shear[kShearTerm] = q[1] != 0 ? q[0] / q[1] : 0.0;
  CTMMUL2(shear.data());
  CTMR2(theta);
  CTMT2(axis_end[0], axis_end[1]);
  StoredMatrix m;
  STCTM(m.data());
  CTMI2();
  return m;
}

}  // namespace vx
