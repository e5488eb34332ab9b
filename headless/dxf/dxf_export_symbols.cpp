#include <cctype>
#include <set>

#include "headless/ascii_case.h"
#include "headless/drawing/document.h"
#include "headless/dxf/dxf_export_writer.h"
#include "host/entity_layout.h"
#include "host/record.h"

namespace vxh::dxf {

namespace {

// Characters DXF table names may not hold.
bool Forbidden(char c) {
  static const std::string kForbidden = "<>/\\\":;?*|,=`";
  return kForbidden.find(c) != std::string::npos || static_cast<unsigned char>(c) < 0x20;
}

class SymbolCollector {
 public:
  explicit SymbolCollector(std::map<std::string, std::string>& names) : names_(names) {}

  void Visit(const EntityList& list) {
    list.ForEach([&](vx::Entity e) {
      const EntityList* members = list.Members(e);
      if (vx::GetI8(e, vx::kHdrKind) == vx::kKindSymbol) {
        const std::string name(reinterpret_cast<const char*>(e + vx::kSymName));
        if (names_.count(name) != 0) return;
        names_[name] = UniqueName(name);  // before the members: a symbol inside itself stays finite
        if (members != nullptr) Visit(*members);
        blocks_.push_back({names_[name], members});
        return;
      }
      if (members != nullptr) Visit(*members);
    });
  }

  std::vector<SymbolBlock> Blocks() { return std::move(blocks_); }

 private:
  std::string UniqueName(const std::string& host_name) {
    std::string name = host_name.empty() ? "SYMBOL" : host_name;
    for (char& c : name) {
      if (Forbidden(c)) c = '_';
    }
    if (name.front() == '*') name.front() = '_';  // '*' names are anonymous blocks
    std::string candidate = name;
    for (int n = 2; used_.count(AsciiUppered(candidate)) != 0; ++n) candidate = name + "_" + std::to_string(n);
    used_.insert(AsciiUppered(candidate));
    return candidate;
  }

  std::map<std::string, std::string>& names_;
  std::set<std::string> used_;
  std::vector<SymbolBlock> blocks_;
};

}  // namespace

std::vector<SymbolBlock> CollectSymbolBlocks(const Document& doc, std::map<std::string, std::string>& dxf_names) {
  SymbolCollector collector(dxf_names);
  collector.Visit(doc.Work());
  return collector.Blocks();
}

}  // namespace vxh::dxf
