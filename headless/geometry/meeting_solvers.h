// The solvers behind IntersectPieces, one per pair of piece sorts. Each
// appends meetings with sa on its first argument; `tolerance` is absolute.
#pragma once

#include <optional>
#include <vector>

#include "headless/geometry/piece_intersect.h"

namespace vxh {

void MeetLines(const Piece& a, const Piece& b, double tolerance, std::vector<Meeting>& out);
// `swapped` reports the line's parameter as sb instead of sa.
void MeetLineEllipse(const Piece& line, const Piece& ellipse, double tolerance, bool swapped,
                     std::vector<Meeting>& out);
void MeetCircles(const Piece& a, const Piece& b, double tolerance, std::vector<Meeting>& out);
void MeetNumerically(const Piece& a, const Piece& b, double size, std::vector<Meeting>& out);

// Ends of each piece that lie on the other: how overlapping pieces meet.
void MeetAtOverlapEnds(const Piece& a, const Piece& b, double tolerance, std::vector<Meeting>& out);
// A piece that is a single point meets another where it lies on it.
void MeetPoint(const Piece& point, const Piece& other, double tolerance, bool swapped, std::vector<Meeting>& out);

// The arc's local parameter of the parametric angle θ, or none when θ is
// off the arc by more than `angle_tolerance`.
std::optional<double> ArcParamOfAngle(const Piece& arc, double theta, double angle_tolerance);

bool IsPointPiece(const Piece& piece);

}  // namespace vxh
