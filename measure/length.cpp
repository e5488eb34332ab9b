#include <array>
#include <cstdint>
#include <optional>

#include "frame/dialog_helpers.h"
#include "frame/entry_point.h"
#include "frame/mouse_hook.h"
#include "frame/pack_state.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/message_boxes.h"
#include "host/prompt_record.h"
#include "host/win_api.h"
#include "measure/measure_commands.h"
#include "text/text_editor.h"

namespace vx {

namespace {

void PickGiven(int status);

constexpr char kPickPrompt[] = "Length of entity [select multiple]:";
constexpr char kSelectPrompt[] = "Select entities to measure (h = help):";
constexpr char kNoLength[] = "Picked entity does not support length calculation";
constexpr char kValueOnly[] = "!01";
constexpr char kTemplate[] = "IDD_DLGLENGTH";
constexpr std::intptr_t kModePick = 7;
constexpr int kLengthEdit = 1038;
constexpr int kAsText = 1060;
constexpr int kIgnoredCount = 1058;
constexpr int kIgnoredLine = 1061;
constexpr int kEditWidth = 25;
constexpr std::size_t kFormattedBytes = 128;

LengthState& State() { return Pack().measure.length; }

std::optional<double> LengthOf(Entity e) {
  double length = 0;
  if (EGet(e, kQueryLength, nullptr, &length) == 0) return std::nullopt;
  return length;
}

void ShowIgnored(Dlg* d) {
  const std::int32_t ignored = State().ignored;
  ShowControl(d, kIgnoredCount, ignored > 0);
  ShowControl(d, kIgnoredLine, ignored > 0);
  std::array<char, 16> count{};
  wsprintfA(count.data(), "%d", static_cast<int>(ignored));
  SetWindowTextA(ControlWindow(d, kIgnoredCount), count.data());
}

int DrawNormally(DList*, Entity e, std::intptr_t, std::intptr_t) {
  EDraw(0, e);
  return 0;
}

void PlaceLengthAsText() {
  PromptRecord record;
  record.text = kValueOnly;
  record.entry[0] = PromptEntry{&State().total, kValLength, 0, kWidthCode, kDefaultDecimals};
  std::array<char, kFormattedBytes> text{};
  FormSt(&record, 0, nullptr, reinterpret_cast<std::intptr_t>(text.data()));
  text.back() = '\0';
  PlaceTextString(text.data());
}

void ShowLength() {
  Dlg* d = DefDlg(kTemplate, 0, 0, ShowIgnored, 0, 0);
  __EDCTL(d, kLengthEdit, &State().total, kValLength, kEditWidth, kDefaultDecimals);
  __BTNCTL(d, kAsText, nullptr, nullptr);
  InstallMouseHook();
  const int result = Dialog(d, PackRegistration().module, 0);
  RemoveMouseHook();
  RelDlg(d);
  GetWorkDL()->Walk(DrawNormally, kWalkSelected);
  ShowChanges();
  if (result == kAsText) return PlaceLengthAsText();
  CmdEnd();
}

// An entity without a length leaves the total, loses its mark and is counted.
int AddLength(DList* list, Entity e, std::intptr_t, std::intptr_t) {
  LengthState& s = State();
  if (const std::optional<double> length = LengthOf(e)) {
    s.total += *length;
  } else {
    ++s.ignored;
    EDraw(0, e);
    list->Unmark(e);
  }
  return 0;
}

void SelectionGiven(int status) {
  if (status != 0) return CmdEnd();
  GetWorkDL()->Walk(AddLength, kWalkSelectedVisible);
  ShowChanges();
  ShowLength();
}

void AskPick() { ReqData(kReqPick, &State().picked, kPickPrompt, kModePick, PickGiven, 0, 0); }

// A pick that reaches nothing has no entity to ask about: the prompt comes
// again.
void PickGiven(int status) {
  if (status == 0 && State().picked == nullptr) return AskPick();
  if (status == 2) return void(ReqData(kReqSelect, nullptr, kSelectPrompt, kModePick, SelectionGiven, 0, 0));
  if (status != 0) return CmdEnd();
  LengthState& s = State();
  const std::optional<double> length = LengthOf(s.picked);
  if (!length) {
    InstallMouseHook();
    ShowError(kNoLength);
    RemoveMouseHook();
    return CmdEnd();
  }
  s.total = *length;
  ClearSelect();
  GetWorkDL()->Commit(s.picked);
  EMark(0, s.picked);
  ShowChanges();
  ShowLength();
}

}  // namespace

void LengthCommand() {
  LengthState& s = State();
  s.total = 0;
  s.ignored = 0;
  s.picked = nullptr;
  AskPick();
}

}  // namespace vx
