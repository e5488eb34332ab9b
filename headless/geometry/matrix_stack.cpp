#include "headless/geometry/matrix_stack.h"

#include "headless/geometry/checked_pointer.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vxh {

namespace {

// The instance transform of a symbol record: three rows of four doubles, the
// fourth column being the translation.
Matrix SymbolTransform(const double* rows) {
  Matrix m = Identity();
  for (int i = 0; i < 12; ++i) m[i] = rows[i];
  return m;
}

}  // namespace

}  // namespace vxh

namespace vx {

extern "C" {

void KVAPI CTMI2() { vxh::RunningMatrixStack("CTMI2").current = vxh::Identity(); }
void KVAPI CTMI3() { vxh::RunningMatrixStack("CTMI3").current = vxh::Identity(); }
void KVAPI CTMT2(double dx, double dy) { vxh::RunningMatrixStack("CTMT2").Append(vxh::Translation(dx, dy, 0)); }
void KVAPI CTMT3(double dx, double dy, double dz) {
  vxh::RunningMatrixStack("CTMT3").Append(vxh::Translation(dx, dy, dz));
}
void KVAPI CTMR2(double angle) { vxh::RunningMatrixStack("CTMR2").Append(vxh::RotationZ(angle)); }
void KVAPI CTMS2(double sx, double sy) { vxh::RunningMatrixStack("CTMS2").Append(vxh::Scaling(sx, sy, 1)); }
void KVAPI CTMS3(double sx, double sy, double sz) { vxh::RunningMatrixStack("CTMS3").Append(vxh::Scaling(sx, sy, sz)); }

void KVAPI CTMMUL2(const double* matrix) {
  vxh::RunningMatrixStack("CTMMUL2").Append(vxh::LoadMatrix(vxh::Required(matrix, "CTMMUL2", "matrix")));
}

void KVAPI CTMPSH() {
  vxh::MatrixStack& stack = vxh::RunningMatrixStack("CTMPSH");
  stack.saved.push_back(stack.current);
}

void KVAPI CTMPOP() {
  vxh::MatrixStack& stack = vxh::RunningMatrixStack("CTMPOP");
  if (stack.saved.empty()) throw vxh::HostFault("CTMPOP without a matrix saved by CTMPSH");
  stack.current = stack.saved.back();
  stack.saved.pop_back();
}

void KVAPI STCTM(double* matrix) {
  vxh::StoreMatrix(vxh::RunningMatrixStack("STCTM").current, vxh::Required(matrix, "STCTM", "matrix"));
}

void KVAPI LDSymTM(const double* instance) {
  vxh::RunningMatrixStack("LDSymTM").Append(
      vxh::SymbolTransform(vxh::Required(instance, "LDSymTM", "instance transform")));
}

void KVAPI TRNP2(double* point) {
  vxh::Required(point, "TRNP2", "point");
  vxh::Apply2(vxh::RunningMatrixStack("TRNP2").current, point[0], point[1]);
}

void KVAPI TRNP2M(double* points, int count) {
  if (count < 0) throw vxh::HostFault("TRNP2M was given a negative point count");
  if (count == 0) return;
  vxh::Required(points, "TRNP2M", "points");
  const vxh::Matrix& m = vxh::RunningMatrixStack("TRNP2M").current;
  for (int i = 0; i < count; ++i) vxh::Apply2(m, points[2 * i], points[2 * i + 1]);
}

}  // extern "C"

}  // namespace vx
