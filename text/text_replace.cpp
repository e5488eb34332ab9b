// VXTREPLACE: replaces a piece of text (the whole string, its beginning or
// every occurrence) in texts clicked one by one or all selected at once. With
// a number in the replacement, the arrow keys step it between clicks.
#include <cstdio>
#include <string>

#include "host/int_truncation.h"
#include "host/number_stepping.h"
#include "host/win_api.h"
#include "text/replace_rules.h"
#include "text/text_access.h"
#include "text/text_commands.h"
#include "text/text_frame.h"
#include "text/text_state.h"

namespace vx {

Entity ReplaceText(DList* list, Entity record, Entity context);

namespace {

constexpr char kNumberedPrompt[] = "Pick text to replace. New text is <!01>:";
constexpr char kPlainPrompt[] = "Pick text to replace ";
constexpr char kSelectPrompt[] = "Pick entities to replace (h = help): ";
constexpr char kNoMatch[] = "No text string is matching the search criteria";

enum Control : int {
  kSearchEdit = 1038,
  kSelectEntities = 1039,
  kQuickPick = 1040,
  kMatchAllRadio = 1041,
  kReplacementEdit = 1043,
  kMatchBeginningRadio = 1044,
  kMatchPartRadio = 1045,
  kIgnoreCaseCheck = 1048,
};
constexpr int kEditWidth = 200;

ReplaceSettings& Settings() { return Text().replace; }

ReplaceRule CurrentRule() {
  const ReplaceSettings& s = Settings();
  return ReplaceRule{s.search, s.replacement, s.match, s.ignore_case != 0};
}

bool Matches(const char* text) { return SearchMatches(text, CurrentRule()); }

void ReplacePicked(int status);

void AskReplace() {
  const char* replacement = Settings().replacement;
  if (!HoldsDigit(replacement)) return AskQuickPick(kPlainPrompt, kPickFlagsNumber, &ReplacePicked);
  PromptRecord& prompt = Text().prompt;
  prompt = PromptRecord{};
  prompt.text = kNumberedPrompt;
  prompt.entry[0] = PromptEntry{replacement, kValText, 0, kWidthCode, kDefaultDecimals};
  AskQuickPick(&prompt, kPickFlagsRecord, &ReplacePicked);
}

// A typed number becomes the replacement when that is a plain number.
void NumberTyped(double number) {
  char* replacement = Settings().replacement;
  if (!OnlyDigits(replacement)) return;
  std::snprintf(replacement, kReplacementBytes, "%d", static_cast<int>(TruncateToInt32(number)));
}

void KeyPressed(std::uint8_t key) {
  unsigned flags = 0;
  switch (key) {
    case VK_UP:
    case VK_ADD: flags = 0; break;
    case VK_DOWN:
    case VK_SUBTRACT: flags = kStepDown; break;
    case VK_RIGHT: flags = kStepLastGroup; break;
    case VK_LEFT: flags = kStepDown | kStepLastGroup; break;
    default: return;
  }
  StepNumber(Settings().replacement, kReplacementBytes, flags);
}

void ReplaceSelected(int);

// The command's part of the shared frame, made where it is used so that the
// pack keeps no table of its own outside the state object.
TextCommand ReplaceFrame() {
  return {
      .matches = &Matches,
      .change = &ReplaceText,
      .pick_change = &ReplaceText,
      .no_match_message = kNoMatch,
      .drops_changed = true,
      .ask_point = &AskReplace,
      .typed_number = &NumberTyped,
      .key_pressed = &KeyPressed,
      .selection_prompt = kSelectPrompt,
      .selected = &ReplaceSelected,
  };
}

void ReplacePicked(int status) { QuickPickAnswered(ReplaceFrame(), status); }
void ReplaceSelected(int) { SelectionAnswered(ReplaceFrame()); }

void BindReplace(Dlg* d) {
  ReplaceSettings& s = Settings();
  __EDCTL(d, kSearchEdit, s.search, kValText, kEditWidth, 0);
  __EDCTL(d, kReplacementEdit, s.replacement, kValText, kEditWidth, 0);
  __RBCTL(d, kMatchAllRadio, &s.match, kMatchAll, nullptr);
  __RBCTL(d, kMatchBeginningRadio, &s.match, kMatchBeginning, nullptr);
  __RBCTL(d, kMatchPartRadio, &s.match, kMatchPart, nullptr);
  __CHKCTL(d, kIgnoreCaseCheck, &s.ignore_case, 0, nullptr);
  __RBCTL(d, kQuickPick, &s.pick, kPickQuick, nullptr);
  __RBCTL(d, kSelectEntities, &s.pick, kPickSelection, nullptr);
}

}  // namespace

Entity ReplaceText(DList* list, Entity record, Entity context) {
  const char* text = GetTextString(record);
  const ReplaceRule rule = CurrentRule();
  if (!SearchMatches(text, rule)) return record;
  return SetTextString(list, record, ReplacedText(text, rule), true, context);
}

void ReplaceCommand() {
  if (!RunTextDialog("DLG_VXTREPLACE", nullptr, &BindReplace)) return CmdEnd();
  StartTextCommand(ReplaceFrame(), Settings().pick);
}

}  // namespace vx
