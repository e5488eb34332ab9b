// Where a family's first scan line and its dashes start. The stepping loops
// are kept as the pattern arithmetic has always done them, so nearby origins
// give the same doubles; far away origins are reached by one arithmetic jump
// first, so no loop runs for billions of steps.
#pragma once

namespace vx {

struct FamilyStart {
  double x = 0;      // first scan line at or right of the box's left edge
  double phase = 0;  // dash phase on that line
};

// False when the position cannot be reached (spacing that does not advance x,
// values that are not finite).
bool PlaceFirstLine(double origin_x, double origin_y, double spacing, double shift, double min_x, FamilyStart& out);

// Brings the phase between one and two periods. False when it cannot.
bool NormalisePhase(double& phase, float period);

// The start of the dash pattern for a hatch line that begins at y1: the last
// pattern start at or below y1. False when it cannot be found.
bool FirstDashStart(double y1, float period, double phase, double& w);

}  // namespace vx
