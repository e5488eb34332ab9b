// The host's matrix stack: the current transformation matrix (CTM) that the
// CTM* operations build, and the saved matrices of CTMPSH. Every building
// operation appends its step after those already on the CTM.
#pragma once

#include <cstddef>

#include "headless/geometry/matrix.h"

namespace vxh {

const Matrix& CurrentMatrix();

// Appends a step: the CTM becomes step · CTM.
void AppendToCurrent(const Matrix& step);
void SetCurrent(const Matrix& m);

// Saved matrices below the CTM.
std::size_t SavedMatrixCount();

// Identity CTM and an empty stack; a new session starts this way.
void ResetMatrixStack();

}  // namespace vxh
