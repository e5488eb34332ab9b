// How the current settings reach an entity's header.
#include <cstring>

#include "headless/drawing/settings_tables.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxh {

// The attribute fields come from the current settings record (the same
// fields that Same-as fills from an entity); layer, line style and fill style
// are the current records of their tables.
void ApplyCurrentSettings(SettingsTables& tables, std::uint8_t* record) {
  if (const std::uint8_t* current = CurrentRecord(tables, vx::kTableCurrent)) {
    vx::PutU8(record, vx::kHdrAttrByte, vx::GetU8(current, vx::kCurByte116));
    vx::PutU32(record, vx::kHdrAttr6, vx::GetU32(current, vx::kCurWord8));
    vx::PutU32(record, vx::kHdrAttr10, vx::GetU32(current, vx::kCurWord117));
    vx::PutU32(record, vx::kHdrAttr22, vx::GetU32(current, vx::kCurWord121));
  }
  vx::PutU16(record, vx::kHdrLayer, static_cast<std::uint16_t>(CurrentId(tables, vx::kTableLayers)));
  vx::PutU16(record, vx::kHdrLineStyle, static_cast<std::uint16_t>(CurrentId(tables, vx::kTableLineStyles)));
  vx::PutU16(record, vx::kHdrFillStyle, static_cast<std::uint16_t>(CurrentId(tables, vx::kTableFillStyles)));
}

// Bytes 5 to 25: attribute byte and words, fill style, line style, the unused
// word at 18 and the layer. Size and kind describe the record itself, and
// bytes 26 to 31 are the host's per-entity reserve, so neither is copied.
void CopyEntitySettings(std::uint8_t* destination, const std::uint8_t* source) {
  std::memmove(destination + vx::kHdrAttrByte, source + vx::kHdrAttrByte, vx::kHdrReserved26 - vx::kHdrAttrByte);
}

}  // namespace vxh
