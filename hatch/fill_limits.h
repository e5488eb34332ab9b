// Guards of the fill engine against pattern data that would make it run
// (nearly) forever. All are far beyond anything a drawing needs.
#pragma once

#include <cstdint>

namespace vx::fill {

// Positioning loops step one line or one period at a time; when the distance
// is more steps than this, the position jumps there arithmetically first.
inline constexpr double kJumpSteps = 1024;

// A literal stepping loop that has not settled after this many steps is not
// making progress (the step vanishes against the position's magnitude).
inline constexpr int kMaxSettleSteps = 4096;

// A family needing more scan lines than this across the boundary is too
// dense to draw; so is a fill making more lines than kMaxLinesPerFill in all
// (dashes multiply the lines of a scan line). Each line is a record of the
// drawing: two million of them are some hundreds of megabytes, already far
// more than a picture or a plotter can show apart.
inline constexpr double kMaxScanLines = 1'000'000;
inline constexpr long kMaxLinesPerFill = 2'000'000;

// A hatch line longer than this many dash periods is drawn continuous: its
// dashes would be far finer than anything that can be drawn.
inline constexpr double kMaxPeriodsPerLine = 1'000'000;

// Room for the crossings of one scan line, reserved once per fill; the buffer
// grows beyond it when a scan line has more.
inline constexpr std::size_t kInitialCrossings = 512;

// Ends of separate boundary pieces (lines, arcs, the ends of paths) closer
// than this fraction of the boundary's size are one junction: exploded curves
// and arcs computed from their angles rarely close bit for bit.
inline constexpr double kJunctionRelative = 1e-9;

// A span between two crossings shorter than this fraction of the boundary's
// size is no hatch line: it is two crossings of one place (boundaries meeting
// there) computed a rounding error apart.
inline constexpr double kMinSpanRelative = 1e-9;

}  // namespace vx::fill
