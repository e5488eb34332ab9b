#include "layers/same_as_script.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "host/entity_layout.h"
#include "host/record.h"

namespace vx {

namespace {

constexpr std::size_t kBoxVertices = 5;
// Sides and box edges may differ by this fraction and still count as equal
// or as axis-parallel.
constexpr double kShapeTolerance = 1.0 / 100;

double Distance(const Vertex& a, const Vertex& b) { return std::hypot(b.x - a.x, b.y - a.y); }

bool AllBelow(std::initializer_list<double> values, double tolerance) {
  return std::all_of(values.begin(), values.end(), [&](double d) { return std::fabs(d) < tolerance; });
}

bool IsBox(const std::vector<Vertex>& v) {
  const double tol = Distance(v[0], v[2]) * kShapeTolerance;
  return AllBelow({v[0].x - v[1].x, v[1].y - v[2].y, v[2].x - v[3].x, v[3].y - v[4].y}, tol) ||
         AllBelow({v[0].y - v[1].y, v[1].x - v[2].x, v[2].y - v[3].y, v[3].x - v[4].x}, tol);
}

PolygonVerdict RegularOrNot(const std::vector<Vertex>& v) {
  const std::size_t corners = v.size() - 1;
  double shortest = Distance(v[0], v[1]), longest = shortest;
  Vertex sum;
  for (std::size_t i = 0; i < corners; ++i) {
    const double side = Distance(v[i], v[i + 1]);
    shortest = std::min(shortest, side);
    longest = std::max(longest, side);
    sum.x += v[i].x;
    sum.y += v[i].y;
  }
  if (!(longest - shortest < longest * kShapeTolerance)) return {};
  const double n = static_cast<double>(corners);
  return {PolygonShape::kRegular, static_cast<std::int32_t>(corners), {sum.x / n, sum.y / n}};
}

const char* CurveScript(std::uint8_t type, bool closed) {
  switch (type) {
    case kCurveLines: return closed ? "POLY;" : "PATH;";
    case kCurveSpline: return closed ? "SPOLY;" : "SPLINE;";
    case kCurvePSpline: return closed ? "PSPOLY;" : "PSPLINE;";
    case kCurveBezier: return "BEZ;";
    default: return nullptr;
  }
}

bool Fits(const std::uint8_t* record, std::size_t end) { return GetU32(record, kHdrSize) >= end; }

}  // namespace

PolygonVerdict ClassifyPolygon(const std::vector<Vertex>& v) {
  if (v.size() == kBoxVertices && IsBox(v)) return {PolygonShape::kBox, 0, {}};
  if (v.size() > 3) return RegularOrNot(v);
  return {};
}

std::optional<std::vector<Vertex>> PolygonVertices(const std::uint8_t* record) {
  if (!Fits(record, kPolyVertices)) return std::nullopt;
  const std::uint16_t count = GetU16(record, kPolyCount);
  if (!Fits(record, PolySize(count))) return std::nullopt;
  std::vector<Vertex> out(count);
  for (std::uint16_t i = 0; i < count; ++i) {
    out[i] = {GetF64(record, kPolyVertices + kVertexBytes * i), GetF64(record, kPolyVertices + kVertexBytes * i + 8)};
  }
  return out;
}

const char* FixedSameAsScript(const std::uint8_t* record) {
  switch (GetI8(record, kHdrKind)) {
    case kKindPoint: return "POINT;";
    case kKindLine: return "LINE;";
    case kKindPath: return "PATH;";
    case kKindCircle: return "CIRP;";
    case kKindArc: return "ARCB;";
    case kKindEllipse: return "ELIPP;";
    case kKindEllipticalArc: return "ELIPA;";
    case kKindCurvePath: return Fits(record, kCurveType + 1) ? CurveScript(GetU8(record, kCurveType), false) : nullptr;
    case kKindClosedCurve: return Fits(record, kCurveType + 1) ? CurveScript(GetU8(record, kCurveType), true) : nullptr;
    case kKindDimLinear:
      if (!Fits(record, kDimLinearPointFlag + 1)) return nullptr;
      return (GetU8(record, kDimLinearPointFlag) & 0x1) != 0 ? "DIMP;" : "DIML;";
    case kKindDimRadial:
      if (!Fits(record, kDimRadialFlag + 1)) return nullptr;
      return (GetU8(record, kDimRadialFlag) & 0x2) != 0 ? "DIMR;" : "DIMD;";
    case kKindDimArc: return "DIMAQ;";
    case kKindDimOrdinate: return "DIMO;";
    case kKindWall: return "WALL;";
    case kKindBezier: return "BEZ;";
    default: return nullptr;
  }
}

const char* ArrowCompositeScript(int first_member_kind, std::uint32_t flags) {
  const bool both = (flags & 0x3) == 0x3;
  switch (first_member_kind) {
    case kKindLine: return both ? "LINEDA;" : "LINEA;";
    case kKindPath: return both ? "PATHDA;" : "PATHA;";
    case kKindCurvePath: return both ? "SPLINEDA;" : "SPLINEA;";
    case kKindArc: return both ? "ARCDA;" : ((flags & 0x1) != 0 ? "ARCAS;" : "ARCA;");
    default: return nullptr;
  }
}

std::optional<std::string> SymbolName(const std::uint8_t* record) {
  const std::uint32_t size = GetU32(record, kHdrSize);
  if (size <= kSymName) return std::nullopt;
  const char* name = reinterpret_cast<const char*>(record + kSymName);
  const void* end = std::memchr(name, '\0', size - kSymName);
  if (end == nullptr) return std::nullopt;
  return std::string(name, static_cast<const char*>(end));
}

std::string SymbolScript(const std::string& name) {
  std::string out = "SYMBOL;\"";
  for (const char c : name) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\";";
}

}  // namespace vx
