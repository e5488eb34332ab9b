// The host's matrix stack: the current transformation matrix (CTM) that the
// CTM* operations build, and the saved matrices of CTMPSH. Every building
// operation appends its step after those already on the CTM.
#pragma once

#include <vector>

#include "headless/geometry/matrix.h"

namespace vxh {

// The session owns one: a new session starts with the identity CTM and
// nothing saved.
struct MatrixStack {
  Matrix current = Identity();
  std::vector<Matrix> saved;

  // Appends a step: the CTM becomes step · CTM.
  void Append(const Matrix& step) { current = Compose(current, step); }
};

// The running session's stack; a HostFault naming `operation` when no session
// runs. The session defines it.
MatrixStack& RunningMatrixStack(const char* operation);

}  // namespace vxh
