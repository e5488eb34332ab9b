#include "host/layer_helpers.h"

#include "host/drawing_list.h"
#include "host/host_api.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vx {

bool LayerTableSaysHidden(const std::uint8_t* layer_table, int layer) {
  if (layer_table == nullptr) return false;
  const std::uint8_t* record = layer_table + FirstRecordOffset(kTableLayers);
  for (std::uint32_t size = GetU32(record, kRecSize); size != 0; size = GetU32(record, kRecSize)) {
    if (GetU16(record, kLayerId) == layer) return (GetU32(record, kLayerFlags) & kLayerHidden) != 0;
    record += size;
  }
  return false;
}

bool IsLayerHidden(int layer) {
  DList* work = GetWorkDL();
  if (work == nullptr) return false;
  return LayerTableSaysHidden(work->SettingsTable(kTableLayers), layer);
}

}  // namespace vx
