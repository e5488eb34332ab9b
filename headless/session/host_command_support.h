// What the host's own commands share: asking for points and texts, building
// records, and adding them to the drawing as one undo step per command run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/kv_types.h"

namespace vxh::hostcmd {

struct Pt {
  double x = 0, y = 0;
};

// Texts answered to host commands fit this buffer with their NUL.
inline constexpr std::size_t kTextBufferBytes = 260;
// Vertex counts are 16 bits; a path stops taking points at this many.
inline constexpr std::size_t kMaxVertices = 0xFFFF;

void AskPoint(Pt& buffer, const char* prompt, std::intptr_t mode, vx::Continuation next);
void AskText(char* buffer, const char* prompt, vx::Continuation next);
void AskInteger(std::int32_t& buffer, const char* prompt, vx::Continuation next);
void SetOrigin(const Pt& p);  // the rubber line and box start here
void ShowError(const char* text);
void ShowMessage(const char* text);

// Adds records to the working list: the first addition of a command run sets
// the undo mark, so a run is one undo step. New entities take the current
// settings, are committed and then unmarked, so drawing never leaves a
// selection behind.
class DrawingStep {
 public:
  vx::Entity Add(const std::vector<std::uint8_t>& record);

 private:
  bool marked_ = false;
};

std::vector<std::uint8_t> PointRecord(const Pt& p);
std::vector<std::uint8_t> LineRecord(const Pt& a, const Pt& b);
// Kind 3 (path) or 4 (polygon); a polygon's first vertex is repeated at the end.
std::vector<std::uint8_t> PolyRecord(int kind, const std::vector<Pt>& points);
std::vector<std::uint8_t> CircleRecord(const Pt& centre, double radius);
std::vector<std::uint8_t> ArcRecord(const Pt& centre, double radius, double start, double sweep);
// The text format block comes from the drawing's text defaults.
std::vector<std::uint8_t> TextRecord(const Pt& origin, const std::string& text);

// A file name from a script; one beginning with '#' lies in the host folder.
std::string ResolveHostFile(const std::string& name);

}  // namespace vxh::hostcmd
