// Every tolerance of the headless host, in one place: the geometry kernel's,
// the DXF reader's and writer's, the pictures' and the picks'. Exact
// comparisons that are deliberate (shared vertices, parameters 0 and 1) are
// marked where made. Angles are in radians.
#pragma once

namespace vxh::tol {

// Two lines whose directions make a sine below this are parallel for IntL2 and
// IL3XYPS (relative: the cross product divided by both lengths).
inline constexpr double kParallelSine = 1e-12;

// Points closer than this in both coordinates are the same point (FDNSame2).
inline constexpr double kSamePoint = 1e-9;

// A point whose offset from a line is below this fraction of the line's length
// lies on the line: its parameter is taken from the dominant coordinate alone,
// so it equals what P2TL2 gives for it.
inline constexpr double kOnLineRelative = 1e-9;

// A parameter this close to 0 or 1 on a curved entity is snapped to the end,
// so the end points of arcs and circles read back as exactly 0 and 1.
inline constexpr double kParamSnap = 1e-12;

// A linear map is a similarity (uniform scale, rotation, mirror) when its two
// columns are orthogonal and of equal length within this relative tolerance.
inline constexpr double kSimilarity = 1e-9;

// A determinant below this (relative to the squared scale) makes a matrix
// singular for Inverse.
inline constexpr double kSingular = 1e-14;

}  // namespace vxh::tol

namespace vxh::tol {

// Intersections: a meeting point lies on both entities within this fraction
// of the larger entity's size, and a line this close (relative to an
// ellipse's size) to touching it is tangent and meets it once.
inline constexpr double kMeetRelative = 1e-9;

// Meeting points of one pair of pieces closer than this fraction of the size
// are one point (a tangency found from several sides).
inline constexpr double kMergeRelative = 1e-7;

// Subdivision stops when both parts are below this fraction of the size and
// hands over to Newton's method.
inline constexpr double kLeafRelative = 1e-6;

// Two pieces that still overlap in this many leaf pairs lie on each other:
// their meeting is reported by the ends of the overlap.
inline constexpr int kOverlapLeaves = 4096;

// EExplode keeps every chord within this fraction of the entity's size.
inline constexpr double kExplodeChordRelative = 1e-5;

// An ellipse whose axes are equal and perpendicular within this fraction of
// the squared size is a circle; one whose axes' cross product is below it is
// flat (it has no frame in which it is the unit circle).
inline constexpr double kCircularRelative = 1e-12;

// The nearest point on a curve is searched first among samples this fraction
// of the curve's size apart, then polished by Newton until a step is below
// kNewtonStep.
inline constexpr double kNearestSampleRelative = 1e-3;
inline constexpr double kNewtonStep = 1e-15;

// Polishing a meeting of two pieces stops once the points are this fraction
// of the meeting tolerance apart; the damping keeps tangencies (a singular
// Jacobian) converging.
inline constexpr double kPolishRelative = 1e-4;
inline constexpr double kPolishDamping = 1e-12;

// Guards against dividing by a size or leading coefficient that has
// underflowed: not a tolerance of the geometry, only of the arithmetic.
inline constexpr double kTiny = 1e-300;

}  // namespace vxh::tol

// DXF files: values that other programs wrote with their own rounding.
namespace vxh::tol {

// Coordinates, knots, shears and dash periods equal within this fraction of
// their size (at least 1) are equal: a spline's knots evenly spaced, a block
// reference's base point, a closed curve's ends, a pattern shift of whole
// periods, an ellipse ratio of at most 1.
inline constexpr double kDxfRelative = 1e-9;

// An extrusion direction whose x and y stay below this (and whose z does not)
// is the drawing plane's normal.
inline constexpr double kDxfNormalAxis = 1e-9;

// An arc sweep (radians) within this of none or of a full turn is a full
// turn; a sweep this far below a whole number of quarter turns needs no
// further piece.
inline constexpr double kDxfSweepAngle = 1e-12;
inline constexpr double kDxfQuarterCount = 1e-9;

}  // namespace vxh::tol

// Pictures and picks.
namespace vxh::tol {

// A drawing's extents narrower than this are shown as an empty window.
inline constexpr double kSmallestSpan = 1e-9;

// Pieces of a path closer than this (relative to their size) join.
inline constexpr double kJoinRelative = 1e-9;

// Chords of curved outlines stay within this fraction of the entity's size.
inline constexpr double kOutlineChordRelative = 1e-4;

// Three points whose cross product is below this (relative to the squared
// size) lie on one line.
inline constexpr double kCollinearRelative = 1e-12;

}  // namespace vxh::tol
