#include "headless/geometry/text_geometry.h"

#include <cmath>
#include <cstddef>

#include "headless/fonts/text_metrics.h"
#include "headless/geometry/entity_access.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

namespace {

double StyleField(vx::Entity text, std::size_t field) { return vx::GetF32(text, vx::kTextSpec + field); }

}  // namespace

std::array<P2, 4> ApproximateTextCorners(vx::Entity text) {
  RequireBytes(text, vx::TextSize(0), "EXCheck");
  const TextBox box = LocalTextBox(text);
  const double angle = StyleField(text, vx::kSpecAngle);
  const P2 origin = ReadPoint(text, vx::kTextX);
  const double c = std::cos(angle), s = std::sin(angle);
  const double right = box.left + box.width, top = box.bottom + box.height;
  const double xs[4] = {box.left, right, right, box.left};
  const double ys[4] = {box.bottom, box.bottom, top, top};
  std::array<P2, 4> corners;
  for (int i = 0; i < 4; ++i) corners[i] = {origin.x + xs[i] * c - ys[i] * s, origin.y + xs[i] * s + ys[i] * c};
  return corners;
}

void TransformText(vx::Entity text, const Matrix& m) {
  RequireBytes(text, vx::TextSize(0), "ETran");
  P2 origin = ReadPoint(text, vx::kTextX);
  Apply2(m, origin.x, origin.y);
  WritePoint(text, vx::kTextX, origin);
  const double angle = StyleField(text, vx::kSpecAngle);
  const double c = std::cos(angle), s = std::sin(angle);
  const P2 along{m[0] * c + m[1] * s, m[4] * c + m[5] * s};
  const P2 up{-m[0] * s + m[1] * c, -m[4] * s + m[5] * c};
  const double along_scale = std::hypot(along.x, along.y);
  const double up_scale = std::hypot(up.x, up.y);
  double height = StyleField(text, vx::kSpecHeight);
  double width = StyleField(text, vx::kSpecWidth);
  if (IsPlaneSimilarity(m)) {
    height *= PlaneScale(m);
  } else {
    height *= up_scale;
    if (up_scale > 0) width *= along_scale / up_scale;
  }
  const double new_angle = along_scale > 0 ? NormalizeAngle(std::atan2(along.y, along.x)) : angle;
  vx::PutF32(text, vx::kTextSpec + vx::kSpecHeight, static_cast<float>(height));
  vx::PutF32(text, vx::kTextSpec + vx::kSpecWidth, static_cast<float>(width));
  vx::PutF32(text, vx::kTextSpec + vx::kSpecAngle, static_cast<float>(new_angle));
  vx::PutU8(text, vx::kTextCacheFlag, 0);
}

}  // namespace vxh
