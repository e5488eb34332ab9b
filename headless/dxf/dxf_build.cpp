#include "headless/dxf/dxf_build.h"

#include <cmath>

#include "headless/drawing/document.h"
#include "headless/drawing/entity_list.h"
#include "headless/drawing/entity_node.h"
#include "headless/drawing/settings_tables.h"
#include "headless/host_error.h"
#include "headless/tolerances.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh::dxf {

namespace {

constexpr std::uint16_t kColourFlags = kDxfColourForeground | kDxfColourByBlock;
constexpr std::uint16_t kLineTypeFlags = kDxfLineTypeByLayer | kDxfLineTypeByBlock;

// What an entity of a block shows inside its reference: layer "0" is the
// reference's layer, BYBLOCK its colour and line type.
void TakeReferenceStyle(Item& item, const Record& reference, int layer_zero) {
  Record& r = item.record;
  std::uint16_t flags = vx::GetU16(r.data(), kHdrDxfFlags);
  const std::uint16_t outer = vx::GetU16(reference.data(), kHdrDxfFlags);
  if (vx::GetU16(r.data(), vx::kHdrLayer) == layer_zero) {
    vx::PutU16(r.data(), vx::kHdrLayer, vx::GetU16(reference.data(), vx::kHdrLayer));
  }
  if ((flags & kDxfColourByBlock) != 0) {
    vx::PutU32(r.data(), vx::kHdrAttr6, vx::GetU32(reference.data(), vx::kHdrAttr6));
    flags = static_cast<std::uint16_t>((flags & ~kColourFlags) | (outer & kColourFlags));
  }
  if ((flags & kDxfLineTypeByBlock) != 0) {
    vx::PutU16(r.data(), vx::kHdrLineStyle, vx::GetU16(reference.data(), vx::kHdrLineStyle));
    flags = static_cast<std::uint16_t>((flags & ~kLineTypeFlags) | (outer & kLineTypeFlags));
  }
  vx::PutU16(r.data(), kHdrDxfFlags, flags);
  for (Item& member : item.members) TakeReferenceStyle(member, reference, layer_zero);
}

// The point in the instance's own coordinates, when its transform has an
// inverse.
bool ToBlockCoordinates(const Record& instance, P2& p) {
  double m[8];
  for (int i = 0; i < 8; ++i) m[i] = vx::GetF64(instance.data(), vx::kSymMatrix + 8 * i);
  const double det = m[0] * m[5] - m[1] * m[4];
  if (!(std::fabs(det) > tol::kTiny)) return false;
  const double x = p.x - m[3], y = p.y - m[7];
  p = {(m[5] * x - m[1] * y) / det, (-m[4] * x + m[0] * y) / det};
  return true;
}

class Builder {
 public:
  Builder(ImportModel& model, const std::string& file_name, int layer_zero)
      : model_(model), file_name_(file_name), layer_zero_(layer_zero) {}

  void AddAll(ListImpl& list, const std::vector<Item>& items, int depth, const std::string& block) {
    if (depth > kMaxBlockDepth) {
      Fail("blocks are nested deeper than " + std::to_string(kMaxBlockDepth) + " levels (does block \"" + block +
           "\" insert itself?)");
    }
    for (const Item& item : items) Add(list, item, depth);
  }

 private:
  [[noreturn]] void Fail(const std::string& problem) const {
    throw BadInput("DXF file \"" + file_name_ + "\": " + problem);
  }

  ListImpl& MembersOf(ListImpl& list, vx::Entity entity) {
    EntityNode* node = NodeOf(entity, "DXF import");
    ListImpl* members = list.NewMemberList();
    node->state.members = members;
    return *members;
  }

  void Count() {
    if (++built_ > kMaxBuiltEntities) {
      Fail("expanding its blocks gives more than " + std::to_string(kMaxBuiltEntities) + " entities");
    }
  }

  void Add(ListImpl& list, const Item& item, int depth) {
    if (item.block.empty()) {
      Count();
      const vx::Entity e = list.Append(item.record.data());
      if (item.record.size() > vx::kHdrKind && vx::GetI8(item.record.data(), vx::kHdrKind) == vx::kKindGroup) {
        AddAll(MembersOf(list, e), item.members, depth, "");
      }
      return;
    }
    if (item.block_as_group)
      AddBlockAsGroup(list, item, depth);
    else
      AddInstance(list, item, depth);
  }

  // A DIMENSION: its block's entities, where the block puts them, as the
  // members of a group.
  void AddBlockAsGroup(ListImpl& list, const Item& item, int depth) {
    const auto found = model_.blocks.find(item.block);
    if (found == model_.blocks.end()) {
      ++model_.losses["DIMENSION whose block is missing"];
      return;
    }
    std::vector<Item> members = found->second.items;
    for (Item& member : members) TakeReferenceStyle(member, item.record, layer_zero_);
    Count();
    const vx::Entity e = list.Append(item.record.data());
    AddAll(MembersOf(list, e), members, depth + 1, item.block);
  }

  // ATTRIBs are members of their instance, placed in its coordinates so that
  // they move with it.
  void AddAttributes(ListImpl& members, const Item& item, const Record& instance) {
    for (const Item& attribute : item.attributes) {
      Record r = attribute.record;
      AttributeText a = AttributeTextOf(r.data());
      if (!ToBlockCoordinates(instance, a.point) || !ToBlockCoordinates(instance, a.second)) {
        vx::PutU16(r.data(), vx::kAttrFlags, static_cast<std::uint16_t>(a.flags | vx::kAttrNoTransform));
      } else {
        vx::PutF64(r.data(), vx::kAttrX, a.point.x);
        vx::PutF64(r.data(), vx::kAttrY, a.point.y);
        vx::PutF64(r.data(), kAttrX2, a.second.x);
        vx::PutF64(r.data(), kAttrY2, a.second.y);
      }
      Count();
      members.Append(r.data());
    }
  }

  // The block's base point is where the instance's insertion point lands.
  void AddInstance(ListImpl& list, const Item& item, int depth) {
    const auto found = model_.blocks.find(item.block);
    if (found == model_.blocks.end()) {
      ++model_.losses["INSERT of an undefined block"];
      return;
    }
    const Block& block = found->second;
    Record record = item.record;
    const InstanceMatrix& m = item.placement;
    for (int row = 0; row < 3; ++row) {
      const double t = m[4 * row + 3] - m[4 * row] * block.base.x - m[4 * row + 1] * block.base.y;
      vx::PutF64(record.data(), vx::kSymMatrix + 8 * (4 * row + 3), t);
    }
    Count();
    const vx::Entity e = list.Append(record.data());
    ListImpl& members = MembersOf(list, e);
    AddAll(members, block.items, depth + 1, item.block);
    AddAttributes(members, item, record);
  }

  ImportModel& model_;
  const std::string& file_name_;
  int layer_zero_;
  std::size_t built_ = 0;
};

}  // namespace

void BuildDrawing(ImportModel& model, Document& doc, const std::string& file_name) {
  Builder builder(model, file_name, FindLayer(doc, "0"));
  builder.AddAll(*ListOf(doc.WorkDL(), "DXF import"), model.entities, 0, "");
}

}  // namespace vxh::dxf
