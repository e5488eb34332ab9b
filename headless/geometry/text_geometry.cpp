#include "headless/geometry/text_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "headless/geometry/entity_access.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

namespace {

// Rough proportions of a font: glyph advance and line pitch per unit height.
constexpr double kGlyphAdvance = 0.6;
constexpr double kLinePitch = 1.5;

// Far justification codes 9..20 in terms of the normal codes 0..8.
constexpr int kFarToNormal[12] = {3, 5, 0, 0, 1, 2, 2, 6, 6, 7, 8, 8};
constexpr int kLastNormalCode = 8;
constexpr int kLastFarCode = 20;

struct TextShape {
  std::size_t longest_line = 0;
  std::size_t lines = 1;
};

TextShape MeasureString(vx::Entity text) {
  const std::uint32_t size = vx::GetU32(text, vx::kHdrSize);
  TextShape shape;
  std::size_t current = 0;
  for (std::size_t i = vx::kTextString; i < size && text[i] != 0; ++i) {
    if (text[i] == '\r') continue;
    if (text[i] == '\n') {
      ++shape.lines;
      current = 0;
      continue;
    }
    shape.longest_line = std::max(shape.longest_line, ++current);
  }
  return shape;
}

int NormalJustification(int code) {
  if (code <= kLastNormalCode) return code;
  if (code <= kLastFarCode) return kFarToNormal[code - kLastNormalCode - 1];
  return 0;
}

double StyleField(vx::Entity text, std::size_t field) { return vx::GetF32(text, vx::kTextSpec + field); }

}  // namespace

std::array<P2, 4> ApproximateTextCorners(vx::Entity text) {
  RequireBytes(text, vx::TextSize(0), "EXCheck");
  const double height = StyleField(text, vx::kSpecHeight);
  const double angle = StyleField(text, vx::kSpecAngle);
  const TextShape shape = MeasureString(text);
  const double width = height * kGlyphAdvance * static_cast<double>(shape.longest_line) *
                       StyleField(text, vx::kSpecWidth);
  const double block = height + height * kLinePitch * static_cast<double>(shape.lines - 1);
  const int justify = NormalJustification(vx::GetU8(text, vx::kTextSpec + vx::kSpecJustify));
  const double left = -width * (justify % 3) / 2;
  const double bottom = -block * (justify / 3) / 2;
  const P2 origin = ReadPoint(text, vx::kTextX);
  const double c = std::cos(angle), s = std::sin(angle);
  std::array<P2, 4> corners;
  const double xs[4] = {left, left + width, left + width, left};
  const double ys[4] = {bottom, bottom, bottom + block, bottom + block};
  for (int i = 0; i < 4; ++i)
    corners[i] = {origin.x + xs[i] * c - ys[i] * s, origin.y + xs[i] * s + ys[i] * c};
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
