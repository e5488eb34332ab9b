// VXGVD, VXKEYSTAT, VXGTH, VXGETFNAMEM and VXGETLAYERNAMEM: each stores one
// value in a script variable. Any answer other than a given one ends the
// command without setting anything.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "frame/modifier_keys.h"
#include "host/drawing_list.h"
#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "script/drawing_name.h"
#include "script/script_commands.h"
#include "script/script_requests.h"

namespace vx {

namespace {

constexpr char kRealPrompt[] = "Real value:";
constexpr char kDecimalsPrompt[] = "# of decimals:";
constexpr std::int32_t kMostDecimals = 32;
constexpr std::uint8_t kHeightDecimals = 3;
constexpr int kShiftBit = 1;
constexpr int kCtrlBit = 2;

ScriptState& State() { return ScriptUtilities(); }

bool Given(int status) { return status == kStatusAnswered; }

void RealDecimalsGiven(int status) {
  ScriptState& s = State();
  if (Given(status)) {
    // The clamped count is what the next run starts from.
    s.decimals = std::clamp(s.decimals, 0, kMostDecimals);
    char value[kFormattedValueBytes];
    FormatValue(&s.real_value, kValDouble, static_cast<std::uint8_t>(s.decimals), value);
    SetVar(s.name_a, value);
  }
  CmdEnd();
}

void RealValueGiven(int status) {
  if (!Given(status)) return CmdEnd();
  ReqData(kReqInteger, &State().decimals, kDecimalsPrompt, kModeDefault, RealDecimalsGiven, 0, 0);
}

void RealNameGiven(int status) {
  if (!Given(status)) return CmdEnd();
  ReqData(kReqReal, &State().real_value, kRealPrompt, kModeDefault, RealValueGiven, 0, 0);
}

void KeyStateNameGiven(int status) {
  if (Given(status)) {
    const int state = (ShiftHeld() ? kShiftBit : 0) + (CtrlHeld() ? kCtrlBit : 0);
    char value[16];
    std::snprintf(value, sizeof value, "%d", state);
    SetVar(State().name_a, value);
  }
  CmdEnd();
}

// The height field of the current record of the working list's text defaults,
// or null when the list or the table is missing.
const std::uint8_t* CurrentTextHeight() {
  DList* work = GetWorkDL();
  if (work == nullptr) return nullptr;
  const std::uint8_t* table = work->SettingsTable(kTableTextDefaults);
  if (table == nullptr) return nullptr;
  return table + GetU32(table, kTableCurrentOffset) + kTextDefaultsSpec + kSpecHeight;
}

void TextHeightNameGiven(int status) {
  if (Given(status)) {
    if (const std::uint8_t* height = CurrentTextHeight()) {
      const float h = GetF32(height, 0);
      char value[kFormattedValueBytes];
      FormatValue(&h, kValFloat, kHeightDecimals, value);
      SetVar(State().name_a, value);
    }
  }
  CmdEnd();
}

void FileNameNameGiven(int status) {
  if (Given(status)) {
    DList* work = GetWorkDL();
    char value[kDListFileNameBytes];
    DrawingNameForVariable(work != nullptr ? work->file_name : nullptr, kDListFileNameBytes, value, sizeof value);
    SetVar(State().name_b, value);
  }
  CmdEnd();
}

void LayerNameNameGiven(int status) {
  if (Given(status)) {
    if (const std::uint8_t* layer = GetCurLayer()) {
      char value[kNameFieldBytes];
      std::memcpy(value, layer + kLayerName, sizeof value);
      value[sizeof value - 1] = '\0';
      SetVar(State().name_b, value);
    }
  }
  CmdEnd();
}

}  // namespace

void RealVariableCommand() { AskVariableName(State().name_a, RealNameGiven); }
void KeyStateCommand() { AskVariableName(State().name_a, KeyStateNameGiven); }
void TextHeightCommand() { AskVariableName(State().name_a, TextHeightNameGiven); }
void GetFileNameCommand() { AskVariableName(State().name_b, FileNameNameGiven); }
void GetLayerNameCommand() { AskVariableName(State().name_b, LayerNameNameGiven); }

}  // namespace vx
