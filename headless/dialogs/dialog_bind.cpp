// The control binders: each ties a control of the template to a field of the
// pack. A binding the template cannot carry is the pack's fault.
#include <string>

#include "headless/dialogs/dialog_object.h"
#include "headless/host_error.h"
#include "host/prompt_record.h"

namespace vxh::dialogs {

namespace {

bool KindFits(BindingKind binding, ControlKind control) {
  switch (binding) {
    case BindingKind::kEdit: return control == ControlKind::kEdit;
    case BindingKind::kButton: return control == ControlKind::kButton || control == ControlKind::kOwnerButton;
    case BindingKind::kCheck: return control == ControlKind::kCheck;
    case BindingKind::kRadio: return control == ControlKind::kRadio;
    case BindingKind::kCombo: return control == ControlKind::kCombo;
    case BindingKind::kList: return control == ControlKind::kList;
    case BindingKind::kNone: return true;
  }
  return false;
}

bool KnownValueType(int type) {
  switch (type) {
    case vx::kValText:
    case vx::kValLongText:
    case vx::kValInt3:
    case vx::kValInt:
    case vx::kValFloat:
    case vx::kValDouble:
    case vx::kValPoint:
    case vx::kValLength:
    case vx::kValAngleF:
    case vx::kValAngle: return true;
    default: return false;
  }
}

void Bind(vx::Dlg* dialog, int control, const char* binder, Binding binding) {
  vx::Dlg& d = LiveDialog(dialog, binder);
  ControlState& state = d.Control(control, binder);
  if (!KindFits(binding.kind, state.tpl->kind))
    throw HostFault(std::string(binder) + ": control " + std::to_string(control) + " of " + d.Name() + " is a " +
                    KindName(state.tpl->kind));
  if (binding.kind != BindingKind::kButton && binding.value == nullptr)
    throw HostFault(std::string(binder) + ": control " + std::to_string(control) + " is bound to no field");
  state.binding = binding;
}

}  // namespace

}  // namespace vxh::dialogs

namespace vx {

using vxh::dialogs::BindingKind;

extern "C" {

void KVAPI __EDCTL(Dlg* dialog, int control, void* value, int type, int width, int decimals) {
  if (!vxh::dialogs::KnownValueType(type))
    throw vxh::HostFault("__EDCTL: control " + std::to_string(control) + " gets the unknown value type " +
                         std::to_string(type));
  vxh::dialogs::Bind(dialog, control, "__EDCTL",
                     {.kind = BindingKind::kEdit, .value = value, .type = type, .width = width, .decimals = decimals});
}

void KVAPI __BTNCTL(Dlg* dialog, int control, DlgPress press, DlgDraw draw) {
  vxh::dialogs::Bind(dialog, control, "__BTNCTL", {.kind = BindingKind::kButton, .press = press, .draw = draw});
}

void KVAPI __CHKCTL(Dlg* dialog, int control, int* value, int mask, DlgChange change) {
  vxh::dialogs::Bind(dialog, control, "__CHKCTL",
                     {.kind = BindingKind::kCheck, .value = value, .mask = mask, .change = change});
}

void KVAPI __RBCTL(Dlg* dialog, int control, int* value, int choice, DlgChange change) {
  vxh::dialogs::Bind(dialog, control, "__RBCTL",
                     {.kind = BindingKind::kRadio, .value = value, .choice = choice, .change = change});
}

void KVAPI __CMBCTL(Dlg* dialog, int control, void* value, int type, int size, DlgChange change) {
  if (type != kValText && type != kValInt)
    throw vxh::HostFault("__CMBCTL: a combo box is bound to a text (type 0) or an entry index (type 5), got " +
                         std::to_string(type));
  if (type == kValText && size <= 0) throw vxh::HostFault("__CMBCTL: a text binding needs the buffer size");
  vxh::dialogs::Bind(dialog, control, "__CMBCTL",
                     {.kind = BindingKind::kCombo, .value = value, .type = type, .width = size, .change = change});
}

void KVAPI __LSTCTL(Dlg* dialog, int control, int* selection, DlgChange change, DlgDraw draw) {
  vxh::dialogs::Bind(dialog, control, "__LSTCTL",
                     {.kind = BindingKind::kList, .value = selection, .change = change, .draw = draw});
}

}  // extern "C"

}  // namespace vx
