#include "headless/dxf/dxf_build.h"

#include "headless/drawing/document.h"
#include "headless/drawing/entity_list.h"
#include "headless/drawing/entity_node.h"
#include "headless/host_error.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh::dxf {

namespace {

class Builder {
 public:
  Builder(ImportModel& model, const std::string& file_name) : model_(model), file_name_(file_name) {}

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
    AddInstance(list, item, depth);
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
    AddAll(MembersOf(list, e), block.items, depth + 1, item.block);
  }

  ImportModel& model_;
  const std::string& file_name_;
  std::size_t built_ = 0;
};

}  // namespace

void BuildDrawing(ImportModel& model, Document& doc, const std::string& file_name) {
  Builder builder(model, file_name);
  builder.AddAll(*ListOf(doc.WorkDL(), "DXF import"), model.entities, 0, "");
}

}  // namespace vxh::dxf
