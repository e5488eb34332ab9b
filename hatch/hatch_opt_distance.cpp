// VXHATCHOPT: distance and angle of the simple line pattern in use, each
// offered with its current value as the default.
#include <string>

#include "hatch/hatch_commands.h"
#include "hatch/hatch_state.h"
#include "hatch/hatch_storage.h"
#include "host/host_api.h"
#include "host/prompt_record.h"

namespace vx {

namespace {

HatchOptionAnswers& Answers() { return Hatch().answers; }

const PromptRecord* PromptFor(const char* text, const double* value, std::uint8_t type) {
  PromptRecord& prompt = Answers().prompt;
  prompt = PromptRecord{};
  prompt.text = text;
  prompt.entry[0] = PromptEntry{value, type, 0, kWidthCode, kDefaultDecimals};
  return &prompt;
}

// Saved again whatever the answer: a cancelled prompt leaves the value as it was.
void AngleAnswered(int status) {
  HatchOptionAnswers& a = Answers();
  if (status == kStatusAnswered || status == kStatusDefault) Hatch().settings.SetAngle(a.angle);
  SaveHatchSettings(a.settings_name.c_str());
  CmdEnd();
}

void DistanceAnswered(int status) {
  if (status != kStatusAnswered && status != kStatusDefault) return CmdEnd();
  HatchSettings& s = Hatch().settings;
  HatchOptionAnswers& a = Answers();
  s.SetDistance(a.distance);
  SaveHatchSettings(a.settings_name.c_str());
  a.angle = s.Angle();
  ReqData(kReqAngle, &a.angle, PromptFor("Hatch angle [!01]:", &a.angle, kValAngle), kModePlain, &AngleAnswered,
          kReqPromptRecord, 0);
}

}  // namespace

void HatchOptCommand() {
  LoadHatchOptions();
  HatchOptionAnswers& a = Answers();
  a.settings_name = std::string(Hatch().options.SettingsName());
  LoadHatchSettings(a.settings_name.c_str());
  a.distance = Hatch().settings.Distance();
  ReqData(kReqDistance, &a.distance, PromptFor("Hatch distance [!01]:", &a.distance, kValLength), kModePlain,
          &DistanceAnswered, kReqPromptRecord, 0);
}

}  // namespace vx
