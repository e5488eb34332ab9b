#include <array>
#include <cstdint>

#include "frame/entry_point.h"
#include "frame/mouse_hook.h"
#include "frame/pack_state.h"
#include "host/host_api.h"
#include "host/prompt_record.h"
#include "measure/measure_commands.h"
#include "text/text_editor.h"

namespace vx {

namespace {

constexpr char kFromPrompt[] = "Distance from [!01]:";
constexpr char kToPrompt[] = "Distance to: ";
constexpr char kValueOnly[] = "!01";
constexpr char kTemplate[] = "IDD_DLGDIST";
constexpr int kEditWidth = 25;
constexpr int kFirstAsText = 1060;
constexpr std::size_t kFormattedBytes = 128;

struct ValueControl {
  int edit;
  std::uint8_t type;
};
// Distance, difference X, difference Y, angle; the "As text" buttons follow
// in the same order from kFirstAsText.
constexpr std::array<ValueControl, 4> kValues = {{
    {1038, kValDouble},
    {1043, kValDouble},
    {1044, kValDouble},
    {1045, kValAngle},
}};

DistanceState& State() { return Pack().measure.distance; }

void Measure(DistanceState& s) {
  s.values[0] = Dist2P(s.start.data(), s.end.data());
  s.values[1] = s.end[0] - s.start[0];
  s.values[2] = s.end[1] - s.start[1];
  s.values[3] = Angle(s.start.data(), s.end.data());
}

int ShowValues(DistanceState& s) {
  Dlg* d = DefDlg(kTemplate, 0, 0, nullptr, 0, 0);
  for (std::size_t i = 0; i < kValues.size(); ++i) {
    __EDCTL(d, kValues[i].edit, &s.values[i], kValues[i].type, kEditWidth, kDefaultDecimals);
    __BTNCTL(d, kFirstAsText + static_cast<int>(i), nullptr, nullptr);
  }
  InstallMouseHook();
  const int result = Dialog(d, PackRegistration().module, 0);
  RemoveMouseHook();
  RelDlg(d);
  return result;
}

void PlaceValueAsText(const DistanceState& s, std::size_t i) {
  PromptRecord record;
  record.text = kValueOnly;
  record.entry[0] = PromptEntry{&s.values[i], kValues[i].type, 0, kWidthCode, kDefaultDecimals};
  std::array<char, kFormattedBytes> text{};
  FormSt(&record, 0, nullptr, reinterpret_cast<std::intptr_t>(text.data()));
  text.back() = '\0';
  PlaceTextString(text.data());
}

void EndGiven(int status) {
  if (status != 0) return CmdEnd();
  DistanceState& s = State();
  Measure(s);
  const int result = ShowValues(s);
  const int chosen = result - kFirstAsText;
  if (chosen >= 0 && chosen < static_cast<int>(kValues.size())) {
    return PlaceValueAsText(s, static_cast<std::size_t>(chosen));
  }
  CmdEnd();
}

// Enter keeps the previous run's start point, which the buffer still holds.
void StartGiven(int status) {
  if (status != 0 && status != 2) return CmdEnd();
  DistanceState& s = State();
  SetCursorOrg2(s.start[0], s.start[1]);
  ReqData(kReqPoint2, s.end.data(), kToPrompt, kModeRubberLine, EndGiven, 0, 0);
}

}  // namespace

void DistanceCommand() {
  DistanceState& s = State();
  PromptRecord prompt;
  prompt.text = kFromPrompt;
  prompt.entry[0] = PromptEntry{s.start.data(), kValPoint, 0, kWidthCode, kDefaultDecimals};
  ReqData(kReqPoint2, s.start.data(), &prompt, kModePlain, StartGiven, kReqPromptRecord, 0);
}

}  // namespace vx
