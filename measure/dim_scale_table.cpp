#include "measure/dim_scale_table.h"

#include "host/entity_layout.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vx {

namespace {

constexpr float kNoTextDefaultsScale = 0.2f;
constexpr std::size_t kEntryBytes = 8;
constexpr std::size_t kEntryOn = 0;      // u32
constexpr std::size_t kEntryFactor = 4;  // f32
// Entries 0 to 5 size the dimension style block, 6 and 7 the current settings.
constexpr int kFirstSettingsEntry = 6;
constexpr std::array<std::size_t, kDimScaleEntries> kTargets = {
    kDimBlockTextHeight,  kDimBlockBaseline,    kDimBlockOffsetPoint, kDimBlockExtendPast,
    kDimBlockArrowLength, kDimBlockArrowHeight, kCurArrowLength,      kCurArrowHeight,
};
static_assert(kEntryBytes * kDimScaleEntries == kDimScaleTableBytes);

// The registry record: the key path lives in a buffer of this many bytes.
constexpr std::size_t kKeyBuffer = 255;

std::uint8_t* CurrentRecord(DList* work, int table_number) {
  if (work == nullptr) return nullptr;
  std::uint8_t* table = work->SettingsTable(table_number);
  if (table == nullptr) return nullptr;
  return table + GetU32(table, kTableCurrentOffset);
}

void ScaleInto(std::uint8_t* target, const DimScaleState& table, int first, int last, float scale) {
  for (int i = first; i < last; ++i) {
    const DimScaleEntry& e = table.entries[static_cast<std::size_t>(i)];
    if (e.on != 0) PutF32(target, kTargets[static_cast<std::size_t>(i)], scale * e.factor);
  }
}

std::array<char, kKeyBuffer> KeyBuffer() {
  std::array<char, kKeyBuffer> key{};
  for (std::size_t i = 0; kDimScaleKey[i] != '\0' && i + 1 < kKeyBuffer; ++i) key[i] = kDimScaleKey[i];
  return key;
}

RegRequest Request(char* key, std::uint8_t* data) {
  return RegRequest{kCurrentUser, key, kDimScaleValue, data, kDimScaleTableBytes, kRegBinary, kDimScaleTableBytes, 0};
}

}  // namespace

float DefaultDimScale(DList* work) {
  const std::uint8_t* defaults = CurrentRecord(work, kTableTextDefaults);
  if (defaults == nullptr) return kNoTextDefaultsScale;
  return GetF32(defaults, kTextDefaultsSpec + kSpecHeight);
}

std::array<std::uint8_t, kDimScaleTableBytes> EncodeDimScale(const DimScaleState& table) {
  std::array<std::uint8_t, kDimScaleTableBytes> out{};
  for (std::size_t i = 0; i < table.entries.size(); ++i) {
    PutU32(out.data(), i * kEntryBytes + kEntryOn, static_cast<std::uint32_t>(table.entries[i].on));
    PutF32(out.data(), i * kEntryBytes + kEntryFactor, table.entries[i].factor);
  }
  return out;
}

void DecodeDimScale(const std::uint8_t* bytes, DimScaleState& table) {
  for (std::size_t i = 0; i < table.entries.size(); ++i) {
    // Any non-zero word means on; the tick boxes test bit 0, so keep it 0 or 1.
    table.entries[i].on = GetU32(bytes, i * kEntryBytes + kEntryOn) != 0 ? 1 : 0;
    table.entries[i].factor = GetF32(bytes, i * kEntryBytes + kEntryFactor);
  }
}

void ReadDimScale(DimScaleState& table) {
  std::array<char, kKeyBuffer> key = KeyBuffer();
  std::array<std::uint8_t, kDimScaleTableBytes> bytes{};
  RegRequest request = Request(key.data(), bytes.data());
  if (RMGetValue(&request) != 0) DecodeDimScale(bytes.data(), table);
}

void WriteDimScale(const DimScaleState& table) {
  std::array<char, kKeyBuffer> key = KeyBuffer();
  std::array<std::uint8_t, kDimScaleTableBytes> bytes = EncodeDimScale(table);
  RegRequest request = Request(key.data(), bytes.data());
  RMSetValue(&request);
}

void ApplyDimScale(DList* work, const DimScaleState& table, float scale) {
  if (std::uint8_t* style = CurrentRecord(work, kTableDimStyles))
    ScaleInto(style + kDimStyleBlock, table, 0, kFirstSettingsEntry, scale);
  if (std::uint8_t* current = CurrentRecord(work, kTableCurrent))
    ScaleInto(current, table, kFirstSettingsEntry, kDimScaleEntries, scale);
}

}  // namespace vx
