#include "headless/fonts/text_font.h"

#include <cstring>

#include "headless/drawing/settings_tables.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

namespace {

constexpr const char* kDefaultStrokeFont = "Simplex";

TextFont FromRecord(const std::uint8_t* record) {
  const char* name = reinterpret_cast<const char*>(record + vx::kFontName);
  return {vx::GetU8(record, vx::kFontType), std::string(name, strnlen(name, vx::kNameFieldBytes))};
}

}  // namespace

TextFont FontOfText(int font_number) {
  SettingsTables* running = RunningTablesOrNull();
  if (running == nullptr) return {vx::kFontStroke, kDefaultStrokeFont};
  SettingsTables& tables = *running;
  if (const std::uint8_t* record = FindRecordById(tables, vx::kTableFonts, font_number)) return FromRecord(record);
  if (const std::uint8_t* record = CurrentRecord(tables, vx::kTableFonts)) return FromRecord(record);
  return {vx::kFontStroke, kDefaultStrokeFont};
}

}  // namespace vxh
