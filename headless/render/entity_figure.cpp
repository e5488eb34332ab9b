#include "headless/render/entity_figure.h"

#include "headless/geometry/shape_of.h"
#include "headless/host_error.h"
#include "headless/render/arc_dimension.h"
#include "headless/render/text_layout.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {

namespace {

constexpr const char* kOperation = "drawing a picture";

std::optional<Figure> DimensionFigureOf(vx::Entity e, const PictureStyles& styles) {
  const std::optional<ArcDimension> dimension = ReadArcDimension(e);
  if (!dimension) return std::nullopt;
  const auto measure = [&](const TextRun& run) { return LayOutText(run, styles.Font(run.font)).width; };
  DimensionFigure parts = ArcDimensionFigure(*dimension, styles.TextDefaults(), measure);
  Figure f;
  f.outline = Shape(std::move(parts.strokes), Shape::Spread::kEqual, false);
  f.arrows = std::move(parts.arrows);
  f.texts.push_back(std::move(parts.label));
  return f;
}

std::optional<Figure> OutlineFigureOf(vx::Entity e) {
  try {
    std::optional<Shape> shape = ShapeOf(e, kOperation);
    if (!shape) return std::nullopt;
    Figure f;
    f.outline = std::move(shape);
    return f;
  } catch (const HostFault&) {
    return std::nullopt;
  }
}

}  // namespace

std::optional<Figure> FigureOf(vx::Entity e, const PictureStyles& styles) {
  const std::uint32_t size = vx::GetU32(e, vx::kHdrSize);
  if (size < vx::kHeaderBytes) return std::nullopt;
  switch (vx::GetI8(e, vx::kHdrKind)) {
    case vx::kKindOpaque: return Figure{};
    case vx::kKindPoint: {
      if (size < vx::kPointSize) return std::nullopt;
      Figure f;
      f.point = P2{vx::GetF64(e, vx::kPointX), vx::GetF64(e, vx::kPointY)};
      return f;
    }
    case vx::kKindText:
    case vx::kKindTextLike:
    case vx::kKindAttribute: {
      Figure f;
      if (std::optional<TextRun> run = TextRunOf(e, styles.TextDefaults()))
        f.texts.push_back(std::move(*run));
      else if (vx::GetI8(e, vx::kHdrKind) != vx::kKindAttribute)
        return std::nullopt;
      return f;
    }
    case vx::kKindDimArc: return DimensionFigureOf(e, styles);
    case vx::kKindDimLinear:
    case vx::kKindDimRadial:
    case vx::kKindDimOrdinate: return std::nullopt;
    default: return OutlineFigureOf(e);
  }
}

}  // namespace vxh
