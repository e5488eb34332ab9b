#include "headless/drawing/document.h"

#include <algorithm>

#include "headless/drawing/entity_list.h"
#include "headless/drawing/settings_tables.h"
#include "headless/drawing/undo_journal.h"
#include "headless/host_error.h"
#include "headless/text_encoding.h"

namespace vxh {

// Members are destroyed in reverse order: lists first (they own the linked
// nodes), then the journal (it owns the nodes that left their lists).
struct Document::Impl {
  SettingsTables tables;
  UndoJournal journal;
  std::unique_ptr<ListImpl> work;
  std::vector<std::unique_ptr<ListImpl>> temps;
  std::string file_name = "Untitled.kvd";
  std::uint32_t next_tag = 1;
};

Document::Document() : impl_(std::make_unique<Impl>()) {
  InstallDefaultTables(impl_->tables);
  impl_->work = std::make_unique<ListImpl>(*this, &impl_->journal, impl_->file_name);
}

Document::~Document() = default;

EntityList& Document::Work() { return *impl_->work; }
vx::DList* Document::WorkDL() { return impl_->work->AsDList(); }
SettingsTables& Document::Tables() { return impl_->tables; }
const EntityList& Document::Work() const { return *impl_->work; }
const SettingsTables& Document::Tables() const { return impl_->tables; }
UndoJournal& Document::Journal() { return impl_->journal; }

bool Document::Undo() { return impl_->journal.Undo(); }
bool Document::Redo() { return impl_->journal.Redo(); }

EntityList* Document::CreateTempList(const std::string& file_name) {
  auto list = std::make_unique<ListImpl>(*this, nullptr, file_name);
  list->SetReleaseHandler([impl = impl_.get()](ListImpl* released) {
    auto& temps = impl->temps;
    auto it = std::find_if(temps.begin(), temps.end(), [released](const auto& t) { return t.get() == released; });
    if (it == temps.end()) throw HostFault("release: the list has already been released");
    temps.erase(it);
  });
  impl_->temps.push_back(std::move(list));
  return impl_->temps.back().get();
}

namespace {

void ClearMarks(ListImpl& list) {
  for (EntityNode* n = list.First(); n != nullptr; n = n->next) {
    n->state.selected = false;
    if (n->state.members != nullptr) ClearMarks(*static_cast<ListImpl*>(n->state.members));
  }
}

}  // namespace

void Document::ClearSelection() { ClearMarks(*impl_->work); }

std::uint32_t Document::NewTag() { return impl_->next_tag++; }

const std::string& Document::FileName() const { return impl_->file_name; }

// The name is a UTF-8 path; the pack reads it at byte 300 of the list in
// its own code page.
void Document::SetFileName(const std::string& name) {
  impl_->file_name = name;
  impl_->work->SetFileName(Utf8ToCp1252Lossy(name));
}

}  // namespace vxh

namespace vxh {

std::uint32_t Document::NextTag() const { return impl_->next_tag; }
void Document::SetNextTag(std::uint32_t tag) { impl_->next_tag = tag; }

}  // namespace vxh
