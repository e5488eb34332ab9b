#include "headless/geometry/matrix_stack.h"

#include <vector>

#include "headless/geometry/checked_pointer.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vxh {

namespace {

struct MatrixStack {
  Matrix current = Identity();
  std::vector<Matrix> saved;
};

MatrixStack& Stack() {
  static MatrixStack stack;
  return stack;
}

// The instance transform of a symbol record: three rows of four doubles, the
// fourth column being the translation.
Matrix SymbolTransform(const double* rows) {
  Matrix m = Identity();
  for (int i = 0; i < 12; ++i) m[i] = rows[i];
  return m;
}

}  // namespace

const Matrix& CurrentMatrix() { return Stack().current; }

void AppendToCurrent(const Matrix& step) { Stack().current = Compose(Stack().current, step); }

void SetCurrent(const Matrix& m) { Stack().current = m; }

std::size_t SavedMatrixCount() { return Stack().saved.size(); }

void ResetMatrixStack() {
  Stack().current = Identity();
  Stack().saved.clear();
}

}  // namespace vxh

namespace vx {

extern "C" {

void KVAPI CTMI2() { vxh::SetCurrent(vxh::Identity()); }
void KVAPI CTMI3() { vxh::SetCurrent(vxh::Identity()); }
void KVAPI CTMT2(double dx, double dy) { vxh::AppendToCurrent(vxh::Translation(dx, dy, 0)); }
void KVAPI CTMT3(double dx, double dy, double dz) { vxh::AppendToCurrent(vxh::Translation(dx, dy, dz)); }
void KVAPI CTMR2(double angle) { vxh::AppendToCurrent(vxh::RotationZ(angle)); }
void KVAPI CTMS2(double sx, double sy) { vxh::AppendToCurrent(vxh::Scaling(sx, sy, 1)); }
void KVAPI CTMS3(double sx, double sy, double sz) { vxh::AppendToCurrent(vxh::Scaling(sx, sy, sz)); }

void KVAPI CTMMUL2(const double* matrix) {
  vxh::AppendToCurrent(vxh::LoadMatrix(vxh::Required(matrix, "CTMMUL2", "matrix")));
}

void KVAPI CTMPSH() { vxh::Stack().saved.push_back(vxh::Stack().current); }

void KVAPI CTMPOP() {
  auto& saved = vxh::Stack().saved;
  if (saved.empty()) throw vxh::HostFault("CTMPOP without a matrix saved by CTMPSH");
  vxh::Stack().current = saved.back();
  saved.pop_back();
}

void KVAPI STCTM(double* matrix) {
  vxh::StoreMatrix(vxh::CurrentMatrix(), vxh::Required(matrix, "STCTM", "matrix"));
}

void KVAPI LDSymTM(const double* instance) {
  vxh::AppendToCurrent(vxh::SymbolTransform(vxh::Required(instance, "LDSymTM", "instance transform")));
}

void KVAPI TRNP2(double* point) {
  vxh::Required(point, "TRNP2", "point");
  vxh::Apply2(vxh::CurrentMatrix(), point[0], point[1]);
}

void KVAPI TRNP2M(double* points, int count) {
  if (count < 0) throw vxh::HostFault("TRNP2M was given a negative point count");
  if (count == 0) return;
  vxh::Required(points, "TRNP2M", "points");
  for (int i = 0; i < count; ++i) vxh::Apply2(vxh::CurrentMatrix(), points[2 * i], points[2 * i + 1]);
}

}  // extern "C"

}  // namespace vx
