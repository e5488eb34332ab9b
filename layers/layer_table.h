// The layer records of a layer settings table, in table order.
#pragma once

#include <cstdint>

#include "host/record.h"
#include "host/settings_layout.h"

namespace vx {

// Calls visit(record) for every record from the table's first-record offset
// until a record of size 0. A null table has no records.
template <typename Visit>
void ForEachLayer(std::uint8_t* table, Visit visit) {
  if (table == nullptr) return;
  std::uint8_t* record = table + FirstRecordOffset(kTableLayers);
  for (std::uint32_t size = GetU32(record, kRecSize); size != 0; size = GetU32(record, kRecSize)) {
    visit(record);
    record += size;
  }
}

// The id of the current layer; -1 when the host has none (no id matches it).
int CurrentLayerId();

void SetLayerFlag(std::uint8_t* layer, std::uint32_t bit, bool on);

}  // namespace vx
