#include "headless/script/view_state.h"

#include "host/drag_view.h"
#include "host/record.h"

namespace vxh {

void ViewState::SetView(const script::ViewSpec& v) {
  view = v;
  vx::PutF64(drag_view, vx::kViewWidth, v.x2 - v.x1);
  vx::PutF64(drag_view, vx::kViewHeight, v.y2 - v.y1);
}

void ViewState::PointAt(double x, double y, double z) {
  cursor = {x, y, z};
  vx::PutF64(pick_record, kPickRecordPoint, x);
  vx::PutF64(pick_record, kPickRecordPoint + 8, y);
}

double ViewState::PickTolerance() const { return kPickPixels * (view.x2 - view.x1) / view.width_px; }

}  // namespace vxh
