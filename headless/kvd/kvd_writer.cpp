#include <cstring>

#include "headless/drawing/document.h"
#include "headless/drawing/entity_list.h"
#include "headless/drawing/settings_tables.h"
#include "headless/files/output_file.h"
#include "headless/kvd/kvd_file.h"
#include "headless/kvd/kvd_layout.h"
#include "host/record.h"

namespace vxh {
namespace {

class Writer {
 public:
  explicit Writer(bool keep_removed) : keep_removed_(keep_removed) {}

  // insert copies once; resize then memcpy would write every byte twice.
  void Bytes(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out_.insert(out_.end(), bytes, bytes + size);
  }
  template <typename T>
  void Value(T value) {
    Bytes(&value, sizeof value);
  }

  void Tables(const SettingsTables& tables) {
    Value(static_cast<std::uint16_t>(SettingsTables::Numbers().size()));
    for (int number : SettingsTables::Numbers()) {
      const std::size_t length = tables.Length(number);
      Value(static_cast<std::uint8_t>(number));
      Value(static_cast<std::uint32_t>(length));
      Bytes(tables.Table(number), length);
    }
  }

  // One walk: the count is written when the list has been.
  void List(const ListImpl& list) {
    const std::size_t count_at = out_.size();
    std::uint32_t count = 0;
    Value(count);
    for (EntityNode* n = list.First(); n != nullptr; n = n->next) {
      if (!Kept(*n)) continue;
      Entity(*n);
      ++count;
    }
    vx::PutU32(out_.data(), count_at, count);
  }

  std::vector<std::uint8_t> Take() { return std::move(out_); }
  void Reserve(std::size_t bytes) { out_.reserve(bytes); }

 private:
  bool Kept(const EntityNode& n) const { return keep_removed_ || !n.state.removed; }

  void Entity(EntityNode& n) {
    std::uint8_t flags = 0;
    if (n.state.removed) flags |= kKvdRemoved;
    if (n.state.members != nullptr) flags |= kKvdHasMembers;
    Value(flags);
    Value(n.state.tag);
    Bytes(RecordOf(&n), n.size);
    if (n.state.members != nullptr) List(*static_cast<const ListImpl*>(n.state.members));
  }

  bool keep_removed_;
  std::vector<std::uint8_t> out_;
};

}  // namespace

std::vector<std::uint8_t> EncodeKvd(const Document& doc, bool keep_removed) {
  const auto& work = static_cast<const ListImpl&>(doc.Work());
  Writer w(keep_removed);
  w.Reserve(kKvdHeaderBytes + 4096 + work.Count() * (kKvdSmallestEntity + 40));
  w.Bytes(kKvdMagic, kKvdMagicBytes);
  w.Value(kKvdVersion);
  w.Value(doc.NextTag());
  w.Tables(doc.Tables());
  w.List(work);
  w.Bytes(kKvdEnd, sizeof kKvdEnd);
  return w.Take();
}

void SaveKvd(const Document& doc, const std::string& path) {
  const std::vector<std::uint8_t> bytes = EncodeKvd(doc);
  WriteBytesThroughTemporary(path, bytes.data(), bytes.size());
}

}  // namespace vxh
