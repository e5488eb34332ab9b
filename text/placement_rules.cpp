#include "text/placement_rules.h"

#include <cmath>
#include <cstring>

#include "host/entity_layout.h"
#include "transform/angle_snap.h"

namespace vx {

namespace {

// The text spec's fields in block order: offset and width.
struct SpecField {
  std::size_t offset;
  std::size_t bytes;
};
constexpr std::array<SpecField, 9> kSpecFields = {{{kSpecStyleRef, 2},
                                                   {kSpecHeight, 4},
                                                   {kSpecWidth, 4},
                                                   {kSpecAngle, 4},
                                                   {kSpecHost14, 4},
                                                   {kSpecFont, 2},
                                                   {kSpecStyleBits, 1},
                                                   {kSpecHost21, 1},
                                                   {kSpecJustify, 1}}};

}  // namespace

float ScaledTextHeight(float height, double dy, double view_height) {
  return static_cast<float>(height * VerticalStep(dy, view_height));
}

double SteppedTextAngle(double angle) { return SnapAngle15(angle); }

SurroundOutline SurroundBox(const double* min, const double* max, float height) {
  const double m = height / 3.0;
  const double x0 = min[0] - m, y0 = min[1] - m, x1 = max[0] + m, y1 = max[1] + m;
  return {{{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}, {x0, y0}}};
}

SurroundRing SurroundCircle(const SurroundOutline& box) {
  const Vec2 centre{(box[0][0] + box[2][0]) / 2.0, (box[0][1] + box[2][1]) / 2.0};
  return {centre, std::hypot(box[0][0] - centre[0], box[0][1] - centre[1])};
}

void MergeChangedDefaults(std::uint8_t* spec, const std::uint8_t* last, const std::uint8_t* now) {
  for (const SpecField& f : kSpecFields) {
    if (std::memcmp(last + f.offset, now + f.offset, f.bytes) != 0) {
      std::memcpy(spec + f.offset, now + f.offset, f.bytes);
    }
  }
}

}  // namespace vx
