// Reading the host's stroke-font files: the advance of a character and its
// strokes (lines and arcs) in font units. Every offset and record is checked
// against the file's size, so a damaged file draws less, never reads past it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/point_types.h"

namespace vx {

struct StrokeShape {
  bool arc = false;
  Point2 from;  // line start
  Point2 to;    // line end
  Point2 centre;
  double radius = 0;
  double start = 0;  // radians
  double sweep = 0;  // radians, counter-clockwise
};

class StrokeFont {
 public:
  explicit StrokeFont(std::span<const std::uint8_t> file) : file_(file) {}

  // A file of the known format whose header is whole and whose em size is
  // not 0; nothing of any other file is drawn.
  bool Usable() const;
  double EmSize() const;
  double Baseline() const;
  // Font units the pen moves after the character: its advance plus the
  // font's extra spacing.
  double Advance(std::uint8_t c) const;
  // The character's strokes with the pen at pen_x. A list whose offset or any
  // record lies outside the file gives no strokes at all.
  std::vector<StrokeShape> Strokes(std::uint8_t c, double pen_x) const;

 private:
  std::span<const std::uint8_t> file_;
};

}  // namespace vx
