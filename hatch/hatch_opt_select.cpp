// VXHATCHOPTSEL: the pattern kind and the name of the pattern of that kind.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "hatch/hatch_commands.h"
#include "hatch/hatch_state.h"
#include "hatch/hatch_storage.h"
#include "host/host_api.h"

namespace vx {

namespace {

HatchOptionAnswers& Answers() { return Hatch().answers; }

const char* NamePrompt(std::int32_t kind) {
  switch (kind) {
    case kKindKorvex: return "Korvex pattern name: ";
    case kKindPatFile: return "PAT-file pattern name: ";
    default: return "Line pattern name: ";
  }
}

std::string_view CurrentName(const HatchOptions& o, std::int32_t kind) {
  switch (kind) {
    case kKindKorvex: return o.KorvexName();
    case kKindPatFile: return o.PatName();
    default: return o.SettingsName();
  }
}

void StoreName(HatchOptions& o, std::int32_t kind, std::string_view name) {
  switch (kind) {
    case kKindKorvex: o.SetKorvexName(name); break;
    case kKindPatFile: o.SetPatName(name); break;
    default: o.SetSettingsName(name); break;
  }
}

void NameAnswered(int status) {
  if (status == kStatusAnswered) {
    HatchOptions& o = Hatch().options;
    StoreName(o, o.PatternKind(), std::string_view(Answers().name));
    SaveHatchOptions();
  }
  CmdEnd();
}

void KindAnswered(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  HatchOptionAnswers& a = Answers();
  const std::int32_t kind = a.kind >= kKindSimpleLines && a.kind <= kKindPatFile ? a.kind : kKindSimpleLines;
  HatchOptions& o = Hatch().options;
  o.SetPatternKind(kind);
  const std::string_view current = CurrentName(o, kind);
  std::memset(a.name, 0, sizeof a.name);
  std::memcpy(a.name, current.data(), std::min(current.size(), sizeof a.name - 1));
  ReqData(kReqText1, a.name, NamePrompt(kind), kModeDefault, &NameAnswered, 0, 0);
}

}  // namespace

void HatchOptSelCommand() {
  LoadHatchOptions();
  HatchOptionAnswers& a = Answers();
  a.kind = Hatch().options.PatternKind();
  ReqData(kReqInteger, &a.kind, "Pattern type (0 = Line, 1 = Korvex, 2 = PAT-file): ", kModeDefault, &KindAnswered, 0,
          0);
}

}  // namespace vx
