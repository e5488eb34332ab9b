// The entries of list and combo boxes. Sorted boxes keep their entries in
// order, ignoring case as Windows does; others keep the order of adding.
#include <strings.h>
#include <algorithm>
#include <cstring>
#include <string>

#include "headless/dialogs/control_values.h"
#include "headless/dialogs/dialog_object.h"
#include "headless/host_error.h"

namespace vxh::dialogs {

namespace {

// Entries are shown by Windows up to this length; the pack's buffers for
// GetLstStr hold them.
constexpr std::size_t kMaxEntry = 255;

ControlState& Box(vx::Dlg* dialog, int id, ControlKind kind, const char* operation) {
  ControlState& state = LiveDialog(dialog, operation).Control(id, operation);
  if (state.tpl->kind != kind)
    throw HostFault(std::string(operation) + ": control " + std::to_string(id) + " of " + dialog->Name() + " is a " +
                    KindName(state.tpl->kind));
  return state;
}

void Clear(ControlState& state) {
  state.entries.clear();
  state.selection = -1;
  if (state.tpl->kind == ControlKind::kCombo) state.text.clear();
}

int Add(ControlState& state, const char* text, const char* operation) {
  if (text == nullptr) throw HostFault(std::string(operation) + ": no text");
  if (std::strlen(text) > kMaxEntry)
    throw HostFault(std::string(operation) + ": an entry is longer than " + std::to_string(kMaxEntry) + " characters");
  auto at = state.entries.end();
  if (state.tpl->Sorted())
    at = std::upper_bound(
        state.entries.begin(), state.entries.end(), std::string(text),
        [](const std::string& t, const ListEntry& e) { return strcasecmp(t.c_str(), e.text.c_str()) < 0; });
  const int index = static_cast<int>(at - state.entries.begin());
  state.entries.insert(at, ListEntry{text, 0});
  if (state.selection >= index) ++state.selection;
  return index;
}

int Find(const ControlState& state, const char* text) {
  if (text == nullptr) return -1;
  for (std::size_t i = 0; i < state.entries.size(); ++i)
    if (strcasecmp(state.entries[i].text.c_str(), text) == 0) return static_cast<int>(i);
  return -1;
}

int Get(const ControlState& state, int index, char* out) {
  if (index < 0 || index >= static_cast<int>(state.entries.size()) || out == nullptr) return -1;
  const std::string& text = state.entries[static_cast<std::size_t>(index)].text;
  std::memcpy(out, text.c_str(), text.size() + 1);
  return static_cast<int>(text.size());
}

ListEntry* Entry(ControlState& state, int index) {
  if (index < 0 || index >= static_cast<int>(state.entries.size())) return nullptr;
  return &state.entries[static_cast<std::size_t>(index)];
}

}  // namespace

}  // namespace vxh::dialogs

namespace vx {

using vxh::dialogs::Box;
using vxh::dialogs::ControlKind;

extern "C" {

void KVAPI ClrLstStr(Dlg* d, int id) { vxh::dialogs::Clear(Box(d, id, ControlKind::kList, "ClrLstStr")); }

int KVAPI AddLstStr(Dlg* d, int id, const char* text) {
  return vxh::dialogs::Add(Box(d, id, ControlKind::kList, "AddLstStr"), text, "AddLstStr");
}

int KVAPI FndLstStr(Dlg* d, int id, const char* text) {
  return vxh::dialogs::Find(Box(d, id, ControlKind::kList, "FndLstStr"), text);
}

int KVAPI GetLstStr(Dlg* d, int id, int index, char* out) {
  return vxh::dialogs::Get(Box(d, id, ControlKind::kList, "GetLstStr"), index, out);
}

void KVAPI SetLstData(Dlg* d, int id, int index, std::intptr_t data) {
  vxh::dialogs::ListEntry* entry = vxh::dialogs::Entry(Box(d, id, ControlKind::kList, "SetLstData"), index);
  if (entry == nullptr)
    throw vxh::HostFault("SetLstData: list " + std::to_string(id) + " has no entry " + std::to_string(index));
  entry->data = data;
}

std::intptr_t KVAPI GetLstData(Dlg* d, int id, int index) {
  const vxh::dialogs::ListEntry* entry = vxh::dialogs::Entry(Box(d, id, ControlKind::kList, "GetLstData"), index);
  return entry == nullptr ? -1 : entry->data;
}

void KVAPI ClrCmbStr(Dlg* d, int id) { vxh::dialogs::Clear(Box(d, id, ControlKind::kCombo, "ClrCmbStr")); }

int KVAPI AddCmbStr(Dlg* d, int id, const char* text) {
  return vxh::dialogs::Add(Box(d, id, ControlKind::kCombo, "AddCmbStr"), text, "AddCmbStr");
}

int KVAPI FndCmbStr(Dlg* d, int id, const char* text) {
  return vxh::dialogs::Find(Box(d, id, ControlKind::kCombo, "FndCmbStr"), text);
}

int KVAPI GetCmbStr(Dlg* d, int id, int index, char* out) {
  return vxh::dialogs::Get(Box(d, id, ControlKind::kCombo, "GetCmbStr"), index, out);
}

}  // extern "C"

}  // namespace vx
