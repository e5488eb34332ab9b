// BOX, RPOLY, CIRP and ARCB: shapes from a few points.
#include <cmath>
#include <numbers>
#include <vector>

#include "headless/session/arc_math.h"
#include "headless/session/host_command_memory.h"
#include "headless/session/host_command_support.h"
#include "headless/session/host_commands_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"

namespace vxh::hostcmd {

namespace {

ShapeRun& Shape() { return Memory("BOX").shape; }
RegularPolygonMemory& Regular() { return Memory("RPOLY").regular_polygon; }

constexpr std::int32_t kFewestSides = 3;
constexpr std::int32_t kMostSides = 1024;

bool Answered(int status) {
  if (status == vx::kStatusAnswered) return true;
  vx::CmdEnd();
  return false;
}

// ---- BOX: two opposite corners ------------------------------------------

void BoxSecond(int status) {
  if (!Answered(status)) return;
  const Pt& p = Shape().a;
  const Pt& q = Shape().b;
  if (p.x == q.x || p.y == q.y) {  // exact: a box with no area
    ShowError("A box needs two corners that differ in x and in y");
  } else {
    Shape().step.Add(PolyRecord(vx::kKindPolygon, {{p.x, p.y}, {q.x, p.y}, {q.x, q.y}, {p.x, q.y}}));
  }
  vx::CmdEnd();
}

void BoxFirst(int status) {
  if (!Answered(status)) return;
  SetOrigin(Shape().a);
  AskPoint(Shape().b, "Opposite corner:", vx::kModeRubberBox, BoxSecond);
}

// ---- RPOLY: sides, centre, one corner -------------------------------------
// The side count and the corner's distance and direction from the centre
// are kept between runs: Enter at either prompt reuses them.

void AskSides();

void RPolyCorner(int status) {
  if (status == vx::kStatusAnswered) {
    const double dx = Shape().b.x - Shape().a.x, dy = Shape().b.y - Shape().a.y;
    if (dx == 0 && dy == 0) {  // exact: the corner is the centre
      ShowError("The corner must differ from the centre");
      return vx::CmdEnd();
    }
    Regular().radius = std::hypot(dx, dy);
    Regular().rotation = std::atan2(dy, dx);
  } else if (status != vx::kStatusDefault) {
    return vx::CmdEnd();
  }
  std::vector<Pt> corners;
  for (std::int32_t i = 0; i < Regular().sides; ++i) {
    const double angle = Regular().rotation + 2 * std::numbers::pi * i / Regular().sides;
    corners.push_back(
        {Shape().a.x + Regular().radius * std::cos(angle), Shape().a.y + Regular().radius * std::sin(angle)});
  }
  Shape().step.Add(PolyRecord(vx::kKindPolygon, corners));
  vx::CmdEnd();
}

void RPolyCentre(int status) {
  if (!Answered(status)) return;
  SetOrigin(Shape().a);
  AskPoint(Shape().b, "Corner point:", vx::kModeRubberLine, RPolyCorner);
}

void RPolySides(int status) {
  if (status == vx::kStatusAnswered) {
    if (Memory("RPOLY").sides_answer < kFewestSides || Memory("RPOLY").sides_answer > kMostSides) {
      ShowError("A regular polygon has 3 to 1024 sides");
      return AskSides();
    }
    Regular().sides = Memory("RPOLY").sides_answer;
  } else if (status != vx::kStatusDefault) {
    return vx::CmdEnd();
  }
  AskPoint(Shape().a, "Centre:", vx::kModePlain, RPolyCentre);
}

void AskSides() {
  Memory("RPOLY").sides_answer = Regular().sides;
  AskInteger(Memory("RPOLY").sides_answer, "Number of sides:", RPolySides);
}

// ---- CIRP: centre and a point on the circle --------------------------------

void CirclePoint(int status) {
  if (!Answered(status)) return;
  const double radius = std::hypot(Shape().b.x - Shape().a.x, Shape().b.y - Shape().a.y);
  if (radius == 0) {  // exact: the point is the centre
    ShowError("The point on the circle must differ from the centre");
  } else {
    Shape().step.Add(CircleRecord(Shape().a, radius));
  }
  vx::CmdEnd();
}

void CircleCentre(int status) {
  if (!Answered(status)) return;
  SetOrigin(Shape().a);
  AskPoint(Shape().b, "Point on circle:", vx::kModeRubberLine, CirclePoint);
}

// ---- ARCB: start, a point on the arc, end ----------------------------------

void ArcEnd(int status) {
  if (!Answered(status)) return;
  const std::optional<ArcFit> arc =
      ArcThroughPoints(Shape().a.x, Shape().a.y, Shape().b.x, Shape().b.y, Shape().c.x, Shape().c.y);
  if (!arc) {
    ShowError("The three points of an arc must not lie on one line");
  } else {
    Shape().step.Add(ArcRecord({arc->cx, arc->cy}, arc->radius, arc->start, arc->sweep));
  }
  vx::CmdEnd();
}

void ArcMiddle(int status) {
  if (!Answered(status)) return;
  SetOrigin(Shape().b);
  AskPoint(Shape().c, "Arc end point:", vx::kModeRubberLine, ArcEnd);
}

void ArcStart(int status) {
  if (!Answered(status)) return;
  SetOrigin(Shape().a);
  AskPoint(Shape().b, "Point on arc:", vx::kModeRubberLine, ArcMiddle);
}

}  // namespace

void BoxCommand() {
  Shape() = ShapeRun{};
  AskPoint(Shape().a, "First corner:", vx::kModePlain, BoxFirst);
}

void RegularPolygonCommand() {
  Shape() = ShapeRun{};
  AskSides();
}

void CircleCommand() {
  Shape() = ShapeRun{};
  AskPoint(Shape().a, "Centre:", vx::kModePlain, CircleCentre);
}

void ArcCommand() {
  Shape() = ShapeRun{};
  AskPoint(Shape().a, "Arc start point:", vx::kModePlain, ArcStart);
}

}  // namespace vxh::hostcmd
