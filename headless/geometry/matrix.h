// The host's transformation matrix: 16 doubles, row-major 4x4, acting on
// column vectors (x' = m[0]x + m[1]y + m[2]z + m[3], y' = m[4]x + ...). The
// layout is written down in docs/matrix.md; the shear command relies on m[1]
// being the x-by-y term.
#pragma once

#include <array>
#include <optional>

namespace vxh {

using Matrix = std::array<double, 16>;

struct Point3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

Matrix Identity();
Matrix Translation(double dx, double dy, double dz);
Matrix Scaling(double sx, double sy, double sz);
Matrix RotationZ(double angle);  // radians, counter-clockwise

// The matrix that applies `first`, then `then` (then · first).
Matrix Compose(const Matrix& first, const Matrix& then);

// The inverse of an affine matrix (last row 0 0 0 1); none when singular.
std::optional<Matrix> Inverse(const Matrix& m);

Point3 Apply(const Matrix& m, const Point3& p);
// A 2-D point (z = 0); the z the matrix would produce is dropped.
void Apply2(const Matrix& m, double& x, double& y);

// Reads and writes the 16 doubles of a stored matrix.
Matrix LoadMatrix(const double* stored);
void StoreMatrix(const Matrix& m, double* stored);

// The 2x2 linear part in the plane: determinant, and whether it is a
// similarity (uniform scale with rotation and maybe a mirror).
double PlaneDeterminant(const Matrix& m);
bool IsPlaneSimilarity(const Matrix& m);
// The uniform scale of a similarity: sqrt(|det|).
double PlaneScale(const Matrix& m);

}  // namespace vxh
