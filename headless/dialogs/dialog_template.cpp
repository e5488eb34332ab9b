#include "headless/dialogs/dialog_template.h"

namespace vxh::dialogs {

bool ControlTemplate::Sorted() const {
  if (kind == ControlKind::kList) return (style & kLbsSort) != 0;
  if (kind == ControlKind::kCombo) return (style & kCbsSort) != 0;
  return false;
}

bool ControlTemplate::OwnerDrawn() const {
  return kind == ControlKind::kOwnerButton || (kind == ControlKind::kList && (style & kLbsOwnerDrawFixed) != 0);
}

const ControlTemplate* DialogTemplate::Find(int id) const {
  if (id == kNoId) return nullptr;
  for (const ControlTemplate& c : controls)
    if (c.id == id) return &c;
  return nullptr;
}

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kButton: return "button";
    case ControlKind::kOwnerButton: return "owner-drawn button";
    case ControlKind::kCheck: return "check box";
    case ControlKind::kRadio: return "radio button";
    case ControlKind::kGroup: return "group box";
    case ControlKind::kStatic: return "static text";
    case ControlKind::kIcon: return "icon";
    case ControlKind::kEdit: return "edit";
    case ControlKind::kCombo: return "combo box";
    case ControlKind::kList: return "list box";
  }
  return "control";
}

}  // namespace vxh::dialogs
