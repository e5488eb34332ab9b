// LINE, PATH, POLY and POINT: commands that take points until Enter.
#include <vector>

#include "headless/session/host_command_memory.h"
#include "headless/session/host_command_support.h"
#include "headless/session/host_commands_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"

namespace vxh::hostcmd {

namespace {

LineRun& Line() { return Memory("LINE").line; }
PolyRun& Poly() { return Memory("POLY").poly; }
PointRun& Point() { return Memory("POINT").point; }

void LineNext(int status) {
  if (status != vx::kStatusAnswered) return vx::CmdEnd();
  Line().step.Add(LineRecord(Line().from, Line().to));
  Line().from = Line().to;
  SetOrigin(Line().from);
  AskPoint(Line().to, "Next point:", vx::kModeRubberLine, LineNext);
}

void LineFirst(int status) {
  if (status != vx::kStatusAnswered) return vx::CmdEnd();
  SetOrigin(Line().from);
  AskPoint(Line().to, "Next point:", vx::kModeRubberLine, LineNext);
}

std::size_t FewestPoints() { return Poly().kind == vx::kKindPolygon ? 3 : 2; }

void PolyFinish() {
  if (Poly().points.size() >= FewestPoints()) Poly().step.Add(PolyRecord(Poly().kind, Poly().points));
  vx::CmdEnd();
}

void PolyPoint(int status) {
  if (status == vx::kStatusDefault) return PolyFinish();
  if (status != vx::kStatusAnswered) return vx::CmdEnd();
  Poly().points.push_back(Poly().next);
  // A polygon repeats its first vertex, so it holds one point fewer.
  if (Poly().points.size() + 1 >= kMaxVertices) return PolyFinish();
  SetOrigin(Poly().next);
  AskPoint(Poly().next, "Next point:", vx::kModeRubberLine, PolyPoint);
}

void StartPoly(int kind) {
  Poly() = PolyRun{};
  Poly().kind = kind;
  AskPoint(Poly().next, "First point:", vx::kModePlain, PolyPoint);
}

void PointPlaced(int status) {
  if (status != vx::kStatusAnswered) return vx::CmdEnd();
  Point().step.Add(PointRecord(Point().at));
  AskPoint(Point().at, "Point:", vx::kModePlain, PointPlaced);
}

}  // namespace

void LineCommand() {
  Line() = LineRun{};
  AskPoint(Line().from, "First point:", vx::kModePlain, LineFirst);
}

void PathCommand() { StartPoly(vx::kKindPath); }

void PolyCommand() { StartPoly(vx::kKindPolygon); }

void PointCommand() {
  Point() = PointRun{};
  AskPoint(Point().at, "Point:", vx::kModePlain, PointPlaced);
}

}  // namespace vxh::hostcmd
