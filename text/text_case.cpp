// VXTCASE: converts texts to lower, upper or capitalized case, clicked one by
// one (only texts the conversion changes are offered) or all selected at once.
#include <string>

#include "text/case_rules.h"
#include "text/text_access.h"
#include "text/text_commands.h"
#include "text/text_frame.h"
#include "text/text_state.h"

namespace vx {

Entity ConvertTextCase(DList* list, Entity record, Entity context);

namespace {

constexpr char kPickPrompt[] = "Pick text to convert case: ";
constexpr char kSelectPrompt[] = "Pick entities to convert case (h = help): ";
constexpr char kNoMatch[] = "No text string is matching the criteria";

enum Control : int {
  kSelectEntities = 1039,
  kQuickPick = 1040,
  kLowerRadio = 1041,
  kUpperRadio = 1044,
  kCapitalizedRadio = 1045,
};

CaseSettings& Settings() { return Text().text_case; }

bool Matches(const char* text) { return WouldChangeCase(text, Settings().mode); }

void CasePicked(int status);
void AskCase() { AskQuickPick(kPickPrompt, kPickFlagsNoNumber, &CasePicked); }
void CaseSelected(int);

// The command's part of the shared frame, made where it is used so that the
// pack keeps no table of its own outside the state object.
TextCommand CaseFrame() {
  return {
      .matches = &Matches,
      .change = &ConvertTextCase,
      .pick_change = &ConvertTextCase,
      .no_match_message = kNoMatch,
      .drops_changed = true,
      .key_hook = false,
      .ask_point = &AskCase,
      .selection_prompt = kSelectPrompt,
      .selected = &CaseSelected,
  };
}

void CasePicked(int status) { QuickPickAnswered(CaseFrame(), status); }
void CaseSelected(int) { SelectionAnswered(CaseFrame()); }

void BindCase(Dlg* d) {
  CaseSettings& s = Settings();
  __RBCTL(d, kLowerRadio, &s.mode, kLowerCase, nullptr);
  __RBCTL(d, kUpperRadio, &s.mode, kUpperCase, nullptr);
  __RBCTL(d, kCapitalizedRadio, &s.mode, kCapitalized, nullptr);
  __RBCTL(d, kQuickPick, &s.pick, kPickQuick, nullptr);
  __RBCTL(d, kSelectEntities, &s.pick, kPickSelection, nullptr);
}

}  // namespace

Entity ConvertTextCase(DList* list, Entity record, Entity context) {
  const char* text = GetTextString(record);
  const int mode = Settings().mode;
  if (!WouldChangeCase(text, mode)) return record;
  std::string converted;
  ConvertCase(text, converted, mode);
  return SetTextString(list, record, converted, true, context);
}

void CaseCommand() {
  if (!RunTextDialog("DLG_VXTCASE", nullptr, &BindCase)) return CmdEnd();
  StartTextCommand(CaseFrame(), Settings().pick);
}

}  // namespace vx
