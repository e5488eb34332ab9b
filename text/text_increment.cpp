// VXTINC: adds a value to the first or last number inside texts, clicked one
// by one (CTRL held subtracts) or all selected at once.
#include <string>

#include "frame/modifier_keys.h"
#include "host/int_truncation.h"
#include "host/win_api.h"
#include "text/number_rules.h"
#include "text/text_access.h"
#include "text/text_commands.h"
#include "text/text_frame.h"
#include "text/text_state.h"

namespace vx {

Entity IncrementText(DList* list, Entity record, bool decrement, Entity context);

namespace {

constexpr char kPickPrompt[] = "Pick text to increment by <!01> (CTRL = decrement):";
constexpr char kSelectPrompt[] = "Pick entities to increment (h = help): ";

enum Control : int {
  kValueEdit = 1038,
  kSelectEntities = 1039,
  kQuickPick = 1040,
  kFirstGroup = 1041,
  kLastGroup = 1042,
};
constexpr int kValueWidth = 15;

IncrementSettings& Settings() { return Text().increment; }

Entity AddValue(DList* list, Entity record, Entity context) { return IncrementText(list, record, false, context); }
Entity AddAtClick(DList* list, Entity record, Entity context) {
  return IncrementText(list, record, CtrlHeld(), context);
}

void IncrementPicked(int status);

void AskIncrement() {
  PromptRecord& prompt = Text().prompt;
  prompt = PromptRecord{};
  prompt.text = kPickPrompt;
  prompt.entry[0] = PromptEntry{&Settings().value, kValInt, 0, kWidthCode, kDefaultDecimals};
  AskQuickPick(&prompt, kPickFlagsRecord, &IncrementPicked);
}

void ValueTyped(double number) { Settings().value = TruncateToInt32(number); }

void KeyPressed(std::uint8_t key) {
  std::int32_t& value = Settings().value;
  switch (key) {
    case VK_LEFT:
    case VK_DOWN:
    case VK_SUBTRACT: value = WrappingAdd(value, -1); break;
    case VK_UP:
    case VK_RIGHT:
    case VK_ADD: value = WrappingAdd(value, 1); break;
    default: break;
  }
}

void IncrementSelected(int);

// The command's part of the shared frame, made where it is used so that the
// pack keeps no table of its own outside the state object.
TextCommand IncrementFrame() {
  return {
      .matches = &HasDigit,
      .change = &AddValue,
      .pick_change = &AddAtClick,
      .ask_point = &AskIncrement,
      .typed_number = &ValueTyped,
      .key_pressed = &KeyPressed,
      .selection_prompt = kSelectPrompt,
      .selected = &IncrementSelected,
  };
}

void IncrementPicked(int status) { QuickPickAnswered(IncrementFrame(), status); }
void IncrementSelected(int) { SelectionAnswered(IncrementFrame()); }

void BindIncrement(Dlg* d) {
  IncrementSettings& s = Settings();
  __EDCTL(d, kValueEdit, &s.value, kValInt, kValueWidth, 0);
  __RBCTL(d, kQuickPick, &s.pick, kPickQuick, nullptr);
  __RBCTL(d, kSelectEntities, &s.pick, kPickSelection, nullptr);
  __RBCTL(d, kFirstGroup, &s.group, static_cast<int>(DigitGroup::kFirst), nullptr);
  __RBCTL(d, kLastGroup, &s.group, static_cast<int>(DigitGroup::kLast), nullptr);
}

}  // namespace

Entity IncrementText(DList* list, Entity record, bool decrement, Entity context) {
  const char* text = GetTextString(record);
  if (!HasDigit(text)) return record;
  const IncrementSettings& s = Settings();
  const DigitGroup group = s.group == static_cast<int>(DigitGroup::kLast) ? DigitGroup::kLast : DigitGroup::kFirst;
  const std::string changed = IncrementedText(text, s.value, decrement, group);
  return SetTextString(list, record, changed, true, context);
}

void IncrementCommand() {
  if (!RunTextDialog("DLG_VXTINC", nullptr, &BindIncrement)) return CmdEnd();
  StartTextCommand(IncrementFrame(), Settings().pick);
}

}  // namespace vx
