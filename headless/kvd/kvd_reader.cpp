// Reading a .kvd file. Every count, size, kind and nesting level is checked
// before it is used; the first problem found is a BadInput naming the file,
// the byte offset and, for entities, where in the drawing the entity sits.
#include <algorithm>
#include <cstring>
#include <set>

#include "headless/drawing/document.h"
#include "headless/drawing/entity_list.h"
#include "headless/drawing/settings_tables.h"
#include "headless/files/whole_file.h"
#include "headless/host_error.h"
#include "headless/kvd/kvd_file.h"
#include "headless/kvd/kvd_layout.h"
#include "headless/kvd/record_rules.h"
#include "headless/kvd/table_rules.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh {
namespace {

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size, const std::string& name) : data_(data), size_(size), name_(name) {}

  [[noreturn]] void Fail(const std::string& problem, std::size_t at) const {
    throw BadInput("drawing file \"" + name_ + "\": " + problem + " at byte " + std::to_string(at));
  }

  // Called for every field: the check stays small enough to inline, the
  // message is made out of line.
  void Need(std::size_t bytes, const char* what) const {
    if (bytes > size_ - pos_) [[unlikely]]
      FailShort(bytes, what);
  }

  [[noreturn, gnu::noinline]] void FailShort(std::size_t bytes, const char* what) const {
    Fail(std::string("the file ends inside ") + what + " (" + std::to_string(bytes) + " bytes needed, " +
             std::to_string(size_ - pos_) + " left)",
         pos_);
  }

  template <typename T>
  T Value(const char* what) {
    Need(sizeof(T), what);
    T value = vx::Get<T>(data_, pos_);
    pos_ += sizeof(T);
    return value;
  }

  const std::uint8_t* Take(std::size_t bytes, const char* what) {
    Need(bytes, what);
    const std::uint8_t* at = data_ + pos_;
    pos_ += bytes;
    return at;
  }

  std::size_t Pos() const { return pos_; }
  std::size_t Left() const { return size_ - pos_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  const std::string& name_;
};

void ReadHeader(Reader& r, Document& doc) {
  const std::uint8_t* magic = r.Take(kKvdMagicBytes, "the file header");
  if (std::memcmp(magic, kKvdMagic, kKvdMagicBytes) != 0) r.Fail("not a Vorlix drawing (wrong magic)", 0);
  const auto version = r.Value<std::uint32_t>("the file header");
  if (version != kKvdVersion) {
    r.Fail("file version " + std::to_string(version) + " is not supported (this host reads version " +
               std::to_string(kKvdVersion) + ")",
           kKvdVersionAt);
  }
  doc.SetNextTag(r.Value<std::uint32_t>("the file header"));
}

void ReadTables(Reader& r, SettingsTables& tables) {
  const std::size_t count_at = r.Pos();
  const auto count = r.Value<std::uint16_t>("the table count");
  const auto& numbers = SettingsTables::Numbers();
  if (count != numbers.size()) {
    r.Fail("the drawing has " + std::to_string(count) + " settings tables instead of " + std::to_string(numbers.size()),
           count_at);
  }
  std::set<int> seen;
  for (std::uint16_t i = 0; i < count; ++i) {
    const std::size_t at = r.Pos();
    const int number = r.Value<std::uint8_t>("a table header");
    const auto length = r.Value<std::uint32_t>("a table header");
    if (std::find(numbers.begin(), numbers.end(), number) == numbers.end()) {
      r.Fail("settings table number " + std::to_string(number) + " is unknown", at);
    }
    if (!seen.insert(number).second) r.Fail("settings table " + std::to_string(number) + " appears twice", at);
    const std::uint8_t* bytes = r.Take(length, "a settings table");
    if (std::string problem = TableRuleViolation(number, bytes, length); !problem.empty()) {
      r.Fail("settings table " + std::to_string(number) + ": " + problem + ", table starting", at);
    }
    tables.Install(number, std::vector<std::uint8_t>(bytes, bytes + length));
  }
}

class ListReader {
 public:
  explicit ListReader(Reader& r) : r_(r) {}

  void Read(ListImpl& list, int depth, const std::string& where) {
    if (depth > kKvdMaxDepth) {
      r_.Fail("member lists are nested deeper than " + std::to_string(kKvdMaxDepth) + " levels (" + where + ")",
              r_.Pos());
    }
    const std::size_t count_at = r_.Pos();
    const auto count = r_.Value<std::uint32_t>("an entity count");
    if (count > r_.Left() / kKvdSmallestEntity) {
      r_.Fail(
          "an entity count of " + std::to_string(count) + " is more than the rest of the file can hold (" + where + ")",
          count_at);
    }
    for (std::uint32_t i = 0; i < count; ++i) Entity(list, depth, Place{where, i});
  }

 private:
  // Where an entity sits, made into words only for an error: a million
  // entities would otherwise build a million texts.
  struct Place {
    const std::string& list;
    std::uint32_t index;
    std::string Words() const { return list + ", entity " + std::to_string(index); }
  };

  void Entity(ListImpl& list, int depth, const Place& place) {
    const std::size_t at = r_.Pos();
    const auto flags = r_.Value<std::uint8_t>("an entity");
    const auto tag = r_.Value<std::uint32_t>("an entity");
    if ((flags & ~kKvdKnownFlags) != 0)
      r_.Fail("unknown entity flags " + std::to_string(flags) + " (" + place.Words() + ")", at);
    const std::size_t record_at = r_.Pos();
    const auto size = r_.Value<std::uint32_t>("a record size");
    if (size < vx::kHeaderBytes) {
      r_.Fail("a record size of " + std::to_string(size) + " is below 32 (" + place.Words() + ")", record_at);
    }
    const std::uint8_t* rest = r_.Take(size - 4, "a record");
    EntityNode* node = AllocateNode(size);
    list.AppendNode(node);
    std::memcpy(RecordOf(node), rest - 4, size);
    if (std::string problem = RecordRuleViolation(RecordOf(node), size); !problem.empty()) {
      r_.Fail(problem + " (" + place.Words() + ")", record_at);
    }
    node->state.tag = tag;
    list.SetRemoved(node, (flags & kKvdRemoved) != 0);
    if (flags & kKvdHasMembers) {
      ListImpl* members = list.NewMemberList();
      node->state.members = members;
      Read(*members, depth + 1, place.Words() + " members");
    }
  }

  Reader& r_;
};

}  // namespace

std::unique_ptr<Document> DecodeKvd(const std::uint8_t* data, std::size_t size, const std::string& name) {
  if (data == nullptr && size != 0) throw BadInput("drawing file \"" + name + "\": no data");
  Reader r(data, size, name);
  auto doc = std::make_unique<Document>();
  doc->SetFileName(name);
  ReadHeader(r, *doc);
  ReadTables(r, doc->Tables());
  ListReader(r).Read(static_cast<ListImpl&>(doc->Work()), 0, "working list");
  const std::size_t end_at = r.Pos();
  if (std::memcmp(r.Take(sizeof kKvdEnd, "the end mark"), kKvdEnd, sizeof kKvdEnd) != 0) {
    r.Fail("the end mark is missing", end_at);
  }
  if (r.Left() != 0) r.Fail(std::to_string(r.Left()) + " bytes follow the end mark", r.Pos());
  return doc;
}

std::unique_ptr<Document> LoadKvd(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadInputFile(path, "drawing file");
  return DecodeKvd(bytes.data(), bytes.size(), path);
}

}  // namespace vxh
