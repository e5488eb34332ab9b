// VXTSEQ: gives each text the next number of a sequence, written in place of
// one of its numbers or of a fixed piece of text. Texts are clicked in the
// wanted order, or selected and numbered by x, by y or in list order.
#include <cstring>
#include <string>

#include "frame/dialog_helpers.h"
#include "host/drawing_list.h"
#include "host/int_truncation.h"
#include "host/win_api.h"
#include "text/number_rules.h"
#include "text/replace_rules.h"
#include "text/text_access.h"
#include "text/text_commands.h"
#include "text/text_frame.h"
#include "text/text_state.h"
#include "text/text_walks.h"

namespace vx {

Entity WriteSequenceNumber(DList* list, Entity record, Entity context);

namespace {

constexpr char kPickPrompt[] = "Pick next text in sequence. Next number is <!01>:";
constexpr char kSelectPrompt[] = "Pick entities in sequence (h = help): ";

enum Control : int {
  kFindTextEdit = 1038,
  kSelectEntities = 1039,
  kQuickPick = 1040,
  kSortXRadio = 1041,
  kStartEdit = 1042,
  kDigitsEdit = 1043,
  kSortYRadio = 1044,
  kSortListRadio = 1045,
  kIncrementEdit = 1046,
  kFixedLengthCheck = 1048,
  kLeadingZeroCheck = 1049,
  kStringRadio = 1063,
  kNumberRadio = 1064,
  kNumberList = 1065,
};
constexpr int kNumberWidth = 15;
constexpr int kFindTextWidth = 60;
constexpr int kFindNumber = 0;
constexpr int kFindString = 1;

// Characters, not pointers: the table needs no relocation.
constexpr char kNumberEntries[][16] = {"1st number", "2nd number", "3rd number", "2nd last number", "Last number"};

SequenceSettings& Settings() { return Text().sequence; }

bool HasSequenceTarget(const char* text) {
  if (text == nullptr) return false;
  const std::size_t length = strnlen(text, kRuleTextLimit);
  if (length >= kRuleTextLimit) return false;
  const SequenceSettings& s = Settings();
  if (s.find_mode != kFindString) return HasDigit(text);
  return FindText(std::string_view(text, length), s.find_text, false).has_value();
}

void SequencePicked(int status);

void AskSequence() {
  PromptRecord& prompt = Text().prompt;
  prompt = PromptRecord{};
  prompt.text = kPickPrompt;
  prompt.entry[0] = PromptEntry{&Settings().next, kValInt, 0, kWidthCode, kDefaultDecimals};
  AskQuickPick(&prompt, kPickFlagsRecord, &SequencePicked);
}

void NextTyped(double number) { Settings().next = TruncateToInt32(number); }

void KeyPressed(std::uint8_t key) {
  std::int32_t& next = Settings().next;
  switch (key) {
    case VK_LEFT:
    case VK_DOWN:
    case VK_SUBTRACT: next = WrappingAdd(next, -1); break;
    case VK_UP:
    case VK_RIGHT:
    case VK_ADD: next = WrappingAdd(next, 1); break;
    default: break;
  }
}

void SequenceSelected(int);

// The command's part of the shared frame, made where it is used so that the
// pack keeps no table of its own outside the state object.
TextCommand SequenceFrame() {
  return {
      .matches = &HasSequenceTarget,
      .change = &WriteSequenceNumber,
      .pick_change = &WriteSequenceNumber,
      .skip_frozen = true,
      .release_unmatched = true,
      .ask_point = &AskSequence,
      .typed_number = &NextTyped,
      .key_pressed = &KeyPressed,
      .selection_prompt = kSelectPrompt,
      .selected = &SequenceSelected,
  };
}

void SequencePicked(int status) { QuickPickAnswered(SequenceFrame(), status); }

// The selected texts are numbered in the chosen order, each once.
void SequenceSelected(int) {
  CollectCandidates(SequenceFrame(), kWalkSelected);
  GetWorkDL()->UndoMark();
  CandidateList& candidates = Text().candidates;
  for (std::size_t i : SequenceOrder(candidates, Settings().sort)) {
    TextCandidate& c = candidates[i];
    c.record = WriteSequenceNumber(c.list, c.record, c.context);
    MarkDone(&c);
  }
  ShowChanges();
  EndTextCommand();
}

void EnableBySettings(Dlg* d) {
  const SequenceSettings& s = Settings();
  EnableControl(d, kNumberList, s.find_mode == kFindNumber);
  EnableControl(d, kFindTextEdit, s.find_mode == kFindString);
  EnableControl(d, kDigitsEdit, s.fixed_length);
  for (int id : {kSortXRadio, kSortYRadio, kSortListRadio}) EnableControl(d, id, s.pick == kPickSelection);
}

void InitSequenceDialog(Dlg* d) {
  ClrCmbStr(d, kNumberList);
  for (const char* entry : kNumberEntries) AddCmbStr(d, kNumberList, entry);
  UpdCtl(d, kNumberList);
  EnableBySettings(d);
}

void SequenceSettingChanged(Dlg* d, int) { EnableBySettings(d); }

void BindSequence(Dlg* d) {
  SequenceSettings& s = Settings();
  __RBCTL(d, kNumberRadio, &s.find_mode, kFindNumber, &SequenceSettingChanged);
  __RBCTL(d, kStringRadio, &s.find_mode, kFindString, &SequenceSettingChanged);
  __CMBCTL(d, kNumberList, &s.choice, kValInt, 0, nullptr);
  __EDCTL(d, kFindTextEdit, s.find_text, kValText, kFindTextWidth, 0);
  __EDCTL(d, kStartEdit, &s.start, kValInt, kNumberWidth, 0);
  __EDCTL(d, kIncrementEdit, &s.increment, kValInt, kNumberWidth, 0);
  __CHKCTL(d, kFixedLengthCheck, &s.fixed_length, 0, &SequenceSettingChanged);
  __EDCTL(d, kDigitsEdit, &s.digits, kValInt, kNumberWidth, 0);
  __CHKCTL(d, kLeadingZeroCheck, &s.leading_zero, 0, nullptr);
  __RBCTL(d, kQuickPick, &s.pick, kPickQuick, &SequenceSettingChanged);
  __RBCTL(d, kSelectEntities, &s.pick, kPickSelection, &SequenceSettingChanged);
  __RBCTL(d, kSortXRadio, &s.sort, kOrderByX, nullptr);
  __RBCTL(d, kSortYRadio, &s.sort, kOrderByY, nullptr);
  __RBCTL(d, kSortListRadio, &s.sort, kOrderList, nullptr);
}

}  // namespace

Entity WriteSequenceNumber(DList* list, Entity record, Entity context) {
  const char* text = GetTextString(record);
  if (!HasSequenceTarget(text)) return record;
  SequenceSettings& s = Settings();
  const std::string_view old(text);
  std::size_t at = 0;
  std::size_t length = 0;
  if (s.find_mode == kFindString) {
    at = *FindText(old, s.find_text, false);
    length = std::strlen(s.find_text);
  } else {
    at = FindNthNumber(old, s.choice);
    length = DigitRunLength(old, at);
  }
  const SequenceFormat format{s.fixed_length != 0, s.digits, s.leading_zero != 0};
  std::string changed(old.substr(0, at));
  changed += SequenceNumberText(s.next, format);
  changed += old.substr(at + length);
  s.next = WrappingAdd(s.next, s.increment);
  return SetTextString(list, record, changed, true, context);
}

void SequenceCommand() {
  const bool ok = RunTextDialog("DLG_VXTSEQ", &InitSequenceDialog, &BindSequence);
  Settings().next = Settings().start;
  if (!ok) return CmdEnd();
  StartTextCommand(SequenceFrame(), Settings().pick);
}

}  // namespace vx
