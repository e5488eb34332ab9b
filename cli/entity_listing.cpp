#include "cli/entity_listing.h"

#include <charconv>
#include <cstring>

#include "headless/drawing/document.h"
#include "headless/geometry/entity_access.h"
#include "headless/text_encoding.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxcli {

namespace {

using vx::Entity;

// Shortest text that reads back as the same double.
std::string Num(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string JsonString(const char* text) {
  std::string out = "\"";
  for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
    if (*c == '"' || *c == '\\') {
      out += '\\';
      out += static_cast<char>(*c);
    } else if (*c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", *c);
      out += escape;
    } else if (*c >= 0x80) {
      out += vxh::Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(c), 1));
    } else {
      out += static_cast<char>(*c);
    }
  }
  return out + "\"";
}

struct Point {
  double x, y;
};

std::vector<Point> PointsOf(Entity e) {
  const int kind = vx::GetI8(e, vx::kHdrKind);
  std::vector<Point> points;
  if (kind == vx::kKindLine) {
    points.push_back({vx::GetF64(e, vx::kLineX1), vx::GetF64(e, vx::kLineY1)});
    points.push_back({vx::GetF64(e, vx::kLineX2), vx::GetF64(e, vx::kLineY2)});
  } else if (kind == vx::kKindPath || kind == vx::kKindPolygon) {
    const unsigned count = vx::GetU16(e, vx::kPolyCount);
    for (unsigned i = 0; i < count; ++i) {
      const std::size_t at = vx::kPolyVertices + i * vx::kVertexBytes;
      points.push_back({vx::GetF64(e, at), vx::GetF64(e, at + 8)});
    }
  } else if (kind == vx::kKindPoint) {
    points.push_back({vx::GetF64(e, vx::kPointX), vx::GetF64(e, vx::kPointY)});
  }
  return points;
}

bool IsCircular(int kind) { return kind == vx::kKindCircle || kind == vx::kKindArc; }
bool IsText(int kind) { return kind == vx::kKindText; }

std::string PointsJson(const std::vector<Point>& points) {
  std::string out = "[";
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i) out += ",";
    out += "[" + Num(points[i].x) + "," + Num(points[i].y) + "]";
  }
  return out + "]";
}

std::string CircularJson(Entity e, int kind) {
  std::string out = ",\"center\":[" + Num(vx::GetF64(e, vx::kCircleX)) + "," +
                    Num(vx::GetF64(e, vx::kCircleY)) + "],\"radius\":" +
                    Num(vx::GetF64(e, vx::kCircleR));
  if (kind == vx::kKindArc) {
    out += ",\"start\":" + Num(vx::GetF64(e, vx::kArcStart)) +
           ",\"sweep\":" + Num(vx::GetF64(e, vx::kArcSweep));
  }
  return out;
}

std::string TextJson(Entity e) {
  const std::uint8_t* spec = e + vx::kTextSpec;
  return ",\"origin\":[" + Num(vx::GetF64(e, vx::kTextX)) + "," + Num(vx::GetF64(e, vx::kTextY)) +
         "],\"text\":" + JsonString(reinterpret_cast<const char*>(e + vx::kTextString)) +
         ",\"height\":" + Num(vx::GetF32(spec, vx::kSpecHeight)) +
         ",\"angle\":" + Num(vx::GetF32(spec, vx::kSpecAngle));
}

std::string MembersJson(const vxh::EntityList& list, Entity e) {
  const vxh::EntityList* members = list.Members(e);
  if (!members) return "";
  std::string out = ",\"members\":[";
  bool first = true;
  members->ForEach([&](Entity m) {
    if (!first) out += ",";
    first = false;
    out += DescribeJson(*members, m);
  });
  return out + "]";
}

std::string TextFields(Entity e, int kind) {
  std::string out;
  for (const Point& p : PointsOf(e)) out += " (" + Num(p.x) + ", " + Num(p.y) + ")";
  if (IsCircular(kind)) {
    out += " centre (" + Num(vx::GetF64(e, vx::kCircleX)) + ", " + Num(vx::GetF64(e, vx::kCircleY)) +
           ") radius " + Num(vx::GetF64(e, vx::kCircleR));
    if (kind == vx::kKindArc)
      out += " start " + Num(vx::GetF64(e, vx::kArcStart)) + " sweep " + Num(vx::GetF64(e, vx::kArcSweep));
  }
  if (IsText(kind)) {
    out += " (" + Num(vx::GetF64(e, vx::kTextX)) + ", " + Num(vx::GetF64(e, vx::kTextY)) + ") " +
           JsonString(reinterpret_cast<const char*>(e + vx::kTextString)) + " height " +
           Num(vx::GetF32(e + vx::kTextSpec, vx::kSpecHeight));
  }
  return out;
}

}  // namespace

std::string DescribeText(const vxh::EntityList& list, Entity e, int depth) {
  const int kind = vx::GetI8(e, vx::kHdrKind);
  std::string out(static_cast<std::size_t>(depth) * 2, ' ');
  out += vxh::KindName(kind);
  out += " layer " + std::to_string(vx::GetU16(e, vx::kHdrLayer)) + ":" + TextFields(e, kind) + "\n";
  if (const vxh::EntityList* members = list.Members(e)) {
    members->ForEach([&](Entity m) { out += DescribeText(*members, m, depth + 1); });
  }
  return out;
}

std::string DescribeJson(const vxh::EntityList& list, Entity e) {
  const int kind = vx::GetI8(e, vx::kHdrKind);
  std::string out = "{\"kind\":" + std::to_string(kind) + ",\"name\":\"" + vxh::KindName(kind) +
                    "\",\"layer\":" + std::to_string(vx::GetU16(e, vx::kHdrLayer));
  const std::vector<Point> points = PointsOf(e);
  if (!points.empty()) out += ",\"points\":" + PointsJson(points);
  if (IsCircular(kind)) out += CircularJson(e, kind);
  if (IsText(kind)) out += TextJson(e);
  return out + MembersJson(list, e) + "}";
}

}  // namespace vxcli
