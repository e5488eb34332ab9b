// Which host command makes an entity like a picked one: pure rules on the
// record's bytes, kept apart from the command so they are tested alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vx {

struct Vertex {
  double x = 0, y = 0;
};

enum class PolygonShape { kBox, kRegular, kOther };

struct PolygonVerdict {
  PolygonShape shape = PolygonShape::kOther;
  std::int32_t sides = 0;  // kRegular: the vertex count without the repeated last one
  Vertex centre;           // kRegular: the mean of those vertices
};

// A closed polygon's vertices, the last repeating the first.
PolygonVerdict ClassifyPolygon(const std::vector<Vertex>& v);

// The vertices of a polygon record; nothing when the count does not fit the
// record's size.
std::optional<std::vector<Vertex>> PolygonVertices(const std::uint8_t* record);

// The script of the kinds whose text depends on the record alone (every kind
// but polygons, texts, symbols and arrow composites); null when there is none.
const char* FixedSameAsScript(const std::uint8_t* record);

// Kind 34: by the kind of its first member (-1: no member) and the low two
// bits of its u32 at 42; null when there is none.
const char* ArrowCompositeScript(int first_member_kind, std::uint32_t flags);

// The symbol's name at 132, when a NUL ends it inside the record.
std::optional<std::string> SymbolName(const std::uint8_t* record);

// "SYMBOL;name;" with the name quoted, so that a ';' or a line end in a name
// stays part of the name instead of starting further commands.
std::string SymbolScript(const std::string& name);

}  // namespace vx
