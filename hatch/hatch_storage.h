// Reading and writing the hatch records in the registry, and the preparation
// that every fill command runs first.
#pragma once

#include <string>
#include <vector>

namespace vx {

void LoadHatchOptions();
void SaveHatchOptions();
void LoadHatchSettings(const char* name);
void SaveHatchSettings(const char* name);
void DeleteHatchSettings(const char* name);

// The saved hatch settings names, in the registry's order, and the entry
// equal to the settings record's name (-1: none).
struct SavedSettingsList {
  std::vector<std::string> names;
  int selected = -1;
};
// Leaves the list as it is when the Settings key does not open.
void ListHatchSettings(SavedSettingsList& list);

// Loads both records; the fill settings (HatchState::prepared) are the loaded
// settings with the pattern modification applied when it is on. When it is
// off, the modification fields of the options are made neutral, in memory
// only, because kinds 1 and 2 read them directly.
void PrepareHatchSettings();

}  // namespace vx
