#include "hatch/hatch_storage.h"

#include <string>

#include "hatch/hatch_state.h"
#include "hatch/registry_access.h"
#include "hatch/registry_keys.h"

namespace vx {

void LoadHatchOptions() {
  HatchOptions& options = Hatch().options;
  ReadRegistryValue(kHatchKey, kOptionsValue, options.bytes.data(), options.bytes.size());
}

void SaveHatchOptions() {
  const HatchOptions& options = Hatch().options;
  WriteRegistryValue(kHatchKey, kOptionsValue, options.bytes.data(), options.bytes.size());
}

void LoadHatchSettings(const char* name) {
  HatchSettings& settings = Hatch().settings;
  ReadRegistryValue(kHatchSettingsKey, name, settings.bytes.data(), settings.bytes.size());
}

void SaveHatchSettings(const char* name) {
  const HatchSettings& settings = Hatch().settings;
  WriteRegistryValue(kHatchSettingsKey, name, settings.bytes.data(), settings.bytes.size());
}

void DeleteHatchSettings(const char* name) { DeleteRegistryValue(kHatchSettingsKey, name); }

void ListHatchSettings(SavedSettingsList& list) {
  std::vector<std::string> names;
  if (!EnumerateValueNames(kHatchSettingsKey, [&](const std::string& name) { names.push_back(name); })) return;
  list.names = std::move(names);
  list.selected = -1;
  const std::string_view current = Hatch().settings.Name();
  if (current.empty()) return;
  for (std::size_t i = 0; i < list.names.size(); ++i) {
    if (list.names[i] == current) list.selected = static_cast<int>(i);
  }
}

namespace {

void ApplyModification(const HatchOptions& options, HatchSettings& settings) {
  const double scale = options.ModifyScale();
  settings.SetDistance(settings.Distance() * scale);
  settings.SetAngle(settings.Angle() + options.ModifyRotation());
  settings.SetOffset(settings.OffsetX() + options.ModifyOffsetX(), settings.OffsetY() + options.ModifyOffsetY());
  // Offsets that are fractions of the distance follow it already.
  if (settings.ScaleOffsets()) return;
  for (std::size_t i = 0; i < kScanLineCount; ++i) settings.SetScanOffset(i, settings.ScanOffset(i) * scale);
}

}  // namespace

void PrepareHatchSettings() {
  LoadHatchOptions();
  HatchState& hatch = Hatch();
  const std::string name(hatch.options.SettingsName());
  LoadHatchSettings(name.c_str());
  hatch.prepared = hatch.settings;
  if (hatch.options.Modify()) {
    ApplyModification(hatch.options, hatch.prepared);
    return;
  }
  // Kinds 1 and 2 read these fields directly: neutral values mean "as drawn".
  hatch.options.SetModifyScale(1.0);
  hatch.options.SetModifyRotation(0.0);
  hatch.options.SetModifyOffset(0.0, 0.0);
}

}  // namespace vx
