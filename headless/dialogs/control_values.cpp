#include "headless/dialogs/control_values.h"

#include <strings.h>
#include <cstring>

#include "headless/dialogs/field_values.h"
#include "headless/host_error.h"
#include "headless/text_encoding.h"
#include "host/prompt_record.h"

namespace vxh::dialogs {

namespace {

int& IntField(const Binding& b) { return *static_cast<int*>(b.value); }

bool Ticked(const Binding& b) {
  const int v = IntField(b);
  return b.mask != 0 ? (v & b.mask) != 0 : v != 0;
}

void Tick(const Binding& b, bool on) {
  int& v = IntField(b);
  if (b.mask == 0) {
    v = on ? 1 : 0;
  } else {
    v = on ? (v | b.mask) : (v & ~b.mask);
  }
}

int FindEntry(const ControlState& state, const std::string& text) {
  for (std::size_t i = 0; i < state.entries.size(); ++i)
    if (strcasecmp(state.entries[i].text.c_str(), text.c_str()) == 0) return static_cast<int>(i);
  return -1;
}

int ValidIndex(const ControlState& state, int index) {
  return index >= 0 && index < static_cast<int>(state.entries.size()) ? index : -1;
}

void RefreshCombo(ControlState& state) {
  const Binding& b = state.binding;
  if (b.type == vx::kValText) {
    state.text = static_cast<const char*>(b.value);
    state.selection = FindEntry(state, state.text);
  } else {
    state.selection = ValidIndex(state, IntField(b));
    state.text = state.selection >= 0 ? state.entries[state.selection].text : "";
  }
}

void WriteCombo(const ControlState& state) {
  const Binding& b = state.binding;
  if (b.type == vx::kValInt) {
    IntField(b) = state.selection;
    return;
  }
  const std::string& text = state.text;
  const std::size_t n = std::min(text.size(), static_cast<std::size_t>(b.width - 1));
  std::memcpy(b.value, text.data(), n);
  static_cast<char*>(b.value)[n] = '\0';
}

void SelectEntry(vx::Dlg& d, ControlState& state, int id, const std::optional<std::string>& value) {
  if (!value) throw BadInput(ControlName(d, id) + " needs the text of an entry (" + std::to_string(id) + "=TEXT)");
  const int index = FindEntry(state, *value);
  const bool editable_combo =
      state.tpl->kind == ControlKind::kCombo && (state.tpl->style & kCbsDropDownList) != kCbsDropDownList;
  if (index < 0 && !editable_combo) {
    std::string list;
    for (const ListEntry& e : state.entries) list += (list.empty() ? "" : ", ") + QuoteForMessage(e.text);
    throw BadInput(ControlName(d, id) + " has no entry " + QuoteForMessage(*value) +
                   " (entries: " + (list.empty() ? "none" : list) + ")");
  }
  state.selection = index;
  state.text = index >= 0 ? state.entries[index].text : *value;
  if (state.binding.kind == BindingKind::kCombo) WriteCombo(state);
  if (state.binding.kind == BindingKind::kList) IntField(state.binding) = index;
}

void ChangeCheck(vx::Dlg& d, ControlState& state, int id, const std::optional<std::string>& value) {
  bool on = true;
  if (value) {
    if (*value != "0" && *value != "1")
      throw BadInput(ControlName(d, id) + " takes 1 (ticked) or 0, got " + QuoteForMessage(*value));
    on = *value == "1";
  }
  state.checked = on;
  if (state.binding.kind == BindingKind::kCheck) Tick(state.binding, on);
}

void ChangeRadio(vx::Dlg& d, ControlState& state, int id, const std::optional<std::string>& value) {
  if (value) throw BadInput(ControlName(d, id) + " is a radio button: name it alone to select it");
  if (state.binding.kind == BindingKind::kRadio) {
    IntField(state.binding) = state.binding.choice;
    return;
  }
  // An unbound radio button: the others of its group go off.
  for (auto& [other_id, other] : d.controls)
    if (other.tpl->kind == ControlKind::kRadio && other.binding.kind == BindingKind::kNone) other.checked = false;
  state.checked = true;
}

// A script types Enter into a multi-line box as the two characters \n; the
// box stores it as CR LF, the line break of its texts.
std::string TypedIntoMultiline(const std::string& typed) {
  std::string text;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (typed[i] == '\\' && i + 1 < typed.size() && typed[i + 1] == 'n') {
      text += "\r\n";
      ++i;
    } else {
      text += typed[i];
    }
  }
  return text;
}

void ChangeEdit(vx::Dlg& d, ControlState& state, int id, const std::optional<std::string>& value) {
  if (!value) throw BadInput(ControlName(d, id) + " is an edit: give its text (" + std::to_string(id) + "=TEXT)");
  if ((state.tpl->style & kEsReadOnly) != 0) throw BadInput(ControlName(d, id) + " is read-only");
  const std::string text = (state.tpl->style & kEsMultiline) != 0 ? TypedIntoMultiline(*value) : *value;
  if (state.binding.kind == BindingKind::kEdit) {
    WriteField(state.binding, text, ControlName(d, id));
  } else {
    state.text = text;
  }
}

// Controls that share the changed field show it again.
void RefreshSharing(vx::Dlg& d, const void* field) {
  if (field == nullptr) return;
  for (auto& [id, state] : d.controls)
    if (state.binding.value == field) RefreshControl(state);
}

}  // namespace

std::string ControlName(const vx::Dlg& d, int id) {
  const auto it = d.controls.find(id);
  const char* kind = it == d.controls.end() ? "control" : KindName(it->second.tpl->kind);
  return std::string(kind) + " " + std::to_string(id) + " of " + d.tpl->name;
}

void RefreshControl(ControlState& state) {
  const Binding& b = state.binding;
  switch (b.kind) {
    case BindingKind::kEdit: state.text = FormatField(b); break;
    case BindingKind::kCheck: state.checked = Ticked(b); break;
    case BindingKind::kRadio: state.checked = IntField(b) == b.choice; break;
    case BindingKind::kCombo: RefreshCombo(state); break;
    case BindingKind::kList: state.selection = ValidIndex(state, IntField(b)); break;
    case BindingKind::kButton:
    case BindingKind::kNone: break;
  }
}

void RefreshAllControls(vx::Dlg& d) {
  for (auto& [id, state] : d.controls) RefreshControl(state);
}

void ChangeControl(vx::Dlg& d, int id, const std::optional<std::string>& value) {
  const auto it = d.controls.find(id);
  if (it == d.controls.end()) throw BadInput("the dialog " + d.tpl->name + " has no control " + std::to_string(id));
  ControlState& state = it->second;
  if (!state.visible) throw BadInput(ControlName(d, id) + " is hidden and takes no input");
  if (!state.enabled) throw BadInput(ControlName(d, id) + " is disabled and takes no input");
  switch (state.tpl->kind) {
    case ControlKind::kEdit: ChangeEdit(d, state, id, value); break;
    case ControlKind::kCheck: ChangeCheck(d, state, id, value); break;
    case ControlKind::kRadio: ChangeRadio(d, state, id, value); break;
    case ControlKind::kCombo:
    case ControlKind::kList: SelectEntry(d, state, id, value); break;
    default:
      throw BadInput(ControlName(d, id) + " takes no input; press buttons with \"press " + std::to_string(id) + "\"");
  }
  d.focus = id;
  RefreshSharing(d, state.binding.value);
  if (state.binding.change != nullptr) state.binding.change(&d, id);
}

}  // namespace vxh::dialogs
