#include "headless/kvd/record_rules.h"

#include <cstring>

#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {
namespace {

std::string Expect(const char* what, std::uint32_t size, std::uint32_t wanted) {
  if (size == wanted) return {};
  return std::string(what) + " record must be " + std::to_string(wanted) + " bytes, not " + std::to_string(size);
}

std::string AtLeast(const char* what, std::uint32_t size, std::uint32_t least) {
  if (size >= least) return {};
  return std::string(what) + " record must be at least " + std::to_string(least) + " bytes, not " +
         std::to_string(size);
}

// A string from `offset` that must end with the record's last byte.
std::string TrailingString(const char* what, const std::uint8_t* record, std::uint32_t size, std::size_t offset,
                           std::uint32_t extra) {
  if (std::string problem = AtLeast(what, size, extra); !problem.empty()) return problem;
  const void* nul = std::memchr(record + offset, 0, size - offset);
  if (nul == nullptr) return std::string(what) + " string has no NUL at its end";
  const auto length = static_cast<std::uint32_t>(static_cast<const std::uint8_t*>(nul) - (record + offset));
  if (length + extra != size) {
    return std::string(what) + " record of " + std::to_string(size) + " bytes holds a string of " +
           std::to_string(length) + " characters (size must be length + " + std::to_string(extra) + ")";
  }
  return {};
}

std::string Counted(const char* what, const std::uint8_t* record, std::uint32_t size, std::size_t count_at,
                    std::uint32_t (*size_of)(std::uint32_t)) {
  if (std::string problem = AtLeast(what, size, size_of(0)); !problem.empty()) return problem;
  const std::uint32_t count = vx::GetU16(record, count_at);
  return Expect(what, size, size_of(count));
}

std::uint32_t PolyRule(std::uint32_t n) { return vx::PolySize(n); }
std::uint32_t CurveRule(std::uint32_t n) { return vx::CurveSize(n); }
std::uint32_t BezierRule(std::uint32_t n) { return vx::BezierSize(n); }

}  // namespace

std::string RecordRuleViolation(const std::uint8_t* record, std::uint32_t size) {
  if (size < vx::kHeaderBytes) return AtLeast("an entity", size, vx::kHeaderBytes);
  const int kind = vx::GetI8(record, vx::kHdrKind);
  switch (kind) {
    case vx::kKindPoint: return Expect("a point", size, vx::kPointSize);
    case vx::kKindLine: return Expect("a line", size, vx::kLineSize);
    case vx::kKindPath: return Counted("a path", record, size, vx::kPolyCount, PolyRule);
    case vx::kKindPolygon: return Counted("a polygon", record, size, vx::kPolyCount, PolyRule);
    case vx::kKindText: return TrailingString("a text", record, size, vx::kTextString, vx::TextSize(0));
    case vx::kKindCircle: return Expect("a circle", size, vx::kCircleSize);
    case vx::kKindArc: return Expect("an arc", size, vx::kArcSize);
    case vx::kKindEllipse: return Expect("an ellipse", size, vx::kEllipseSize);
    case vx::kKindEllipticalArc: return Expect("an elliptical arc", size, vx::kEllArcSize);
    case vx::kKindGroup: return Expect("a group", size, vx::kGroupSize);
    case vx::kKindOpaque: return {};
    case vx::kKindSymbol: return TrailingString("a symbol", record, size, vx::kSymName, vx::SymbolSize(0));
    case vx::kKindGlyphContainer: return Expect("a glyph container", size, vx::kGroupSize);
    case vx::kKindCurvePath: return Counted("a curve path", record, size, vx::kCurveCount, CurveRule);
    case vx::kKindClosedCurve: return Counted("a closed curve", record, size, vx::kCurveCount, CurveRule);
    case vx::kKindDimLinear:
    case vx::kKindDimRadial:
    case vx::kKindDimArc:
    case vx::kKindDimOrdinate: return AtLeast("a dimension", size, vx::kDimStyle + vx::kDimStyleBytes);
    case vx::kKindTextLike:
      return TrailingString("a text-like", record, size, vx::kTextLikeString, vx::TextLikeSize(0));
    case vx::kKindArrowComposite: return AtLeast("an arrow composite", size, vx::kArrowFlags + 4);
    case vx::kKindContainer: return AtLeast("a container", size, vx::kContainerFlags + 4);
    case vx::kKindAttribute: return AtLeast("an attribute", size, vx::kAttrFixedBytes);
    case vx::kKindWall: return Expect("a wall", size, vx::kWallSize);
    case vx::kKindBezier: return Counted("a Bezier curve", record, size, vx::kBezCount, BezierRule);
    default: return "entity kind " + std::to_string(kind) + " is not a known kind";
  }
}

}  // namespace vxh
