#include "headless/geometry/matrix.h"

#include <cmath>
#include <cstring>

#include "headless/tolerances.h"

namespace vxh {

Matrix Identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix Translation(double dx, double dy, double dz) {
  Matrix m = Identity();
  m[3] = dx;
  m[7] = dy;
  m[11] = dz;
  return m;
}

Matrix Scaling(double sx, double sy, double sz) {
  Matrix m = Identity();
  m[0] = sx;
  m[5] = sy;
  m[10] = sz;
  return m;
}

Matrix RotationZ(double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  Matrix m = Identity();
  m[0] = c;
  m[1] = -s;
  m[4] = s;
  m[5] = c;
  return m;
}

Matrix Compose(const Matrix& first, const Matrix& then) {
  Matrix out{};
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 4; ++col) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += then[row * 4 + k] * first[k * 4 + col];
      out[row * 4 + col] = sum;
    }
  }
  return out;
}

namespace {

double Det3(const Matrix& m) {
  return m[0] * (m[5] * m[10] - m[6] * m[9]) - m[1] * (m[4] * m[10] - m[6] * m[8]) + m[2] * (m[4] * m[9] - m[5] * m[8]);
}

double LargestLinearEntry(const Matrix& m) {
  double largest = 0;
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) largest = std::fmax(largest, std::fabs(m[row * 4 + col]));
  return largest;
}

}  // namespace

std::optional<Matrix> Inverse(const Matrix& m) {
  const double det = Det3(m);
  const double scale = LargestLinearEntry(m);
  if (!(std::fabs(det) > tol::kSingular * scale * scale * scale)) return std::nullopt;
  Matrix inv = Identity();
  // The adjugate of the linear part, divided by its determinant.
  inv[0] = (m[5] * m[10] - m[6] * m[9]) / det;
  inv[1] = (m[2] * m[9] - m[1] * m[10]) / det;
  inv[2] = (m[1] * m[6] - m[2] * m[5]) / det;
  inv[4] = (m[6] * m[8] - m[4] * m[10]) / det;
  inv[5] = (m[0] * m[10] - m[2] * m[8]) / det;
  inv[6] = (m[2] * m[4] - m[0] * m[6]) / det;
  inv[8] = (m[4] * m[9] - m[5] * m[8]) / det;
  inv[9] = (m[1] * m[8] - m[0] * m[9]) / det;
  inv[10] = (m[0] * m[5] - m[1] * m[4]) / det;
  for (int row = 0; row < 3; ++row) {
    const double* r = &inv[row * 4];
    inv[row * 4 + 3] = -(r[0] * m[3] + r[1] * m[7] + r[2] * m[11]);
  }
  return inv;
}

Point3 Apply(const Matrix& m, const Point3& p) {
  return {m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3], m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7],
          m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11]};
}

void Apply2(const Matrix& m, double& x, double& y) {
  const double nx = m[0] * x + m[1] * y + m[3];
  const double ny = m[4] * x + m[5] * y + m[7];
  x = nx;
  y = ny;
}

Matrix LoadMatrix(const double* stored) {
  Matrix m;
  std::memcpy(m.data(), stored, sizeof m);
  return m;
}

void StoreMatrix(const Matrix& m, double* stored) { std::memcpy(stored, m.data(), sizeof m); }

double PlaneDeterminant(const Matrix& m) { return m[0] * m[5] - m[1] * m[4]; }

bool IsPlaneSimilarity(const Matrix& m) {
  // Columns (m0, m4) and (m1, m5): orthogonal and of equal length.
  const double len_x = m[0] * m[0] + m[4] * m[4];
  const double len_y = m[1] * m[1] + m[5] * m[5];
  const double dot = m[0] * m[1] + m[4] * m[5];
  const double size = std::fmax(len_x, len_y);
  if (size == 0) return true;  // collapses everything onto one point
  return std::fabs(len_x - len_y) <= tol::kSimilarity * size && std::fabs(dot) <= tol::kSimilarity * size;
}

double PlaneScale(const Matrix& m) { return std::sqrt(std::fabs(PlaneDeterminant(m))); }

}  // namespace vxh
