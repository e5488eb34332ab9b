// VXLAYERS: hide layers by picking entities on them, again and again. CTRL
// only shows which layer it is, SHIFT makes it current, TAB flips to the view
// of the hidden layers (where a pick shows a layer) and back.
#include "frame/keyboard_hook.h"
#include "frame/modifier_keys.h"
#include "frame/mouse_hook.h"
#include "frame/pack_state.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "layers/layer_table.h"
#include "layers/layers_commands.h"

namespace vx {

namespace {

constexpr std::intptr_t kModePickEntity = 7;
constexpr int kPickFlags = 0x40000C;
constexpr std::intptr_t kFormatIntoMessageBox = 2;
constexpr std::uint8_t kNameDecimals = 3;

constexpr const char* kHidePrompt =
    "Pick entity on layer to HIDE (CTRL = Display, SHIFT = Set current, TAB = Show hidden layers): ";
constexpr const char* kShowPrompt =
    "Pick entity on layer to SHOW (CTRL = Display, SHIFT = Set current, TAB = Show visible layers): ";

LayersState& State() { return Pack().layers; }

void Picked(int status);

void AskPick() {
  InstallKeyboardHook(KeyHookMode::kStrict);
  ReqData(kReqPick, &State().picked, State().show_mode == 0 ? kHidePrompt : kShowPrompt, kModePickEntity, Picked,
          kPickFlags, 0);
}

// a: the member found; b: the cursor.
int FirstMemberUnderCursor(DList*, Entity member, std::intptr_t a, std::intptr_t b) {
  if (GetI8(member, kHdrKind) == kKindGroup) return 0;
  if (EPick(member, reinterpret_cast<const double*>(b)) == 0) return 0;
  *reinterpret_cast<Entity*>(a) = member;
  return 1;
}

// A group stands for its member under the cursor, so that member's layer
// is the one meant.
Entity TargetOf(Entity picked) {
  if (GetI8(picked, kHdrKind) != kKindGroup) return picked;
  DList* members = GetWorkDL()->MemberList(picked);
  if (members == nullptr) return nullptr;
  const auto* cursor = static_cast<const double*>(RscAdr(kRscCursor));
  Entity target = nullptr;
  members->Walk(FirstMemberUnderCursor, kWalkVisible, reinterpret_cast<std::intptr_t>(&target),
                reinterpret_cast<std::intptr_t>(cursor));
  return target;
}

// a: the layer id; b: 1 to mark, 0 to draw normally.
int DrawOnLayer(DList*, Entity e, std::intptr_t a, std::intptr_t b) {
  if (GetI8(e, kHdrKind) == kKindGroup || GetU16(e, kHdrLayer) != a) return 0;
  if (b != 0) {
    EMark(0, e);
  } else {
    EDraw(0, e);
  }
  return 0;
}

void ShowLayerName(const std::uint8_t* layer, PromptRecord& message) {
  const int id = GetU16(layer, kLayerId);
  DList* work = GetWorkDL();
  work->Walk(DrawOnLayer, kWalkVisible, id, 1);
  ShowChanges();
  message.entry[0] = {layer + kLayerName, kValText, 0, kWidthCode, kNameDecimals};
  InstallMouseHook();
  FormSt(&message, 0, nullptr, kFormatIntoMessageBox);
  RemoveMouseHook();
  work->Walk(DrawOnLayer, kWalkVisible, id, 0);
  ShowChanges();
}

void ActOnLayer(std::uint8_t* layer) {
  const bool current = GetU16(layer, kLayerId) == CurrentLayerId();
  if (CtrlHeld()) {
    ShowLayerName(layer, State().display_prompt);
  } else if (current) {
    ShowLayerName(layer, State().current_prompt);
  } else if (ShiftHeld()) {
    SetCurLayer(GetU16(layer, kLayerId));
  } else {
    SetLayerFlag(layer, kLayerHidden, true);
    Redraw();
    ShowChanges();
  }
}

// Hidden layers become visible and visible ones hidden; the current layer
// stays as it is.
void FlipView() {
  const int current = CurrentLayerId();
  ForEachLayer(GetWorkDL()->SettingsTable(kTableLayers), [&](std::uint8_t* layer) {
    if (GetU16(layer, kLayerId) != current)
      SetLayerFlag(layer, kLayerHidden, (GetU32(layer, kLayerFlags) & kLayerHidden) == 0);
  });
  Redraw();
  ShowChanges();
  State().show_mode = 1 - State().show_mode;
}

void Picked(int status) {
  RemoveKeyboardHook();
  const Entity picked = State().picked;
  if (status == kStatusAnswered && picked != nullptr) {
    const Entity target = TargetOf(picked);
    if (target != nullptr) {
      if (std::uint8_t* layer = FindLayerID(GetU16(target, kHdrLayer))) ActOnLayer(layer);
    }
    return AskPick();
  }
  // Leaving, or any command key, always brings the normal view back.
  if (LastKey() == VK_TAB || State().show_mode == 1) FlipView();
  if (LastKey() == 0) return CmdEnd();
  AskPick();
}

}  // namespace

void LayersCommand() {
  LayersState& s = State();
  s.show_mode = 0;
  s.picked = nullptr;
  s.display_prompt.text = "Layer: !01";
  s.current_prompt.text = "Can't hide current layer: !01";
  AskPick();
}

}  // namespace vx
