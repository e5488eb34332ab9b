// What a picture shows of one entity that is not a container, in the
// entity's own coordinates: its outline as the geometry kernel's pieces,
// texts, filled arrows and point marks.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "headless/geometry/shape.h"
#include "headless/render/picture_styles.h"
#include "headless/render/text_run.h"
#include "host/kv_types.h"

namespace vxh {

struct Figure {
  std::optional<Shape> outline;  // stroked with the entity's pen; hatched when closed and filled
  std::vector<std::array<P2, 3>> arrows;
  std::vector<TextRun> texts;
  std::optional<P2> point;  // drawn as a mark of a fixed picture size
};

// None for what the picture cannot draw: the linear, radial and ordinate
// dimensions, unknown kinds, and records the kernel refuses (too short,
// a curve it cannot read). Kind 11 and attributes without a string give an
// empty figure.
std::optional<Figure> FigureOf(vx::Entity entity, const PictureStyles& styles);

}  // namespace vxh
