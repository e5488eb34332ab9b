// LINE, PATH, POLY and POINT: commands that take points until Enter.
#include <vector>

#include "headless/session/host_command_support.h"
#include "headless/session/host_commands_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"

namespace vxh::hostcmd {

namespace {

struct LineState {
  Pt from, to;
  DrawingStep step;
};
LineState g_line;

void LineNext(int status) {
  if (status != vx::kStatusAnswered) return vx::CmdEnd();
  g_line.step.Add(LineRecord(g_line.from, g_line.to));
  g_line.from = g_line.to;
  SetOrigin(g_line.from);
  AskPoint(g_line.to, "Next point:", vx::kModeRubberLine, LineNext);
}

void LineFirst(int status) {
  if (status != vx::kStatusAnswered) return vx::CmdEnd();
  SetOrigin(g_line.from);
  AskPoint(g_line.to, "Next point:", vx::kModeRubberLine, LineNext);
}

// PATH and POLY collect their vertices and add one entity at Enter.
struct PolyState {
  int kind = vx::kKindPath;
  std::vector<Pt> points;
  Pt next;
  DrawingStep step;
};
PolyState g_poly;

std::size_t FewestPoints() { return g_poly.kind == vx::kKindPolygon ? 3 : 2; }

void PolyFinish() {
  if (g_poly.points.size() >= FewestPoints()) g_poly.step.Add(PolyRecord(g_poly.kind, g_poly.points));
  vx::CmdEnd();
}

void PolyPoint(int status) {
  if (status == vx::kStatusDefault) return PolyFinish();
  if (status != vx::kStatusAnswered) return vx::CmdEnd();
  g_poly.points.push_back(g_poly.next);
  // A polygon repeats its first vertex, so it holds one point fewer.
  if (g_poly.points.size() + 1 >= kMaxVertices) return PolyFinish();
  SetOrigin(g_poly.next);
  AskPoint(g_poly.next, "Next point:", vx::kModeRubberLine, PolyPoint);
}

void StartPoly(int kind) {
  g_poly = PolyState{};
  g_poly.kind = kind;
  AskPoint(g_poly.next, "First point:", vx::kModePlain, PolyPoint);
}

struct PointState {
  Pt at;
  DrawingStep step;
};
PointState g_point;

void PointPlaced(int status) {
  if (status != vx::kStatusAnswered) return vx::CmdEnd();
  g_point.step.Add(PointRecord(g_point.at));
  AskPoint(g_point.at, "Point:", vx::kModePlain, PointPlaced);
}

}  // namespace

void LineCommand() {
  g_line = LineState{};
  AskPoint(g_line.from, "First point:", vx::kModePlain, LineFirst);
}

void PathCommand() { StartPoly(vx::kKindPath); }

void PolyCommand() { StartPoly(vx::kKindPolygon); }

void PointCommand() {
  g_point = PointState{};
  AskPoint(g_point.at, "Point:", vx::kModePlain, PointPlaced);
}

}  // namespace vxh::hostcmd
