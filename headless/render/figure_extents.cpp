#include "headless/render/figure_extents.h"

#include <cmath>

#include "headless/render/text_layout.h"

namespace vxh {

namespace {

void AddPlaced(Box2& box, P2 p, const Matrix& placement) {
  Apply2(placement, p.x, p.y);
  if (std::isfinite(p.x) && std::isfinite(p.y)) box.Add(p);
}

void AddBox(Box2& box, const Box2& add) {
  if (add.Empty()) return;
  for (const P2& p : {P2{add.x0, add.y0}, P2{add.x1, add.y1}}) AddPlaced(box, p, Identity());
}

}  // namespace

void WidenByFigure(Box2& box, const Figure& figure, const Matrix& placement, const PictureStyles& styles) {
  if (figure.outline) AddBox(box, figure.outline->Transformed(placement).Bounds());
  for (const auto& arrow : figure.arrows)
    for (const P2& p : arrow) AddPlaced(box, p, placement);
  if (figure.point) AddPlaced(box, *figure.point, placement);
  for (const TextRun& run : figure.texts) {
    if (!(run.height > 0)) continue;
    for (const P2& corner : TextCorners(run, LayOutText(run, styles.Font(run.font)))) AddPlaced(box, corner, placement);
  }
}

}  // namespace vxh
