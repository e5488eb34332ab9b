// The screen operations of the host. Without a window they record what they
// are asked to draw (screen_log.h); entity records are checked on the way so a
// bad record is caught where it is drawn.
#include <cstring>
#include <string>

#include "headless/drawing/entity_node.h"
#include "headless/geometry/checked_pointer.h"
#include "headless/geometry/entity_access.h"
#include "headless/host_error.h"
#include "headless/screen/screen_log.h"
#include "headless/script/view_state.h"
#include "headless/win/gdi_objects.h"
#include "host/drag_view.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"

namespace vxh::screen {

namespace {

// Longest string taken from a drag text record; the pack's texts are far shorter.
constexpr std::size_t kMaxDragText = 1024;

std::vector<std::uint8_t> CopyRecord(const std::uint8_t* record, const char* operation) {
  Required(record, operation, "record");
  const std::uint32_t size = vx::GetU32(record, vx::kHdrSize);
  if (size < vx::kHeaderBytes)
    throw HostFault(std::string(operation) + ": record size " + std::to_string(size) +
                    " is shorter than the entity header");
  return {record, record + size};
}

// Containers nested deeper than any drawing needs are cut off here, as in pictures.
constexpr int kDeepestNesting = 64;

// The leaves of a container, so a previewed group, hatch or symbol shows what
// it holds and not only its own record.
void CollectMembers(vx::Entity container, const Matrix& placement, int depth, std::vector<PlacedRecord>& out) {
  if (depth >= kDeepestNesting) return;
  const int kind = vx::GetI8(container, vx::kHdrKind);
  const Matrix inner = kind == vx::kKindSymbol ? Compose(InstanceTransform(container, "EDrawM"), placement) : placement;
  ForEachMember(container, "EDrawM", [&](vx::Entity member) {
    if (IsContainerKind(vx::GetI8(member, vx::kHdrKind))) return CollectMembers(member, inner, depth + 1, out);
    out.push_back({CopyRecord(member, "EDrawM"), inner});
  });
}

void RequireEntity(vx::Entity entity, const char* operation) { Required(entity, operation, "entity"); }

std::vector<double> Points(const double* p1, const double* p2, int dimensions, const char* operation) {
  Required(p1, operation, "first point");
  Required(p2, operation, "second point");
  std::vector<double> points(p1, p1 + dimensions);
  points.insert(points.end(), p2, p2 + dimensions);
  return points;
}

// A host view window keeps its own drawing; everything else goes to the screen.
void Draw(vx::DragView* view, Primitive primitive, const char* operation) {
  if (!DrawIntoHostView(view, primitive)) RunningScreen(operation).AddPrimitive(std::move(primitive));
}

template <int Dimensions>
void DrawLine(vx::DragView* view, const double* p1, const double* p2) {
  Primitive line;
  line.kind = PrimitiveKind::kLine;
  line.three_d = Dimensions == 3;
  line.points = Points(p1, p2, Dimensions, "drawing object line");
  Draw(view, std::move(line), "drawing");
}

template <int Dimensions>
void DrawCircle(vx::DragView*, const double* centre, double radius) {
  Required(centre, "drawing object circle", "centre");
  Primitive circle;
  circle.kind = PrimitiveKind::kCircle;
  circle.three_d = Dimensions == 3;
  circle.points.assign(centre, centre + Dimensions);
  circle.radius = radius;
  RunningScreen("drawing").AddPrimitive(std::move(circle));
}

template <int Dimensions>
void DrawText(vx::DragView*, const std::uint8_t* record) {
  Required(record, "drawing object text", "record");
  const char* text = reinterpret_cast<const char*>(record + vx::kDragTextString);
  Primitive primitive;
  primitive.kind = PrimitiveKind::kText;
  primitive.three_d = Dimensions == 3;
  primitive.points = {vx::GetF64(record, vx::kDragTextX), vx::GetF64(record, vx::kDragTextY)};
  primitive.text.assign(text, strnlen(text, kMaxDragText));
  primitive.record.assign(record, record + vx::kDragTextString);
  RunningScreen("drawing").AddPrimitive(std::move(primitive));
}

template <int Dimensions>
void DrawSetting(vx::DragView*, const int* value) {
  Primitive setting;
  setting.kind = PrimitiveKind::kSetting;
  setting.three_d = Dimensions == 3;
  setting.setting = *Required(value, "drawing object setting", "value");
  RunningScreen("drawing").AddPrimitive(std::move(setting));
}

void EndDragFrame(vx::DragView* view, const char* operation) {
  Required(view, operation, "view");
  RunningScreen(operation).EndFrame(vx::ViewWidth(view), vx::ViewHeight(view), CurrentViewState().cursor);
}

constexpr vx::GDraw2 kDraw2{&DrawLine<2>, &DrawCircle<2>, &DrawText<2>, &DrawSetting<2>};
constexpr vx::GDraw3 kDraw3{&DrawLine<3>, &DrawCircle<3>, &DrawText<3>, &DrawSetting<3>};

}  // namespace

}  // namespace vxh::screen

namespace vx {

extern "C" {

void KVAPI EDraw(int, Entity entity) {
  vxh::screen::RequireEntity(entity, "EDraw");
  ++vxh::screen::RunningScreen("EDraw").MutableCounts().draws;
}

void KVAPI EErase(int, Entity entity) {
  vxh::screen::RequireEntity(entity, "EErase");
  ++vxh::screen::RunningScreen("EErase").MutableCounts().erases;
}

void KVAPI EMark(int, Entity entity) {
  vxh::screen::RequireEntity(entity, "EMark");
  ++vxh::screen::RunningScreen("EMark").MutableCounts().marks;
}

void KVAPI EDrawM(DragView* view, Entity record) {
  vxh::Required(view, "EDrawM", "view");
  vxh::screen::Primitive entity;
  entity.kind = vxh::screen::PrimitiveKind::kEntity;
  entity.record = vxh::screen::CopyRecord(record, "EDrawM");
  // A record of the pack's own has no members to show.
  if (vxh::IsHostRecord(record) && vxh::IsContainerKind(vx::GetI8(record, vx::kHdrKind))) {
    vxh::screen::CollectMembers(record, vxh::Identity(), 0, entity.members);
  }
  vxh::screen::Draw(view, std::move(entity), "EDrawM");
}

void KVAPI ShowChanges() { ++vxh::screen::RunningScreen("ShowChanges").MutableCounts().show_changes; }
void KVAPI Redraw() { ++vxh::screen::RunningScreen("Redraw").MutableCounts().redraws; }

void KVAPI XHReqCsr(DragView* view) { vxh::screen::EndDragFrame(view, "XHReqCsr"); }
void KVAPI XHReqCsr3(DragView* view) { vxh::screen::EndDragFrame(view, "XHReqCsr3"); }

const GDraw2* KVAPI GetGDraw2() { return &vxh::screen::kDraw2; }
const GDraw3* KVAPI GetGDraw3() { return &vxh::screen::kDraw3; }

std::uint8_t* KVAPI GetADWin() { return vxh::screen::RunningScreen("GetADWin").ActiveWindowRecord(); }

}  // extern "C"

}  // namespace vx
