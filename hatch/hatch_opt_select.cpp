// VXHATCHOPTSEL: the pattern kind and the name of the pattern of that kind.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "hatch/hatch_commands.h"
#include "hatch/hatch_state.h"
#include "hatch/hatch_storage.h"
#include "host/host_api.h"

namespace vx {

namespace {

// The host fills a text answer into a buffer of this size; the record's
// fields are smaller, so the answer is taken here and cut to the field.
constexpr std::size_t kTextAnswerBytes = 260;

std::int32_t g_kind = 0;
char g_name[kTextAnswerBytes] = {};

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
    StoreName(o, o.PatternKind(), std::string_view(g_name));
    SaveHatchOptions();
  }
  CmdEnd();
}

void KindAnswered(int status) {
  if (status != kStatusAnswered) return CmdEnd();
  const std::int32_t kind = g_kind >= kKindSimpleLines && g_kind <= kKindPatFile ? g_kind : kKindSimpleLines;
  HatchOptions& o = Hatch().options;
  o.SetPatternKind(kind);
  const std::string_view current = CurrentName(o, kind);
  std::memset(g_name, 0, sizeof g_name);
  std::memcpy(g_name, current.data(), current.size());
  ReqData(kReqText1, g_name, NamePrompt(kind), kModeDefault, &NameAnswered, 0, 0);
}

}  // namespace

void HatchOptSelCommand() {
  LoadHatchOptions();
  g_kind = Hatch().options.PatternKind();
  ReqData(kReqInteger, &g_kind, "Pattern type (0 = Line, 1 = Korvex, 2 = PAT-file): ", kModeDefault, &KindAnswered, 0,
          0);
}

}  // namespace vx
