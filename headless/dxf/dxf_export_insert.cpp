// Symbol instances as INSERTs, their attributes as the ATTRIBs that follow
// them. DXF INSERTs scale along the block's own axes and then rotate; a
// sheared instance transform has no INSERT and is written without its shear.
#include <cmath>
#include <numbers>

#include "headless/drawing/document.h"
#include "headless/dxf/dxf_export_writer.h"
#include "headless/dxf/dxf_records.h"
#include "headless/dxf/dxf_text.h"
#include "headless/tolerances.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh::dxf {

namespace {

constexpr double kDegrees = 180 / std::numbers::pi;
constexpr int kAttributesFollow = 1;

using Matrix = std::array<double, 12>;

P2 Apply(const Matrix& m, P2 p) { return {m[0] * p.x + m[1] * p.y + m[3], m[4] * p.x + m[5] * p.y + m[7]}; }

std::vector<vx::Entity> AttributeMembers(const EntityList* members) {
  std::vector<vx::Entity> out;
  if (members == nullptr) return out;
  members->ForEach([&](vx::Entity m) {
    if (vx::GetI8(m, vx::kHdrKind) == vx::kKindAttribute && vx::GetU32(m, vx::kHdrSize) >= kAttrTextStart &&
        (vx::GetU16(m, vx::kAttrFlags) & kAttrDefinition) == 0) {
      out.push_back(m);
    }
  });
  return out;
}

}  // namespace

// An attribute: ATTRIB after an INSERT, ATTDEF in a block; the text fields
// as a TEXT has them.
void EntityWriter::WriteAttribute(vx::Entity e, const DL_Attributes& a, const Matrix* placement) {
  const AttributeText t = AttributeTextOf(e);
  const bool definition = (t.flags & kAttrDefinition) != 0;
  const bool in_place = placement == nullptr || (t.flags & vx::kAttrNoTransform) != 0;
  const P2 p = in_place ? t.point : Apply(*placement, t.point);
  const P2 q = in_place ? t.second : Apply(*placement, t.second);
  const std::uint8_t* spec = e + kAttrSpec;
  const DxfJustify j = DxfJustifyOf(vx::GetU8(spec, vx::kSpecJustify));
  const double angle = vx::GetF32(spec, vx::kSpecAngle);
  out_.entity(definition ? "ATTDEF" : "ATTRIB");
  out_.dxfString(100, "AcDbEntity");
  out_.entityAttributes(a);
  out_.dxfString(100, "AcDbText");
  out_.dxfReal(10, p.x);
  out_.dxfReal(20, p.y);
  out_.dxfReal(30, 0.0);
  out_.dxfReal(40, vx::GetF32(spec, vx::kSpecHeight));
  out_.dxfString(1, t.value);
  out_.dxfReal(50, angle * kDegrees);
  out_.dxfReal(41, vx::GetF32(spec, vx::kSpecWidth) > 0 ? vx::GetF32(spec, vx::kSpecWidth) : 1.0);
  out_.dxfString(7, "STANDARD");
  out_.dxfInt(72, j.horizontal);
  // A baseline-left text has no alignment point; any other keeps it.
  const bool aligned = j.horizontal != 0 || j.vertical != 0;
  out_.dxfReal(11, aligned ? p.x : q.x);
  out_.dxfReal(21, aligned ? p.y : q.y);
  out_.dxfReal(31, 0.0);
  out_.dxfString(100, definition ? "AcDbAttributeDefinition" : "AcDbAttribute");
  if (definition) out_.dxfString(3, t.prompt);
  out_.dxfString(2, t.tag.empty() ? "TAG" : t.tag);
  out_.dxfInt(70, 0);
  out_.dxfInt(74, j.vertical);
}

void EntityWriter::WriteInsert(const EntityList& list, vx::Entity e, const DL_Attributes& a) {
  const std::string name(reinterpret_cast<const char*>(e + vx::kSymName));
  const auto block = blocks_.find(name);
  if (block == blocks_.end()) return;
  Matrix m;
  for (int i = 0; i < 12; ++i) m[i] = vx::GetF64(e, vx::kSymMatrix + 8 * i);
  const double sx = std::hypot(m[0], m[4]);
  if (!(sx > 0)) {
    ++skipped_["symbol with a singular transform"];
    return;
  }
  const double angle = std::atan2(m[4], m[0]);
  const double sy = (m[0] * m[5] - m[1] * m[4]) / sx;
  const double shear = (m[0] * m[1] + m[4] * m[5]) / sx;
  if (std::fabs(shear) > tol::kDxfRelative * std::max(sx, std::fabs(sy))) ++skipped_["shear of a symbol instance"];
  const double sz = m[10] != 0 ? m[10] : 1.0;
  const std::vector<vx::Entity> attributes = AttributeMembers(list.Members(e));
  out_.entity("INSERT");
  out_.dxfString(100, "AcDbEntity");
  out_.entityAttributes(a);
  out_.dxfString(100, "AcDbBlockReference");
  if (!attributes.empty()) out_.dxfInt(66, kAttributesFollow);
  out_.dxfString(2, block->second);
  out_.dxfReal(10, m[3]);
  out_.dxfReal(20, m[7]);
  out_.dxfReal(30, m[11]);
  out_.dxfReal(41, sx);
  out_.dxfReal(42, sy);
  out_.dxfReal(43, sz);
  out_.dxfReal(50, angle * kDegrees);
  if (attributes.empty()) return;
  for (vx::Entity attribute : attributes) WriteAttribute(attribute, AttributesOf(attribute), &m);
  out_.entity("SEQEND");
  out_.dxfString(100, "AcDbEntity");
  out_.dxfString(8, a.getLayer());
}

}  // namespace vxh::dxf
