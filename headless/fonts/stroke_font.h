// A host stroke font as its file holds it: advances, em size, baseline and
// per character a list of move, line and arc records in font units.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vxh {

struct StrokeRecord {
  enum Kind : std::uint8_t { kMove, kLine, kArc };
  Kind kind = kMove;
  std::uint8_t x = 0;  // end point of a move or line; centre of an arc
  std::uint8_t y = 0;
  std::uint8_t radius = 0;  // arcs: radius and angles in steps of pi / 128
  std::uint8_t start = 0;
  std::uint8_t end = 0;

  friend bool operator==(const StrokeRecord&, const StrokeRecord&) = default;
};

inline constexpr int kStrokeCodes = 256;

struct StrokeFont {
  std::int16_t em_size = 1;
  std::int16_t baseline = 0;
  std::int16_t extra_spacing = 0;
  // Code 0 has no advance: its byte holds the file's format.
  std::array<std::int8_t, kStrokeCodes> advance{};
  std::array<std::vector<StrokeRecord>, kStrokeCodes> glyphs;

  friend bool operator==(const StrokeFont&, const StrokeFont&) = default;
};

}  // namespace vxh
