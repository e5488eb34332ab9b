// BOX, RPOLY, CIRP and ARCB: shapes from a few points.
#include <cmath>
#include <numbers>
#include <vector>

#include "headless/session/arc_math.h"
#include "headless/session/host_command_support.h"
#include "headless/session/host_commands_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"

namespace vxh::hostcmd {

namespace {

constexpr std::int32_t kFewestSides = 3;
constexpr std::int32_t kMostSides = 1024;

struct ShapeState {
  Pt a, b, c;
  DrawingStep step;
};
ShapeState g_shape;

bool Answered(int status) {
  if (status == vx::kStatusAnswered) return true;
  vx::CmdEnd();
  return false;
}

// ---- BOX: two opposite corners ------------------------------------------

void BoxSecond(int status) {
  if (!Answered(status)) return;
  const Pt& p = g_shape.a;
  const Pt& q = g_shape.b;
  if (p.x == q.x || p.y == q.y) {  // exact: a box with no area
    ShowError("A box needs two corners that differ in x and in y");
  } else {
    g_shape.step.Add(PolyRecord(vx::kKindPolygon, {{p.x, p.y}, {q.x, p.y}, {q.x, q.y}, {p.x, q.y}}));
  }
  vx::CmdEnd();
}

void BoxFirst(int status) {
  if (!Answered(status)) return;
  SetOrigin(g_shape.a);
  AskPoint(g_shape.b, "Opposite corner:", vx::kModeRubberBox, BoxSecond);
}

// ---- RPOLY: sides, centre, one corner -------------------------------------
// The side count and the corner's distance and direction from the centre
// are kept between runs: Enter at either prompt reuses them.

struct RegularPolygonMemory {
  std::int32_t sides = 4;
  double radius = 1.0;
  double rotation = 0.0;
};
RegularPolygonMemory g_rpoly;
std::int32_t g_sides_answer = 0;

void AskSides();

void RPolyCorner(int status) {
  if (status == vx::kStatusAnswered) {
    const double dx = g_shape.b.x - g_shape.a.x, dy = g_shape.b.y - g_shape.a.y;
    if (dx == 0 && dy == 0) {  // exact: the corner is the centre
      ShowError("The corner must differ from the centre");
      return vx::CmdEnd();
    }
    g_rpoly.radius = std::hypot(dx, dy);
    g_rpoly.rotation = std::atan2(dy, dx);
  } else if (status != vx::kStatusDefault) {
    return vx::CmdEnd();
  }
  std::vector<Pt> corners;
  for (std::int32_t i = 0; i < g_rpoly.sides; ++i) {
    const double angle = g_rpoly.rotation + 2 * std::numbers::pi * i / g_rpoly.sides;
    corners.push_back(
        {g_shape.a.x + g_rpoly.radius * std::cos(angle), g_shape.a.y + g_rpoly.radius * std::sin(angle)});
  }
  g_shape.step.Add(PolyRecord(vx::kKindPolygon, corners));
  vx::CmdEnd();
}

void RPolyCentre(int status) {
  if (!Answered(status)) return;
  SetOrigin(g_shape.a);
  AskPoint(g_shape.b, "Corner point:", vx::kModeRubberLine, RPolyCorner);
}

void RPolySides(int status) {
  if (status == vx::kStatusAnswered) {
    if (g_sides_answer < kFewestSides || g_sides_answer > kMostSides) {
      ShowError("A regular polygon has 3 to 1024 sides");
      return AskSides();
    }
    g_rpoly.sides = g_sides_answer;
  } else if (status != vx::kStatusDefault) {
    return vx::CmdEnd();
  }
  AskPoint(g_shape.a, "Centre:", vx::kModePlain, RPolyCentre);
}

void AskSides() {
  g_sides_answer = g_rpoly.sides;
  AskInteger(g_sides_answer, "Number of sides:", RPolySides);
}

// ---- CIRP: centre and a point on the circle --------------------------------

void CirclePoint(int status) {
  if (!Answered(status)) return;
  const double radius = std::hypot(g_shape.b.x - g_shape.a.x, g_shape.b.y - g_shape.a.y);
  if (radius == 0) {  // exact: the point is the centre
    ShowError("The point on the circle must differ from the centre");
  } else {
    g_shape.step.Add(CircleRecord(g_shape.a, radius));
  }
  vx::CmdEnd();
}

void CircleCentre(int status) {
  if (!Answered(status)) return;
  SetOrigin(g_shape.a);
  AskPoint(g_shape.b, "Point on circle:", vx::kModeRubberLine, CirclePoint);
}

// ---- ARCB: start, a point on the arc, end ----------------------------------

void ArcEnd(int status) {
  if (!Answered(status)) return;
  const std::optional<ArcFit> arc =
      ArcThroughPoints(g_shape.a.x, g_shape.a.y, g_shape.b.x, g_shape.b.y, g_shape.c.x, g_shape.c.y);
  if (!arc) {
    ShowError("The three points of an arc must not lie on one line");
  } else {
    g_shape.step.Add(ArcRecord({arc->cx, arc->cy}, arc->radius, arc->start, arc->sweep));
  }
  vx::CmdEnd();
}

void ArcMiddle(int status) {
  if (!Answered(status)) return;
  SetOrigin(g_shape.b);
  AskPoint(g_shape.c, "Arc end point:", vx::kModeRubberLine, ArcEnd);
}

void ArcStart(int status) {
  if (!Answered(status)) return;
  SetOrigin(g_shape.a);
  AskPoint(g_shape.b, "Point on arc:", vx::kModeRubberLine, ArcMiddle);
}

}  // namespace

void ForgetRegularPolygon() { g_rpoly = RegularPolygonMemory{}; }

void BoxCommand() {
  g_shape = ShapeState{};
  AskPoint(g_shape.a, "First corner:", vx::kModePlain, BoxFirst);
}

void RegularPolygonCommand() {
  g_shape = ShapeState{};
  AskSides();
}

void CircleCommand() {
  g_shape = ShapeState{};
  AskPoint(g_shape.a, "Centre:", vx::kModePlain, CircleCentre);
}

void ArcCommand() {
  g_shape = ShapeState{};
  AskPoint(g_shape.a, "Arc start point:", vx::kModePlain, ArcStart);
}

}  // namespace vxh::hostcmd
