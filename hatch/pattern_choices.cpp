#include "hatch/pattern_choices.h"

#include "hatch/hatch_layout.h"
#include "hatch/hatch_storage.h"
#include "hatch/pat_files.h"
#include "host/drawing_list.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/settings_layout.h"
#include "host/win_api.h"

namespace vx {

namespace {

bool Passes(const char* search, const char* name) { return search[0] == '\0' || StMatch(search, name) != 0; }

void SavedSettingsChoices(const char* search, std::vector<PatternChoice>& out) {
  SavedSettingsList saved;
  ListHatchSettings(saved);
  for (const std::string& name : saved.names)
    if (Passes(search, name.c_str())) out.push_back({name, 0});
}

// The host's fill styles made of line families.
void FillStyleChoices(const char* search, std::vector<PatternChoice>& out) {
  DList* work = GetWorkDL();
  std::uint8_t* table = work != nullptr ? work->SettingsTable(kTableFillStyles) : nullptr;
  if (table == nullptr) return;
  std::uint8_t* record = table + FirstRecordOffset(kTableFillStyles);
  for (std::uint32_t size = GetU32(record, kRecSize); size != 0; size = GetU32(record, kRecSize)) {
    const char* name = reinterpret_cast<const char*>(record + kFillName);
    if (GetU8(record, kFillType) == kFillTypeLineFamilies && Passes(search, name))
      out.push_back({name, reinterpret_cast<std::intptr_t>(record)});
    record += size;
  }
}

void PatChoices(const char* search, PatList& patterns, std::vector<PatternChoice>& out) {
  if (!patterns.loaded) LoadPatList(patterns);
  for (const PatPattern& p : patterns.patterns)
    if (Passes(search, p.name.c_str())) out.push_back({p.name, reinterpret_cast<std::intptr_t>(&p)});
}

}  // namespace

std::vector<PatternChoice> PatternChoices(std::int32_t kind, const char* search, PatList& patterns) {
  std::vector<PatternChoice> out;
  switch (kind) {
    case kKindSimpleLines: SavedSettingsChoices(search, out); break;
    case kKindKorvex: FillStyleChoices(search, out); break;
    case kKindPatFile: PatChoices(search, patterns, out); break;
    default: break;
  }
  return out;
}

std::string_view ChosenPatternName(const HatchOptions& options, std::int32_t kind) {
  switch (kind) {
    case kKindKorvex: return options.KorvexName();
    case kKindPatFile: return options.PatName();
    default: return options.SettingsName();
  }
}

void SetChosenPatternName(HatchOptions& options, std::int32_t kind, std::string_view name) {
  switch (kind) {
    case kKindKorvex: return options.SetKorvexName(name);
    case kKindPatFile: return options.SetPatName(name);
    default: return options.SetSettingsName(name);
  }
}

std::string PatternListLabel(const char* search) {
  if (search[0] == '\0') return "Available patterns:";
  // The search text holds at most 31 characters.
  char label[64];
  wsprintfA(label, "Patterns matching \"%s\":", search);
  return label;
}

}  // namespace vx
