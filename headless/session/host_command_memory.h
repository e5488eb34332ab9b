// What the host's own commands remember: the answers of the run in progress
// and, for RPOLY, the last polygon, whose sides, size and turn Enter reuses.
// The session owns it, so a new session starts with the defaults.
#pragma once

#include <cstdint>
#include <vector>

#include "headless/session/host_command_support.h"
#include "host/entity_layout.h"

namespace vxh::hostcmd {

struct LineRun {
  Pt from, to;
  DrawingStep step;
};

// PATH and POLY collect their vertices and add one entity at Enter.
struct PolyRun {
  int kind = vx::kKindPath;
  std::vector<Pt> points;
  Pt next;
  DrawingStep step;
};

struct PointRun {
  Pt at;
  DrawingStep step;
};

// BOX, RPOLY, CIRP and ARCB: a few points.
struct ShapeRun {
  Pt a, b, c;
  DrawingStep step;
};

struct RegularPolygonMemory {
  std::int32_t sides = 4;
  double radius = 1.0;
  double rotation = 0.0;
};

struct SymbolRun {
  char name[kTextBufferBytes] = {};
  vx::Entity definition = nullptr;
  Pt insertion;
  double scale = 1.0;
  double angle = 0.0;
};

struct TextRun {
  Pt origin;
  char text[kTextBufferBytes] = {};
  DrawingStep step;
};

struct CommandMemory {
  LineRun line;
  PolyRun poly;
  PointRun point;
  ShapeRun shape;
  RegularPolygonMemory regular_polygon;
  std::int32_t sides_answer = 0;
  SymbolRun symbol;
  TextRun text;
  char name[kTextBufferBytes] = {};  // LAYER, OPEN, SAVE
  char snap[kTextBufferBytes] = {};  // SNAP
};

// The running session's memory; a HostFault naming `command` when no session
// runs.
CommandMemory& Memory(const char* command);

}  // namespace vxh::hostcmd
