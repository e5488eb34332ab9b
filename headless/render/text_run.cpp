#include "headless/render/text_run.h"

#include <algorithm>
#include <cmath>

#include "headless/drawing/attribute_layout.h"
#include "host/record.h"

namespace vxh {

namespace {

std::uint32_t SizeOf(vx::Entity e) { return vx::GetU32(e, vx::kHdrSize); }

std::string StringAt(vx::Entity e, std::size_t offset) {
  const auto* s = reinterpret_cast<const char*>(e + offset);
  const auto* end = std::find(s, s + (SizeOf(e) - offset), '\0');
  return std::string(s, end);
}

P2 PointAt(vx::Entity e, std::size_t offset) { return {vx::GetF64(e, offset), vx::GetF64(e, offset + 8)}; }

std::optional<TextRun> AttributeRun(vx::Entity e, const TextSpec& defaults) {
  if (SizeOf(e) < vx::kAttrFixedBytes) return std::nullopt;
  const std::uint32_t at = vx::GetU32(e, vx::kAttrStringOffset);
  if (at == 0 || at >= SizeOf(e)) return std::nullopt;
  // A record long enough to hold a text format block carries its own height,
  // angle and font; a short one is drawn with the current ones.
  const std::uint8_t* spec = SizeOf(e) >= kAttrTextStart ? e + kAttrSpec : defaults.data();
  return RunOf(PointAt(e, vx::kAttrX), spec, StringAt(e, at));
}

double Finite(double v, double otherwise) { return std::isfinite(v) ? v : otherwise; }

}  // namespace

TextRun RunOf(const P2& origin, const std::uint8_t* spec, std::string text) {
  TextRun run;
  run.origin = origin;
  run.height = Finite(vx::GetF32(spec, vx::kSpecHeight), 0);
  run.width_factor = Finite(vx::GetF32(spec, vx::kSpecWidth), 1);
  run.angle = Finite(vx::GetF32(spec, vx::kSpecAngle), 0);
  run.font = vx::GetU16(spec, vx::kSpecFont);
  run.style_bits = vx::GetU8(spec, vx::kSpecStyleBits);
  run.justify = vx::GetU8(spec, vx::kSpecJustify);
  run.text = std::move(text);
  return run;
}

std::optional<TextRun> TextRunOf(vx::Entity e, const TextSpec& defaults) {
  switch (vx::GetI8(e, vx::kHdrKind)) {
    case vx::kKindText:
      if (SizeOf(e) < vx::TextSize(0)) return std::nullopt;
      return RunOf(PointAt(e, vx::kTextX), e + vx::kTextSpec, StringAt(e, vx::kTextString));
    case vx::kKindTextLike:
      if (SizeOf(e) < vx::TextLikeSize(0)) return std::nullopt;
      return RunOf(PointAt(e, vx::kTextLikeX), defaults.data(), StringAt(e, vx::kTextLikeString));
    case vx::kKindAttribute: return AttributeRun(e, defaults);
    default: return std::nullopt;
  }
}

}  // namespace vxh
