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

double g_distance = 0;
double g_angle = 0;
std::string g_name;
PromptRecord g_prompt;

const PromptRecord* PromptFor(const char* text, const double* value, std::uint8_t type) {
  g_prompt = PromptRecord{};
  g_prompt.text = text;
  g_prompt.entry[0] = PromptEntry{value, type, 0, kWidthCode, kDefaultDecimals};
  return &g_prompt;
}

// Saved again whatever the answer: a cancelled prompt leaves the value as it was.
void AngleAnswered(int status) {
  if (status == kStatusAnswered || status == kStatusDefault) Hatch().settings.SetAngle(g_angle);
  SaveHatchSettings(g_name.c_str());
  CmdEnd();
}

void DistanceAnswered(int status) {
  if (status != kStatusAnswered && status != kStatusDefault) return CmdEnd();
  HatchSettings& s = Hatch().settings;
  s.SetDistance(g_distance);
  SaveHatchSettings(g_name.c_str());
  g_angle = s.Angle();
  ReqData(kReqAngle, &g_angle, PromptFor("Hatch angle [!01]:", &g_angle, kValAngle), kModePlain, &AngleAnswered,
          kReqPromptRecord, 0);
}

}  // namespace

void HatchOptCommand() {
  LoadHatchOptions();
  g_name = std::string(Hatch().options.SettingsName());
  LoadHatchSettings(g_name.c_str());
  g_distance = Hatch().settings.Distance();
  ReqData(kReqDistance, &g_distance, PromptFor("Hatch distance [!01]:", &g_distance, kValLength), kModePlain,
          &DistanceAnswered, kReqPromptRecord, 0);
}

}  // namespace vx
